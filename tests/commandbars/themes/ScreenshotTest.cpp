// Every control type and state of the classic look on a horizontal toolbar
// (the program's 32 x 32 alpha icons with captions beside them), a vertical
// toolbar and a popup menu, saved as a picture to look at.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "framework/gdi/CClientDC.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

// Places the controls one after another (a row, or a column on vertical and
// popup bars) at the sizes the paint manager measures.
void AddAndPlace(CXTPCommandBar& bar, const ControlSpec* specs, int count, int nFixedWidth = 0)
{
    CClientDC dc(&bar);
    BOOL bColumn = bar.IsVerticalPosition();
    int pos = 3;
    for (int i = 0; i < count; i++) {
        const ControlSpec& s = specs[i];
        CXTPControl* pControl = bar.GetControls()->Add(new CThemeTestControl(s.type), s.id);
        ApplySpec(pControl, s);
        CSize size = pControl->GetSize(&dc);
        if (s.beginGroup)
            pos += bar.GetType() == xtpBarTypePopup ? 8 : 6;
        if (bColumn) {
            int w = nFixedWidth ? nFixedWidth : size.cx;
            pControl->SetRect(CRect(3, pos, 3 + w, pos + size.cy));
            pos += size.cy;
        } else {
            pControl->SetRect(CRect(pos, 3, pos + size.cx, 3 + size.cy));
            pos += size.cx;
        }
    }
}

class CShotHost : public CWnd
{
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            RECT rc;
            ::GetClientRect(GetSafeHwnd(), &rc);
            FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_APPWORKSPACE));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(CommandBarShot, EveryControlTypeAndStateInTheClassicLook)
{
    CXTPPaintManager::SetTheme(0);
    ASSERT_TRUE(XTPImageManager()->SetIconsFromToolBar(IDR_TOOLBAR_ALPHA)) << "the program's toolbar icons";
    CShotHost host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"Shot", WS_POPUP | WS_VISIBLE, 0, 0, 900, 470, nullptr,
                              nullptr));

    // The program's toolbar: 32 x 32 alpha icons, captions beside them.
    CXTPToolBar top;
    top.SetBarPosition(xtpBarTop);
    top.SetIconSize(CSize(32, 32));
    ASSERT_TRUE(CreateChild(top, host, CRect(0, 0, 900, 48)));
    const XTPButtonStyle s3 = xtpButtonIconAndCaption;
    const ControlSpec topSpecs[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, s3, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, s3, FALSE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_INFO_SINGLE_TICKET, nullptr, s3, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, ID_INFO_TST_TICKET, nullptr, s3, TRUE, 1, 1, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, s3, TRUE, 0, 0, 1, TRUE},
        {xtpControlSplitButtonPopup, ID_LOGO, nullptr, xtpButtonIcon, TRUE, 1, 0, 0, TRUE},
        {xtpControlButton, ID_APP_ABOUT, L"&Hilfe", xtpButtonCaption, TRUE, 0, 0, 0, FALSE},
    };
    AddAndPlace(top, topSpecs, 7);

    // Below: 16 x 16 icons scaled from the same images, more types and states,
    // and a caption below its large icon.
    CXTPToolBar second;
    second.SetBarPosition(xtpBarTop);
    ASSERT_TRUE(CreateChild(second, host, CRect(0, 50, 900, 122)));
    const ControlSpec secondSpecs[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, xtpButtonIcon, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, xtpButtonIcon, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, xtpButtonIcon, TRUE, 1, 1, 0, FALSE},
        {xtpControlButton, ID_INFO_SINGLE_TICKET, nullptr, xtpButtonIcon, TRUE, 0, 0, 1, FALSE},
        {xtpControlButton, ID_INFO_TST_TICKET, nullptr, xtpButtonIcon, TRUE, 1, 0, 1, FALSE},
        {xtpControlButton, ID_LOGO, nullptr, xtpButtonIcon, FALSE, 0, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Ansicht", xtpButtonAutomatic, TRUE, 0, 0, 0, TRUE},
        {xtpControlPopup, ID_OPTIONS, nullptr, xtpButtonIcon, TRUE, 1, 0, 0, FALSE},
        {xtpControlSplitButtonPopup, ID_START_SEARCH, L"Suchen", s3, TRUE, 1, 0, 0, FALSE},
        {xtpControlLabel, 0, L"Label:", xtpButtonAutomatic, TRUE, 0, 0, 0, TRUE},
        {xtpControlButton, 0, L"Nur Text", xtpButtonAutomatic, FALSE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_START_SEARCH, L"Neue Suche", xtpButtonIconAndCaptionBelow, TRUE, 1, 0, 0, TRUE},
        {xtpControlPopup, ID_OPTIONS, L"Save As", xtpButtonIconAndCaptionBelow, TRUE, 0, 0, 0, FALSE},
    };
    AddAndPlace(second, secondSpecs, 13);

    // A vertical toolbar.
    CXTPToolBar left;
    left.SetBarPosition(xtpBarLeft);
    ASSERT_TRUE(CreateChild(left, host, CRect(0, 124, 40, 470)));
    const ControlSpec leftSpecs[] = {
        {xtpControlButton, ID_START_SEARCH, nullptr, xtpButtonIcon, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, nullptr, xtpButtonIcon, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, ID_OPTIONS, nullptr, xtpButtonIcon, TRUE, 0, 0, 1, TRUE},
        {xtpControlButton, ID_LOGO, nullptr, s3, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_APP_ABOUT, L"Hilfe", xtpButtonCaption, FALSE, 0, 0, 0, TRUE},
    };
    AddAndPlace(left, leftSpecs, 5);

    // A popup menu.
    CXTPPopupBar menu;
    ASSERT_TRUE(CreateChild(menu, host, CRect(60, 130, 330, 460)));
    const ControlSpec menuSpecs[] = {
        {xtpControlButton, ID_OPTIONS, L"&Optionen...\tStrg+O", xtpButtonAutomatic, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_START_SEARCH, L"Suche &starten", xtpButtonAutomatic, TRUE, 1, 0, 0, FALSE},
        {xtpControlButton, 0, L"&Statusleiste", xtpButtonAutomatic, TRUE, 0, 0, 1, TRUE},
        {xtpControlButton, 0, L"&Symbolleiste", xtpButtonAutomatic, TRUE, 1, 0, 1, FALSE},
        {xtpControlButton, ID_STOP_SEARCH, L"Suche &anhalten", xtpButtonAutomatic, TRUE, 0, 0, 1, FALSE},
        {xtpControlButton, ID_LOGO, L"&Deaktiviert", xtpButtonAutomatic, FALSE, 0, 0, 0, FALSE},
        {xtpControlPopup, 0, L"&Webseiten", xtpButtonAutomatic, TRUE, 0, 0, 0, TRUE},
        {xtpControlSplitButtonPopup, ID_INFO_SINGLE_TICKET, L"&Einzel-Ticket", xtpButtonAutomatic, TRUE, 1, 0, 0,
         FALSE},
        {xtpControlSplitButtonPopup, ID_INFO_TST_TICKET, L"&TST-Ticket", xtpButtonAutomatic, TRUE, 0, 0, 0, FALSE},
        {xtpControlButton, ID_APP_EXIT, L"Be&enden\tAlt+X", xtpButtonAutomatic, TRUE, 0, 0, 0, TRUE},
    };
    AddAndPlace(menu, menuSpecs, 10, 260);
    CXTPControl* pRare = menu.GetControls()->Add(new CXTPControlButton(), 0);
    pRare->SetCaption(L"Selten benutzt");
    pRare->SetRarelyUsed(TRUE);
    CRect rcLast = menu.GetControl(9)->GetRect();
    pRare->SetRect(CRect(3, rcLast.bottom, 263, rcLast.bottom + rcLast.Height()));
    // The short menu's expand item at the bottom.
    CXTPControl* pExpand = menu.GetControls()->Add(new CXTPControlButton(), 0);
    pExpand->SetRect(CRect(3, rcLast.bottom + rcLast.Height(), 263, rcLast.bottom + rcLast.Height() + 18));
    EXPECT_EQ(18, XTPPaintManager()->DrawSpecialControl(nullptr, xtpButtonExpandMenu, pExpand, &menu, FALSE, nullptr).cy);

    // The special glyph buttons.
    CXTPToolBar specials;
    specials.SetBarPosition(xtpBarFloating);
    specials.SetTitle(L"Schwebend");
    ASSERT_TRUE(CreateChild(specials, host, CRect(360, 130, 560, 220)));

    testpump::PumpUntilIdle();
    testshot::Image image = testshot::CaptureWindow(host.GetSafeHwnd());
    {
        // Specials and the expand item are drawn on top, as the bars' own parts would.
        HDC hDC = GetDC(menu.GetSafeHwnd());
        CDC* pDC = CDC::FromHandle(hDC);
        XTPPaintManager()->DrawSpecialControl(pDC, xtpButtonExpandMenu, pExpand, &menu, TRUE, nullptr);
        ReleaseDC(menu.GetSafeHwnd(), hDC);
        hDC = GetDC(specials.GetSafeHwnd());
        pDC = CDC::FromHandle(hDC);
        XTPPaintManager()->FillCommandBarEntry(pDC, &specials);
        XTPPaintManager()->DrawCommandBarGripper(pDC, &specials, TRUE);
        CXTPControlButton glyph;
        specials.GetControls()->Add(&glyph, 0);
        glyph.InternalAddRef();
        const XTPSpecialControl kinds[] = {xtpButtonExpandToolbar, xtpButtonHideFloating, xtpButtonCustomize};
        for (int i = 0; i < 3; i++) {
            glyph.SetRect(CRect(10 + i * 40, 40, 10 + i * 40 + 16, 40 + 22));
            glyph.SetSelected(i == 1);
            XTPPaintManager()->DrawSpecialControl(pDC, kinds[i], &glyph, &specials, TRUE, nullptr);
        }
        specials.GetControls()->RemoveAll();
        ReleaseDC(specials.GetSafeHwnd(), hDC);
    }
    RECT rcClient;
    GetClientRect(host.GetSafeHwnd(), &rcClient);
    HDC hHost = GetDC(host.GetSafeHwnd());
    image = testshot::CaptureDC(hHost, rcClient);
    ReleaseDC(host.GetSafeHwnd(), hHost);
    EXPECT_FALSE(testshot::Save(image, L"commandbars_classic.png").empty());

    // The hot caption button on the program's toolbar is raised.
    CRect rcHot = top.GetControl(2)->GetRect();
    EXPECT_EQ(GetSysColor(COLOR_3DHIGHLIGHT), image.Pixel(rcHot.left, rcHot.top + 3));
    EXPECT_EQ(GetSysColor(COLOR_3DSHADOW), image.Pixel(rcHot.right - 1, rcHot.bottom - 1));

    menu.DestroyWindow();
    left.DestroyWindow();
    second.DestroyWindow();
    top.DestroyWindow();
    specials.DestroyWindow();
    host.DestroyWindow();
}
