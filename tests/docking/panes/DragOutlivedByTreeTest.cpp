// Drags and presses whose modal loop handles a message that rebuilds the
// docking tree (a layout loaded, the frame destroyed) while a splitter bar,
// a slide-out's edge, a group's caption or a caption button is held: the
// loop ends without a trace on the new tree, and the program goes on.
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <new>
#include "DockingTestFrame.h"
#include "LayoutTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "support/AutoHideInput.h"
#include "support/FetchHook.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadHook.h"
#include "resources/ToolkitDockingIds.h"
#include "toolkit/docking/XTPDockingPaneCaptionButton.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"

namespace {

struct CFrameScope
{
    CFrameScope() : frame(CDockingTestFrame::New()), hFrame(frame->m_hWnd)
    {
        app.m_pMainWnd = frame;
        ::SetForegroundWindow(hFrame);
        testpump::PumpUntilIdle();
    }
    ~CFrameScope()
    {
        DestroyFrame();
        testpump::PumpUntilIdle();
    }
    void DestroyFrame()
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hFrame))
            ::DestroyWindow(hFrame);
    }
    CWinApp app{L"DragOutlivedByTreeApp"};
    CDockingTestFrame* frame;
    HWND hFrame;
};

// Blocks of a deleted object's size, filled with a pattern right after the
// deletion: the heap hands the freed memory out again, so a later write
// through a stale pointer shows in one of them (or a stale pointer read
// from them fails at once).
class CScribbledBlocks
{
public:
    ~CScribbledBlocks()
    {
        for (unsigned char* block : m_blocks)
            ::operator delete(block);
    }
    void Fill(size_t size)
    {
        m_size = size;
        for (int i = 0; i < 32; i++)
        {
            auto* block = static_cast<unsigned char*>(::operator new(size));
            std::memset(block, kPattern, size);
            m_blocks.push_back(block);
        }
    }
    bool IsFilled() const { return !m_blocks.empty(); }
    bool Intact() const
    {
        for (unsigned char* block : m_blocks)
            for (size_t i = 0; i < m_size; i++)
                if (block[i] != kPattern)
                    return false;
        return true;
    }

private:
    static constexpr unsigned char kPattern = 0xA5;
    std::vector<unsigned char*> m_blocks;
    size_t m_size = 0;
};

// Fills freed memory once the watched window's object has deleted itself at
// its last message.
class CDeletionScribbler
{
public:
    CDeletionScribbler(HWND watched, size_t size)
        : m_watched(watched)
        , m_size(size)
    {
        s_pScribbler = this;
        m_hHook = testhook::Set(WH_CALLWNDPROCRET, Proc);
    }
    ~CDeletionScribbler()
    {
        testhook::Remove(m_hHook);
        s_pScribbler = nullptr;
    }
    const CScribbledBlocks& Blocks() const { return m_blocks; }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        auto* ret = reinterpret_cast<CWPRETSTRUCT*>(lParam);
        CDeletionScribbler* scribbler = s_pScribbler;
        if (code == HC_ACTION && scribbler && ret->hwnd == scribbler->m_watched && ret->message == WM_NCDESTROY &&
            !scribbler->m_blocks.IsFilled())
            scribbler->m_blocks.Fill(scribbler->m_size);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static CDeletionScribbler* s_pScribbler;
    HHOOK m_hHook = nullptr;
    HWND m_watched;
    size_t m_size;
    CScribbledBlocks m_blocks;
};

CDeletionScribbler* CDeletionScribbler::s_pScribbler = nullptr;

CXTPDockingPaneSplitterWnd* OnlyBar(CDockingTestFrame* frame)
{
    CXTPDockingPaneSplitterContainer* top = frame->manager.GetLayout()->GetTopContainer();
    return top->m_lstSpliters.size() == 1 ? top->m_lstSpliters[0] : nullptr;
}

POINT BarMiddle(CXTPDockingPaneSplitterWnd* bar)
{
    CRect rc;
    bar->GetWindowRect(rc);
    return rc.CenterPoint();
}

int LeftGroupWidth(CDockingTestFrame* frame)
{
    return frame->manager.FindPane(1)->GetContainer()->GetPaneWindowRect().Width();
}

// The layout as saved before a drag, to be loaded while the drag runs.
struct CSavedLayout
{
    CXTPDockingPaneLayout* layout;
    std::vector<BYTE> bytes = layouttest::SaveToBytes(layout);
    std::wstring tree = layouttest::Describe(layout);

    bool Load() const { return layouttest::LoadFromBytes(layout, bytes) != FALSE; }
    std::wstring Now() const { return layouttest::Describe(layout); }
};

// The drag ended without writing to the object deleted during it, and let
// the mouse go.
void ExpectDeletedUntouched(const CScribbledBlocks& freed)
{
    ASSERT_TRUE(freed.IsFilled()) << "deleted during the drag";
    EXPECT_TRUE(freed.Intact()) << "the deleted object was written to";
    EXPECT_EQ(nullptr, ::GetCapture());
}

} // namespace

// The bar between a left group and the client is held and moved; the
// layout saved before is loaded while the drag runs: in outline mode
// during the fetch of the release, in live mode during the fetch of a move.
// The loaded sizes stay, and the new tree's bar drags as usual afterwards.
TEST(DockingDragOutlivedByTree, SplitterBarDragEndsWhenALayoutIsLoadedMeanwhile)
{
    for (BOOL outline : {TRUE, FALSE})
    {
        SCOPED_TRACE(outline ? "outline" : "live");
        CFrameScope s;
        s.frame->manager.m_bUseSplitterTracker = outline;
        s.frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
        s.frame->RecalcLayout();
        ASSERT_EQ(150, LeftGroupWidth(s.frame));
        const CSavedLayout saved{s.frame->manager.GetLayout()};
        CXTPDockingPaneSplitterWnd* bar = OnlyBar(s.frame);
        ASSERT_NE(nullptr, bar);
        HWND hOldBar = bar->m_hWnd;

        CScribbledBlocks freed;
        CFetchHook hook(outline ? WM_LBUTTONUP : WM_MOUSEMOVE, hOldBar, [&] {
            ASSERT_TRUE(saved.Load());
            freed.Fill(sizeof(CXTPDockingPaneSplitterWnd));
        });
        POINT from = BarMiddle(bar);
        ASSERT_TRUE(testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 30, from.y}, {from.x + 60, from.y}}));
        ASSERT_TRUE(hook.Fired());
        EXPECT_FALSE(::IsWindow(hOldBar));
        ExpectDeletedUntouched(freed);

        s.frame->RecalcLayout();
        EXPECT_EQ(saved.tree, saved.Now()) << "the loaded sizes, not the drag's";

        // The new bar drags as usual (the split follows the bar's place in
        // its range, not the pixels moved).
        CXTPDockingPaneSplitterWnd* newBar = OnlyBar(s.frame);
        ASSERT_NE(nullptr, newBar);
        from = BarMiddle(newBar);
        ASSERT_TRUE(testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 20, from.y}, {from.x + 40, from.y}}));
        s.frame->RecalcLayout();
        EXPECT_GT(LeftGroupWidth(s.frame), 160);
        EXPECT_LT(LeftGroupWidth(s.frame), 200);
    }
}

// A slid-out group's edge is held in outline mode while a timer loads the
// layout saved before: the slide-out window closes and deletes itself during
// the drag. It is not written to afterwards; the loaded group keeps its
// width and slides out again at it.
TEST(DockingDragOutlivedByTree, SlideOutEdgeDragEndsWhenALayoutIsLoadedMeanwhile)
{
    CFrameScope s;
    s.frame->manager.m_bUseSplitterTracker = TRUE;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    ASSERT_NE(nullptr, panel);
    const CSavedLayout saved{s.frame->manager.GetLayout()};
    CXTPDockingPaneAutoHideWnd* slide = autohideinput::SlideOutByClick(s.app, panel, 0, 0);
    ASSERT_NE(nullptr, slide);
    HWND hSlide = slide->m_hWnd;
    CRect rc;
    slide->GetWindowRect(rc);
    ASSERT_EQ(164, rc.Width());

    CDeletionScribbler scribbler(hSlide, sizeof(CXTPDockingPaneAutoHideWnd));
    POINT from = {rc.right - 2, rc.CenterPoint().y};
    bool loaded = false;
    ASSERT_TRUE(testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 20, from.y}, {from.x + 40, from.y}},
                                      [&](std::size_t i) {
                                          if (i == 0)
                                              loaded = saved.Load();
                                      }));
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(::IsWindow(hSlide));
    ExpectDeletedUntouched(scribbler.Blocks());

    s.frame->RecalcLayout();
    EXPECT_EQ(saved.tree, saved.Now()) << "the loaded sizes, not the drag's";
    auto* newPanel = static_cast<CXTPDockingPaneAutoHidePanel*>(saved.layout->m_wndPanels[xtpPaneDockLeft]);
    ASSERT_NE(nullptr, newPanel);
    EXPECT_EQ(nullptr, newPanel->m_pActiveWnd);
    CXTPDockingPaneAutoHideWnd* again = autohideinput::SlideOutByClick(s.app, newPanel, 0, 0);
    ASSERT_NE(nullptr, again);
    again->GetWindowRect(rc);
    EXPECT_EQ(164, rc.Width());
}

// A slid-out group's edge is dragged live, and the frame is destroyed while
// a move is fetched (its window closed at another thread's request): the
// slide-out goes with it and the move reaching the drag touches nothing.
TEST(DockingDragOutlivedByTree, LiveSlideOutEdgeDragEndsWhenTheFrameIsDestroyedMeanwhile)
{
    CFrameScope s;
    s.frame->manager.m_bUseSplitterTracker = FALSE;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    ASSERT_NE(nullptr, panel);
    CXTPDockingPaneAutoHideWnd* slide = autohideinput::SlideOutByClick(s.app, panel, 0, 0);
    ASSERT_NE(nullptr, slide);
    HWND hSlide = slide->m_hWnd;
    CRect rc;
    slide->GetWindowRect(rc);

    CDeletionScribbler scribbler(hSlide, sizeof(CXTPDockingPaneAutoHideWnd));
    CFetchHook hook(WM_MOUSEMOVE, hSlide, [&] { s.DestroyFrame(); });
    POINT from = {rc.right - 2, rc.CenterPoint().y};
    testinput::DragInLoop(s.hFrame, from, {{from.x + 20, from.y}, {from.x + 40, from.y}});
    ASSERT_TRUE(hook.Fired()) << "no move reached the edge drag";
    EXPECT_FALSE(::IsWindow(hSlide));
    ExpectDeletedUntouched(scribbler.Blocks());
}

// A docked group is dragged by its caption towards free space while a timer
// loads the layout saved before, deleting the group: the drag ends without a
// drop, the loaded layout stays as loaded, and the new group floats by the
// next drag.
TEST(DockingDragOutlivedByTree, PaneDragEndsWhenALayoutIsLoadedMeanwhile)
{
    CFrameScope s;
    s.frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    s.frame->RecalcLayout();
    const CSavedLayout saved{s.frame->manager.GetLayout()};
    auto caption = [&] {
        CRect rc;
        auto* group = static_cast<CXTPDockingPaneTabbedContainer*>(s.frame->manager.FindPane(1)->GetContainer());
        ::GetWindowRect(group->m_hWnd, rc);
        return POINT{rc.left + 20, rc.top + 6};
    };
    auto floating = [&] {
        for (CXTPDockingPaneBase* up = s.frame->manager.FindPane(1)->GetContainer(); up; up = up->GetContainer())
            if (up->GetType() == xtpPaneTypeMiniWnd)
                return true;
        return false;
    };

    CScribbledBlocks freed;
    auto dragAway = [&](std::function<void(std::size_t)> onMove) {
        POINT from = caption();
        return testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 8, from.y}, {900, 700}}, onMove);
    };
    ASSERT_TRUE(dragAway([&](std::size_t i) {
        if (i != 0)
            return;
        ASSERT_TRUE(saved.Load());
        freed.Fill(sizeof(CXTPDockingPaneTabbedContainer));
    }));
    ExpectDeletedUntouched(freed);
    s.frame->RecalcLayout();
    EXPECT_EQ(saved.tree, saved.Now()) << "nothing dropped";
    EXPECT_FALSE(floating());

    ASSERT_TRUE(dragAway(nullptr));
    EXPECT_TRUE(floating());
}

// A caption button held down on its window; while the next move is fetched
// the window is destroyed and the button deleted (its node went with a
// loaded layout). The press ends without touching the button: its memory,
// filled at the deletion, stays as filled.
TEST(DockingDragOutlivedByTree, CaptionButtonPressEndsWhenItsWindowGoesWhileAMoveIsFetched)
{
    HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    // The button lives in memory of the test's own, so that its deletion
    // can be followed by a fill the heap cannot move elsewhere.
    alignas(CXTPDockingPaneCaptionButton) unsigned char memory[sizeof(CXTPDockingPaneCaptionButton)];
    auto* button = new (memory) CXTPDockingPaneCaptionButton(XTP_IDS_DOCKINGPANE_CLOSE, nullptr);
    button->SetRect(CRect(0, 0, 20, 20));
    testpump::PumpUntilIdle();

    CFetchHook hook(WM_MOUSEMOVE, hWnd, [&] {
        ::DestroyWindow(hWnd);
        button->~CXTPDockingPaneCaptionButton();
        std::memset(memory, 0xA5, sizeof(memory));
    });
    ASSERT_TRUE(testinput::MoveMouseAndWait({105, 105}));
    testinput::MoveMouseTo({111, 110});
    EXPECT_FALSE(button->Track(hWnd));
    ASSERT_TRUE(hook.Fired());
    EXPECT_FALSE(::IsWindow(hWnd));
    for (unsigned char byte : memory)
        ASSERT_EQ(0xA5, byte) << "the deleted button was written to";
    EXPECT_EQ(nullptr, ::GetCapture());
}
