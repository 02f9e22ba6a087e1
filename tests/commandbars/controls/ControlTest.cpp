// The control base and the push button: texts from the string table, caption
// rules, execution to the site, press tracking with real input.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

class ControlTexts : public testing::Test
{
protected:
    CXTPControlButton m_button;
};

// The popup class serves the types 2 to 4.
class CTypedPopup : public CXTPControlPopup
{
public:
    explicit CTypedPopup(XTPControlType type) { m_controlType = type; }
};

// A button that notes when it is destroyed.
class CMortalButton : public CXTPControlButton
{
public:
    explicit CMortalButton(bool& destroyed) : m_destroyed(destroyed) {}
    ~CMortalButton() override { m_destroyed = true; }

private:
    bool& m_destroyed;
};

class ControlExecution : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 400)));
        m_pBar = new CTestBar();
        ASSERT_TRUE(m_pBar->Create(&m_site, CRect(10, 10, 210, 40)));
        m_pButton = m_pBar->AddButton(ID_START_SEARCH, CRect(2, 2, 25, 25));
        SetForegroundWindow(m_site.GetSafeHwnd());
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        if (m_pBar) {
            m_pBar->DestroyWindow();
            m_pBar->InternalRelease();
        }
        m_site.DestroyWindow();
    }

public:
    CTestSite m_site;
    CTestBar* m_pBar = nullptr;
    CXTPControlButton* m_pButton = nullptr;
};

} // namespace

TEST_F(ControlTexts, StringTableGivesDescriptionTooltipAndCaption)
{
    m_button.SetID(ID_START_SEARCH);
    EXPECT_EQ(CString(L"Startet die Suche nach verfügbaren Tickets"), m_button.GetDescription());
    EXPECT_EQ(CString(L"Suche starten"), m_button.GetTooltip());
    EXPECT_EQ(CString(L"Suche starten"), m_button.GetCaption()) << "an empty caption takes the tooltip";

    m_button.SetCaption(L"&Suchen");
    m_button.SetID(ID_START_SEARCH);
    EXPECT_EQ(CString(L"&Suchen"), m_button.GetCaption()) << "the same id loads nothing again";
    m_button.SetID(ID_STOP_SEARCH);
    EXPECT_EQ(CString(L"&Suchen"), m_button.GetCaption()) << "a caption once set stays";
    EXPECT_EQ(ID_STOP_SEARCH, m_button.GetID());
}

TEST_F(ControlTexts, PromptsAndTabbedCaptionsSplitWhereTheyShould)
{
    struct Case
    {
        LPCWSTR prompt, description, tooltip;
    };
    const Case cases[] = {
        {L"Beendet das Programm\nBeenden", L"Beendet das Programm", L"Beenden"},
        {L"Nur ein Satz", L"Nur ein Satz", L"Nur ein Satz"},
        {L"Satz\nTipp\nRest", L"Satz", L"Tipp"},
        {L"\nTipp", L"", L"Tipp"},
    };
    for (const Case& c : cases) {
        CXTPControlButton button;
        button.SetPrompt(c.prompt);
        EXPECT_EQ(CString(c.description), button.GetDescription()) << c.prompt;
        EXPECT_EQ(CString(c.tooltip), button.GetTooltip()) << c.prompt;
    }
    m_button.SetPrompt(L"Alt\nAlt");
    m_button.SetPrompt(L"");
    EXPECT_EQ(CString(L"Alt"), m_button.GetTooltip()) << "an empty prompt changes nothing";

    m_button.SetCaption(L"&Optionen...\tStrg+O");
    EXPECT_EQ(CString(L"&Optionen..."), m_button.GetCaption());
    EXPECT_EQ(CString(L"Strg+O"), m_button.GetShortcutText());
    m_button.SetShortcutText(L"F9");
    EXPECT_EQ(CString(L"F9"), m_button.GetShortcutText()) << "an explicit shortcut text wins";
    m_button.SetCustomCaption(L"Einstellungen");
    EXPECT_EQ(CString(L"Einstellungen"), m_button.GetCaption());
}

TEST_F(ControlTexts, CaptionShowsByBarStyleAndType)
{
    XTPImageManager()->SetIcon(CXTPImageManagerIconHandle(LoadIconW(nullptr, IDI_APPLICATION)), 61001, CSize(16, 16));
    CXTPPopupBar popupBar;
    CXTPToolBar toolBar;
    struct Case
    {
        CXTPCommandBar* bar;
        XTPControlType type;
        XTPButtonStyle style;
        int id;
        LPCWSTR caption;
        BOOL visible;
    };
    const Case cases[] = {
        {&popupBar, xtpControlButton, xtpButtonIcon, 61001, L"", TRUE},
        {&toolBar, xtpControlButton, xtpButtonCaption, 61001, L"", FALSE},
        {&toolBar, xtpControlButton, xtpButtonIcon, 0, L"Text", FALSE},
        {&toolBar, xtpControlButton, xtpButtonIconAndCaption, 61001, L"Text", TRUE},
        {&toolBar, xtpControlButton, xtpButtonAutomatic, 61001, L"Text", FALSE},
        {&toolBar, xtpControlButton, xtpButtonAutomatic, 61002, L"Text", TRUE},
        {&toolBar, xtpControlPopup, xtpButtonAutomatic, 61001, L"Text", TRUE},
        {&toolBar, xtpControlSplitButtonPopup, xtpButtonAutomatic, 61001, L"Text", FALSE},
    };
    for (const Case& c : cases) {
        CXTPControl* pControl = c.type == xtpControlButton ? static_cast<CXTPControl*>(new CXTPControlButton())
                                                            : new CTypedPopup(c.type);
        c.bar->GetControls()->Add(pControl, c.id);
        pControl->SetStyle(c.style);
        pControl->SetCaption(c.caption);
        EXPECT_EQ(c.visible, pControl->IsCaptionVisible()) << "case " << (&c - cases);
        c.bar->GetControls()->RemoveAll();
    }
}

TEST_F(ControlExecution, ExecutionNotifiesTheSiteThenSendsTheCommand)
{
    CSoundRecorder sounds;
    m_pButton->OnExecute();
    ASSERT_EQ(2u, m_site.received.size());
    EXPECT_EQ(0x2862u, m_site.received[0].message);
    EXPECT_EQ(static_cast<WPARAM>(ID_START_SEARCH), m_site.received[0].wParam);
    EXPECT_EQ(100u, m_site.received[0].code);
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND), m_site.received[1].message);
    EXPECT_EQ(static_cast<WPARAM>(ID_START_SEARCH), m_site.received[1].wParam);
    EXPECT_EQ(0u, m_site.received[1].code) << "lParam 0";
    EXPECT_EQ(2, m_pButton->GetPressed());

    m_site.received.clear();
    m_site.notifyAnswer = 1;
    m_pButton->OnExecute();
    EXPECT_EQ(1u, m_site.received.size()) << "a site that handled the notification gets no command";

    m_site.received.clear();
    m_pButton->SetID(0);
    m_pButton->OnExecute();
    EXPECT_TRUE(m_site.received.empty()) << "id 0 runs nothing";
    testpump::WaitUntil([&] { return !sounds.Played().empty(); });
    ASSERT_FALSE(sounds.Played().empty());
    EXPECT_EQ(std::wstring(L"MenuCommand"), sounds.Played().back());
}

TEST_F(ControlExecution, WaitingPopupCallerReceivesTheIdEvenZero)
{
    int nResult = -1;
    m_pBar->m_dwTrackFlags = XTP_TRACK_RETURNCMD;
    m_pBar->m_pReturnCmd = &nResult;
    m_pButton->OnExecute();
    EXPECT_EQ(ID_START_SEARCH, nResult);
    EXPECT_TRUE(m_site.received.empty()) << "the chosen id goes to the caller only";
    m_pButton->SetID(0);
    m_pButton->OnExecute();
    EXPECT_EQ(0, nResult);
}

TEST_F(ControlExecution, CommandThatFreesBarAndControlIsSurvived)
{
    bool destroyed = false;
    CMortalButton* pButton = new CMortalButton(destroyed);
    m_pBar->GetControls()->Add(pButton, ID_STOP_SEARCH);
    m_site.context = this;
    m_site.onCommand = [](CTestSite* pSite, WPARAM) {
        // As the program's exit command does: the frame frees its bars.
        ControlExecution* pTest = static_cast<ControlExecution*>(pSite->context);
        pTest->m_pBar->DestroyWindow();
        pTest->m_pBar->InternalRelease();
        pTest->m_pBar = nullptr;
    };
    pButton->SetCloseSubMenuOnClick(FALSE);
    pButton->OnExecute();
    EXPECT_TRUE(destroyed) << "freed once the command returned";
    EXPECT_EQ(nullptr, m_pBar);
}

TEST_F(ControlExecution, PressRunsOnlyWhenReleasedOverTheButton)
{
    CPoint ptButton(100 + 10 + 12, 100 + 10 + 12);
    testinput::ClickAt(ptButton);
    testpump::PumpUntil([&] { return m_site.received.size() >= 2; });
    testpump::PumpUntilIdle();
    ASSERT_EQ(2u, m_site.received.size()) << "input was not delivered";
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND), m_site.received[1].message);
    EXPECT_EQ(2, m_pButton->GetPressed()) << "pressed 2 stays until the next update";
    EXPECT_EQ(0, m_pButton->GetSelected());

    m_site.received.clear();
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, ptButton);
    testinput::SendMouse(0, {ptButton.x + 60, ptButton.y + 60});
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, {ptButton.x + 60, ptButton.y + 60});
    testpump::PumpUntil([] { return GetCapture() == nullptr; });
    testpump::PumpUntilIdle();
    EXPECT_TRUE(m_site.received.empty()) << "released after moving out";
    EXPECT_EQ(nullptr, GetCapture());

    m_pButton->SetEnabled(FALSE);
    testinput::ClickAt(ptButton);
    testpump::PumpUntilIdle();
    EXPECT_TRUE(m_site.received.empty()) << "a disabled button ignores the press";
}

TEST_F(ControlExecution, QuitDuringAPressEndsItAndIsKept)
{
    PostQuitMessage(5);
    m_pButton->OnClick(FALSE, CPoint(12, 12));
    EXPECT_TRUE(m_site.received.empty());
    EXPECT_EQ(nullptr, GetCapture());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was lost";
    EXPECT_EQ(5u, msg.wParam);
}

TEST_F(ControlExecution, RemovingFromTheCollectionRenumbersAndReleases)
{
    bool destroyed = false;
    CXTPControls* pControls = m_pBar->GetControls();
    CXTPControl* pSecond = pControls->Add(new CMortalButton(destroyed), 0);
    CXTPControl* pFirst = pControls->Add(new CXTPControlButton(), 0, CString(), 0);
    EXPECT_EQ(pFirst, pControls->GetAt(0));
    EXPECT_EQ(2, pSecond->GetIndex());
    m_pBar->SetSelected(2);
    EXPECT_EQ(1, pSecond->GetSelected());
    pControls->Remove(pFirst);
    EXPECT_EQ(1, pSecond->GetIndex());
    pControls->RemoveAt(1);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(-1, m_pBar->GetSelectedIndex()) << "removing the hot control clears the bar's selection";
    pControls->RemoveAt(7);
    pControls->Remove(nullptr);
    EXPECT_EQ(1, pControls->GetCount());
    EXPECT_EQ(nullptr, pControls->GetAt(-1));
}
