// A maximized group whose pane is closed, floated or hidden by the user:
// the emptied group gives up its maximized state and its siblings get their
// room back, above one another and beside the client area.
#include <gtest/gtest.h>
#include <string>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "resources/ToolkitDockingIds.h"

namespace {

typedef CXTPDockingPaneTabbedContainer Container;

enum class Emptying
{
    Close,
    Float,
    Hide
};

const Emptying kEveryEmptying[] = {Emptying::Close, Emptying::Float, Emptying::Hide};

const char* Name(Emptying how)
{
    return how == Emptying::Close ? "closed" : how == Emptying::Float ? "floated" : "hidden";
}

Container* ContainerOf(CXTPDockingPane* pane)
{
    return static_cast<Container*>(pane->GetContainer());
}

// A frame whose groups show the maximize button.
DockingTestFramePtr MaximizableFrame()
{
    DockingTestFramePtr frame(CDockingTestFrame::New());
    frame->manager.m_bShowMaximizeButton = TRUE;
    return frame;
}

CXTPDockingPane* TitledPane(CDockingTestFrame* frame, int id, CSize size, int direction,
                            CXTPDockingPane* neighbour, LPCWSTR title)
{
    CXTPDockingPane* pane = frame->manager.CreatePane(id, CRect(CPoint(0, 0), size), direction, neighbour);
    pane->SetTitle(title);
    return pane;
}

void Show(CDockingTestFrame* frame)
{
    frame->RecalcLayout();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::SetForegroundWindow(frame->m_hWnd);
    testpump::PumpUntilIdle();
}

void ClickCaptionButton(Container* container, int id)
{
    CXTPDockingPaneCaptionButtons* buttons = container->GetCaptionButtons();
    for (INT_PTR i = 0; i < buttons->GetSize(); i++)
    {
        if (buttons->GetAt(i)->GetId() != id)
            continue;
        CRect rc = buttons->GetAt(i)->GetRect();
        ASSERT_FALSE(rc.IsRectEmpty()) << "button " << id << " shown";
        testinput::ClickAt(testinput::ClientToScreenPoint(container->m_hWnd, rc.CenterPoint().x, rc.CenterPoint().y));
        return;
    }
    FAIL() << "no button " << id;
}

// Maximizes the pane's group with its button, then empties it as the user
// does: its close or hide button, or a double click on its caption.
void MaximizeThenEmpty(CDockingTestFrame* frame, CXTPDockingPane* pane, Emptying how)
{
    Container* container = ContainerOf(pane);
    ClickCaptionButton(container, XTP_IDS_DOCKINGPANE_MAXIMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return container->IsMaximized(); }));
    Show(frame);
    if (how == Emptying::Float)
        testinput::DoubleClickAt(testinput::ClientToScreenPoint(container->m_hWnd, 20, 8));
    else
        ClickCaptionButton(container,
                           how == Emptying::Close ? XTP_IDS_DOCKINGPANE_CLOSE : XTP_IDS_DOCKINGPANE_AUTOHIDE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return container->IsEmpty(); }));
    EXPECT_FALSE(container->IsMaximized()) << "an emptied group is not maximized";
    Show(frame);
}

} // namespace

TEST(MaximizedContainerEmptied, TheGroupsBelowShareTheWholeHeight)
{
    CWinApp app(L"MaximizedEmptiedApp");
    for (Emptying how : kEveryEmptying)
    {
        SCOPED_TRACE(Name(how));
        DockingTestFramePtr frame = MaximizableFrame();
        CXTPDockingPane* upper = TitledPane(frame.get(), 1, CSize(220, 120), xtpPaneDockLeft, nullptr, L"Spiele");
        CXTPDockingPane* middle = TitledPane(frame.get(), 2, CSize(220, 100), xtpPaneDockBottom, upper, L"Statistik");
        CXTPDockingPane* lower = TitledPane(frame.get(), 3, CSize(220, 100), xtpPaneDockBottom, middle, L"Alarme");
        Show(frame.get());
        CRect upperBefore = ContainerOf(upper)->GetPaneWindowRect();
        CRect lowerBefore = ContainerOf(lower)->GetPaneWindowRect();
        ASSERT_GT(lowerBefore.Height(), 0);

        MaximizeThenEmpty(frame.get(), upper, how);
        CRect middleAfter = ContainerOf(middle)->GetPaneWindowRect();
        CRect lowerAfter = ContainerOf(lower)->GetPaneWindowRect();
        EXPECT_EQ(upperBefore.top, middleAfter.top) << RectText(middleAfter);
        EXPECT_GT(middleAfter.Height(), lowerBefore.Height()) << "room is shared out again";
        EXPECT_GE(lowerAfter.Height(), lowerBefore.Height()) << RectText(lowerAfter);
        EXPECT_EQ(lowerBefore.bottom, lowerAfter.bottom);
    }
}

TEST(MaximizedContainerEmptied, TheGroupBesideTheClientKeepsItsWidth)
{
    CWinApp app(L"MaximizedEmptiedApp");
    for (Emptying how : kEveryEmptying)
    {
        SCOPED_TRACE(Name(how));
        DockingTestFramePtr frame = MaximizableFrame();
        CXTPDockingPane* inner = TitledPane(frame.get(), 1, CSize(150, 100), xtpPaneDockLeft, nullptr, L"Spiele");
        CXTPDockingPane* outer = TitledPane(frame.get(), 2, CSize(150, 100), xtpPaneDockLeft, inner, L"Alarme");
        Show(frame.get());
        ASSERT_EQ(ContainerOf(inner)->GetContainer(), ContainerOf(outer)->GetContainer()) << "side by side";
        ASSERT_EQ(150, ContainerOf(outer)->GetPaneWindowRect().Width());

        MaximizeThenEmpty(frame.get(), inner, how);
        EXPECT_EQ(150, ContainerOf(outer)->GetPaneWindowRect().Width());
    }
}
