#include "toolkit/common/XTPToolTipContextStandard.h"

#include "toolkit/common/XTPToolTipContextToolTip.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(CStandardToolTip, CWnd)

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CStandardToolTip, CWnd)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
END_MESSAGE_MAP()

BOOL CXTPToolTipContext::CStandardToolTip::Create(CWnd* pParent, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, dwStyle | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, pParent ? pParent->GetSafeHwnd() : nullptr, nullptr);
}

LRESULT CXTPToolTipContext::CStandardToolTip::OnWindowFromPoint(WPARAM, LPARAM lParam)
{
    HWND hWnd = reinterpret_cast<HWND>(Default());
    if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
        ::SendMessageW(hWnd, WM_XTP_TOOLTIP_PASS_TO_PARENT, 0, 0) == 1)
        hWnd = ::GetParent(hWnd);
    (void)lParam;
    return reinterpret_cast<LRESULT>(hWnd);
}
