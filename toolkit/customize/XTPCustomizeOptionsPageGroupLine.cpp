#include "toolkit/customize/XTPCustomizeOptionsPageGroupLine.h"

#include <vssym32.h>

#include "framework/gdi/CDC.h"

BEGIN_MESSAGE_MAP(CXTPCustomizeOptionsPageGroupLine, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXTPCustomizeOptionsPageGroupLine::CXTPCustomizeOptionsPageGroupLine(CXTPWinThemeLibrary* pLibrary) : m_themeHelper(pLibrary)
{
}

void CXTPCustomizeOptionsPageGroupLine::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    Draw(hDC);
    ::EndPaint(m_hWnd, &ps);
}

void CXTPCustomizeOptionsPageGroupLine::Draw(HDC hDC)
{
    m_themeHelper.OpenThemeData(m_hWnd, L"BUTTON");
    const BOOL bThemed = m_themeHelper.IsThemeUsable();
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    COLORREF clrTheme = 0;
    if (bThemed && SUCCEEDED(m_themeHelper.GetThemeColor(BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &clrTheme)))
        clrText = clrTheme;

    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    HWND hWndDialog = ::GetParent(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hWndDialog != nullptr ? hWndDialog : m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ hOldFont = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    ::SetTextColor(hDC, clrText);
    ::SetBkMode(hDC, TRANSPARENT);

    const bool bRight = (GetStyle() & SS_RIGHT) != 0;
    CString strText;
    GetWindowText(strText);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (bRight)
        nFormat |= DT_RIGHT | DT_RTLREADING;
    RECT rcText = rcClient;
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcText, nFormat);
    RECT rcMeasure = rcClient;
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcMeasure, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    const int nTextWidth = rcMeasure.right - rcMeasure.left;

    RECT rcLine = rcClient;
    if (bRight)
        rcLine.right = rcClient.right - nTextWidth - 6;
    else
        rcLine.left = rcClient.left + nTextWidth + 6;
    rcLine.top = (rcClient.top + rcClient.bottom) / 2;
    rcLine.bottom = rcLine.top + 1;

    auto fill = [hDC](const RECT& rc, COLORREF clr) {
        ::SetBkColor(hDC, clr);
        ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    };
    COLORREF clrBorder = 0;
    if (rcLine.right > rcLine.left) {
        if (bThemed && SUCCEEDED(m_themeHelper.GetThemeColor(BP_GROUPBOX, GBS_NORMAL, TMT_BORDERCOLORHINT, &clrBorder))) {
            fill(rcLine, clrBorder);
        } else {
            fill(rcLine, ::GetSysColor(COLOR_3DSHADOW));
            ::OffsetRect(&rcLine, 0, 1);
            fill(rcLine, ::GetSysColor(COLOR_3DHILIGHT));
        }
    }
    if (hOldFont != nullptr)
        ::SelectObject(hDC, hOldFont);
}
