// A command chosen by a key in an open menu runs once the key has left the
// input queue, and the waiting survives what may come between: the control
// leaving its bar, the frame and its bars going, a run message lost.
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>
#include "ModalKeyProbe.h"
#include "framework/windows/CCmdUI.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

// The program's main menu: "&Datei" holds "Be&enden" (ID_APP_EXIT).
class CQueueFrame : public CXTPFrameWnd
{
public:
    std::vector<UINT> commands;
    std::function<void()> onCommand;

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
        if (message == WM_COMMAND && lParam == 0) {
            commands.push_back(LOWORD(wParam));
            if (onCommand)
                onCommand();
            return 0;
        }
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// The message that runs the waiting commands.
bool IsQueueRun(const MSG& msg)
{
    wchar_t szClass[64] = {};
    return msg.message == WM_APP + 1 && msg.hwnd && ::GetClassNameW(msg.hwnd, szClass, 64) &&
           wcscmp(szClass, L"XTPKeyCommandQueue") == 0;
}

class KeyCommandQueue : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CQueueFrame();
        CRect rc(60, 60, 660, 360);
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, TRUE, 0);
        ASSERT_TRUE(m_pFrame->Create(nullptr, L"Befehle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, nullptr,
                                     MAKEINTRESOURCEW(IDR_MAINFRAME)));
        ASSERT_TRUE(m_pFrame->CreateCommandBars());
        m_hFrame = m_pFrame->GetSafeHwnd();
        // As the program's loop: the frame pre-translates first (Alt+letter).
        m_pLoop = std::make_unique<testpump::ScopedMessageFilter>([this](MSG& msg) {
            if (m_beforeDispatch && m_beforeDispatch(msg))
                return true;
            return ::IsWindow(m_hFrame) && CWnd::WalkPreTranslateTree(m_hFrame, &msg);
        });
        m_pFrame->GetCommandBars()->GetOptions()->animationType = xtpAnimateNone;
        m_pMenuBar = m_pFrame->GetCommandBars()->SetMenu(L"Menüleiste", IDR_MAINFRAME);
        ASSERT_NE(nullptr, m_pMenuBar);
        m_pFrame->RecalcLayout();
        ::SetForegroundWindow(m_hFrame);
        testpump::PumpUntil([&] { return ::GetForegroundWindow() == m_hFrame; });
        testinput::MoveMouseTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        testinput::SendKeyUp(VK_MENU);
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        m_pLoop.reset();
    }
    CXTPCommandBar* Datei() const { return m_pMenuBar->GetControl(0)->GetCommandBar(); }
    // Opens "&Datei" by Alt+D; answers its "Be&enden".
    CXTPControl* OpenDatei()
    {
        testinput::SendChord({VK_MENU, 'D'});
        if (!testpump::PumpUntil([&] {
                return Datei() && ::IsWindowVisible(Datei()->GetSafeHwnd()) && Datei()->GetControlCount() > 0;
            }))
            return nullptr;
        testpump::PumpUntilIdle();
        CXTPControls* pControls = Datei()->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
            if (pControls->GetAt(i)->GetID() == ID_APP_EXIT)
                return pControls->GetAt(i);
        return nullptr;
    }

    CQueueFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    CXTPMenuBar* m_pMenuBar = nullptr;
    // Sees each message before the loop dispatches it; true: not dispatched.
    std::function<bool(MSG&)> m_beforeDispatch;
    std::unique_ptr<testpump::ScopedMessageFilter> m_pLoop;
};

} // namespace

// The dialog a command opens must not read the key that chose the command.
TEST_F(KeyCommandQueue, AMnemonicsCommandRunsAfterItsKeyLeftTheQueue)
{
    ASSERT_NE(nullptr, OpenDatei());
    std::vector<UINT> keysInDialog;
    m_pFrame->onCommand = [&] { keysInDialog = modalprobe::KeyDownsTakenByAModalLoop(); };
    testinput::SendKey('E');
    ASSERT_TRUE(testpump::PumpUntil([&] { return !m_pFrame->commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{ID_APP_EXIT}, m_pFrame->commands);
    EXPECT_TRUE(keysInDialog.empty()) << "the dialog read " << keysInDialog.size() << " key(s), the first "
                                      << (keysInDialog.empty() ? 0 : keysInDialog[0]);
}

// Between the key and its run: the control leaves its menu, or the frame
// and its bars go. Nothing runs, nothing breaks.
TEST_F(KeyCommandQueue, NothingRunsForAControlOrAFrameGoneBeforeItsTurn)
{
    CXTPControl* pBeenden = OpenDatei();
    ASSERT_NE(nullptr, pBeenden);
    bool bRunSeen = false;
    {
        m_beforeDispatch = [&](MSG& msg) {
            if (IsQueueRun(msg) && !bRunSeen) {
                bRunSeen = true;
                Datei()->GetControls()->Remove(pBeenden);
            }
            return false;
        };
        testinput::SendKey('E');
        ASSERT_TRUE(testpump::PumpUntil([&] { return bRunSeen; }));
        testpump::PumpUntilIdle();
        m_beforeDispatch = nullptr;
    }
    EXPECT_TRUE(m_pFrame->commands.empty()) << "a control removed from its bar";

    XTPMouseManager()->EndAllTracking();
    testpump::PumpUntilIdle();
    ASSERT_NE(nullptr, m_pMenuBar->GetControl(0));
    // "Be&enden" is gone: an item reached by the arrows and Return then.
    bRunSeen = false;
    bool bFrameGone = false;
    testinput::SendChord({VK_MENU, 'D'});
    ASSERT_TRUE(testpump::PumpUntil([&] { return Datei() && ::IsWindowVisible(Datei()->GetSafeHwnd()); }));
    testpump::PumpUntilIdle();
    {
        m_beforeDispatch = [&](MSG& msg) {
            if (IsQueueRun(msg) && !bRunSeen) {
                bRunSeen = true;
                bFrameGone = true;
                m_pFrame->DestroyWindow();
            }
            return false;
        };
        testinput::SendKey(VK_DOWN);
        testinput::SendKey(VK_RETURN);
        ASSERT_TRUE(testpump::PumpUntil([&] { return bRunSeen; }));
        testpump::PumpUntilIdle();
        m_beforeDispatch = nullptr;
    }
    EXPECT_TRUE(bFrameGone);
    EXPECT_FALSE(::IsWindow(m_hFrame));
}

// A run message that a loop dropped does not stop the queue for good.
TEST_F(KeyCommandQueue, AKeyCommandAfterALostRunMessageStillRuns)
{
    ASSERT_NE(nullptr, OpenDatei());
    int nDropped = 0;
    {
        m_beforeDispatch = [&](MSG& msg) {
            if (!IsQueueRun(msg))
                return false;
            nDropped++;
            return true;
        };
        testinput::SendKey('E');
        ASSERT_TRUE(testpump::PumpUntil([&] { return nDropped == 1; }));
        testpump::PumpUntilIdle();
        m_beforeDispatch = nullptr;
    }
    EXPECT_TRUE(m_pFrame->commands.empty());

    XTPMouseManager()->EndAllTracking();
    testpump::PumpUntilIdle();
    ASSERT_NE(nullptr, OpenDatei());
    testinput::SendKey('E');
    EXPECT_TRUE(testpump::PumpUntil([&] { return !m_pFrame->commands.empty(); }))
        << "no key command runs after one run message was lost";
}
