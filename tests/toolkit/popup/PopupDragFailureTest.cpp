// The popup's drag loop ends when GetMessage fails instead of taking the
// unfilled message as input.
#include <gtest/gtest.h>

#include "toolkit/popup/PopupTestSupport.h"
#include "support/ImportPatch.h"
#include "support/TestPump.h"
#include "toolkit/common/popup/XTPPopupControl.h"

using namespace popuptest;

namespace {

int g_failures = 0;
MSG g_garbage = {};
testpatch::CImportPatch* g_pPatch = nullptr;

// Fails once with a message that would move the popup if it were taken,
// then behaves as the platform does.
BOOL WINAPI FailingGetMessage(LPMSG pMsg, HWND hWnd, UINT nMin, UINT nMax)
{
    if (g_failures++ == 0)
    {
        *pMsg = g_garbage;
        return -1;
    }
    auto pfnOriginal = reinterpret_cast<BOOL(WINAPI*)(LPMSG, HWND, UINT, UINT)>(g_pPatch->GetOriginal());
    return pfnOriginal(pMsg, hWnd, nMin, nMax);
}

} // namespace

TEST(PopupDrag, FailingGetMessageEndsTheDrag)
{
    ParkCursor();
    COwner owner;
    ASSERT_TRUE(owner.CreateOwner());
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    popup.AllowMove(TRUE);
    ASSERT_TRUE(popup.Show(&owner));
    HWND hWnd = popup.GetSafeHwnd();
    CRect rcBefore;
    popup.GetWindowRect(&rcBefore);
    CPoint ptStart = rcBefore.CenterPoint();
    ::SetCursorPos(ptStart.x, ptStart.y);

    g_garbage = {};
    g_garbage.hwnd = hWnd;
    g_garbage.message = WM_MOUSEMOVE;
    g_garbage.pt = CPoint(ptStart.x - 60, ptStart.y - 30);
    g_failures = 0;
    // Ends a loop that took the failure as a message.
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, 0);
    {
        testpatch::CImportPatch patch("user32.dll", "GetMessageW", reinterpret_cast<void*>(FailingGetMessage));
        ASSERT_TRUE(patch.IsActive());
        g_pPatch = &patch;
        popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcBefore.Width() / 2, rcBefore.Height() / 2));
        g_pPatch = nullptr;
    }
    EXPECT_EQ(1, g_failures) << "the loop asks no further after a failure";
    CRect rcAfter;
    popup.GetWindowRect(&rcAfter);
    EXPECT_EQ(rcBefore, rcAfter) << "the unfilled message moved nothing";
    EXPECT_NE(hWnd, ::GetCapture());

    testpump::PumpUntilIdle();
    ParkCursor();
    popup.Close();
    owner.DestroyWindow();
}
