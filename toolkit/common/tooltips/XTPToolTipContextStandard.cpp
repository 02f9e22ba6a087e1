#include "toolkit/common/tooltips/XTPToolTipContextStandard.h"

#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(CStandardToolTip, CToolTipCtrl)

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CStandardToolTip, CToolTipCtrl)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
END_MESSAGE_MAP()

LRESULT CXTPToolTipContext::CStandardToolTip::OnWindowFromPoint(WPARAM, LPARAM)
{
    HWND hWnd = reinterpret_cast<HWND>(Default());
    if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
        ::SendMessageW(hWnd, WM_XTP_TOOLTIP_PASS_TO_PARENT, 0, 0) == 1)
        hWnd = ::GetParent(hWnd);
    return reinterpret_cast<LRESULT>(hWnd);
}
