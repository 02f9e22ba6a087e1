// The command bars manager's core: keyboard cue modes, short-menu command
// sets with auto-hidden popups, Alt+key mnemonics across the menu bar and
// the customize selection notice.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

namespace {

class CCountingButton : public CXTPControlButton
{
public:
    int activations = 0;
    void OnMnemonicActivate() override { activations++; }
};

class CSelectionSite : public CTestSite
{
public:
    int selectionNotices = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CUSTOMIZE_SELCHANGED)
            selectionNotices++;
        return CTestSite::WindowProc(message, wParam, lParam);
    }
};

// Sets the system's keyboard-cue switch for one test and puts it back.
class CSystemCues
{
public:
    explicit CSystemCues(BOOL bShow)
    {
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &m_bOld, 0);
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(bShow)), 0);
    }
    ~CSystemCues() { SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(m_bOld)), 0); }

private:
    BOOL m_bOld = TRUE;
};

CXTPControlPopup* AddPopup(CXTPControls* pControls, std::initializer_list<int> ids)
{
    CXTPControlPopup* pPopup = new CXTPControlPopup();
    pControls->Add(pPopup, 0);
    CXTPPopupBar* pBar = new CXTPPopupBar();
    for (int nId : ids)
        pBar->GetControls()->Add(new CXTPControlButton(), nId);
    pPopup->SetCommandBar(pBar);
    pBar->InternalRelease();
    return pPopup;
}

} // namespace

TEST(Manager, KeyboardCueModes)
{
    CXTPCommandBars commandBars;
    struct Case
    {
        long show;
        BOOL system;
        BOOL visible, onDemand;
    };
    const Case cases[] = {{0, FALSE, TRUE, FALSE}, {1, TRUE, FALSE, FALSE}, {2, TRUE, TRUE, FALSE}, {2, FALSE, FALSE, TRUE}};
    for (const Case& c : cases) {
        CSystemCues system(c.system);
        commandBars.SetKeyboardCuesShow(c.show);
        EXPECT_EQ(c.visible, commandBars.IsKeyboardCuesVisible()) << c.show << " " << c.system;
        EXPECT_EQ(c.onDemand, commandBars.IsKeyboardCuesOnDemand()) << c.show << " " << c.system;
    }
    // On demand: Alt shows them, the end of the last tracking hides them.
    commandBars.ShowKeyboardCues(TRUE);
    EXPECT_TRUE(commandBars.IsKeyboardCuesVisible());
    commandBars.OnTrackingModeChanged(nullptr, FALSE);
    EXPECT_FALSE(commandBars.IsKeyboardCuesVisible());
    commandBars.SetKeyboardCuesShow(1);
    commandBars.ShowKeyboardCues(TRUE);
    EXPECT_FALSE(commandBars.IsKeyboardCuesVisible()) << "mode 1 never shows them";
    commandBars.SetCustomizeMode(TRUE);
    EXPECT_TRUE(commandBars.IsKeyboardCuesVisible()) << "always while customizing";
}

TEST(Manager, HiddenCommandsAndPopupsThatHaveNothingElse)
{
    CXTPCommandBars commandBars;
    CXTPToolBar bar;
    bar.SetCommandBars(&commandBars);
    const UINT hidden[] = {101, 102};
    commandBars.HideCommands(hidden, 2);
    CXTPControlPopup* pAllHidden = AddPopup(bar.GetControls(), {101, 102});
    CXTPControlPopup* pMixed = AddPopup(bar.GetControls(), {101, 103});
    CXTPControlPopup* pEmpty = AddPopup(bar.GetControls(), {});
    EXPECT_TRUE(commandBars.IsControlHidden(pAllHidden));
    EXPECT_FALSE(commandBars.IsControlHidden(pMixed));
    EXPECT_FALSE(commandBars.IsControlHidden(pEmpty));

    commandBars.SetCommandUsed(103);
    EXPECT_FALSE(commandBars.IsCommandHidden(103));
    commandBars.SetCommandUsed(102);
    EXPECT_FALSE(commandBars.IsCommandHidden(102)) << "used commands show again";
    EXPECT_FALSE(commandBars.IsControlHidden(pAllHidden));
    commandBars.ResetUsageData();
    EXPECT_TRUE(commandBars.IsControlHidden(pAllHidden));
    commandBars.GetOptions()->bAutoHideUnusedPopups = FALSE;
    EXPECT_FALSE(commandBars.IsControlHidden(pAllHidden));

    // A popup whose bar (wrongly) holds the popup itself is answered, not looped over.
    commandBars.GetOptions()->bAutoHideUnusedPopups = TRUE;
    CXTPControlPopup* pLoop = AddPopup(bar.GetControls(), {101});
    pLoop->GetCommandBar()->GetControls()->Add(new CXTPControlPopup(), 0);
    static_cast<CXTPControlPopup*>(pLoop->GetCommandBar()->GetControl(1))->SetCommandBar(pLoop->GetCommandBar());
    EXPECT_FALSE(commandBars.IsControlHidden(pLoop));
    static_cast<CXTPControlPopup*>(pLoop->GetCommandBar()->GetControl(1))->SetCommandBar(nullptr);
    bar.SetCommandBars(nullptr);
}

TEST(Manager, AltKeySelectsTheFirstOfTwoMarkedControlsWithoutOpeningIt)
{
    CSelectionSite site;
    ASSERT_TRUE(site.Create(CRect(100, 100, 400, 200)));
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    pCommandBars->SetSite(&site);
    CTestBar* pMenuBar = new CTestBar();
    pMenuBar->SetType(xtpBarTypeMenuBar);
    pMenuBar->SetBarID(1);
    ASSERT_TRUE(pMenuBar->Create(&site, CRect(0, 0, 300, 24)));
    pCommandBars->AppendBar(pMenuBar);
    for (LPCWSTR caption : {L"&Datei", L"&Format", L"&Fenster", L"Favoriten"}) {
        CCountingButton* pButton = new CCountingButton();
        pMenuBar->GetControls()->Add(pButton, 0);
        pButton->SetCaption(caption);
    }
    auto activations = [&](int i) { return static_cast<CCountingButton*>(pMenuBar->GetControl(i))->activations; };

    EXPECT_TRUE(pCommandBars->OnKeyMnemonic('F'));
    EXPECT_EQ(1, pMenuBar->GetSelectedIndex());
    EXPECT_EQ(xtpTrackingKeyboard, pMenuBar->IsTrackingMode());
    EXPECT_EQ(0, activations(1)) << "two controls mark F: selected, not opened";
    EXPECT_TRUE(pCommandBars->OnKeyMnemonic('F'));
    EXPECT_EQ(2, pMenuBar->GetSelectedIndex()) << "the next press moves on";
    EXPECT_TRUE(pCommandBars->OnKeyMnemonic('D'));
    EXPECT_EQ(1, activations(0)) << "a single mark activates";
    EXPECT_FALSE(pCommandBars->OnKeyMnemonic('Q'));

    pCommandBars->GetOptions()->keyboardCuesUse = 2;
    EXPECT_FALSE(pCommandBars->OnKeyMnemonic('D')) << "mnemonics switched off";

    // The customize selection is told to the site once per change.
    pCommandBars->SetCustomizeSelection(pMenuBar->GetControl(0));
    pCommandBars->SetCustomizeSelection(pMenuBar->GetControl(0));
    pCommandBars->SetCustomizeSelection(nullptr);
    EXPECT_EQ(2, site.selectionNotices);

    pMenuBar->EndTracking();
    pMenuBar->DestroyWindow();
    pCommandBars->InternalRelease();
    site.DestroyWindow();
}

TEST(Manager, ActivateNextBarSkipsHiddenBarsAndWraps)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(100, 100, 400, 200)));
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    pCommandBars->SetSite(&site);
    CTestBar* bars[3];
    for (int i = 0; i < 3; i++) {
        bars[i] = new CTestBar();
        bars[i]->SetBarID(100 + i);
        ASSERT_TRUE(bars[i]->Create(&site, CRect(0, i * 30, 300, i * 30 + 24)));
        pCommandBars->AppendBar(bars[i]);
        bars[i]->AddButton(1, CRect(2, 2, 24, 22))->SetHideFlags(1);
        bars[i]->AddButton(2, CRect(24, 2, 46, 22));
    }
    bars[1]->ShowWindow(SW_HIDE);
    bars[1]->SetVisible(FALSE);

    EXPECT_FALSE(pCommandBars->ActivateNextBar(nullptr, 1));
    struct Case
    {
        int from, step;
        BOOL answer;
        int tracking;  // the bar left tracking, -1 for none
        const char* what;
    } cases[] = {
        {0, 0, TRUE, 0, "step 0: the bar itself"},
        {0, 1, TRUE, 2, "the hidden bar is passed over"},
        {2, 1, TRUE, 0, "wraps forward"},
        {0, -1, TRUE, 2, "wraps back"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.answer, pCommandBars->ActivateNextBar(bars[c.from], c.step)) << c.what;
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(i == c.tracking, !!bars[i]->IsTrackingMode()) << c.what << " bar " << i;
            if (i == c.tracking) {
                EXPECT_EQ(1, bars[i]->GetSelectedIndex()) << c.what << ": the first control not hidden";
                bars[i]->EndTracking();
            }
        }
    }
    EXPECT_TRUE(pCommandBars->IsKeyboardCuesVisible()) << "activation shows the cues";
    bars[2]->SetVisible(FALSE);
    bars[2]->ShowWindow(SW_HIDE);
    EXPECT_FALSE(pCommandBars->ActivateNextBar(bars[0], 1)) << "no other visible bar";

    for (CTestBar* pBar : bars)
        pBar->DestroyWindow();
    pCommandBars->InternalRelease();
    site.DestroyWindow();
}
