// The command-bar frame: notifications of bar controls reach notify
// entries, the frame's own accelerators give way to the shortcut manager,
// the manager's keys and window messages.
#include <gtest/gtest.h>
#include "FrameTestSupport.h"
#include "../CommandBarsTestSupport.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"

namespace {

const UINT IDR_TESTFRAME = 28001;
const UINT ID_REFRESH = 28101;
const UINT ID_ALT_X = 28103;
const UINT ID_HANDLED_CONTROL = 28201;
const UINT ID_UNHANDLED_CONTROL = 28202;

class CNotifiedFrame : public CTestFrame
{
public:
    int notified = 0;
    int commands = 0;
    int altXCommands = 0;
    BOOL withShortcuts = TRUE;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CTestFrame::OnCreate(lpCreateStruct) == -1 || !CreateCommandBars())
            return -1;
        if (withShortcuts)
            GetCommandBars()->GetShortcutManager()->SetAccelerators(IDR_TESTFRAME);
        return 0;
    }
    void OnControlNotify(NMHDR*, LRESULT* pResult)
    {
        notified++;
        *pResult = 7;
    }
    void OnRefresh() { commands++; }
    void OnAltX() { altXCommands++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifiedFrame, CTestFrame)
    ON_WM_CREATE()
    ON_NOTIFY(CBN_XTP_EXECUTE, ID_HANDLED_CONTROL, OnControlNotify)
    ON_COMMAND(ID_REFRESH, OnRefresh)
    ON_COMMAND(ID_ALT_X, OnAltX)
END_MESSAGE_MAP()

class CMnemonicCounter : public CXTPControlButton
{
public:
    int activations = 0;
    void OnMnemonicActivate() override { activations++; }
};

LRESULT SendControlNotify(CWnd* pFrame, UINT nID, UINT nCode)
{
    NMXTPCONTROL nm = {};
    nm.hdr.hwndFrom = nullptr;
    nm.hdr.idFrom = nID;
    nm.hdr.code = nCode;
    return pFrame->SendMessage(WM_XTP_CONTROL_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

}  // namespace

TEST(CommandBarFrame, ControlNotificationsReachNotifyEntries)
{
    auto* frame = new CNotifiedFrame();
    ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(SendControlNotify(frame, ID_HANDLED_CONTROL, CBN_XTP_EXECUTE), 7);
    EXPECT_EQ(frame->notified, 1);
    EXPECT_EQ(SendControlNotify(frame, ID_UNHANDLED_CONTROL, CBN_XTP_EXECUTE), 0) << "no entry: FALSE";
    EXPECT_EQ(SendControlNotify(frame, ID_HANDLED_CONTROL, CBN_XTP_EXECUTE + 1), 0) << "other code: FALSE";
    EXPECT_EQ(frame->notified, 1);
    frame->DestroyWindow();
}

TEST(CommandBarFrame, ShortcutManagerTranslatesInsteadOfTheFrameTable)
{
    for (BOOL withShortcuts : {TRUE, FALSE}) {
        auto* frame = new CNotifiedFrame();
        frame->withShortcuts = withShortcuts;
        ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        EXPECT_EQ(frame->m_hAccelTable == nullptr, withShortcuts) << "the frame's own table only without shortcuts";
        frame->SetForegroundWindow();
        frame->SetFocus();
        // F5 through the frame's pre-translation: one command either way,
        // never two.
        MSG msg = {frame->GetSafeHwnd(), WM_KEYDOWN, VK_F5, 0x003F0001, 0, {0, 0}};
        EXPECT_TRUE(frame->PreTranslateMessage(&msg)) << withShortcuts;
        testpump::PumpUntil([&] { return frame->commands > 0; });
        testpump::PumpUntilIdle();
        EXPECT_EQ(frame->commands, 1) << withShortcuts;

        if (withShortcuts) {
            // Previewing turns the shortcuts off.
            frame->GetCommandBars()->OnSetPreviewMode(TRUE);
            EXPECT_FALSE(frame->PreTranslateMessage(&msg));
            frame->GetCommandBars()->OnSetPreviewMode(FALSE);
            EXPECT_TRUE(frame->PreTranslateMessage(&msg));
            testpump::PumpUntil([&] { return frame->commands > 1; });
            testpump::PumpUntilIdle();
            EXPECT_EQ(frame->commands, 2);
        }
        frame->DestroyWindow();
    }
}

TEST(CommandBarFrame, CloseRefusedWhileTheCustomizeDialogIsOpen)
{
    auto* frame = new CNotifiedFrame();
    ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW));
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    frame->GetCommandBars()->SetCustomizeDialog(&dialog);
    HWND hWnd = frame->GetSafeHwnd();
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(hWnd));
    frame->GetCommandBars()->SetCustomizeDialog(nullptr);
    dialog.DestroyWindow();
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(CommandBarFrame, LettersTypedInABarEditSkipAccelerators)
{
    auto* frame = new CNotifiedFrame();
    ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ACCEL letters[] = {{FVIRTKEY, 'R', ID_REFRESH}, {FVIRTKEY, VK_RETURN, ID_REFRESH},
                       {FVIRTKEY, VK_TAB, ID_REFRESH}, {FVIRTKEY, VK_ESCAPE, ID_REFRESH}};
    frame->GetCommandBars()->GetShortcutManager()->UpdateAcceleratorTable(letters, 4);
    CXTPEdit edit;
    ASSERT_TRUE(edit.CreateEdit(WS_CHILD | WS_VISIBLE, frame));
    frame->SetForegroundWindow();
    edit.SetFocus();
    ASSERT_EQ(::GetFocus(), edit.GetSafeHwnd());

    struct Case
    {
        UINT vk;
        BOOL translated;
    } cases[] = {{'R', FALSE}, {VK_RETURN, TRUE}, {VK_TAB, TRUE}, {VK_ESCAPE, TRUE}};
    for (const Case& c : cases) {
        MSG msg = {edit.GetSafeHwnd(), WM_KEYDOWN, c.vk, 1, 0, {0, 0}};
        EXPECT_EQ(frame->PreTranslateMessage(&msg), c.translated) << c.vk;
    }
    EXPECT_EQ(frame->commands, 3);
    frame->SetFocus();
    MSG msg = {frame->GetSafeHwnd(), WM_KEYDOWN, 'R', 1, 0, {0, 0}};
    EXPECT_TRUE(frame->PreTranslateMessage(&msg)) << "outside the edit the letter is a shortcut";
    edit.DestroyWindow();
    frame->DestroyWindow();
}

// The keys arrive as a user types them, through a pump as a program's whose
// main window is the frame: pre-translation from the focus up to the frame.
TEST(CommandBarFrame, AltKeysNoMenuTitleTakesGoOnToTheAccelerators)
{
    auto* frame = new CNotifiedFrame();
    ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    // The bars are the only menu: an Alt key the platform's menu took would
    // open that menu's modal loop.
    ::SetMenu(frame->GetSafeHwnd(), nullptr);
    CTestBar* pMenuBar = new CTestBar();
    pMenuBar->SetType(xtpBarTypeMenuBar);
    pMenuBar->SetBarID(1);
    ASSERT_TRUE(pMenuBar->Create(frame, CRect(0, 0, 300, 24)));
    frame->GetCommandBars()->AppendBar(pMenuBar);
    auto* pTitle = new CMnemonicCounter();
    pMenuBar->GetControls()->Add(pTitle, 0);
    pTitle->SetCaption(L"&Datei");
    // Alt+D is a title's and an accelerator's: the title wins.
    ACCEL keys[] = {{FVIRTKEY | FALT, 'D', ID_REFRESH}, {FVIRTKEY | FALT, 'X', ID_ALT_X}, {FVIRTKEY, VK_F5, ID_REFRESH}};
    frame->GetCommandBars()->GetShortcutManager()->UpdateAcceleratorTable(keys, 3);
    frame->SetForegroundWindow();
    ASSERT_TRUE(testpump::PumpUntil([frame] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    frame->SetFocus();
    ASSERT_EQ(::GetFocus(), frame->GetSafeHwnd());

    const HWND hFrame = frame->GetSafeHwnd();
    const struct
    {
        const char* name;
        WORD modifier, vk;
        int refresh, altX, titles;
    } cases[] = {
        {"Alt+D", VK_MENU, 'D', 0, 0, 1},
        {"Alt+X", VK_MENU, 'X', 0, 1, 1},
        {"F5", 0, VK_F5, 1, 1, 1},
        {"Alt+Q: neither", VK_MENU, 'Q', 1, 1, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        if (test.modifier != 0)
            testinput::SendChord({test.modifier, test.vk});
        else
            testinput::SendKey(test.vk);
        // Pumped as the program pumps, until the last key is let go (a
        // command is sent while its key goes down).
        const WORD lastUp = test.modifier != 0 ? test.modifier : test.vk;
        bool bPressed = false;
        const DWORD start = ::GetTickCount();
        while (!bPressed || (::GetKeyState(lastUp) & 0x8000) != 0) {
            ASSERT_LT(::GetTickCount() - start, testpump::kDeadline);
            MSG msg;
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
                continue;
            }
            bPressed = bPressed || (::GetKeyState(lastUp) & 0x8000) != 0;
            if (!CWnd::WalkPreTranslateTree(hFrame, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            if (pMenuBar->IsTrackingMode() && pTitle->activations > 0)
                pMenuBar->EndTracking();  // the title's bar lets the next keys go
        }
        EXPECT_EQ(frame->commands, test.refresh);
        EXPECT_EQ(frame->altXCommands, test.altX);
        EXPECT_EQ(pTitle->activations, test.titles);
    }
    frame->DestroyWindow();
}
