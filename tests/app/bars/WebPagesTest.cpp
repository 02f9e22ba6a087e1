// The help menu's web pages: read from the info file at each opening, only
// named web addresses, below a separator, never twice; the placeholder
// itself while customizing; a click hands the address to the browser, and
// only a web address.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/controls/ControlWebPages.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

const int kHelpMenu = 2;

struct Page
{
    const wchar_t* name;
    const wchar_t* url;
};

std::vector<std::pair<CString, CString>> PagesOf(const std::vector<CControlWebPages::WebPage>& pages)
{
    std::vector<std::pair<CString, CString>> result;
    for (const auto& page : pages)
        result.emplace_back(page.strName, page.strUrl);
    return result;
}

std::vector<std::pair<CString, CString>> Expected(std::initializer_list<Page> pages)
{
    std::vector<std::pair<CString, CString>> result;
    for (const Page& page : pages)
        result.emplace_back(page.name, page.url);
    return result;
}

// The web-page entries of an open menu: caption and address.
std::vector<std::pair<CString, CString>> EntriesOf(CXTPCommandBar* pMenu)
{
    std::vector<std::pair<CString, CString>> entries;
    CXTPControls* pControls = pMenu->GetControls();
    for (int i = 0; i < pControls->GetCount(); ++i)
        if (pControls->GetAt(i)->GetID() == ID_WEB_PAGE)
            entries.emplace_back(pControls->GetAt(i)->GetCaption(), pControls->GetAt(i)->GetParameter());
    return entries;
}

} // namespace

TEST(WebPages, OnlyEntriesWithANameAndAWebAddressAreRead)
{
    CInfoFile file;
    const struct
    {
        const char* name;
        std::string document;
        std::vector<std::pair<CString, CString>> pages;
    } cases[] = {
        {"second without Url",
         CInfoFile::Document({{"Spielplan", "http://wm.test/plan"}, {"Ohne Adresse", nullptr},
                              {"Stadien", "https://wm.test/stadien"}}),
         Expected({{L"Spielplan", L"http://wm.test/plan"}, {L"Stadien", L"https://wm.test/stadien"}})},
        {"no name or an empty one", CInfoFile::Document({{nullptr, "http://wm.test/a"}, {"", "http://wm.test/b"}}), {}},
        {"local programs and files",
         CInfoFile::Document({{"Notepad", "C:\\windows\\notepad.exe"}, {"Datei", "file:///C:/boot.ini"},
                              {"Relativ", "wm.test/seite"}, {"Mail", "mailto:info@wm.test"}}),
         {}},
        {"the scheme in capitals", CInfoFile::Document({{"Groß", "HTTP://WM.TEST/"}}), Expected({{L"Groß", L"HTTP://WM.TEST/"}})},
        {"values as attributes",
         "<?xml version=\"1.0\"?><Info CompactMode=\"1\"><WebPage Name=\"Kompakt\" Url=\"http://wm.test/k\"/></Info>",
         Expected({{L"Kompakt", L"http://wm.test/k"}})},
        {"malformed", "<?xml version=\"1.0\"?><Info><WebPage><Name>A</Name><Url>http://wm.test/", {}},
        {"empty", "", {}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        file.Write(test.document);
        EXPECT_EQ(PagesOf(CControlWebPages::ReadWebPages(file.Path())), test.pages);
    }
    ::DeleteFileW(file.Path());
    EXPECT_TRUE(CControlWebPages::ReadWebPages(file.Path()).empty()) << "a missing file";
}

TEST_F(FrameBars, HelpMenuListsThePagesOnceBelowASeparatorAndReadsTheFileAgainAtEachOpening)
{
    CInfoFile file;
    file.Write(CInfoFile::Document(
        {{"Spielplan", "http://wm.test/plan"}, {"Ohne Adresse", nullptr}, {"Stadien", "https://wm.test/stadien"}}));
    ShowFrame();
    for (int opening = 0; opening < 2; ++opening)
    {
        SCOPED_TRACE(opening);
        CXTPPopupBar* pMenu = OpenMenu(kHelpMenu);
        ASSERT_NE(pMenu, nullptr);
        EXPECT_EQ(VisibleIds(pMenu), (std::vector<int>{ID_HELP, ID_WEB_PAGE, ID_WEB_PAGE, ID_ABOUT}));
        EXPECT_EQ(EntriesOf(pMenu), Expected({{L"Spielplan", L"http://wm.test/plan"},
                                              {L"Stadien", L"https://wm.test/stadien"}}));
        CXTPControl* pFirst = pMenu->GetControls()->FindControl(ID_WEB_PAGE);
        ASSERT_NE(pFirst, nullptr);
        EXPECT_TRUE(pFirst->GetBeginGroup());
        EXPECT_TRUE(pFirst->GetEnabled());
        EXPECT_NE(pFirst->GetImage(16), nullptr) << "the web page icon";
        EXPECT_EQ(pFirst->GetTooltip(), CString(L"Spielplan"));
        CloseMenus();
    }

    file.Write(CInfoFile::Document({{"Neu", "http://wm.test/neu"}}));
    CXTPPopupBar* pMenu = OpenMenu(kHelpMenu);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(EntriesOf(pMenu), Expected({{L"Neu", L"http://wm.test/neu"}}));
    CloseMenus();

    file.Write("<Info><WebPage><Name>");
    pMenu = OpenMenu(kHelpMenu);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(VisibleIds(pMenu), (std::vector<int>{ID_HELP, ID_ABOUT}));
}

TEST_F(FrameBars, WhileCustomizingTheHelpMenuShowsThePlaceholderInsteadOfThePages)
{
    CInfoFile file;
    file.Write(CInfoFile::Document({{"Spielplan", "http://wm.test/plan"}}));
    ShowFrame();
    pFrame->GetCommandBars()->SetCustomizeMode(TRUE);
    CXTPPopupBar* pMenu = OpenMenu(kHelpMenu);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(VisibleIds(pMenu), (std::vector<int>{ID_HELP, ID_WEB_PAGES, ID_ABOUT}));
    EXPECT_EQ(pMenu->GetControls()->FindControl(ID_WEB_PAGES)->GetCaption(), CString(L"[Web Pages]"));
    CloseMenus();
    pFrame->GetCommandBars()->SetCustomizeMode(FALSE);
    pMenu = OpenMenu(kHelpMenu);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(VisibleIds(pMenu), (std::vector<int>{ID_HELP, ID_WEB_PAGE, ID_ABOUT}));
}

TEST_F(FrameBars, ClickOnAPageHandsItsAddressToTheBrowser)
{
    frametest::CRecordingBrowser browser;
    ASSERT_TRUE(browser.IsReady());
    CInfoFile file;
    file.Write(CInfoFile::Document({{"Spielplan", "http://wm.test/plan"}, {"Stadien", "http://wm.test/stadien"}}));
    ShowFrame();
    CXTPPopupBar* pMenu = OpenMenu(kHelpMenu);
    ASSERT_NE(pMenu, nullptr);
    CXTPControl* pFirst = pMenu->GetControls()->FindControl(ID_WEB_PAGE);
    ASSERT_NE(pFirst, nullptr);
    CXTPControl* pSecond = pMenu->GetControls()->GetAt(pFirst->GetIndex() + 1);
    ASSERT_EQ(pSecond->GetCaption(), CString(L"Stadien"));

    testshot::Image image = testshot::CaptureWindow(pMenu->GetSafeHwnd());
    EXPECT_FALSE(testshot::Save(image, L"app_help_menu.png").empty());
    // The entries' icon left of their captions, their captions dark.
    const CRect rcEntry = pSecond->GetRect();
    int nColoured = 0;
    for (int x = rcEntry.left; x < rcEntry.left + 24; ++x)
        for (int y = rcEntry.top; y < rcEntry.bottom; ++y)
        {
            const COLORREF c = image.Pixel(x, y);
            nColoured += std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) -
                                 std::min({GetRValue(c), GetGValue(c), GetBValue(c)}) > 60;
        }
    EXPECT_GT(nColoured, 10) << "no icon drawn";

    const CPoint pt = ScreenRect(pSecond).CenterPoint();
    ASSERT_TRUE(testinput::MoveMouseAndWait(pt));
    testinput::ClickAt(pt);
    testpump::PumpUntilIdle();
    EXPECT_EQ(browser.WaitForOpened(), "http://wm.test/stadien");
}

TEST_F(FrameBars, AnEntryThatIsNoWebAddressIsNotOpened)
{
    const struct
    {
        const wchar_t* parameter;
        std::vector<CString> opened;
    } cases[] = {
        {L"C:\\windows\\notepad.exe", {}},
        {L"", {}},
        {L"https://wm.test/", {L"https://wm.test/"}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(CStringA(test.parameter).GetString());
        COpenedPages pages;
        CXTPControlButton* pEntry = new CXTPControlButton;
        pEntry->SetID(ID_WEB_PAGE);
        pEntry->SetParameter(test.parameter);
        NMXTPCONTROL notify = {};
        notify.hdr.idFrom = ID_WEB_PAGE;
        notify.hdr.code = CBN_XTP_EXECUTE;
        notify.pControl = pEntry;
        EXPECT_EQ(pFrame->SendMessage(WM_XTP_CONTROL_NOTIFY, ID_WEB_PAGE, reinterpret_cast<LPARAM>(&notify)), 1)
            << "taken: no command follows";
        EXPECT_EQ(COpenedPages::Opened(), test.opened);
        pEntry->InternalRelease();
    }
}
