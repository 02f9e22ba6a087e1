// Alerts of the program's frame dragged with the mouse, under a window
// manager that moves the focus about when the focused window moves: the
// alert follows the pointer to the end and the next alerts start there; a
// plain click on an alert's text changes nothing of where alerts go.
#include <gtest/gtest.h>

#include <vector>

#include "ProgramFrameTest.h"
#include "app/frame/AlertPopups.h"
#include "support/ManagerFocusOnMove.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/common/popup/XTPPopupControl.h"

namespace {

class AlertDrag : public CProgramFrameTest
{
protected:
    AlertDrag()
        : CProgramFrameTest(L"AlertDragTestApp", L"TavrolinAlertDragTest", L"tavrolin_alert_drag")
    {
    }

    void SetUp() override
    {
        SetUpShownFrame(700, 480);
        if (HasFatalFailure())
            return;
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        ::SetForegroundWindow(pFrame->m_hWnd);
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == pFrame->m_hWnd; }));
        ASSERT_EQ(Alerts().GetOpenCount(), 0);
    }

    void TearDown() override
    {
        testinput::MoveMouseAndWait({5, 5});
        CProgramFrameTest::TearDown();
    }

    CAlertPopups& Alerts() { return pFrame->GetAlerts(); }

    CXTPPopupControl* RaiseAlert()
    {
        AlertTexts texts;
        texts.strTitle = L"Nürnberg: Deutschland - Costa Rica";
        texts.strLine = L"Category: 4 s.b. ";
        texts.strAddress = L"http://tickets.example/alarm";
        CXTPPopupControl* pPopup = Alerts().ShowAlertPopup(pFrame, texts);
        if (pPopup != nullptr)
            testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; });
        return pPopup;
    }

    void CloseAll()
    {
        while (Alerts().GetOpenCount() > 0)
            Alerts().GetOpenPopup(0)->Close();
        testpump::PumpUntilIdle();
    }

    static CRect WindowRect(CXTPPopupControl* pPopup)
    {
        CRect rc;
        ::GetWindowRect(pPopup->GetSafeHwnd(), &rc);
        return rc;
    }

    // Presses on the alert's second text line, moves n steps of (dx, dy)
    // 40 ms apart, releases.
    bool Drag(CXTPPopupControl* pPopup, int nSteps, int dx, int dy)
    {
        const POINT from = testinput::ClientToScreenPoint(pPopup->GetSafeHwnd(), 150, 50);
        std::vector<POINT> path;
        for (int i = 1; i <= nSteps; ++i)
            path.push_back({from.x + dx * i, from.y + dy * i});
        return testinput::DragInLoop(pFrame->m_hWnd, from, path, [](std::size_t) { ::Sleep(40); });
    }

    CRect work;
    frametest::CPollSettings settings{60};
};

} // namespace

TEST_F(AlertDrag, TheAlertFollowsTheWholeDragAndTheNextOnesStartThere)
{
    testwm::CManagerFocusOnMove manager;
    ASSERT_TRUE(manager.IsActive());
    CXTPPopupControl* pFirst = RaiseAlert();
    ASSERT_NE(pFirst, nullptr);
    const CRect rcBefore = WindowRect(pFirst);
    ASSERT_EQ(rcBefore.BottomRight(), work.BottomRight());

    ASSERT_TRUE(Drag(pFirst, 30, -10, -5));
    CRect rcExpected(rcBefore);
    rcExpected.OffsetRect(-300, -150);
    EXPECT_EQ(WindowRect(pFirst).TopLeft(), rcExpected.TopLeft()) << "every step of the pointer";
    EXPECT_EQ(Alerts().GetRememberedPosition(), rcExpected.BottomRight());
    EXPECT_EQ(::GetForegroundWindow(), pFrame->m_hWnd) << "the frame keeps the keyboard";

    // The next alert goes above the dragged one, the one after it (once
    // those are gone) to the dragged one's place.
    CXTPPopupControl* pSecond = RaiseAlert();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->GetPopupPos(), CPoint(rcExpected.right, rcExpected.top));
    CloseAll();
    CXTPPopupControl* pThird = RaiseAlert();
    ASSERT_NE(pThird, nullptr);
    EXPECT_EQ(WindowRect(pThird), rcExpected);
}

TEST_F(AlertDrag, AClickOnTheTextOfTheTopAlertLeavesWhereAlertsGo)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(RaiseAlert(), nullptr);
    CXTPPopupControl* pTop = Alerts().GetOpenPopup(2);
    const CRect rcTop = WindowRect(pTop);
    ASSERT_EQ(rcTop.bottom, work.bottom - 2 * 74);

    ASSERT_TRUE(Drag(pTop, 0, 0, 0));
    EXPECT_EQ(WindowRect(pTop), rcTop);
    EXPECT_EQ(Alerts().GetRememberedPosition(), CPoint(-1, -1)) << "a click is no move";

    CloseAll();
    CXTPPopupControl* pNext = RaiseAlert();
    ASSERT_NE(pNext, nullptr);
    EXPECT_EQ(pNext->GetPopupPos(), work.BottomRight()) << "alerts still start at the corner";
}
