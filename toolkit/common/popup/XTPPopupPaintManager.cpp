#include "toolkit/common/popup/XTPPopupPaintManager.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"

namespace {

const COLORREF clrNone = static_cast<COLORREF>(-1);

} // namespace

CXTPPopupPaintManager::CXTPPopupPaintManager()
{
    CXTPPopupPaintManager::RefreshMetrics();
}

CXTPPopupPaintManager::~CXTPPopupPaintManager() = default;

COLORREF CXTPPopupPaintManager::GetColor(int nIndex)
{
    return XTPGetColorManager()->GetColor(nIndex);
}

void CXTPPopupPaintManager::RefreshMetricsIfColoursChanged()
{
    if (XTPGetColorManager()->GetChangeCount() != m_nColourChangeCount)
        RefreshMetrics();
}

void CXTPPopupPaintManager::RefreshMetrics()
{
    XTPRefreshColorsThrottled();
    m_nColourChangeCount = XTPGetColorManager()->GetChangeCount();

    LOGFONT lf = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
    m_fntText.DeleteObject();
    m_fntText.CreateFontIndirect(&lf);

    m_clrText.SetStandardValue(GetColor(COLOR_BTNTEXT));
    m_clrBackground.SetStandardColor(GetColor(COLOR_3DFACE));
    m_clrFrame.SetStandardColor(GetColor(COLOR_3DSHADOW));
    m_clrButtonSelected = clrNone;
    m_clrButtonPressed = clrNone;
    m_clrButtonSelectedBorder.SetStandardColors(GetColor(COLOR_3DHILIGHT), GetColor(COLOR_3DSHADOW));
    m_clrButtonPressedBorder.SetStandardColors(GetColor(COLOR_3DSHADOW), GetColor(COLOR_3DHILIGHT));
}

void CXTPPopupPaintManager::DrawFrame(CDC* pDC, const CRect& rc, BOOL bSunken)
{
    COLORREF clrTopLeft = m_clrFrame.clrLight;
    COLORREF clrBottomRight = m_clrFrame.clrDark;
    if (bSunken)
        pDC->Draw3dRect(rc, clrBottomRight, clrTopLeft);
    else
        pDC->Draw3dRect(rc, clrTopLeft, clrBottomRight);
}

void CXTPPopupPaintManager::DrawBackground(CDC* pDC, CRect rcClient)
{
    XTPDrawHelpers()->GradientFillByFactor(pDC, rcClient, m_clrBackground, TRUE, nullptr);
    if (m_clrFrame.clrLight.GetColor() != clrNone || m_clrFrame.clrDark.GetColor() != clrNone)
        DrawFrame(pDC, rcClient);
}

void CXTPPopupPaintManager::DrawButton(CDC* pDC, CXTPPopupItem* pItem)
{
    BOOL bHot = pItem->IsHot();
    BOOL bPressed = pItem->IsPressed();
    CRect rc = pItem->GetRect();
    if (bHot && bPressed)
    {
        if (m_clrButtonPressed != clrNone)
            pDC->FillSolidRect(rc, m_clrButtonPressed);
        pDC->Draw3dRect(rc, m_clrButtonPressedBorder.clrLight, m_clrButtonPressedBorder.clrDark);
    }
    else if (bHot || bPressed)
    {
        if (m_clrButtonSelected != clrNone)
            pDC->FillSolidRect(rc, m_clrButtonSelected);
        pDC->Draw3dRect(rc, m_clrButtonSelectedBorder.clrLight, m_clrButtonSelectedBorder.clrDark);
    }
}

void CXTPPopupPaintManager::DrawItem(CDC* pDC, CXTPPopupItem* pItem)
{
    CRect rc = pItem->GetRect();
    if (pItem->GetBackgroundColor() != clrNone)
        pDC->FillSolidRect(rc, pItem->GetBackgroundColor());
    if (pItem->GetBorderColor() != clrNone)
        pDC->Draw3dRect(rc, pItem->GetBorderColor(), pItem->GetBorderColor());

    BOOL bHot = pItem->IsHot();
    BOOL bPressed = pItem->IsPressed();
    CXTPPopupControl* pControl = pItem->GetPopupControl();
    CXTPImageManagerIcon* pIcon =
        pControl != nullptr ? pControl->GetImageManager()->GetImage(static_cast<UINT>(pItem->GetIconId()), 0) : nullptr;
    if (pIcon != nullptr)
    {
        CPoint pt = rc.TopLeft() + pItem->GetIconOffset();
        if (bHot && bPressed)
        {
            if (pItem->IsButton())
                DrawButton(pDC, pItem);
            pIcon->Draw(pDC, pt, pIcon->GetCheckedIcon());
        }
        else if (!bHot && !bPressed)
        {
            pIcon->Draw(pDC, pt, pIcon->GetIcon());
        }
        else
        {
            if (pItem->IsButton())
                DrawButton(pDC, pItem);
            pIcon->Draw(pDC, pt, pIcon->GetHotIcon());
        }
        return;
    }

    if (pItem->IsButton())
        DrawButton(pDC, pItem);
    CString strCaption = pItem->GetCaption();
    if (strCaption.IsEmpty())
        return;

    CFont* pFont = pItem->GetTextFont();
    BOOL bUnderline = bHot && pItem->IsHyperLink();
    CFont fntTemporary;
    if (bUnderline || pItem->IsBold())
    {
        LOGFONT lf = {};
        pFont->GetLogFont(&lf);
        lf.lfUnderline = static_cast<BYTE>(bUnderline);
        lf.lfWeight = pItem->IsBold() ? FW_BOLD : FW_NORMAL;
        if (fntTemporary.CreateFontIndirect(&lf))
            pFont = &fntTemporary;
    }
    CXTPFontDC font(pDC, pFont);

    UINT nFormat = pItem->GetTextFormat();
    if ((nFormat & DT_WORDBREAK) && (nFormat & DT_VCENTER))
    {
        // DT_VCENTER alone centres single lines only.
        CRect rcText = rc;
        int nHeight = pDC->DrawText(strCaption, rcText, nFormat | DT_CALCRECT);
        rc.top = (rc.top + rc.bottom - nHeight) / 2;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pItem->GetTextColor() != clrNone ? pItem->GetTextColor() : m_clrText.GetColor());
    pDC->DrawText(strCaption, rc, nFormat);
    font.ReleaseFont();
}
