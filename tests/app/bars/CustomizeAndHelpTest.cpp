// The frame's customize sheet with its pages and extra command categories,
// and help through F1: the framework's own message when the help file is
// missing, answered, and the program goes on.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"

#include <commctrl.h>
#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestWindows.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <algorithm>

using namespace barstest;

namespace {

std::vector<CString> TabTitles(HWND hSheet)
{
    std::vector<CString> titles;
    HWND hTabs = ::FindWindowExW(hSheet, nullptr, WC_TABCONTROLW, nullptr);
    const int nCount = (int)::SendMessageW(hTabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t text[64] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendMessageW(hTabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        CString title(text);
        title.Remove(L'&');
        titles.push_back(title);
    }
    return titles;
}

std::vector<CString> ListItems(HWND hList)
{
    std::vector<CString> items;
    const int nCount = (int)::SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t text[128] = L"";
        ::SendMessageW(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// The id of every command a commands list holds (item data are controls).
std::vector<int> ListedCommands(HWND hList)
{
    std::vector<int> ids;
    const int nCount = (int)::SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i)
        if (CXTPControl* pControl = reinterpret_cast<CXTPControl*>(::SendMessageW(hList, LB_GETITEMDATA, i, 0)))
            ids.push_back(pControl->GetID());
    return ids;
}

std::wstring BoxText(HWND hBox)
{
    wchar_t text[512] = L"";
    ::GetDlgItemTextW(hBox, 0xFFFF, text, 512);
    return text;
}

} // namespace

TEST_F(FrameBars, CustomizeSheetHasKeyboardAndOptionsPagesAndTheExtraCategoriesLast)
{
    ShowFrame();
    std::vector<CString> titles, categories;
    std::vector<int> allCommands;
    int nIconPixels = 0;
    CInModal inSheet([&](HWND hSheet) {
        titles = TabTitles(hSheet);
        // The commands page, second of the sheet's own two.
        ::SendMessageW(hSheet, PSM_SETCURSEL, 1, 0);
        HWND hPage = (HWND)::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
        HWND hCategories = ::GetDlgItem(hPage, XTP_IDC_LIST_CATEGORIES);
        categories = ListItems(hCategories);
        const int nAll = (int)::SendMessageW(hCategories, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"Alle Befehle");
        ::SendMessageW(hCategories, LB_SETCURSEL, nAll, 0);
        ::SendMessageW(hPage, WM_COMMAND, MAKEWPARAM(XTP_IDC_LIST_CATEGORIES, LBN_SELCHANGE), (LPARAM)hCategories);
        allCommands = ListedCommands(::GetDlgItem(hPage, XTP_IDC_LIST_COMMANDS));
        testpump::PumpUntilIdle();
        RECT rc;
        ::GetWindowRect(hSheet, &rc);
        HDC hdc = ::GetDC(nullptr);
        const testshot::Image image = testshot::CaptureDC(hdc, rc);
        ::ReleaseDC(nullptr, hdc);
        testshot::Save(image, L"app_customize_sheet.png");
        // The commands list draws the commands' icons.
        RECT rcList;
        ::GetWindowRect(::GetDlgItem(hPage, XTP_IDC_LIST_COMMANDS), &rcList);
        ::OffsetRect(&rcList, -rc.left, -rc.top);
        nIconPixels = apptest::CountPixels(image, rcList, [](COLORREF c) {
            return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) -
                       std::min({GetRValue(c), GetGValue(c), GetBValue(c)}) > 80;
        });
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));

    ASSERT_EQ(titles.size(), 4u);
    EXPECT_EQ(titles[2], CString(L"Tastatur"));
    EXPECT_EQ(titles[3], CString(L"Optionen"));
    EXPECT_EQ(categories, (std::vector<CString>{L"Datei", L"Auswählen", L"Hilfe", L"Alle Befehle",
                                                L"Integrierte Menüs", L"Neues Menü"}));
    EXPECT_GT(nIconPixels, 100);
    EXPECT_NE(std::find(allCommands.begin(), allCommands.end(), ID_START_SEARCH), allCommands.end());
    EXPECT_EQ(std::find(allCommands.begin(), allCommands.end(), ID_FILE_PRINT), allCommands.end());
    EXPECT_EQ(std::find(allCommands.begin(), allCommands.end(), ID_FILE_PRINT_PREVIEW), allCommands.end());
}

TEST_F(FrameBars, F1WithoutAHelpFileShowsTheFrameworksMessageAndTheProgramGoesOn)
{
    ShowFrame();
    std::wstring text;
    CInModal inBox([&](HWND hBox) {
        text = BoxText(hBox);
        ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    });
    testinput::SendKey(VK_F1);
    ASSERT_TRUE(PumpAppUntil([&] { return inBox.HasRun(); })) << "no message";
    EXPECT_EQ(text, L"Die Hilfedatei konnte nicht gefunden werden.");
    EXPECT_TRUE(PumpAppUntil([&] { return testwindows::FindThreadWindow(L"#32770") == nullptr; }));
    EXPECT_TRUE(::IsWindowEnabled(hFrame)) << "the frame takes input again";

    // The toolbar's help button does the same.
    CInModal inSecond([&](HWND hBox) { ::PostMessageW(hBox, WM_COMMAND, IDOK, 0); });
    const CPoint pt = ScreenRect(ToolBarButton(ID_HELP)).CenterPoint();
    ASSERT_TRUE(testinput::MoveMouseAndWait(pt));
    testinput::ClickAt(pt);
    EXPECT_TRUE(PumpAppUntil([&] { return inSecond.HasRun(); }));
}
