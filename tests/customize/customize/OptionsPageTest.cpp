// The options page: dependent check boxes, options written at once, the
// animation entries, and the group lines as drawn.
#include "customize/customize/CustomizeTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <algorithm>

using namespace custtest;

namespace {

struct OptionsPage : BarsTest
{
    CXTPCustomizeSheet* pSheet = nullptr;
    CXTPCustomizeOptionsPage* pPage = nullptr;

    ~OptionsPage() override { Hide(); }
    CXTPCommandBarsOptions* Options() { return pBars->GetOptions(); }
    void Show()
    {
        pSheet = new CXTPCustomizeSheet(pBars, &site);
        pPage = new CXTPCustomizeOptionsPage(pSheet);
        Host(pPage);
    }
    void Hide()
    {
        Unhost();
        delete pPage;
        delete pSheet;
        pPage = nullptr;
        pSheet = nullptr;
    }
    HWND Item(int nID) { return ::GetDlgItem(pPage->GetSafeHwnd(), nID); }
    // A real click on a check box, handled once the box has turned.
    void Click(int nID)
    {
        const LRESULT before = ::SendMessageW(Item(nID), BM_GETCHECK, 0, 0);
        testinput::ClickAt(ctltest::CentreOf(Item(nID)));
        testpump::PumpUntil([&] { return ::SendMessageW(Item(nID), BM_GETCHECK, 0, 0) != before; });
        testpump::PumpUntilIdle();
    }
    BOOL Checked(int nID) { return ::SendMessageW(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

TEST_F(OptionsPage, DependentBoxesFollowTheirMastersAndOptionsChangeAtOnce)
{
    Options()->bAlwaysShowFullMenus = FALSE;
    Options()->bToolBarScreenTips = TRUE;
    Show();
    EXPECT_TRUE(::IsWindowEnabled(Item(XTP_IDC_CHECK_AFTERDELAY)));
    EXPECT_TRUE(::IsWindowEnabled(Item(XTP_IDC_CHECK_SHORTCUTS)));

    Click(XTP_IDC_CHECK_FULL_MENUS);
    EXPECT_TRUE(Options()->bAlwaysShowFullMenus);
    EXPECT_FALSE(::IsWindowEnabled(Item(XTP_IDC_CHECK_AFTERDELAY)));
    Click(XTP_IDC_CHECK_FULL_MENUS);
    EXPECT_FALSE(Options()->bAlwaysShowFullMenus);
    EXPECT_TRUE(::IsWindowEnabled(Item(XTP_IDC_CHECK_AFTERDELAY)));

    Click(XTP_IDC_CHECK_SCREENTTIPS);
    EXPECT_FALSE(Options()->bToolBarScreenTips);
    EXPECT_FALSE(::IsWindowEnabled(Item(XTP_IDC_CHECK_SHORTCUTS)));

    const BOOL bLarge = Options()->bLargeIcons;
    Click(XTP_IDC_CHECK_LARGEICONS);
    EXPECT_EQ(!bLarge, Options()->bLargeIcons);
}

TEST_F(OptionsPage, AnimationComboShowsTheOptionsValue)
{
    struct Case
    {
        long value;
        LPCWSTR text;
    };
    for (const Case& c : {Case{0, L"(Systemstandard)"}, Case{5, L"Ohne"}}) {
        Options()->animationType = c.value;
        Show();
        EXPECT_EQ(CString(c.text), WindowText(Item(XTP_IDC_COMBO_ANIMATION)));
        Hide();
    }
    Show();
    ::SendMessageW(Item(XTP_IDC_COMBO_ANIMATION), CB_SETCURSEL, 3, 0);
    ::SendMessageW(pPage->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(XTP_IDC_COMBO_ANIMATION, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(XTP_IDC_COMBO_ANIMATION)));
    EXPECT_EQ(3, Options()->animationType);
}

TEST_F(OptionsPage, ResetAsksAndNoKeepsTheUsageData)
{
    pBars->HideCommand(700);
    pBars->SetCommandUsed(700);
    Show();
    CString strAsked;
    CDialogScript script({ReadMessage(&strAsked, IDNO)});
    ::SendMessageW(pPage->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(XTP_IDC_BUTTON_RESETDATA, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(XTP_IDC_BUTTON_RESETDATA)));
    EXPECT_FALSE(strAsked.IsEmpty());
    BOOL bUsed = FALSE;
    EXPECT_TRUE(Options()->m_mapUsedCommands.Lookup(700, bUsed));
}

TEST_F(OptionsPage, GroupLineRunsFromAfterTheTextToTheEdge)
{
    Show();
    HWND hLine = Item(XTP_IDC_GROUP_OTHER);
    ::InvalidateRect(hLine, nullptr, TRUE);
    testpump::PumpUntilIdle();
    testshot::Image image = ctltest::Shoot(hLine, L"customize_options_groupline.png");
    ctltest::ShootWindow(pHost->Sheet().GetSafeHwnd(), L"customize_options_page.png");
    ASSERT_GT(image.width, 40);
    const int y = image.height / 2;
    // Near the right edge there is a dark line at mid height, nothing above it.
    const COLORREF clrLine = image.Pixel(image.width - 3, y);
    EXPECT_NE(image.Pixel(image.width - 3, 1), clrLine);
    EXPECT_LT(GetRValue(clrLine) + GetGValue(clrLine) + GetBValue(clrLine), 3 * 0xD0);
}

// Where a group heading's parts lie in its picture: the last column with
// text ink above the line's row, and the first column of the line.
struct GroupLinePlaces
{
    int nLastInk = -1;
    int nLineStart = -1;
};

GroupLinePlaces FindGroupLinePlaces(const testshot::Image& image)
{
    GroupLinePlaces places;
    const COLORREF clrFace = image.Pixel(image.width - 1, 0);
    // The line's row: the one whose last pixel is not the face colour.
    int yLine = -1;
    for (int y = 0; y < image.height && yLine < 0; y++)
        if (image.Pixel(image.width - 2, y) != clrFace)
            yLine = y;
    if (yLine < 0)
        return places;
    const COLORREF clrLine = image.Pixel(image.width - 2, yLine);
    places.nLineStart = image.width - 2;
    while (places.nLineStart > 0 && image.Pixel(places.nLineStart - 1, yLine) == clrLine)
        places.nLineStart--;
    // Text ink: anything but the face colour left of the line, in any row.
    for (int x = 0; x < places.nLineStart; x++)
        for (int y = 0; y < image.height; y++)
            if (image.Pixel(x, y) != clrFace && !(y == yLine && x >= places.nLineStart))
                places.nLastInk = x;
    return places;
}

// The picture with left and right swapped.
testshot::Image Mirrored(const testshot::Image& image)
{
    testshot::Image mirrored = image;
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++)
            std::copy_n(&image.bgra[(y * image.width + x) * 4], 4,
                        &mirrored.bgra[(y * image.width + (image.width - 1 - x)) * 4]);
    return mirrored;
}

TEST_F(OptionsPage, BothGroupLinesStartTheSameSmallDistanceAfterTheirText)
{
    Show();
    for (int nID : {XTP_IDC_GROUP_PERSONALIZED, XTP_IDC_GROUP_OTHER}) {
        HWND hLine = Item(nID);
        ::InvalidateRect(hLine, nullptr, TRUE);
        testpump::PumpUntilIdle();
        const testshot::Image image = ctltest::Shoot(
            hLine, nID == XTP_IDC_GROUP_OTHER ? L"customize_options_group_other.png"
                                              : L"customize_options_group_personalized.png");
        const GroupLinePlaces places = FindGroupLinePlaces(image);
        ASSERT_GT(places.nLastInk, 10) << nID;
        ASSERT_GT(places.nLineStart, places.nLastInk) << nID;
        // Six pixels after the text's measured end, which lies at most a
        // pixel or two past its last ink.
        const int nGap = places.nLineStart - places.nLastInk;
        EXPECT_GE(nGap, 6) << nID;
        EXPECT_LE(nGap, 8) << nID;
    }
}

// Style 0x2000 puts the heading at the right and the line before it; the
// plain right-aligned static style changes nothing.
TEST_F(OptionsPage, TheRightAlignedGroupLineEndsTheSameDistanceBeforeItsText)
{
    Show();
    HWND hLine = Item(XTP_IDC_GROUP_PERSONALIZED);
    const LONG lStyle = ::GetWindowLongW(hLine, GWL_STYLE);
    struct Case
    {
        LONG lAdded;
        bool bMirrored;
        const wchar_t* pszShot;
    };
    for (const Case& c : {Case{0x2000, true, L"customize_options_group_right.png"},
                          Case{SS_RIGHT, false, L"customize_options_group_ss_right.png"}}) {
        ::SetWindowLongW(hLine, GWL_STYLE, lStyle | c.lAdded);
        ::RedrawWindow(pPage->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        testpump::PumpUntilIdle();
        const testshot::Image image = ctltest::Shoot(hLine, c.pszShot);
        const GroupLinePlaces places = FindGroupLinePlaces(c.bMirrored ? Mirrored(image) : image);
        ASSERT_GT(places.nLastInk, 10) << c.lAdded;
        ASSERT_GT(places.nLineStart, places.nLastInk) << c.lAdded;
        const int nGap = places.nLineStart - places.nLastInk;
        EXPECT_GE(nGap, 6) << c.lAdded;
        EXPECT_LE(nGap, 8) << c.lAdded;
    }
    ::SetWindowLongW(hLine, GWL_STYLE, lStyle);
}

} // namespace
