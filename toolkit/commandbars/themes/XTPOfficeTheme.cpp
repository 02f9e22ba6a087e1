#include <algorithm>
#include "toolkit/commandbars/themes/XTPOfficeTheme.h"
#include "toolkit/commandbars/themes/XTPSingleLineText.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

using XTPPaintThemes::CXTPOfficeTheme;

namespace {

const int kMenuSplitArrow = 20;

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

BOOL IsDoubleColumn(CXTPCommandBar* pBar)
{
    CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(pBar);
    return pPopupBar && pPopupBar->IsDoubleGripper();
}

BOOL IsControlPopuped(const CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    return IsPopupType(pButton->GetType()) && pBar && pBar->GetPopupedIndex() >= 0 &&
           pBar->GetPopupedIndex() == pButton->GetIndex();
}

} // namespace

CXTPOfficeTheme::CXTPOfficeTheme()
{
    m_iconsInfo.bUseFadedIcons = TRUE;
    m_iconsInfo.bUseDisabledIcons = TRUE;
    m_iconsInfo.bIconsWithShadow = TRUE;
    m_iconsInfo.bOfficeStyleDisabledIcons = TRUE;
    m_bEmbossedDisabledText = FALSE;
    m_nLookStyle = 3;
}

CXTPOfficeTheme::~CXTPOfficeTheme() = default;

void CXTPOfficeTheme::FillGradient(CDC* pDC, CRect rc, const CXTPGradientValue& gradient, BOOL bHorz, LPCRECT lpClip)
{
    XTPDrawHelpers()->GradientFillByFactor(pDC, rc, gradient, bHorz, lpClip);
}

int CXTPOfficeTheme::GetPopupBarIconColumnWidth(CXTPCommandBar* pBar)
{
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    int nColumn = std::max(static_cast<int>(szIcon.cx) + 4, m_nTextHeight + 4);
    if (IsDoubleColumn(pBar))
        nColumn *= 2;
    return nColumn + 1;
}

void CXTPOfficeTheme::DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                                    BOOL bPopuped, BOOL /*bToolBarStyle*/, int barPosition)
{
    int nBorder = -1, nFill = -1;
    if (bEnabled) {
        if (bPopuped)
            nBorder = 43, nFill = 30;
        else if (bChecked && !bPressed)
            nBorder = bSelected ? 37 : 50, nFill = bSelected ? 33 : (bChecked == 2 ? 51 : 36);
        else if ((bSelected && bPressed) || bPressed == 2)
            nBorder = 50, nFill = 33;
        else if (bSelected || bPressed)
            nBorder = 32, nFill = 31;
    } else if (bSelected == 2) {
        nBorder = 32;
        nFill = barPosition == xtpBarPopup ? 41 : (bChecked ? 33 : 31);
    } else if (bChecked) {
        nBorder = 58;
        nFill = barPosition == xtpBarPopup ? -1 : 36;
    }
    if (nBorder != -1 || nFill != -1)
        Rectangle(pDC, rc, nBorder, nFill);
}

void CXTPOfficeTheme::DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked,
                                    BOOL bPopuped, int barPosition)
{
    DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, TRUE, barPosition);
    int nText;
    if (!bEnabled)
        nText = 60;
    else if (bPopuped)
        nText = 46;
    else if (!bSelected)
        nText = bChecked ? (bPressed == 2 ? 47 : 45) : (bPressed ? 45 : (barPosition == xtpBarPopup ? 44 : 46));
    else
        nText = (bPressed || bChecked) ? 47 : 45;
    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPOfficeTheme::DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected,
                                BOOL bPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL /*bToolBarImage*/)
{
    if (!pImage)
        return;
    auto disabledImage = [&]() -> CXTPImageManagerIconHandle& {
        if (m_iconsInfo.bOfficeStyleDisabledIcons && !pImage->HasExtraStateImage())
            pImage->CreateDerivedDisabledImage(m_clrFaceGradient.clrLight, m_clrFaceGradient.clrDark);
        return pImage->GetDisabledIcon();
    };
    auto silhouette = [&]() {
        CBrush brush;
        brush.CreateSolidBrush(GetColor(40));
        XTPDrawIconState(pImage, pDC, pt.x, pt.y, pImage->GetIcon(), static_cast<HBRUSH>(brush.GetSafeHandle()));
    };
    BOOL bAlpha = pImage->IsAlphaIcon();
    if (!bEnabled) {
        if (!m_iconsInfo.bUseDisabledIcons && !bAlpha)
            silhouette();
        else
            pImage->Draw(pDC, pt, disabledImage(), sz);
        return;
    }
    if (bChecked == 2 && !bPressed) {
        if (!bAlpha)
            silhouette();
        else
            pImage->Draw(pDC, pt, disabledImage(), sz);
    } else if (bPopuped) {
        pImage->Draw(pDC, pt, bChecked ? pImage->GetCheckedIcon() : pImage->GetIcon(), sz);
    } else if (!bSelected && !bPressed && !bChecked) {
        pImage->Draw(pDC, pt, m_iconsInfo.bUseFadedIcons ? pImage->GetFadedIcon() : pImage->GetIcon(), sz);
    } else if (bPressed) {
        pImage->Draw(pDC, pt, pImage->GetPressedIcon(), sz);
    } else if (bSelected) {
        if (m_iconsInfo.bIconsWithShadow && !pImage->GetShadowIcon().IsEmpty()) {
            pImage->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pImage->GetShadowIcon(), sz);
            pImage->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pImage->GetHotIcon(), sz);
        } else {
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz);
        }
    } else {
        pImage->Draw(pDC, pt, pImage->GetCheckedIcon(), sz);
    }
}

void CXTPOfficeTheme::FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL bAlternative)
{
    pDC->FillSolidRect(x, y, cx, cy, GetColor(bAlternative ? 42 : 30));
}

void CXTPOfficeTheme::DrawFloatingFrame(CDC* pDC, CRect rc)
{
    Draw3dRect(pDC, rc, 43, 43);
    rc.DeflateRect(1, 1);
    Draw3dRect(pDC, rc, 43, 43);
    COLORREF clr = GetColor(43);
    pDC->SetPixel(rc.left + 1, rc.top + 1, clr);
    pDC->SetPixel(rc.right - 2, rc.top + 1, clr);
    pDC->SetPixel(rc.left + 1, rc.bottom - 2, clr);
    pDC->SetPixel(rc.right - 2, rc.bottom - 2, clr);
}

void CXTPOfficeTheme::FillFlatBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    int position = pBar->GetPosition();
    if (position == xtpBarFloating) {
        pDC->FillSolidRect(rc, GetColor(pBar->GetType() == xtpBarTypeMenuBar ? COLOR_3DFACE : 30));
        DrawFloatingFrame(pDC, rc);
    } else if (position == xtpBarPopup) {
        Rectangle(pDC, rc, 43, 41);
        if (pBar->GetType() == xtpBarTypePopup)
            FillGradientRect(pDC, 1, 2, GetPopupBarIconColumnWidth(pBar), rc.Height() - 2 - 4, FALSE);
        FillPopupJoin(pDC, dynamic_cast<CXTPPopupBar*>(pBar), 30);
    } else if (pBar->GetType() == xtpBarTypeMenuBar) {
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    } else {
        Rectangle(pDC, rc, COLOR_3DFACE, 30);
        COLORREF clr = GetColor(COLOR_3DFACE);
        pDC->SetPixel(rc.left + 1, rc.top + 1, clr);
        pDC->SetPixel(rc.right - 2, rc.top + 1, clr);
        pDC->SetPixel(rc.left + 1, rc.bottom - 2, clr);
        pDC->SetPixel(rc.right - 2, rc.bottom - 2, clr);
    }
}

void CXTPOfficeTheme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    FillFlatBarEntry(pDC, pBar);
}

void CXTPOfficeTheme::FillPopupJoin(CDC* pDC, CXTPPopupBar* pPopupBar, int nColor)
{
    if (!pPopupBar || !pPopupBar->GetSafeHwnd())
        return;
    CXTPControl* pControl = pPopupBar->GetControlPopup();
    CXTPCommandBar* pParent = pControl ? pControl->GetParent() : nullptr;
    if (!pParent || !pParent->GetSafeHwnd())
        return;
    CRect rcControl = pControl->GetRect();
    pParent->ClientToScreen(&rcControl);
    CRect rcPopup;
    pPopupBar->GetWindowRect(&rcPopup);
    // The rectangles only touch: widen the control by one pixel to find the seam.
    rcControl.InflateRect(1, 1);
    CRect rcJoin;
    if (!rcJoin.IntersectRect(&rcControl, &rcPopup))
        return;
    rcJoin.OffsetRect(-rcPopup.left, -rcPopup.top);
    if (rcJoin.Width() > 1)
        rcJoin.DeflateRect(1, 0);
    if (rcJoin.Height() > 1)
        rcJoin.DeflateRect(0, 1);
    pDC->FillSolidRect(rcJoin, GetColor(nColor));
}

CSize CXTPOfficeTheme::DrawFloatingTitle(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    CXTPFontDC font(pDC, m_fontSmCaption);
    int nHeight = std::max(15, static_cast<int>(pDC->GetTextExtent(CString(L" ")).cy));
    CRect rcStrip(3, 3, rc.right - 3, 3 + nHeight);
    if (bDraw) {
        pDC->FillSolidRect(rcStrip, m_clrCaption);
        pDC->SetTextColor(m_clrCaptionText);
        pDC->SetBkMode(TRANSPARENT);
        CRect rcText = pBar->GetCaptionTitleRect(rcStrip);
        rcText.left += 5;
        CString strTitle = pBar->GetTitle();
        pDC->DrawText(strTitle, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    return rcStrip.Size();
}

CSize CXTPOfficeTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, static_cast<CXTPDialogBar*>(pBar), bDraw);
    int position = pBar->GetPosition();
    if (position == xtpBarFloating)
        return DrawFloatingTitle(pDC, pBar, bDraw);
    if (position > xtpBarRight)
        return CSize(0, 0);
    CXTPClientRect rc(pBar->GetSafeHwnd());
    BOOL bVertical = position == xtpBarLeft || position == xtpBarRight;
    if (bDraw) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, GetColor(38));
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (bVertical) {
            for (int x = 5; x < rc.right - 5; x += 2)
                Line(pDC, x, 3, x, 7);
        } else {
            for (int y = 5; y < rc.bottom - 5; y += 2)
                Line(pDC, 3, y, 7, y);
        }
        pDC->SelectObject(pOldPen);
    }
    return bVertical ? CSize(0, 8) : CSize(6, 0);
}

CSize CXTPOfficeTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == xtpBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(3, 3) : CSize(6, 6);
    CRect rc = pControl->GetRect();
    CXTPClientRect rcBar(pBar->GetSafeHwnd());
    if (bPopup) {
        DrawLine(pDC, GetPopupBarIconColumnWidth(pBar) + 9, rc.top - 2, rcBar.right - 1, rc.top - 2, 39);
    } else if (!pBar->IsVerticalPosition()) {
        if (pControl->GetWrap())
            DrawLine(pDC, rcBar.left + 2, rc.top - 4, rcBar.right - 2, rc.top - 4, 39);
        else
            DrawLine(pDC, rc.left - 4, rc.top, rc.left - 4, rc.bottom, 39);
    } else {
        if (pControl->GetWrap())
            DrawLine(pDC, rc.left - 4, rcBar.top + 2, rc.left - 4, rcBar.bottom - 2, 39);
        else
            DrawLine(pDC, rc.left, rc.top - 4, rc.right, rc.top - 4, 39);
    }
    return CSize(0, 0);
}

void CXTPOfficeTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL /*bVertical*/)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup) {
        rc.InflateRect(1, 1);
        return;
    }
    if (pControl->GetType() == xtpControlComboBox)
        return;
    BOOL bPopupPosition = pBar && pBar->GetPosition() == xtpBarPopup && (pBar->GetFlags() & (1u << 21));
    if ((pBar && !pBar->IsVerticalPosition()) || bPopupPosition)
        rc.DeflateRect(0, 1);
    else
        rc.DeflateRect(1, 0);
}

void CXTPOfficeTheme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL /*bGripperPane*/)
{
    Draw3dRect(pDC, rc, COLOR_3DSHADOW, COLOR_3DSHADOW);
}

CSize CXTPOfficeTheme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (bDraw) {
        CRect rc(rcGripper.left, rcGripper.top, rcGripper.right + 1, rcGripper.bottom + 1);
        pDC->FillSolidRect(rc, GetColor(41));
        rc.DeflateRect(1, 1);
        int nHalf = std::min(16, static_cast<int>(rc.Width()) / 2 - 10);
        int cx = rc.CenterPoint().x;
        if (bSelected) {
            Rectangle(pDC, rc, 32, 31);
            for (int y : {4, 6})
                DrawLine(pDC, cx - nHalf, rc.top + y, cx + nHalf, rc.top + y, 45);
        } else {
            pDC->FillSolidRect(rc, GetColor(30));
            for (int y : {3, 5, 7})
                DrawLine(pDC, cx - nHalf, rc.top + y, cx + nHalf, rc.top + y, 38);
        }
    }
    return CSize(0, 9);
}

CSize CXTPOfficeTheme::DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* /*pBar*/, BOOL bDraw)
{
    CSize sz(6, std::max(22, m_nTextHeight + 4));
    if (bDraw) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, GetColor(38));
        CPen* pOldPen = pDC->SelectObject(&pen);
        for (int y = 6; y < sz.cy - 2; y += 2)
            Line(pDC, 3, y, 7, y);
        pDC->SelectObject(pOldPen);
    }
    return sz;
}

void CXTPOfficeTheme::DrawMenuArrow(CDC* pDC, CRect rc, COLORREF clr)
{
    int cy = (rc.top + rc.bottom) / 2;
    XTPDrawTriangle(pDC, CPoint(rc.right - 11, cy - 3), CPoint(rc.right - 8, cy), CPoint(rc.right - 11, cy + 3), clr);
}

CSize CXTPOfficeTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    int nType = pButton->GetType();
    XTPButtonStyle style = pButton->GetStyle();
    BOOL bStyleShowsIcon = style == xtpButtonIcon || style == xtpButtonIconAndCaption ||
                           (style == xtpButtonAutomatic && nType != xtpControlPopup);
    int bSelected = pButton->GetSelected();
    BOOL bEnabled = pButton->GetEnabled();
    int bChecked = pButton->GetChecked();
    CString strCaption = pButton->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        UpdateRTLCaption(strCaption);
    BOOL bCues = pBar ? pBar->IsKeyboardCuesVisible() : TRUE;
    if (!bCues)
        StripMnemonics(strCaption);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | (bCues ? 0 : DT_NOPREFIX);
    CString strShortcut = nType == xtpControlButton ? pButton->GetShortcutText() : CString();

    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    int nColumn = GetPopupBarIconColumnWidth(pBar) - 1;
    if (!bDraw) {
        CRect rcText(0, 0, 0, 0);
        pDC->DrawText(strCaption, &rcText, nFormat | DT_CALCRECT);
        int nWidth = nColumn + 8 + rcText.Width() + 32;
        if (!strShortcut.IsEmpty())
            nWidth += pDC->GetTextExtent(strShortcut).cx + 16;
        return CSize(nWidth, std::max(static_cast<int>(szIcon.cy) + 6, m_nTextHeight));
    }

    CRect rc = pButton->GetRect();
    CRect rcColumn(rc.left, rc.top, rc.left + nColumn, rc.bottom);
    if (pButton->GetRarelyUsed())
        FillGradientRect(pDC, rc.left, rc.top, nColumn + 1, rc.Height(), TRUE);
    if (nType == xtpControlLabel)
        pDC->FillSolidRect(CRect(rc.left + nColumn + 1, rc.top, rc.right, rc.bottom), GetColor(56));
    else
        DrawRectangle(pDC, rc, bSelected, 0, bEnabled, 0, FALSE, FALSE, xtpBarPopup);
    int nTextColor = !bEnabled ? 35 : (bSelected ? 45 : 44);
    pDC->SetTextColor(GetColor(nTextColor));
    pDC->SetBkMode(TRANSPARENT);

    // The checked state frames the icon's square inside the column.
    CRect rcSquare(rc.left + 1, rc.top + 1, rc.left + std::min(nColumn, static_cast<int>(szIcon.cx) + 7) - 1,
                   rc.bottom - 1);
    rcSquare.right = std::max(rcSquare.right, rcSquare.left + static_cast<int>(rc.Height()) - 2);
    if (IsDoubleColumn(pBar))
        rcSquare.right = rc.left + nColumn / 2 - 1;
    if (bChecked)
        DrawRectangle(pDC, rcSquare, bSelected, 0, bEnabled, bChecked, FALSE, FALSE, xtpBarPopup);

    BOOL bIconDrawn = FALSE;
    CXTPImageManagerIcon* pImage = nullptr;
    if (pButton->GetIconId() != 0 && bStyleShowsIcon)
        pImage = pButton->GetImage(szIcon.cx);
    if (pImage && pImage->GetWidth() > 0) {
        int h = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        CRect rcIcon = rcColumn;
        if (IsDoubleColumn(pBar))
            rcIcon.left += nColumn / 2;
        CPoint pt(rcIcon.left + (rcIcon.Width() - szIcon.cx) / 2, rcIcon.top + (rcIcon.Height() - h) / 2);
        DrawImage(pDC, pt, CSize(szIcon.cx, h), pImage, bSelected, FALSE, bEnabled, IsDoubleColumn(pBar) ? 0 : bChecked,
                  FALSE, FALSE);
        bIconDrawn = TRUE;
    }
    if (bChecked && (!bIconDrawn || IsDoubleColumn(pBar)))
        DrawExpandSymbols(pDC, rcSquare, bEnabled ? pDC->GetTextColor() : GetColor(40), FALSE);

    COLORREF clrText = GetColor(nTextColor);
    pDC->SetTextColor(clrText);
    if (nType == xtpControlSplitButtonPopup && bEnabled) {
        CRect rcArrow(rc.right - kMenuSplitArrow, rc.top, rc.right, rc.bottom);
        // While the pointer is on the command part the arrow part stands out as a button of its own.
        if (bSelected == 1 && !IsControlPopuped(pButton) && pButton->GetPressed() == 0)
            Rectangle(pDC, rcArrow, 32, 33);
        else if (bSelected)
            DrawLine(pDC, rcArrow.left, rc.top + 1, rcArrow.left, rc.bottom - 1, 32);
        else
            DrawLine(pDC, rcArrow.left, rc.top + 2, rcArrow.left, rc.bottom - 2, 40);
    }
    if (IsPopupType(nType))
        DrawMenuArrow(pDC, rc, clrText);

    CRect rcCaption(rc.left + nColumn + 8, rc.top, rc.right - 19, rc.bottom);
    if (!strShortcut.IsEmpty()) {
        CSize szShortcut = pDC->GetTextExtent(strShortcut);
        CXTPSingleLineText::Draw(pDC, strShortcut, rcCaption, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX,
                                 szShortcut);
        rcCaption.right -= szShortcut.cx + 8;
    }
    CXTPSingleLineText::Draw(pDC, strCaption, rcCaption, nFormat | DT_END_ELLIPSIS);
    return CSize(0, 0);
}

CSize CXTPOfficeTheme::DrawListBoxControl(CDC* pDC, CXTPControl* pButton, CRect rc, BOOL bSelected, BOOL bDraw)
{
    // Without a control: the list's background, in the entries' own colour.
    if (pButton == nullptr) {
        if (bDraw)
            pDC->FillSolidRect(rc, GetColor(41));
        return CSize(0, 0);
    }
    CXTPCommandBar* pBar = pButton->GetParent();
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    int nHeight = std::max(static_cast<int>(szIcon.cy) + 6, m_nTextHeight);
    int nColumn = std::max(static_cast<int>(szIcon.cx) + 4, m_nTextHeight + 4);
    int nType = pButton->GetType();
    CString strCaption = pButton->GetCaption();
    UpdateRTLCaption(strCaption);
    StripMnemonics(strCaption);
    CXTPFontDC font(pDC, &m_fontRegular);
    if (!bDraw)
        return CSize(nColumn + 8 + pDC->GetTextExtent(strCaption).cx + 20, nHeight);

    pDC->FillSolidRect(rc, GetColor(41));
    FillGradientRect(pDC, rc.left, rc.top, nColumn + 1, rc.Height(), FALSE);
    if (bSelected)
        DrawRectangle(pDC, rc, TRUE, FALSE, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
    CXTPImageManagerIcon* pImage = pButton->GetIconId() != 0 ? pButton->GetImage(szIcon.cx) : nullptr;
    if (pImage) {
        CPoint pt(rc.left + (nColumn - szIcon.cx) / 2, rc.top + (rc.Height() - szIcon.cy) / 2);
        DrawImage(pDC, pt, szIcon, pImage, bSelected, FALSE, TRUE, FALSE, FALSE, FALSE);
    }
    COLORREF clrText = GetColor(bSelected ? 45 : 44);
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rc.left + nColumn + 8, rc.top, rc.right, rc.bottom);
    CSize szCaption = pDC->GetTextExtent(strCaption);
    pDC->DrawText(strCaption, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);

    int cy = rc.CenterPoint().y;
    if (IsPopupType(nType))
        XTPDrawTriangle(pDC, CPoint(rc.right - 7, cy), CPoint(rc.right - 12, cy - 5), CPoint(rc.right - 12, cy + 5),
                        clrText);
    if (nType == xtpControlSplitButtonPopup)
        DrawLine(pDC, rc.right - 20, rc.top + 1, rc.right - 20, rc.bottom - 1, bSelected ? 32 : COLOR_3DSHADOW);
    if (nType == xtpControlEdit || nType == xtpControlComboBox) {
        CRect rcField(rcText.left + szCaption.cx + 13, rc.top + 1, rc.right - 2, rc.bottom - 1);
        if (rcField.Width() > 0) {
            Rectangle(pDC, rcField, bSelected ? 32 : COLOR_3DFACE, COLOR_WINDOW);
            if (nType == xtpControlComboBox) {
                CRect rcButton(rcField.right - 13, rcField.top + 1, rcField.right - 1, rcField.bottom - 1);
                if (bSelected)
                    DrawRectangle(pDC, rcButton, TRUE, FALSE, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
                else
                    pDC->FillSolidRect(rcButton, GetColor(COLOR_3DFACE));
                DrawDropDownArrow(pDC, rcButton, GetColor(bSelected ? 45 : 46));
            }
        }
    }
    return CSize(0, 0);
}
