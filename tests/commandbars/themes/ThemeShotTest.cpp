// Every look drawn as the program shows it: dock area with the menu bar and
// the program's toolbar (32 x 32 alpha icons with captions, a right-aligned
// button, the expand button), a toolbar with edit and combo boxes, a toolbar
// docked left, a floating toolbar, an open popup menu and the status bar;
// saved per look and colour scheme to be looked at.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "framework/gdi/CClientDC.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/PaintedWindow.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPOffice2007Theme.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

const XTPButtonStyle kAuto = xtpButtonAutomatic;
const XTPButtonStyle kIcon = xtpButtonIcon;
const XTPButtonStyle kBoth = xtpButtonIconAndCaption;

class CDroppedCombo : public CXTPControlComboBox
{
public:
    void SetDropped() { m_bShownDropped = TRUE; }
    BOOL IsDroppedDown() const override { return m_bShownDropped; }

private:
    BOOL m_bShownDropped = FALSE;
};

// Places the items one after another from `pos` at the sizes the look measures.
int Place(CXTPCommandBar& bar, const ControlSpec* items, int count, int pos, int nFixedWidth = 0)
{
    CClientDC dc(&bar);
    BOOL bColumn = bar.IsVerticalPosition() || bar.GetType() == xtpBarTypePopup;
    int nAcross = bar.GetType() == xtpBarTypePopup ? 2 : 3;
    for (int i = 0; i < count; i++) {
        const ControlSpec& s = items[i];
        CXTPControl* pControl = nullptr;
        if (s.type == xtpControlComboBox)
            pControl = new CDroppedCombo();
        else if (s.type == xtpControlEdit)
            pControl = new CXTPControlEdit();
        else
            pControl = new CThemeTestControl(s.type);
        bar.GetControls()->Add(pControl, s.id);
        ApplySpec(pControl, s);
        if (s.type == xtpControlComboBox && s.pressed)
            static_cast<CDroppedCombo*>(pControl)->SetDropped();
        CXTPFontDC font(&dc, XTPPaintManager()->GetCommandBarFont(&bar));
        CSize size = pControl->GetSize(&dc);
        if (s.beginGroup)
            pos += bar.GetType() == xtpBarTypePopup ? 3 : 6;
        if (bColumn) {
            int w = nFixedWidth ? nFixedWidth : size.cx;
            pControl->SetRect(CRect(nAcross, pos, nAcross + w, pos + size.cy));
            pos += size.cy;
        } else {
            pControl->SetRect(CRect(pos, nAcross, pos + size.cx, nAcross + size.cy));
            pos += size.cx;
        }
    }
    return pos;
}

// A window that paints itself through the current look: dock area or status bar.
class CPaintedArea : public CPaintedWindow
{
public:
    explicit CPaintedArea(BOOL bStatusBar) : m_bStatusBar(bStatusBar) {}

protected:
    void Paint(CPaintDC& dc) override
    {
        if (m_bStatusBar)
            PaintStatusBar(&dc);
        else
            XTPPaintManager()->FillDockBar(&dc, this);
    }

    // Panes and gripper drawn as the status bar will: texts in the status text colour.
    void PaintStatusBar(CDC* pDC)
    {
        CXTPPaintManager* pPaint = XTPPaintManager();
        pPaint->FillStatusBar(pDC, this);
        RECT rc;
        ::GetClientRect(GetSafeHwnd(), &rc);
        const struct
        {
            LPCWSTR text;
            int width;
        } panes[] = {{L"Bereit", 500}, {L"42 Tickets", 120}, {L"NUM", 60}};
        int right = rc.right - 18;
        CXTPFontDC font(pDC, pPaint->GetIconFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(pPaint->m_clrStatusTextColor);
        for (int i = 2; i >= 0; i--) {
            CRect rcPane(i == 0 ? 2 : right - panes[i].width, 2, right, rc.bottom);
            pPaint->DrawStatusBarPaneBorder(pDC, rcPane, FALSE);
            CRect rcText = rcPane;
            rcText.DeflateRect(3, 1);
            pDC->DrawText(panes[i].text, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            right = rcPane.left - 2;
        }
        pPaint->DrawStatusBarGripper(pDC, CRect(rc));
    }

    BOOL m_bStatusBar;
};

testshot::Image ShootEveryBar(LPCWSTR name)
{
    EXPECT_TRUE(XTPImageManager()->SetIconsFromToolBar(IDR_TOOLBAR_ALPHA)) << "the program's toolbar icons";
    CWnd host;
    EXPECT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_APPWORKSPACE)), L"Shot",
                              WS_POPUP | WS_VISIBLE, 0, 0, 900, 520, nullptr, nullptr));
    CPaintedArea dock(FALSE), side(FALSE), status(TRUE);
    CreateChild(dock, host, CRect(0, 0, 900, 106));
    CreateChild(side, host, CRect(0, 106, 42, 494));
    CreateChild(status, host, CRect(0, 494, 900, 520));

    CXTPToolBar menuBar;
    menuBar.SetType(xtpBarTypeMenuBar);
    menuBar.SetBarPosition(xtpBarTop);
    CreateChild(menuBar, dock, CRect(0, 0, 900, 24));
    const ControlSpec menuItems[] = {
        {xtpControlPopup, 0, L"&Datei", kAuto, TRUE, 0, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Ansicht", kAuto, TRUE, 1, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Suche", kAuto, TRUE, 0, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Hilfe", kAuto, TRUE, 0, 0, 0, FALSE},
    };
    Place(menuBar, menuItems, 4, 3);

    // The program's toolbar: 32 x 32 alpha icons with captions.
    CXTPToolBar top;
    top.SetBarPosition(xtpBarTop);
    top.SetBarStyle(CBRS_GRIPPER);
    top.SetIconSize(CSize(32, 32));
    CreateChild(top, dock, CRect(0, 25, 720, 69));
    const ControlSpec topItems[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, kBoth, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, kBoth, FALSE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_INFO_SINGLE_TICKET, nullptr, kBoth, TRUE, 1, 0, 0, TRUE},
        {xtpControlButton, ID_INFO_TST_TICKET, nullptr, kBoth, TRUE, 1, 1, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, kBoth, TRUE, 0, 0, 1, TRUE},
        {xtpControlButton, ID_LOGO, nullptr, kIcon, TRUE, 0, 0, 0, TRUE},
    };
    Place(top, topItems, 6, 9);
    CXTPControl* pRightAligned = top.GetControls()->Add(new CThemeTestControl(xtpControlButton), ID_APP_ABOUT);
    pRightAligned->SetFlags(xtpFlagRightAlign | xtpFlagNoMovable);
    pRightAligned->SetStyle(kIcon);
    pRightAligned->SetRect(CRect(720 - 12 - 39, 3, 720 - 12, 42));
    CXTPControl* pExpand = top.GetControls()->Add(new CThemeTestControl(xtpControlButton), 0);
    XTPPaintManager()->DrawSpecialControl(nullptr, xtpButtonExpandToolbar, pExpand, &top, FALSE, nullptr);
    if (pExpand->GetRect().IsRectEmpty())
        pExpand->SetRect(CRect(720 - 12, 1, 720, 44));

    CXTPToolBar second;
    second.SetBarPosition(xtpBarTop);
    second.SetBarStyle(CBRS_GRIPPER);
    CreateChild(second, dock, CRect(0, 71, 760, 105));
    const ControlSpec secondItems[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, kIcon, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, kIcon, TRUE, 0, 2, 0, FALSE},
        {xtpControlButton, ID_INFO_SINGLE_TICKET, nullptr, kIcon, TRUE, 0, 0, 1, FALSE},
        {xtpControlButton, ID_INFO_TST_TICKET, nullptr, kIcon, TRUE, 1, 0, 1, FALSE},
        {xtpControlButton, ID_LOGO, nullptr, kIcon, FALSE, 0, 0, 1, FALSE},
        {xtpControlSplitButtonPopup, ID_START_SEARCH, L"Suchen", kBoth, TRUE, 1, 0, 0, TRUE},
        {xtpControlPopup, ID_OPTIONS, L"Ansicht", kBoth, TRUE, 0, 0, 0, FALSE},
    };
    int pos = Place(second, secondItems, 7, 9);
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    pEdit->ShowLabel(TRUE);
    second.GetControls()->Add(pEdit, 0);
    pEdit->SetCaption(L"Team:");
    pEdit->SetBeginGroup(TRUE);
    CXTPControlComboBox* pCombo = new CDroppedCombo();
    second.GetControls()->Add(pCombo, 0);
    pCombo->SetSelected(1);
    static_cast<CDroppedCombo*>(pCombo)->SetDropped();
    CXTPControlComboBox* pComboOff = new CXTPControlComboBox();
    second.GetControls()->Add(pComboOff, 0);
    pComboOff->SetComboStyle(1);
    pComboOff->SetCaption(L"Liga");
    pComboOff->SetEnabled(FALSE);
    {
        CClientDC dc(&second);
        for (CXTPControl* pControl : {static_cast<CXTPControl*>(pEdit), static_cast<CXTPControl*>(pCombo),
                                      static_cast<CXTPControl*>(pComboOff)}) {
            CSize size = pControl->GetSize(&dc);
            pos += 6;
            pControl->SetRect(CRect(pos, 5, pos + size.cx, 5 + size.cy));
            pos += size.cx;
        }
    }

    CXTPToolBar left;
    left.SetBarPosition(xtpBarLeft);
    left.SetBarStyle(CBRS_GRIPPER);
    CreateChild(left, side, CRect(0, 2, 40, 260));
    const ControlSpec leftItems[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, kIcon, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, kIcon, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, kIcon, TRUE, 0, 0, 1, TRUE},
        {xtpControlButton, ID_LOGO, nullptr, kIcon, TRUE, 1, 1, 0, FALSE},
        {xtpControlButton, ID_APP_ABOUT, L"Hilfe", xtpButtonCaption, FALSE, 0, 0, 0, TRUE},
    };
    Place(left, leftItems, 5, 11);

    CXTPToolBar floating;
    floating.SetBarPosition(xtpBarFloating);
    floating.SetTitle(L"Suche");
    floating.SetFlags(0xF);
    CreateChild(floating, host, CRect(600, 140, 800, 210));
    const ControlSpec floatingItems[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, kIcon, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, kIcon, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, kIcon, TRUE, 0, 0, 1, TRUE},
    };
    Place(floating, floatingItems, 3, 5);
    for (int i = 0; i < floating.GetControlCount(); i++) {
        CRect rc = floating.GetControl(i)->GetRect();
        rc.OffsetRect(0, 22);
        floating.GetControl(i)->SetRect(rc);
    }

    CXTPPopupBar menu;
    menu.SetBarPosition(xtpBarPopup);
    CreateChild(menu, host, CRect(90, 106, 360, 440));
    const ControlSpec popupItems[] = {
        {xtpControlButton, ID_OPTIONS, L"&Optionen...\tStrg+O", kAuto, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_START_SEARCH, L"Suche &starten\tF5", kAuto, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, 0, L"&Statusleiste", kAuto, TRUE, 0, 0, 1, TRUE},
        {xtpControlButton, 0, L"S&ymbolleiste", kAuto, TRUE, 1, 0, 1, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, L"Suche &anhalten", kAuto, TRUE, 0, 0, 1, FALSE},
        {xtpControlButton, ID_LOGO, L"&Deaktiviert", kAuto, FALSE, 0, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Webseiten", kAuto, TRUE, 0, 0, 0, TRUE},
        {xtpControlSplitButtonPopup, ID_INFO_SINGLE_TICKET, L"&Einzel-Ticket", kAuto, TRUE, 1, 0, 0, FALSE},
        {xtpControlSplitButtonPopup, ID_INFO_TST_TICKET, L"&TST-Ticket", kAuto, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_APP_EXIT, L"Be&enden\tAlt+X", kAuto, TRUE, 0, 0, 0, TRUE},
    };
    int bottom = Place(menu, popupItems, 10, 2, 266);
    CXTPControl* pRare = menu.GetControls()->Add(new CXTPControlButton(), 0);
    pRare->SetCaption(L"Selten benutzt");
    pRare->SetRarelyUsed(TRUE);
    pRare->SetRect(CRect(2, bottom, 268, bottom + 22));
    // The short menu's expand item ("AlwaysShowFullMenus" off).
    CXTPControl* pExpandMenu = menu.GetControls()->Add(new CXTPControlButton(), 0);
    pExpandMenu->SetRect(CRect(2, bottom + 22, 268, bottom + 40));

    testpump::PumpUntilIdle();
    {
        HDC hDC = GetDC(menu.GetSafeHwnd());
        XTPPaintManager()->DrawSpecialControl(CDC::FromHandle(hDC), xtpButtonExpandMenu, pExpandMenu, &menu, TRUE,
                                              nullptr);
        ReleaseDC(menu.GetSafeHwnd(), hDC);
        hDC = GetDC(top.GetSafeHwnd());
        BOOL bHidden = TRUE;
        XTPPaintManager()->DrawSpecialControl(CDC::FromHandle(hDC), xtpButtonExpandToolbar, pExpand, &top, TRUE,
                                              &bHidden);
        ReleaseDC(top.GetSafeHwnd(), hDC);
    }
    RECT rcClient;
    GetClientRect(host.GetSafeHwnd(), &rcClient);
    HDC hHost = GetDC(host.GetSafeHwnd());
    testshot::Image image = testshot::CaptureDC(hHost, rcClient);
    ReleaseDC(host.GetSafeHwnd(), hHost);
    EXPECT_FALSE(testshot::Save(image, name).empty());

    for (CWnd* pWnd : {static_cast<CWnd*>(&menu), static_cast<CWnd*>(&floating), static_cast<CWnd*>(&left),
                       static_cast<CWnd*>(&second), static_cast<CWnd*>(&top), static_cast<CWnd*>(&menuBar),
                       static_cast<CWnd*>(&status), static_cast<CWnd*>(&side), static_cast<CWnd*>(&dock),
                       static_cast<CWnd*>(&host)})
        pWnd->DestroyWindow();
    return image;
}

// A scheme forced for one picture; the classic look comes back afterwards.
class ForcedScheme : public CSchemeScope
{
public:
    explicit ForcedScheme(int nScheme) : CSchemeScope(nScheme) {}
    ~ForcedScheme() { CXTPPaintManager::SetTheme(0); }
};

} // namespace

namespace {

// Points of the picture: the open menu's selected row ("Suche starten")
// right of its text, the menu's body below the items, its icon column
// there, and the top and bottom of the program's toolbar right of its
// buttons.
const POINT kSelectedRow = {250, 141};
const POINT kPopupBody = {250, 400};
const POINT kIconColumn = {100, 400};
const POINT kToolBarTop = {650, 28};
const POINT kToolBarBottom = {650, 64};

int Brightness(COLORREF clr)
{
    return GetRValue(clr) + GetGValue(clr) + GetBValue(clr);
}

} // namespace

TEST(ThemeShot, OfficeXPLook)
{
    ForcedScheme scheme(0);
    CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    testshot::Image image = ShootEveryBar(L"commandbars_theme1.png");
    EXPECT_EQ(XTPPaintManager()->GetColor(COLOR_3DFACE), image.Pixel(600, 10)) << "menu bar in the face colour";
}

TEST(ThemeShot, GradientLooksUnderEachScheme)
{
    for (int nTheme : {xtpThemeOffice2003, xtpThemeWhidbey}) {
        for (int nScheme = 0; nScheme <= 3; nScheme++) {
            ForcedScheme scheme(nScheme);
            CXTPPaintManager::SetTheme(nTheme);
            wchar_t name[64];
            swprintf(name, 64, L"commandbars_theme%d_scheme%d.png", nTheme, nScheme);
            testshot::Image image = ShootEveryBar(name);
            auto* pTheme = static_cast<XTPPaintThemes::CXTPOffice2003Theme*>(XTPPaintManager());
            EXPECT_EQ(nTheme == xtpThemeOffice2003 && nScheme > 0, pTheme->IsLunaApplied()) << nTheme << nScheme;
            // The popup's selected row in the hover fill; the toolbar's body
            // a gradient from light at the top; the icon column set off.
            EXPECT_EQ(pTheme->GetColor(31), image.Pixel(kSelectedRow.x, kSelectedRow.y)) << nTheme << nScheme;
            EXPECT_GT(Brightness(image.Pixel(kToolBarTop.x, kToolBarTop.y)),
                      Brightness(image.Pixel(kToolBarBottom.x, kToolBarBottom.y)))
                << nTheme << nScheme;
            EXPECT_NE(image.Pixel(kPopupBody.x, kPopupBody.y), image.Pixel(kIconColumn.x, kIconColumn.y))
                << nTheme << nScheme;
        }
    }
}

TEST(ThemeShot, NativeLookInTheRunningStyle)
{
    CXTPPaintManager::SetTheme(xtpThemeNativeWinXP);
    testshot::Image image = ShootEveryBar(L"commandbars_theme3.png");
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), image.Pixel(kSelectedRow.x, kSelectedRow.y)) << "selected menu row";
    EXPECT_NE(image.Pixel(kSelectedRow.x, kSelectedRow.y), image.Pixel(kPopupBody.x, kPopupBody.y));
    CXTPPaintManager::SetTheme(0);
}

TEST(ThemeShot, SkinLookWithAndWithoutSkins)
{
    ForcedScheme scheme(0);
    CXTPPaintManager::SetTheme(xtpThemeOffice2007);
    testshot::Image skins = ShootEveryBar(L"commandbars_theme5_skins.png");
    CXTPPaintManager::SetTheme(xtpThemeOffice2007);
    static_cast<CXTPOffice2007Theme*>(XTPPaintManager())->GetImages()->SetResourceModule(
        GetModuleHandleW(L"kernel32.dll"));
    testshot::Image plain = ShootEveryBar(L"commandbars_theme5_plain.png");
    // The skin's warm selection image, the plain look's own fill instead.
    COLORREF clrSkin = skins.Pixel(kSelectedRow.x, kSelectedRow.y);
    COLORREF clrPlain = plain.Pixel(kSelectedRow.x, kSelectedRow.y);
    EXPECT_GT(GetRValue(clrSkin), GetBValue(clrSkin) + 40) << std::hex << clrSkin;
    EXPECT_GT(GetBValue(clrPlain), GetRValue(clrPlain) + 40) << std::hex << clrPlain;
    for (const testshot::Image* pImage : {&skins, &plain}) {
        EXPECT_NE(pImage->Pixel(kSelectedRow.x, kSelectedRow.y), pImage->Pixel(kPopupBody.x, kPopupBody.y));
        EXPECT_GT(Brightness(pImage->Pixel(kToolBarTop.x, kToolBarTop.y)),
                  Brightness(pImage->Pixel(kToolBarBottom.x, kToolBarBottom.y)));
    }
}


TEST(ThemeShot, ClassicLook)
{
    CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    testshot::Image image = ShootEveryBar(L"commandbars_theme0.png");
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), image.Pixel(kSelectedRow.x, kSelectedRow.y)) << "selected menu row";
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), image.Pixel(kPopupBody.x, kPopupBody.y)) << "menu body in the face colour";
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), image.Pixel(600, 10)) << "menu bar in the face colour";
}
