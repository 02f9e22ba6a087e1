// Where the colour manager learns about the running system's look: the
// visual style in force, the display depth and the tree-view border colour.
#pragma once
#include <windows.h>
#include "framework/text/CString.h"

class CXTPSystemThemeSource
{
public:
    virtual ~CXTPSystemThemeSource() = default;

    // The system's source: the visual-style library and the desktop DC.
    static CXTPSystemThemeSource& System();
    // Test seam: while set, the system's source answers from this one
    // (null restores the running system).
    static void SetSystemOverride(CXTPSystemThemeSource* pOverride);

    virtual BOOL IsThemeActive();
    // The file name and colour name of the current visual style.
    virtual BOOL GetCurrentThemeName(CString& strFileName, CString& strColorName);
    virtual BOOL IsDesktopLowColor();
    // The border colour of themed tree views; FALSE when not themed.
    virtual BOOL GetTreeViewBorderColor(COLORREF& clrBorder);
};
