#include "toolkit/docking/XTPDockingPaneCaptionButton.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/tabs/XTPTabModalLoop.h"

CXTPDockingPaneCaptionButton::CXTPDockingPaneCaptionButton(int nId, CXTPDockingPaneBase* pOwner)
    : m_nId(nId)
    , m_pOwner(pOwner)
{
}

CString CXTPDockingPaneCaptionButton::GetTooltip() const
{
    CString strTip;
    XTPGetResourceManager()->LoadString(&strTip, static_cast<UINT>(m_nId));
    return strTip;
}

BOOL CXTPDockingPaneCaptionButton::Track(HWND hWnd)
{
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    m_bPressed = m_bHot = TRUE;
    ::InvalidateRect(hWnd, nullptr, FALSE);
    ::SetCapture(hWnd);
    BOOL bInside = TRUE, bReleased = FALSE;
    MSG msg;
    while (::GetCapture() == hWnd && XTPTabGetLoopMessage(&msg))
    {
        if (msg.message == WM_LBUTTONUP)
        {
            bReleased = TRUE;
            if (msg.hwnd == hWnd)
                bInside = m_rcButton.PtInRect(XTPTabMessagePoint(msg));
            break;
        }
        if (XTPTabIsLoopCancel(msg))
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWnd)
        {
            BOOL bOver = m_rcButton.PtInRect(XTPTabMessagePoint(msg));
            if (bOver != bInside)
            {
                bInside = bOver;
                m_bPressed = m_bHot = bInside;
                ::InvalidateRect(hWnd, nullptr, FALSE);
            }
            continue;
        }
        XTPTabDispatchLoopMessage(msg);
    }
    // A message dispatched meanwhile may have destroyed the window and,
    // with its node, this button.
    if (!::IsWindow(hWnd))
        return FALSE;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_bPressed = FALSE;
    m_bHot = bInside;
    ::InvalidateRect(hWnd, nullptr, FALSE);
    return bReleased && bInside;
}
