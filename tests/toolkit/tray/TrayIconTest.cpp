// The tray icon in Wine's real notification area: the record the shell is
// given, changes while hidden, balloons, routing of the icon's mouse
// messages to the owner and the tray menu, animation frames driven by
// timer messages, re-adding when the taskbar is re-created, hiding a frame.
#include <gtest/gtest.h>

#include <vector>
#include "support/ShowRequests.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"

#include "framework/windows/CWnd.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/tray/XTTrayIcon.h"

namespace {

// A window that records what it receives; its answer to the tray
// callback message can be chosen.
class CRecordingOwner : public CWnd
{
public:
    std::vector<UINT> commands;
    std::vector<LPARAM> callbacks;
    int menusOpened = 0;
    int nullMessages = 0;
    int minimizes = 0;
    LRESULT callbackAnswer = 0;

    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"Besitzer", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                        nullptr);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_COMMAND: commands.push_back(LOWORD(wParam)); return 0;
        case XTWM_TRAYICON_NOTIFY: callbacks.push_back(lParam); return callbackAnswer;
        case WM_INITMENUPOPUP:
            ++menusOpened;
            ::PostMessageW(m_hWnd, WM_CANCELMODE, 0, 0);
            break;
        case WM_NULL: ++nullMessages; return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED)
                ++minimizes;
            break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Whether the shell knows an icon with this window and id.
BOOL ShellHasIcon(const NOTIFYICONDATAW& record)
{
    NOTIFYICONDATAW probe = {};
    probe.cbSize = NOTIFYICONDATAW_V2_SIZE;
    probe.hWnd = record.hWnd;
    probe.uID = record.uID;
    probe.uFlags = NIF_TIP;
    lstrcpynW(probe.szTip, record.szTip, 128);
    return ::Shell_NotifyIconW(NIM_MODIFY, &probe);
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

class TrayIcon : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(owner.CreateOwner()); }
    void TearDown() override { owner.DestroyWindow(); }

    CRecordingOwner owner;
};

} // namespace

TEST_F(TrayIcon, CreationAddsTheIconWithItsRecord)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Tavrolin", &owner, IDI_TOOLKIT_PLAIN1, IDR_TOOLKIT_TRAY, 0, TRUE));
    const NOTIFYICONDATAW& record = tray.GetNotifyIconData();
    EXPECT_EQ(936u, record.cbSize);
    EXPECT_EQ(tray.GetSafeHwnd(), record.hWnd);
    EXPECT_EQ(static_cast<UINT>(IDR_TOOLKIT_TRAY), record.uID);
    EXPECT_NE(nullptr, record.hIcon);
    EXPECT_STREQ(L"Tavrolin", record.szTip);
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_FALSE(tray.IsRemoved());
    EXPECT_TRUE(ShellHasIcon(record));

    EXPECT_TRUE(tray.RemoveIcon());
    EXPECT_FALSE(ShellHasIcon(record));
    EXPECT_TRUE(tray.RemoveIcon()); // already removed
}

TEST_F(TrayIcon, TooltipIsCutBelowItsLimit)
{
    CXTTrayIcon tray;
    CString text(L'x', 200);
    // Before creation the limit is 64 ...
    EXPECT_TRUE(tray.SetTooltipText(text));
    EXPECT_EQ(63, tray.GetTooltipText().GetLength());
    // ... afterwards 127.
    ASSERT_TRUE(tray.Create(L"kurz", &owner, IDI_TOOLKIT_PLAIN1, 1, 0, FALSE));
    EXPECT_TRUE(tray.SetTooltipText(text));
    EXPECT_EQ(126, tray.GetTooltipText().GetLength());
    EXPECT_EQ(126, lstrlenW(tray.GetNotifyIconData().szTip));
    CString exact(L'y', 126);
    tray.SetTooltipText(exact);
    EXPECT_EQ(126, tray.GetTooltipText().GetLength());
}

TEST_F(TrayIcon, ChangesWhileHiddenReachTheShellWhenAdded)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"vorher", &owner, IDI_TOOLKIT_PLAIN1, 2, 0, FALSE));
    HICON hBefore = tray.GetNotifyIconData().hIcon;
    ASSERT_TRUE(tray.RemoveIcon());
    EXPECT_TRUE(tray.IsHidden());

    EXPECT_TRUE(tray.SetTooltipText(L"nachher"));
    EXPECT_TRUE(tray.SetIcon(IDI_TOOLKIT_PLAIN2));
    EXPECT_FALSE(ShellHasIcon(tray.GetNotifyIconData())); // nothing was sent
    EXPECT_NE(hBefore, tray.GetNotifyIconData().hIcon);
    EXPECT_TRUE(tray.SetIcon(IDI_TOOLKIT_PLAIN2)); // already set

    ASSERT_TRUE(tray.AddIcon());
    EXPECT_STREQ(L"nachher", tray.GetNotifyIconData().szTip);
    EXPECT_TRUE(ShellHasIcon(tray.GetNotifyIconData()));
    EXPECT_FALSE(tray.SetIcon(4711)); // no such icon
}

TEST_F(TrayIcon, BalloonsAreShownOnceAndCut)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Ballon", &owner, IDI_TOOLKIT_PLAIN1, 3, 0, FALSE));
    EXPECT_FALSE(tray.ShowBalloonTip(nullptr));
    EXPECT_FALSE(tray.ShowBalloonTip(L""));

    EXPECT_TRUE(tray.ShowBalloonTip(L"Neue Tickets verfügbar", L"Tavrolin", NIIF_INFO, 7));
    const NOTIFYICONDATAW& record = tray.GetNotifyIconData();
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO), record.uFlags);
    EXPECT_EQ(7000u, record.uTimeout);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), record.dwInfoFlags);
    EXPECT_STREQ(L"Tavrolin", record.szInfoTitle);
    EXPECT_STREQ(L"", record.szInfo); // emptied so later changes do not repeat it

    CString longText(L'a', 400);
    CString longTitle(L'b', 100);
    EXPECT_TRUE(tray.ShowBalloonTip(longText, longTitle));
    EXPECT_EQ(63, lstrlenW(record.szInfoTitle));
    EXPECT_TRUE(tray.ShowBalloonTip(L"ohne Titel"));
    EXPECT_STREQ(L"", record.szInfoTitle);
}

TEST_F(TrayIcon, MouseMessagesGoToTheOwnerFirst)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Menü", &owner, IDI_TOOLKIT_PLAIN1, IDR_TOOLKIT_TRAY, 0, TRUE));
    HWND hTray = tray.GetSafeHwnd();

    // Another icon's id: not ours.
    EXPECT_EQ(0, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY + 1, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(owner.callbacks.empty());

    // Double click, default item by position 0: the first item of the menu.
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_LBUTTONDBLCLK));
    ASSERT_EQ(1u, owner.callbacks.size());
    EXPECT_EQ(WM_LBUTTONDBLCLK, owner.callbacks[0]);
    ASSERT_EQ(1u, owner.commands.size());
    EXPECT_EQ(static_cast<UINT>(ID_TOOLKIT_TRAY_OPEN), owner.commands[0]);

    // By command id.
    tray.SetDefaultMenuItem(ID_TOOLKIT_TRAY_EXIT, FALSE);
    ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_LBUTTONDBLCLK);
    ASSERT_EQ(2u, owner.commands.size());
    EXPECT_EQ(static_cast<UINT>(ID_TOOLKIT_TRAY_EXIT), owner.commands[1]);

    // Other mouse messages are taken without action.
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_MOUSEMOVE));

    // The right button opens the tray menu; the owner gets WM_NULL afterwards.
    testtimer::ThreadTimer safety(500, EndMenuSoon);
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_RBUTTONUP));
    safety.Kill();
    EXPECT_EQ(1, owner.menusOpened);
    testpump::PumpUntil([&] { return owner.nullMessages > 0; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(1, owner.nullMessages);

    // An owner that handles the callback itself: no command, no menu.
    owner.callbackAnswer = 1;
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_LBUTTONDBLCLK));
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_RBUTTONUP));
    EXPECT_EQ(2u, owner.commands.size());
    EXPECT_EQ(1, owner.menusOpened);
}

TEST_F(TrayIcon, AModalDialogOverTheOwnerIsBroughtForwardInsteadOfCommands)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Menü", &owner, IDI_TOOLKIT_PLAIN1, IDR_TOOLKIT_TRAY, 0, TRUE));
    HWND hTray = tray.GetSafeHwnd();
    // As a modal dialog leaves its owner: disabled, the dialog its last
    // active popup.
    HWND hDialog = ::CreateWindowExW(0, L"STATIC", L"Dialog", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40,
                                     owner.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_NE(hDialog, nullptr);
    ::SetActiveWindow(hDialog);
    owner.EnableWindow(FALSE);

    testtimer::ThreadTimer safety(500, EndMenuSoon);
    for (UINT uMessage : {WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_CONTEXTMENU})
        EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, uMessage));
    safety.Kill();
    EXPECT_TRUE(owner.commands.empty()) << "no command reaches the owner under its dialog";
    EXPECT_EQ(0, owner.menusOpened);
    EXPECT_EQ(hDialog, ::GetForegroundWindow());

    // Once the dialog is gone the icon acts again.
    owner.EnableWindow(TRUE);
    ::DestroyWindow(hDialog);
    ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_LBUTTONDBLCLK);
    EXPECT_EQ(1u, owner.commands.size());
}

// The owner minimized under its modal dialog: the icon shows it again and
// brings the dialog forward; an owner hidden in the tray stays hidden while
// its dialog is brought forward.
TEST_F(TrayIcon, AMinimizedOwnerUnderItsDialogIsShownAgain)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Dialog", &owner, IDI_TOOLKIT_PLAIN1, IDR_TOOLKIT_TRAY, 0, TRUE));
    HWND hTray = tray.GetSafeHwnd();
    owner.ShowWindow(SW_SHOW);
    HWND hDialog = ::CreateWindowExW(0, L"STATIC", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 120, 60,
                                     owner.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_NE(hDialog, nullptr);
    ::SetActiveWindow(hDialog);
    owner.EnableWindow(FALSE);

    for (UINT uMessage : {WM_LBUTTONDBLCLK, WM_RBUTTONUP})
    {
        owner.ShowWindow(SW_SHOWMINNOACTIVE);
        ASSERT_TRUE(owner.IsIconic());
        EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, uMessage));
        testpump::PumpUntilIdle();
        EXPECT_FALSE(owner.IsIconic()) << uMessage;
        EXPECT_TRUE(owner.IsWindowVisible()) << uMessage;
        EXPECT_TRUE(::IsWindowVisible(hDialog)) << uMessage;
        EXPECT_EQ(hDialog, ::GetForegroundWindow()) << uMessage;
        EXPECT_FALSE(owner.IsWindowEnabled()) << "the dialog still runs";
    }
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(0, owner.menusOpened);

    // Hidden (in the tray) the owner stays there.
    owner.ShowWindow(SW_HIDE);
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"Andere", WS_POPUP | WS_VISIBLE, 300, 40, 80, 40, nullptr,
                                    nullptr, nullptr, nullptr);
    ::SetForegroundWindow(hOther);
    EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, WM_LBUTTONDBLCLK));
    testpump::PumpUntilIdle();
    EXPECT_FALSE(owner.IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(hDialog));
    EXPECT_EQ(hDialog, ::GetForegroundWindow());

    ::DestroyWindow(hOther);
    owner.EnableWindow(TRUE);
    ::DestroyWindow(hDialog);
}

// The owner on the screen under its modal dialog: whatever acts on the
// icon brings the dialog forward and makes it the active window; neither the
// owner nor the dialog is minimized, restored or hidden on the way (the
// window manager could be left holding them minimized).
TEST_F(TrayIcon, AnOwnerOnTheScreenUnderItsDialogStaysThere)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Dialog", &owner, IDI_TOOLKIT_PLAIN1, IDR_TOOLKIT_TRAY, 0, TRUE));
    HWND hTray = tray.GetSafeHwnd();
    owner.ShowWindow(SW_SHOW);
    HWND hDialog = ::CreateWindowExW(0, L"STATIC", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 120, 60,
                                     owner.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_NE(hDialog, nullptr);
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"Andere", WS_POPUP | WS_VISIBLE, 300, 40, 80, 40, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_NE(hOther, nullptr);
    ::SetActiveWindow(hDialog);
    owner.EnableWindow(FALSE);

    CShowRequests watch;
    ASSERT_TRUE(watch.IsHooked());
    testtimer::ThreadTimer safety(500, EndMenuSoon);
    for (UINT uMessage : {WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT})
    {
        ::SetForegroundWindow(hOther);
        ASSERT_EQ(hOther, ::GetForegroundWindow());
        EXPECT_EQ(1, ::SendMessageW(hTray, XTWM_TRAYICON_NOTIFY, IDR_TOOLKIT_TRAY, uMessage)) << uMessage;
        testpump::PumpUntilIdle();
        EXPECT_EQ(hDialog, ::GetForegroundWindow()) << uMessage;
        EXPECT_EQ(hDialog, ::GetActiveWindow()) << uMessage;
        EXPECT_TRUE(owner.IsWindowVisible() && !owner.IsIconic()) << uMessage;
        EXPECT_TRUE(::IsWindowVisible(hDialog) && !::IsIconic(hDialog)) << uMessage;
    }
    safety.Kill();
    EXPECT_TRUE(watch.minMaxed.empty()) << watch.minMaxed.size() << " minimizes or restores";
    EXPECT_TRUE(watch.hidden.empty()) << watch.hidden.size() << " windows hidden";
    EXPECT_EQ(0, owner.minimizes);
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(0, owner.menusOpened);

    ::DestroyWindow(hOther);
    owner.EnableWindow(TRUE);
    ::DestroyWindow(hDialog);
}

TEST_F(TrayIcon, MenuNeedsAResourceOfTheIconId)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"ohne Menü", &owner, IDI_TOOLKIT_PLAIN1, 77, 0, TRUE));
    EXPECT_EQ(0, ::SendMessageW(tray.GetSafeHwnd(), XTWM_TRAYICON_NOTIFY, 77, WM_RBUTTONUP));
    EXPECT_EQ(0, ::SendMessageW(tray.GetSafeHwnd(), XTWM_TRAYICON_NOTIFY, 77, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(TrayIcon, AnimationStepsThroughItsFrames)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Ruhe", &owner, IDI_TOOLKIT_PLAIN1, 4, 0, FALSE));
    HICON hOwn = tray.GetNotifyIconData().hIcon;

    // No frames: no timer.
    tray.StartAnimation(77, 60000);
    EXPECT_FALSE(::KillTimer(tray.GetSafeHwnd(), 77));

    const UINT frames[] = {IDI_TOOLKIT_PLAIN1, IDI_TOOLKIT_PLAIN2, IDI_TOOLKIT_PLAIN3};
    const CString tips[] = {L"eins", L"", L"drei"};
    ASSERT_TRUE(tray.SetAnimationIcons(frames, 3, tips));
    tray.StartAnimation(77, 60000);
    std::vector<HICON> shown;
    std::vector<CString> shownTips;
    for (int i = 0; i < 4; ++i)
    {
        ::SendMessageW(tray.GetSafeHwnd(), WM_TIMER, 77, 0);
        shown.push_back(tray.GetNotifyIconData().hIcon);
        shownTips.push_back(tray.GetNotifyIconData().szTip);
    }
    EXPECT_NE(hOwn, shown[0]);
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_NE(shown[1], shown[2]);
    EXPECT_EQ(shown[0], shown[3]); // back to the first frame
    EXPECT_EQ(CString(L"eins"), shownTips[0]);
    EXPECT_EQ(CString(L"Ruhe"), shownTips[1]); // empty frame tip: the icon's own
    EXPECT_EQ(CString(L"drei"), shownTips[2]);
    EXPECT_EQ(CString(L"Ruhe"), tray.GetTooltipText());

    tray.StopAnimation();
    EXPECT_EQ(hOwn, tray.GetNotifyIconData().hIcon);
    EXPECT_STREQ(L"Ruhe", tray.GetNotifyIconData().szTip);
    EXPECT_TRUE(ShellHasIcon(tray.GetNotifyIconData()));

    // A frame that does not load: FALSE, the frames before it stay.
    const UINT broken[] = {IDI_TOOLKIT_PLAIN2, 4711, IDI_TOOLKIT_PLAIN3};
    EXPECT_FALSE(tray.SetAnimationIcons(broken, 3));
    EXPECT_EQ(1, tray.GetAnimationFrameCount());
    tray.RemoveAnimationIcons();
    EXPECT_EQ(0, tray.GetAnimationFrameCount());
}

TEST_F(TrayIcon, TaskbarRestartAddsTheIconAgain)
{
    static const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"bleibt", &owner, IDI_TOOLKIT_PLAIN1, 5, 0, FALSE));

    // The new taskbar has none of the old icons.
    NOTIFYICONDATAW gone = tray.GetNotifyIconData();
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(ShellHasIcon(gone));
    ::SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(ShellHasIcon(tray.GetNotifyIconData()));
    EXPECT_FALSE(tray.IsHidden());

    // The same after a work-area change.
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));
    ::SendMessageW(tray.GetSafeHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(ShellHasIcon(tray.GetNotifyIconData()));

    // A failed add is tried again: here the shell refuses it because an
    // icon of the same window and id is still there.
    ASSERT_TRUE(tray.RemoveIcon());
    NOTIFYICONDATAW squatter = tray.GetNotifyIconData();
    squatter.uFlags = NIF_TIP;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_ADD, &squatter));
    EXPECT_FALSE(tray.AddIcon());
    EXPECT_TRUE(tray.IsAddPending());
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &squatter));
    ::SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    EXPECT_FALSE(tray.IsAddPending());
    EXPECT_FALSE(tray.IsRemoved());
    EXPECT_TRUE(ShellHasIcon(tray.GetNotifyIconData()));

    // A removed icon stays removed.
    ASSERT_TRUE(tray.RemoveIcon());
    ::SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    EXPECT_FALSE(ShellHasIcon(tray.GetNotifyIconData()));
    EXPECT_TRUE(tray.IsRemoved());
}

TEST_F(TrayIcon, HidingAFrameWithoutAnimation)
{
    ANIMATIONINFO saved = {sizeof(ANIMATIONINFO), 0};
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(saved), &saved, 0);
    ANIMATIONINFO off = {sizeof(ANIMATIONINFO), 0};
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(off), &off, 0);

    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Fenster", &owner, IDI_TOOLKIT_PLAIN1, 6, 0, FALSE));
    owner.ShowWindow(SW_SHOW);
    tray.MinimizeToTray(&owner);
    EXPECT_FALSE(owner.IsWindowVisible());
    HWND hHiddenParent = ::GetAncestor(owner.GetSafeHwnd(), GA_PARENT);
    EXPECT_NE(::GetDesktopWindow(), hHiddenParent);
    EXPECT_FALSE(::IsWindowVisible(hHiddenParent));

    tray.RestoreFromTray(&owner);
    EXPECT_TRUE(owner.IsWindowVisible());
    EXPECT_EQ(::GetDesktopWindow(), ::GetAncestor(owner.GetSafeHwnd(), GA_PARENT));

    SystemParametersInfoW(SPI_SETANIMATION, sizeof(saved), &saved, 0);
}

// Back from the tray, the window that takes the keys is the active one: the
// frame itself, or the modal dialog over it that waits for the user.
TEST_F(TrayIcon, RestoringAFrameActivatesTheWindowThatTakesTheKeys)
{
    CXTTrayIcon tray;
    ASSERT_TRUE(tray.Create(L"Fenster", &owner, IDI_TOOLKIT_PLAIN1, 7, 0, FALSE));
    owner.ShowWindow(SW_SHOW);
    tray.MinimizeToTray(&owner);
    tray.RestoreFromTray(&owner);
    EXPECT_EQ(owner.GetSafeHwnd(), ::GetActiveWindow());
    EXPECT_EQ(owner.GetSafeHwnd(), ::GetForegroundWindow());

    HWND hDialog = ::CreateWindowExW(0, L"STATIC", L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 120, 60,
                                     owner.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_NE(hDialog, nullptr);
    ::SetActiveWindow(hDialog);
    owner.EnableWindow(FALSE);
    tray.MinimizeToTray(&owner);
    ASSERT_FALSE(owner.IsWindowVisible());
    tray.RestoreFromTray(&owner);
    EXPECT_TRUE(owner.IsWindowVisible());
    EXPECT_EQ(hDialog, ::GetActiveWindow());
    EXPECT_EQ(hDialog, ::GetForegroundWindow());

    // A dialog hidden meanwhile is not activated: the frame is.
    ::ShowWindow(hDialog, SW_HIDE);
    tray.MinimizeToTray(&owner);
    tray.RestoreFromTray(&owner);
    EXPECT_FALSE(::IsWindowVisible(hDialog));
    EXPECT_EQ(owner.GetSafeHwnd(), ::GetForegroundWindow());

    owner.EnableWindow(TRUE);
    ::DestroyWindow(hDialog);
}
