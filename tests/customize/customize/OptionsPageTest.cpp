// The options page: dependent check boxes, options written at once, the
// animation entries, and the group lines as drawn.
#include "customize/customize/CustomizeTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

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

} // namespace
