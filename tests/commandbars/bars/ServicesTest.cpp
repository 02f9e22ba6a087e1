// The idle-time update of a bar's controls through the site's command
// handlers, and the status text of the selection.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CCmdUI.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"

namespace {

const UINT ID_HANDLED = 40001;     // command and update handler: disabled
const UINT ID_CHECKED = 40002;     // command and update handler: enabled, checked
const UINT ID_COMMAND_ONLY = 40003; // command handler only
const UINT ID_NOTHING = 40004;      // no handler at all
const UINT ID_CONTRARY = 40005;     // update handler: disables, then checks
const UINT ID_REDRAWS = 40006;      // update handler: keeps the state, asks for a repaint

class CHandlingSite : public CTestSite
{
public:
    std::vector<CString> statusTexts;
    std::vector<WPARAM> idleMessages;
    int contraryCheck = 1;

protected:
    void OnHandled() {}
    void OnUpdateHandled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
    // As a custom control's setter that changes only its looks does.
    void OnUpdateRedraws(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        if (CXTPControl* pControl = static_cast<CXTPCommandBar::CXTPCommandBarCmdUI*>(pCmdUI)->GetControl())
            pControl->RedrawParent();
    }
    void OnUpdateContrary(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(contraryCheck);
    }
    LRESULT OnSetMessageString(WPARAM, LPARAM lParam)
    {
        statusTexts.push_back(reinterpret_cast<LPCWSTR>(lParam));
        return 0;
    }
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM)
    {
        idleMessages.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHandlingSite, CTestSite)
    ON_COMMAND(ID_HANDLED, OnHandled)
    ON_COMMAND(ID_CHECKED, OnHandled)
    ON_COMMAND(ID_COMMAND_ONLY, OnHandled)
    ON_UPDATE_COMMAND_UI(ID_HANDLED, OnUpdateHandled)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_CONTRARY, OnUpdateContrary)
    ON_UPDATE_COMMAND_UI(ID_REDRAWS, OnUpdateRedraws)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
END_MESSAGE_MAP()

// Counts the layouts the idle update asks for.
class CCountingBar : public CTestBar
{
public:
    int layouts = 0;
    void OnRecalcLayout() override { layouts++; }
};

class Services : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 400, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 300, 30)));
        int x = 2;
        for (UINT nId : {ID_HANDLED, ID_CHECKED, ID_COMMAND_ONLY, ID_NOTHING})
            m_bar.AddButton(static_cast<int>(nId), CRect(x, 2, x + 23, 25)), x += 23;
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    CXTPControl* Control(int i) { return m_bar.GetControl(i); }

    CHandlingSite m_site;
    CCountingBar m_bar;
};

} // namespace

TEST_F(Services, IdleUpdateAsksTheSitesHandlers)
{
    Control(0)->SetChecked(1);
    m_bar.OnIdleUpdateCmdUI(FALSE, 0);
    EXPECT_FALSE(Control(0)->GetEnabled());
    EXPECT_EQ(0, Control(0)->GetChecked()) << "disabling unchecks";
    EXPECT_EQ(1, Control(1)->GetChecked());
    EXPECT_TRUE(Control(2)->GetEnabled());
    EXPECT_TRUE(Control(3)->GetEnabled()) << "without a handler only disabled when asked";

    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_TRUE(Control(2)->GetEnabled()) << "a command handler keeps it enabled";
    EXPECT_FALSE(Control(3)->GetEnabled());

    Control(0)->SetFlags(xtpFlagManualUpdate);
    Control(0)->SetEnabled(TRUE);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_TRUE(Control(0)->GetEnabled()) << "flag 8: the owner manages the state";

    m_bar.SetNoUpdate(TRUE);
    Control(1)->SetChecked(0);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_EQ(0, Control(1)->GetChecked()) << "a popup tracked without notifications is left alone";
    m_bar.SetNoUpdate(FALSE);

    CXTPCommandBars commandBars;
    m_bar.SetCommandBars(&commandBars);
    commandBars.SetCustomizeMode(TRUE);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_TRUE(Control(3)->GetEnabled()) << "everything is enabled for customizing";
    m_bar.SetCommandBars(nullptr);
}

TEST_F(Services, IdleUpdateReachesWindowsPlacedOnTheBar)
{
    // Placed on the bar as a dialog bar places its dialog.
    auto child = [&](LPCWSTR lpszClass, DWORD dwStyle, UINT nId, int x) {
        return ::CreateWindowExW(0, lpszClass, L"", WS_CHILD | WS_VISIBLE | dwStyle, x, 2, 40, 20,
                                 m_bar.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), nullptr,
                                 nullptr);
    };
    HWND hHandled = child(L"EDIT", 0, ID_HANDLED, 100);
    HWND hChecked = child(L"BUTTON", BS_CHECKBOX, ID_CHECKED, 150);
    HWND hNothing = child(L"BUTTON", BS_PUSHBUTTON, ID_NOTHING, 200);
    ASSERT_TRUE(hHandled && hChecked && hNothing);
    ::EnableWindow(hChecked, FALSE);

    m_bar.SendMessage(WM_IDLEUPDATECMDUI, FALSE, 0);
    EXPECT_FALSE(::IsWindowEnabled(hHandled)) << "its update handler disables it";
    EXPECT_TRUE(::IsWindowEnabled(hChecked));
    EXPECT_EQ(BST_CHECKED, ::SendMessageW(hChecked, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(::IsWindowEnabled(hNothing)) << "without a handler only disabled when asked";
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(::IsWindowEnabled(hNothing)) << "a command button without a handler";

    // A hidden bar is not updated, its windows neither.
    ::EnableWindow(hHandled, TRUE);
    m_bar.ShowWindow(SW_HIDE);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(::IsWindowEnabled(hHandled));
    for (HWND hWnd : {hHandled, hChecked, hNothing})
        ::DestroyWindow(hWnd);
}

TEST_F(Services, IdleUpdateLeavesInputWindowsWithoutAHandlerAsTheyAre)
{
    // A dialog bar's dialog: only its command buttons stand for commands.
    struct Child
    {
        LPCWSTR lpszClass;
        DWORD dwStyle;
        BOOL bEnabledAfter;
        const char* what;
    };
    const Child children[] = {
        {L"EDIT", ES_AUTOHSCROLL, TRUE, "text input"},
        {L"COMBOBOX", CBS_DROPDOWN, TRUE, "combo box"},
        {L"BUTTON", BS_AUTOCHECKBOX, TRUE, "automatic check box"},
        {L"BUTTON", BS_CHECKBOX, TRUE, "check box"},
        {L"BUTTON", BS_3STATE, TRUE, "three-state check box"},
        {L"BUTTON", BS_RADIOBUTTON, TRUE, "radio button"},
        {L"BUTTON", BS_AUTORADIOBUTTON, TRUE, "automatic radio button"},
        {L"BUTTON", BS_GROUPBOX, TRUE, "group box"},
        {L"BUTTON", BS_PUSHBUTTON, FALSE, "push button"},
        {L"BUTTON", BS_DEFPUSHBUTTON, FALSE, "default push button"},
        {L"BUTTON", BS_OWNERDRAW, FALSE, "owner-drawn push button"},
    };
    std::vector<HWND> windows;
    UINT nId = 41000;
    for (const Child& c : children)
        windows.push_back(::CreateWindowExW(0, c.lpszClass, L"", WS_CHILD | WS_VISIBLE | c.dwStyle, 2, 2, 40, 20,
                                            m_bar.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId++)),
                                            nullptr, nullptr));
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    for (size_t i = 0; i < windows.size(); i++) {
        ASSERT_TRUE(windows[i] != nullptr) << children[i].what;
        EXPECT_EQ(children[i].bEnabledAfter, ::IsWindowEnabled(windows[i])) << children[i].what;
    }

    for (HWND hWnd : windows)
        ::DestroyWindow(hWnd);
}

// A bar updated while it had no windows on it still reaches the ones that
// arrive afterwards: made on it, or placed there by a hosted control.
TEST_F(Services, IdleUpdateReachesWindowsThatCameAfterAnUpdateWithoutAny)
{
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);

    HWND hMade = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 100, 2, 40, 20,
                                   m_bar.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_HANDLED)),
                                   nullptr, nullptr);
    ASSERT_TRUE(hMade);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(::IsWindowEnabled(hMade)) << "a window made on the bar";
    ::DestroyWindow(hMade);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);

    CWnd hosted;
    ASSERT_TRUE(hosted.CreateEx(0, L"BUTTON", L"", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 40, 20), &m_site, ID_HANDLED));
    auto* pCustom = new CXTPControlCustom();
    m_bar.GetControls()->Add(pCustom, 0);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    pCustom->SetControl(&hosted);
    // Placed by a layout the frame runs, not by one the bar waited for.
    pCustom->SetRect(CRect(150, 2, 190, 22));
    ASSERT_EQ(m_bar.GetSafeHwnd(), ::GetParent(hosted.GetSafeHwnd()));
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(hosted.IsWindowEnabled()) << "a window a hosted control placed on the bar";
    m_bar.GetControls()->Remove(pCustom);
    hosted.DestroyWindow();
}

// Disabling unchecks; a handler that checks again afterwards leaves the
// button as it was, which needs no repaint at every idle time.
TEST_F(Services, AnUpdateThatEndsWhereItBeganRepaintsNothing)
{
    m_bar.AddButton(static_cast<int>(ID_CONTRARY), CRect(94, 2, 117, 25));
    CXTPControl* pContrary = Control(4);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_FALSE(pContrary->GetEnabled());
    EXPECT_EQ(1, pContrary->GetChecked());

    for (int round = 0; round < 2; round++) {
        ::ValidateRect(m_bar.GetSafeHwnd(), nullptr);
        m_bar.OnIdleUpdateCmdUI(TRUE, 0);
        EXPECT_FALSE(::GetUpdateRect(m_bar.GetSafeHwnd(), nullptr, FALSE)) << "round " << round;
        EXPECT_EQ(1, pContrary->GetChecked());
    }

    m_site.contraryCheck = 2;
    ::ValidateRect(m_bar.GetSafeHwnd(), nullptr);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_EQ(2, pContrary->GetChecked());
    EXPECT_TRUE(::GetUpdateRect(m_bar.GetSafeHwnd(), nullptr, FALSE)) << "a state the handler changed repaints";
}

// A handler that leaves enabled and checked as they were but asks for a
// repaint gets it.
TEST_F(Services, AnUpdateThatAsksForARepaintIsRepaintedThoughItsStateStays)
{
    m_bar.AddButton(static_cast<int>(ID_REDRAWS), CRect(94, 2, 117, 25));
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    for (int round = 0; round < 2; round++) {
        ::ValidateRect(m_bar.GetSafeHwnd(), nullptr);
        m_bar.OnIdleUpdateCmdUI(TRUE, 0);
        EXPECT_TRUE(::GetUpdateRect(m_bar.GetSafeHwnd(), nullptr, FALSE)) << "round " << round;
        EXPECT_TRUE(Control(4)->GetEnabled());
    }
}

// The frame's first showing updates its bars before any idle time.
TEST_F(Services, InitialUpdateAsksTheHandlersAndDisablesUnhandled)
{
    m_bar.SendMessage(WM_INITIALUPDATE, 0, 0);
    EXPECT_FALSE(Control(0)->GetEnabled());
    EXPECT_EQ(1, Control(1)->GetChecked());
    EXPECT_TRUE(Control(2)->GetEnabled());
    EXPECT_FALSE(Control(3)->GetEnabled()) << "no handler: disabled, as in every update on the frame's behalf";
}

TEST_F(Services, OneLayoutAndOneRedrawPerIdle)
{
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    int before = m_bar.layouts;
    Control(0)->SetCaption(L"Neu");
    Control(1)->SetBeginGroup(TRUE);
    Control(2)->SetDefaultItem(TRUE);
    Control(3)->SetEnabled(TRUE);
    EXPECT_EQ(XTP_BAR_PENDING_LAYOUT | XTP_BAR_PENDING_REDRAW, m_bar.GetPendingFlags());
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_EQ(before + 1, m_bar.layouts);
    EXPECT_EQ(0u, m_bar.GetPendingFlags());
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_EQ(before + 1, m_bar.layouts) << "nothing pending, no layout";

    m_bar.ShowWindow(SW_HIDE);
    Control(0)->SetCaption(L"Alt");
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_EQ(before + 1, m_bar.layouts) << "hidden bars are not updated";
}

TEST_F(Services, SelectionShowsTheDescriptionOrTheIdleMessage)
{
    Control(0)->SetDescription(L"Beschreibung");
    m_bar.SetSelected(0);
    m_bar.SetSelected(3);
    m_bar.SetSelected(-1);
    EXPECT_EQ(std::vector<CString>{L"Beschreibung"}, m_site.statusTexts);
    EXPECT_EQ((std::vector<WPARAM>{AFX_IDS_IDLEMESSAGE, AFX_IDS_IDLEMESSAGE, AFX_IDS_IDLEMESSAGE}),
              m_site.idleMessages)
        << "deselecting and a control without description show the idle message";
}

TEST_F(Services, TipsCarryTheShortcutOnceHoweverOftenAsked)
{
    CXTPCommandBars commandBars;
    m_bar.SetCommandBars(&commandBars);
    commandBars.GetOptions()->bToolBarAccelTips = TRUE;
    Control(0)->SetTooltip(L"Statistik aktualisieren");
    Control(0)->SetShortcutText(L"F5");
    CPoint ptOver = Control(0)->GetRect().CenterPoint();
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(static_cast<INT_PTR>(ID_HANDLED), m_bar.OnToolHitTest(ptOver, &info));
    EXPECT_EQ(CString(L"Statistik aktualisieren (F5)"), CString(info.lpszText));
    EXPECT_EQ(CString(L"Statistik aktualisieren"), Control(0)->GetTooltip()) << "the control's own tip is kept";

    EXPECT_EQ(-1, m_bar.OnToolHitTest(CPoint(290, 10), &info)) << "no control there";
    Control(1)->SetTooltip(L"");
    EXPECT_EQ(-1, m_bar.OnToolHitTest(Control(1)->GetRect().CenterPoint(), &info)) << "an empty tip shows nothing";
    commandBars.GetOptions()->bToolBarScreenTips = FALSE;
    EXPECT_EQ(-1, m_bar.OnToolHitTest(ptOver, &info));
    m_bar.SetCommandBars(nullptr);
}

namespace {

// A manager whose active document template the test chooses.
class CTemplateCommandBars : public CXTPCommandBars
{
public:
    UINT active = 0;
    UINT GetActiveDocTemplate() const override { return active; }
};

} // namespace

TEST_F(Services, ControlsOfOtherDocumentTemplatesHideAtIdle)
{
    CTemplateCommandBars commandBars;
    m_bar.SetCommandBars(&commandBars);
    Control(0)->GetDocTemplatesAssigned().SetAt(100, 1);
    Control(1)->GetDocTemplatesExcluded().SetAt(100, 1);
    Control(2)->GetDocTemplatesAssigned().SetAt(100, 1);
    Control(2)->GetDocTemplatesAssigned().SetAt(200, 1);
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    struct Case
    {
        UINT active;
        DWORD hidden[3];
    } cases[] = {{100, {0, xtpHideDocTemplate, 0}},
                 {200, {xtpHideDocTemplate, 0, 0}},
                 {300, {xtpHideDocTemplate, 0, xtpHideDocTemplate}},
                 {0, {xtpHideDocTemplate, 0, xtpHideDocTemplate}}};
    for (const Case& c : cases) {
        commandBars.active = c.active;
        int before = m_bar.layouts;
        m_bar.OnIdleUpdateCmdUI(TRUE, 0);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(c.hidden[i], Control(i)->GetHideFlags() & xtpHideDocTemplate) << c.active << " control " << i;
        EXPECT_EQ(0u, Control(3)->GetHideFlags()) << "a control without templates always shows";
        EXPECT_EQ(before + (c.active == 100 || c.active == 200 || c.active == 300 ? 1 : 0), m_bar.layouts)
            << "a changed control re-lays the bar out once; without a template nothing changes";
    }
    m_bar.SetCommandBars(nullptr);
}

TEST_F(Services, AControlListingTemplatesBothWaysShowsOnlyWhereBothListsLetIt)
{
    CTemplateCommandBars commandBars;
    m_bar.SetCommandBars(&commandBars);
    Control(0)->GetDocTemplatesAssigned().SetAt(100, 1);
    Control(0)->GetDocTemplatesAssigned().SetAt(200, 1);
    Control(0)->GetDocTemplatesExcluded().SetAt(200, 1);
    Control(0)->GetDocTemplatesExcluded().SetAt(300, 1);
    struct Case
    {
        UINT active;
        DWORD hidden;
    } cases[] = {{100, 0},
                 {200, xtpHideDocTemplate},
                 {300, xtpHideDocTemplate},
                 {400, xtpHideDocTemplate},
                 {100, 0}};
    for (const Case& c : cases) {
        commandBars.active = c.active;
        m_bar.OnIdleUpdateCmdUI(TRUE, 0);
        EXPECT_EQ(c.hidden, Control(0)->GetHideFlags() & xtpHideDocTemplate) << c.active;
    }
    m_bar.SetCommandBars(nullptr);
}

TEST_F(Services, TipsWithShortcutsTakeTheKeyFromTheAcceleratorsWhenTheControlHasNone)
{
    CXTPCommandBars commandBars;
    m_bar.SetCommandBars(&commandBars);
    ACCEL accel = {FVIRTKEY | FCONTROL, 'T', static_cast<WORD>(ID_HANDLED)};
    ASSERT_TRUE(commandBars.GetShortcutManager()->UpdateAcceleratorTable(&accel, 1));
    CString strKey;
    ASSERT_TRUE(commandBars.GetShortcutManager()->FindDefaultAccelerator(ID_HANDLED, strKey));
    ASSERT_FALSE(strKey.IsEmpty());
    Control(0)->SetTooltip(L"Suche starten");
    Control(1)->SetTooltip(L"Ohne Taste");
    TOOLINFO info = {};
    info.cbSize = sizeof(info);

    m_bar.OnToolHitTest(Control(0)->GetRect().CenterPoint(), &info);
    EXPECT_EQ(CString(L"Suche starten"), CString(info.lpszText)) << "the option is off";
    commandBars.GetOptions()->bToolBarAccelTips = TRUE;
    m_bar.OnToolHitTest(Control(0)->GetRect().CenterPoint(), &info);
    EXPECT_EQ(CString(L"Suche starten (") + strKey + L")", CString(info.lpszText));
    m_bar.OnToolHitTest(Control(1)->GetRect().CenterPoint(), &info);
    EXPECT_EQ(CString(L"Ohne Taste"), CString(info.lpszText)) << "a command without a key gets nothing";
    m_bar.SetCommandBars(nullptr);
}

TEST_F(Services, ANewTitleRepaintsTheBarAtOnce)
{
    m_bar.OnIdleUpdateCmdUI(TRUE, 0);
    ::ValidateRect(m_bar.GetSafeHwnd(), nullptr);
    m_bar.DelayRedraw();
    m_bar.SetTitle(L"Neuer Titel");
    EXPECT_EQ(CString(L"Neuer Titel"), m_bar.GetTitle());
    EXPECT_EQ(0u, m_bar.GetPendingFlags() & XTP_BAR_PENDING_REDRAW) << "the pending redraw is done now";
    RECT rcUpdate = {};
    EXPECT_TRUE(::GetUpdateRect(m_bar.GetSafeHwnd(), &rcUpdate, FALSE)) << "the window is invalidated";
}
