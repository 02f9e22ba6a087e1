// The expand popup's add-or-remove list: an entry per control that hides or
// shows it by the user's hide flag, and the reset entry that asks before
// restoring the toolbar's initial controls and tells the site; the tooltips
// of the special buttons.
#include <gtest/gtest.h>
#include <vector>
#include "ToolBarTestSupport.h"
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

// Handles the customize command: the add-or-remove entries are enabled.
class CResetFrame : public CToolBarFrame
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> resetNotices;
    // The notice takes the bar off the manager.
    bool removeOnReset = false;
    static bool noticeRunning;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == 35001 && nCode == CN_COMMAND && pHandlerInfo != nullptr)
            return TRUE;
        return CToolBarFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_TOOLBAR_RESET) {
            resetNotices.emplace_back(wParam, lParam);
            if (removeOnReset) {
                noticeRunning = true;
                GetCommandBars()->Remove(reinterpret_cast<CXTPToolBar*>(lParam));
                noticeRunning = false;
            }
        }
        return CToolBarFrame::WindowProc(message, wParam, lParam);
    }
};

bool CResetFrame::noticeRunning = false;

// Notes whether it was deleted inside the site's reset handler.
class CWatchedResetBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CWatchedResetBar)

public:
    ~CWatchedResetBar() override { (CResetFrame::noticeRunning ? deletedInNotice : deletedAfterNotice) = true; }
    static bool deletedInNotice;
    static bool deletedAfterNotice;
};
IMPLEMENT_DYNCREATE(CWatchedResetBar, CXTPToolBar)
bool CWatchedResetBar::deletedInNotice = false;
bool CWatchedResetBar::deletedAfterNotice = false;

const wchar_t kAddOrRemove[] = L"Schaltflächen hinzufügen oder entfernen";
const DWORD kLogoFlags = 17;

class ToolBarReset : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CResetFrame();
        ASSERT_TRUE(frame->CreateFrame(900, 300));
        frame->GetCommandBars()->SetSite(frame);
        ASSERT_TRUE(frame->GetCommandBars()->IsCustomizeAvail());
        bar = frame->AddProgramToolBar();
        ASSERT_NE(nullptr, bar);
        // The program's logo control at the row's end: never offered in the list.
        int nLast = bar->GetControlCount() - 1;
        while (nLast > 0 && bar->GetControl(nLast)->IsTemporary())
            nLast--;
        bar->GetControl(nLast)->SetFlags(kLogoFlags);
        bar->GetControls()->CreateInitialControls();
        frame->Layout();
        frame->SetForegroundWindow();
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
        initialIds = VisibleIds();
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd()) {
            frame->GetCommandBars()->ClosePopups();
            frame->DestroyWindow();
        }
    }
    static CRect ScreenRect(CXTPCommandBar* pBar, CXTPControl* pControl)
    {
        CRect rc = pControl->GetRect();
        pBar->ClientToScreen(&rc);
        return rc;
    }
    // Clicks the expand button, the add-or-remove entry, then the bar's
    // entry there; the bar's list.
    CXTPCommandBar* OpenAddOrRemoveList()
    {
        CXTPControl* pExpand = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
        if (!pExpand || !pExpand->IsVisible()) {
            ADD_FAILURE() << "no expand button";
            return nullptr;
        }
        testinput::ClickAt(ScreenRect(bar, pExpand).CenterPoint());
        if (!testpump::PumpUntil([&] {
                return pExpand->GetCommandBar() && pExpand->GetCommandBar()->IsWindowVisible();
            })) {
            ADD_FAILURE() << "the expand popup did not open";
            return nullptr;
        }
        expandPopup = pExpand->GetCommandBar();
        CXTPControl* pEntry = expandPopup->GetControl(expandPopup->GetControlCount() - 1);
        if (!pEntry || pEntry->GetCaption() != kAddOrRemove || !pEntry->GetCommandBar()) {
            ADD_FAILURE() << "no add-or-remove entry";
            return nullptr;
        }
        CXTPCommandBar* pBars = pEntry->GetCommandBar();
        testinput::ClickAt(ScreenRect(expandPopup, pEntry).CenterPoint());
        if (!testpump::PumpUntil([&] { return pBars->GetSafeHwnd() && pBars->IsWindowVisible(); })) {
            ADD_FAILURE() << "the bars list did not open";
            return nullptr;
        }
        CXTPControl* pBarEntry = pBars->GetControl(0);
        if (!pBarEntry || pBarEntry->GetCaption() != L"Standard" || !pBarEntry->GetCommandBar()) {
            ADD_FAILURE() << "no entry for the bar";
            return nullptr;
        }
        CXTPCommandBar* pList = pBarEntry->GetCommandBar();
        testinput::ClickAt(ScreenRect(pBars, pBarEntry).CenterPoint());
        if (!testpump::PumpUntil([&] { return pList->GetSafeHwnd() && pList->IsWindowVisible(); })) {
            ADD_FAILURE() << "the list did not open";
            return nullptr;
        }
        return pList;
    }
    CXTPControl* EntryFor(CXTPCommandBar* pList, int nId)
    {
        for (int i = 0; i < pList->GetControlCount(); i++)
            if (pList->GetControl(i)->GetID() == nId && nId != 0)
                return pList->GetControl(i);
        return nullptr;
    }
    std::vector<int> VisibleIds() const
    {
        std::vector<int> ids;
        for (int i = 0; i < bar->GetControlCount(); i++)
            if (!bar->GetControl(i)->IsTemporary() && !(bar->GetControl(i)->GetHideFlags() & xtpHideCustomize))
                ids.push_back(bar->GetControl(i)->GetID());
        return ids;
    }
    CAnsweringApp app{L"ToolBarResetApp", IDOK};
    CResetFrame* frame = nullptr;
    CXTPToolBar* bar = nullptr;
    CXTPCommandBar* expandPopup = nullptr;
    std::vector<int> initialIds;
};

} // namespace

TEST_F(ToolBarReset, ListHasAnEntryPerControlAndTheResetEntryLast)
{
    CXTPCommandBar* pList = OpenAddOrRemoveList();
    ASSERT_NE(nullptr, pList);
    EXPECT_FALSE(expandPopup->GetControl(expandPopup->GetControlCount() - 1)->GetBeginGroup())
        << "nothing hidden: the entry alone needs no separator";
    // Every control but the logo, then "Zurücksetzen" in a group of its own.
    ASSERT_EQ(static_cast<int>(initialIds.size()), pList->GetControlCount());
    for (size_t i = 0; i + 1 < initialIds.size(); i++) {
        CXTPControl* pEntry = pList->GetControl(static_cast<int>(i));
        EXPECT_EQ(initialIds[i], pEntry->GetID()) << i;
        EXPECT_EQ(bar->GetControl(static_cast<int>(i))->GetCaption(), pEntry->GetCaption()) << i;
        EXPECT_EQ(bar->GetControl(static_cast<int>(i))->GetIconId(), pEntry->GetIconId()) << i;
        EXPECT_TRUE(pEntry->GetChecked()) << i;
    }
    EXPECT_EQ(nullptr, EntryFor(pList, initialIds.back())) << "flags 0x41 keep the logo out";
    CXTPControl* pReset = pList->GetControl(pList->GetControlCount() - 1);
    EXPECT_EQ(CString(L"Zurücksetzen"), pReset->GetCaption());
    EXPECT_TRUE(pReset->GetBeginGroup());
}

TEST_F(ToolBarReset, ClickingAnEntryHidesTheControlAndClickingAgainShowsIt)
{
    const int nId = initialIds[1];
    CXTPCommandBar* pList = OpenAddOrRemoveList();
    ASSERT_NE(nullptr, pList);
    CXTPControl* pEntry = EntryFor(pList, nId);
    ASSERT_NE(nullptr, pEntry);
    testinput::ClickAt(ScreenRect(pList, pEntry).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return !pEntry->GetChecked(); }));
    CXTPControl* pControl = bar->GetControl(1);
    EXPECT_EQ(static_cast<DWORD>(xtpHideCustomize), pControl->GetHideFlags());
    EXPECT_TRUE(pList->IsWindowVisible()) << "the list stays open for the next entry";

    // Opened again: the hidden control is still listed, unchecked, at its place.
    frame->GetCommandBars()->ClosePopups();
    ASSERT_TRUE(testpump::PumpUntil([&] { return !pList->IsWindowVisible(); }));
    pList = OpenAddOrRemoveList();
    ASSERT_NE(nullptr, pList);
    ASSERT_EQ(nId, bar->GetControl(1)->GetID());
    EXPECT_EQ(static_cast<DWORD>(xtpHideCustomize), bar->GetControl(1)->GetHideFlags());
    pEntry = EntryFor(pList, nId);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_FALSE(pEntry->GetChecked());
    testinput::ClickAt(ScreenRect(pList, pEntry).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return pEntry->GetChecked() != FALSE; }));
    EXPECT_EQ(0u, bar->GetControl(1)->GetHideFlags());
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(ToolBarReset, TheListKeepsTheRightAlignedLastControlBehindButtonsTheUserAdded)
{
    const int nLogo = initialIds.back();
    CXTPControl* pLogo = bar->GetControls()->FindControl(nLogo);
    ASSERT_NE(nullptr, pLogo);
    // Dropped by the user: one button before the logo, one behind it; and a
    // button taken off, which the list puts back hidden at its place.
    const int nLogoIndex = pLogo->GetIndex();
    bar->GetControls()->Add(xtpControlButton, 28201, CString(), nLogoIndex)->SetCaption(L"Vor");
    bar->GetControls()->Add(xtpControlButton, 28202, CString(), nLogoIndex + 2)->SetCaption(L"Hinter");
    bar->GetControls()->Remove(bar->GetControl(1));
    frame->Layout();

    CXTPCommandBar* pList = OpenAddOrRemoveList();
    ASSERT_NE(nullptr, pList);
    std::vector<int> expected(initialIds.begin(), initialIds.end() - 1);
    expected.erase(expected.begin() + 1);
    expected.insert(expected.end(), {28201, 28202, nLogo});
    EXPECT_EQ(expected, VisibleIds()) << "the logo stays last";
    EXPECT_EQ(initialIds[1], bar->GetControl(1)->GetID());
    EXPECT_EQ(static_cast<DWORD>(xtpHideCustomize), bar->GetControl(1)->GetHideFlags());
    EXPECT_EQ(bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND)->GetIndex(), bar->GetPopupedIndex())
        << "the expand button is still the open one";

    // Laid out, the logo stands at the bar's right end, behind both buttons.
    frame->GetCommandBars()->ClosePopups();
    ASSERT_TRUE(testpump::PumpUntil([&] { return !pList->IsWindowVisible(); }));
    frame->Layout();
    CRect rcBar;
    bar->GetClientRect(&rcBar);
    CXTPControl* pBehind = bar->GetControls()->FindControl(28202);
    ASSERT_NE(nullptr, pBehind);
    EXPECT_GE(pLogo->GetRect().left, pBehind->GetRect().right);
    EXPECT_GT(pLogo->GetRect().right, rcBar.right - 30) << "right-aligned again";
}

// The list merges the initial controls back: the logo ends up directly
// before the expand button, also in the control order the keyboard walks,
// on an untouched bar and on one the user added buttons to.
TEST_F(ToolBarReset, TheListLeavesTheLogoDirectlyBeforeTheExpandButton)
{
    const int nLogo = initialIds.back();
    struct Case
    {
        const char* name;
        std::vector<int> added;
    } cases[] = {{"untouched", {}}, {"with the user's buttons", {28211, 28212}}};
    for (const Case& c : cases) {
        CXTPControl* pLogo = bar->GetControls()->FindControl(nLogo);
        ASSERT_NE(nullptr, pLogo) << c.name;
        for (int nId : c.added)
            bar->GetControls()->Add(xtpControlButton, nId, CString(), pLogo->GetIndex())->SetCaption(L"Neu");
        frame->Layout();
        CXTPCommandBar* pList = OpenAddOrRemoveList();
        ASSERT_NE(nullptr, pList) << c.name;
        CXTPControl* pExpand = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
        ASSERT_NE(nullptr, pExpand);
        EXPECT_EQ(pExpand->GetIndex() - 1, pLogo->GetIndex()) << c.name;
        frame->GetCommandBars()->ClosePopups();
        ASSERT_TRUE(testpump::PumpUntil([&] { return !pList->IsWindowVisible(); })) << c.name;
        frame->Layout();

        // Right from the button before the logo (the user's last one) reaches the logo.
        CXTPControl* pBefore = bar->GetControl(pLogo->GetIndex() - 1);
        ASSERT_EQ(c.added.empty() ? initialIds[initialIds.size() - 2] : c.added.back(), pBefore->GetID()) << c.name;
        bar->SetTrackingMode(xtpTrackingKeyboard, FALSE, TRUE);
        bar->SetSelected(pBefore->GetIndex(), TRUE);
        testinput::SendKey(VK_RIGHT);
        EXPECT_TRUE(testpump::PumpUntil([&] { return bar->GetSelected() != pBefore; })) << c.name;
        EXPECT_EQ(pLogo, bar->GetSelected()) << c.name;
        testinput::SendKey(VK_RIGHT);
        EXPECT_TRUE(testpump::PumpUntil([&] { return bar->GetSelected() != pLogo; })) << c.name;
        EXPECT_EQ(pExpand, bar->GetSelected()) << c.name << ": then the expand button";
        bar->EndTracking();
        testpump::PumpUntilIdle();
    }
}

TEST_F(ToolBarReset, ResetEntryAsksWithTheTitleAndRestoresOnlyOnOk)
{
    struct Case
    {
        int answer;
        bool restored;
    } cases[] = {{IDCANCEL, false}, {IDOK, true}};
    // The user took two controls off the bar.
    bar->GetControls()->Remove(bar->GetControl(2));
    bar->GetControls()->Remove(bar->GetControl(0));
    bar->OnRecalcLayout();
    std::vector<int> customized = VisibleIds();
    ASSERT_EQ(initialIds.size() - 2, customized.size());
    for (const Case& c : cases) {
        app.answer = c.answer;
        app.prompts.clear();
        frame->resetNotices.clear();
        CXTPCommandBar* pList = OpenAddOrRemoveList();
        ASSERT_NE(nullptr, pList) << c.answer;
        CXTPControl* pReset = pList->GetControl(pList->GetControlCount() - 1);
        testinput::ClickAt(ScreenRect(pList, pReset).CenterPoint());
        ASSERT_TRUE(testpump::PumpUntil([&] { return !app.prompts.empty(); })) << c.answer;
        EXPECT_EQ(CString(L"Sind Sie sicher, dass Sie die Änderungen für die Symbolleiste 'Standard' "
                          L"zurücksetzen möchten?"),
                  app.prompts[0]);
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING), app.types[0]);
        testpump::PumpUntilIdle();
        if (c.restored) {
            EXPECT_EQ(initialIds, VisibleIds());
            ASSERT_EQ(1u, frame->resetNotices.size());
            EXPECT_EQ(0u, frame->resetNotices[0].first);
            EXPECT_EQ(reinterpret_cast<LPARAM>(bar), frame->resetNotices[0].second);
        } else {
            // The list put the removed controls back, hidden: none shows.
            EXPECT_EQ(customized, VisibleIds());
            EXPECT_TRUE(frame->resetNotices.empty());
        }
        frame->GetCommandBars()->ClosePopups();
        ASSERT_TRUE(testpump::PumpUntil([&] { return !pList->IsWindowVisible(); }));
    }
}

TEST_F(ToolBarReset, ResetLeavesUserDefinedAndNotCustomizableBarsAsTheyAre)
{
    struct Case
    {
        BOOL builtIn;
        BOOL customizable;
    } cases[] = {{FALSE, TRUE}, {TRUE, FALSE}};
    for (const Case& c : cases) {
        bar->SetBuiltIn(c.builtIn);
        bar->SetCustomizable(c.customizable);
        bar->GetControls()->Remove(bar->GetControl(0));
        size_t nBefore = VisibleIds().size();
        bar->Reset(TRUE);
        EXPECT_EQ(nBefore, VisibleIds().size()) << c.builtIn;
        EXPECT_TRUE(app.prompts.empty());
        EXPECT_TRUE(frame->resetNotices.empty());
        bar->SetBuiltIn(TRUE);
        bar->SetCustomizable(TRUE);
    }
}

TEST_F(ToolBarReset, ASiteRemovingTheBarWhenToldOfItsResetEndsTheReset)
{
    CXTPToolBar* pWatched = frame->GetCommandBars()->Add(L"Extra", xtpBarTop, RUNTIME_CLASS(CWatchedResetBar));
    ASSERT_NE(nullptr, pWatched);
    ASSERT_TRUE(pWatched->LoadToolBar(IDR_TOOLBAR_ALPHA));
    pWatched->GetControls()->CreateInitialControls();
    pWatched->GetControls()->Remove(pWatched->GetControl(0));
    frame->Layout();
    frame->removeOnReset = true;
    pWatched->Reset(FALSE);
    frame->removeOnReset = false;
    ASSERT_EQ(1u, frame->resetNotices.size());
    EXPECT_FALSE(CWatchedResetBar::deletedInNotice) << "the reset goes on with a bar deleted by the handler";
    EXPECT_TRUE(CWatchedResetBar::deletedAfterNotice) << "the removed bar is deleted once the handler returned";
    EXPECT_EQ(1, frame->GetCommandBars()->GetCount()) << "only the first bar is left";
    frame->Layout();
    EXPECT_EQ(initialIds, VisibleIds()) << "the other bar is untouched";
}

TEST_F(ToolBarReset, SpecialButtonsTellTheirTooltips)
{
    bar->SetPosition(xtpBarFloating);
    bar->OnRecalcLayout();
    struct Case
    {
        int id;
        const wchar_t* tooltip;
    } cases[] = {{XTP_ID_TOOLBAR_EXPAND, L"Optionen für Symbolleisten"}, {XTP_ID_TOOLBAR_HIDE, L"Schließen"}};
    for (const Case& c : cases) {
        CXTPControl* pControl = bar->GetControls()->FindControl(c.id);
        ASSERT_NE(nullptr, pControl) << c.id;
        EXPECT_EQ(CString(c.tooltip), pControl->GetTooltip()) << c.id;
    }
}
