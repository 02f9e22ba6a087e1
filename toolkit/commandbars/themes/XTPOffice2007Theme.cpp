#include <algorithm>
#include "toolkit/commandbars/themes/XTPOffice2007Theme.h"
#include "framework/core/ModuleState.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/common/dc/XTPClientRect.h"

namespace {

const COLORREF kTextColor = 0x6E1500;
const COLORREF kDisabledTextColor = 0x8D8D8D;
const COLORREF kDividerDark = 0xE1E1E1;
const COLORREF kDividerLight = 0xFFFFFF;
const int kSplitArrowPart = 11;
const int kLargeButtonHeight = 33;

BOOL IsControlPopuped(const CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    return pBar && pBar->GetPopupedIndex() >= 0 && pBar->GetPopupedIndex() == pButton->GetIndex();
}

} // namespace

CXTPOffice2007Theme::CXTPOffice2007Theme()
    : m_pImages(new CXTPOffice2007Images(AfxGetResourceHandle()))
{
    m_nLookStyle = 1;
    m_nLunaScheme = xtpSystemThemeUnknown;
    m_bThemedStatusBar = TRUE;
}

CXTPOffice2007Theme::~CXTPOffice2007Theme()
{
    delete m_pImages;
}

void CXTPOffice2007Theme::RefreshMetrics()
{
    CXTPOffice2003Theme::RefreshMetrics();
    m_clrFaceGradient.SetStandardColors(0xF9F5F7, 0x99797A);
    m_grcBar.SetStandardColors(0xC3C3C3, 0xEAEBEB);
    m_grcToolBar.SetStandardColors(0xEAEBEB, 0xC3C3C3);
    m_clrToolbarBorder.SetStandardValue(0x80706A);
    m_grcExpandButton.SetStandardColors(0xCCB2A7, 0x80706A);
    const int indices[] = {35, 38, 41, 43, 44};
    const COLORREF values[] = {0xA7A7A7, 0x7D6053, 0xF5F5F5, 0x868686, kTextColor};
    SetColors(5, indices, values);
    m_clrCaption.SetStandardValue(0xD3BDB5);
    m_clrCaptionText.SetStandardValue(0x934A15);
}

void CXTPOffice2007Theme::FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL /*bAlternative*/)
{
    pDC->FillSolidRect(x, y, cx, cy, 0xEBEBEB);
}

int CXTPOffice2007Theme::GetButtonCell(BOOL bEnabled, int bSelected, int bPressed, int bChecked, BOOL bPopuped)
{
    if (!bEnabled)
        return -1;
    if ((bSelected && bPressed) || bPressed == 2)
        return 1;
    if (bChecked && (bSelected || bPressed))
        return 3;
    if ((bSelected && !bPressed) || (bPressed == 1 && !bSelected))
        return 0;
    if (bPopuped || bChecked)
        return 2;
    return -1;
}

BOOL CXTPOffice2007Theme::DrawSkinCell(CDC* pDC, LPCWSTR lpszImage, CRect rc, CSize szCell, int nCell, int nMargin)
{
    CXTPOffice2007Image* pImage = m_pImages->GetImage(lpszImage);
    if (!pImage)
        return FALSE;
    if (nCell >= 0)
        pImage->DrawImage(pDC, rc, CRect(CPoint(0, nCell * szCell.cy), szCell),
                          CRect(nMargin, nMargin, nMargin, nMargin));
    return TRUE;
}

void CXTPOffice2007Theme::DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked,
                                        BOOL bPopuped, int barPosition)
{
    BOOL bLarge = rc.Height() >= kLargeButtonHeight;
    LPCWSTR lpszImage = bLarge ? L"OFFICE2007\\TOOLBARBUTTONS50.BMP" : L"OFFICE2007\\TOOLBARBUTTONS22.BMP";
    CSize szCell = bLarge ? CSize(50, 66) : CSize(22, 22);
    if (barPosition == xtpBarPopup || !m_pImages->GetImage(lpszImage)) {
        CXTPOffice2003Theme::DrawStateRect(pDC, rc, bEnabled, bSelected, bPressed, bChecked, bPopuped, barPosition);
        return;
    }
    DrawSkinCell(pDC, lpszImage, rc, szCell, GetButtonCell(bEnabled, bSelected, bPressed, bChecked, bPopuped), 2);
    pDC->SetTextColor(bEnabled ? kTextColor : kDisabledTextColor);
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPOffice2007Theme::DrawControlState(CDC* pDC, CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    BOOL bPopuped = IsControlPopuped(pButton);
    BOOL bPopupType = pButton->GetType() == xtpControlPopup || pButton->GetType() == xtpControlButtonPopup;
    if (bPopupType && pBar && pBar->GetPosition() == xtpBarTop && pButton->GetEnabled() && !pButton->GetPressed() &&
        (pButton->GetSelected() || bPopuped)) {
        CXTPOffice2007Image* pImage = m_pImages->GetImage(L"OFFICE2007\\TOOLBARPOPUPBUTTON.BMP");
        if (pImage) {
            CRect rcSrc(0, 0, 41, 22);
            if (bPopuped)
                rcSrc.OffsetRect(0, 22);
            pImage->DrawImage(pDC, pButton->GetRect(), rcSrc, CRect(3, 3, 3, 3), RGB(255, 0, 255));
            pDC->SetTextColor(kTextColor);
            pDC->SetBkMode(TRANSPARENT);
            return;
        }
    }
    CXTPOffice2003Theme::DrawControlState(pDC, pButton);
}

void CXTPOffice2007Theme::DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                                        BOOL bPopuped, BOOL bToolBarStyle, int barPosition)
{
    if (barPosition == xtpBarPopup) {
        BOOL bLarge = rc.Height() >= kLargeButtonHeight;
        CXTPOffice2007Image* pImage = nullptr;
        if (bChecked)
            pImage = m_pImages->GetImage(L"OFFICE2007\\MENUCHECKEDITEM.BMP");
        else if (bSelected && bEnabled)
            pImage = m_pImages->GetImage(bLarge ? L"OFFICE2007\\MENUSELECTEDITEM54.BMP"
                                                : L"OFFICE2007\\MENUSELECTEDITEM22.BMP");
        else if (bSelected)
            pImage = m_pImages->GetImage(bLarge ? L"OFFICE2007\\MENUSELECTEDDISABLEDITEM54.BMP"
                                                : L"OFFICE2007\\MENUSELECTEDDISABLEDITEM22.BMP");
        if (pImage) {
            CSize size = pImage->GetSize();
            pImage->DrawImage(pDC, rc, CRect(CPoint(0, 0), size), CRect(4, 4, 4, 4), RGB(255, 0, 255));
            return;
        }
    }
    CXTPOffice2003Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, bToolBarStyle,
                                       barPosition);
}

void CXTPOffice2007Theme::DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    BOOL bLarge = pButton->GetStyle() == xtpButtonIconAndCaptionBelow;
    LPCWSTR lpszCommand = bLarge ? L"OFFICE2007\\TOOLBARBUTTONSSPLIT50.BMP" : L"OFFICE2007\\TOOLBARBUTTONSSPLIT22.BMP";
    LPCWSTR lpszArrow =
        bLarge ? L"OFFICE2007\\TOOLBARBUTTONSSPLITDROPDOWN50.BMP" : L"OFFICE2007\\TOOLBARBUTTONSSPLITDROPDOWN22.BMP";
    if (pButton->GetType() != xtpControlSplitButtonPopup || !pBar || pBar->GetType() == xtpBarTypePopup ||
        !m_pImages->GetImage(lpszCommand) || !m_pImages->GetImage(lpszArrow)) {
        CXTPOffice2003Theme::DrawControlEntry(pDC, pButton, rc);
        return;
    }
    BOOL bEnabled = pButton->GetEnabled();
    BOOL bPopuped = IsControlPopuped(pButton);
    int nCell = GetButtonCell(bEnabled, pButton->GetSelected(), pButton->GetPressed(), pButton->GetChecked(), bPopuped);
    CRect rcCommand = rc, rcArrow = rc;
    if (bLarge) {
        rcCommand.bottom -= 27;
        rcArrow.top = rcCommand.bottom;
    } else {
        rcCommand.right -= kSplitArrowPart;
        rcArrow.left = rcCommand.right;
    }
    DrawSkinCell(pDC, lpszCommand, rcCommand, bLarge ? CSize(50, 39) : CSize(23, 22), nCell, 2);
    DrawSkinCell(pDC, lpszArrow, rcArrow, bLarge ? CSize(50, 27) : CSize(11, 22), bPopuped ? 1 : nCell, 2);
    COLORREF clrText = bEnabled ? kTextColor : kDisabledTextColor;
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    if (!bLarge) {
        int mid = rc.CenterPoint().y;
        XTPDrawTriangle(pDC, CPoint(rc.right - 8, mid - 1), CPoint(rc.right - 4, mid - 1),
                        CPoint(rc.right - 6, mid + 1), clrText);
    }
}

void CXTPOffice2007Theme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    if (pBar->GetPosition() != xtpBarPopup) {
        CXTPOffice2003Theme::FillCommandBarEntry(pDC, pBar);
        return;
    }
    CXTPClientRect rc(pBar->GetSafeHwnd());
    Rectangle(pDC, rc, 43, 41);
    if (pBar->GetType() == xtpBarTypePopup) {
        int nColumn = GetPopupBarIconColumnWidth(pBar);
        FillGradientRect(pDC, 1, 2, nColumn, rc.Height() - 2 - 4, FALSE);
        if (nColumn + 2 < rc.Width()) {
            pDC->FillSolidRect(nColumn + 1, 2, 1, rc.Height() - 6, kDividerDark);
            pDC->FillSolidRect(nColumn + 2, 2, 1, rc.Height() - 6, kDividerLight);
        }
    }
    CRect rcInner = rc;
    rcInner.DeflateRect(1, 1);
    pDC->Draw3dRect(rcInner, kDividerLight, kDividerLight);
}

CSize CXTPOffice2007Theme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    if (pBar->GetType() != xtpBarTypePopup)
        return CXTPOffice2003Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    if (bDraw) {
        CRect rc = pControl->GetRect();
        CXTPClientRect rcBar(pBar->GetSafeHwnd());
        int left = GetPopupBarIconColumnWidth(pBar) + 9;
        pDC->FillSolidRect(left, rc.top - 2, rcBar.right - 2 - left, 1, kDividerDark);
        pDC->FillSolidRect(left, rc.top - 1, rcBar.right - 2 - left, 1, kDividerLight);
    }
    return CSize(2, 2);
}

void CXTPOffice2007Theme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL /*bVertical*/)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        rc.InflateRect(1, 0);
}
