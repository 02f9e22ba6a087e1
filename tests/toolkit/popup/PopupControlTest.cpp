// The popup window's life: notification sequence, animation steps driven by
// timer messages, the show delay and the mouse keeping it open, clicks,
// dragging inside the work area, and an owner that deletes the popup from
// inside its notifications.
#include <gtest/gtest.h>

#include <vector>

#include "PopupTestSupport.h"
#include "support/TestPump.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"

using namespace popuptest;

namespace {

class Popup : public testing::Test
{
protected:
    void SetUp() override
    {
        ParkCursor();
        ASSERT_TRUE(owner.CreateOwner());
    }
    void TearDown() override { owner.DestroyWindow(); }

    // Sends expand timers until the popup is shown; the number of steps taken.
    int ExpandFully(CXTPPopupControl& popup)
    {
        int n = 0;
        while (popup.GetPopupState() == xtpPopupStateExpanding && n < 1000)
        {
            popup.SendMessage(WM_TIMER, XTP_TID_EXPANDING);
            ++n;
        }
        return n;
    }

    COwner owner;
};

BYTE WindowAlpha(HWND hWnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    ::GetLayeredWindowAttributes(hWnd, &key, &alpha, &flags);
    return alpha;
}

} // namespace

TEST_F(Popup, WithoutAnimationItIsShownAtOnce)
{
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ((std::vector<int>{xtpPopupStateExpanding, xtpPopupStateShow}), owner.States());
    EXPECT_TRUE(popup.IsWindowVisible());
    CRect rc;
    popup.GetWindowRect(&rc);
    EXPECT_EQ(popup.GetPopupPos(), rc.BottomRight());
    EXPECT_FALSE(popup.GetExStyle() & WS_EX_LAYERED); // opaque, no fading
    // Delay 0: no timer takes it away.
    EXPECT_FALSE(::KillTimer(popup.GetSafeHwnd(), XTP_TID_SHOWDELAY));
    EXPECT_FALSE(popup.Show(&owner)); // not closed

    popup.Close();
    EXPECT_EQ(nullptr, popup.GetSafeHwnd());
    EXPECT_EQ(xtpPopupStateClosed, owner.States().back());
    EXPECT_TRUE(popup.Show(&owner)); // can be shown again
}

TEST_F(Popup, StepCountsFollowTheAnimationTime)
{
    CXTPPopupControl popup;
    popup.SetPopupAnimation(xtpPopupAnimationSlide);
    popup.SetAnimateDelay(100);
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(6, popup.GetStepsRemaining());
    EXPECT_EQ(6, ExpandFully(popup));
    EXPECT_EQ(xtpPopupStateShow, popup.GetPopupState());
    popup.Close();

    popup.SetAnimateDelay(10);
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(1, popup.GetStepsRemaining());
    EXPECT_EQ(1, ExpandFully(popup));

    popup.Close();
    popup.SetAnimateDelay(0); // no time: no animation
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(xtpPopupStateShow, popup.GetPopupState());
}

TEST_F(Popup, SlideMovesAShareOfTheDistancePerStep)
{
    CXTPPopupControl popup;
    popup.SetPopupAnimation(xtpPopupAnimationSlide);
    popup.SetPopupSize(CSize(170, 100));
    popup.SetAnimateDelay(256); // 16 steps
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(0, popup.GetCurrentRect().Height());
    EXPECT_EQ(popup.GetPopupPos().y, popup.GetCurrentRect().bottom);

    std::vector<int> heights;
    while (popup.GetPopupState() == xtpPopupStateExpanding)
    {
        popup.SendMessage(WM_TIMER, XTP_TID_EXPANDING);
        heights.push_back(popup.GetCurrentRect().Height());
    }
    ASSERT_EQ(16u, heights.size());
    EXPECT_EQ(6, heights[0]); // 100 / 16
    for (size_t i = 1; i < heights.size(); ++i)
        EXPECT_GT(heights[i], heights[i - 1]); // at least one pixel per step
    EXPECT_EQ(100, heights.back());
    CRect rc;
    popup.GetWindowRect(&rc);
    EXPECT_EQ(100, rc.Height());
    EXPECT_EQ(popup.GetPopupPos(), rc.BottomRight());
}

TEST_F(Popup, FadeEndsFullyOpaque)
{
    CXTPPopupControl popup;
    popup.SetPopupAnimation(xtpPopupAnimationFade);
    ASSERT_TRUE(popup.Show(&owner));
    ASSERT_TRUE(popup.GetExStyle() & WS_EX_LAYERED);
    EXPECT_EQ(0, WindowAlpha(popup.GetSafeHwnd()));
    popup.SendMessage(WM_TIMER, XTP_TID_EXPANDING);
    EXPECT_EQ(15, WindowAlpha(popup.GetSafeHwnd())); // 255 / 16
    ExpandFully(popup);
    EXPECT_EQ(255, popup.GetCurrentAlpha());
    EXPECT_EQ(255, WindowAlpha(popup.GetSafeHwnd())); // the last step is applied too

    // A transparent popup ends at its transparency.
    popup.Close();
    popup.SetTransparency(200);
    ASSERT_TRUE(popup.Show(&owner));
    ExpandFully(popup);
    EXPECT_EQ(200, WindowAlpha(popup.GetSafeHwnd()));
}

TEST_F(Popup, ShowDelayCollapsesAndCloses)
{
    CXTPPopupControl popup;
    popup.SetPopupAnimation(xtpPopupAnimationUnfold);
    popup.SetAnimateDelay(64); // 4 steps
    popup.SetShowDelay(1000);
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(CRect(popup.GetPopupPos(), popup.GetPopupPos()), popup.GetCurrentRect());
    EXPECT_EQ(4, ExpandFully(popup));
    HWND hWnd = popup.GetSafeHwnd();
    popup.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY);
    EXPECT_EQ(xtpPopupStateCollapsing, popup.GetPopupState());
    EXPECT_EQ(4, popup.GetStepsRemaining());
    int ticks = 0;
    while (::IsWindow(hWnd) && ticks < 100)
    {
        ::SendMessageW(hWnd, WM_TIMER, XTP_TID_COLLAPSING, 0);
        ++ticks;
    }
    EXPECT_EQ(4, ticks);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), owner.States());
    EXPECT_EQ(nullptr, popup.GetSafeHwnd());
}

TEST_F(Popup, ItsOwnTimersRunTheWholeLife)
{
    // No timer message is sent here: the popup must start each one itself.
    CXTPPopupControl popup;
    popup.SetPopupAnimation(xtpPopupAnimationFade);
    popup.SetAnimateDelay(64);
    popup.SetShowDelay(300);
    const DWORD dwStart = ::GetTickCount();
    ASSERT_TRUE(popup.Show(&owner));
    HWND hWnd = popup.GetSafeHwnd();
    BOOL bShownSeen = FALSE;
    testpump::PumpUntil([&] {
        bShownSeen |= ::IsWindow(hWnd) && popup.GetPopupState() == xtpPopupStateShow;
        return !::IsWindow(hWnd);
    });
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(bShownSeen);
    EXPECT_GE(::GetTickCount() - dwStart, 300u);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), owner.States());
}

TEST_F(Popup, MouseOverKeepsItOpen)
{
    CXTPPopupControl popup;
    popup.SetTransparency(180);
    ASSERT_TRUE(popup.Show(&owner));
    EXPECT_EQ(180, WindowAlpha(popup.GetSafeHwnd()));
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(popup.IsMouseOver());
    EXPECT_EQ(255, WindowAlpha(popup.GetSafeHwnd())); // opaque under the mouse
    popup.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY);
    popup.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY);
    EXPECT_EQ(xtpPopupStateShow, popup.GetPopupState());

    popup.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(popup.IsMouseOver());
    EXPECT_EQ(180, WindowAlpha(popup.GetSafeHwnd()));
    HWND hWnd = popup.GetSafeHwnd();
    popup.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY); // no animation: closes at once
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(xtpPopupStateClosed, popup.GetPopupState());
}

TEST_F(Popup, MouseReturningDuringCollapse)
{
    // A sliding popup grows again from where it is.
    CXTPPopupControl slide;
    slide.SetPopupAnimation(xtpPopupAnimationSlide);
    slide.SetAnimateDelay(160); // 10 steps
    ASSERT_TRUE(slide.Show(&owner));
    ExpandFully(slide);
    slide.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY);
    for (int i = 0; i < 4; ++i)
        slide.SendMessage(WM_TIMER, XTP_TID_COLLAPSING);
    int height = slide.GetCurrentRect().Height();
    ASSERT_GT(height, 0);
    ASSERT_LT(height, 130);
    slide.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(xtpPopupStateExpanding, slide.GetPopupState());
    EXPECT_EQ(height, slide.GetCurrentRect().Height());
    EXPECT_EQ(4, slide.GetStepsRemaining()); // 10 - 6 remaining
    EXPECT_EQ(4, ExpandFully(slide));
    EXPECT_EQ(130, slide.GetCurrentRect().Height());

    // A fading popup is shown fully at once.
    CXTPPopupControl fade;
    fade.SetPopupAnimation(xtpPopupAnimationFade);
    ASSERT_TRUE(fade.Show(&owner));
    ExpandFully(fade);
    fade.SendMessage(WM_TIMER, XTP_TID_SHOWDELAY);
    fade.SendMessage(WM_TIMER, XTP_TID_COLLAPSING);
    fade.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(xtpPopupStateShow, fade.GetPopupState());
    EXPECT_EQ(255, WindowAlpha(fade.GetSafeHwnd()));
    EXPECT_FALSE(::KillTimer(fade.GetSafeHwnd(), XTP_TID_COLLAPSING));
}

TEST_F(Popup, ClickNeedsPressAndReleaseOnTheSameItem)
{
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    CXTPPopupItem* pFirst = popup.AddItem(new CXTPPopupItem(CRect(10, 10, 60, 30), L"Erstes"));
    CXTPPopupItem* pSecond = popup.AddItem(new CXTPPopupItem(CRect(10, 40, 60, 60), L"Zweites"));
    ASSERT_TRUE(popup.Show(&owner));
    owner.events.clear();

    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(pFirst->IsHot());
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(pFirst->IsPressed());
    EXPECT_EQ(popup.GetSafeHwnd(), ::GetCapture());
    // While pressed, another item cannot become hot.
    popup.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 50));
    EXPECT_EQ(nullptr, popup.GetHotItem());
    popup.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    EXPECT_EQ(nullptr, popup.GetPressedItem());
    EXPECT_NE(popup.GetSafeHwnd(), ::GetCapture());
    EXPECT_TRUE(owner.events.empty()); // released elsewhere: no click
    EXPECT_TRUE(pSecond->IsHot());     // the release counts as a move

    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 50));
    popup.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    ASSERT_EQ(1u, owner.events.size());
    EXPECT_EQ(static_cast<WPARAM>(XTP_PCN_ITEMCLICK), owner.events[0].code);
    EXPECT_EQ(reinterpret_cast<LPARAM>(pSecond), owner.events[0].data);

    // Losing the capture releases the pressed item.
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    ::ReleaseCapture();
    EXPECT_EQ(nullptr, popup.GetPressedItem());

    // Overlapping items: the last one wins.
    CXTPPopupItem* pTop = popup.AddItem(new CXTPPopupItem(CRect(0, 0, 100, 100)));
    EXPECT_EQ(pTop, popup.HitTest(CPoint(20, 20)));
}

TEST_F(Popup, DraggingStaysInsideTheWorkArea)
{
    CXTPPopupControl popup;
    popup.SetShowDelay(0);
    popup.AllowMove(TRUE);
    // A link item is clicked, not dragged.
    CXTPPopupItem* pLink = popup.AddItem(new CXTPPopupItem(CRect(10, 10, 80, 30), L"Link"));
    pLink->SetID(-2);
    ASSERT_TRUE(popup.Show(&owner));
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    HWND hWnd = popup.GetSafeHwnd();

    // Drag from the middle 300 pixels to the right: pushed back inside.
    CRect rcBefore;
    popup.GetWindowRect(&rcBefore);
    CPoint ptStart = rcBefore.CenterPoint();
    ::SetCursorPos(ptStart.x, ptStart.y);
    ::SetCursorPos(ptStart.x + 300, ptStart.y - 40);
    ::PostMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    ::SetCursorPos(ptStart.x, ptStart.y);
    owner.events.clear();
    CPoint ptClient(ptStart.x - rcBefore.left, ptStart.y - rcBefore.top);
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y + 40));
    CRect rcAfter;
    popup.GetWindowRect(&rcAfter);
    EXPECT_LE(rcAfter.right, rcWork.right);
    EXPECT_EQ(rcBefore.top - 40, rcAfter.top);
    EXPECT_EQ(rcBefore.Size(), rcAfter.Size());
    ASSERT_EQ(1u, owner.events.size());
    EXPECT_EQ(static_cast<WPARAM>(XTP_PCN_POSCHANGED), owner.events[0].code);
    EXPECT_EQ(rcAfter.BottomRight(), popup.GetPopupPos());

    // Escape ends the drag where it is and still reports the move.
    popup.GetWindowRect(&rcBefore);
    ptStart = rcBefore.CenterPoint();
    ::SetCursorPos(ptStart.x - 50, ptStart.y);
    ::PostMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    ::SetCursorPos(ptStart.x, ptStart.y);
    owner.events.clear();
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcBefore.Width() / 2, rcBefore.Height() / 2 + 30));
    popup.GetWindowRect(&rcAfter);
    EXPECT_EQ(rcBefore.left - 50, rcAfter.left);
    ASSERT_EQ(1u, owner.events.size());
    EXPECT_EQ(static_cast<WPARAM>(XTP_PCN_POSCHANGED), owner.events[0].code);

    // Pressing the link presses it instead of dragging.
    popup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(pLink, popup.GetPressedItem());
    ::ReleaseCapture();
    ParkCursor();
}

TEST_F(Popup, OwnerMayDeleteThePopupInsideItsNotifications)
{
    auto FreshPopup = [&] {
        owner.events.clear();
        owner.deleted = false;
        return new CXTPPopupControl;
    };
    // At the end of the collapse, from inside the timer.
    CXTPPopupControl* pPopup = new CXTPPopupControl;
    pPopup->SetPopupAnimation(xtpPopupAnimationSlide);
    pPopup->SetAnimateDelay(32);
    ASSERT_TRUE(pPopup->Show(&owner));
    HWND hWnd = pPopup->GetSafeHwnd();
    Tick(hWnd, XTP_TID_EXPANDING, 2);
    ASSERT_EQ(xtpPopupStateShow, owner.States().back());
    owner.pDeleteOn = pPopup;
    Tick(hWnd, XTP_TID_SHOWDELAY, 1);
    Tick(hWnd, XTP_TID_COLLAPSING, 5);
    EXPECT_TRUE(owner.deleted);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), owner.States());

    // Without animation: deleted on "expanding", so "shown" never comes.
    pPopup = FreshPopup();
    owner.pDeleteOn = pPopup;
    owner.deleteState = xtpPopupStateExpanding;
    EXPECT_TRUE(pPopup->Show(&owner));
    EXPECT_TRUE(owner.deleted);
    EXPECT_EQ((std::vector<int>{1}), owner.States());

    // Inside the expansion started by the mouse coming back.
    pPopup = FreshPopup();
    pPopup->SetPopupAnimation(xtpPopupAnimationSlide);
    pPopup->AddItem(new CXTPPopupItem(CRect(0, 0, 50, 50), L"x"));
    ASSERT_TRUE(pPopup->Show(&owner));
    hWnd = pPopup->GetSafeHwnd();
    Tick(hWnd, XTP_TID_EXPANDING, 16);
    Tick(hWnd, XTP_TID_SHOWDELAY, 1);
    Tick(hWnd, XTP_TID_COLLAPSING, 2);
    owner.pDeleteOn = pPopup;
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(owner.deleted);
    EXPECT_FALSE(::IsWindow(hWnd));

    // Inside the click on an item.
    pPopup = FreshPopup();
    pPopup->AddItem(new CXTPPopupItem(CRect(0, 0, 50, 50), L"Schließen"));
    ASSERT_TRUE(pPopup->Show(&owner));
    hWnd = pPopup->GetSafeHwnd();
    owner.pDeleteOn = pPopup;
    owner.deleteCode = XTP_PCN_ITEMCLICK;
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(owner.deleted);
    EXPECT_FALSE(::IsWindow(hWnd));

    // Deleting a shown popup directly does not ask the owner to delete it again.
    owner.deleteCode = XTP_PCN_STATECHANGED;
    owner.deleteState = xtpPopupStateClosed;
    pPopup = FreshPopup();
    ASSERT_TRUE(pPopup->Show(&owner));
    owner.events.clear();
    owner.pDeleteOn = pPopup;
    delete pPopup;
    EXPECT_TRUE(owner.events.empty());
    owner.pDeleteOn = nullptr;
}
