// Popup bars shown for real: opening and closing notices, the owner keeping
// its active caption, short menus and their expansion, scrolling menus,
// modal tracking with its result and a quit that arrives meanwhile.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/windows/CMenu.h"
#include "support/Screenshot.h"
#include "support/ThreadTimer.h"
#include "support/ThreadHook.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPPopupToolBar.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

const int ID_FILE_MRU_FIRST = 57607;
const int ID_FILE_MRU_THIRD = 57609;

// A site that counts the popup notices; it may add a control to a popup
// about to open.
class CPopupSite : public CTestSite
{
public:
    int openings = 0;
    int closings = 0;
    int addOnOpening = 0;
    // Whether the closed popup's window was gone when the closing notice came.
    bool windowGoneAtClosing = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_POPUP_OPENING) {
            openings++;
            auto* pBar = reinterpret_cast<CXTPPopupBar*>(lParam);
            if (addOnOpening && pBar)
                pBar->GetControls()->Add(new CXTPControlButton(), addOnOpening)->SetCaption(L"Vom Rahmen");
        }
        if (message == WM_XTP_POPUP_CLOSED) {
            closings++;
            windowGoneAtClosing = reinterpret_cast<CXTPPopupBar*>(lParam)->GetSafeHwnd() == nullptr;
        }
        return CTestSite::WindowProc(message, wParam, lParam);
    }
};

// Menu popup events seen by an in-context hook, called while the event is
// raised: a closing popup's window is gone before a queued event would be
// delivered, and Wine then drops it.
struct CPopupEvent
{
    DWORD event;
    HWND hWnd;
    LONG idObject;
    LONG idChild;
    bool operator==(const CPopupEvent& other) const
    {
        return event == other.event && hWnd == other.hWnd && idObject == other.idObject && idChild == other.idChild;
    }
};
std::vector<CPopupEvent> g_popupEvents;

void CALLBACK OnPopupEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    g_popupEvents.push_back({event, hWnd, idObject, idChild});
}

class PopupBar : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(50, 50, 450, 350)));
        m_pCommandBars = CreateUnanimatedBars(m_site);
        SetForegroundWindow(m_site.GetSafeHwnd());
        PumpUntilIdle();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        XTPMouseManager()->SetForceExpanded(FALSE);
        for (CXTPPopupBar* pBar : m_bars)
            pBar->InternalRelease();
        m_pCommandBars->InternalRelease();
        m_site.DestroyWindow();
    }

    CXTPPopupBar* MakeMenu(std::initializer_list<int> ids)
    {
        CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
        for (int nId : ids) {
            CXTPControl* pControl = pBar->GetControls()->Add(new CXTPControlButton(), nId);
            pControl->SetCaption(CString(L"Eintrag ") + CString(std::to_wstring(nId).c_str()));
        }
        m_bars.push_back(pBar);
        return pBar;
    }
    void UseShortMenus()
    {
        m_pCommandBars->GetOptions()->bAlwaysShowFullMenus = FALSE;
        const UINT hidden[] = {ID_FILE_MRU_FIRST, ID_FILE_MRU_THIRD};
        m_pCommandBars->HideCommands(hidden, 2);
    }
    static CXTPControl* LastShown(CXTPPopupBar* pBar)
    {
        CXTPControl* pLast = nullptr;
        for (int i = 0; i < pBar->GetControlCount(); i++) {
            if (pBar->GetControl(i)->IsVisible() && (!pLast || pBar->GetControl(i)->GetRect().top > pLast->GetRect().top))
                pLast = pBar->GetControl(i);
        }
        return pLast;
    }

    CPopupSite m_site;
    CXTPCommandBars* m_pCommandBars = nullptr;
    std::vector<CXTPPopupBar*> m_bars;
};

} // namespace

TEST_F(PopupBar, OpensWithoutTakingActivationAndTellsTheOwner)
{
    CXTPPopupBar* pBar = MakeMenu({100, 101, 102});
    ASSERT_TRUE(pBar->Popup(120, 120));
    PumpUntilIdle();
    HWND hPopup = pBar->GetSafeHwnd();
    ASSERT_NE(nullptr, hPopup);
    EXPECT_TRUE(IsWindowVisible(hPopup));
    EXPECT_EQ(1, m_site.openings);
    EXPECT_EQ(m_site.GetSafeHwnd(), GetForegroundWindow()) << "the frame stays active";
    EXPECT_EQ(TRUE, SendMessageW(hPopup, WM_FLOATSTATUS, FS_SYNCACTIVE, 0)) << "the frame keeps its active caption";
    EXPECT_EQ(MA_NOACTIVATE, SendMessageW(hPopup, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_site.GetSafeHwnd()),
                                          MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
    CRect rcWindow;
    GetWindowRect(hPopup, &rcWindow);
    EXPECT_EQ(CPoint(120, 120), rcWindow.TopLeft());

    pBar->EndTracking();
    EXPECT_FALSE(IsWindow(hPopup)) << "closing destroys the window";
    EXPECT_EQ(1, m_site.closings);
}

TEST_F(PopupBar, OpeningAndClosingRaiseMenuPopupEventsAndTheSiteMayAddControlsFirst)
{
    g_popupEvents.clear();
    HWINEVENTHOOK hHook = testhook::SetWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPEND, ::GetModuleHandleW(nullptr),
                                                OnPopupEvent, ::GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    ASSERT_NE(nullptr, hHook);
    m_site.addOnOpening = 150;
    CXTPPopupBar* pBar = MakeMenu({100, 101});
    ASSERT_TRUE(pBar->Popup(120, 120));
    HWND hPopup = pBar->GetSafeHwnd();
    CXTPControl* pAdded = pBar->GetControls()->FindControl(150);
    ASSERT_NE(nullptr, pAdded) << "added by the site before the layout";
    EXPECT_TRUE(pAdded->IsVisible());
    EXPECT_LT(pBar->GetControl(1)->GetRect().bottom, pAdded->GetRect().bottom + 1) << "laid out with the others";
    EXPECT_FALSE(pAdded->GetRect().IsRectEmpty());
    const CPopupEvent opened{EVENT_SYSTEM_MENUPOPUPSTART, hPopup, OBJID_MENU, CHILDID_SELF};
    EXPECT_TRUE(PumpUntil([&] { return g_popupEvents.size() == 1; }));
    EXPECT_EQ(std::vector<CPopupEvent>{opened}, g_popupEvents);

    pBar->EndTracking();
    const CPopupEvent closed{EVENT_SYSTEM_MENUPOPUPEND, hPopup, OBJID_MENU, CHILDID_SELF};
    EXPECT_TRUE(PumpUntil([&] { return g_popupEvents.size() == 2; }));
    EXPECT_EQ((std::vector<CPopupEvent>{opened, closed}), g_popupEvents) << "the end names the window it had";
    EXPECT_EQ(1, m_site.openings);
    EXPECT_EQ(1, m_site.closings);
    EXPECT_TRUE(m_site.windowGoneAtClosing) << "the site hears of the closing once the window is gone";

    pBar->EndTracking();
    EXPECT_EQ(1, m_site.closings) << "a closed popup closes once";
    testhook::RemoveWinEvent(hHook);
}

TEST_F(PopupBar, ShortMenuHidesRareCommandsBehindTheExpandItem)
{
    UseShortMenus();
    CXTPPopupBar* pBar = MakeMenu({100, ID_FILE_MRU_FIRST, 101, ID_FILE_MRU_THIRD});
    ASSERT_TRUE(pBar->Popup(120, 120));
    EXPECT_TRUE(pBar->HasHiddenCommands());
    for (int nId : {ID_FILE_MRU_FIRST, ID_FILE_MRU_THIRD})
        EXPECT_EQ(static_cast<DWORD>(xtpHideExpand), pBar->GetControls()->FindControl(nId)->GetHideFlags()) << nId;
    CXTPControl* pLast = LastShown(pBar);
    ASSERT_NE(nullptr, pLast);
    EXPECT_EQ(XTP_ID_POPUPBAR_EXPAND, pLast->GetID()) << "the expand item sits at the bottom";
    testshot::Save(testshot::CaptureWindow(pBar->GetSafeHwnd()), L"commandbars_short_menu.png");

    // A click on the expand item shows every command; later popups of the
    // same tracking open expanded.
    ClickAt([&] {
        CRect rc = pLast->GetRect();
        pBar->ClientToScreen(&rc);
        return rc.CenterPoint();
    }());
    PumpUntil([&] { return pBar->IsExpanded(); });
    EXPECT_TRUE(pBar->IsExpanded());
    EXPECT_TRUE(pBar->GetControls()->FindControl(ID_FILE_MRU_FIRST)->IsVisible());
    EXPECT_FALSE(pBar->GetControls()->FindControl(XTP_ID_POPUPBAR_EXPAND)->IsVisible());
    CXTPPopupBar* pNext = MakeMenu({100, ID_FILE_MRU_FIRST});
    ASSERT_TRUE(pNext->Popup(300, 120));
    EXPECT_TRUE(pNext->IsExpanded());
    EXPECT_FALSE(pNext->HasHiddenCommands());
}

TEST_F(PopupBar, ShortMenuIsNeverEmptyAndFullMenusHideNothing)
{
    UseShortMenus();
    CXTPPopupBar* pOnlyRare = MakeMenu({ID_FILE_MRU_FIRST, ID_FILE_MRU_THIRD});
    ASSERT_TRUE(pOnlyRare->Popup(120, 120));
    EXPECT_FALSE(pOnlyRare->HasHiddenCommands());
    EXPECT_TRUE(pOnlyRare->GetControl(0)->IsVisible());
    pOnlyRare->EndTracking();

    m_pCommandBars->GetOptions()->bAlwaysShowFullMenus = TRUE;
    CXTPPopupBar* pFull = MakeMenu({100, ID_FILE_MRU_FIRST});
    ASSERT_TRUE(pFull->Popup(120, 120));
    EXPECT_FALSE(pFull->HasHiddenCommands());
    EXPECT_TRUE(pFull->GetControl(1)->IsVisible());
    EXPECT_FALSE(pFull->GetControl(1)->GetRarelyUsed());
}

TEST_F(PopupBar, DownAtTheBottomOrWithCtrlExpandsInsteadOfWrapping)
{
    UseShortMenus();
    struct Case
    {
        const char* name;
        std::vector<WORD> keys;
        BOOL ctrl;
    };
    const Case cases[] = {{"Down past the last shown command", {VK_DOWN, VK_DOWN, VK_DOWN}, FALSE},
                          {"Ctrl+Down", {VK_DOWN}, TRUE}};
    for (const Case& c : cases) {
        XTPMouseManager()->SetForceExpanded(FALSE);
        CXTPPopupBar* pBar = MakeMenu({100, ID_FILE_MRU_FIRST, 101});
        ASSERT_TRUE(pBar->Popup(120, 120));
        ASSERT_TRUE(pBar->HasHiddenCommands()) << c.name;
        if (c.ctrl)
            SendKeyDown(VK_CONTROL);
        for (WORD vk : c.keys)
            SendKey(vk);
        if (c.ctrl)
            SendKeyUp(VK_CONTROL);
        PumpUntil([&] { return pBar->IsExpanded(); });
        PumpUntilIdle();
        EXPECT_TRUE(pBar->IsExpanded()) << c.name;
        pBar->EndTracking();
    }
}

TEST_F(PopupBar, RestingOnTheExpandItemExpandsAfterTheDelay)
{
    UseShortMenus();
    CXTPPopupBar* pBar = MakeMenu({100, ID_FILE_MRU_FIRST, 101});
    ASSERT_TRUE(pBar->Popup(120, 120));
    CXTPControl* pExpand = pBar->GetControls()->FindControl(XTP_ID_POPUPBAR_EXPAND);
    ASSERT_NE(nullptr, pExpand);
    const DWORD start = GetTickCount();
    pBar->SetSelected(pExpand->GetIndex(), FALSE);
    EXPECT_TRUE(PumpUntil([&] { return pBar->IsExpanded(); }));
    EXPECT_GE(GetTickCount() - start, XTP_EXPAND_DELAY - 20) << "not before the delay";
}

TEST_F(PopupBar, TallerThanTheWorkAreaScrollsOneControlPerTick)
{
    std::vector<int> ids;
    for (int i = 0; i < 120; i++)
        ids.push_back(1000 + i);
    CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
    m_bars.push_back(pBar);
    for (int nId : ids)
        pBar->GetControls()->Add(new CXTPControlButton(), nId)->SetCaption(L"Zeile");
    ASSERT_TRUE(pBar->Popup(200, 20));
    CRect rcWork;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    EXPECT_LE(rcWindow.bottom, rcWork.bottom - 5);
    ASSERT_TRUE(pBar->IsScrolling());
    EXPECT_TRUE(pBar->GetScrollUpRect().IsRectEmpty());
    ASSERT_FALSE(pBar->GetScrollDownRect().IsRectEmpty());
    int nLastShown = pBar->GetLastShown();
    EXPECT_TRUE(pBar->GetControl(nLastShown - 1)->IsVisible());
    EXPECT_EQ(static_cast<DWORD>(xtpHideScroll), pBar->GetControl(nLastShown)->GetHideFlags());
    for (int i = nLastShown - 1; i >= 0; i--)
        EXPECT_LE(pBar->GetControl(i)->GetRect().bottom, pBar->GetScrollDownRect().top) << i;
    testshot::Save(testshot::CaptureWindow(pBar->GetSafeHwnd()), L"commandbars_scrolled_menu.png");

    // Resting on the lower button: one control per 80 ms.
    CRect rcDown = pBar->GetScrollDownRect();
    pBar->ClientToScreen(&rcDown);
    const DWORD start = GetTickCount();
    SendMouse(MOUSEEVENTF_MOVE, rcDown.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetLastShown() - nLastShown >= 4; }));
    EXPECT_GE(GetTickCount() - start, 4 * XTP_SCROLL_DELAY - 30) << "not faster than one control per tick";
    EXPECT_GT(pBar->GetFirstShown(), 0);
    EXPECT_FALSE(pBar->GetScrollUpRect().IsRectEmpty()) << "the upper button appears";

    // Up to the top again, resting on the upper button.
    CRect rcUp = pBar->GetScrollUpRect();
    pBar->ClientToScreen(&rcUp);
    SendMouse(MOUSEEVENTF_MOVE, rcUp.CenterPoint());
    EXPECT_TRUE(PumpUntil([&] { return pBar->GetFirstShown() == 0; }));
    EXPECT_TRUE(pBar->GetScrollUpRect().IsRectEmpty());
}

// A short menu taller than the work area: its expand item stands in view
// below the scrolled part, so pointing at it leaves the menu where it is.
TEST_F(PopupBar, PointingAtTheExpandItemOfAScrolledShortMenuScrollsNothing)
{
    UseShortMenus();
    m_pCommandBars->GetOptions()->bShowFullAfterDelay = FALSE;
    CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
    m_bars.push_back(pBar);
    pBar->GetControls()->Add(new CXTPControlButton(), ID_FILE_MRU_FIRST)->SetCaption(L"Selten");
    for (int i = 0; i < 120; i++)
        pBar->GetControls()->Add(new CXTPControlButton(), 1000 + i)->SetCaption(L"Zeile");
    ASSERT_TRUE(pBar->Popup(200, 20));
    ASSERT_TRUE(pBar->IsScrolling());
    ASSERT_TRUE(pBar->HasHiddenCommands());
    CXTPControl* pExpand = pBar->GetControls()->FindControl(XTP_ID_POPUPBAR_EXPAND);
    ASSERT_NE(nullptr, pExpand);
    ASSERT_TRUE(pExpand->IsVisible());
    const int nLastShown = pBar->GetLastShown();
    ASSERT_LT(nLastShown, pExpand->GetIndex()) << "commands remain below the scrolled part";
    const CRect rcExpand = pExpand->GetRect();
    const testshot::Image before = testshot::CaptureWindow(pBar->GetSafeHwnd());

    CRect rcScreen = rcExpand;
    pBar->ClientToScreen(&rcScreen);
    ASSERT_TRUE(MoveMouseAndWait(rcScreen.CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetSelectedIndex() == pExpand->GetIndex(); }));
    PumpUntilIdle();

    EXPECT_EQ(0, pBar->GetFirstShown());
    EXPECT_EQ(nLastShown, pBar->GetLastShown());
    EXPECT_TRUE(pBar->GetScrollUpRect().IsRectEmpty());
    EXPECT_EQ(rcExpand, pExpand->GetRect());
    const testshot::Image after = testshot::CaptureWindow(pBar->GetSafeHwnd());
    testshot::Save(after, L"commandbars_scrolled_short_menu_expand_hot.png");
    // Above the expand item nothing moved: the same commands, no upper button.
    ASSERT_EQ(before.width, after.width);
    int nDiffering = 0;
    for (int y = 0; y < rcExpand.top; y++)
        for (int x = 0; x < after.width; x++)
            nDiffering += before.Pixel(x, y) != after.Pixel(x, y);
    EXPECT_EQ(0, nDiffering);
    const CPoint ptArrow = pBar->GetScrollDownRect().CenterPoint();
    EXPECT_EQ(pBar->GetPaintManager()->GetColor(COLOR_BTNTEXT), after.Pixel(ptArrow.x, ptArrow.y))
        << "the lower button's arrow is still drawn above the expand item";
}

namespace {
// Runs inside the modal loop: presses keys or asks to quit.
std::vector<WORD> s_keys;
void CALLBACK PressKeys(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    testtimer::Kill(nTimer);
    for (WORD vk : s_keys)
        SendKey(vk);
}
void CALLBACK AskToQuit(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    testtimer::Kill(nTimer);
    PostQuitMessage(7);
}
} // namespace

TEST_F(PopupBar, TrackPopupMenuReturnsTheChosenCommandAndKeepsAQuit)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, L"Eins");
    menu.AppendMenu(MF_STRING, 200, L"Zwei");
    menu.AppendMenu(MF_STRING, 300, L"Drei");

    // Without notifications the commands are not offered for updating (the
    // test site has no handlers that would enable them).
    s_keys = {VK_DOWN, VK_DOWN, VK_RETURN};
    testtimer::Set(200, PressKeys);
    int nChosen = CXTPCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD | TPM_NONOTIFY, 150, 150, &m_site, nullptr, nullptr,
                                                  m_pCommandBars);
    EXPECT_EQ(200, nChosen);
    EXPECT_TRUE(std::none_of(m_site.received.begin(), m_site.received.end(),
                             [](const CSiteMessage& m) { return m.message == WM_COMMAND; }))
        << "the chosen command is returned, not sent";

    s_keys = {VK_DOWN, VK_RETURN};
    testtimer::Set(200, PressKeys);
    EXPECT_EQ(TRUE, CXTPCommandBars::TrackPopupMenu(&menu, TPM_NONOTIFY, 150, 150, &m_site, nullptr, nullptr, m_pCommandBars));
    EXPECT_TRUE(PumpUntil([&] {
        return std::any_of(m_site.received.begin(), m_site.received.end(), [](const CSiteMessage& m) {
            return m.message == WM_COMMAND && m.wParam == 100;
        });
    }));

    testtimer::Set(200, AskToQuit);
    CMenu* pMenu = &menu;
    EXPECT_EQ(0, CXTPCommandBars::TrackPopupMenu(pMenu, TPM_RETURNCMD, 150, 150, &m_site, nullptr, nullptr,
                                                 m_pCommandBars));
    EXPECT_TRUE(XTPMouseManager()->GetTrackArray().GetSize() == 0) << "the popup closed";
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is posted again";
    EXPECT_EQ(7u, msg.wParam);
}

namespace {

// Keys typed once from a timer, inside the modal loop that runs meanwhile;
// a menu the keys leave open is closed after the deadline, so that a fault
// fails the test instead of hanging it. The timers end with the typist.
class CTimedTypist
{
public:
    explicit CTimedTypist(std::function<void()> keys)
    {
        s_keys = std::move(keys);
        s_nTimer = SetTimer(nullptr, 0, 200, Type);
    }
    ~CTimedTypist()
    {
        KillTimer(nullptr, s_nTimer);
        s_nTimer = 0;
        s_keys = nullptr;
    }
    CTimedTypist(const CTimedTypist&) = delete;
    CTimedTypist& operator=(const CTimedTypist&) = delete;

private:
    static void CALLBACK Type(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        KillTimer(nullptr, nTimer);
        s_nTimer = SetTimer(nullptr, 0, testpump::kDeadline, CloseMenus);
        std::function<void()> keys = std::move(s_keys);
        s_keys = nullptr;
        if (keys)
            keys();
    }
    static void CALLBACK CloseMenus(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        KillTimer(nullptr, nTimer);
        s_nTimer = 0;
        XTPMouseManager()->EndAllTracking();
    }
    static std::function<void()> s_keys;
    static UINT_PTR s_nTimer;
};
UINT_PTR CTimedTypist::s_nTimer = 0;
std::function<void()> CTimedTypist::s_keys;

} // namespace

TEST_F(PopupBar, TrackPopupMenuChoosesByWhatTheKeyTypesUmlautsInEitherCase)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, L"&Öffnen");
    menu.AppendMenu(MF_STRING, 200, L"&Ändern");
    menu.AppendMenu(MF_STRING, 300, L"Gr&ün");
    menu.AppendMenu(MF_STRING, 400, L"&- Kleiner");
    const struct
    {
        const char* what;
        std::function<void()> keys;
        int nChosen;
    } cases[] = {
        {"ä typed", [] { SendChar(L'\u00e4'); }, 200},
        {"Shift+Ö typed", [] { SendShiftedChar(L'\u00d6'); }, 100},
        {"Ü typed for a lower-case mnemonic", [] { SendChar(L'\u00dc'); }, 300},
        {"the layout's key for \"-\"", [] { SendKey(VK_OEM_MINUS); }, 400},
        // VK_OEM_5's code is 0xDC, which is "Ü", but the key types a backslash.
        {"a key whose code is Ü", [] { SendKeys({VK_OEM_5, VK_ESCAPE}); }, 0},
    };
    for (const auto& c : cases) {
        CTimedTypist typist(c.keys);
        int nChosen = CXTPCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD | TPM_NONOTIFY, 150, 150, &m_site, nullptr,
                                                      nullptr, m_pCommandBars);
        EXPECT_EQ(c.nChosen, nChosen) << c.what;
        EXPECT_TRUE(XTPMouseManager()->GetTrackArray().GetSize() == 0) << c.what << ": the popup closed";
        // The releases of the keys come after the menu closed: none is left
        // for the windows of the next test.
        PumpUntilIdle();
    }
}

TEST_F(PopupBar, RandomAnimationPicksEachOfTheThreeAnimatedKinds)
{
    CXTPPopupBar* pBar = MakeMenu({100});
    m_pCommandBars->GetOptions()->animationType = xtpAnimateRandom;
    std::set<int> seen;
    for (int i = 0; i < 200; i++)
        seen.insert(pBar->GetAnimationType());
    EXPECT_EQ((std::set<int>{xtpAnimateSlide, xtpAnimateUnfold, xtpAnimateFade}), seen);

    CXTPPopupBar* pLoose = CXTPPopupBar::CreatePopupBar(nullptr);
    m_bars.push_back(pLoose);
    EXPECT_EQ(xtpAnimateNone, pLoose->GetAnimationType()) << "a popup without a manager never animates";
}

namespace {
// What the modal loop saw of the menus while it ran.
CXTPCommandBar* s_pOuter = nullptr;
BOOL s_outerTracking = FALSE;
int s_outerLock = -1;
BOOL s_firstEnabled = FALSE;
void CALLBACK LookThenChooseFirst(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    testtimer::Kill(nTimer);
    if (s_pOuter) {
        s_outerTracking = s_pOuter->IsTrackingMode();
        s_outerLock = s_pOuter->GetLockCount();
    }
    const auto& tracked = XTPMouseManager()->GetTrackArray();
    CXTPCommandBar* pInner = tracked.GetSize() ? tracked[tracked.GetSize() - 1] : nullptr;
    s_firstEnabled = pInner && pInner->GetControlCount() ? pInner->GetControl(0)->GetEnabled() : -1;
    for (WORD vk : s_keys)
        SendKey(vk);
}
// Ends a modal menu that the keys did not end.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    testtimer::Kill(nTimer);
    XTPMouseManager()->EndAllTracking();
}

// Disables command 300 whenever it is asked.
class CUpdatingSite : public CPopupSite
{
public:
    int updates = 0;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == 300 && nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pExtra) {
            updates++;
            static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
            return TRUE;
        }
        return CPopupSite::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
} // namespace

TEST_F(PopupBar, TrackPopupMenuRecurseKeepsTheMenusAlreadyOpen)
{
    struct Case
    {
        const char* what;
        UINT flags;
        BOOL outerDuring;
        int lockDuring;
        BOOL outerAfter;
    } cases[] = {
        {"recursive: the open menu stays, locked meanwhile", TPM_RECURSE, TRUE, 1, TRUE},
        {"plain: the open menu closes first", 0, FALSE, 0, FALSE},
    };
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 300, L"Innen eins");
    menu.AppendMenu(MF_STRING, 301, L"Innen zwei");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CXTPPopupBar* pOuter = MakeMenu({100, 101});
        ASSERT_TRUE(pOuter->Popup(100, 100));
        PumpUntilIdle();
        ASSERT_TRUE(pOuter->IsTrackingMode());
        s_pOuter = pOuter;
        s_outerLock = -1;
        s_keys = {VK_DOWN, VK_RETURN};
        testtimer::Set(200, LookThenChooseFirst);
        int nChosen = CXTPCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD | TPM_NONOTIFY | c.flags, 250, 150, &m_site,
                                                      nullptr, nullptr, m_pCommandBars);
        s_pOuter = nullptr;
        EXPECT_EQ(300, nChosen);
        EXPECT_EQ(c.outerDuring, s_outerTracking);
        EXPECT_EQ(c.lockDuring, s_outerLock);
        EXPECT_EQ(c.outerAfter, pOuter->IsTrackingMode());
        EXPECT_EQ(0, pOuter->GetLockCount()) << "unlocked afterwards";
        XTPMouseManager()->EndAllTracking();
    }
}

TEST_F(PopupBar, TrackPopupMenuWithoutNotifyAsksTheOwnerNothing)
{
    CUpdatingSite site;
    ASSERT_TRUE(site.Create(CRect(60, 60, 300, 300)));
    SetForegroundWindow(site.GetSafeHwnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == site.GetSafeHwnd(); }));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 300, L"Eins");
    menu.AppendMenu(MF_STRING, 301, L"Zwei");
    struct Case
    {
        UINT flags;
        bool asked;
    } cases[] = {{TPM_NONOTIFY, false}, {0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        site.updates = 0;
        s_keys = c.asked ? std::vector<WORD>{VK_ESCAPE} : std::vector<WORD>{VK_DOWN, VK_RETURN};
        testtimer::Set(200, LookThenChooseFirst);
        testtimer::ThreadTimer nWatchdog(5000, Watchdog);
        int nChosen = CXTPCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD | c.flags, 150, 150, &site, nullptr,
                                                      nullptr, m_pCommandBars);
        nWatchdog.Kill();
        EXPECT_EQ(c.asked, site.updates > 0);
        EXPECT_EQ(c.asked ? FALSE : TRUE, s_firstEnabled) << "the owner's handler disables the first";
        EXPECT_EQ(c.asked ? 0 : 300, nChosen);
    }
    site.DestroyWindow();
}

namespace {

// Stands in for two entries of its own at every layout, as list placeholders do.
class CTwoEntryPlaceholder : public CXTPControlButton
{
public:
    void OnCalcDynamicSize(DWORD) override
    {
        XTPRemoveGeneratedEntries(this, [](CXTPControl* pControl, void*) -> BOOL { return pControl->GetID() == 901; },
                                  nullptr);
        SetHideFlags(xtpHideGeneric);
        for (int i = 0; i < 2; i++)
            XTPAddGeneratedEntry(this, i, 901)->SetCaption(L"Eintrag");
    }
};

} // namespace

TEST(PopupBarLayout, PlaceholdersPutTheirEntriesInBeforeTheMenuIsMeasured)
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(nullptr);
    pPopup->GetControls()->Add(xtpControlButton, 100)->SetCaption(L"Vorher");
    pPopup->GetControls()->Add(new CTwoEntryPlaceholder, 900);
    pPopup->GetControls()->Add(xtpControlButton, 101)->SetCaption(L"Nachher");
    for (int nLayout = 0; nLayout < 2; nLayout++) {
        SCOPED_TRACE(nLayout);
        const CSize size = pPopup->CalcDynamicLayout(0, 0);
        std::vector<int> ids;
        for (int i = 0; i < pPopup->GetControls()->GetCount(); i++)
            ids.push_back(pPopup->GetControls()->GetAt(i)->GetID());
        EXPECT_EQ(ids, (std::vector<int>{100, 900, 901, 901, 101})) << "the entries once, after the placeholder";
        CXTPControl* pEntry = pPopup->GetControls()->GetAt(3);
        EXPECT_GT(pEntry->GetRect().Height(), 0) << "measured with the menu";
        EXPECT_GE(size.cy, pPopup->GetControls()->GetAt(4)->GetRect().bottom);
    }
    pPopup->InternalRelease();
}

TEST_F(PopupBar, OpeningShowsTheKeysOfTheCommandsWhileTheOptionIsOn)
{
    ACCEL accels[] = {{FVIRTKEY, VK_F5, 100}, {FVIRTKEY | FCONTROL, 'A', 101}};
    ASSERT_TRUE(m_pCommandBars->GetShortcutManager()->UpdateAcceleratorTable(accels, 2));
    CXTPPopupBar* pBar = MakeMenu({100, 101, 102, 103});
    // As a stored menu comes back: no key texts of the menu resource.
    pBar->GetControl(2)->SetCaption(L"Optionen\tCtrl+O");
    pBar->GetControl(3)->SetShortcutText(L"Eigene");
    auto shown = [pBar]() {
        std::vector<std::wstring> texts;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            texts.push_back(pBar->GetControl(i)->GetShortcutText().GetString());
        return texts;
    };

    m_pCommandBars->GetOptions()->bShowPopupBarShortcuts = FALSE;
    ASSERT_TRUE(pBar->Popup(120, 120));
    EXPECT_EQ(shown(), (std::vector<std::wstring>{L"", L"", L"Ctrl+O", L"Eigene"}));
    pBar->EndTracking();

    m_pCommandBars->GetOptions()->bShowPopupBarShortcuts = TRUE;
    ASSERT_TRUE(pBar->Popup(120, 120));
    EXPECT_EQ(shown(), (std::vector<std::wstring>{L"F5", L"Ctrl+A", L"Ctrl+O", L"Eigene"}))
        << "a command without a key keeps its text; a text set by the program stays";
    pBar->EndTracking();

    // A key the user changed shows at the next opening.
    ACCEL changed[] = {{FVIRTKEY, VK_F6, 100}};
    ASSERT_TRUE(m_pCommandBars->GetShortcutManager()->UpdateAcceleratorTable(changed, 1));
    ASSERT_TRUE(pBar->Popup(120, 120));
    EXPECT_EQ(pBar->GetControl(0)->GetShortcutText(), CString(L"F6"));
    pBar->EndTracking();
}

// Keys of the resource's table: F5 and Ctrl+R run 28101, Ctrl+Shift+S 28102,
// Alt+X 28103; 28104 has none, though its caption names Ctrl+O.
TEST_F(PopupBar, AKeyTheUserTookAwayLeavesItsItemWhileACaptionsOwnKeyStays)
{
    CXTPShortcutManager* pShortcuts = m_pCommandBars->GetShortcutManager();
    pShortcuts->SetAccelerators(28001);
    CXTPPopupBar* pBar = MakeMenu({28101, 28102, 28103, 28104});
    pBar->GetControl(1)->SetCaption(L"Speichern\tCtrl+Shift+S");
    pBar->GetControl(2)->SetCaption(L"Beenden\tAlt+X");
    pBar->GetControl(3)->SetCaption(L"Optionen\tCtrl+O");
    auto shownAtOpening = [pBar]() {
        std::vector<std::wstring> texts;
        if (!pBar->Popup(120, 120))
            return texts;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            texts.push_back(pBar->GetControl(i)->GetShortcutText().GetString());
        pBar->EndTracking();
        return texts;
    };
    EXPECT_EQ(shownAtOpening(), (std::vector<std::wstring>{L"F5", L"Ctrl+Shift+S", L"Alt+X", L"Ctrl+O"}));

    // Ctrl+Shift+S and Alt+X removed: their texts go, the caption's Ctrl+O stays.
    ACCEL onlyF5[] = {{FVIRTKEY, VK_F5, 28101}};
    ASSERT_TRUE(pShortcuts->UpdateAcceleratorTable(onlyF5, 1));
    EXPECT_EQ(shownAtOpening(), (std::vector<std::wstring>{L"F5", L"", L"", L"Ctrl+O"}));

    // The last key removed too: no table is left, and no key shows but Ctrl+O.
    ASSERT_TRUE(pShortcuts->UpdateAcceleratorTable(nullptr, 0));
    ASSERT_EQ(pShortcuts->GetAcceleratorTable(), nullptr);
    EXPECT_EQ(shownAtOpening(), (std::vector<std::wstring>{L"", L"", L"", L"Ctrl+O"}));

    // A key the user gives a command replaces its caption's; the reset brings
    // back the resource's keys, and Ctrl+O to the caption.
    ACCEL given[] = {{FVIRTKEY | FCONTROL, 'P', 28104}};
    ASSERT_TRUE(pShortcuts->UpdateAcceleratorTable(given, 1));
    EXPECT_EQ(shownAtOpening(), (std::vector<std::wstring>{L"", L"", L"", L"Ctrl+P"}));
    pShortcuts->Reset();
    EXPECT_EQ(shownAtOpening(), (std::vector<std::wstring>{L"F5", L"Ctrl+Shift+S", L"Alt+X", L"Ctrl+O"}));
}

TEST_F(PopupBar, FirstVisibleControlSkipsHiddenOnes)
{
    CXTPPopupBar* pBar = MakeMenu({100, 101, 102});
    pBar->GetControl(0)->SetHideFlags(xtpHideGeneric);
    pBar->GetControl(1)->SetHideFlags(xtpHideScroll);
    EXPECT_EQ(pBar->GetFirstVisibleControl(), 2);
    EXPECT_EQ(pBar->GetFirstVisibleControl(FALSE), 102);
    pBar->GetControl(2)->SetHideFlags(xtpHideGeneric);
    EXPECT_EQ(pBar->GetFirstVisibleControl(), -1);
}

TEST(PopupToolBarLayout, ATearOffPopupToolBarKeepsItsGrippersRoomAboveTheRow)
{
    CXTPPopupToolBar* pBar = CXTPPopupToolBar::CreatePopupToolBar(nullptr);
    pBar->GetControls()->Add(xtpControlButton, 100)->SetCaption(L"Rot");
    pBar->GetControls()->Add(xtpControlButton, 101)->SetCaption(L"Blau");
    const CSize szPlain = pBar->CalcDynamicLayout(0, 0);
    const int nPlainTop = pBar->GetControl(0)->GetRect().top;
    EXPECT_TRUE(pBar->GetTearOffGripperRect().IsRectEmpty());

    pBar->SetTearOffPopup(L"Farben", 500, 120);
    const CSize szTearOff = pBar->CalcDynamicLayout(0, 0);
    const CRect rcGripper = pBar->GetTearOffGripperRect();
    ASSERT_GT(rcGripper.Height(), 0);
    EXPECT_EQ(szTearOff.cy, szPlain.cy + rcGripper.Height());
    EXPECT_EQ(pBar->GetControl(0)->GetRect().top, nPlainTop + rcGripper.Height());
    EXPECT_GE(pBar->GetControl(0)->GetRect().top, rcGripper.bottom) << "the row lies under the gripper";
    EXPECT_EQ(rcGripper.top, pBar->GetBorders().top);

    // Shown: the gripper is drawn in its room, the buttons below it.
    ASSERT_TRUE(pBar->Popup(200, 200));
    PumpUntilIdle();
    testshot::Image shot = testshot::CaptureWindow(pBar->GetSafeHwnd());
    testshot::Save(shot, L"popup_toolbar_tearoff.png");
    std::set<COLORREF> gripperColours;
    for (int x = rcGripper.left; x < rcGripper.right; x++)
        for (int y = rcGripper.top; y < rcGripper.bottom; y++)
            gripperColours.insert(shot.Pixel(x, y));
    EXPECT_GE(gripperColours.size(), 2u) << "no gripper drawn";
    pBar->EndTracking();
    pBar->InternalRelease();
}
