#include "ImageEditorInput.h"

#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

#include <commctrl.h>

namespace barstest {

namespace {

BOOL CALLBACK FindShownEditor(HWND hWnd, LPARAM lParam)
{
    auto* pFound = reinterpret_cast<CXTPImageEditorDlg**>(lParam);
    if (auto* pEditor = dynamic_cast<CXTPImageEditorDlg*>(CWnd::FromHandlePermanent(hWnd))) {
        if (pEditor->IsWindowVisible())
            *pFound = pEditor;
    }
    return *pFound == nullptr;
}

} // namespace

CXTPImageEditorDlg* ShownImageEditor()
{
    CXTPImageEditorDlg* pEditor = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindShownEditor, reinterpret_cast<LPARAM>(&pEditor));
    return pEditor;
}

void ClickCentreOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    testinput::ClickAt(rc.CenterPoint());
    testpump::PumpUntilIdle();
}

void ClickEditorTool(CXTPImageEditorDlg& editor, UINT nID)
{
    CToolBar& bar = editor.GetToolsBar();
    RECT rc = {};
    bar.SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(bar.CommandToIndex(nID)), reinterpret_cast<LPARAM>(&rc));
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    bar.ClientToScreen(&pt);
    testinput::ClickAt(pt);
    testpump::PumpUntilIdle();
}

} // namespace barstest
