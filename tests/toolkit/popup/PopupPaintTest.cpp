// The popup's paint manager and its four themes: item drawing rules,
// theme colours, and screenshots of a notification in each theme.
#include <gtest/gtest.h>

#include "toolkit/images/ImageTestSupport.h"
#include "PopupTestSupport.h"
#include "framework/gdi/CDC.h"
#include "resources/ToolkitImageIds.h"
#include "support/Screenshot.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"
#include "toolkit/common/popup/XTPPopupThemeMSN.h"
#include "toolkit/common/popup/XTPPopupThemeOffice2000.h"
#include "toolkit/common/popup/XTPPopupThemeOffice2003.h"
#include "toolkit/common/popup/XTPPopupThemeOfficeXP.h"

using namespace imagetest;
using namespace popuptest;

namespace {

// The number of pixels an item paints on white.
int PaintedPixels(CXTPPopupPaintManager* pPaintManager, CXTPPopupItem* pItem)
{
    Canvas canvas(200, 40);
    pPaintManager->DrawItem(canvas.DC(), pItem);
    int n = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            n += canvas.Pixel(x, y) != RGB(255, 255, 255);
    return n;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 8)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class PopupPaint : public testing::Test
{
protected:
    void SetUp() override
    {
        ParkCursor();
        ASSERT_TRUE(owner.CreateOwner());
    }
    void TearDown() override { owner.DestroyWindow(); }

    COwner owner;
};

} // namespace

TEST_F(PopupPaint, ItemsDrawOnlyWhatTheyHave)
{
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    CXTPPopupItem* pEmpty = popup.AddItem(new CXTPPopupItem(CRect(0, 0, 200, 40)));
    CXTPPopupItem* pLink = popup.AddItem(new CXTPPopupItem(CRect(0, 0, 200, 40), L"Zur Ticketseite"));
    CXTPPopupItem* pBoldLink = popup.AddItem(new CXTPPopupItem(CRect(0, 0, 200, 40), L"Zur Ticketseite"));
    pBoldLink->SetBold(TRUE);
    CXTPPopupItem* pText = popup.AddItem(new CXTPPopupItem(CRect(0, 0, 200, 40), L"Zur Ticketseite"));
    pText->SetHyperLink(FALSE);
    CXTPPopupPaintManager* pPaint = popup.GetPaintManager();
    EXPECT_EQ(0, PaintedPixels(pPaint, pEmpty));

    int plain = PaintedPixels(pPaint, pLink);
    EXPECT_GT(plain, 0);
    EXPECT_EQ(plain, PaintedPixels(pPaint, pText));
    EXPECT_GT(PaintedPixels(pPaint, pBoldLink), plain); // bold while not hot

    ASSERT_TRUE(popup.Show(&owner));
    // The last item under the mouse becomes hot: make each hot in turn.
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(pText->IsHot());
    EXPECT_EQ(plain, PaintedPixels(pPaint, pText)); // no link: no underline
    pText->SetRect(CRect(0, 0, 0, 0));
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(pBoldLink->IsHot());
    int boldHot = PaintedPixels(pPaint, pBoldLink);
    pBoldLink->SetRect(CRect(0, 0, 0, 0));
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(pLink->IsHot());
    int underlined = PaintedPixels(pPaint, pLink);
    EXPECT_GT(underlined, plain);
    EXPECT_GT(boldHot, underlined);

    // Colours of their own: a background fill and a border.
    CXTPPopupItem coloured(CRect(2, 2, 12, 12), nullptr, RGB(255, 0, 0), RGB(0, 0, 255));
    Canvas canvas(20, 20);
    pPaint->DrawItem(canvas.DC(), &coloured);
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(6, 6));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(12, 12));
}

TEST_F(PopupPaint, ButtonLookFollowsHotAndPressed)
{
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    popup.SetTheme(xtpPopupThemeMSN);
    CXTPPopupItem* pButton = popup.AddItem(new CXTPPopupItem(CRect(10, 10, 30, 30)));
    pButton->SetButton(TRUE);
    ASSERT_TRUE(popup.Show(&owner));
    auto centre = [&]() {
        Canvas canvas(40, 40);
        popup.GetPaintManager()->DrawItem(canvas.DC(), pButton);
        return canvas.Pixel(20, 20);
    };
    EXPECT_EQ(RGB(255, 255, 255), centre());
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    EXPECT_EQ(RGB(194, 238, 255), centre());
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_EQ(RGB(134, 162, 224), centre());
    popup.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(35, 35));
    EXPECT_EQ(RGB(194, 238, 255), centre()); // pressed alone
    ::ReleaseCapture();
}

namespace {

// A notification as the application shows one, in one theme.
void ShowSample(CXTPPopupControl& popup, int nTheme, CWnd* pOwner)
{
    popup.SetTheme(nTheme);
    popup.SetShowDelay(0);
    popup.SetPopupSize(CSize(230, 130));
    bool darkCaption = nTheme == xtpPopupThemeOffice2000 || nTheme == xtpPopupThemeOfficeXP;

    CXTPPopupItem* pCaption = popup.AddItem(new CXTPPopupItem(CRect(8, 5, 200, 22), L"Tavrolin"));
    pCaption->SetBold(TRUE);
    pCaption->SetHyperLink(FALSE);
    pCaption->SetTextAlignment(DT_SINGLELINE | DT_VCENTER);
    if (darkCaption)
        pCaption->SetTextColor(RGB(255, 255, 255));

    CXTPPopupItem* pClose = popup.AddItem(new CXTPPopupItem(CRect(206, 5, 222, 21), L"x"));
    pClose->SetButton(TRUE);
    pClose->SetTextAlignment(DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    if (darkCaption)
        pClose->SetTextColor(RGB(255, 255, 255));

    CXTPPopupItem* pIcon = popup.AddItem(new CXTPPopupItem(CRect(40, 34, 72, 66)));
    CXTPImageManagerIconHandle icon;
    icon.LoadIconResource(IDI_TOOLKIT_APP, 32, 32, TRUE);
    popup.GetImageManager()->SetIcon(icon, static_cast<UINT>(pIcon->GetIconId()));

    CXTPPopupItem* pText = popup.AddItem(
        new CXTPPopupItem(CRect(80, 32, 222, 80), L"Neue Tickets: Spiel 12, Kategorie 1 wieder verfügbar"));
    pText->SetHyperLink(FALSE);
    pText->SetTextAlignment(DT_WORDBREAK | DT_VCENTER);

    CXTPPopupItem* pLink = popup.AddItem(new CXTPPopupItem(CRect(80, 96, 222, 114), L"Zur Ticketseite"));
    pLink->SetID(-2);
    pLink->SetTextColor(RGB(0, 0, 255));

    ASSERT_TRUE(popup.Show(pOwner));
    // The link under the mouse: underlined; the close button hot.
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 104));
}

} // namespace

TEST_F(PopupPaint, ScreenshotsOfTheFourThemes)
{
    const struct
    {
        int theme;
        const wchar_t* file;
    } themes[] = {
        {xtpPopupThemeOffice2000, L"popup_office2000.png"},
        {xtpPopupThemeOfficeXP, L"popup_officexp.png"},
        {xtpPopupThemeOffice2003, L"popup_office2003.png"},
        {xtpPopupThemeMSN, L"popup_msn.png"},
    };
    for (const auto& t : themes)
    {
        CXTPPopupControl popup;
        ShowSample(popup, t.theme, &owner);
        testshot::Image shot = testshot::CaptureWindow(popup.GetSafeHwnd());
        ASSERT_EQ(230, shot.width);
        EXPECT_FALSE(testshot::Save(shot, t.file).empty());
        switch (t.theme)
        {
        case xtpPopupThemeOffice2000:
            EXPECT_TRUE(Near(RGB(0, 0, 128), shot.Pixel(1, 10)));    // caption band starts navy
            EXPECT_EQ(RGB(0, 0, 128), shot.Pixel(10, 100));         // the strip along the body
            EXPECT_EQ(XTPGetColorManager()->GetColor(20), shot.Pixel(0, 0));
            break;
        case xtpPopupThemeOfficeXP:
            EXPECT_EQ(RGB(0, 0, 128), shot.Pixel(10, 100));
            EXPECT_EQ(XTPGetColorManager()->GetColor(16), shot.Pixel(0, 0));
            break;
        case xtpPopupThemeOffice2003:
            EXPECT_EQ(XTPGetColorManager()->GetColor(54), shot.Pixel(0, 0));
            break;
        case xtpPopupThemeMSN:
            EXPECT_EQ(RGB(166, 180, 207), shot.Pixel(0, 0));
            EXPECT_EQ(RGB(69, 86, 144), shot.Pixel(229, 129));
            EXPECT_EQ(RGB(114, 142, 184), shot.Pixel(2, 24)); // the body's frame
            break;
        default: break;
        }
        popup.Close();
    }
}
