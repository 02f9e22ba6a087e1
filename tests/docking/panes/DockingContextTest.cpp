// Drag and dock through real mouse input: the threshold, Ctrl, the float and
// dock options, the side rule, joining at a caption, Esc, stickers, tab and
// floating frame drags, mirrored sites, and the desktop unlocked after every
// drag.
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "framework/controls/CListBox.h"
#include "DockingTestFrame.h"
#include "PaneListBoxes.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "docking/tabs/ForcedScheme.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContextStickerWnd.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

// What the context shows after one move.
struct ContextStep
{
    CXTPDockingPaneBase* target = nullptr;
    BOOL attach = FALSE;
    int direction = -1;
    std::vector<int> masks;
    std::vector<int> highlighted;
    std::vector<CRect> stickerRects;
    BOOL previewVisible = FALSE;
    DWORD previewExStyle = 0;
    BYTE alpha = 0;
    DWORD layeredFlags = 0;
    CRect floatRect;
    CRect outlineBox;
};

class CRecordingContext : public CXTPDockingPaneContext
{
public:
    using CXTPDockingPaneContext::CXTPDockingPaneContext;
    std::vector<ContextStep> steps;
    std::function<void(CRecordingContext&)> onMove;

    void Move(CPoint pt) override
    {
        CXTPDockingPaneContext::Move(pt);
        ContextStep step;
        step.target = m_pTarget;
        step.attach = m_bAttach;
        step.direction = m_pTarget ? m_nDirection : -1;
        for (CXTPDockingPaneContextStickerWnd* sticker : GetStickers())
        {
            step.masks.push_back(sticker->GetMask());
            step.highlighted.push_back(sticker->GetHighlighted());
            CRect rc;
            sticker->GetWindowRect(&rc);
            step.stickerRects.push_back(rc);
        }
        HWND preview = m_wndPreview.m_hWnd;
        step.previewVisible = preview && ::IsWindowVisible(preview);
        if (preview)
        {
            step.previewExStyle = static_cast<DWORD>(::GetWindowLongW(preview, GWL_EXSTYLE));
            COLORREF key = 0;
            ::GetLayeredWindowAttributes(preview, &key, &step.alpha, &step.layeredFlags);
        }
        step.floatRect = m_rcFloat;
        if (GetOutlineRegion())
            ::GetRgnBox(GetOutlineRegion(), &step.outlineBox);
        steps.push_back(step);
        if (onMove)
            onMove(*this);
    }
};

// Floating frames that note being deleted while their caption press is
// still being handled (the drag runs inside it).
int g_captionPressDepth = 0;
bool g_frameDeletedInItsHandler = false;

class CProbeMiniWnd : public CXTPDockingPaneMiniWnd
{
public:
    using CXTPDockingPaneMiniWnd::CXTPDockingPaneMiniWnd;
    ~CProbeMiniWnd() override
    {
        if (g_captionPressDepth > 0)
            g_frameDeletedInItsHandler = true;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_NCLBUTTONDOWN)
            return CXTPDockingPaneMiniWnd::WindowProc(message, wParam, lParam);
        g_captionPressDepth++;
        LRESULT result = CXTPDockingPaneMiniWnd::WindowProc(message, wParam, lParam);
        g_captionPressDepth--;
        return result;
    }
};

class CProbeManager : public CXTPDockingPaneManager
{
public:
    CXTPDockingPaneBase* OnCreatePane(int nType, CXTPDockingPaneLayout* pLayout) override
    {
        if (nType == xtpPaneTypeMiniWnd)
            return new CProbeMiniWnd(pLayout);
        return CXTPDockingPaneManager::OnCreatePane(nType, pLayout);
    }
};

class CDockingFrame : public CFrameWnd
{
public:
    CProbeManager manager;
    std::vector<int> actions;
    int vetoAction = -1;
    // With the vetoed action, only this direction (-1: any).
    int vetoDirection = -1;
    CPaneListBoxes lists;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_XTP_PANE_ACTION)
            return CFrameWnd::WindowProc(message, wParam, lParam);
        if (wParam == XTP_DPN_SHOWWINDOW)
        {
            lists.AttachTo(reinterpret_cast<CXTPDockingPane*>(lParam), this, WS_CHILD | LBS_NOINTEGRALHEIGHT, 500,
                           {L"Kategorie 2  Dortmund"});
        }
        else if (wParam == XTP_DPN_ACTION)
        {
            auto* record = reinterpret_cast<XTP_DOCKINGPANE_ACTION*>(lParam);
            // The checks while moving are many: only outcomes are kept.
            if (record->action != xtpPaneActionDocking && record->action != xtpPaneActionAttaching)
                actions.push_back(record->action);
            if (record->action == vetoAction && (vetoDirection < 0 || record->dockDirection == vetoDirection))
                record->bCancel = TRUE;
        }
        return 0;
    }
};

// A frame with pane 1 docked left and pane 2 docked right of the client.
struct DockingSetup
{
    CDockingFrame* frame = nullptr;
    CXTPDockingPane* left = nullptr;
    CXTPDockingPane* right = nullptr;
    CRecordingContext* context = nullptr;

    explicit DockingSetup(int theme = 0, DWORD siteExStyle = 0)
    {
        frame = new CDockingFrame;
        frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420), nullptr,
                      nullptr, siteExStyle);
        frame->manager.InstallDockingPanes(frame);
        frame->manager.SetTheme(theme);
        delete frame->manager.m_pDockingContext;
        context = new CRecordingContext(&frame->manager);
        frame->manager.m_pDockingContext = context;
        left = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
        left->SetTitle(L"Spiele");
        right = frame->manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockRight);
        right->SetTitle(L"Tickets");
        Layout();
    }
    ~DockingSetup() { frame->DestroyWindow(); }

    void Layout()
    {
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
    }
    CRect ScreenRect(CXTPDockingPaneBase* node) const { return CXTPDockingPaneContext::GetNodeScreenRect(node); }
    CRect Client() const { return ScreenRect(frame->manager.GetLayout()->GetClientPane()); }
    // A point of a pane's caption, away from its buttons.
    POINT Caption(CXTPDockingPane* pane) const
    {
        CRect rc = ScreenRect(pane->GetContainer());
        return {rc.left + 20, rc.top + 6};
    }
};

bool IsFloating(CXTPDockingPaneBase* node)
{
    for (CXTPDockingPaneBase* up = node; up; up = up->GetContainer())
    {
        if (up->GetType() == xtpPaneTypeMiniWnd)
            return true;
    }
    return false;
}

bool DesktopUnlocked(HWND wnd)
{
    if (!::LockWindowUpdate(wnd))
        return false;
    ::LockWindowUpdate(nullptr);
    return true;
}

// A loop that lost the quit still ends, on the release, rather than
// hold the test. The test stops this timer when it ends: fired later, its
// release would end a drag of the next test halfway.
UINT_PTR g_releaseTimer = 0;

void CALLBACK ReleaseIfStillCaptured(HWND, UINT, UINT_PTR id, DWORD)
{
    testtimer::Kill(id);
    g_releaseTimer = 0;
    POINT pt;
    ::GetCursorPos(&pt);
    if (::GetCapture() != nullptr)
        testinput::SendMouse(MOUSEEVENTF_LEFTUP, pt);
}

void CALLBACK QuitOnceCaptured(HWND, UINT, UINT_PTR id, DWORD)
{
    if (::GetCapture() == nullptr)
        return;
    testtimer::Kill(id);
    ::PostQuitMessage(7);
    g_releaseTimer = testtimer::Set(2000, ReleaseIfStillCaptured);
}

} // namespace

TEST(DockingContext, QuitDuringADragEndsItAndStaysQueued)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s;
    CXTPDockingPaneBase* container = s.right->GetContainer();
    POINT from = s.Caption(s.right);
    ::SetForegroundWindow(s.frame->m_hWnd);
    ASSERT_TRUE(testinput::MoveMouseAndWait(from));
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    testtimer::Set(10, QuitOnceCaptured);
    // The press starts the drag's loop; the quit posted in it ends it.
    EXPECT_EQ(7, testpump::PumpUntilQuitTaken()) << "the quit is left for the program's own loop";
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, from);
    testpump::PumpUntilIdle();
    if (g_releaseTimer != 0)
        testtimer::Kill(g_releaseTimer);
    g_releaseTimer = 0;
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
    EXPECT_EQ(container, s.right->GetContainer());
    EXPECT_EQ(xtpPaneDockRight, s.frame->manager.GetPaneDirection(s.right));
    EXPECT_EQ(std::vector<int>{xtpPaneActionFloating}, s.frame->actions) << "no outcome";
}

TEST(DockingContext, ASideTheSiteVetoesGetsNothingDockedByADrag)
{
    CWinApp app(L"DockingContextApp");
    for (int vetoed : {xtpPaneDockLeft, xtpPaneDockTop})
    {
        SCOPED_TRACE(vetoed);
        DockingSetup s;
        s.frame->vetoAction = xtpPaneActionDocking;
        s.frame->vetoDirection = vetoed;
        CRect client = s.Client();
        POINT nearLeft = {client.left + 10, client.CenterPoint().y};
        POINT nearTop = {client.CenterPoint().x, client.top + 10};
        POINT from = s.Caption(s.right);
        POINT to = vetoed == xtpPaneDockLeft ? nearLeft : nearTop;
        testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x - 8, from.y}, to});
        EXPECT_TRUE(IsFloating(s.right)) << "not docked: dropped where no side is taken";
        EXPECT_TRUE(!s.context->steps.empty() && s.context->steps.back().target == nullptr);

        // The side not vetoed still docks.
        s.frame->vetoAction = -1;
        s.frame->manager.ToggleDocking(s.right);
        s.Layout();
        ASSERT_FALSE(IsFloating(s.right));
        s.frame->vetoAction = xtpPaneActionDocking;
        // A press where the last one was would be a double click.
        testpump::PumpFor(::GetDoubleClickTime() + 50);
        from = s.Caption(s.right);
        to = vetoed == xtpPaneDockLeft ? nearTop : nearLeft;
        testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x - 8, from.y}, to});
        EXPECT_FALSE(IsFloating(s.right));
        EXPECT_EQ(vetoed == xtpPaneDockLeft ? xtpPaneDockTop : xtpPaneDockLeft,
                  s.frame->manager.GetPaneDirection(s.right));
    }
}

TEST(DockingContext, MouseDragsFloatDockJoinOrChangeNothing)
{
    CWinApp app(L"DockingContextApp");
    enum Outcome
    {
        Unchanged,
        Floats,
        DocksLeft,
        DocksTop,
        JoinsLeftPane
    };
    struct Case
    {
        const char* name;
        DWORD options;
        bool ctrl;
        bool escape;
        std::function<POINT(const DockingSetup&)> to;
        Outcome outcome;
    };
    auto space = [](const DockingSetup&) { return POINT{900, 700}; };
    auto clientLeft = [](int inside) {
        return [inside](const DockingSetup& s) { return POINT{s.Client().left + inside, s.Client().CenterPoint().y}; };
    };
    const Case cases[] = {
        {"a click moving 3 px", 0, false, false,
         [](const DockingSetup& s) {
             POINT pt = s.Caption(s.right);
             return POINT{pt.x - 3, pt.y + 2};
         },
         Unchanged},
        {"into empty space", 0, false, false, space, Floats},
        {"Ctrl held over the client's left edge", 0, true, false, clientLeft(10), Floats},
        {"option 4 into empty space", xtpPaneNoFloatable, false, false, space, Unchanged},
        {"option 32 over the client's left edge", xtpPaneNoDockable, false, false, clientLeft(10), Floats},
        {"10 px inside the client's left edge", 0, false, false, clientLeft(10), DocksLeft},
        {"30 px inside the client's left edge", 0, false, false, clientLeft(30), Floats},
        {"as near the client's top as its left edge", 0, false, false,
         [](const DockingSetup& s) { return POINT{s.Client().left + 10, s.Client().top + 10}; }, DocksTop},
        {"onto the other pane's caption", 0, false, false, [](const DockingSetup& s) { return s.Caption(s.left); },
         JoinsLeftPane},
        {"Esc before the release", 0, false, true, space, Unchanged},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        DockingSetup s;
        s.right->SetOptions(c.options);
        CXTPDockingPaneBase* container = s.right->GetContainer();
        CRect before = s.ScreenRect(container);
        POINT to = c.to(s);
        POINT from = s.Caption(s.right);
        // Far drops pass a first step on the way; the short click goes straight.
        std::vector<POINT> path = {to};
        if (std::abs(to.x - from.x) >= 5 || std::abs(to.y - from.y) >= 5)
            path.insert(path.begin(), POINT{from.x - 8, from.y});
        // Ctrl goes down during the drag (its own message moves the preview);
        // Esc comes before the release.
        testinput::DragInLoop(s.frame->m_hWnd, from, path, [&](size_t i) {
            if (c.ctrl && i == 0)
                testinput::SendKeyDown(VK_CONTROL);
            if (c.escape && i + 1 == path.size())
                testinput::SendKey(VK_ESCAPE);
        });
        if (c.ctrl)
            testinput::SendKeyUp(VK_CONTROL);
        testpump::PumpUntilIdle();
        EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));

        switch (c.outcome)
        {
        case Unchanged:
            EXPECT_EQ(container, s.right->GetContainer());
            EXPECT_FALSE(IsFloating(s.right));
            EXPECT_EQ(xtpPaneDockRight, s.frame->manager.GetPaneDirection(s.right));
            EXPECT_EQ(std::vector<int>{xtpPaneActionFloating}, s.frame->actions) << "no outcome announced";
            break;
        case Floats:
        {
            EXPECT_TRUE(IsFloating(s.right));
            EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionFloated}), s.frame->actions);
            if (s.context->steps.empty())
            {
                ADD_FAILURE() << "no move";
                break;
            }
            // The outline was the 4-pixel frame of the float rectangle.
            EXPECT_EQ(s.context->steps.back().floatRect, s.context->steps.back().outlineBox);
            EXPECT_EQ(before.Size(), s.context->steps.back().floatRect.Size());
            EXPECT_TRUE(s.context->steps.back().floatRect.PtInRect(to));
            break;
        }
        case DocksLeft:
        case DocksTop:
            EXPECT_FALSE(IsFloating(s.right));
            EXPECT_EQ(c.outcome == DocksLeft ? xtpPaneDockLeft : xtpPaneDockTop,
                      s.frame->manager.GetPaneDirection(s.right));
            EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionDocked}), s.frame->actions);
            EXPECT_TRUE(!s.context->steps.empty() &&
                        s.frame->manager.GetLayout()->GetClientPane() == s.context->steps.back().target);
            break;
        case JoinsLeftPane:
            EXPECT_EQ(s.left->GetContainer(), s.right->GetContainer());
            EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionAttached}), s.frame->actions);
            EXPECT_TRUE(!s.context->steps.empty() && s.context->steps.back().attach);
            break;
        }
    }
}

TEST(DockingContext, RightToLeftSiteDocksOnTheSideThePointerIsAt)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s(0, WS_EX_LAYOUTRTL);
    CRect client = s.Client();
    CRect before = s.ScreenRect(s.right->GetContainer());
    ASSERT_LT(before.right, client.CenterPoint().x) << "a right pane lies at the left on screen";
    // The caption's buttons lie at its left end on screen.
    POINT from = {before.right - 20, before.top + 6};
    POINT to = {client.right - 10, client.CenterPoint().y};
    testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 8, from.y}, to});
    testpump::PumpUntilIdle();
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
    EXPECT_FALSE(IsFloating(s.right));
    EXPECT_EQ(xtpPaneDockLeft, s.frame->manager.GetPaneDirection(s.right)) << "the left of a mirrored site";
    s.Layout();
    CRect after = s.ScreenRect(s.right->GetContainer());
    EXPECT_TRUE(after.PtInRect(to)) << "the pane lies where the pointer let go";
}

// On a mirrored site the preview shows where the drop docks: over the
// pointer's side, as an outline and with stickers.
TEST(DockingContext, RightToLeftSitePreviewLiesWhereTheDropDocks)
{
    CWinApp app(L"DockingContextApp");
    for (bool stickers : {false, true})
    {
        SCOPED_TRACE(stickers ? "stickers" : "outline");
        DockingSetup s(0, WS_EX_LAYOUTRTL);
        s.frame->manager.m_bAlphaDockingContext = stickers;
        s.frame->manager.m_bShowDockingContextStickers = stickers;
        CRect client = s.Client();
        CRect top = s.ScreenRect(s.frame->manager.GetLayout()->GetTopContainer());
        CRect from = s.ScreenRect(s.right->GetContainer());
        POINT caption = {from.right - 20, from.top + 6};
        // Without stickers the side rule takes the client's right side; with
        // them the frame's right edge sticker.
        POINT to = stickers ? POINT{top.right - 16 - 15, top.CenterPoint().y}
                            : POINT{client.right - 10, client.CenterPoint().y};
        CRect preview;
        testshot::Image shot;
        CRect frameRect;
        s.frame->GetWindowRect(&frameRect);
        s.context->onMove = [&](CRecordingContext& context) {
            if (!context.GetTarget())
                return;
            if (!stickers)
            {
                preview = context.steps.back().outlineBox;
                return;
            }
            ::GetWindowRect(context.GetPreviewWnd().m_hWnd, &preview);
            // Painted at once: pumping here would take the drag's own input.
            s.frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            context.GetPreviewWnd().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            for (CXTPDockingPaneContextStickerWnd* sticker : context.GetStickers())
                sticker->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            HDC screen = ::GetDC(nullptr);
            shot = testshot::CaptureDC(screen, frameRect);
            ::ReleaseDC(nullptr, screen);
        };
        testinput::DragInLoop(s.frame->m_hWnd, caption, {{caption.x + 8, caption.y}, to});
        testpump::PumpUntilIdle();
        ASSERT_FALSE(IsFloating(s.right));
        ASSERT_FALSE(preview.IsRectEmpty()) << "a preview was shown";
        EXPECT_TRUE(preview.PtInRect(to)) << RectText(preview) << " where the pointer is";
        if (stickers)
        {
            ASSERT_GT(shot.width, 0);
            testshot::Save(shot, L"docking_rtl_drag_preview.png");
            // The translucent highlight lies over the pointer's side, not the other.
            const int y = preview.top + 60 - frameRect.top;
            CPoint inside(preview.left + 10 - frameRect.left, y);
            CPoint mirrored(frameRect.right - (preview.left + 10) - frameRect.left, y);
            COLORREF tinted = shot.Pixel(inside.x, inside.y);
            COLORREF plain = shot.Pixel(mirrored.x, mirrored.y);
            EXPECT_GT(GetBValue(tinted), GetRValue(tinted) + 20) << "highlighted";
            EXPECT_LT(GetBValue(plain), GetRValue(plain) + 20) << "not highlighted";
        }
        s.Layout();
        EXPECT_EQ(RectText(s.ScreenRect(s.right->GetContainer())), RectText(preview)) << "where the pane went";
    }
}

// On a mirrored site a side the site vetoes, as the layout names it, gets
// nothing docked from the screen side that docks there.
TEST(DockingContext, RightToLeftSiteVetoOfASideHoldsForTheSideOnScreen)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s(0, WS_EX_LAYOUTRTL);
    s.frame->vetoAction = xtpPaneActionDocking;
    s.frame->vetoDirection = xtpPaneDockLeft;
    CRect client = s.Client();
    CRect from = s.ScreenRect(s.right->GetContainer());
    POINT caption = {from.right - 20, from.top + 6};
    POINT nearRightOnScreen = {client.right - 10, client.CenterPoint().y};
    testinput::DragInLoop(s.frame->m_hWnd, caption, {{caption.x + 8, caption.y}, nearRightOnScreen});
    testpump::PumpUntilIdle();
    EXPECT_TRUE(IsFloating(s.right)) << "not docked at the vetoed side";
    EXPECT_TRUE(!s.context->steps.empty() && s.context->steps.back().target == nullptr);
}

TEST(DockingContext, DesktopUnlockedWhenAnotherWindowHoldsTheCapture)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s;
    CXTPDockingPaneBase* container = s.right->GetContainer();
    ::SetCapture(s.frame->m_hWnd);
    POINT pt = s.Caption(s.right);
    s.context->Drag(container, pt);
    ::ReleaseCapture();
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
    EXPECT_EQ(container, s.right->GetContainer());
    EXPECT_TRUE(s.context->steps.empty());
}

TEST(DockingContext, OutlineIsAFourPixelFrameAndATabWhenJoining)
{
    const CRect rc(100, 100, 300, 250);
    struct Probe
    {
        BOOL attach;
        POINT pt;
        bool inside;
    };
    const Probe probes[] = {
        {FALSE, {101, 150}, true},  {FALSE, {103, 150}, true},  {FALSE, {104, 150}, false},
        {FALSE, {200, 102}, true},  {FALSE, {200, 249}, true},  {FALSE, {200, 150}, false},
        // Body 100..230 high, tab 105..155 wide below it, their shared border open.
        {TRUE, {101, 150}, true},   {TRUE, {200, 228}, true},   {TRUE, {130, 228}, false},
        {TRUE, {106, 240}, true},   {TRUE, {130, 248}, true},   {TRUE, {130, 240}, false},
        {TRUE, {200, 240}, false},  {TRUE, {153, 240}, true},
    };
    for (const Probe& probe : probes)
    {
        HRGN region = CXTPDockingPaneContext::CreateOutlineRegion(rc, probe.attach);
        EXPECT_EQ(probe.inside, ::PtInRegion(region, probe.pt.x, probe.pt.y) != FALSE)
            << (probe.attach ? "attach " : "") << probe.pt.x << "," << probe.pt.y;
        ::DeleteObject(region);
    }
    CRect body, tab;
    CXTPDockingPaneContext::SplitAttachRect(CRect(0, 0, 40, 30), FALSE, 0, body, tab);
    EXPECT_EQ(CRect(5, 15, 40, 30), tab) << "tab height half, width the rest after 5";
    CXTPDockingPaneContext::SplitAttachRect(rc, TRUE, 20, body, tab);
    EXPECT_EQ(CRect(105, 120, 155, 140), tab) << "below the caption when tabs are at the top";
    EXPECT_EQ(140, body.top);
}

TEST(DockingContextSticker, MasksHitTestsAndRegions)
{
    CWinApp app(L"DockingContextApp");
    for (BOOL second : {FALSE, TRUE})
    {
        SCOPED_TRACE(second ? "second style" : "classic");
        const int cross = xtpStickerCross | xtpStickerLeft | xtpStickerRight | xtpStickerTop | xtpStickerBottom |
                          xtpStickerCenter;
        EXPECT_EQ(second ? CSize(89, 89) : CSize(93, 93), CXTPDockingPaneContextStickerWnd::GetStickerSize(cross, second));
        EXPECT_EQ(second ? CSize(29, 32) : CSize(43, 30),
                  CXTPDockingPaneContextStickerWnd::GetStickerSize(xtpStickerTop, second));
        EXPECT_EQ(second ? CSize(32, 29) : CSize(30, 43),
                  CXTPDockingPaneContextStickerWnd::GetStickerSize(xtpStickerRight, second));

        // Points inside each arrow of a cross (relative to its top left).
        const int c = second ? 44 : 46;
        struct Arrow
        {
            int bit;
            POINT pt;
        };
        const Arrow arrows[] = {{xtpStickerTop, {c, 8}},
                                {xtpStickerLeft, {8, c}},
                                {xtpStickerBottom, {c, 2 * c - 8}},
                                {xtpStickerRight, {2 * c - 8, c}},
                                {xtpStickerCenter, {c, c}}};
        for (int missing : {0, int(xtpStickerLeft), int(xtpStickerCenter)})
        {
            SCOPED_TRACE(missing);
            CXTPDockingPaneContextStickerWnd sticker(nullptr, cross & ~missing, second);
            ASSERT_TRUE(sticker.Create(nullptr, CPoint(300, 300)));
            HRGN region = ::CreateRectRgn(0, 0, 0, 0);
            ASSERT_NE(ERROR, ::GetWindowRgn(sticker.m_hWnd, region));
            for (const Arrow& arrow : arrows)
            {
                bool present = arrow.bit != missing;
                EXPECT_EQ(present ? arrow.bit : 0, sticker.HitTest(CPoint(300 + arrow.pt.x, 300 + arrow.pt.y)))
                    << arrow.bit;
                // A missing arrow outside the background leaves a hole.
                if (arrow.bit == xtpStickerLeft)
                {
                    EXPECT_EQ(present, ::PtInRegion(region, arrow.pt.x, arrow.pt.y) != FALSE);
                }
            }
            EXPECT_EQ(0, sticker.HitTest(CPoint(302, 302))) << "a corner is outside";
            EXPECT_FALSE(::PtInRegion(region, 2, 2));
            ::DeleteObject(region);
            sticker.DestroyWindow();
        }

        // A single arrow is its whole tile but the cut corners: no black inside.
        for (int bit : {int(xtpStickerTop), int(xtpStickerLeft), int(xtpStickerBottom), int(xtpStickerRight)})
        {
            SCOPED_TRACE(bit);
            CXTPDockingPaneContextStickerWnd sticker(nullptr, bit, second);
            CSize size = CXTPDockingPaneContextStickerWnd::GetStickerSize(bit, second);
            HRGN region = sticker.CreateImageRegion();
            int missing = 0;
            for (int y = 0; y < size.cy; y++)
            {
                for (int x = 0; x < size.cx; x++)
                    missing += ::PtInRegion(region, x, y) ? 0 : 1;
            }
            ::DeleteObject(region);
            EXPECT_LE(missing, 4 * 3 + 2 * size.cy) << "only the corners (and a shared edge column) are left out";
            EXPECT_GT(missing, 0);
            ASSERT_TRUE(sticker.Create(nullptr, CPoint(200, 200)));
            EXPECT_EQ(bit, sticker.HitTest(CPoint(200 + size.cx / 2, 200 + size.cy / 2)));
            sticker.DestroyWindow();
        }
    }
}

TEST(DockingContext, StickersOverTheClientChooseASide)
{
    CWinApp app(L"DockingContextApp");
    // Every sticker look: the classic arrows in each system colour scheme
    // (blue also stands for no visual style), and the second style.
    struct
    {
        int theme;
        LPCWSTR scheme;
        LPCWSTR picture;
    } looks[] = {
        {0, nullptr, L"docking_stickers_classic.png"},
        {0, L"HomeStead", L"docking_stickers_classic_olive.png"},
        {0, L"Metallic", L"docking_stickers_classic_silver.png"},
        {9, nullptr, L"docking_stickers_second.png"},
    };
    std::vector<COLORREF> topArrows;
    for (const auto& look : looks)
    {
        const int theme = look.theme;
        SCOPED_TRACE(look.picture);
        std::unique_ptr<CForcedScheme> scheme(look.scheme ? new CForcedScheme(look.scheme) : nullptr);
        DockingSetup s(theme);
        s.frame->manager.m_bAlphaDockingContext = TRUE;
        s.frame->manager.m_bShowDockingContextStickers = TRUE;
        // Without floating nothing covers the stickers while no arrow is hit.
        s.right->SetOptions(xtpPaneNoFloatable);
        BOOL second = theme == 9;
        CSize crossSize = second ? CSize(89, 89) : CSize(93, 93);
        CPoint centre = s.Client().CenterPoint();
        CRect cross(CPoint(centre.x - crossSize.cx / 2, centre.y - crossSize.cy / 2), crossSize);
        POINT overLeftArrow = {cross.left + 8, cross.top + crossSize.cy / 2};
        int shots = 0;
        s.context->onMove = [&](CRecordingContext& context) {
            if (context.GetStickers().size() != 5 || context.GetStickers()[0]->GetHighlighted() || shots)
                return;
            shots++;
            // Painted at once: pumping here would take the drag's own input.
            s.frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            for (CXTPDockingPaneContextStickerWnd* sticker : context.GetStickers())
                sticker->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            HDC screen = ::GetDC(nullptr);
            CRect frameRect;
            s.frame->GetWindowRect(&frameRect);
            testshot::Image shot = testshot::CaptureDC(screen, frameRect);
            ::ReleaseDC(nullptr, screen);
            EXPECT_FALSE(testshot::Save(shot, look.picture).empty());
            // The cross shows its own picture; its cut corner shows the client behind.
            CXTPDockingPaneContextStickerWnd* sticker = context.GetStickers()[0];
            XTP_DOCKINGPANE_STICKER_PIXELS image = sticker->DrawImage(TRUE, sticker->GetMask(), 0);
            int x0 = cross.left - frameRect.left, y0 = cross.top - frameRect.top;
            for (POINT pt : {POINT{crossSize.cx / 2, 8}, POINT{8, crossSize.cy / 2}, POINT{crossSize.cx / 2, 30}})
                EXPECT_EQ(image.Pixel(pt.x, pt.y), shot.Pixel(x0 + pt.x, y0 + pt.y)) << pt.x << "," << pt.y;
            EXPECT_NE(image.Pixel(crossSize.cx / 2, 8), shot.Pixel(x0 + 1, y0 + 1));
            // The arrow's fill, just inside its outline, tells the looks apart.
            topArrows.push_back(shot.Pixel(x0 + crossSize.cx / 2 - 10, y0 + 4));
        };
        testinput::DragInLoop(s.frame->m_hWnd, s.Caption(s.right), {centre, overLeftArrow});
        EXPECT_EQ(1, shots);
        EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
        ASSERT_GE(s.context->steps.size(), 2u);

        const int crossMask = xtpStickerCross | xtpStickerLeft | xtpStickerRight | xtpStickerTop | xtpStickerBottom;
        const ContextStep& over = s.context->steps[s.context->steps.size() - 2];
        EXPECT_EQ((std::vector<int>{crossMask, xtpStickerTop, xtpStickerLeft, xtpStickerBottom, xtpStickerRight}),
                  over.masks)
            << "no centre over the client";
        EXPECT_EQ(nullptr, over.target);
        EXPECT_FALSE(over.previewVisible) << "nothing to show without a target or floating";
        EXPECT_EQ(cross, over.stickerRects[0]);
        CRect top = s.ScreenRect(s.frame->manager.GetLayout()->GetTopContainer());
        EXPECT_EQ(top.top + 16, over.stickerRects[1].top);
        EXPECT_EQ(top.left + 16, over.stickerRects[2].left);
        EXPECT_EQ(top.bottom - 16, over.stickerRects[3].bottom);
        EXPECT_EQ(top.right - 16, over.stickerRects[4].right);

        const ContextStep& hit = s.context->steps.back();
        EXPECT_EQ(s.frame->manager.GetLayout()->GetClientPane(), hit.target);
        EXPECT_EQ(xtpPaneDockLeft, hit.direction);
        EXPECT_EQ((std::vector<int>{xtpStickerLeft, 0, 0, 0, 0}), hit.highlighted);
        EXPECT_TRUE(hit.previewVisible);
        EXPECT_EQ(static_cast<DWORD>(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
                  hit.previewExStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
        EXPECT_EQ(100, hit.alpha);
        EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), hit.layeredFlags);

        EXPECT_EQ(xtpPaneDockLeft, s.frame->manager.GetPaneDirection(s.right));
        EXPECT_TRUE(s.context->GetStickers().empty()) << "stickers go with the drag";
        EXPECT_FALSE(::IsWindowVisible(s.context->GetPreviewWnd().m_hWnd));
    }
    ASSERT_EQ(4u, topArrows.size());
    for (size_t i = 0; i < topArrows.size(); i++)
    {
        for (size_t j = i + 1; j < topArrows.size(); j++)
            EXPECT_NE(topArrows[i], topArrows[j]) << looks[i].picture << " and " << looks[j].picture;
    }
}

TEST(DockingContext, TabPulledOutOfTheStripFloatsItsPane)
{
    CWinApp app(L"DockingContextApp");
    for (bool veto : {false, true})
    {
        SCOPED_TRACE(veto ? "action 16 vetoed" : "allowed");
        DockingSetup s;
        CXTPDockingPane* third = s.frame->manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockLeft);
        s.frame->manager.AttachPane(third, s.left);
        s.Layout();
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(s.left->GetContainer());
        ASSERT_EQ(2, container->GetItemCount());
        CRect tab = container->GetItem(1)->GetRect();
        ASSERT_FALSE(tab.IsRectEmpty());
        POINT from = testinput::ClientToScreenPoint(container->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
        if (veto)
            s.frame->vetoAction = xtpPaneActionDetaching;
        testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x, from.y - 40}, {900, 700}});
        EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
        EXPECT_EQ(nullptr, ::GetCapture());
        if (veto)
        {
            EXPECT_EQ(container, third->GetContainer());
            continue;
        }
        EXPECT_TRUE(IsFloating(third));
        EXPECT_EQ(container, s.left->GetContainer()) << "the other tab stays";
        EXPECT_EQ((std::vector<int>{xtpPaneActionDetaching, xtpPaneActionFloating, xtpPaneActionFloated}),
                  std::vector<int>(s.frame->actions.end() - 3, s.frame->actions.end()));
    }
}

TEST(DockingContext, FloatingFrameCaptionDragMovesAndDocksTheFrame)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s;
    auto* miniWnd = dynamic_cast<CProbeMiniWnd*>(
        s.frame->manager.FloatPane(s.right->GetContainer(), CRect(700, 200, 900, 400)));
    ASSERT_NE(nullptr, miniWnd);
    s.frame->manager.GetLayout()->RemoveUnusedNodes();
    s.Layout();
    ASSERT_TRUE(::IsWindowVisible(miniWnd->m_hWnd));
    CRect before;
    miniWnd->GetWindowRect(&before);
    POINT caption = {before.left + 40, before.top + 6};
    ASSERT_EQ(HTCAPTION, ::SendMessageW(miniWnd->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));

    testinput::DragInLoop(s.frame->m_hWnd, caption, {{caption.x - 50, caption.y + 20}, {caption.x - 100, caption.y + 50}});
    CRect after;
    miniWnd->GetWindowRect(&after);
    EXPECT_EQ(before.left - 100, after.left);
    EXPECT_EQ(before.top + 50, after.top);
    EXPECT_TRUE(IsFloating(s.right));
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));

    // Docked whole: the frame goes once the drag's handler is left.
    caption = {after.left + 40, after.top + 6};
    testinput::DragInLoop(s.frame->m_hWnd, caption, {{caption.x - 50, caption.y}, {s.Client().left + 10, s.Client().CenterPoint().y}});
    testpump::PumpUntilIdle();
    EXPECT_FALSE(IsFloating(s.right));
    EXPECT_EQ(xtpPaneDockLeft, s.frame->manager.GetPaneDirection(s.right));
    const std::vector<CXTPDockingPaneBase*>& nodes = s.frame->manager.GetLayout()->m_arrNodes;
    EXPECT_EQ(nodes.end(), std::find(nodes.begin(), nodes.end(), static_cast<CXTPDockingPaneBase*>(miniWnd)));
    EXPECT_FALSE(g_frameDeletedInItsHandler);
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
}

TEST(DockingContext, SlideOutEdgeDragStaysWithinItsLimits)
{
    CWinApp app(L"DockingContextApp");
    for (BOOL tracker : {TRUE, FALSE})
    {
        SCOPED_TRACE(tracker ? "outline" : "live");
        DockingSetup s;
        s.frame->manager.m_bUseSplitterTracker = tracker;
        BOOL closeOnLeave = CXTPDockingPaneAutoHideWnd::m_bCloseOnLeave;
        CXTPDockingPaneAutoHideWnd::m_bCloseOnLeave = FALSE;
        s.frame->manager.HidePane(s.left->GetContainer());
        s.Layout();
        auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(s.frame->manager.GetLayout()->m_wndPanels[xtpPaneDockLeft]);
        ASSERT_NE(nullptr, panel);
        CRect tab = panel->GetTabManagers()[0]->GetItem(0)->GetRect();
        ::SendMessageW(panel->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
        CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
        ASSERT_NE(nullptr, slide);
        for (int i = 0; i < slide->GetStepCount(); i++)
            ::SendMessageW(slide->m_hWnd, WM_TIMER, CXTPDockingPaneAutoHideWnd::timerSlideOut, 0);

        CRect area = s.frame->manager.GetLayout()->GetTopContainer()->GetPaneWindowRect();
        const int e = 22 + 4;
        struct Case
        {
            const char* name;
            int dx;        // pointer move from the edge; 0 for an absolute point
            int farX;      // site client x when dx is 0
            int expectedRight;
        };
        CRect start;
        slide->GetWindowRect(&start);
        s.frame->ScreenToClient(&start);
        const Case cases[] = {
            {"50 px wider", 50, 0, start.right + 50},
            {"beyond the far edge", 0, area.right + 100, area.right - e},
            {"beyond the panel's side", 0, area.left - 100, area.left + e},
        };
        for (const Case& c : cases)
        {
            SCOPED_TRACE(c.name);
            CRect rc;
            slide->GetWindowRect(&rc);
            POINT from = {rc.right - 2, rc.CenterPoint().y};
            POINT siteOrigin = {0, 0};
            ::ClientToScreen(s.frame->m_hWnd, &siteOrigin);
            POINT to = c.dx ? POINT{from.x + c.dx, from.y} : POINT{siteOrigin.x + c.farX, from.y};
            testinput::DragInLoop(s.frame->m_hWnd, from, {{(from.x + to.x) / 2, from.y}, to});
            ASSERT_EQ(slide, panel->m_pActiveWnd);
            slide->GetWindowRect(&rc);
            s.frame->ScreenToClient(&rc);
            EXPECT_EQ(c.expectedRight, rc.right);
            EXPECT_EQ(rc.Width() - 4, s.left->GetDockingSize().cx) << "opens again at this size";
            EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
        }
        CXTPDockingPaneAutoHideWnd::m_bCloseOnLeave = closeOnLeave;
    }
}

namespace {

// Data that offers nothing: the panel only looks where it is dragged.
class CEmptyDataObject : public IDataObject
{
public:
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDataObject)
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetData)(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHOD(GetDataHere)(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHOD(QueryGetData)(FORMATETC*) override { return DV_E_FORMATETC; }
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHOD(SetData)(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(EnumFormatEtc)(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHOD(DAdvise)(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHOD(DUnadvise)(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }
};

} // namespace

TEST(DockingContext, OleDragOverAPanelTabSlidesItsPaneOut)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s;
    CXTPDockingPane* third = s.frame->manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    s.frame->manager.AttachPane(third, s.left);
    s.frame->manager.HidePane(s.left->GetContainer());
    s.Layout();
    auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(s.frame->manager.GetLayout()->m_wndPanels[xtpPaneDockLeft]);
    ASSERT_NE(nullptr, panel);
    IDropTarget* target = panel->m_dropTarget.GetInterface();
    ASSERT_EQ(panel->m_hWnd, panel->m_dropTarget.GetRegisteredWindow());
    auto over = [&](int item) {
        CRect tab = panel->GetTabManagers()[0]->GetItem(item)->GetRect();
        POINT pt = testinput::ClientToScreenPoint(panel->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
        return POINTL{pt.x, pt.y};
    };
    CEmptyDataObject data;
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(S_OK, target->DragEnter(&data, 0, over(1), &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect) << "the panel takes nothing itself";
    CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
    ASSERT_NE(nullptr, slide);
    EXPECT_EQ(third, slide->GetContainer()->GetSelected());

    effect = DROPEFFECT_COPY;
    HWND hThirdSlide = slide->m_hWnd;
    target->DragOver(0, over(0), &effect);
    // The other pane slides out at its own size, in a window of its own.
    slide = panel->m_pActiveWnd;
    ASSERT_NE(nullptr, slide);
    EXPECT_NE(hThirdSlide, slide->m_hWnd);
    EXPECT_EQ(s.left, slide->GetContainer()->GetSelected());
    CRect strip;
    panel->GetWindowRect(&strip);
    target->DragOver(0, POINTL{strip.left + 2, strip.bottom - 3}, &effect);
    EXPECT_EQ(s.left, slide->GetContainer()->GetSelected()) << "off the tabs nothing changes";
    target->DragLeave();
}

TEST(DockingContext, LiveFloatingDragFloatsAtOnceAndMovesTheFrame)
{
    CWinApp app(L"DockingContextApp");
    DockingSetup s;
    s.frame->manager.m_bLiveFloatingDrag = TRUE;
    POINT from = s.Caption(s.right);
    bool floatingWhileDragging = false;
    s.context->onMove = [&](CRecordingContext&) { floatingWhileDragging = floatingWhileDragging || IsFloating(s.right); };
    testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 200, from.y + 300}, {from.x + 250, from.y + 350}});
    EXPECT_TRUE(floatingWhileDragging) << "floated before the release";
    ASSERT_TRUE(IsFloating(s.right));
    CXTPDockingPaneBase* up = s.right->GetContainer();
    while (up && up->GetType() != xtpPaneTypeMiniWnd)
        up = up->GetContainer();
    auto* miniWnd = static_cast<CXTPDockingPaneMiniWnd*>(up);
    ASSERT_TRUE(miniWnd && miniWnd->m_hWnd);
    CRect rc;
    miniWnd->GetWindowRect(&rc);
    EXPECT_EQ(s.context->steps.back().floatRect.TopLeft(), rc.TopLeft()) << "the frame followed the last move";
    EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionFloated, xtpPaneActionFloated}), s.frame->actions);
    EXPECT_TRUE(DesktopUnlocked(s.frame->m_hWnd));
}
