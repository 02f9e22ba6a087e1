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

namespace {

// A button in a window's own caption is placed in window coordinates and
// redrawn with the frame.
CPoint ButtonPoint(HWND hWnd, const MSG& msg, BOOL bNonClient)
{
    CPoint pt = XTPTabMessagePoint(msg);
    if (bNonClient)
    {
        CRect rcWindow;
        ::GetWindowRect(hWnd, &rcWindow);
        ::ClientToScreen(hWnd, &pt);
        pt.Offset(-rcWindow.left, -rcWindow.top);
    }
    return pt;
}

void RedrawButton(HWND hWnd, BOOL bNonClient)
{
    if (bNonClient)
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    else
        ::InvalidateRect(hWnd, nullptr, FALSE);
}

} // namespace

BOOL CXTPDockingPaneCaptionButton::Track(HWND hWnd, BOOL bNonClient)
{
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    m_bPressed = m_bHot = TRUE;
    RedrawButton(hWnd, bNonClient);
    ::SetCapture(hWnd);
    BOOL bInside = TRUE, bReleased = FALSE;
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (::GetCapture() == hWnd && XTPTabGetLoopMessage(&msg, loop))
    {
        // Fetching may have handled a message that destroyed the window and,
        // with its node, this button: the message goes its way, the press ends.
        if (::GetCapture() != hWnd)
        {
            ::DispatchMessageW(&msg);
            break;
        }
        if (msg.message == WM_LBUTTONUP)
        {
            bReleased = TRUE;
            if (msg.hwnd == hWnd)
                bInside = m_rcButton.PtInRect(ButtonPoint(hWnd, msg, bNonClient));
            break;
        }
        if (XTPTabIsLoopCancel(msg))
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWnd)
        {
            BOOL bOver = m_rcButton.PtInRect(ButtonPoint(hWnd, msg, bNonClient));
            if (bOver != bInside)
            {
                bInside = bOver;
                m_bPressed = m_bHot = bInside;
                RedrawButton(hWnd, bNonClient);
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
    RedrawButton(hWnd, bNonClient);
    return bReleased && bInside;
}
