#include <algorithm>
#include "toolkit/commandbars/themes/XTPNativeXPTheme.h"
#include "framework/gdi/CDC.h"
#include "framework/windows/CWinThread.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/common/dc/XTPClientRect.h"

using XTPPaintThemes::CXTPNativeXPTheme;

namespace {

// Parts, states and properties of the visual-style classes.
const int kToolbarButton = 1;
const int kToolbarSplitButton = 3;
const int kToolbarSplitDropDown = 4;
const int kToolbarSeparator = 5;
const int kToolbarSeparatorVert = 6;
const int kRebarGripper = 1;
const int kRebarGripperVert = 2;
const int kRebarBand = 3;
const int kComboBoxDropDown = 1;
const int kStateNormal = 1;
const int kStateHot = 2;
const int kStatePressed = 3;
const int kStateDisabled = 4;
const int kStateChecked = 5;
const int kStateHotChecked = 6;
const int kPropBorderColor = 3801;
const int kPropTextColor = 3803;
const int kPropEdgeShadowColor = 3806;
const int kSysBoolFlatMenus = 1001;
const int kSplitArrowPart = 12;

BOOL IsControlPopuped(const CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    return pBar && pBar->GetPopupedIndex() >= 0 && pBar->GetPopupedIndex() == pButton->GetIndex();
}

} // namespace

CXTPNativeXPTheme::CXTPNativeXPTheme(CXTPWinThemeLibrary* pLibrary)
    : m_themeRebar(pLibrary)
    , m_themeToolbar(pLibrary)
    , m_themeComboBox(pLibrary)
    , m_clrEdgeShadowColor(0)
    , m_bFlatMenus(TRUE)
{
    m_iconsInfo.bUseFadedIcons = TRUE;
    m_iconsInfo.bIconsWithShadow = FALSE;
    m_nPopupBarTextColor = COLOR_MENUTEXT;
    m_bThemedStatusBar = TRUE;
}

CXTPNativeXPTheme::~CXTPNativeXPTheme() = default;

BOOL CXTPNativeXPTheme::IsThemed()
{
    return m_themeRebar.IsAppThemed() && m_themeToolbar.IsAppThemed();
}

BOOL CXTPNativeXPTheme::GetSystemFlatMenus()
{
    BOOL bFlat = FALSE;
    return SystemParametersInfoW(SPI_GETFLATMENU, 0, &bFlat, 0) ? bFlat : FALSE;
}

void CXTPNativeXPTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();
    CWinThread* pThread = AfxGetThread();
    HWND hMain = pThread && pThread->m_pMainWnd ? pThread->m_pMainWnd->GetSafeHwnd() : nullptr;
    m_themeToolbar.OpenThemeData(hMain, L"TOOLBAR");
    m_themeRebar.OpenThemeData(hMain, L"REBAR");
    m_themeComboBox.OpenThemeData(hMain, L"COMBOBOX");
    m_bFlatMenus = GetSystemFlatMenus();
    if (FAILED(m_themeRebar.GetThemeColor(kRebarBand, 0, kPropEdgeShadowColor, &m_clrEdgeShadowColor)))
        m_clrEdgeShadowColor = GetColor(COLOR_3DSHADOW);
    COLORREF clrText;
    if (SUCCEEDED(m_themeToolbar.GetThemeColor(0, 0, kPropTextColor, &clrText))) {
        int nIndex = COLOR_BTNTEXT;
        SetColors(1, &nIndex, &clrText);
    }
    if (!m_bFlatMenus && m_themeRebar.IsAppThemed())
        m_bFlatMenus = m_themeRebar.GetThemeSysBool(kSysBoolFlatMenus);
}

void CXTPNativeXPTheme::DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                                      BOOL bPopuped, BOOL bToolBarStyle, int barPosition)
{
    if (!IsThemed()) {
        CXTPDefaultTheme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, bToolBarStyle,
                                        barPosition);
        return;
    }
    int nState;
    if (!bEnabled)
        nState = bChecked ? kStatePressed : kStateDisabled;
    else if (bPopuped)
        nState = kStatePressed;
    else if (bChecked == 1 && !bPressed)
        nState = bSelected ? kStateHotChecked : kStateChecked;
    else if ((bSelected && bPressed) || bPressed == 2)
        nState = kStatePressed;
    else
        nState = bSelected ? kStateHot : kStateNormal;
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, rc, nullptr);
}

void CXTPNativeXPTheme::DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc)
{
    if (!IsThemed() || pButton->GetType() != xtpControlSplitButtonPopup) {
        CXTPDefaultTheme::DrawControlEntry(pDC, pButton, rc);
        return;
    }
    BOOL bEnabled = pButton->GetEnabled();
    int bSelected = pButton->GetSelected();
    BOOL bPopuped = IsControlPopuped(pButton);
    int bChecked = pButton->GetChecked();
    int nState;
    if (!bEnabled)
        nState = kStateDisabled;
    else if (pButton->GetPressed() && bSelected)
        nState = kStatePressed;
    else if (!bChecked && !bPopuped)
        nState = bSelected ? kStateHot : kStateNormal;
    else
        nState = bChecked ? kStateChecked : kStateHot;
    HDC hDC = pDC->GetSafeHdc();
    CRect rcCommand(rc.left, rc.top, rc.right - kSplitArrowPart, rc.bottom);
    CRect rcArrow(rc.right - kSplitArrowPart, rc.top, rc.right, rc.bottom);
    m_themeToolbar.DrawThemeBackground(hDC, kToolbarSplitButton, nState, rcCommand, nullptr);
    m_themeToolbar.DrawThemeBackground(hDC, kToolbarSplitDropDown, bPopuped ? kStatePressed : nState, rcArrow, nullptr);
    pDC->SetTextColor(GetColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPNativeXPTheme::DrawClassicFrames(CDC* pDC, CRect rc)
{
    Draw3dRect(pDC, rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
    rc.DeflateRect(1, 1);
    Draw3dRect(pDC, rc, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
}

void CXTPNativeXPTheme::FillBandBackground(CDC* pDC, CWnd* pWnd)
{
    CXTPClientRect rc(pWnd->GetSafeHwnd());
    CWnd* pParent = pWnd->GetParent();
    if (!m_themeRebar.IsAppThemed() || !pParent) {
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
        return;
    }
    CRect rcParent;
    ::GetClientRect(pParent->GetSafeHwnd(), &rcParent);
    pParent->ClientToScreen(&rcParent);
    pWnd->ScreenToClient(&rcParent);
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rcParent, rc);
}

void CXTPNativeXPTheme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    if (!IsThemed()) {
        CXTPDefaultTheme::FillCommandBarEntry(pDC, pBar);
        return;
    }
    CXTPClientRect rc(pBar->GetSafeHwnd());
    int position = pBar->GetPosition();
    if (position == xtpBarPopup) {
        if (m_bFlatMenus) {
            Rectangle(pDC, rc, COLOR_3DSHADOW, COLOR_MENU);
        } else {
            pDC->FillSolidRect(rc, GetColor(COLOR_MENU));
            DrawClassicFrames(pDC, rc);
        }
    } else if (position == xtpBarFloating) {
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
        m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rc, nullptr);
        DrawClassicFrames(pDC, rc);
    } else {
        if (position == xtpBarTop)
            FillBandBackground(pDC, pBar);
        else
            pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarBand, 0, rc, nullptr);
        pDC->Draw3dRect(rc, GetColor(COLOR_3DHIGHLIGHT), m_clrEdgeShadowColor);
    }
}

void CXTPNativeXPTheme::FillDockBar(CDC* pDC, CWnd* pBar)
{
    if (!IsThemed())
        CXTPDefaultTheme::FillDockBar(pDC, pBar);
    else
        FillBandBackground(pDC, pBar);
}

CSize CXTPNativeXPTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    int position = pBar->GetPosition();
    if (!IsThemed() || position == xtpBarFloating)
        return CXTPDefaultTheme::DrawCommandBarGripper(pDC, pBar, bDraw);
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, static_cast<CXTPDialogBar*>(pBar), bDraw);
    if (position > xtpBarRight)
        return CSize(0, 0);
    CXTPClientRect rc(pBar->GetSafeHwnd());
    BOOL bVertical = position == xtpBarLeft || position == xtpBarRight;
    if (bDraw) {
        if (bVertical)
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripperVert, 1,
                                             CRect(rc.left + 2, 2, rc.right - 2, 8), nullptr);
        else
            m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripper, 1,
                                             CRect(2, rc.top + 2, 8, rc.bottom - 2), nullptr);
    }
    return bVertical ? CSize(0, 8) : CSize(8, 0);
}

CSize CXTPNativeXPTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    int position = pBar->GetPosition();
    if (!IsThemed() || !bDraw || pBar->GetType() == xtpBarTypePopup || position == xtpBarPopup)
        return CXTPDefaultTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    CRect rc = pControl->GetRect();
    CXTPClientRect rcBar(pBar->GetSafeHwnd());
    BOOL bVerticalBar = position == xtpBarLeft || position == xtpBarRight;
    BOOL bVertVariant = bVerticalBar || pControl->GetWrap();
    CRect rcSeparator;
    if (!bVerticalBar)
        rcSeparator = pControl->GetWrap() ? CRect(rcBar.left + 2, rc.top - 6, rcBar.right - 2, rc.top)
                                          : CRect(rc.left - 6, rc.top, rc.left, rc.bottom);
    else
        rcSeparator = pControl->GetWrap() ? CRect(rc.left - 6, rcBar.top + 2, rc.left, rcBar.bottom - 2)
                                          : CRect(rc.left, rc.top - 6, rc.right, rc.top);
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), bVertVariant ? kToolbarSeparatorVert : kToolbarSeparator, 1,
                                       rcSeparator, nullptr);
    return CSize(0, 0);
}

void CXTPNativeXPTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (!IsThemed()) {
        CXTPDefaultTheme::AdjustExcludeRect(rc, pControl, bVertical);
        return;
    }
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup) {
        rc.DeflateRect(3, 0);
        rc.InflateRect(0, 3);
    }
}

CSize CXTPNativeXPTheme::DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw)
{
    if (!IsThemed())
        return CXTPDefaultTheme::DrawDialogBarGripper(pDC, pBar, bDraw);
    CSize sz(8, std::max(22, m_nTextHeight + 4));
    if (bDraw)
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripper, 1, CRect(2, 3, 8, sz.cy), nullptr);
    return sz;
}

void CXTPNativeXPTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected)
{
    if (!m_themeComboBox.IsAppThemed()) {
        CXTPDefaultTheme::DrawEditFrame(pDC, rc, bEnabled, bSelected);
        return;
    }
    COLORREF clrBorder;
    if (FAILED(m_themeComboBox.GetThemeColor(kComboBoxDropDown, bEnabled ? kStateNormal : kStateDisabled,
                                             kPropBorderColor, &clrBorder)))
        clrBorder = GetColor(COLOR_3DSHADOW);
    pDC->Draw3dRect(rc, clrBorder, clrBorder);
}

void CXTPNativeXPTheme::DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDroppedDown)
{
    if (!m_themeComboBox.IsAppThemed()) {
        CXTPDefaultTheme::DrawComboDropButton(pDC, rc, bEnabled, bSelected, bDroppedDown);
        return;
    }
    int nState = !bEnabled ? kStateDisabled : (bDroppedDown ? kStatePressed : (bSelected ? kStateHot : kStateNormal));
    CRect rcButton(rc.left - 2, rc.top + 1, rc.right - 2 - 1, rc.bottom + 1 - 1);
    m_themeComboBox.DrawThemeBackground(pDC->GetSafeHdc(), kComboBoxDropDown, nState, rcButton, nullptr);
}
