#include "toolkit/customize/XTPCustomizeOptionsPageGroupLine.h"

#include <vssym32.h>

#include <algorithm>

#include "framework/gdi/CDC.h"

BEGIN_MESSAGE_MAP(CXTPCustomizeOptionsPageGroupLine, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
// The style bit that puts the heading at the right, the line at its left.
const DWORD kRightAlignedStyle = 0x2000;
const int kLineGap = 6;
} // namespace

int CXTPCustomizeOptionsPageGroupLine::DrawnTextWidth(HDC hDC, const CString& strText, const SIZE& szMeasured,
                                                      UINT nFormat)
{
    // A font may draw narrower than its metrics say (a small size drawn
    // from a bitmap strike of other widths): the line follows the text as
    // it shows, found in a copy drawn off screen.
    if (szMeasured.cx <= 0 || szMeasured.cy <= 0)
        return szMeasured.cx;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = szMeasured.cx;
    bmi.bmiHeader.biHeight = -szMeasured.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = hBitmap != nullptr ? ::CreateCompatibleDC(hDC) : nullptr;
    if (hMemDC == nullptr) {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        return szMeasured.cx;
    }
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
    HGDIOBJ hOldFont = ::SelectObject(hMemDC, ::GetCurrentObject(hDC, OBJ_FONT));
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    const int nPixels = szMeasured.cx * szMeasured.cy;
    std::fill(static_cast<DWORD*>(pBits), static_cast<DWORD*>(pBits) + nPixels, 0x00FFFFFF);
    ::SetTextColor(hMemDC, RGB(0, 0, 0));
    ::SetBkMode(hMemDC, TRANSPARENT);
    RECT rc = {0, 0, szMeasured.cx, szMeasured.cy};
    ::GdiFlush();
    ::DrawTextW(hMemDC, strText, strText.GetLength(), &rc, nFormat);
    ::GdiFlush();
    int nFirstInk = szMeasured.cx, nLastInk = -1;
    for (int i = 0; i < nPixels; i++) {
        if ((pPixels[i] & 0x00FFFFFF) == 0x00FFFFFF)
            continue;
        const int x = i % szMeasured.cx;
        nFirstInk = std::min(nFirstInk, x);
        nLastInk = std::max(nLastInk, x);
    }
    ::SelectObject(hMemDC, hOldFont);
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
    if (nLastInk < 0)
        return szMeasured.cx;
    return (nFormat & DT_RIGHT) != 0 ? szMeasured.cx - nFirstInk : nLastInk + 1;
}

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

    const bool bRight = (GetStyle() & kRightAlignedStyle) != 0;
    CString strText;
    GetWindowText(strText);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (bRight)
        nFormat |= DT_RIGHT | DT_RTLREADING;
    RECT rcText = rcClient;
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcText, nFormat);
    RECT rcMeasure = rcClient;
    ::DrawTextW(hDC, strText, strText.GetLength(), &rcMeasure, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    const SIZE szMeasured = {rcMeasure.right - rcMeasure.left, rcMeasure.bottom - rcMeasure.top};
    const int nTextWidth = std::min(static_cast<int>(szMeasured.cx),
                                    DrawnTextWidth(hDC, strText, szMeasured, nFormat & ~DT_VCENTER));

    RECT rcLine = rcClient;
    if (bRight)
        rcLine.right = rcClient.right - nTextWidth - kLineGap;
    else
        rcLine.left = rcClient.left + nTextWidth + kLineGap;
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
