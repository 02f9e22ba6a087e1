// A floating frame's life beyond its caption: the idle pass after a tree is
// attached, its system menu and title, the collapsible mode handed on to a
// frame floated out of it and resumed after loading, right-to-left sites.
#include <gtest/gtest.h>
#include <memory>
#include "DockingTestFrame.h"
#include "LayoutTestSupport.h"
#include "support/SecondProcess.h"
#include "FloatingFrameTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitDockingIds.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

using namespace floatingframe;

namespace {

CString MenuText(HMENU menu, UINT command)
{
    wchar_t text[64] = L"";
    ::GetMenuStringW(menu, command, text, 64, MF_BYCOMMAND);
    return text;
}

} // namespace

TEST(FloatingFrameState, FirstIdlePassLaysTheTreeOutAndFollowsTheFocus)
{
    FloatingSetup s(TRUE);
    ASSERT_TRUE(::IsWindow(s.hFloating));
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, s.hFloating, WM_IDLEUPDATECMDUI, WM_IDLEUPDATECMDUI, PM_NOREMOVE))
        << "the idle pass is asked for";
    EXPECT_TRUE(s.floating->IsFirstIdlePending());

    // Whatever moved the tree meanwhile, the first idle pass lays it out.
    HWND container = static_cast<CXTPDockingPaneTabbedContainer*>(s.pane->GetContainer())->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(container));
    ::MoveWindow(container, 0, 0, 3, 3, FALSE);
    ::SendMessageW(s.hFloating, WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(s.floating->IsFirstIdlePending());
    CRect rcClient, rcContainer;
    ::GetClientRect(s.hFloating, &rcClient);
    ::GetClientRect(container, &rcContainer);
    EXPECT_EQ(rcClient.Size(), rcContainer.Size());

    // The active flag follows the focus: at once when the focus comes in with
    // the frame's activation, else at each idle pass; the caption with it.
    int shots = 0;
    auto captionPixel = [&] {
        testshot::Image shot = RedrawAndShoot(s.hFloating, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        testshot::Save(shot, L"docking_floating_focus_" + std::to_wstring(shots++) + L".png");
        return shot.Pixel(140, 3 + 1 + 2);
    };
    COLORREF inactive = captionPixel();
    ::SetFocus(s.pane->GetHwnd());
    EXPECT_TRUE(s.floating->IsActive()) << "the activation that brought the focus in";
    ::SendMessageW(s.hFloating, WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(s.floating->IsActive());
    EXPECT_NE(inactive, captionPixel()) << "an active caption";
    ::SetFocus(nullptr);
    ::SendMessageW(s.hFloating, WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(s.floating->IsActive());
    EXPECT_EQ(inactive, captionPixel());
}

TEST(FloatingFrameState, SystemMenuHidesAndTitleFollowsTheTree)
{
    FloatingSetup s(FALSE);
    ASSERT_TRUE(::IsWindow(s.hFloating));
    HMENU menu = ::GetSystemMenu(s.hFloating, FALSE);
    ASSERT_NE(nullptr, menu);
    for (UINT command : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        EXPECT_EQ(static_cast<UINT>(-1), ::GetMenuState(menu, command, MF_BYCOMMAND)) << command;
    EXPECT_EQ(CString(L"&Hide"), MenuText(menu, SC_CLOSE));
    int count = ::GetMenuItemCount(menu);
    EXPECT_EQ(SC_CLOSE, static_cast<int>(::GetMenuItemID(menu, count - 1))) << "appended last";
    EXPECT_FALSE(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);

    wchar_t title[64] = L"";
    ::GetWindowTextW(s.hFloating, title, 64);
    EXPECT_STREQ(L"Verfügbare Tickets", title) << "one container: its selected pane";

    s.frame->manager.m_strFloatingCaption = L"Ticketfenster";
    CXTPDockingPane* second = s.AddBelow(32);
    ASSERT_EQ(s.floating, FrameOf(second));
    s.frame->manager.UpdateFloatingFrames();
    ::GetWindowTextW(s.hFloating, title, 64);
    EXPECT_STREQ(L"Ticketfenster", title) << "two containers: the manager's floating caption";

    // Close is offered exactly while some pane can be closed.
    s.pane->SetOptions(xtpPaneNoCloseable);
    s.frame->manager.UpdateFloatingFrames();
    EXPECT_FALSE(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED) << "the second still closes";
    second->SetOptions(xtpPaneNoCloseable);
    s.frame->manager.UpdateFloatingFrames();
    EXPECT_TRUE(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(FloatingFrameState, AContainerFloatedOutOfACollapsibleFrameIsCollapsible)
{
    for (BOOL sourceCollapsible : {FALSE, TRUE})
    {
        SCOPED_TRACE(sourceCollapsible);
        FloatingSetup s(TRUE);
        ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
        CXTPDockingPane* second = s.AddBelow(32);
        ASSERT_EQ(s.floating, FrameOf(second));
        if (sourceCollapsible)
            s.floating->SetCollapsible(TRUE);
        s.frame->manager.FloatPane(second->GetContainer(), CRect(100, 120, 260, 220));
        CXTPDockingPaneMiniWnd* out = FrameOf(second);
        ASSERT_NE(s.floating, out);
        ASSERT_TRUE(out->GetSafeHwnd());
        EXPECT_EQ(sourceCollapsible, out->IsCollapsible());
        if (!sourceCollapsible)
            continue;
        EXPECT_EQ(100 + s.caption, out->m_nExpandedHeight);
        EXPECT_EQ(8, out->GetCollapseStep()) << "unfolded";
        // It counts down like any collapsible frame.
        Ticks(out->m_hWnd, 1, 6);
        Tick(out->m_hWnd, 3);
        EXPECT_EQ(100 * 7 / 8, WindowRectOf(out->m_hWnd).Height());
    }
}

TEST(FloatingFrameState, ALoadedFoldedFrameResumesOnlyWhereItCan)
{
    // The plain fold across processes is FoldedLayoutCrossesProcesses.
    struct
    {
        const char* what;
        BOOL ownCaptionWhenLoaded;
        int storedFullHeight; // 0: as saved (180)
        BOOL collapsibleAfter;
        int stepAfter;
        int heightAfter; // 0: caption + 8
    } cases[] = {
        {"loaded without own caption: whole", FALSE, 0, FALSE, 8, 180},
        {"a full height beyond any window: unfolded where it is", TRUE, 100000, TRUE, 8, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::vector<BYTE> bytes;
        int caption = 0;
        {
            FloatingSetup s(TRUE);
            ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
            s.floating->SetCollapsible(TRUE);
            Ticks(s.hFloating, 1, 6);
            Ticks(s.hFloating, 3, 8);
            if (c.storedFullHeight)
                s.floating->m_nExpandedHeight = c.storedFullHeight;
            caption = s.caption;
            bytes = layouttest::SaveToBytes(s.frame->manager.GetLayout());
        }
        CWinApp app(L"FloatingStateLoadApp");
        CDockingTestFrame* frame = CDockingTestFrame::New();
        frame->manager.SetFloatingFrameCaption(c.ownCaptionWhenLoaded);
        ASSERT_TRUE(layouttest::LoadFromBytes(frame->manager.GetLayout(), bytes));
        frame->manager.UpdateFloatingFrames();
        CXTPDockingPaneMiniWnd* loaded = OnlyFrameOf(frame->manager.GetLayout());
        ASSERT_TRUE(loaded && loaded->GetSafeHwnd());
        EXPECT_EQ(c.collapsibleAfter, loaded->IsCollapsible());
        EXPECT_EQ(c.stepAfter, loaded->GetCollapseStep());
        EXPECT_EQ(c.heightAfter ? c.heightAfter : caption + 8, WindowRectOf(loaded->m_hWnd).Height());
        frame->DestroyWindow();
    }
}

TEST(FloatingFrameState, RightToLeftSiteMirrorsTheFrameAndItsButtons)
{
    FloatingSetup s(TRUE, 0, WS_EX_LAYOUTRTL);
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    EXPECT_TRUE(::GetWindowLongW(s.hFloating, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    testshot::Image shot = RedrawAndShoot(s.hFloating);
    CRect rc = WindowRectOf(s.hFloating);
    EXPECT_FALSE(testshot::Save(shot, L"docking_floating_own_caption_rtl.png").empty());

    // The close button is drawn at the left end; pointing there finds it.
    CXTPDockingPaneCaptionButton* close = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_CLOSE);
    ASSERT_TRUE(close->IsVisible());
    CRect button = close->GetRect();
    CPoint glyph(rc.Width() - 1 - button.CenterPoint().x, button.CenterPoint().y);
    EXPECT_LT(glyph.x, 70) << "mirrored to the left end";
    int middle = 3 + 1 + s.caption / 2;
    EXPECT_NE(shot.Pixel(rc.Width() / 2, middle), shot.Pixel(glyph.x, glyph.y)) << "the close glyph";
    ::SendMessageW(s.hFloating, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(rc.left + glyph.x, rc.top + glyph.y));
    EXPECT_TRUE(close->IsHot());

    CPoint client(rc.left + glyph.x, rc.top + glyph.y);
    ::ScreenToClient(s.hFloating, &client);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(XTP_IDS_DOCKINGPANE_CLOSE, s.floating->OnToolHitTest(client, &ti));
    EXPECT_TRUE(::PtInRect(&ti.rect, client));
}

namespace {

const wchar_t kFoldedLayoutVariable[] = L"TAVROLIN_DOCKING_FOLDED_LAYOUT_FILE";

// The tree and, for the one floating frame, its folding as it is on screen.
std::wstring DescribeWithFolding(CXTPDockingPaneLayout* layout)
{
    CXTPDockingPaneMiniWnd* frame = OnlyFrameOf(layout);
    wchar_t folding[96] = L"";
    if (frame && frame->GetSafeHwnd())
    {
        swprintf(folding, 96, L" collapsible %d step %d height %ld of %d", frame->IsCollapsible(),
                 frame->GetCollapseStep(), WindowRectOf(frame->m_hWnd).Height(), frame->m_nExpandedHeight);
    }
    return layouttest::Describe(layout) + folding;
}

} // namespace

// Run by the test below in a second process: loads what the first saved
// into a site of its own, with windows.
TEST(FloatingFrameState, SecondProcessLoadsTheFoldedLayout)
{
    wchar_t path[MAX_PATH] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kFoldedLayoutVariable, path, MAX_PATH))
        << "runs as the second process of FoldedLayoutCrossesProcesses";
    std::vector<BYTE> saved = layouttest::ReadFileBytes(path);
    std::vector<BYTE> text = layouttest::ReadFileBytes(std::wstring(path) + L".txt");
    ASSERT_FALSE(saved.empty());
    const std::wstring expected(reinterpret_cast<const wchar_t*>(text.data()), text.size() / sizeof(wchar_t));

    CWinApp app(L"FloatingStateChildApp");
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    CDockingTestFrame* frame = CDockingTestFrame::New();
    frame->manager.SetFloatingFrameCaption(TRUE);
    ASSERT_TRUE(layouttest::LoadFromBytes(frame->manager.GetLayout(), saved));
    frame->manager.UpdateFloatingFrames();
    frame->RecalcLayout();
    EXPECT_EQ(expected, DescribeWithFolding(frame->manager.GetLayout()));
    auto* panel = frame->manager.GetLayout()->m_wndPanels[xtpPaneDockLeft];
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(::IsWindowVisible(static_cast<CXTPDockingPaneAutoHidePanel*>(panel)->m_hWnd));
    EXPECT_EQ(saved, layouttest::SaveToBytes(frame->manager.GetLayout())) << "saved again, the same bytes";
    frame->DestroyWindow();
}

TEST(FloatingFrameState, FoldedLayoutCrossesProcesses)
{
    FloatingSetup s(TRUE);
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    CXTPDockingPane* first = s.frame->manager.CreatePane(41, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = s.frame->manager.CreatePane(42, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    s.frame->manager.AttachPane(second, first);
    s.frame->RecalcLayout();
    s.frame->manager.HidePane(first->GetContainer());
    s.frame->RecalcLayout();
    s.floating->SetCollapsible(TRUE);
    Ticks(s.hFloating, 1, 6);
    Ticks(s.hFloating, 3, 8);
    ASSERT_EQ(s.caption + 8, WindowRectOf(s.hFloating).Height());
    // Saving drops unused nodes first: the text is taken after it.
    std::vector<BYTE> bytes = layouttest::SaveToBytes(s.frame->manager.GetLayout());
    const std::wstring expected = DescribeWithFolding(s.frame->manager.GetLayout());
    ASSERT_NE(std::wstring::npos, expected.find(L"P0<T[41 42* ")) << expected;
    ASSERT_NE(std::wstring::npos, expected.find(L"collapsible 1 step 0")) << expected;

    wchar_t folder[MAX_PATH], path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"dcf", 0, path);
    layouttest::WriteFileBytes(path, bytes.data(), bytes.size());
    layouttest::WriteFileBytes(std::wstring(path) + L".txt", expected.data(), expected.size() * sizeof(wchar_t));
    const DWORD code = testprocess::RunTestInChild(L"FloatingFrameState.SecondProcessLoadsTheFoldedLayout",
                                                   kFoldedLayoutVariable, path);
    ::DeleteFileW(path);
    ::DeleteFileW((std::wstring(path) + L".txt").c_str());
    EXPECT_EQ(0u, code) << "the second process found the same tree, folded alike";
}
