#include <algorithm>
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/dc/XTPFontDC.h"

using XTPPaintThemes::CXTPOffice2003Theme;

namespace {

// Bars whose parent has any of these style bits get a plain fill in place of
// the gradient running across the frame.
const DWORD kPlainParentStyles = 0x4100;
const int kExpandButton = 12;

BOOL IsSide(int position)
{
    return position == xtpBarLeft || position == xtpBarRight;
}

} // namespace

CXTPOffice2003Theme::CXTPOffice2003Theme()
    : m_bLunaApplied(FALSE)
    , m_bWhidbey(FALSE)
    , m_hGlyphs(nullptr)
{
    m_grcChecked.SetStandardColors(0x8CD5FF, 0x55ADFF);
    m_grcPressed.SetStandardColors(0x4B8EFE, 0x8BCFFF);
    m_grcHover.SetStandardColors(0xC8F2FF, 0x97D4FF);
    m_iconsInfo.bUseFadedIcons = FALSE;
    m_iconsInfo.bIconsWithShadow = FALSE;
}

CXTPOffice2003Theme::~CXTPOffice2003Theme()
{
    if (m_hGlyphs)
        ImageList_Destroy(m_hGlyphs);
}

void CXTPOffice2003Theme::DrawGradientRect(CDC* pDC, CRect rc, const CXTPGradientValue& gradient, int nBorder,
                                           int barPosition)
{
    FillGradient(pDC, rc, gradient, IsSide(barPosition));
    Draw3dRect(pDC, rc, nBorder, nBorder);
}

void CXTPOffice2003Theme::DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                                        BOOL bPopuped, BOOL bToolBarStyle, int barPosition)
{
    if (bPopuped) {
        FillGradient(pDC, rc, m_grcPopupOpen, FALSE);
        Draw3dRect(pDC, rc, 43, 43);
        return;
    }
    if (!m_bLunaApplied || !bToolBarStyle || barPosition > xtpBarFloating) {
        CXTPOfficeTheme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, bToolBarStyle,
                                       barPosition);
        return;
    }
    if (bEnabled) {
        if (bChecked == 2 && !bSelected && !bPressed)
            Rectangle(pDC, rc, 50, 51);
        else if (bChecked && !bSelected && !bPressed)
            DrawGradientRect(pDC, rc, m_grcChecked, 50, barPosition);
        else if ((bSelected && !bPressed && !bChecked) || (bPressed == 1 && !bSelected))
            DrawGradientRect(pDC, rc, m_grcHover, 32, barPosition);
        else if ((bSelected && bPressed) || bPressed == 2 || (bSelected && bChecked))
            DrawGradientRect(pDC, rc, m_grcPressed, 50, barPosition);
    } else if (bSelected == 2) {
        DrawGradientRect(pDC, rc, bChecked ? m_grcPressed : m_grcHover, 50, barPosition);
    } else if (bChecked) {
        DrawGradientRect(pDC, rc, m_grcChecked, 58, barPosition);
    }
}

void CXTPOffice2003Theme::FillBarGradient(CDC* pDC, CRect rcClient, CRect rcSpan)
{
    int nHalfScreen = GetSystemMetrics(SM_CXSCREEN) / 2;
    if (rcSpan.Width() < nHalfScreen)
        rcSpan.right = rcSpan.left + nHalfScreen;
    FillGradient(pDC, rcSpan, m_grcBar, TRUE, rcClient);
}

void CXTPOffice2003Theme::FillDockedToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rc)
{
    BOOL bSide = IsSide(pBar->GetPosition());
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    // The frame's client area in the bar's coordinates.
    CRect rcSpan = rc;
    CWnd* pParent = pBar->GetParent();
    if (pParent) {
        CRect rcParent;
        ::GetClientRect(pParent->GetSafeHwnd(), &rcParent);
        pParent->ClientToScreen(&rcParent);
        pBar->ScreenToClient(&rcParent);
        rcSpan.left = rcParent.left;
        rcSpan.right = rcParent.right;
    }
    // Only toolbars take the plain fill from their dock bar's style; menu bars keep the gradient.
    if (pParent && (pParent->GetStyle() & kPlainParentStyles))
        pDC->FillSolidRect(rc, m_grcBar.clrDark);
    else
        FillBarGradient(pDC, rc, rcSpan);

    // The body reaches one pixel past the last visible control.
    int nEnd = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++) {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->IsVisible())
            nEnd = std::max(nEnd, static_cast<int>(bSide ? pControl->GetRect().bottom : pControl->GetRect().right));
    }
    CRect rcBody = rc;
    if (bSide) {
        rcBody.DeflateRect(1, 0);
        rcBody.bottom = nEnd > 0 ? std::min(nEnd + 1, static_cast<int>(rc.bottom)) : rc.bottom;
    } else {
        rcBody.DeflateRect(0, 1);
        rcBody.right = nEnd > 0 ? std::min(nEnd + 1, static_cast<int>(rc.right)) : rc.right;
    }
    pDC->SaveDC();
    if (bSide) {
        pDC->ExcludeClipRect(rc.left, rc.top, rc.right, rc.top + 3);
        XTPExcludeCorners(pDC, rcBody.left, rcBody.top + 3, rcBody.right, rcBody.bottom);
    } else {
        pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 3, rc.bottom);
        XTPExcludeCorners(pDC, rcBody.left + 3, rcBody.top, rcBody.right, rcBody.bottom);
    }
    FillGradient(pDC, rcBody, m_grcToolBar, bSide);
    if (bSide)
        pDC->FillSolidRect(rcBody.right - 1, rcBody.top, 1, rcBody.Height(), m_grcToolBar.clrDark);
    else
        pDC->FillSolidRect(rcBody.left, rcBody.bottom - 1, rcBody.Width(), 1, m_grcToolBar.clrDark);
    pDC->RestoreDC(-1);
    if (bSide)
        pDC->FillSolidRect(rc.right - 1, rc.top + 5, 1, rc.Height() - 12, m_clrToolbarBorder);
    else
        pDC->FillSolidRect(rc.left + 5, rc.bottom - 1, rc.Width() - 12, 1, m_clrToolbarBorder);
}

void CXTPOffice2003Theme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    int position = pBar->GetPosition();
    if (pBar->GetType() == xtpBarTypeMenuBar) {
        FillBarGradient(pDC, rc, rc);
        if (position == xtpBarFloating)
            DrawFloatingFrame(pDC, rc);
    } else if (position <= xtpBarRight) {
        FillDockedToolBar(pDC, pBar, rc);
    } else if (position == xtpBarFloating && IsDockableBar(pBar)) {
        pDC->FillSolidRect(rc, GetColor(30));
        CXTPFontDC font(pDC, m_fontSmCaption);
        int nTitle = std::max(15, static_cast<int>(pDC->GetTextExtent(CString(L" ")).cy)) + 2;
        CRect rcRows(rc.left + 2, rc.top + 3 + nTitle, rc.right - 2, rc.bottom - 2);
        FillGradient(pDC, rcRows, m_grcToolBar, FALSE);
        DrawFloatingFrame(pDC, rc);
    } else if (position == xtpBarPopup) {
        Rectangle(pDC, rc, 43, 41);
        if (pBar->GetType() == xtpBarTypePopup)
            FillGradientRect(pDC, 1, 2, GetPopupBarIconColumnWidth(pBar), rc.Height() - 2 - 4, FALSE);
        FillPopupJoin(pDC, dynamic_cast<CXTPPopupBar*>(pBar), 41);
    } else {
        FillFlatBarEntry(pDC, pBar);
    }
}

void CXTPOffice2003Theme::FillDockBar(CDC* pDC, CWnd* pBar)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    if (pBar->GetStyle() & kPlainParentStyles)
        pDC->FillSolidRect(rc, m_grcBar.clrDark);
    else
        FillBarGradient(pDC, rc, rc);
}

void CXTPOffice2003Theme::DrawGripperDots(CDC* pDC, int nFrom, int nTo, int nAcross, BOOL bVertical)
{
    COLORREF clrDot = GetColor(38), clrLight = GetColor(COLOR_WINDOW);
    for (int n = nFrom; n - 3 < nTo; n += 4) {
        int x = bVertical ? n - 3 : nAcross, y = bVertical ? nAcross : n - 3;
        pDC->FillSolidRect(x + 1, y + 1, 2, 2, clrLight);
        pDC->FillSolidRect(x, y, 2, 2, clrDot);
    }
}

CSize CXTPOffice2003Theme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, static_cast<CXTPDialogBar*>(pBar), bDraw);
    int position = pBar->GetPosition();
    if (position > xtpBarRight)
        return CXTPOfficeTheme::DrawCommandBarGripper(pDC, pBar, bDraw);
    CXTPClientRect rc(pBar->GetSafeHwnd());
    BOOL bVertical = IsSide(position);
    if (bDraw) {
        if (bVertical)
            DrawGripperDots(pDC, 8, rc.Width() - 8, 6, TRUE);
        else
            DrawGripperDots(pDC, 8, rc.Height() - 8, 6, FALSE);
    }
    return bVertical ? CSize(0, 9) : CSize(6, 0);
}

CSize CXTPOffice2003Theme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    if (pBar->GetType() == xtpBarTypePopup || pBar->GetPosition() == xtpBarPopup)
        return CXTPOfficeTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    if (!bDraw)
        return CSize(6, 6);
    CRect rc = pControl->GetRect();
    CXTPClientRect rcBar(pBar->GetSafeHwnd());
    BOOL bVertical = pBar->IsVerticalPosition();
    BOOL bAcross = pControl->GetWrap();
    // Lines run across the bar: vertical between controls of a horizontal row.
    BOOL bVerticalLine = bVertical ? bAcross : !bAcross;
    CRect rcLine;
    if (bVerticalLine) {
        int x = rc.left - 4;
        rcLine = bAcross ? CRect(x, rcBar.top + 2, x + 1, rcBar.bottom - 2) : CRect(x, rc.top + 2, x + 1, rc.bottom - 2);
    } else {
        int y = rc.top - 4;
        rcLine = bAcross ? CRect(rcBar.left + 2, y, rcBar.right - 2, y + 1) : CRect(rc.left + 2, y, rc.right - 2, y + 1);
    }
    pDC->FillSolidRect(rcLine, GetColor(39));
    if (!m_bWhidbey) {
        rcLine.OffsetRect(bVerticalLine ? 1 : 0, bVerticalLine ? 0 : 1);
        pDC->FillSolidRect(rcLine, GetColor(COLOR_3DHIGHLIGHT));
    }
    return CSize(0, 0);
}

void CXTPOffice2003Theme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed())
        CXTPPaintManager::DrawStatusBarPaneBorder(pDC, rc, bGripperPane);
    else
        pDC->Draw3dRect(rc, m_clrPaneBorder, m_clrPaneBorder);
}

void CXTPOffice2003Theme::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed()) {
        CXTPPaintManager::DrawStatusBarGripper(pDC, rcClient);
        return;
    }
    int right = rcClient.right - 1, bottom = rcClient.bottom - 1;
    for (int group = 0; group < 3; group++) {
        int n = 3 + group * 5;
        for (int k = 0; k < 3; k++) {
            // Each line runs from the bottom edge up to the right edge.
            DrawLine(pDC, right - n - k, bottom, right + 1, bottom - n - k - 1, COLOR_3DSHADOW);
        }
        DrawLine(pDC, right - n + 1, bottom, right + 1, bottom - n, COLOR_3DHIGHLIGHT);
    }
}

void CXTPOffice2003Theme::DrawExpandGlyph(CDC* pDC, CRect rc, BOOL bVertical, BOOL bHiddenControls, COLORREF clr)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CPoint center = rc.CenterPoint();
    if (!bVertical) {
        Line(pDC, center.x - 2, rc.bottom - 10, center.x + 3, rc.bottom - 10);
        XTPDrawTriangle(pDC, CPoint(center.x - 2, rc.bottom - 7), CPoint(center.x + 2, rc.bottom - 7),
                        CPoint(center.x, rc.bottom - 5), clr);
    } else {
        Line(pDC, rc.right - 10, center.y - 2, rc.right - 10, center.y + 3);
        XTPDrawTriangle(pDC, CPoint(rc.right - 5, center.y), CPoint(rc.right - 7, center.y - 2),
                        CPoint(rc.right - 7, center.y + 2), clr);
    }
    if (bHiddenControls) {
        for (int d : {0, 4}) {
            if (!bVertical)
                XTPDrawTriangle(pDC, CPoint(rc.left + 3 + d, rc.top + 3), CPoint(rc.left + 5 + d, rc.top + 5),
                                CPoint(rc.left + 3 + d, rc.top + 7), clr);
            else
                XTPDrawTriangle(pDC, CPoint(rc.left + 3, rc.top + 3 + d), CPoint(rc.left + 7, rc.top + 3 + d),
                                CPoint(rc.left + 5, rc.top + 5 + d), clr);
        }
    }
    pDC->SelectObject(pOldPen);
}

CSize CXTPOffice2003Theme::DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton,
                                              CXTPCommandBar* pBar, BOOL bDraw, LPVOID lpParam)
{
    if (controlType == xtpButtonExpandToolbar && pBar) {
        BOOL bVertical = pBar->IsVerticalPosition();
        CXTPClientRect rcBar(pBar->GetSafeHwnd());
        if (!bDraw) {
            if (bVertical)
                pButton->SetRect(CRect(0, rcBar.bottom - kExpandButton, rcBar.right, rcBar.bottom));
            else
                pButton->SetRect(CRect(rcBar.right - kExpandButton, 1, rcBar.right, rcBar.bottom));
            return CSize(0, 0);
        }
        CRect rc = pButton->GetRect();
        BOOL bPopuped = pBar->GetPopupedIndex() >= 0 && pBar->GetPopupedIndex() == pButton->GetIndex();
        BOOL bHot = pButton->GetSelected() != 0;
        pDC->SaveDC();
        if (bVertical) {
            pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
            pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
        } else {
            pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
            pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
        }
        if (bPopuped) {
            if (m_bLunaApplied)
                FillGradient(pDC, rc, m_grcPressed, bVertical);
            else
                pDC->FillSolidRect(rc, GetColor(36));
        } else if (bHot) {
            if (m_bLunaApplied)
                FillGradient(pDC, rc, m_grcHover, bVertical);
            else
                pDC->FillSolidRect(rc, GetColor(31));
        } else {
            FillGradient(pDC, rc, m_grcExpandButton, bVertical);
        }
        pDC->RestoreDC(-1);
        BOOL bHidden = lpParam && *static_cast<BOOL*>(lpParam);
        CRect rcShadow = rc;
        rcShadow.OffsetRect(1, 1);
        DrawExpandGlyph(pDC, rcShadow, bVertical, bHidden, GetColor(COLOR_3DHIGHLIGHT));
        DrawExpandGlyph(pDC, rc, bVertical, bHidden, GetColor(bHot && !bPopuped ? 45 : 46));
        return CSize(0, 0);
    }
    if (controlType == xtpButtonExpandMenu) {
        if (!bDraw)
            return CSize(0, 18);
        DrawControlState(pDC, pButton);
        CRect rc = pButton->GetRect();
        int cx = rc.CenterPoint().x;
        if (m_hGlyphs)
            ImageList_Draw(m_hGlyphs, 0, pDC->GetSafeHdc(), cx - 7, rc.top + 1, ILD_TRANSPARENT);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, pDC->GetTextColor());
        CPen* pOldPen = pDC->SelectObject(&pen);
        for (int v = 0; v < 2; v++) {
            for (int d = 0; d < 2; d++) {
                int y = rc.top + 5 + v * 4 + d;
                POINT pts[3] = {{cx - 2, y}, {cx, y + 2}, {cx + 3, y - 1}};
                pDC->Polyline(pts, 3);
            }
        }
        pDC->SelectObject(pOldPen);
        return CSize(0, 0);
    }
    return CXTPOfficeTheme::DrawSpecialControl(pDC, controlType, pButton, pBar, bDraw, lpParam);
}

CRect CXTPOffice2003Theme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar && (pBar->GetPosition() == xtpBarTop || pBar->GetPosition() == xtpBarBottom))
        return CRect(4, 2, 2, 2);
    return CXTPOfficeTheme::GetCommandBarBorders(pBar);
}

CSize CXTPOffice2003Theme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (bDraw) {
        CRect rc = rcGripper;
        pDC->FillSolidRect(rc, GetColor(41));
        rc.DeflateRect(1, 1);
        if (bSelected)
            Rectangle(pDC, rc, 32, 31);
        else
            pDC->FillSolidRect(rc, m_clrTearOff);
        int nHalf = std::min(32, static_cast<int>(rc.Width()) / 2 - 10);
        int cx = rc.CenterPoint().x, cy = rc.CenterPoint().y;
        for (int x = cx - nHalf; x < cx + nHalf; x += 4)
            pDC->FillSolidRect(x, cy - 1, 2, 2, GetColor(COLOR_3DHIGHLIGHT));
    }
    return CSize(0, 9);
}

CSize CXTPOffice2003Theme::DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw)
{
    CSize sz(8, std::max(25, m_nTextHeight + 6));
    // The bar's own rectangle, not the clip box: a print of the bar clips to the whole DC.
    if (bDraw && pBar) {
        CRect rc = CXTPClientRect(pBar->GetSafeHwnd());
        rc.DeflateRect(3, 3);
        rc.bottom = std::min(rc.bottom, rc.top + sz.cy);
        FillGradient(pDC, rc, m_grcToolBar, FALSE);
        COLORREF clrDot = GetColor(38), clrLight = GetColor(COLOR_WINDOW);
        for (int y = rc.top + 4; y < rc.bottom - 5; y += 4) {
            pDC->FillSolidRect(6, y + 1, 2, 2, clrLight);
            pDC->FillSolidRect(5, y, 2, 2, clrDot);
        }
    }
    return sz;
}

void CXTPOffice2003Theme::FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL bAlternative)
{
    FillGradient(pDC, CRect(x, y, x + cx, y + cy), bAlternative ? m_grcExpanded : m_grcToolBar, FALSE);
}

BOOL CXTPOffice2003Theme::IsDockableBar(CXTPCommandBar* pBar)
{
    if (pBar->GetType() == xtpBarTypeMenuBar)
        return FALSE;
    return (pBar->GetFlags() & 0xF) != 0;
}
