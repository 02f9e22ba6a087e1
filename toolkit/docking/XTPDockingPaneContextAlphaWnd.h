// The translucent preview of a drag: a layered top-most tool window filled
// with the highlight colour, shown where the dragged node would go.
#pragma once
#include "framework/windows/CWnd.h"

typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

class CXTPDockingPaneContextAlphaWnd : public CWnd
{
public:
    // Alpha 100 of 255 through the function handed (looked up by name).
    BOOL Create(CWnd* pSite, PFNSETLAYEREDWINDOWATTRIBUTES pfnSetLayered);
    // Over the rectangle (screen), shown without activation, z-order kept.
    void ShowAt(CRect rc);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
