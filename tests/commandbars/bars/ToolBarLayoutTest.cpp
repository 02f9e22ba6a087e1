// A toolbar laid out by itself: docked with its expand button only when the
// controls do not fit (or always, as the option says), floating with its
// caption and hide button, and the borders that resize a floating bar.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

class ToolBarLayout : public ::testing::Test
{
protected:
    void Open(int width)
    {
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(width, 300));
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CXTPToolBar::CXTPControlExpandButton* Expand(CXTPToolBar* pBar)
    {
        return dynamic_cast<CXTPToolBar::CXTPControlExpandButton*>(
            pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND));
    }
    int HiddenByWidth(CXTPToolBar* pBar)
    {
        int n = 0;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            n += pBar->GetControl(i)->GetHideFlags() == xtpHideWrap;
        return n;
    }
    CToolBarFrame* frame = nullptr;
};

} // namespace

TEST_F(ToolBarLayout, DockedExpandButtonShowsWhenControlsDoNotFitOrAlways)
{
    struct Case
    {
        const char* what;
        int frameWidth;
        BOOL always;
        bool expandShown;
        bool controlsHidden;
    } cases[] = {
        {"wide frame, option off", 1000, FALSE, false, false},
        {"narrow frame, option off", 320, FALSE, true, true},
        {"wide frame, option on", 1000, TRUE, true, false},
        {"narrow frame, option on", 320, TRUE, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.frameWidth);
        frame->GetCommandBars()->GetOptions()->bShowExpandButtonAlways = c.always;
        CXTPToolBar* pBar = frame->AddProgramToolBar();
        ASSERT_NE(nullptr, pBar);
        frame->Layout();
        CXTPToolBar::CXTPControlExpandButton* pExpand = Expand(pBar);
        ASSERT_NE(nullptr, pExpand) << "a bar with a manager holds its expand button";
        EXPECT_EQ(c.expandShown, !!pExpand->IsVisible());
        EXPECT_EQ(c.controlsHidden, HiddenByWidth(pBar) > 0);
        EXPECT_EQ(c.controlsHidden, !!pExpand->HasHiddenControls());
        EXPECT_EQ(CSize(32, 32), pBar->GetIconSize());
        CRect rcBar = frame->BarRect(pBar);
        EXPECT_LE(rcBar.right, c.frameWidth) << "the bar stays inside its dock bar";
        if (c.expandShown) {
            CRect rcClient;
            pBar->GetClientRect(&rcClient);
            CRect rcExpand = pExpand->GetRect();
            EXPECT_EQ(XTP_EXPAND_BUTTON_SPACE, rcExpand.Width());
            EXPECT_GE(rcExpand.right, rcClient.right - 4) << "at the bar's right end";
            for (int i = 0; i < pBar->GetControlCount(); i++) {
                CXTPControl* pControl = pBar->GetControl(i);
                if (pControl != pExpand && pControl->IsVisible()) {
                    EXPECT_LE(pControl->GetRect().right, rcExpand.left) << "control " << i << " before it";
                }
            }
        }
        frame->DestroyWindow();
    }
}

TEST_F(ToolBarLayout, FloatingBarHasCaptionAndHideButtonThatHidesItAndTellsTheSite)
{
    Open(600);
    CXTPToolBar* pBar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, pBar);
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    EXPECT_EQ(nullptr, pBar->GetDockBar());
    EXPECT_FALSE(pBar->GetStyle() & WS_CHILD) << "a pop-up of its own";
    EXPECT_EQ(frame->GetSafeHwnd(), ::GetWindow(pBar->GetSafeHwnd(), GW_OWNER));

    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    CXTPControl* pHide = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    ASSERT_NE(nullptr, pHide);
    ASSERT_TRUE(pHide->IsVisible());
    CRect rcHide = pHide->GetRect();
    EXPECT_EQ(rcClient.right - 3, rcHide.right) << "in the caption's right end";
    EXPECT_EQ(3, rcHide.top);
    EXPECT_EQ(rcHide.Width(), rcHide.Height()) << "as high as the caption";
    CXTPControl* pExpand = Expand(pBar);
    ASSERT_NE(nullptr, pExpand);
    ASSERT_TRUE(pExpand->IsVisible()) << "shown always, as the option says";
    CRect rcExpand = pExpand->GetRect();
    EXPECT_EQ(rcHide.left, rcExpand.right) << "the expand button ends where the hide button begins";
    EXPECT_EQ(rcHide.top, rcExpand.top);
    EXPECT_EQ(rcHide.Size(), rcExpand.Size());
    for (int i = 0; i < pBar->GetControlCount(); i++) {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->GetID() != XTP_ID_TOOLBAR_HIDE && pControl->GetID() != XTP_ID_TOOLBAR_EXPAND) {
            EXPECT_GT(pControl->GetRect().top, rcHide.bottom) << "control " << i << " below the caption";
        }
    }

    frame->visibilityNotices.clear();
    pHide->OnExecute();
    EXPECT_FALSE(pBar->IsVisible());
    EXPECT_FALSE(pBar->IsWindowVisible());
    ASSERT_EQ(1u, frame->visibilityNotices.size());
    EXPECT_EQ(pBar, frame->visibilityNotices[0].first);
    EXPECT_FALSE(frame->visibilityNotices[0].second);
    pBar->SetVisible(FALSE);
    EXPECT_EQ(1u, frame->visibilityNotices.size()) << "no change, no notice";

    // Docked again: the hide button goes.
    ASSERT_TRUE(pBar->SetPosition(xtpBarTop));
    pBar->SetVisible(TRUE);
    frame->Layout();
    EXPECT_TRUE(pBar->GetStyle() & WS_CHILD);
    EXPECT_FALSE(pHide->IsVisible());
    EXPECT_EQ(2u, frame->visibilityNotices.size());
}

TEST_F(ToolBarLayout, FloatingBarEdgesAnswerResizeHitCodes)
{
    Open(600);
    CXTPToolBar* pBar = frame->AddProgramToolBar(xtpBarFloating);
    ASSERT_NE(nullptr, pBar);
    ASSERT_EQ(xtpBarFloating, pBar->GetPosition());
    CRect rc = WindowRectOf(pBar);
    ASSERT_GT(rc.Width(), 20);
    struct Case
    {
        const char* what;
        CPoint pt;
        LRESULT hit;
    } cases[] = {
        {"top edge", CPoint(rc.CenterPoint().x, rc.top), HTTOP},
        {"3rd pixel of the top", CPoint(rc.CenterPoint().x, rc.top + 2), HTTOP},
        {"bottom edge", CPoint(rc.CenterPoint().x, rc.bottom - 1), HTBOTTOM},
        {"left edge", CPoint(rc.left, rc.CenterPoint().y), HTLEFT},
        {"right edge", CPoint(rc.right - 1, rc.CenterPoint().y), HTRIGHT},
        {"top-left corner: top first", CPoint(rc.left, rc.top), HTTOP},
        {"bottom-right corner: bottom first", CPoint(rc.right - 1, rc.bottom - 1), HTBOTTOM},
        {"4th pixel in", CPoint(rc.left + 3, rc.CenterPoint().y), HTCLIENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.hit, pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)));
    }
    // A docked bar has no resize borders.
    ASSERT_TRUE(pBar->SetPosition(xtpBarTop));
    frame->Layout();
    rc = WindowRectOf(pBar);
    EXPECT_EQ(HTCLIENT, pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left, rc.CenterPoint().y)));
}

TEST_F(ToolBarLayout, RemovingAShownTearOffBarTakesOutOnlyThatBar)
{
    Open(600);
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    CXTPToolBar* pTearOff = pCommandBars->AddCustomBar(L"Abgerissen", 500, TRUE);
    CXTPToolBar* pAfter = pCommandBars->AddCustomBar(L"Danach", 501, FALSE);
    ASSERT_TRUE(pTearOff && pAfter);
    ASSERT_TRUE(pTearOff->IsVisible());
    int nCount = pCommandBars->GetCount();
    // Hiding the tear-off bar on its way out removes it once more.
    pCommandBars->Remove(pTearOff);
    EXPECT_EQ(nCount - 1, pCommandBars->GetCount());
    EXPECT_EQ(nullptr, pCommandBars->FindToolBar(500));
    EXPECT_EQ(pAfter, pCommandBars->FindToolBar(501)) << "the next bar stays";
}

TEST_F(ToolBarLayout, HiddenTearOffBarLeavesTheManager)
{
    Open(600);
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    CXTPToolBar* pTearOff = pCommandBars->AddCustomBar(L"Abgerissen", 500, TRUE);
    ASSERT_NE(nullptr, pTearOff);
    pTearOff->SetVisible(FALSE);
    EXPECT_EQ(nullptr, pCommandBars->FindToolBar(500));
    ASSERT_EQ(1u, frame->visibilityNotices.size()) << "the site heard of it first";
}

TEST_F(ToolBarLayout, FloatingBarFollowsTheFramesActivationWithSyncFloatingBars)
{
    struct Case
    {
        const char* what;
        BOOL sync;
        bool visibleWhileElsewhere;
    } cases[] = {
        {"option on: hidden while another window is active", TRUE, false},
        {"option off: stays", FALSE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(600);
        frame->GetCommandBars()->GetOptions()->bSyncFloatingBars = c.sync;
        CXTPToolBar* pBar = frame->AddProgramToolBar(xtpBarFloating);
        ASSERT_NE(nullptr, pBar);
        frame->SetForegroundWindow();
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
        ASSERT_TRUE(pBar->IsWindowVisible());

        CWnd other;
        ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), L"Andere", WS_POPUP | WS_VISIBLE, 700, 500, 100, 100,
                                   nullptr, nullptr));
        other.SetForegroundWindow();
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == other.GetSafeHwnd(); }));
        testpump::PumpPending();
        EXPECT_EQ(c.visibleWhileElsewhere, !!pBar->IsWindowVisible());
        EXPECT_TRUE(pBar->IsVisible()) << "still a shown bar";

        frame->SetForegroundWindow();
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
        EXPECT_TRUE(testpump::PumpUntil([&] { return !!pBar->IsWindowVisible(); })) << "back with the frame";
        other.DestroyWindow();
        frame->DestroyWindow();
    }
}

TEST_F(ToolBarLayout, ExpandButtonClickedListsTheControlsThatDidNotFit)
{
    Open(320);
    frame->GetCommandBars()->GetOptions()->bShowExpandButtonAlways = FALSE;
    CXTPToolBar* pBar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, pBar);
    frame->Layout();
    frame->SetForegroundWindow();
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    CXTPToolBar::CXTPControlExpandButton* pExpand = Expand(pBar);
    ASSERT_TRUE(pExpand && pExpand->IsVisible());
    std::vector<int> hiddenIds;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->GetHideFlags() == xtpHideWrap)
            hiddenIds.push_back(pBar->GetControl(i)->GetID());
    ASSERT_FALSE(hiddenIds.empty());

    testinput::ClickAt(ScreenRectOf(pBar, pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] {
        return pExpand->GetCommandBar() && pExpand->GetCommandBar()->IsWindowVisible();
    }));
    CXTPCommandBar* pPopup = pExpand->GetCommandBar();
    ASSERT_EQ(static_cast<int>(hiddenIds.size()), pPopup->GetControlCount());
    for (size_t i = 0; i < hiddenIds.size(); i++) {
        EXPECT_EQ(hiddenIds[i], pPopup->GetControl(static_cast<int>(i))->GetID());
        EXPECT_TRUE(pPopup->GetControl(static_cast<int>(i))->IsVisible()) << "shown in the popup";
    }
    frame->GetCommandBars()->ClosePopups();
    EXPECT_TRUE(testpump::PumpUntil([&] { return !pPopup->IsWindowVisible(); }));
}
