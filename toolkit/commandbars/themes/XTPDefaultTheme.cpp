#include <algorithm>
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/commandbars/themes/XTPSingleLineText.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

using XTPPaintThemes::CXTPDefaultTheme;

namespace {

const int kSplitArrowPart = 12;
const int kBelowCaptionStrip = 27;
const int kMenuSplitArrow = 20;

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

BOOL IsControlPopuped(const CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    return IsPopupType(pButton->GetType()) && pBar && pBar->GetPopupedIndex() >= 0 &&
           pBar->GetPopupedIndex() == pButton->GetIndex();
}

BOOL IsDoubleGripper(const CXTPCommandBar* pBar)
{
    const CXTPPopupBar* pPopupBar = dynamic_cast<const CXTPPopupBar*>(pBar);
    return pPopupBar && pPopupBar->IsDoubleGripper();
}

} // namespace

CXTPDefaultTheme::CXTPDefaultTheme()
    : m_nReserved(0)
    , m_nPopupBarTextColor(COLOR_BTNTEXT)
{
    m_iconsInfo.bUseFadedIcons = FALSE;
    m_iconsInfo.bIconsWithShadow = FALSE;
}

CXTPDefaultTheme::~CXTPDefaultTheme() = default;

void CXTPDefaultTheme::FillDither(CDC* pDC, CRect rc)
{
    COLORREF clrText = pDC->SetTextColor(GetColor(COLOR_3DFACE));
    COLORREF clrBk = pDC->SetBkColor(GetColor(COLOR_3DHIGHLIGHT));
    pDC->FillRect(rc, CDC::GetHalftoneBrush());
    pDC->SetTextColor(clrText);
    pDC->SetBkColor(clrBk);
}

void CXTPDefaultTheme::DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                                     BOOL bPopuped, BOOL /*bToolBarStyle*/, int /*barPosition*/)
{
    enum { kNone, kSunken, kRaised } look = kNone;
    if (!bEnabled) {
        if (bChecked || bSelected == 2)
            look = kSunken;
    } else if (bChecked && !bSelected && !bPressed) {
        FillDither(pDC, rc);
        look = kSunken;
    } else if (bChecked || bPopuped || bPressed == 2 || (bSelected && bPressed)) {
        look = kSunken;
    } else if (bSelected || bPressed) {
        look = kRaised;
    }
    if (look == kSunken)
        Draw3dRect(pDC, rc, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    else if (look == kRaised)
        Draw3dRect(pDC, rc, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
}

void CXTPDefaultTheme::DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked,
                                     BOOL bPopuped, int barPosition)
{
    DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, TRUE, barPosition);
    int nText = !bEnabled ? COLOR_GRAYTEXT : (barPosition == xtpBarPopup ? m_nPopupBarTextColor : COLOR_BTNTEXT);
    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPDefaultTheme::DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected,
                                 BOOL bPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL /*bToolBarImage*/)
{
    if (!pImage)
        return;
    BOOL bAlpha = pImage->IsAlphaIcon();
    auto disabledImage = [&]() -> CXTPImageManagerIconHandle& {
        if (m_iconsInfo.bOfficeStyleDisabledIcons && !pImage->HasExtraStateImage())
            pImage->CreateDerivedDisabledImage(m_clrFaceGradient.clrLight, m_clrFaceGradient.clrDark);
        return pImage->GetDisabledIcon();
    };
    auto silhouette = [&](int x, int y, CXTPImageManagerIconHandle& hIcon, int nColor) {
        CBrush brush;
        brush.CreateSolidBrush(GetColor(nColor));
        XTPDrawIconState(pImage, pDC, x, y, hIcon, static_cast<HBRUSH>(brush.GetSafeHandle()));
    };

    if (!bEnabled) {
        if (!m_iconsInfo.bUseDisabledIcons && !bAlpha) {
            // Embossed: a highlight copy one pixel down-right under a shadow copy.
            silhouette(pt.x + 1, pt.y + 1, pImage->GetIcon(), COLOR_3DHIGHLIGHT);
            silhouette(pt.x, pt.y, pImage->GetIcon(), COLOR_3DSHADOW);
        } else {
            pImage->Draw(pDC, pt, disabledImage(), sz);
        }
        return;
    }
    if (bChecked == 2 && !bPressed) {
        if (!bAlpha)
            silhouette(pt.x, pt.y, pImage->GetCheckedIcon(), COLOR_3DSHADOW);
        else
            pImage->Draw(pDC, pt, disabledImage(), sz);
        return;
    }
    if (bPopuped) {
        pImage->Draw(pDC, pt, bChecked ? pImage->GetCheckedIcon() : pImage->GetIcon(), sz);
        return;
    }
    if (!bSelected && !bPressed && !bChecked) {
        pImage->Draw(pDC, pt, m_iconsInfo.bUseFadedIcons ? pImage->GetFadedIcon() : pImage->GetIcon(), sz);
        return;
    }
    // Any press shows the pushed image, also while the pointer has left the button.
    if (bPressed) {
        pImage->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pImage->GetPressedIcon(), sz);
        return;
    }
    // Hot comes before checked: a checked button under the pointer shows its hot image.
    if (bSelected) {
        if (m_iconsInfo.bIconsWithShadow && !pImage->GetShadowIcon().IsEmpty()) {
            pImage->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pImage->GetShadowIcon(), sz);
            pImage->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pImage->GetHotIcon(), sz);
        } else {
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz);
        }
        return;
    }
    pImage->Draw(pDC, pt, bChecked ? pImage->GetCheckedIcon() : pImage->GetIcon(), sz);
}

void CXTPDefaultTheme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    if (pBar->GetPosition() == xtpBarFloating || pBar->GetPosition() == xtpBarPopup) {
        Draw3dRect(pDC, rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        Draw3dRect(pDC, rc, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    }
}

CSize CXTPDefaultTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == xtpBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(8, 8) : CSize(6, 6);
    CRect rc = pControl->GetRect();
    CXTPClientRect rcBar(pBar->GetSafeHwnd());
    auto etchedHorizontal = [&](int y, int x0, int x1) {
        DrawLine(pDC, x0, y, x1, y, COLOR_3DSHADOW);
        DrawLine(pDC, x0, y + 1, x1, y + 1, COLOR_3DHIGHLIGHT);
    };
    auto etchedVertical = [&](int x, int y0, int y1) {
        DrawLine(pDC, x, y0, x, y1, COLOR_3DSHADOW);
        DrawLine(pDC, x + 1, y0, x + 1, y1, COLOR_3DHIGHLIGHT);
    };
    if (bPopup) {
        etchedHorizontal(rc.top - 5, rcBar.left + 14, rcBar.right - 14);
    } else if (!pBar->IsVerticalPosition()) {
        if (pControl->GetWrap())
            etchedHorizontal(rc.top - 4, rcBar.left, rcBar.right);
        else
            etchedVertical(rc.left - 4, rc.top, rc.bottom);
    } else {
        if (pControl->GetWrap())
            etchedVertical(rc.left - 4, rcBar.top, rcBar.bottom);
        else
            etchedHorizontal(rc.top - 4, rc.left, rc.right);
    }
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* /*pBar*/, BOOL bDraw)
{
    CSize sz(6, std::max(22, m_nTextHeight + 4));
    if (bDraw)
        Draw3dRect(pDC, CRect(3, 3, 6, sz.cy), COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    return sz;
}

CSize CXTPDefaultTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, static_cast<CXTPDialogBar*>(pBar), bDraw);
    CXTPClientRect rc(pBar->GetSafeHwnd());
    if (pBar->GetPosition() == xtpBarFloating) {
        CXTPFontDC font(pDC, m_fontSmCaption);
        int nHeight = std::max(15, static_cast<int>(pDC->GetTextExtent(CString(L" ")).cy));
        CRect rcStrip(3, 3, rc.right - 3, 3 + nHeight);
        if (bDraw) {
            pDC->FillSolidRect(rcStrip, GetColor(COLOR_ACTIVECAPTION));
            pDC->SetTextColor(GetColor(COLOR_3DHIGHLIGHT));
            pDC->SetBkMode(TRANSPARENT);
            CRect rcText = pBar->GetCaptionTitleRect(rcStrip);
            rcText.left += 2;
            CString strTitle = pBar->GetTitle();
            pDC->DrawText(strTitle, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        return rcStrip.Size();
    }
    if (pBar->GetPosition() > xtpBarRight)
        return CSize(0, 0);
    BOOL bVertical = pBar->IsVerticalPosition();
    if (bDraw) {
        if (bVertical)
            Draw3dRect(pDC, CRect(3, 3, rc.right - 3, 6), COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
        else
            Draw3dRect(pDC, CRect(3, 3, 6, rc.bottom - 3), COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    }
    return bVertical ? CSize(0, 8) : CSize(8, 0);
}

CSize CXTPDefaultTheme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (bDraw) {
        CRect rc = rcGripper;
        rc.bottom -= 1;
        pDC->FillSolidRect(rc, GetColor(bSelected ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    }
    return CSize(0, 8);
}

CRect CXTPDefaultTheme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar && pBar->GetPosition() == xtpBarPopup)
        return CRect(3, 3, 3, 3);
    return CXTPPaintManager::GetCommandBarBorders(pBar);
}

void CXTPDefaultTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CSize CXTPDefaultTheme::DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton,
                                           CXTPCommandBar* pBar, BOOL bDraw, LPVOID lpParam)
{
    if (bDraw && (controlType == xtpButtonHideFloating || controlType == xtpButtonCustomize) && !pButton->GetSelected())
        pDC->FillSolidRect(pButton->GetRect(), GetColor(COLOR_3DFACE));
    return CXTPPaintManager::DrawSpecialControl(pDC, controlType, pButton, pBar, bDraw, lpParam);
}

void CXTPDefaultTheme::DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc)
{
    if (pButton->GetType() != xtpControlSplitButtonPopup) {
        CXTPPaintManager::DrawControlEntry(pDC, pButton, rc);
        return;
    }
    CXTPCommandBar* pBar = pButton->GetParent();
    int barPosition = pBar ? pBar->GetPosition() : xtpBarTop;
    BOOL bPopuped = IsControlPopuped(pButton);
    BOOL bEnabled = pButton->GetEnabled();
    int bSelected = pButton->GetSelected();
    BOOL bShowArrowPart = bEnabled && (bSelected || pButton->GetPressed() || bPopuped);
    // An open popup counts as selected; a keyboard selection (2) keeps its value, so a
    // disabled split button selected from the keyboard is drawn sunken like a plain one.
    int nCommandSelected = bSelected ? bSelected : bPopuped;
    COLORREF clrText = 0;

    if (pButton->GetStyle() == xtpButtonIconAndCaptionBelow) {
        BOOL bSide = pBar && (barPosition == xtpBarLeft || barPosition == xtpBarRight);
        CRect rcCommand = rc, rcArrow = rc;
        if (bSide) {
            rcCommand.left += kBelowCaptionStrip;
            rcArrow.right = rcArrow.left + kBelowCaptionStrip;
        } else {
            rcCommand.bottom -= kBelowCaptionStrip;
            rcArrow.top = rcArrow.bottom - kBelowCaptionStrip;
        }
        DrawStateRect(pDC, rcCommand, bEnabled, nCommandSelected, pButton->GetPressed(), pButton->GetChecked(),
                      FALSE, barPosition);
        clrText = pDC->GetTextColor();
        if (bShowArrowPart)
            DrawStateRect(pDC, rcArrow, bEnabled, TRUE, FALSE, FALSE, bPopuped, barPosition);
        pDC->SetTextColor(clrText);
        return;
    }
    CRect rcCommand(rc.left, rc.top, rc.right - kSplitArrowPart, rc.bottom);
    DrawStateRect(pDC, rcCommand, bEnabled, nCommandSelected, pButton->GetPressed(), pButton->GetChecked(), FALSE,
                  barPosition);
    clrText = pDC->GetTextColor();
    if (bShowArrowPart)
        DrawStateRect(pDC, CRect(rc.right - kSplitArrowPart, rc.top, rc.right, rc.bottom), bEnabled, TRUE, FALSE,
                      FALSE, bPopuped, barPosition);
    pDC->SetTextColor(clrText);
    int mid = rc.CenterPoint().y;
    XTPDrawTriangle(pDC, CPoint(rc.right - 9, mid - 1), CPoint(rc.right - 5, mid - 1), CPoint(rc.right - 7, mid + 1),
                    clrText);
}

CSize CXTPDefaultTheme::DrawControlText(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bDraw,
                                        BOOL bSelected, BOOL bEnabled, CSize szText)
{
    nFormat |= DT_SINGLELINE | DT_VCENTER;
    if (!bDraw) {
        CRect rcText(0, 0, 0, 0);
        pDC->DrawText(strText, &rcText, nFormat | DT_CALCRECT);
        return CSize(rcText.Width(), rcText.Height());
    }
    if (!bEnabled && !bSelected) {
        if (szText.cx < 0)
            szText = pDC->GetTextExtent(strText);
        COLORREF clrText = pDC->SetTextColor(GetColor(COLOR_3DHIGHLIGHT));
        CRect rcShadow = rc;
        rcShadow.OffsetRect(1, 1);
        CXTPSingleLineText::Draw(pDC, strText, rcShadow, nFormat, szText);
        pDC->SetTextColor(clrText);
    }
    CXTPSingleLineText::Draw(pDC, strText, rc, nFormat, szText);
    return CSize(0, 0);
}

void CXTPDefaultTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected)
{
    if (!bEnabled) {
        rc.DeflateRect(1, 1);
        Draw3dRect(pDC, rc, bSelected == 2 ? COLOR_3DSHADOW : COLOR_3DHIGHLIGHT,
                   bSelected == 2 ? COLOR_3DSHADOW : COLOR_3DHIGHLIGHT);
        return;
    }
    if (bSelected)
        Draw3dRect(pDC, rc, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    else
        Draw3dRect(pDC, rc, COLOR_3DFACE, COLOR_3DFACE);
    rc.DeflateRect(1, 1);
    Draw3dRect(pDC, rc, COLOR_3DFACE, COLOR_3DFACE);
}

void CXTPDefaultTheme::DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDroppedDown)
{
    rc.left += 1;
    rc.top += 2;
    rc.right -= 2;
    rc.bottom -= 2;
    CRect rcArrow = rc;
    if (bEnabled) {
        Rectangle(pDC, rc, COLOR_3DFACE, COLOR_3DFACE);
        if (bDroppedDown) {
            DrawLine(pDC, rc.left - 1, rc.top, rc.left - 1, rc.bottom, COLOR_3DFACE);
            Draw3dRect(pDC, rc, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
            rcArrow.OffsetRect(1, 1);
        } else if (bSelected) {
            DrawLine(pDC, rc.left - 1, rc.top, rc.left - 1, rc.bottom, COLOR_3DFACE);
            Draw3dRect(pDC, rc, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
        } else {
            Draw3dRect(pDC, rc, COLOR_3DHIGHLIGHT, COLOR_3DHIGHLIGHT);
        }
    }
    DrawDropDownArrow(pDC, rcArrow, GetColor(COLOR_BTNTEXT));
}

CSize CXTPDefaultTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    int nType = pButton->GetType();
    XTPButtonStyle style = pButton->GetStyle();
    BOOL bStyleShowsIcon = style == xtpButtonIcon || style == xtpButtonIconAndCaption ||
                           (style == xtpButtonAutomatic && nType != xtpControlPopup);
    int bSelected = pButton->GetSelected();
    BOOL bEnabled = pButton->GetEnabled();
    int bChecked = pButton->GetChecked();
    BOOL bPopuped = IsControlPopuped(pButton);
    CString strCaption = pButton->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        UpdateRTLCaption(strCaption);

    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    int c = std::max(static_cast<int>(szIcon.cx) + 4, m_nTextHeight);
    int nRowHeight = std::max(static_cast<int>(szIcon.cy) + 4, m_nTextHeight);
    BOOL bDouble = IsDoubleGripper(pBar);
    int a = bDouble ? 2 * c : c;
    BOOL bCues = pBar ? pBar->IsKeyboardCuesVisible() : TRUE;
    if (!bCues)
        StripMnemonics(strCaption);
    CString strShortcut = nType == xtpControlButton ? pButton->GetShortcutText() : CString();
    UINT nCueFormat = bCues ? 0 : DT_NOPREFIX;

    if (!bDraw) {
        CSize szCaption = DrawControlText(pDC, strCaption, CRect(0, 0, 0, 0), nCueFormat, FALSE, bSelected, bEnabled);
        int nShortcut = 0;
        if (!strShortcut.IsEmpty())
            nShortcut = DrawControlText(pDC, strShortcut, CRect(0, 0, 0, 0), 0, FALSE, bSelected, bEnabled).cx;
        return CSize(szCaption.cx + nShortcut + a + 40, nRowHeight);
    }

    CRect rc = pButton->GetRect();
    if (pButton->GetRarelyUsed())
        pDC->FillSolidRect(rc, GetColor(COLOR_3DLIGHT));
    int nTextColor = !bEnabled ? COLOR_GRAYTEXT : (bSelected ? COLOR_HIGHLIGHTTEXT : m_nPopupBarTextColor);
    pDC->SetTextColor(GetColor(nTextColor));

    CRect rcColumn(rc.left, rc.top, rc.left + c, rc.bottom);
    int nHighlightLeft = rc.left;
    if (bChecked) {
        DrawRectangle(pDC, rcColumn, bSelected, 0, bEnabled, bChecked, FALSE, FALSE, xtpBarPopup);
        nHighlightLeft = rcColumn.right + 1;
    }
    if (bDouble)
        rcColumn.OffsetRect(c + 1, 0);

    BOOL bIconDrawn = FALSE;
    CXTPImageManagerIcon* pImage = nullptr;
    if (pButton->GetIconId() != 0 && bStyleShowsIcon)
        pImage = pButton->GetImage(szIcon.cx);
    if (pImage && pImage->GetWidth() > 0) {
        int h = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        DrawRectangle(pDC, rcColumn, bSelected, 0, bEnabled, bDouble ? 0 : bChecked, FALSE, FALSE, xtpBarPopup);
        CPoint pt(rcColumn.left + (rcColumn.Width() / 2 - szIcon.cx / 2), rcColumn.top + (rcColumn.Height() / 2 - h / 2));
        DrawImage(pDC, pt, CSize(szIcon.cx, h), pImage, bSelected, 0, bEnabled, bChecked, FALSE, FALSE);
        nHighlightLeft = rcColumn.right + 1;
        bIconDrawn = TRUE;
    }
    if (bChecked && (bDouble || !bIconDrawn)) {
        CPoint ptCenter(rc.left + c / 2, rc.top + rc.Height() / 2);
        CRect rcMark(ptCenter.x - 10, ptCenter.y - 10, ptCenter.x + 10, ptCenter.y + 10);
        DrawExpandSymbols(pDC, rcMark, GetColor(bEnabled ? m_nPopupBarTextColor : COLOR_GRAYTEXT), FALSE);
    }
    pDC->SetBkMode(TRANSPARENT);

    CRect rcHighlight(nHighlightLeft, rc.top, rc.right, rc.bottom);
    int m = (rc.top + rc.bottom) / 2;
    auto drawArrow = [&](COLORREF clr) {
        XTPDrawTriangle(pDC, CPoint(rc.right - 11, m - 3), CPoint(rc.right - 8, m), CPoint(rc.right - 11, m + 3), clr);
    };
    COLORREF clrText = GetColor(nTextColor);
    if (nType == xtpControlSplitButtonPopup && bEnabled) {
        if (bPopuped && bSelected) {
            Rectangle(pDC, CRect(rcHighlight.left, rc.top, rc.right - kMenuSplitArrow, rc.bottom), COLOR_HIGHLIGHT,
                      COLOR_HIGHLIGHT);
            Draw3dRect(pDC, CRect(rc.right - kMenuSplitArrow, rc.top, rc.right, rc.bottom), COLOR_3DSHADOW,
                       COLOR_3DHIGHLIGHT);
            drawArrow(GetColor(m_nPopupBarTextColor));
        } else if (bSelected) {
            Rectangle(pDC, rcHighlight, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
            DrawLine(pDC, rc.right - kMenuSplitArrow, rc.top + 1, rc.right - kMenuSplitArrow, rc.bottom - 1,
                     COLOR_3DSHADOW);
            drawArrow(clrText);
        } else {
            DrawLine(pDC, rc.right - kMenuSplitArrow, rc.top + 1, rc.right - kMenuSplitArrow, rc.bottom - 1,
                     m_nPopupBarTextColor);
            drawArrow(clrText);
        }
    } else {
        if (bSelected)
            Rectangle(pDC, rcHighlight, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
        if (IsPopupType(nType))
            drawArrow(clrText);
    }
    pDC->SetTextColor(clrText);

    CRect rcCaption(rc.left + a + 4, rc.top, rc.right, rc.bottom);
    CRect rcShortcut(rc.left + a + 8, rc.top, rc.right - 19, rc.bottom);
    CSize szShortcut(0, 0);
    if (!strShortcut.IsEmpty()) {
        szShortcut = pDC->GetTextExtent(strShortcut);
        rcCaption.right = rc.right - 19 - szShortcut.cx;
    }
    DrawControlText(pDC, strCaption, rcCaption, DT_END_ELLIPSIS | nCueFormat, TRUE, bSelected, bEnabled);
    if (!strShortcut.IsEmpty())
        DrawControlText(pDC, strShortcut, rcShortcut, DT_RIGHT, TRUE, bSelected, bEnabled, szShortcut);
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawListBoxControl(CDC* pDC, CXTPControl* pButton, CRect rc, BOOL bSelected, BOOL bDraw)
{
    // Without a control: the list's background, in the entries' own colour.
    if (pButton == nullptr) {
        if (bDraw)
            pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
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

    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    if (bSelected)
        Rectangle(pDC, rc, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    CXTPImageManagerIcon* pImage = pButton->GetIconId() != 0 ? pButton->GetImage(szIcon.cx) : nullptr;
    if (pImage) {
        CPoint pt(rc.left + (nColumn - szIcon.cx) / 2, rc.top + (rc.Height() - szIcon.cy) / 2);
        DrawImage(pDC, pt, szIcon, pImage, bSelected, FALSE, TRUE, FALSE, FALSE, FALSE);
    }
    COLORREF clrText = GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
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
        DrawLine(pDC, rc.right - 20, rc.top + 1, rc.right - 20, rc.bottom - 1,
                 bSelected ? COLOR_HIGHLIGHT : COLOR_3DSHADOW);
    if (nType == xtpControlEdit || nType == xtpControlComboBox) {
        CRect rcField(rcText.left + szCaption.cx + 13, rc.top + 1, rc.right - 2, rc.bottom - 1);
        if (rcField.Width() > 0) {
            Rectangle(pDC, rcField, bSelected ? COLOR_3DFACE : COLOR_HIGHLIGHT, COLOR_WINDOW);
            if (nType == xtpControlComboBox) {
                CRect rcButton(rcField.right - 13, rcField.top + 1, rcField.right - 1, rcField.bottom - 1);
                Rectangle(pDC, rcButton, COLOR_HIGHLIGHT, -1);
                DrawDropDownArrow(pDC, rcButton, GetColor(COLOR_BTNTEXT));
            }
        }
    }
    return CSize(0, 0);
}
