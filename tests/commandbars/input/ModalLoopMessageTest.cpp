// The message step of the command bars' own modal loops: what ends a loop,
// the quit kept for the thread's loop, a failing queue, and pending paints
// dispatched once each before the next message.
#include <gtest/gtest.h>
#include <windows.h>
#include "support/ImportPatch.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/input/XTPModalLoopMessage.h"

namespace {

// Answers WM_PAINT without validating for the first many times, as a
// careless window does; counts the paints.
int g_paints = 0;
const int kPaintsBeforeValid = 50;

LRESULT CALLBACK CarelessPaintProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        if (++g_paints >= kPaintsBeforeValid)
            ::ValidateRect(hWnd, nullptr);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

class ModalLoopMessage : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = CarelessPaintProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CarelessPaintWindow";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, L"CarelessPaintWindow", L"", WS_POPUP | WS_VISIBLE, 50, 50, 100, 80, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ::ValidateRect(m_hWnd, nullptr);
        testpump::PumpUntilIdle();
        g_paints = 0;
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWnd);
        testpump::PumpUntilIdle();
    }

    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(ModalLoopMessage, DragEndsAtTheButtonsReleaseAndEscOnly)
{
    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        BOOL bGoesOn;
    } cases[] = {
        {"mouse move", WM_MOUSEMOVE, MK_LBUTTON, TRUE},
        {"left button up", WM_LBUTTONUP, 0, FALSE},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, FALSE},
        {"other key", WM_KEYDOWN, 'A', TRUE},
        {"right button up", WM_RBUTTONUP, 0, TRUE},
    };
    for (const auto& test : cases) {
        ::PostMessageW(m_hWnd, test.message, test.wParam, 0);
        MSG msg = {};
        CXTPHeldButtonLoop loop;
        EXPECT_EQ(test.bGoesOn, XTPGetDragLoopMessage(&msg, loop)) << test.name;
        EXPECT_EQ(test.message, msg.message) << test.name;
        ::PostMessageW(m_hWnd, test.message, test.wParam, 0);
        EXPECT_TRUE(XTPGetModalLoopMessage(&msg)) << test.name << ": any message goes on outside a drag";
    }
}

TEST_F(ModalLoopMessage, QuitEndsTheLoopAndIsPostedAgain)
{
    for (bool bDrag : {false, true}) {
        ::PostQuitMessage(bDrag ? 8 : 7);
        MSG msg = {};
        CXTPHeldButtonLoop loop;
        EXPECT_FALSE(bDrag ? XTPGetDragLoopMessage(&msg, loop) : XTPGetModalLoopMessage(&msg));
        EXPECT_EQ(bDrag ? 8 : 7, testpump::PumpUntilQuitTaken()) << "drag " << bDrag;
    }
}

TEST_F(ModalLoopMessage, AFailingQueueEndsTheLoopAtOnce)
{
    for (bool bDrag : {false, true}) {
        int calls = 0;
        BOOL bGoesOn = TRUE;
        {
            testpatch::CFailingGetMessage patch;
            ASSERT_TRUE(patch.IsActive());
            MSG msg = {};
            CXTPHeldButtonLoop loop;
            bGoesOn = bDrag ? XTPGetDragLoopMessage(&msg, loop) : XTPGetModalLoopMessage(&msg);
            calls = patch.Calls();
        }
        EXPECT_FALSE(bGoesOn) << "drag " << bDrag;
        EXPECT_EQ(1, calls) << "drag " << bDrag;
    }
}

TEST_F(ModalLoopMessage, ADragPaintsAWindowThatStaysInvalidOnceBeforeTheNextMessage)
{
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ::PostMessageW(m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    MSG msg = {};
    CXTPHeldButtonLoop loop;
    ASSERT_TRUE(XTPGetDragLoopMessage(&msg, loop));
    EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), msg.message);
    EXPECT_EQ(1, g_paints);
    ::ValidateRect(m_hWnd, nullptr);
}
