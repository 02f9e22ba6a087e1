// The button image editor of the frame's customize sheet, driven by real
// input as a user drives it.
#pragma once
#include <windows.h>

class CXTPImageEditorDlg;

namespace barstest {

// The editor while it shows (of this thread), else null.
CXTPImageEditorDlg* ShownImageEditor();

// A real click into the middle of the window; waits until it was handled.
void ClickCentreOf(HWND hWnd);

// A real click on a button of the editor's tools bar (a tool, copy, paste,
// clear, undo...); waits until it was handled.
void ClickEditorTool(CXTPImageEditorDlg& editor, UINT nID);

} // namespace barstest
