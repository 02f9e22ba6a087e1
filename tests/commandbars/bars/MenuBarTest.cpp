// The menu bar in a frame, driven by real input: it takes the frame's menu,
// opens titles in turn only while a menu is open, answers Alt and Alt+key,
// walks into a submenu and back, sends commands (also one that destroys the
// frame) and shows a maximized MDI child's buttons as styles and flags say.
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CControlBar.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMDIChildWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CMenu.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// Pumps as the program's message loop does: the frame pre-translates first.
bool PumpFrameUntil(HWND hFrame, const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return condition();
            }
            if (!::IsWindow(hFrame) || !CWnd::WalkPreTranslateTree(hFrame, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (condition())
            return true;
        if (GetTickCount() - start >= testpump::kDeadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// The same until the queue has stayed empty for 50 ms.
bool PumpFrameUntilIdle(HWND hFrame)
{
    DWORD quietSince = GetTickCount();
    return PumpFrameUntil(hFrame, [&] {
        if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0)
            quietSince = GetTickCount();
        return GetTickCount() - quietSince >= 50;
    });
}

// A manager whose MDI children show the menu of a given resource.
class CTemplateCommandBars : public CXTPCommandBars
{
public:
    UINT GetActiveDocTemplate() const override { return nTemplate; }
    UINT nTemplate = 0;
};

// The frame with the program's main menu (resource 128) as its own menu.
class CMenuFrame : public CXTPFrameWnd
{
public:
    std::vector<UINT> commands;
    bool exitDestroys = false;
    int trackingNotices = 0;
    int escapesReleased = 0;
    int resets = 0;
    std::pair<WPARAM, LPARAM> resetParams = {0, 0};
    // The reset notice takes the bar off the manager.
    bool removeOnReset = false;

    // Every command has a handler here: the menus show them enabled.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI && pExtra != nullptr) {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CXTPFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_MENUBAR_TRACKING)
            trackingNotices++;
        if (message == WM_KEYUP && wParam == VK_ESCAPE)
            escapesReleased++;
        if (message == WM_XTP_TOOLBAR_RESET) {
            resets++;
            resetParams = {wParam, lParam};
            if (removeOnReset)
                GetCommandBars()->Remove(reinterpret_cast<CXTPToolBar*>(lParam));
        }
        if (message == WM_COMMAND && lParam == 0) {
            commands.push_back(LOWORD(wParam));
            if (LOWORD(wParam) == ID_APP_EXIT && exitDestroys) {
                DestroyWindow();
                return 0;
            }
        }
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class CMdiMenuFrame : public CXTPFrameWndBase<CMDIFrameWnd>
{
public:
    CMdiMenuFrame() { m_pCommandBars = m_pTemplateBars = new CTemplateCommandBars(); }
    // Whether the frame offers the customize command (asked when the bars are made).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (customizable && nID == kCustomizeCommand && nCode == CN_COMMAND)
            return TRUE;
        return CXTPFrameWndBase<CMDIFrameWnd>::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    static const UINT kCustomizeCommand = 35001;
    static bool customizable;
    CTemplateCommandBars* m_pTemplateBars;
};
bool CMdiMenuFrame::customizable = false;

template <class TFrame>
CXTPMenuBar* CreateMenuFrame(TFrame* pFrame, const CRect& rcClient)
{
    CRect rc = rcClient;
    ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, TRUE, 0);
    if (!pFrame->Create(nullptr, L"Menüleiste", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, nullptr,
                        MAKEINTRESOURCEW(IDR_MAINFRAME)))
        return nullptr;
    if (!pFrame->CreateCommandBars())
        return nullptr;
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pCommandBars->GetOptions()->animationType = xtpAnimateNone;
    CXTPMenuBar* pMenuBar = pCommandBars->SetMenu(L"Menüleiste", IDR_MAINFRAME);
    pFrame->RecalcLayout();
    ::SetForegroundWindow(pFrame->GetSafeHwnd());
    testpump::PumpUntil([&] { return ::GetForegroundWindow() == pFrame->GetSafeHwnd(); });
    testpump::PumpUntilIdle();
    return pMenuBar;
}

POINT CentreOf(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    pControl->GetParent()->ClientToScreen(&rc);
    return rc.CenterPoint();
}

CXTPCommandBar* MenuOf(CXTPControl* pTitle)
{
    return static_cast<CXTPControlPopup*>(pTitle)->GetCommandBar();
}

bool IsOpen(CXTPCommandBar* pBar)
{
    return pBar != nullptr && pBar->GetSafeHwnd() && ::IsWindowVisible(pBar->GetSafeHwnd());
}

class MenuBar : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CMenuFrame();
        m_pMenuBar = CreateMenuFrame(m_pFrame, CRect(60, 60, 660, 360));
        ASSERT_NE(m_pMenuBar, nullptr);
        m_hFrame = m_pFrame->GetSafeHwnd();
        // The pointer stays where an earlier test left it: away from the bar.
        testinput::MoveMouseTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
        PumpUntil([&] { return m_pMenuBar->GetSelectedIndex() == -1; });
        m_pDatei = m_pMenuBar->GetControl(0);
        m_pAuswaehlen = m_pMenuBar->GetControl(1);
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        testinput::SendKeyUp(VK_MENU);
        testinput::SendKeyUp(VK_SHIFT);
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    bool PumpUntil(const std::function<bool()>& condition) { return PumpFrameUntil(m_hFrame, condition); }

    CMenuFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CXTPMenuBar* m_pMenuBar = nullptr;
    CXTPControl* m_pDatei = nullptr;
    CXTPControl* m_pAuswaehlen = nullptr;
};

} // namespace

TEST_F(MenuBar, TakesTheFramesMenuAndShowsItsTitles)
{
    EXPECT_EQ(::GetMenu(m_hFrame), nullptr) << "the frame's own menu is gone";
    EXPECT_NE(m_pMenuBar->GetDefaultMenu(), nullptr) << "and kept by the bar";
    EXPECT_EQ(m_pFrame->GetCommandBars()->GetMenuBar(), m_pMenuBar);
    EXPECT_EQ(m_pMenuBar->GetDefaultMenuId(), static_cast<UINT>(IDR_MAINFRAME));
    ASSERT_EQ(m_pMenuBar->GetControlCount(), 3);
    const LPCWSTR captions[] = {L"&Datei", L"&Auswählen", L"&Hilfe"};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(m_pMenuBar->GetControl(i)->GetCaption(), CString(captions[i]));
        EXPECT_EQ(m_pMenuBar->GetControl(i)->GetType(), xtpControlPopup);
    }
    ASSERT_NE(m_pMenuBar->GetControls()->GetOriginalControls(), nullptr) << "the loaded titles are its initial set";
    for (UINT nCommand : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
        EXPECT_NE(m_pMenuBar->GetImageManager()->GetImage(nCommand, 16), nullptr) << "glyph of " << std::hex << nCommand;
    CRect rcBar;
    m_pMenuBar->GetWindowRect(&rcBar);
    m_pFrame->ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar.top, 0);
    EXPECT_GT(rcBar.Height(), 15) << "laid out at the frame's top";
    EXPECT_LE(m_pDatei->GetRect().right, m_pAuswaehlen->GetRect().left);
}

TEST_F(MenuBar, TitlesOpenInTurnOnlyWhileAMenuIsOpen)
{
    testinput::MoveMouseTo(CentreOf(m_pDatei));
    ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->GetSelectedIndex() == 0; }));
    testinput::MoveMouseTo(CentreOf(m_pAuswaehlen));
    ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->GetSelectedIndex() == 1; }));
    // Past the hover delay, after which an open menu would have switched.
    testpump::PumpFor(XTP_BAR_HOVER_DELAY * 2);
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), -1) << "without an open menu titles only light up";
    EXPECT_FALSE(IsOpen(MenuOf(m_pAuswaehlen)));

    testinput::ClickAt(CentreOf(m_pDatei));
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(MenuOf(m_pDatei)); }));
    testinput::MoveMouseTo(CentreOf(m_pAuswaehlen));
    EXPECT_TRUE(PumpUntil([&] { return IsOpen(MenuOf(m_pAuswaehlen)) && !IsOpen(MenuOf(m_pDatei)); }))
        << "with a menu open the next title opens its own";
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), 1);
}

TEST_F(MenuBar, AltAloneSelectsTheFirstTitleAltShiftNothing)
{
    testinput::SendKeyDown(VK_SHIFT);
    testinput::SendKey(VK_MENU);
    testinput::SendKeyUp(VK_SHIFT);
    // The system's own menu mode, when it starts one, ends on Escape.
    testinput::SendKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return m_pFrame->escapesReleased == 1; })) << "the keys have arrived";
    EXPECT_EQ(m_pFrame->trackingNotices, 0) << "Alt with Shift held";
    EXPECT_EQ(m_pMenuBar->IsTrackingMode(), xtpTrackingNone);
    EXPECT_EQ(m_pMenuBar->GetSelectedIndex(), -1);

    testinput::SendKey(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->IsTrackingMode() != xtpTrackingNone; }));
    EXPECT_EQ(m_pMenuBar->GetSelectedIndex(), 0);
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), -1) << "selected, not opened";
    EXPECT_TRUE(m_pMenuBar->IsKeyboardSelection());
    EXPECT_EQ(::GetMenu(m_hFrame), nullptr);

    testinput::SendKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return m_pMenuBar->IsTrackingMode() == xtpTrackingNone; }));
}

TEST_F(MenuBar, AltDOpensDateiAndArrowsWalkIntoTheSubmenuAndBack)
{
    testinput::SendChord({VK_MENU, 'D'});
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(MenuOf(m_pDatei)); })) << "Alt+D opens \"&Datei\"";
    PumpFrameUntilIdle(m_hFrame);
    EXPECT_TRUE(IsOpen(MenuOf(m_pDatei))) << "and releasing Alt leaves it open";
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), 0);
    testinput::SendKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !IsOpen(MenuOf(m_pDatei)); }));
    testinput::SendKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->IsTrackingMode() == xtpTrackingNone; }));

    testinput::SendChord({VK_MENU, 'A'});
    CXTPCommandBar* pMenu = MenuOf(m_pAuswaehlen);
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pMenu) && pMenu->GetSelectedIndex() == 0; }));
    CXTPControl* pPredefined = pMenu->GetControl(2);
    ASSERT_EQ(pPredefined->GetCaption(), CString(L"vordefinierte Auswahl"));
    testinput::SendKey(VK_DOWN);
    testinput::SendKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return pMenu->GetSelectedIndex() == 2; }));
    testinput::SendKey(VK_RIGHT);
    CXTPCommandBar* pSubmenu = MenuOf(pPredefined);
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pSubmenu) && pSubmenu->GetSelectedIndex() == 0; }))
        << "Right opens the submenu at its first item";
    EXPECT_EQ(pSubmenu->GetSelected()->GetID(), ID_SELECT_GERMANY);
    testinput::SendKey(VK_LEFT);
    ASSERT_TRUE(PumpUntil([&] { return !IsOpen(pSubmenu); })) << "Left goes back";
    EXPECT_TRUE(IsOpen(pMenu));
    EXPECT_EQ(pMenu->GetSelectedIndex(), 2);
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), 1);
}

TEST_F(MenuBar, AClickedItemSendsItsCommand)
{
    testinput::ClickAt(CentreOf(m_pDatei));
    CXTPCommandBar* pMenu = MenuOf(m_pDatei);
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pMenu); }));
    CXTPControl* pStart = pMenu->GetControls()->FindControl(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    testinput::ClickAt(CentreOf(pStart));
    ASSERT_TRUE(PumpUntil([&] { return !m_pFrame->commands.empty(); }));
    EXPECT_EQ(m_pFrame->commands, std::vector<UINT>{ID_START_SEARCH});
    EXPECT_TRUE(PumpUntil([&] { return !IsOpen(pMenu) && m_pMenuBar->IsTrackingMode() == xtpTrackingNone; }));
}

TEST_F(MenuBar, AnExitCommandThatDestroysTheFrameEndsCleanly)
{
    m_pFrame->exitDestroys = true;
    testinput::ClickAt(CentreOf(m_pDatei));
    CXTPCommandBar* pMenu = MenuOf(m_pDatei);
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pMenu); }));
    CXTPControl* pExit = pMenu->GetControls()->FindControl(ID_APP_EXIT);
    ASSERT_NE(pExit, nullptr);
    POINT pt = CentreOf(pExit);
    testinput::ClickAt(pt);
    EXPECT_TRUE(testpump::PumpUntil([&] { return !::IsWindow(m_hFrame); })) << "the frame is gone";
    EXPECT_TRUE(testpump::PumpUntilIdle());
    EXPECT_EQ(XTPMouseManager()->GetTrackArray().GetSize(), 0) << "no bar is left tracking";
}

namespace {

class MdiMenuBar : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CMdiMenuFrame();
        m_pMenuBar = CreateMenuFrame(m_pFrame, CRect(60, 60, 660, 400));
        ASSERT_NE(m_pMenuBar, nullptr);
        m_hFrame = m_pFrame->GetSafeHwnd();
        EXPECT_TRUE(m_pMenuBar->IsMdiApp());
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    // The frame made again, offering customization.
    void RecreateCustomizable()
    {
        m_pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CMdiMenuFrame::customizable = true;
        m_pFrame = new CMdiMenuFrame();
        m_pMenuBar = CreateMenuFrame(m_pFrame, CRect(60, 60, 660, 400));
        CMdiMenuFrame::customizable = false;
        ASSERT_NE(m_pMenuBar, nullptr);
        m_hFrame = m_pFrame->GetSafeHwnd();
    }
    CMDIChildWnd* AddChild(DWORD dwStyle)
    {
        auto* pChild = new CMDIChildWnd();
        if (!pChild->Create(nullptr, L"Kind", dwStyle | WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 200), m_pFrame))
            return nullptr;
        // The system gives every MDI child both boxes: take away what the case lacks.
        DWORD dwBoxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        ::SetWindowLongW(pChild->GetSafeHwnd(), GWL_STYLE,
                         (::GetWindowLongW(pChild->GetSafeHwnd(), GWL_STYLE) & ~dwBoxes) | (dwStyle & dwBoxes));
        return pChild;
    }
    std::vector<int> MdiIds() const
    {
        std::vector<int> ids;
        for (int i = 0; i < m_pMenuBar->GetControlCount(); i++) {
            CXTPControl* pControl = m_pMenuBar->GetControl(i);
            if (pControl->IsTemporary())
                ids.push_back(pControl->GetID());
        }
        return ids;
    }
    std::vector<CString> Titles() const
    {
        std::vector<CString> titles;
        for (int i = 0; i < m_pMenuBar->GetControlCount(); i++)
            if (!m_pMenuBar->GetControl(i)->IsTemporary())
                titles.push_back(m_pMenuBar->GetControl(i)->GetCaption());
        return titles;
    }

    CMdiMenuFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CXTPMenuBar* m_pMenuBar = nullptr;
};

} // namespace

TEST_F(MdiMenuBar, MaximizedChildsButtonsFollowItsStylesAndTheBarsFlags)
{
    const DWORD kAll = WS_OVERLAPPEDWINDOW;
    struct Case
    {
        DWORD dwStyle;
        DWORD dwFlags;
        std::vector<int> ids;
    } cases[] = {
        {kAll, 0, {9405, 9404, 9403}},
        {kAll & ~WS_MINIMIZEBOX, 0, {9404, 9403}},
        {kAll & ~WS_MAXIMIZEBOX, 0, {9405, 9403}},
        {kAll, 0x100, {9404, 9403}},
        {kAll, 0x200, {9405, 9403}},
        {kAll, 0x1000, {9405, 9404}},
        {kAll, 0x300, {9403}},
        {kAll, 0x2000, {9406, 9405, 9404, 9403}},
    };
    for (const Case& c : cases) {
        m_pMenuBar->SetFlags(c.dwFlags, 0xFFFFFFFF & ~c.dwFlags);
        CMDIChildWnd* pChild = AddChild(c.dwStyle);
        ASSERT_NE(pChild, nullptr);
        HWND hChild = pChild->GetSafeHwnd();
        EXPECT_TRUE(testpump::PumpUntil([&] { return m_pMenuBar->GetActiveMdiChild() == hChild; }));
        testpump::PumpUntilIdle();
        EXPECT_TRUE(MdiIds().empty()) << "not maximized: no buttons";

        pChild->MDIMaximize();
        EXPECT_TRUE(testpump::PumpUntil([&] { return MdiIds() == c.ids; }))
            << "style " << std::hex << c.dwStyle << " flags " << c.dwFlags << ": " << MdiIds().size();
        if (!c.ids.empty() && c.ids.front() == 9406) {
            EXPECT_EQ(m_pMenuBar->GetControl(0)->GetID(), 9406) << "the system menu comes first";
            CXTPCommandBar* pSysMenu = MenuOf(m_pMenuBar->GetControl(0));
            ASSERT_NE(pSysMenu, nullptr);
            EXPECT_NE(pSysMenu->GetControls()->FindControl(SC_CLOSE), nullptr);
            EXPECT_TRUE(pSysMenu->GetControls()->FindControl(SC_CLOSE)->IsDefaultItem()) << "the system menu's default";
        } else {
            EXPECT_EQ(m_pMenuBar->GetControl(m_pMenuBar->GetControlCount() - 1)->GetID(), c.ids.back())
                << "the buttons come last";
        }
        EXPECT_EQ(::GetMenu(m_hFrame), nullptr);

        pChild->MDIRestore();
        EXPECT_TRUE(testpump::PumpUntil([&] { return MdiIds().empty(); })) << "restored: the buttons go";
        pChild->MDIDestroy();
        EXPECT_TRUE(testpump::PumpUntil([&] { return !::IsWindow(hChild); }));
    }
}

TEST_F(MdiMenuBar, CloseButtonPostsTheChildItsSystemCommand)
{
    CMDIChildWnd* pChild = AddChild(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(pChild, nullptr);
    HWND hChild = pChild->GetSafeHwnd();
    pChild->MDIMaximize();
    ASSERT_TRUE(testpump::PumpUntil([&] { return m_pMenuBar->GetControls()->FindControl(9403) != nullptr; }));
    m_pMenuBar->GetControls()->FindControl(9403)->OnExecute();
    EXPECT_TRUE(testpump::PumpUntil([&] { return !::IsWindow(hChild); }));
    EXPECT_TRUE(testpump::PumpUntil([&] { return MdiIds().empty(); }));
}

TEST_F(MdiMenuBar, FrameMenuChangesSwitchTheTitlesUnlessFlag400)
{
    CMenu trayMenu;
    ASSERT_TRUE(trayMenu.LoadMenu(IDR_TRAYMENU));
    m_pFrame->m_pTemplateBars->nTemplate = IDR_TRAYMENU;
    struct Case
    {
        DWORD dwFlags;
        CString firstTitle;
    } cases[] = {{0, L"Tray"}, {0x400, L"&Datei"}};
    for (const Case& c : cases) {
        m_pMenuBar->SetFlags(c.dwFlags, 0x400 & ~c.dwFlags);
        m_pFrame->MDISetMenu(&trayMenu, nullptr);
        testpump::PumpUntilIdle();
        ASSERT_FALSE(Titles().empty());
        EXPECT_EQ(Titles().front(), c.firstTitle) << std::hex << c.dwFlags;
        EXPECT_EQ(::GetMenu(m_hFrame), nullptr) << "the frame never gets a native menu back";

        // The frame's own menu brings the default titles back.
        ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDISETMENU,
                       reinterpret_cast<WPARAM>(m_pMenuBar->GetDefaultMenu()), 0);
        EXPECT_EQ(Titles().size(), 3u);
        EXPECT_EQ(Titles().front(), CString(L"&Datei"));
        EXPECT_EQ(m_pMenuBar->GetCurrentMenuId(), static_cast<UINT>(IDR_MAINFRAME));
    }
}

TEST_F(MenuBar, ScreenshotOfAnOpenMenuWithItsSubmenu)
{
    testinput::SendChord({VK_MENU, 'A'});
    CXTPCommandBar* pMenu = MenuOf(m_pAuswaehlen);
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pMenu) && pMenu->GetSelectedIndex() == 0; }));
    testinput::SendKey(VK_DOWN);
    testinput::SendKey(VK_DOWN);
    testinput::SendKey(VK_RIGHT);
    CXTPCommandBar* pSubmenu = MenuOf(pMenu->GetControl(2));
    ASSERT_TRUE(PumpUntil([&] { return IsOpen(pSubmenu); }));
    testpump::PumpUntilIdle();
    for (CWnd* pWnd : {static_cast<CWnd*>(m_pMenuBar), static_cast<CWnd*>(pMenu), static_cast<CWnd*>(pSubmenu)})
        pWnd->UpdateWindow();

    CRect rcFrame, rcMenu, rcSub;
    m_pFrame->GetWindowRect(&rcFrame);
    pMenu->GetWindowRect(&rcMenu);
    pSubmenu->GetWindowRect(&rcSub);
    CRect rcShot;
    rcShot.UnionRect(&rcFrame, &rcSub);
    rcShot.UnionRect(&rcShot, &rcMenu);
    HDC hScreen = ::GetDC(nullptr);
    testshot::Image image = testshot::CaptureDC(hScreen, rcShot);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_FALSE(testshot::Save(image, L"menubar_open_submenu.png").empty());

    auto at = [&](int x, int y) { return image.Pixel(x - rcShot.left, y - rcShot.top); };
    auto isDark = [](COLORREF c) { return GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80; };
    CRect rcBar;
    m_pMenuBar->GetWindowRect(&rcBar);
    COLORREF clrBar = at(rcBar.right - 4, rcBar.CenterPoint().y);
    CRect rcTitle = m_pAuswaehlen->GetRect();
    m_pMenuBar->ClientToScreen(&rcTitle);
    int nFramed = 0;
    for (int y = rcTitle.top + 2; y < rcTitle.bottom - 2; y++)
        nFramed += at(rcTitle.left, y) != clrBar ? 1 : 0;
    EXPECT_GT(nFramed, rcTitle.Height() / 2) << "the open title is drawn pressed: its left edge is framed";
    CRect rcPlain = pMenu->GetControl(0)->GetRect();
    pMenu->ClientToScreen(&rcPlain);
    int nText = 0;
    for (int x = rcPlain.left; x < rcPlain.right; x++)
        nText += isDark(at(x, rcPlain.CenterPoint().y)) ? 1 : 0;
    EXPECT_GT(nText, 5) << "the drop-down's first item has its text";
    EXPECT_NE(at(rcMenu.CenterPoint().x, rcMenu.bottom - 1), at(rcMenu.CenterPoint().x, rcMenu.bottom + 10))
        << "the drop-down has its frame";
    CRect rcItem = pMenu->GetControl(2)->GetRect();
    pMenu->ClientToScreen(&rcItem);
    EXPECT_NE(at(rcItem.right - 30, rcItem.CenterPoint().y), at(rcPlain.right - 30, rcPlain.CenterPoint().y))
        << "the submenu's item is highlighted";
    EXPECT_GE(rcSub.left, rcMenu.right - 8) << "the submenu opens beside its item";
}

TEST_F(MdiMenuBar, WithCustomizationEachMenuKeepsItsOwnControlsAlsoWhenStored)
{
    ASSERT_NO_FATAL_FAILURE(RecreateCustomizable());
    ASSERT_TRUE(m_pFrame->GetCommandBars()->IsCustomizeAvail());

    CMenu trayMenu;
    ASSERT_TRUE(trayMenu.LoadMenu(IDR_TRAYMENU));
    m_pFrame->m_pTemplateBars->nTemplate = IDR_TRAYMENU;
    CXTPControls* pDefaultControls = m_pMenuBar->GetControls();
    m_pFrame->MDISetMenu(&trayMenu, nullptr);
    ASSERT_EQ(Titles(), std::vector<CString>{CString(L"Tray")});
    EXPECT_NE(m_pMenuBar->GetControls(), pDefaultControls) << "the default menu's controls are put aside";
    ASSERT_NE(m_pMenuBar->GetControls()->GetOriginalControls(), nullptr) << "a first load is the initial set";
    m_pMenuBar->GetControl(0)->SetCaption(L"Symbolleiste");  // the user renames the title

    ::SendMessageW(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(m_pMenuBar->GetDefaultMenu()),
                   0);
    EXPECT_EQ(m_pMenuBar->GetControls(), pDefaultControls) << "the default menu's own controls come back";
    EXPECT_EQ(Titles().size(), 3u);
    m_pFrame->MDISetMenu(&trayMenu, nullptr);
    EXPECT_EQ(Titles(), std::vector<CString>{CString(L"Symbolleiste")}) << "the renamed title is kept";

    // Storing puts the template menu aside and stores the default controls
    // as the bar's own; a bar loaded from that knows both menus.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        m_pMenuBar->DoPropExchange(&px);
        ar.Close();
    }
    EXPECT_EQ(Titles().front(), CString(L"&Datei")) << "stored with the default menu showing";
    EXPECT_TRUE(m_pMenuBar->IsMenuSwitchedForSaving());
    ASSERT_NE(m_pMenuBar->GetTemplateMenu(IDR_TRAYMENU), nullptr);
    EXPECT_EQ(m_pMenuBar->GetTemplateMenu(IDR_TRAYMENU)->GetAt(0)->GetCaption(), CString(L"Symbolleiste"));

    file.SeekToBegin();
    auto* pLoaded = new CXTPMenuBar();
    pLoaded->SetCommandBars(m_pFrame->GetCommandBars());
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        pLoaded->DoPropExchange(&px);
    }
    EXPECT_EQ(pLoaded->GetDefaultMenuId(), static_cast<UINT>(IDR_MAINFRAME));
    EXPECT_EQ(pLoaded->GetTemplateMenuCount(), 1);
    EXPECT_NE(pLoaded->GetTemplateMenu(IDR_TRAYMENU), nullptr);
    pLoaded->InternalRelease();
}

TEST_F(MenuBar, ResetBringsTheLoadedTitlesBackAndTellsTheFrame)
{
    m_pMenuBar->GetControls()->RemoveAt(1);
    m_pMenuBar->GetControl(0)->SetCaption(L"&Programm");
    m_pMenuBar->Reset(FALSE);
    ASSERT_EQ(m_pMenuBar->GetControlCount(), 3);
    EXPECT_EQ(m_pMenuBar->GetControl(0)->GetCaption(), CString(L"&Datei"));
    EXPECT_EQ(m_pMenuBar->GetControl(1)->GetCaption(), CString(L"&Auswählen"));
    EXPECT_EQ(m_pMenuBar->GetControls()->GetOriginalControls()->GetCount(), 3) << "the initial set stays as it is";
    EXPECT_EQ(m_pFrame->resets, 1);
    EXPECT_EQ(0u, m_pFrame->resetParams.first) << "as a toolbar tells it: wParam 0, lParam the bar";
    EXPECT_EQ(reinterpret_cast<LPARAM>(m_pMenuBar), m_pFrame->resetParams.second);
}

// A menu bar the program made not customizable keeps what it shows, as a
// toolbar does; a menu bar of one menu resets as a toolbar (no second notice).
TEST_F(MenuBar, ResetLeavesABarThatIsNotCustomizableAlone)
{
    m_pMenuBar->GetControls()->RemoveAt(1);
    m_pMenuBar->SetCustomizable(FALSE);
    m_pMenuBar->Reset(FALSE);
    EXPECT_EQ(m_pMenuBar->GetControlCount(), 2);
    EXPECT_EQ(m_pFrame->resets, 0);
    m_pMenuBar->SetCustomizable(TRUE);
    m_pMenuBar->Reset(FALSE);
    EXPECT_EQ(m_pMenuBar->GetControlCount(), 3);
    EXPECT_EQ(m_pFrame->resets, 1);
}

TEST_F(MenuBar, AFrameRemovingTheMenuBarWhenToldOfItsResetRunsOnWithoutIt)
{
    m_pMenuBar->GetControls()->RemoveAt(1);
    m_pFrame->removeOnReset = true;
    m_pMenuBar->Reset(FALSE);
    m_pMenuBar = nullptr;
    EXPECT_EQ(m_pFrame->resets, 1);
    EXPECT_EQ(nullptr, m_pFrame->GetCommandBars()->GetMenuBar());
    m_pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    EXPECT_TRUE(::IsWindow(m_hFrame));
}

TEST_F(MdiMenuBar, ScreenshotOfAMaximizedChildsButtons)
{
    m_pMenuBar->SetFlags(XTP_MENUBAR_SHOW_SYSMENU);
    CMDIChildWnd* pChild = AddChild(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(pChild, nullptr);
    pChild->MDIMaximize();
    ASSERT_TRUE(testpump::PumpUntil([&] { return MdiIds().size() == 4u; }));
    testpump::PumpUntilIdle();
    m_pMenuBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    testshot::Image image = testshot::CaptureWindow(m_pMenuBar->GetSafeHwnd());
    EXPECT_FALSE(testshot::Save(image, L"menubar_mdi_buttons.png").empty());

    auto darkIn = [&](const CRect& rc) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++) {
                COLORREF c = image.Pixel(x, y);
                n += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60 ? 1 : 0;
            }
        return n;
    };
    CXTPControl* pClose = m_pMenuBar->GetControls()->FindControl(9403);
    CXTPControl* pRestore = m_pMenuBar->GetControls()->FindControl(9404);
    CXTPControl* pSysMenu = m_pMenuBar->GetControls()->FindControl(9406);
    EXPECT_EQ(pClose->GetTooltip(), CString(L"Fenster schließen"));
    EXPECT_EQ(pRestore->GetTooltip(), CString(L"Fenster wiederherstellen"));
    EXPECT_EQ(m_pMenuBar->GetControls()->FindControl(9405)->GetTooltip(), CString(L"Fenster minimieren"));
    EXPECT_GT(darkIn(pClose->GetRect()), 8) << "the close glyph is drawn";
    EXPECT_GT(darkIn(pRestore->GetRect()), 8) << "the restore glyph is drawn";
    EXPECT_GT(pClose->GetRect().left, m_pMenuBar->GetControl(3)->GetRect().right) << "the buttons stand right";
    CRect rcIcon = pSysMenu->GetRect();
    int nColoured = 0;
    for (int y = rcIcon.top; y < rcIcon.bottom; y++)
        for (int x = rcIcon.left; x < rcIcon.right; x++)
            nColoured += image.Pixel(x, y) != image.Pixel(rcIcon.left, rcIcon.top) ? 1 : 0;
    EXPECT_GT(nColoured, 20) << "the child's icon is drawn";
}

TEST_F(MdiMenuBar, SavingDropsUncustomizedTemplateMenusAndReloadedOnesGetTheirPopups)
{
    ASSERT_NO_FATAL_FAILURE(RecreateCustomizable());
    CXTPCommandBars* pBars = m_pFrame->GetCommandBars();

    // Two document types: the tray menu's title renamed, the context menu as loaded.
    CMenu trayMenu, contextMenu;
    ASSERT_TRUE(trayMenu.LoadMenu(IDR_TRAYMENU));
    ASSERT_TRUE(contextMenu.LoadMenu(IDR_CONTEXTMENU));
    m_pFrame->m_pTemplateBars->nTemplate = IDR_TRAYMENU;
    m_pFrame->MDISetMenu(&trayMenu, nullptr);
    m_pMenuBar->GetControl(0)->SetCaption(L"Symbolleiste");
    m_pFrame->m_pTemplateBars->nTemplate = IDR_CONTEXTMENU;
    m_pFrame->MDISetMenu(&contextMenu, nullptr);
    m_pFrame->m_pTemplateBars->nTemplate = IDR_TRAYMENU;
    m_pFrame->MDISetMenu(&trayMenu, nullptr);
    ASSERT_EQ(m_pMenuBar->GetTemplateMenuCount(), 2);

    XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
    param.bSaveOnlyCustomized = TRUE;
    param.pCommandBars = pBars;
    CXTPCommandBarList list;
    pBars->GenerateCommandBarList(&list, &param);
    ASSERT_TRUE(list.Lookup(m_pMenuBar)) << "a bar with template menus is always saved";
    EXPECT_EQ(Titles().front(), CString(L"&Datei")) << "saved with the default menu showing";
    EXPECT_TRUE(m_pMenuBar->IsMenuSwitchedForSaving());
    EXPECT_EQ(m_pMenuBar->GetTemplateMenuCount(), 1);
    EXPECT_EQ(m_pMenuBar->GetTemplateMenu(IDR_CONTEXTMENU), nullptr) << "as loaded: nothing to keep";
    CXTPControls* pTray = m_pMenuBar->GetTemplateMenu(IDR_TRAYMENU);
    ASSERT_NE(pTray, nullptr);
    CXTPCommandBar* pTrayPopup = pTray->GetAt(0)->GetCommandBar();
    ASSERT_NE(pTrayPopup, nullptr);
    EXPECT_TRUE(list.Lookup(pTrayPopup)) << "the template menu's popups go along";

    // Stored and loaded again: the loaded template title opens its menu.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        px.m_dwData = reinterpret_cast<DWORD_PTR>(&param);
        ASSERT_TRUE(pBars->SaveCommandBarList(&px, &list, &param));
        ar.Close();
    }
    file.SeekToBegin();
    CXTPCommandBarList loaded;
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        px.m_dwData = reinterpret_cast<DWORD_PTR>(&param);
        ASSERT_TRUE(pBars->LoadCommandBarList(&px, &loaded));
    }
    CXTPMenuBar* pLoaded = nullptr;
    for (int i = 0; i < loaded.GetCount() && !pLoaded; i++)
        pLoaded = dynamic_cast<CXTPMenuBar*>(loaded.GetAt(i));
    ASSERT_NE(pLoaded, nullptr);
    pLoaded->RestoreCommandBarList(&loaded);
    CXTPControls* pLoadedTray = pLoaded->GetTemplateMenu(IDR_TRAYMENU);
    ASSERT_NE(pLoadedTray, nullptr);
    ASSERT_GT(pLoadedTray->GetCount(), 0);
    EXPECT_EQ(pLoadedTray->GetAt(0)->GetCaption(), CString(L"Symbolleiste"));
    CXTPCommandBar* pLoadedPopup = pLoadedTray->GetAt(0)->GetCommandBar();
    ASSERT_NE(pLoadedPopup, nullptr) << "re-linked to its loaded popup bar";
    EXPECT_EQ(pLoadedPopup->GetControlCount(), pTrayPopup->GetControlCount());
}

namespace {
// Sets the system's keyboard cue setting for a while, then restores it.
class CSystemCueSetting
{
public:
    explicit CSystemCueSetting(BOOL bShow)
    {
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &m_bOld, 0);
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(bShow)), 0);
    }
    ~CSystemCueSetting()
    {
        SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(m_bOld)), 0);
    }

private:
    BOOL m_bOld = TRUE;
};
} // namespace

TEST_F(MenuBar, AltPressedForRealShowsTheCuesAsTheModeSays)
{
    struct Case
    {
        const char* what;
        long mode;
        BOOL system;
        BOOL before, tracking, after;
    } cases[] = {
        {"0: always", 0, FALSE, TRUE, TRUE, TRUE},
        {"1: never", 1, TRUE, FALSE, FALSE, FALSE},
        {"2, the system shows them: always", 2, TRUE, TRUE, TRUE, TRUE},
        {"2, the system hides them: only from Alt to the end of tracking", 2, FALSE, FALSE, TRUE, FALSE},
    };
    CXTPCommandBars* pBars = m_pFrame->GetCommandBars();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSystemCueSetting system(c.system);
        pBars->SetKeyboardCuesShow(c.mode);
        EXPECT_EQ(c.before, pBars->IsKeyboardCuesVisible());
        testinput::SendKey(VK_MENU);
        ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->IsTrackingMode() != xtpTrackingNone; }));
        EXPECT_EQ(c.tracking, pBars->IsKeyboardCuesVisible());
        testinput::SendKey(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return m_pMenuBar->IsTrackingMode() == xtpTrackingNone; }));
        EXPECT_EQ(c.after, pBars->IsKeyboardCuesVisible());
    }
    pBars->SetKeyboardCuesShow(0);
}

namespace {

CSize WindowSizeOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc.Size();
}

// Every shown control lies below the floating caption inside the window.
void ExpectControlsUnderTheCaption(CXTPCommandBar* pBar)
{
    CClientDC dc(pBar);
    const int nCaption = pBar->GetPaintManager()->DrawCommandBarGripper(&dc, pBar, FALSE).cy;
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    for (int i = 0; i < pBar->GetControlCount(); i++) {
        CXTPControl* pControl = pBar->GetControl(i);
        if (!pControl->IsVisible())
            continue;
        CRect rc = pControl->GetRect();
        EXPECT_FALSE(rc.IsRectEmpty()) << pControl->GetCaption().GetString();
        EXPECT_TRUE(rc.left >= 0 && rc.top >= nCaption && rc.right <= rcClient.right && rc.bottom <= rcClient.bottom)
            << pControl->GetCaption().GetString() << " lies outside the window";
    }
}

} // namespace

// Floating, the menu bar has a window of its own that follows its titles,
// and no expand button.
TEST_F(MenuBar, FloatingItSizesItsWindowToItsTitlesAndShowsNoExpandButton)
{
    ASSERT_TRUE(m_pMenuBar->SetPosition(xtpBarFloating));
    EXPECT_EQ(nullptr, m_pMenuBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND));
    const CSize szFloating = WindowSizeOf(m_pMenuBar);
    EXPECT_EQ(m_pMenuBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH), szFloating) << "the window is not sized";
    EXPECT_LT(szFloating.cx, 400) << "the window keeps its docked width";
    ExpectControlsUnderTheCaption(m_pMenuBar);

    // A title added before the idle update, then a longer caption: each
    // time the window grows to show it.
    CXTPControl* pExtras = m_pMenuBar->GetControls()->Add(xtpControlPopup, 0);
    pExtras->SetCaption(L"&Extras");
    m_pMenuBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pExtras->GetRect().IsRectEmpty()) << "the new title got no place";
    const CSize szFour = WindowSizeOf(m_pMenuBar);
    EXPECT_GT(szFour.cx, szFloating.cx);
    ExpectControlsUnderTheCaption(m_pMenuBar);
    pExtras->SetCaption(L"&Extras und Einstellungen");
    m_pMenuBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_GT(WindowSizeOf(m_pMenuBar).cx, szFour.cx) << "the longer caption does not show";
    ExpectControlsUnderTheCaption(m_pMenuBar);

    // A reset gives back the loaded titles in the first window size.
    m_pMenuBar->Reset(FALSE);
    EXPECT_EQ(3, m_pMenuBar->GetControlCount());
    EXPECT_EQ(szFloating, WindowSizeOf(m_pMenuBar));
}

// A menu bar a program made to show the expand button shows it only while
// floating: docked again the titles end the bar.
TEST_F(MenuBar, DockedAgainItHidesTheExpandButtonItShowedFloating)
{
    const CSize szDocked = WindowSizeOf(m_pMenuBar);
    m_pMenuBar->SetShowExpandButton(TRUE);
    ASSERT_TRUE(m_pMenuBar->SetPosition(xtpBarFloating));
    CXTPControl* pExpand = m_pMenuBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(nullptr, pExpand);
    EXPECT_TRUE(pExpand->IsVisible());
    ASSERT_TRUE(m_pMenuBar->SetPosition(xtpBarTop));
    m_pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    EXPECT_FALSE(pExpand->IsVisible()) << "the expand button stays on the docked bar";
    EXPECT_EQ(szDocked, WindowSizeOf(m_pMenuBar));
}

TEST_F(MenuBar, UmlautMnemonicsChooseAnItemAndOpenATitleTypedInEitherCase)
{
    CXTPControl* pHilfe = m_pMenuBar->GetControl(2);
    ASSERT_EQ(pHilfe->GetCaption(), CString(L"&Hilfe"));
    const struct
    {
        const char* what;
        void (*type)();
    } ways[] = {
        {"ü", [] { testinput::SendChar(L'\u00fc'); }},
        {"Shift+Ü", [] { testinput::SendShiftedChar(L'\u00dc'); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        m_pFrame->commands.clear();
        testinput::SendChord({VK_MENU, 'H'});
        ASSERT_TRUE(PumpUntil([&] { return IsOpen(MenuOf(pHilfe)); })) << "Alt+H opens \"&Hilfe\"";
        PumpFrameUntilIdle(m_hFrame);
        way.type();
        EXPECT_TRUE(PumpUntil([&] { return !m_pFrame->commands.empty(); })) << "\"&Über...\" was not chosen";
        EXPECT_EQ(m_pFrame->commands, std::vector<UINT>{ID_ABOUT});
        EXPECT_TRUE(PumpUntil([&] { return !IsOpen(MenuOf(pHilfe)) && !m_pMenuBar->IsTrackingMode(); }));
        XTPMouseManager()->EndAllTracking();
    }

    // A title: Alt held while ä is typed opens "&Ändern".
    m_pAuswaehlen->SetCaption(L"&Ändern");
    testinput::SendKeyDown(VK_MENU);
    testinput::SendChar(L'\u00e4');
    testinput::SendKeyUp(VK_MENU);
    EXPECT_TRUE(PumpUntil([&] { return IsOpen(MenuOf(m_pAuswaehlen)); })) << "Alt+ä did not open \"&Ändern\"";
    EXPECT_EQ(m_pMenuBar->GetPopupedIndex(), 1);
}
