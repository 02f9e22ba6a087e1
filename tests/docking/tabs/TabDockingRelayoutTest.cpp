// The docking panes' own tab strips follow an option changed on their tab
// paint managers at once, without a resize: a group's tabs and its pane's
// window (also after a theme change), a new font, and the tabs of an
// auto-hidden group.
#include <gtest/gtest.h>
#include "../panes/DockingTestFrame.h"
#include "support/Screenshot.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

// Panes "Spiele" and "Statistik" docked left as one group.
CXTPDockingPaneTabbedContainer* DockTwoPaneGroup(CDockingTestFrame* frame)
{
    CXTPDockingPane* first = frame->manager.CreatePane(1, CRect(0, 0, 220, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = frame->manager.CreatePane(2, CRect(0, 0, 220, 100), xtpPaneDockLeft);
    first->SetTitle(L"Spiele");
    second->SetTitle(L"Statistik");
    frame->manager.AttachPane(second, first);
    frame->manager.ShowPane(first);
    frame->RecalcLayout();
    return static_cast<CXTPDockingPaneTabbedContainer*>(first->GetContainer());
}

CXTPTabPaintManager* PaneTabs(CDockingTestFrame* frame)
{
    return frame->manager.GetPaintManager()->GetTabPaintManager();
}

} // namespace

TEST(TabDockingRelayout, GroupTabsAndPaneFollowTheStripPositionAtOnce)
{
    CWinApp app(L"TabDockingRelayoutApp");
    CDockingTestFrame* frame = CDockingTestFrame::New();
    CXTPDockingPaneTabbedContainer* group = DockTwoPaneGroup(frame);
    ASSERT_TRUE(group->IsTabsVisible());
    CXTPDockingPane* shown = group->GetSelected();
    ASSERT_TRUE(shown && shown->GetHwnd());
    CRect client = CXTPClientRect(group);
    ASSERT_EQ(xtpTabPositionBottom, PaneTabs(frame)->GetPosition());
    CRect paneBefore = ParentRect(shown->GetHwnd());

    PaneTabs(frame)->SetPosition(xtpTabPositionTop);
    CRect header = group->GetHeaderRect();
    EXPECT_LT(header.bottom, client.CenterPoint().y) << "the strip moved up without a layout of the site";
    CRect paneAfter = ParentRect(shown->GetHwnd());
    EXPECT_GE(paneAfter.top, header.bottom - 1) << "the pane's window moved below the strip";
    EXPECT_GT(paneAfter.bottom, paneBefore.bottom);

    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testshot::Image shot = testshot::CaptureWindow(group->m_hWnd);
    testshot::Save(shot, L"tabs_docking_group_tabs_on_top.png");
    COLORREF page = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(page, shot.Pixel(client.CenterPoint().x, client.bottom - 6)) << "the list fills the bottom";
    int notPage = 0;
    for (int x = header.left; x < header.right; x++)
        notPage += shot.Pixel(x, header.CenterPoint().y) != page;
    EXPECT_GT(notPage, header.Width() / 2) << "the tabs where the list was";

    // A new theme brings new paint managers: the group leaves the old one's
    // list and follows the new one's options.
    CXTPTabPaintManager* old = PaneTabs(frame);
    old->InternalAddRef();
    frame->manager.SetTheme(6);
    frame->RecalcLayout();
    EXPECT_EQ(0, old->m_arrAtoms.GetSize());
    old->InternalRelease();
    PaneTabs(frame)->SetPosition(xtpTabPositionBottom);
    EXPECT_EQ(CXTPClientRect(group).bottom, group->GetHeaderRect().bottom);
    PaneTabs(frame)->SetPosition(xtpTabPositionTop);
    EXPECT_LT(group->GetHeaderRect().bottom, client.CenterPoint().y);
    frame->DestroyWindow();
}

TEST(TabDockingRelayout, AutoHiddenTabsFollowTheirLayoutAtOnce)
{
    CWinApp app(L"TabDockingRelayoutHiddenApp");
    CDockingTestFrame* frame = CDockingTestFrame::New();
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(frame, frame->manager, 180);
    ASSERT_TRUE(panel && panel->GetSafeHwnd());
    ASSERT_EQ(1u, panel->GetTabManagers().size());
    CXTPTabPaintManager* tabs = frame->manager.GetPaintManager()->GetPanelPaintManager();
    auto unselectedLength = [panel] {
        CXTPTabManager* strip = panel->GetTabManagers()[0].get();
        for (int i = 0; i < strip->GetItemCount(); i++)
        {
            if (strip->GetItem(i) != strip->GetSelectedItem())
                return strip->GetItem(i)->GetRect().Height();
        }
        return -1;
    };
    int before = unselectedLength();
    ASSERT_GT(before, 0);

    tabs->SetLayout(tabs->GetLayout() == xtpTabLayoutCompressed ? xtpTabLayoutAutoSize : xtpTabLayoutCompressed);
    ASSERT_EQ(1u, panel->GetTabManagers().size());
    EXPECT_NE(before, unselectedLength()) << "the caption of the unselected tab came or went at once";
    frame->DestroyWindow();
}

TEST(TabDockingRelayout, GroupTabsFollowANewFontAtOnce)
{
    CWinApp app(L"TabDockingRelayoutFontApp");
    CDockingTestFrame* frame = CDockingTestFrame::New();
    CXTPDockingPaneTabbedContainer* group = DockTwoPaneGroup(frame);
    ASSERT_TRUE(group->IsTabsVisible());
    CXTPDockingPane* shown = group->GetSelected();
    CRect tab0 = group->GetItem(0)->GetRect();
    int natural0 = group->GetItem(0)->GetContentLength();
    CRect header = group->GetHeaderRect();

    LOGFONT lf = {};
    lf.lfHeight = -40;
    lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    PaneTabs(frame)->SetFontIndirect(&lf, FALSE);
    CRect bigTab0 = group->GetItem(0)->GetRect();
    CRect bigHeader = group->GetHeaderRect();
    EXPECT_GT(group->GetItem(0)->GetContentLength(), natural0 * 2) << "measured in the new font";
    EXPECT_GT(bigTab0.Width(), tab0.Width());
    EXPECT_GT(bigTab0.Height(), 40);
    EXPECT_GT(bigHeader.Height(), header.Height() + 20) << "the strip grew with its text";
    EXPECT_LE(ParentRect(shown->GetHwnd()).bottom, bigHeader.top + 1) << "the pane's window made room";

    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testshot::Image shot = testshot::CaptureWindow(group->m_hWnd);
    testshot::Save(shot, L"tabs_docking_group_large_font.png");
    // The caption "Spiele" in 40-pixel letters: dark strokes well above the old strip's top.
    int dark = 0;
    for (int y = bigHeader.top; y < header.top; y++)
    {
        for (int x = bigTab0.left; x < bigTab0.right; x++)
        {
            COLORREF c = shot.Pixel(x, y);
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        }
    }
    EXPECT_GT(dark, 50);
    frame->DestroyWindow();
}
