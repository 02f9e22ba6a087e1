// The program's toolbar as the user customized it by real input while
// "Anpassen..." runs: controls he dropped keep their places when the bar's
// end drop-down opens (also after a restart), a button he added and
// unticked in the bar's list stays there unticked, and "Nur Text" chosen in
// the customize menu shows a button's caption without its icon.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/SecondProcess.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace barstest;

namespace {

bool IsShownPopup(CXTPCommandBar* pBar)
{
    return pBar != nullptr && pBar->GetSafeHwnd() != nullptr && ::IsWindowVisible(pBar->GetSafeHwnd());
}

// The colours of a button's icon square that the rest of the button (its
// caption on the bar's background) does not have.
std::set<COLORREF> IconColours(const testshot::Image& shot, const CRect& rcButton, int nIconSquare)
{
    std::set<COLORREF> colours;
    for (int y = rcButton.top; y < rcButton.bottom; y++)
        for (int x = rcButton.left; x < rcButton.left + nIconSquare; x++)
            colours.insert(shot.Pixel(x, y));
    for (int y = rcButton.top; y < rcButton.bottom; y++)
        for (int x = rcButton.left + nIconSquare; x < rcButton.right; x++)
            colours.erase(shot.Pixel(x, y));
    return colours;
}

int PixelsOf(const testshot::Image& shot, const CRect& rc, const std::set<COLORREF>& colours)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nCount += colours.count(shot.Pixel(x, y)) != 0 ? 1 : 0;
    return nCount;
}

// Pixels darker than the bar's background: drawn text.
int DarkPixels(const testshot::Image& shot, const CRect& rc)
{
    int nDark = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++) {
            const COLORREF clr = shot.Pixel(x, y);
            nDark += GetRValue(clr) + GetGValue(clr) + GetBValue(clr) < 200 ? 1 : 0;
        }
    return nDark;
}

// A bar's controls for a command, hidden ones too: "shown" or "hidden".
std::vector<std::string> ControlStates(CXTPToolBar* pBar, int nId)
{
    std::vector<std::string> controls;
    CXTPControls* pControls = pBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); i++)
        if (pControls->GetAt(i)->GetID() == nId)
            controls.push_back(pControls->GetAt(i)->GetHideFlags() & xtpHideCustomize ? "hidden" : "shown");
    return controls;
}

CXTPToolBar* BarTitled(CMainFrame* pFrame, LPCWSTR pszTitle)
{
    CXTPCommandBars* pBars = pFrame->GetCommandBars();
    for (int i = 0; i < pBars->GetCount(); i++)
        if (pBars->GetAt(i)->GetTitle() == pszTitle)
            return pBars->GetAt(i);
    return nullptr;
}

const wchar_t kUntickedSecondProcess[] = L"TAVROLIN_UNTICKED_BUTTONS_SECOND_PROCESS";

class UsersToolBar : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // "Anpassen..." as the frame's command; the step runs in the open sheet,
    // which is then closed.
    void Customize(const std::function<void(CXTPCustomizeSheet&)>& step)
    {
        bool bStepRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
            if (pSheet != nullptr) {
                step(*pSheet);
                bStepRun = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bStepRun);
    }

    // The commands page's tab and one of its categories clicked; its
    // commands list.
    static CListBox& ShowCategory(CXTPCustomizeSheet& sheet, LPCWSTR pszCategory)
    {
        ShowPageByClick(sheet.GetSafeHwnd(), 1, XTP_IDC_LIST_CATEGORIES);
        const bool bSel = ClickCategory(*sheet.GetCommandsPage(), pszCategory);
        EXPECT_TRUE(bSel) << "the category was not chosen";
        return sheet.GetCommandsPage()->GetCommandsList();
    }

    // Drags the entry of a category's commands list that pick chooses onto a
    // point of the toolbar and waits for the new control; FALSE when none came.
    bool DropOnToolBar(CXTPCustomizeSheet& sheet, LPCWSTR pszCategory,
                       const std::function<int(CListBox&)>& pick, CPoint ptDrop)
    {
        CListBox& commands = ShowCategory(sheet, pszCategory);
        const int nEntry = pick(commands);
        if (nEntry < 0)
            return false;
        CRect rc;
        commands.GetItemRect(nEntry, &rc);
        POINT pt = rc.CenterPoint();
        commands.ClientToScreen(&pt);
        const int nCount = ToolBar()->GetControlCount();
        testinput::QueueDrag(pt, ptDrop);
        const bool bAdded = testpump::PumpUntil([&] { return ToolBar()->GetControlCount() > nCount; });
        testpump::PumpUntilIdle();
        if (!bAdded)
            DescribeLostDrop(pt, ptDrop);
        return bAdded;
    }

    // What lay where a drag that added nothing started and ended, and the
    // screen then: a drop lost under a loaded machine names its road.
    static void DescribeLostDrop(POINT ptFrom, POINT ptTo)
    {
        auto describe = [](POINT pt) {
            HWND hWnd = ::WindowFromPoint(pt);
            wchar_t cls[64] = L"", title[64] = L"";
            ::GetClassNameW(hWnd, cls, 64);
            ::GetWindowTextW(::GetAncestor(hWnd, GA_ROOT), title, 64);
            return testing::PrintToString(std::wstring(cls) + L" in \"" + title + L"\"");
        };
        POINT ptCursor = {};
        ::GetCursorPos(&ptCursor);
        ADD_FAILURE() << "the drag from " << ptFrom.x << "," << ptFrom.y << " (" << describe(ptFrom) << ") to "
                      << ptTo.x << "," << ptTo.y << " (" << describe(ptTo) << ") added nothing; pointer at "
                      << ptCursor.x << "," << ptCursor.y << ", capture " << ::GetCapture() << ", left button "
                      << (::GetAsyncKeyState(VK_LBUTTON) < 0 ? "down" : "up");
        testshot::Save(testshot::CaptureScreen({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}),
                       L"app_users_toolbar_drop_lost.png");
    }

    // The toolbar's controls that are not temporary, by caption and command.
    std::vector<std::wstring> Order() const
    {
        std::vector<std::wstring> order;
        CXTPControls* pControls = ToolBar()->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
            if (!pControls->GetAt(i)->IsTemporary())
                order.push_back(std::wstring(pControls->GetAt(i)->GetCaption().GetString()) + L"#" +
                                std::to_wstring(pControls->GetAt(i)->GetID()));
        return order;
    }

    // The bar's end drop-down (the frame's toolbar's when none is named)
    // clicked open, its add-or-remove entry and the bar's own list opened by
    // clicks; inList runs in the shown list, then the menus are closed with Esc.
    void InListByClicks(const std::function<void(CXTPCommandBar*)>& inList, CXTPToolBar* pBar = nullptr)
    {
        CXTPControl* pExpand = (pBar ? pBar : ToolBar())->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
        if (pExpand == nullptr) {
            ADD_FAILURE() << "no drop-down at the bar's end";
            return;
        }
        CXTPCommandBar* pBarsList = nullptr;
        CXTPCommandBar* pList = nullptr;
        RunSteps({{[pExpand] { return IsShownPopup(pExpand->GetCommandBar()); },
                   [&, pExpand] {
                       CXTPCommandBar* pPopup = pExpand->GetCommandBar();
                       CXTPControl* pEntry = pPopup->GetControl(pPopup->GetControlCount() - 1);
                       pBarsList = pEntry->GetCommandBar();
                       testinput::ClickAt(ScreenRect(pEntry).CenterPoint());
                   }},
                  {[&] { return IsShownPopup(pBarsList); },
                   [&] {
                       CXTPControl* pStandard = pBarsList->GetControl(0);
                       pList = pStandard->GetCommandBar();
                       testinput::ClickAt(ScreenRect(pStandard).CenterPoint());
                   }},
                  {[&] { return IsShownPopup(pList); },
                   [&] {
                       inList(pList);
                       testinput::SendKeys({VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
                   }}});
        testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
        EXPECT_TRUE(testpump::PumpUntil([&] { return StepsDone() && !IsShownPopup(pExpand->GetCommandBar()); }));
        testpump::PumpUntilIdle();
    }

    // The list's entries by caption and command (the reset entry left out).
    std::vector<std::wstring> ListByClicks()
    {
        std::vector<std::wstring> listed;
        InListByClicks([&](CXTPCommandBar* pList) {
            for (int i = 0; i < pList->GetControlCount(); i++)
                if (pList->GetControl(i)->GetCaption() != L"Zurücksetzen")
                    listed.push_back(std::wstring(pList->GetControl(i)->GetCaption().GetString()) + L"#" +
                                     std::to_wstring(pList->GetControl(i)->GetID()));
        });
        return listed;
    }

    // The list's entries for a command: "ticked" or "unticked" each.
    std::vector<std::string> EntriesOfByClicks(int nId, CXTPToolBar* pBar = nullptr)
    {
        std::vector<std::string> entries;
        InListByClicks(
            [&](CXTPCommandBar* pList) {
                for (int i = 0; i < pList->GetControlCount(); i++)
                    if (pList->GetControl(i)->GetID() == nId)
                        entries.push_back(pList->GetControl(i)->GetChecked() ? "ticked" : "unticked");
            },
            pBar);
        return entries;
    }

    // The entry of a command in the bar's list clicked, which ticks or
    // unticks it; waits until the bar's control follows.
    void ClickEntryByClicks(int nId, CXTPToolBar* pBar)
    {
        InListByClicks(
            [&](CXTPCommandBar* pList) {
                CXTPControl* pEntry = pList->GetControls()->FindControl(nId);
                if (pEntry == nullptr)
                    return;
                const std::vector<std::string> before = ControlsOf(nId, pBar);
                testinput::ClickAt(ScreenRect(pEntry).CenterPoint());
                testpump::PumpUntil([&] { return ControlsOf(nId, pBar) != before; });
            },
            pBar);
    }

    // The bar's controls for a command, hidden ones too: "shown" or "hidden".
    std::vector<std::string> ControlsOf(int nId, CXTPToolBar* pBar = nullptr) const
    {
        return ControlStates(pBar ? pBar : ToolBar(), nId);
    }

    // The drop-down at the bar's end clicked open and closed with Esc.
    void OpenAndEscTheDropDown()
    {
        CXTPControl* pExpand = ToolBarButton(XTP_ID_TOOLBAR_EXPAND);
        ASSERT_NE(nullptr, pExpand);
        testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
        ASSERT_TRUE(testpump::PumpUntil([&] { return IsShownPopup(pExpand->GetCommandBar()); }));
        testpump::PumpUntilIdle();
        testinput::SendKey(VK_ESCAPE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return !IsShownPopup(pExpand->GetCommandBar()); }));
        testpump::PumpUntilIdle();
    }

    // The program ended through its frame and started again, the new frame
    // as wide as the first.
    void Restart()
    {
        FrameBars::Restart();
        if (HasFatalFailure())
            return;
        pFrame->SetWindowPos(nullptr, 0, 0, 1200, 560, SWP_NOMOVE | SWP_NOZORDER);
        testpump::PumpUntilIdle();
    }

    // The toolbar drawn now, the mouse away from it.
    testshot::Image ToolBarShot(const wchar_t* pszName)
    {
        testinput::MoveMouseAndWait(WindowRectOf(frametest::ViewOf(pFrame)).CenterPoint());
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
        const testshot::Image shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
        testshot::Save(shot, pszName);
        return shot;
    }
};

} // namespace

TEST_F(UsersToolBar, TheEndDropDownLeavesTheControlsTheUserDroppedWhereHeDroppedThem)
{
    ShowFrame();
    pFrame->SetWindowPos(nullptr, 0, 0, 1200, 560, SWP_NOMOVE | SWP_NOZORDER);
    testpump::PumpUntilIdle();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    CXTPControl* pOptions = ToolBarButton(ID_OPTIONS);
    CXTPControl* pHelp = ToolBarButton(ID_HELP);
    ASSERT_TRUE(pStart && pOptions && pHelp);
    bool bDropped = false;
    Customize([&](CXTPCustomizeSheet& sheet) {
        const auto first = [](CListBox&) { return 0; };
        const auto second = [](CListBox&) { return 1; };
        const auto refresh = [](CListBox& list) {
            for (int i = 0; i < list.GetCount(); i++)
                if (reinterpret_cast<CXTPControl*>(list.GetItemData(i))->GetID() == ID_REFRESH_STATISTIC)
                    return i;
            return -1;
        };
        // A new menu before "Optionen", a command between the first two
        // buttons, a built-in menu behind "Hilfe" (before the logo).
        const CRect rcOptions = ScreenRect(pOptions);
        bDropped = DropOnToolBar(sheet, L"Neues Menü", first, CPoint(rcOptions.left + 4, rcOptions.CenterPoint().y));
        const CRect rcStart = ScreenRect(pStart);
        bDropped = bDropped &&
                   DropOnToolBar(sheet, L"Datei", refresh, CPoint(rcStart.right - 3, rcStart.CenterPoint().y));
        const CRect rcHelp = ScreenRect(pHelp);
        bDropped = bDropped && DropOnToolBar(sheet, L"Integrierte Menüs", second,
                                             CPoint(rcHelp.right - 3, rcHelp.CenterPoint().y));
    });
    ASSERT_TRUE(bDropped) << "a drop did not reach the toolbar";
    const std::vector<std::wstring> made = Order();
    // The place of the first entry that holds the text.
    auto at = [&made](const std::wstring& part) {
        return std::find_if(made.begin(), made.end(),
                            [&part](const std::wstring& entry) { return entry.find(part) != std::wstring::npos; }) -
               made.begin();
    };
    std::wstring shown;
    for (const std::wstring& entry : made)
        shown += entry + L" ";
    ASSERT_EQ(at(L"Neues Menü#"), at(L"#" + std::to_wstring(ID_OPTIONS)) - 1)
        << "the new menu before the options: " << testing::PrintToString(shown);
    ASSERT_EQ(at(L"#" + std::to_wstring(ID_REFRESH_STATISTIC)), at(L"#" + std::to_wstring(ID_START_SEARCH)) + 1);
    ASSERT_EQ(static_cast<long>(made.size()) - 1, at(L"#" + std::to_wstring(ID_LOGO))) << "the logo last";

    OpenAndEscTheDropDown();
    EXPECT_EQ(made, Order()) << "after the drop-down";
    std::vector<std::wstring> listed = made;
    listed.pop_back(); // the logo is not offered
    EXPECT_EQ(listed, ListByClicks()) << "the list shows the bar's order";
    EXPECT_EQ(made, Order()) << "after the list";

    Restart();
    EXPECT_EQ(made, Order()) << "after a restart";
    OpenAndEscTheDropDown();
    EXPECT_EQ(made, Order()) << "after the drop-down, restarted";
}

TEST_F(UsersToolBar, NurTextShowsTheCaptionWithoutTheIconAlsoAfterARestart)
{
    ShowFrame();
    const int ids[] = {ID_INFO_TST_TICKET, ID_OPTIONS};
    const testshot::Image before = ToolBarShot(L"app_toolbar_before_text_only.png");
    const int nIconSquare = ToolBar()->GetIconSize().cx + 7;
    std::map<int, std::set<COLORREF>> iconColours;
    std::map<int, int> widthBefore;
    for (int nID : ids) {
        const CRect rc = ToolBarButton(nID)->GetRect();
        iconColours[nID] = IconColours(before, rc, nIconSquare);
        widthBefore[nID] = rc.Width();
        ASSERT_GT(PixelsOf(before, rc, iconColours[nID]), 100) << nID << ": an icon to leave out";
    }
    bool bChosen = true;
    Customize([&](CXTPCustomizeSheet& sheet) {
        for (int nID : ids) {
            CXTPControl* pButton = ToolBarButton(nID);
            testinput::ClickAt(ScreenRect(pButton).CenterPoint());
            testpump::PumpUntil([&] { return Bars()->GetDragControl() == pButton; });
            testpump::PumpUntilIdle();
            CXTPPopupBar* pMenu = sheet.GetContextMenu();
            RunSteps({{[pMenu] { return pMenu->IsTrackingMode() && ::IsWindowVisible(pMenu->GetSafeHwnd()); },
                       [this, pMenu] {
                           CXTPControl* pItem = pMenu->GetControls()->FindControl(XTP_ID_CUSTOMIZE_TEXTONLY);
                           testinput::ClickAt(ScreenRect(pItem).CenterPoint());
                       }}});
            testinput::ClickAt(ScreenRect(pButton).CenterPoint(), true);
            bChosen = testpump::PumpUntil([&] { return StepsDone() && pButton->GetStyle() == xtpButtonCaption; }) &&
                      bChosen;
            testpump::PumpUntilIdle();
        }
    });
    ASSERT_TRUE(bChosen) << "\"Nur Text\" was not taken";

    for (int pass = 0; pass < 2; pass++) {
        const char* route = pass == 0 ? "chosen" : "after a restart";
        const testshot::Image shot =
            ToolBarShot(pass == 0 ? L"app_toolbar_text_only.png" : L"app_toolbar_text_only_restarted.png");
        for (int nID : ids) {
            CXTPControl* pButton = ToolBarButton(nID);
            ASSERT_NE(nullptr, pButton) << route;
            EXPECT_EQ(xtpButtonCaption, pButton->GetStyle()) << route;
            const CRect rc = pButton->GetRect();
            EXPECT_EQ(0, PixelsOf(shot, rc, iconColours[nID])) << route << ", " << nID << ": no icon colours";
            EXPECT_EQ(widthBefore[nID] - (nIconSquare - 4), rc.Width()) << route << ", " << nID << ": no room for it";
            EXPECT_GT(DarkPixels(shot, rc), 30) << route << ", " << nID << ": the caption";
        }
        if (pass == 0)
            Restart();
    }
}

TEST_F(UsersToolBar, HilfeUntickedAndDraggedBackIsOneTickedEntryAlsoAfterARestart)
{
    ShowFrame();
    pFrame->SetWindowPos(nullptr, 0, 0, 1200, 560, SWP_NOMOVE | SWP_NOZORDER);
    testpump::PumpUntilIdle();
    ASSERT_NE(nullptr, ToolBarButton(ID_HELP));

    // Unticked in the list: the button leaves the bar.
    InListByClicks([&](CXTPCommandBar* pList) {
        CXTPControl* pEntry = pList->GetControls()->FindControl(ID_HELP);
        if (pEntry == nullptr)
            return;
        testinput::ClickAt(ScreenRect(pEntry).CenterPoint());
        testpump::PumpUntil([&] { return ControlsOf(ID_HELP) == std::vector<std::string>{"hidden"}; });
    });
    ASSERT_EQ((std::vector<std::string>{"hidden"}), ControlsOf(ID_HELP));

    // Dragged back from the commands page, in front of "Suche starten".
    bool bDropped = false;
    Customize([&](CXTPCustomizeSheet& sheet) {
        const auto help = [](CListBox& list) {
            for (int i = 0; i < list.GetCount(); i++)
                if (reinterpret_cast<CXTPControl*>(list.GetItemData(i))->GetID() == ID_HELP)
                    return i;
            return -1;
        };
        const CRect rcStart = ScreenRect(ToolBarButton(ID_START_SEARCH));
        bDropped = DropOnToolBar(sheet, L"Hilfe", help, CPoint(rcStart.left + 3, rcStart.CenterPoint().y));
    });
    ASSERT_TRUE(bDropped) << "the drop did not reach the toolbar";
    EXPECT_EQ((std::vector<std::string>{"shown"}), ControlsOf(ID_HELP)) << "the sheet leaves one to store";
    EXPECT_LT(ToolBarButton(ID_HELP)->GetIndex(), ToolBarButton(ID_START_SEARCH)->GetIndex()) << "where dropped";

    EXPECT_EQ((std::vector<std::string>{"ticked"}), EntriesOfByClicks(ID_HELP)) << "the list";
    Restart();
    EXPECT_EQ((std::vector<std::string>{"shown"}), ControlsOf(ID_HELP)) << "after a restart";
    EXPECT_EQ((std::vector<std::string>{"ticked"}), EntriesOfByClicks(ID_HELP)) << "the list after a restart";

    // A layout stored with a hidden twin beside the shown button (as an
    // earlier version left it) loads without a second entry.
    CXTPControl* pHelp = ToolBarButton(ID_HELP);
    ToolBar()->GetControls()->AddClone(pHelp, -1, FALSE)->SetHideFlag(xtpHideCustomize, TRUE);
    ToolBar()->GetControls()->MoveAt(ToolBar()->GetControlCount() - 1, pHelp->GetIndex() + 2);
    ASSERT_EQ((std::vector<std::string>{"shown", "hidden"}), ControlsOf(ID_HELP));
    Restart();
    ASSERT_EQ((std::vector<std::string>{"shown", "hidden"}), ControlsOf(ID_HELP)) << "stored and loaded twice";
    EXPECT_EQ((std::vector<std::string>{"ticked"}), EntriesOfByClicks(ID_HELP)) << "the list of the loaded layout";
    EXPECT_EQ((std::vector<std::string>{"shown"}), ControlsOf(ID_HELP));
    // The bar shows the one button with its blue icon, first.
    const testshot::Image shot = ToolBarShot(L"app_toolbar_help_brought_back.png");
    const CRect rcHelp = ToolBarButton(ID_HELP)->GetRect();
    int nBlue = 0;
    for (int y = rcHelp.top; y < rcHelp.bottom; y++)
        for (int x = rcHelp.left; x < rcHelp.right; x++) {
            const COLORREF clr = shot.Pixel(x, y);
            nBlue += GetBValue(clr) > 120 && GetRValue(clr) < 100 ? 1 : 0;
        }
    EXPECT_GT(nBlue, 60) << "the help icon";
    EXPECT_LT(rcHelp.right, ToolBarButton(ID_START_SEARCH)->GetRect().left + 1);
}

// The next process of the program, started by the test below: the buttons
// the user added and unticked are stored hidden, and their bars' lists (as
// the drop-downs fill them) hold them unticked.
TEST(FrameBarsRestart, SecondProcessFindsTheUntickedButtons)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kUntickedSecondProcess, flag, 8))
        << "runs as the second process of UsersToolBar.AButtonAddedAndUntickedStaysListedUnticked...";
    CLaterProcess later;
    CMainFrame* pFrame = later.Frame();
    ASSERT_NE(pFrame, nullptr);
    const std::vector<std::string> hidden = {"hidden"}, unticked = {"unticked"};
    const struct
    {
        const char* bar;
        CXTPToolBar* pBar;
        int nId;
    } buttons[] = {{"Standard", pFrame->GetStandardToolBar(), ID_REFRESH_STATISTIC},
                   {"Eigene", BarTitled(pFrame, L"Eigene"), ID_ABOUT}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.bar);
        ASSERT_NE(nullptr, button.pBar);
        EXPECT_EQ(hidden, ControlStates(button.pBar, button.nId));
        CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(pFrame->GetCommandBars());
        button.pBar->FillAddOrRemoveList(pList);
        std::vector<std::string> entries;
        for (int i = 0; i < pList->GetControlCount(); i++)
            if (pList->GetControl(i)->GetID() == button.nId)
                entries.push_back(pList->GetControl(i)->GetChecked() ? "ticked" : "unticked");
        pList->InternalRelease();
        EXPECT_EQ(unticked, entries) << "the list";
        EXPECT_EQ(hidden, ControlStates(button.pBar, button.nId)) << "after the list";
    }
}

// A command the user put on a bar and then unticked in the bar's list is
// the user's: it stays on the bar, hidden, and in the list, unticked,
// whenever the list opens, after the customize sheet and in the next runs.
// On the frame's toolbar the command is not one of its initial buttons; on
// a bar of the user's there are none.
TEST_F(UsersToolBar, AButtonAddedAndUntickedStaysListedUntickedAfterTheSheetAndARestart)
{
    ShowFrame();
    pFrame->SetWindowPos(nullptr, 0, 0, 1200, 560, SWP_NOMOVE | SWP_NOZORDER);
    testpump::PumpUntilIdle();
    CXTPToolBar* pOwn = AddFloatingUserBar();
    ASSERT_NE(nullptr, pOwn);
    // Below the frame: a click into the frame lifts it over its floating
    // bars (no window manager here), and the user's bar is clicked after.
    pOwn->SetWindowPos(nullptr, 300, 640, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    ASSERT_EQ(nullptr, ToolBarButton(ID_REFRESH_STATISTIC)) << "not one of the toolbar's own buttons";

    // "Statistik aktualisieren" dragged from the commands page behind "Suche starten".
    bool bDropped = false;
    Customize([&](CXTPCustomizeSheet& sheet) {
        const auto refresh = [](CListBox& list) {
            for (int i = 0; i < list.GetCount(); i++)
                if (reinterpret_cast<CXTPControl*>(list.GetItemData(i))->GetID() == ID_REFRESH_STATISTIC)
                    return i;
            return -1;
        };
        const CRect rcStart = ScreenRect(ToolBarButton(ID_START_SEARCH));
        bDropped = DropOnToolBar(sheet, L"Datei", refresh, CPoint(rcStart.right - 3, rcStart.CenterPoint().y));
    });
    ASSERT_TRUE(bDropped) << "the drop did not reach the toolbar";
    const std::vector<std::string> shown = {"shown"}, hidden = {"hidden"}, unticked = {"unticked"};
    ASSERT_EQ(shown, ControlsOf(ID_REFRESH_STATISTIC));

    // Unticked in the lists of both bars.
    ClickEntryByClicks(ID_REFRESH_STATISTIC, ToolBar());
    ClickEntryByClicks(ID_ABOUT, pOwn);
    ASSERT_EQ(hidden, ControlsOf(ID_REFRESH_STATISTIC));
    ASSERT_EQ(hidden, ControlsOf(ID_ABOUT, pOwn));

    const auto expectUnticked = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(hidden, ControlsOf(ID_REFRESH_STATISTIC)) << "on the toolbar";
        EXPECT_EQ(hidden, ControlsOf(ID_ABOUT, pOwn)) << "on the user's bar";
        EXPECT_EQ(unticked, EntriesOfByClicks(ID_REFRESH_STATISTIC)) << "the toolbar's list";
        EXPECT_EQ(unticked, EntriesOfByClicks(ID_ABOUT, pOwn)) << "the list of the user's bar";
    };
    expectUnticked("the lists opened again");
    Customize([](CXTPCustomizeSheet&) {});
    expectUnticked("after the sheet");
    Restart();
    pOwn = BarTitled(pFrame, L"Eigene");
    ASSERT_NE(nullptr, pOwn) << "the user's bar after a restart";
    // Back below the frame, where the clicks below reach it.
    ASSERT_EQ(CPoint(300, 640), WindowRectOf(pOwn).TopLeft()) << "the user's bar's place after a restart";
    expectUnticked("after a restart");

    // Ended with Alt+X: the next process finds them so.
    ::SetForegroundWindow(hFrame);
    frametest::ViewOf(pFrame)->SetFocus();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";
    const DWORD code = testprocess::RunTestInChild(L"FrameBarsRestart.SecondProcessFindsTheUntickedButtons",
                                                   kUntickedSecondProcess, L"1");
    EXPECT_EQ(code, 0u) << "the next process lost an unticked button";
}
