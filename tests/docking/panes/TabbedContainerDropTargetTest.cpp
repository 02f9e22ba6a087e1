// The tabbed container as an OLE drop target, driven through its IDropTarget
// (a drag across windows cannot be driven here): a drag held over a tab
// selects its pane when the theme's tab paint manager allows, and nothing
// is ever dropped on the container itself.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/ole/COleDataSource.h"
#include "support/TestPump.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

typedef CXTPDockingPaneTabbedContainer Container;

// Panes 1, 2 and 3 tabbed together on the left of a shown frame.
struct TabbedPanes
{
    CDockingTestFrame* frame;
    CXTPDockingPane* panes[3];
    Container* container;

    TabbedPanes()
    {
        frame = CDockingTestFrame::New();
        for (int i = 0; i < 3; i++)
        {
            panes[i] = frame->manager.CreatePane(i + 1, CRect(0, 0, 240, 200), xtpPaneDockLeft);
            if (i > 0)
                frame->manager.AttachPane(panes[i], panes[0]);
        }
        container = static_cast<Container*>(panes[0]->GetContainer());
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
    }

    ~TabbedPanes() { frame->DestroyWindow(); }

    POINTL Screen(CPoint client) const
    {
        container->ClientToScreen(&client);
        return {client.x, client.y};
    }

    POINTL OnTab(int index) const { return Screen(container->GetItem(index)->GetRect().CenterPoint()); }
};

// Data of some other program being dragged.
struct DraggedText
{
    COleDataSource source;
    IDataObject* data;

    DraggedText()
    {
        source.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8));
        data = source.GetDataObject(TRUE);
    }

    ~DraggedText() { data->Release(); }
};

} // namespace

TEST(TabbedContainerDropTarget, DraggingOverATabSelectsItsPaneOnlyWhenTheThemeAllows)
{
    TabbedPanes f;
    ASSERT_EQ(3, f.container->GetItemCount());
    ASSERT_EQ(f.container->m_hWnd, f.container->GetDropTarget()->GetRegisteredWindow());
    IDropTarget* target = f.container->GetDropTarget()->GetInterface();
    const CRect rcClient = CXTPClientRect(f.container);
    const CPoint onCaption(rcClient.CenterPoint().x, rcClient.top + 4);
    ASSERT_EQ(-2, f.container->HitTestArea(onCaption));
    const CPoint inPage = rcClient.CenterPoint();
    ASSERT_EQ(-1, f.container->HitTestArea(inPage));

    struct Case
    {
        BOOL selectOnDragOver;
        POINTL enter;
        POINTL over;
        CXTPDockingPane* selectedAfterEnter;
        CXTPDockingPane* selectedAfterOver;
    };
    const Case cases[] = {
        {TRUE, f.OnTab(2), f.OnTab(1), f.panes[2], f.panes[1]},
        {FALSE, f.OnTab(2), f.OnTab(1), f.panes[0], f.panes[0]},
        {TRUE, f.Screen(onCaption), f.Screen(onCaption), f.panes[0], f.panes[0]},
        {TRUE, f.Screen(inPage), f.OnTab(2), f.panes[0], f.panes[2]},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "option " << c.selectOnDragOver << " enter " << c.enter.x << ","
                                        << c.enter.y);
        f.container->SelectPane(f.panes[0], FALSE, FALSE);
        // Tabs are measured as they are drawn, as in the loop of a real drag.
        testpump::PumpUntilIdle();
        f.frame->manager.GetPaintManager()->GetTabPaintManager()->m_bSelectOnDragOver = c.selectOnDragOver;
        DraggedText dragged;
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(S_OK, target->DragEnter(dragged.data, MK_LBUTTON, c.enter, &effect));
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
        EXPECT_EQ(c.selectedAfterEnter, f.container->GetSelected());
        testpump::PumpUntilIdle();
        effect = DROPEFFECT_COPY;
        ASSERT_EQ(S_OK, target->DragOver(MK_LBUTTON, c.over, &effect));
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
        EXPECT_EQ(c.selectedAfterOver, f.container->GetSelected());
        target->DragLeave();
    }
}

TEST(TabbedContainerDropTarget, TheContainerWindowIsRegisteredWhileItLives)
{
    TabbedPanes f;
    Container::CContainerDropTarget* dropTarget = f.container->GetDropTarget();
    ASSERT_TRUE(::IsWindow(f.container->m_hWnd));
    EXPECT_EQ(f.container->m_hWnd, dropTarget->GetRegisteredWindow());
    COleDropTarget other;
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(f.container->m_hWnd, other.GetInterface()));

    // The system lets go of the target with the window.
    f.container->DestroyWindow();
    EXPECT_EQ(nullptr, dropTarget->GetRegisteredWindow());
    EXPECT_EQ(1, dropTarget->m_dwRef);

    // The next layout pass makes the window again, registered again.
    f.frame->RecalcLayout();
    ASSERT_TRUE(::IsWindow(f.container->m_hWnd));
    EXPECT_EQ(f.container->m_hWnd, dropTarget->GetRegisteredWindow());
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(f.container->m_hWnd, other.GetInterface()));
}
