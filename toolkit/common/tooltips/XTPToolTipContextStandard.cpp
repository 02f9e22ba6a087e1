#include "toolkit/common/tooltips/XTPToolTipContextStandard.h"

#include "framework/windows/AfxMessages.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(CStandardToolTip, CToolTipCtrl)

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CStandardToolTip, CToolTipCtrl)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
    ON_MESSAGE(TTM_RELAYEVENT, OnRelayEvent)
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

LRESULT CXTPToolTipContext::CStandardToolTip::OnWindowFromPoint(WPARAM, LPARAM)
{
    HWND hWnd = reinterpret_cast<HWND>(Default());
    if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
        ::SendMessageW(hWnd, WM_XTP_TOOLTIP_PASS_TO_PARENT, 0, 0) == 1)
        hWnd = ::GetParent(hWnd);
    return reinterpret_cast<LRESULT>(hWnd);
}

LRESULT CXTPToolTipContext::CStandardToolTip::OnRelayEvent(WPARAM, LPARAM)
{
    if (m_bQuiet) {
        POINT pt;
        if (::GetCursorPos(&pt) && pt.x == m_ptQuiet.x && pt.y == m_ptQuiet.y)
            return 0;
        // The pointer moved: the control starts afresh with it.
        m_bQuiet = FALSE;
        DefWindowProc(TTM_POP, 0, 0);
    }
    return Default();
}

void CXTPToolTipContext::CStandardToolTip::OnWindowPosChanging(WINDOWPOS* pPos)
{
    // A show the control had pending when it went quiet does not come up.
    if (m_bQuiet)
        pPos->flags &= ~SWP_SHOWWINDOW;
    CToolTipCtrl::OnWindowPosChanging(pPos);
}

LRESULT CXTPToolTipContext::CStandardToolTip::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // The window it belongs to lost the activation or the input (a dialog
    // or sheet opened): the tip goes, also one still waiting for its delay,
    // and stays away until the pointer moves: the moves the system makes up
    // where the pointer rests when windows change do not bring it back
    // over the dialog.
    if ((wParam & (FS_DEACTIVATE | FS_DISABLE)) && ::GetCursorPos(&m_ptQuiet)) {
        m_bQuiet = TRUE;
        DefWindowProc(TTM_POP, 0, 0);
    }
    return 0;
}
