#include "toolkit/controls/buttons/XTButtonTheme.h"

#include <algorithm>

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/controls/buttons/XTButton.h"

namespace {

COLORREF ManagerColor(int nIndex)
{
    return XTPGetColorManager()->GetColor(nIndex);
}

// Visual-style states of the push-button part.
enum PushButtonState
{
    pbsNormal = 1,
    pbsHot = 2,
    pbsPressed = 3,
    pbsDisabled = 4,
    pbsDefaulted = 5,
};

const int BP_PUSHBUTTON_PART = 1;

} // namespace

CXTButtonTheme::CXTButtonTheme(CXTPWinThemeLibrary* pLibrary)
    : m_themeWrapper(pLibrary)
{
}

CXTButtonTheme::~CXTButtonTheme() = default;

void CXTButtonTheme::RefreshMetrics()
{
    CXTThemeManagerStyle::RefreshMetrics();
    m_crFace.SetStandardValue(ManagerColor(COLOR_3DFACE));
    m_crText.SetStandardValue(ManagerColor(COLOR_BTNTEXT));
    m_crDisabledText.SetStandardValue(ManagerColor(COLOR_GRAYTEXT));
    m_crLight.SetStandardValue(ManagerColor(COLOR_3DFACE));
    m_crShadow.SetStandardValue(ManagerColor(COLOR_3DSHADOW));
    m_crHighlight.SetStandardValue(ManagerColor(COLOR_3DHILIGHT));
    m_crDarkShadow.SetStandardValue(ManagerColor(COLOR_3DDKSHADOW));
}

BOOL CXTButtonTheme::IsThemedOrFlat(CXTButton* pButton)
{
    return UseWinTheme(pButton) || (pButton->GetXButtonStyle() & (BS_XT_FLAT | BS_XT_SEMIFLAT)) != 0;
}

BOOL CXTButtonTheme::UseWinTheme(CXTButton* pButton)
{
    if ((pButton->GetXButtonStyle() & BS_XT_WINXP_COMPAT) == 0)
        return FALSE;
    if (m_themeWrapper.GetThemeHandle() == nullptr)
        m_themeWrapper.OpenThemeData(pButton->GetSafeHwnd(), L"BUTTON");
    return m_themeWrapper.GetThemeHandle() != nullptr && m_themeWrapper.IsThemeUsable();
}

BOOL CXTButtonTheme::IsOptionSet() const
{
    return m_bShowImages;
}

void CXTButtonTheme::SetOption(BOOL bShowImages)
{
    m_bShowImages = bShowImages;
}

CFont* CXTButtonTheme::GetThemeFont(CXTButton* pButton) const
{
    if (m_pFont != nullptr && m_pFont->GetSafeHandle() != nullptr)
        return m_pFont;
    return pButton->GetFont();
}

void CXTButtonTheme::SetThemeFont(CFont* pFont)
{
    if (pFont != nullptr && pFont->GetSafeHandle() != nullptr)
        m_pFont = pFont;
}

void CXTButtonTheme::SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText)
{
    SetBackColor(clrFace);
    SetTextColor(clrText);
    SetHiliteColor(clrLight);
    SetShadowColor(clrShadow);
}

void CXTButtonTheme::SetBackColor(COLORREF clrFace)
{
    m_crFace.SetCustomValue(clrFace);
}

COLORREF CXTButtonTheme::GetBackColor() const
{
    return m_crFace.GetColor();
}

void CXTButtonTheme::SetHiliteColor(COLORREF clrLight)
{
    m_crLight.SetCustomValue(clrLight);
}

void CXTButtonTheme::SetShadowColor(COLORREF clrShadow)
{
    m_crShadow.SetCustomValue(clrShadow);
}

void CXTButtonTheme::SetTextColor(COLORREF clrText)
{
    m_crText.SetCustomValue(clrText);
}

BOOL CXTButtonTheme::IsPressed(UINT nState, CXTButton* pButton)
{
    return pButton->IsChecked() || (nState & ODS_SELECTED) != 0;
}

CSize CXTButtonTheme::ShownImageSize(CXTButton* pButton) const
{
    return m_bShowImages ? pButton->GetImageSize() : CSize(0, 0);
}

void CXTButtonTheme::CalcImagePosition(CPoint& pt, int cx, int cy, CXTButton* pButton)
{
    CRect rcClient;
    pButton->GetClientRect(&rcClient);
    if (pButton->GetXButtonStyle() & BS_XT_TWOROWS)
        pt.x = std::max(0, static_cast<int>((rcClient.Width() - cx) / 2));
    else
        pt.x = pButton->GetBorderGap();
    pt.y = std::max(0, static_cast<int>((rcClient.Height() - cy) / 2));
}

void CXTButtonTheme::GetTextPosition(CPoint& pt, UINT /*nState*/, CRect rcItem, CSize sizeText, CXTButton* pButton)
{
    if (pButton->HasUserPosition())
    {
        pt = pButton->GetUserTextPoint();
        return;
    }
    const CSize sizeImage = ShownImageSize(pButton);
    const BOOL bTwoRows = (pButton->GetXButtonStyle() & BS_XT_TWOROWS) != 0;
    const int nMargin = pButton->GetBorderGap();
    const int nGap = pButton->GetImageGap();

    CalcImagePosition(pt, sizeText.cx, sizeText.cy, pButton);
    pt.x = nMargin;
    if (bTwoRows)
        pt.y += nGap / 2 + sizeImage.cy / 2;

    switch (pButton->GetStyle() & BS_CENTER)
    {
    case BS_LEFT:
        pt.x = nMargin + (bTwoRows ? 0 : sizeImage.cx + nGap);
        break;
    case BS_RIGHT:
        pt.x = rcItem.right - nMargin - sizeText.cx;
        break;
    default: {
        int x = nMargin + (bTwoRows ? 0 : sizeImage.cx);
        pt.x = x + (rcItem.right - nMargin - sizeText.cx - x) / 2;
        break;
    }
    }
}

COLORREF CXTButtonTheme::GetTextColor(UINT nState, CXTButton* /*pButton*/)
{
    return (nState & ODS_DISABLED) ? m_crDisabledText.GetColor() : m_crText.GetColor();
}

void CXTButtonTheme::DrawButtonText(CDC* pDC, UINT nState, CRect rcItem, CXTButton* pButton)
{
    CString strShown = pButton->GetButtonText(TRUE);
    if (strShown.IsEmpty())
        return;
    CFont* pFont = GetThemeFont(pButton);
    CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;

    CSize sizeText(0, 0);
    ::GetTextExtentPoint32W(pDC->GetSafeHdc(), strShown, strShown.GetLength(), &sizeText);
    CPoint pt;
    GetTextPosition(pt, nState, rcItem, sizeText, pButton);
    if (IsPressed(nState, pButton) && m_bOffsetText)
        pt.Offset(1, 1);

    pDC->SetTextColor(GetTextColor(nState, pButton));
    CString strText = pButton->GetButtonText(FALSE);
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(strText)),
                 strText.GetLength(), pt.x, pt.y, sizeText.cx, sizeText.cy, DST_PREFIXTEXT);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CXTButtonTheme::GetImagePosition(CPoint& pt, CDC* pDC, UINT /*nState*/, CRect rcItem, BOOL bHasText,
                                      CXTButton* pButton)
{
    if (pButton->HasUserPosition())
    {
        pt = pButton->GetUserImagePoint();
        return;
    }
    const CSize sizeImage = pButton->GetImageSize();
    const DWORD dwStyle = pButton->GetStyle();
    CalcImagePosition(pt, sizeImage.cx, sizeImage.cy, pButton);
    pt.x = pButton->GetBorderGap();

    if (pButton->GetXButtonStyle() & BS_XT_TWOROWS)
    {
        if (bHasText)
        {
            CString strText = pButton->GetButtonText(TRUE);
            CFont* pFont = GetThemeFont(pButton);
            CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
            CSize sizeText(0, 0);
            ::GetTextExtentPoint32W(pDC->GetSafeHdc(), strText, strText.GetLength(), &sizeText);
            if (pOldFont != nullptr)
                pDC->SelectObject(pOldFont);
            pt.y -= sizeText.cy / 2 + pButton->GetImageGap() / 2;
        }
        switch (dwStyle & BS_CENTER)
        {
        case BS_LEFT:
            break;
        case BS_RIGHT:
            pt.x = rcItem.right - sizeImage.cx - pButton->GetBorderGap();
            break;
        default: {
            int x = (rcItem.Width() - sizeImage.cx) / 2;
            pt.x = rcItem.left + (x >= 0 ? x : 0);
            break;
        }
        }
        return;
    }
    if (bHasText)
        return;
    if ((dwStyle & BS_CENTER) == BS_CENTER && sizeImage.cx <= rcItem.Width())
        pt.x = (rcItem.Width() - sizeImage.cx) / 2;
    if ((dwStyle & BS_VCENTER) == BS_VCENTER && sizeImage.cy <= rcItem.Height())
        pt.y = (rcItem.Height() - sizeImage.cy) / 2;
}

void CXTButtonTheme::DrawButtonIcon(CDC* pDC, UINT nState, CRect rcItem, CXTButton* pButton)
{
    CXTPImageManagerIcon* pIcon = pButton->GetIcon();
    if (pIcon == nullptr || !m_bShowImages)
        return;
    CPoint pt;
    GetImagePosition(pt, pDC, nState, rcItem, !pButton->GetButtonText(TRUE).IsEmpty(), pButton);
    DrawImageOfState(pDC, nState, pIcon, pt, pButton->GetImageSize(), pButton);
}

void CXTButtonTheme::DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt, CSize size,
                                      CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
    {
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(), size);
    }
    else if (IsPressed(nState, pButton))
    {
        pt.Offset(1, 1);
        pIcon->Draw(pDC, pt, pButton->IsChecked() ? pIcon->GetCheckedIcon() : pIcon->GetPressedIcon(), size);
    }
    else if (pButton->IsHot())
    {
        pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), size);
    }
    else
    {
        pIcon->Draw(pDC, pt, pIcon->GetIcon(), size);
    }
}

void CXTButtonTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    UINT nState = lpDIS->itemState;

    if (!DrawWinThemeBackground(lpDIS, pButton))
        DrawButtonFace(pDC, nState, pButton, rcItem);

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    DrawButtonText(pDC, nState, rcItem, pButton);
    DrawButtonIcon(pDC, nState, rcItem, pButton);
    if ((pButton->GetXButtonStyle() & BS_XT_SHOWFOCUS) && (nState & ODS_FOCUS))
        DrawFocusRect(pDC, rcItem, nState, pButton);
    pDC->SetBkMode(nOldMode);
}

BOOL CXTButtonTheme::DrawWinThemeBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    if (!UseWinTheme(pButton))
        return FALSE;
    UINT nState = lpDIS->itemState;
    int nThemeState = pbsNormal;
    if (nState & ODS_DISABLED)
        nThemeState = pbsDisabled;
    else if ((nState & ODS_SELECTED) || pButton->IsChecked())
        nThemeState = pbsPressed;
    else if (pButton->IsHot())
        nThemeState = pbsHot;
    else if (nState & ODS_FOCUS)
        nThemeState = pbsDefaulted;
    return SUCCEEDED(m_themeWrapper.DrawThemeBackground(lpDIS->hDC, BP_PUSHBUTTON_PART, nThemeState,
                                                        &lpDIS->rcItem, nullptr));
}

void CXTButtonTheme::DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem)
{
    const BOOL bPressed = IsPressed(nState, pButton);
    const DWORD dwxStyle = pButton->GetXButtonStyle();
    pDC->FillSolidRect(rcItem, m_crFace);

    if ((dwxStyle & BS_XT_HILITEPRESSED) && bPressed)
    {
        // The classic checked look: face and highlight in alternating pixels.
        static const WORD s_checkers[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        CBitmap bmp;
        CBrush brush;
        if (bmp.CreateBitmap(8, 8, 1, 1, s_checkers) && brush.CreatePatternBrush(&bmp))
        {
            COLORREF crOldText = pDC->SetTextColor(ManagerColor(COLOR_3DFACE));
            COLORREF crOldBack = pDC->SetBkColor(ManagerColor(COLOR_3DHILIGHT));
            CBrush* pOldBrush = pDC->SelectObject(&brush);
            pDC->PatBlt(rcItem.left, rcItem.top, rcItem.Width(), rcItem.Height(), PATCOPY);
            pDC->SelectObject(pOldBrush);
            pDC->SetTextColor(crOldText);
            pDC->SetBkColor(crOldBack);
        }
    }

    if (dwxStyle & BS_XT_FLAT)
    {
        if (bPressed)
            pDC->Draw3dRect(rcItem, m_crShadow, m_crHighlight);
        else if (pButton->IsHot())
            pDC->Draw3dRect(rcItem, m_crHighlight, m_crShadow);
        return;
    }
    if (dwxStyle & BS_XT_SEMIFLAT)
    {
        pDC->Draw3dRect(rcItem, bPressed ? m_crShadow : m_crHighlight, bPressed ? m_crHighlight : m_crShadow);
        return;
    }
    pDC->Draw3dRect(rcItem, bPressed ? m_crDarkShadow : m_crHighlight, bPressed ? m_crHighlight : m_crDarkShadow);
    rcItem.DeflateRect(1, 1);
    pDC->Draw3dRect(rcItem, bPressed ? m_crShadow : m_crLight, bPressed ? m_crLight : m_crShadow);
}

void CXTButtonTheme::DrawFocusRect(CDC* pDC, CRect rcItem, UINT /*nState*/, CXTButton* pButton)
{
    pDC->SetTextColor(m_crText);
    int nInset = UseWinTheme(pButton) ? 4 : 2;
    rcItem.DeflateRect(nInset, nInset);
    pDC->DrawFocusRect(rcItem);
}
