// A change of the system colours or settings: a popup open at that moment
// draws in the new ones at once, and a popup kept while closed shows in
// them when it comes again.
#include <gtest/gtest.h>

#include "PopupTestSupport.h"
#include "support/ChangedSystemColours.h"
#include "support/Screenshot.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"
#include "toolkit/common/popup/XTPPopupPaintManager.h"

using namespace popuptest;
using namespace testcolours;

namespace {

// The icon-title font, which popup texts are written in, changed and told
// to every top-level window (the system tells only of a change that is
// also stored); the earlier one back when it goes.
class CChangedIconTitleFont
{
    static const UINT kStoreAndTell = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

public:
    explicit CChangedIconTitleFont(LONG lfHeight)
    {
        m_bSaved = ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(m_saved), &m_saved, 0) != FALSE;
        LOGFONT lf = m_saved;
        lf.lfHeight = lfHeight;
        m_bChanged = m_bSaved && ::SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(lf), &lf, kStoreAndTell);
    }
    ~CChangedIconTitleFont()
    {
        if (m_bChanged)
            ::SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(m_saved), &m_saved, kStoreAndTell);
    }
    bool IsChanged() const { return m_bChanged; }

private:
    LOGFONT m_saved = {};
    bool m_bSaved = false;
    bool m_bChanged = false;
};

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// What the popup shows on screen now, without asking it to paint again.
testshot::Image OnScreen(CXTPPopupControl& popup)
{
    PumpPending();
    CRect rc;
    popup.GetClientRect(&rc);
    HDC hDC = ::GetDC(popup.GetSafeHwnd());
    testshot::Image shot = testshot::CaptureDC(hDC, rc);
    ::ReleaseDC(popup.GetSafeHwnd(), hDC);
    return shot;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 8)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class PopupColourChange : public testing::Test
{
protected:
    void SetUp() override
    {
        ParkCursor();
        ASSERT_TRUE(owner.CreateOwner());
    }
    void TearDown() override { owner.DestroyWindow(); }

    // Stays until closed, no animation; a caption at the top.
    static void Prepare(CXTPPopupControl& popup, int nTheme)
    {
        popup.SetTheme(nTheme);
        popup.SetShowDelay(0);
        popup.SetPopupSize(CSize(200, 80));
        CXTPPopupItem* pCaption = popup.AddItem(new CXTPPopupItem(CRect(40, 30, 190, 48), L"Neue Tickets"));
        pCaption->SetHyperLink(FALSE);
    }

    COwner owner;
};

} // namespace

TEST_F(PopupColourChange, AnOpenPopupRedrawsInTheNewColoursAtOnce)
{
    CXTPPopupControl classic, office2003;
    Prepare(classic, xtpPopupThemeOffice2000);
    Prepare(office2003, xtpPopupThemeOffice2003);
    CPoint ptAbove = office2003.GetPopupPos();
    ptAbove.y -= 100;
    office2003.SetPopupPos(ptAbove);
    ASSERT_TRUE(classic.Show(&owner));
    ASSERT_TRUE(office2003.Show(&owner));
    const testshot::Image classicBefore = OnScreen(classic);
    ASSERT_EQ(200, classicBefore.width);
    EXPECT_NE(kLight, classicBefore.Pixel(0, 0));

    testshot::Image classicAfter, office2003After;
    {
        CChangedSystemColours colours;
        ASSERT_TRUE(colours.IsChanged());
        classicAfter = OnScreen(classic);
        office2003After = OnScreen(office2003);
    }
    testshot::Save(classicAfter, L"popup_office2000_after_colour_change.png");
    testshot::Save(office2003After, L"popup_office2003_after_colour_change.png");
    ASSERT_EQ(200, classicAfter.width);
    ASSERT_EQ(200, office2003After.width);

    // Office 2000: the raised frame light on the top left, shadow on the
    // bottom right; the face in the body right of the navy strip.
    EXPECT_EQ(kLight, classicAfter.Pixel(0, 0));
    EXPECT_EQ(kShadow, classicAfter.Pixel(199, 79));
    EXPECT_EQ(kFace, classicAfter.Pixel(150, 70));
    // Office 2003 without a visual style: the frame in the shadow colour,
    // the background running down into the face.
    EXPECT_EQ(kShadow, office2003After.Pixel(0, 0));
    EXPECT_TRUE(Near(kFace, office2003After.Pixel(150, 77), 24)) << std::hex << office2003After.Pixel(150, 77);

    // Back to the earlier colours when they return.
    const testshot::Image classicBack = OnScreen(classic);
    EXPECT_EQ(classicBefore.Pixel(0, 0), classicBack.Pixel(0, 0));
    EXPECT_EQ(classicBefore.Pixel(150, 70), classicBack.Pixel(150, 70));
}

TEST_F(PopupColourChange, APopupClosedDuringTheChangeComesBackInTheNewColours)
{
    CXTPPopupControl popup;
    Prepare(popup, xtpPopupThemeOffice2003);
    ASSERT_TRUE(popup.Show(&owner));
    popup.Close();
    ASSERT_EQ(nullptr, popup.GetSafeHwnd());

    testshot::Image shot;
    {
        CChangedSystemColours colours;
        ASSERT_TRUE(colours.IsChanged());
        // What an application's frame does when it hears the change; the
        // closed popup has no window to hear it.
        XTPGetColorManager()->RefreshColors();
        ASSERT_TRUE(popup.Show(&owner));
        shot = OnScreen(popup);
    }
    testshot::Save(shot, L"popup_shown_again_after_colour_change.png");
    ASSERT_EQ(200, shot.width);
    EXPECT_EQ(kShadow, shot.Pixel(0, 0));
    EXPECT_TRUE(Near(kFace, shot.Pixel(150, 77), 24)) << std::hex << shot.Pixel(150, 77);
}

TEST_F(PopupColourChange, AnOpenPopupWritesInTheNewIconTitleFontAtOnce)
{
    CXTPPopupControl popup;
    Prepare(popup, xtpPopupThemeOffice2003);
    ASSERT_TRUE(popup.Show(&owner));
    LOGFONT lf = {};
    popup.GetPaintManager()->m_fntText.GetLogFont(&lf);
    const LONG lfHeight = lf.lfHeight < 0 ? lf.lfHeight - 7 : -18;
    // How far right the caption's text reaches: further in a larger font.
    const CRect rcCaption(40, 30, 190, 48);
    auto captionEnd = [&](const testshot::Image& shot) {
        int nEnd = 0;
        for (int y = rcCaption.top; y < rcCaption.bottom; ++y)
            for (int x = rcCaption.left; x < rcCaption.right; ++x)
                if (Near(RGB(0, 0, 0), shot.Pixel(x, y), 127))
                    nEnd = x > nEnd ? x : nEnd;
        return nEnd - rcCaption.left;
    };
    const int endBefore = captionEnd(OnScreen(popup));
    ASSERT_GT(endBefore, 20);

    LOGFONT lfAfter = {};
    testshot::Image shot;
    {
        CChangedIconTitleFont font(lfHeight);
        ASSERT_TRUE(font.IsChanged());
        shot = OnScreen(popup);
        popup.GetPaintManager()->m_fntText.GetLogFont(&lfAfter);
    }
    testshot::Save(shot, L"popup_after_icon_font_change.png");
    EXPECT_EQ(lfHeight, lfAfter.lfHeight);
    EXPECT_GT(captionEnd(shot), endBefore * 4 / 3);
    popup.GetPaintManager()->m_fntText.GetLogFont(&lfAfter);
    EXPECT_EQ(lf.lfHeight, lfAfter.lfHeight) << "the earlier font back";
    EXPECT_EQ(endBefore, captionEnd(OnScreen(popup)));
}
