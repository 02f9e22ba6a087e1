// A command-bar frame with its manager and four dock bars, and toolbars of
// known sizes to dock in it.
#pragma once
#include <windows.h>
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

// A toolbar `length` long and `thickness` thick; a shrinkable one (bar flag
// 32) gives way down to `minLength`.
class CSizedBar : public CXTPToolBar
{
public:
    CSizedBar(int length, int thickness = 22, int minLength = 0);
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    int m_length, m_thickness, m_minLength;
};

class CTestFrame : public CXTPFrameWnd
{
public:
    // A visible frame whose client area is `width` x `height`, with its
    // command bars unless the test makes them itself (bCommandBars FALSE).
    BOOL CreateFrame(int width, int height, BOOL bCommandBars = TRUE);
    // Docks a new bar of the size at the side, at the screen rectangle when given.
    CSizedBar* DockBar(XTPBarPosition side, int length, const RECT* prcScreen = nullptr, DWORD dwFlags = 0,
                       int minLength = 0);
    // The bar's window rectangle in the frame's client area.
    CRect BarRect(CWnd* pWnd);
    void Layout();
};
