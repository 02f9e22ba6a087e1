// What a toolbar answers of itself (text below icons, button size, the
// first control), the add-or-remove list's icons and its merge with the
// initial buttons, the activation a new floating window starts with, and a
// mnemonic typed while one bar tracks that belongs to another bar.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "commandbars/CommandBarsTestSupport.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"

namespace {

const int kFirst = 28900;

// Records the commands it is sent.
class CCommandFrame : public CToolBarFrame
{
public:
    std::vector<UINT> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0 && LOWORD(wParam) >= kFirst && LOWORD(wParam) < kFirst + 10)
            commands.push_back(LOWORD(wParam));
        return CToolBarFrame::WindowProc(message, wParam, lParam);
    }
};

// Records the float status it is told while its window is made.
class CFloatStatusBar : public CXTPToolBar
{
public:
    std::vector<WPARAM> statuses;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_FLOATSTATUS)
            statuses.push_back(wParam);
        return CXTPToolBar::WindowProc(message, wParam, lParam);
    }
};

CXTPControl* AddCaptionButton(CXTPCommandBar* pBar, int nId, LPCWSTR lpszCaption)
{
    CXTPControl* pControl = pBar->GetControls()->Add(new CXTPControlButton(), nId);
    pControl->SetCaption(lpszCaption);
    pControl->SetStyle(xtpButtonCaption);
    pControl->SetFlags(xtpFlagManualUpdate);
    return pControl;
}

std::vector<int> NonTemporaryIds(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (!pBar->GetControl(i)->IsTemporary())
            ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
}

class ToolBarAccessors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CCommandFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 300));
        bars = frame->GetCommandBars();
        bar = bars->Add(L"Standard", xtpBarTop);
        ASSERT_NE(nullptr, bar);
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CCommandFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
    CXTPToolBar* bar = nullptr;
};

} // namespace

TEST_F(ToolBarAccessors, TextBelowIconsFollowsTheOptionAndButtonsAreIconPlusSixOrTheSizeGiven)
{
    EXPECT_FALSE(bar->IsTextBelowIcons());
    bars->GetOptions()->bShowTextBelowIcons = TRUE;
    EXPECT_TRUE(bar->IsTextBelowIcons()) << "the bar's own setting follows the option";
    bars->GetOptions()->bShowTextBelowIcons = FALSE;

    EXPECT_EQ(CSize(22, 22), bar->GetButtonSize()) << "16 x 16 icons and 6 pixels";
    bar->SetIconSize(CSize(24, 24));
    EXPECT_EQ(CSize(30, 30), bar->GetButtonSize());

    CXTPControl* pButton = AddCaptionButton(bar, kFirst, L"Suche");
    frame->Layout();
    int nHeight = pButton->GetRect().Height();
    bar->SetButtonSize(CSize(60, 44));
    EXPECT_EQ(CSize(60, 44), bar->GetButtonSize());
    frame->Layout();
    EXPECT_EQ(44, pButton->GetRect().Height()) << "the layout takes the size given";
    EXPECT_LT(nHeight, 44);
}

TEST_F(ToolBarAccessors, FindControlWithIdMinusOneAnswersTheFirstControl)
{
    EXPECT_EQ(nullptr, bar->GetControls()->FindControl(-1)) << "none in an empty bar";
    CXTPControl* pFirst = AddCaptionButton(bar, kFirst, L"Eins");
    AddCaptionButton(bar, kFirst + 1, L"Zwei");
    EXPECT_EQ(pFirst, bar->GetControls()->FindControl(-1));
}

TEST_F(ToolBarAccessors, AddOrRemoveListGivesSplitButtonsTheirIconAndLeavesTheUsersOrder)
{
    AddCaptionButton(bar, kFirst, L"Eins");
    CXTPControl* pSplit = bar->GetControls()->Add(xtpControlSplitButtonPopup, kFirst + 1);
    pSplit->SetIconId(kFirst + 7);
    AddCaptionButton(bar, kFirst + 2, L"Drei");
    bar->GetControls()->CreateInitialControls();

    CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(bars);
    bar->FillAddOrRemoveList(pList);
    ASSERT_GE(pList->GetControlCount(), 3);
    EXPECT_EQ(kFirst + 7, pList->GetControl(1)->GetIconId()) << "the split button's own icon";
    pList->InternalRelease();

    // The user put the third button first and added one of his own after it.
    bar->GetControls()->MoveAt(2, 0);
    AddCaptionButton(bar, kFirst + 5, L"Eigene")->SetFlags(0);
    bar->GetControls()->MoveAt(bar->GetControlCount() - 1, 1);
    ASSERT_EQ((std::vector<int>{kFirst + 2, kFirst + 5, kFirst, kFirst + 1}), NonTemporaryIds(bar));
    pList = CXTPPopupBar::CreatePopupBar(bars);
    bar->FillAddOrRemoveList(pList);
    EXPECT_EQ((std::vector<int>{kFirst + 2, kFirst + 5, kFirst, kFirst + 1}), NonTemporaryIds(bar))
        << "each initial button once, the bar in the user's order";
    for (int i = 0; i < bar->GetControlCount(); i++)
        EXPECT_EQ(0u, bar->GetControl(i)->GetHideFlags() & xtpHideCustomize) << "none put back hidden";
    pList->InternalRelease();
}

TEST_F(ToolBarAccessors, ANewFloatingWindowStartsActiveWithItsActiveFrame)
{
    ::SetForegroundWindow(frame->GetSafeHwnd());
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    CFloatStatusBar* pBar = new CFloatStatusBar();
    pBar->SetCommandBars(bars);
    ASSERT_TRUE(pBar->Create(frame, TRUE));
    ASSERT_FALSE(pBar->statuses.empty());
    EXPECT_EQ(static_cast<WPARAM>(FS_ACTIVATE), pBar->statuses[0]);
    pBar->DestroyWindow();
    pBar->InternalRelease();
}

TEST_F(ToolBarAccessors, AMnemonicOfAnotherToolbarRunsItsButtonWhileOneTracks)
{
    bars->GetOptions()->keyboardCuesUse = 1;
    AddCaptionButton(bar, kFirst, L"&Suche");
    CXTPToolBar* pExtra = bars->Add(L"Extra", xtpBarTop);
    AddCaptionButton(pExtra, kFirst + 1, L"&Logo");
    frame->Layout();
    ::SetForegroundWindow(frame->GetSafeHwnd());
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    bar->SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    ASSERT_TRUE(bar->IsTrackingMode());

    testinput::SendKey('L');
    EXPECT_TRUE(testpump::PumpUntil([&] { return !frame->commands.empty(); }));
    EXPECT_EQ((std::vector<UINT>{kFirst + 1}), frame->commands) << "the other bar's button ran";
}

// Copies of menu items on a toolbar, their captions naming keys. The
// resource's table: F5 and Ctrl+R run 28101, Ctrl+Shift+S 28102, Alt+X
// 28103; 28104 has no key, though its caption names Ctrl+O.
TEST_F(ToolBarAccessors, TheAddOrRemoveListNamesTheKeysTheTableGivesNowAndACaptionsOwnKey)
{
    CXTPShortcutManager* pShortcuts = bars->GetShortcutManager();
    pShortcuts->SetAccelerators(28001);
    AddCaptionButton(bar, 28101, L"Aktualisieren\tF5");
    AddCaptionButton(bar, 28102, L"Speichern\tCtrl+Shift+S");
    AddCaptionButton(bar, 28104, L"Optionen\tCtrl+O");
    AddCaptionButton(bar, 28103, L"Beenden")->SetShortcutText(L"Eigene");
    auto listed = [&] {
        std::vector<std::wstring> keys;
        CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(bars);
        bar->FillAddOrRemoveList(pList);
        for (int i = 0; i < pList->GetControlCount(); i++)
            if (pList->GetControl(i)->GetID() > 0)
                keys.push_back(pList->GetControl(i)->GetShortcutText().GetString());
        pList->InternalRelease();
        return keys;
    };
    EXPECT_EQ(listed(), (std::vector<std::wstring>{L"F5", L"Ctrl+Shift+S", L"Ctrl+O", L"Eigene"}));

    // Ctrl+Shift+S taken away, Ctrl+R given to 28102 as well.
    ACCEL changed[] = {{FVIRTKEY, VK_F5, 28101}, {FVIRTKEY | FCONTROL, 'R', 28102}};
    ASSERT_TRUE(pShortcuts->UpdateAcceleratorTable(changed, 2));
    EXPECT_EQ(listed(), (std::vector<std::wstring>{L"F5", L"Ctrl+R", L"Ctrl+O", L"Eigene"}))
        << "a text set by the program stays; a caption's key no table names too";
}
