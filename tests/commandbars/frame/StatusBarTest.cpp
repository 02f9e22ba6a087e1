// The status bar: panes from indicators, the message pane as the window's
// text, updates that wait for the next paint, disabled panes, the least
// height, its place in the frame, the key indicators at idle, and a picture.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include "FrameTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "resources/FrameworkIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "framework/controls/CButton.h"
#include "framework/controls/CEdit.h"
#include "framework/controls/CStatic.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"

namespace {

const UINT kIndicators[] = {0, 28301, 28302, 28303};

class StatusBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CTestFrame();
        // The program's order: the status bar before the command bars.
        ASSERT_TRUE(frame->CreateFrame(640, 300, FALSE));
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP, AFX_IDW_STATUS_BAR));
        ASSERT_TRUE(frame->CreateCommandBars());
        bar.SetCommandBars(frame->GetCommandBars());
        ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
        frame->Layout();
    }
    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CTestFrame* frame = nullptr;
    CXTPStatusBar bar;
};

}  // namespace

TEST_F(StatusBarTest, IndicatorsShareTheWidth)
{
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    CRect rcMessage, rcPrev;
    bar.GetItemRect(0, &rcMessage);
    EXPECT_EQ(bar.GetPaneStyle(0), SBPS_NOBORDERS | SBPS_STRETCH);
    rcPrev = rcMessage;
    int total = rcMessage.Width();
    for (int i = 1; i < 4; i++) {
        CRect rc;
        bar.GetItemRect(i, &rc);
        if (i < 3) {
            EXPECT_EQ(rc.Width(), bar.GetPane(i)->m_cxText + 6) << i;
        }
        EXPECT_GT(rc.left, rcPrev.right - 1) << i;
        total += rc.Width();
        rcPrev = rc;
    }
    EXPECT_GT(rcMessage.Width(), rcClient.Width() / 2) << "the message pane takes what is left";
    EXPECT_EQ(bar.CommandToIndex(28302), 2);
    EXPECT_EQ(bar.GetPane(4), nullptr);
    CRect rcOut(1, 1, 2, 2);
    bar.GetItemRect(9, &rcOut);
    EXPECT_TRUE(rcOut.IsRectEmpty());
}

TEST_F(StatusBarTest, MessagePaneIsTheWindowText)
{
    frame->SetMessageText(L"Fertig");
    EXPECT_EQ(bar.GetPaneText(0), CString(L"Fertig"));
    EXPECT_EQ(bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Suche läuft")), TRUE);

    struct Case
    {
        int buffer;
        LRESULT copied;
        const wchar_t* text;
    } cases[] = {{64, 11, L"Suche läuft"}, {6, 5, L"Suche"}, {1, 0, L""}};
    for (const Case& c : cases) {
        wchar_t buffer[80];
        wmemset(buffer, L'#', 80);
        EXPECT_EQ(bar.SendMessage(WM_GETTEXT, c.buffer, reinterpret_cast<LPARAM>(buffer)), c.copied) << c.buffer;
        EXPECT_STREQ(buffer, c.text);
        EXPECT_EQ(buffer[c.buffer], L'#') << "nothing written beyond the buffer";
    }
    EXPECT_EQ(bar.SendMessage(WM_GETTEXTLENGTH), 11);

    // Without a message pane the text has nowhere to go.
    const UINT noMessage[] = {28301};
    bar.SetIndicators(noMessage, 1);
    EXPECT_EQ(bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x")), FALSE);
    EXPECT_EQ(bar.SendMessage(WM_GETTEXTLENGTH), 0);
}

TEST_F(StatusBarTest, TextUpdatesAndDisabledPanes)
{
    bar.SetPaneText(1, L"OVR", TRUE);
    bar.UpdateWindow();
    EXPECT_TRUE(bar.SetPaneText(1, L"OVR", TRUE));
    EXPECT_FALSE(::GetUpdateRect(bar.GetSafeHwnd(), nullptr, FALSE)) << "the same text does not redraw";

    bar.SetPaneText(2, L"GROSS", FALSE);
    EXPECT_EQ(LOWORD(bar.SendMessage(SB_GETTEXTLENGTHW, 2)), 3) << "waits for the next update";
    bar.UpdateAllPanes(FALSE, TRUE);
    EXPECT_EQ(LOWORD(bar.SendMessage(SB_GETTEXTLENGTHW, 2)), 5);

    bar.SetPaneStyle(3, bar.GetPaneStyle(3) | SBPS_DISABLED);
    EXPECT_EQ(LOWORD(bar.SendMessage(SB_GETTEXTLENGTHW, 3)), 0) << "a disabled pane shows nothing in the control";
    EXPECT_EQ(bar.GetPaneText(3), CString(L"NUM"));
    EXPECT_FALSE(bar.SetPaneText(7, L"x"));
}

// Toggle keys change state by real input; the panes follow at the next idle.
TEST_F(StatusBarTest, KeyIndicatorsFollowTheToggleKeysAtIdle)
{
    const UINT indicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    ASSERT_TRUE(bar.SetIndicators(indicators, 4));
    CWinApp app(L"StatusBarIdle");
    app.m_pMainWnd = frame;
    frame->SetForegroundWindow();
    testpump::PumpUntilIdle();
    const struct
    {
        int index;
        WORD vk;
        const wchar_t* text;
    } keys[] = {{1, VK_CAPITAL, L"CAP"}, {2, VK_NUMLOCK, L"NUM"}, {3, VK_SCROLL, L"SCRL"}};
    auto shown = [&](int index) { return LOWORD(bar.SendMessage(SB_GETTEXTLENGTHW, index)) != 0; };
    app.OnIdle(0);
    for (const auto& key : keys) {
        SCOPED_TRACE(key.text);
        EXPECT_EQ(bar.GetPaneText(key.index), CString(key.text));
        for (int press = 0; press < 2; press++) {
            bool bWasOn = (GetKeyState(key.vk) & 1) != 0;
            testinput::SendKey(key.vk);
            ASSERT_TRUE(testpump::PumpUntil([&] { return ((GetKeyState(key.vk) & 1) != 0) != bWasOn; }))
                << "input was not delivered";
            EXPECT_EQ(bWasOn, shown(key.index)) << "nothing changes before the idle";
            app.OnIdle(0);
            EXPECT_EQ(!bWasOn, shown(key.index));
            EXPECT_EQ(bWasOn, !!(bar.GetPaneStyle(key.index) & SBPS_DISABLED));
        }
    }
    app.m_pMainWnd = nullptr;
}

TEST_F(StatusBarTest, FrameGivesTheBottomToTheBar)
{
    CSizedBar* bottom = frame->DockBar(xtpBarBottom, 100);
    (void)bottom;
    frame->Layout();
    CRect rcBar = frame->BarRect(&bar);
    CRect rcDock = frame->BarRect(frame->GetDlgItem(59422));
    EXPECT_EQ(rcBar.bottom, 300);
    EXPECT_GE(rcBar.Height(), 20) << "never lower than 20 pixels";
    EXPECT_EQ(rcDock.bottom, rcBar.top) << "the bottom dock bar sits above the status bar";
}

TEST_F(StatusBarTest, Picture)
{
    frame->SetMessageText(L"Fertig");
    bar.SetPaneStyle(3, bar.GetPaneStyle(3) | SBPS_DISABLED);
    bar.GetPane(1)->m_clrBackground = RGB(255, 255, 160);
    bar.RedrawWindow();
    testshot::Image image = testshot::CaptureWindow(bar.GetSafeHwnd());
    ASSERT_GT(image.width, 0);
    EXPECT_FALSE(testshot::Save(image, L"commandbars_statusbar.png").empty());
    // The message pane has no border: its area is the bar's face.
    EXPECT_EQ(image.Pixel(image.width / 4, 2), ::GetSysColor(COLOR_3DFACE));
}

TEST_F(StatusBarTest, PanesWithATipAnswerTheToolHitTestChildWindowsFirst)
{
    bar.GetPane(1)->SetTooltip(L"Großbuchstaben");
    CStatic child;
    CRect rcThird;
    bar.GetItemRect(3, &rcThird);
    ASSERT_TRUE(child.Create(L"", WS_CHILD | WS_VISIBLE, rcThird, &bar, 4242));
    bar.GetPane(3)->SetTooltip(L"Unter dem Fenster");
    CRect rcFirst, rcSecond;
    bar.GetItemRect(1, &rcFirst);
    bar.GetItemRect(2, &rcSecond);
    struct Case
    {
        const char* what;
        CPoint pt;
        INT_PTR id;
    } cases[] = {
        {"pane with a tip", rcFirst.CenterPoint(), 28301},
        {"pane without one", rcSecond.CenterPoint(), -1},
        {"child window over a pane with a tip", rcThird.CenterPoint(), 4242},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TOOLINFOW ti = {};
        ti.cbSize = sizeof(ti);
        EXPECT_EQ(c.id, bar.OnToolHitTest(c.pt, &ti));
        if (c.id == 28301) {
            EXPECT_EQ(bar.GetSafeHwnd(), ti.hwnd);
            EXPECT_EQ(28301u, ti.uId);
            EXPECT_EQ(rcFirst, CRect(ti.rect));
            ASSERT_NE(nullptr, ti.lpszText);
            EXPECT_STREQ(L"Großbuchstaben", ti.lpszText);
            free(ti.lpszText);
        }
    }
    child.DestroyWindow();
}

TEST_F(StatusBarTest, WindowsOnThePanesStandOverThemAtOnceAndFollowTheIdleUpdate)
{
    // Made elsewhere in the bar, as a caller makes them before handing them over.
    CButton button;
    CEdit edit;
    ASSERT_TRUE(button.Create(L"Los", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &bar, 4243));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), &bar, 4244));
    bar.GetPane(2)->SetChildWindow(&button);
    bar.GetPane(0)->SetChildWindow(&edit);
    auto placed = [&](CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        bar.ScreenToClient(&rc);
        return rc;
    };
    CRect rcPane;
    bar.GetItemRect(2, &rcPane);
    rcPane.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CXEDGE));
    EXPECT_EQ(rcPane, placed(button)) << "inside the pane's border";
    bar.GetItemRect(0, &rcPane);
    EXPECT_EQ(rcPane, placed(edit)) << "the message pane has no border";

    // The frame's idle pass: neither command has a handler.
    CWinApp app(L"StatusBarWindows");
    app.m_pMainWnd = frame;
    app.OnIdle(0);
    EXPECT_FALSE(button.IsWindowEnabled()) << "a command button without a handler";
    EXPECT_TRUE(edit.IsWindowEnabled()) << "text input keeps its state";
    app.m_pMainWnd = nullptr;

    bar.GetPane(2)->SetChildWindow(nullptr);
    bar.GetPane(0)->SetChildWindow(nullptr);
    button.DestroyWindow();
    edit.DestroyWindow();
}

TEST_F(StatusBarTest, RestingOnAPaneWithATipShowsIt)
{
    bar.GetPane(1)->SetTooltip(L"Großbuchstaben");
    frame->SetForegroundWindow();
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    CRect rc;
    bar.GetItemRect(1, &rc);
    bar.ClientToScreen(&rc);
    testinput::MoveMouseAndWait(rc.CenterPoint() + CSize(-2, 0));
    testinput::MoveMouseAndWait(rc.CenterPoint());
    EXPECT_TRUE(testpump::PumpUntil([&] {
        CWnd* pTip = bar.GetToolTipContext()->GetToolTip();
        return pTip && pTip->GetSafeHwnd() && pTip->IsWindowVisible();
    }));
}

namespace {
// Counts the windows that a pane deleted.
class CCountedButton : public CButton
{
public:
    explicit CCountedButton(int& nDeleted) : m_nDeleted(nDeleted) {}
    ~CCountedButton() override { m_nDeleted++; }

private:
    int& m_nDeleted;
};
}  // namespace

// A window the pane owns goes when another takes its place; handing the same
// window again, or replacing one the caller owns, destroys nothing.
TEST_F(StatusBarTest, AReplacedChildWindowThePaneOwnsIsDestroyedAndDeleted)
{
    int nDeleted = 0;
    auto* pOwned = new CCountedButton(nDeleted);
    ASSERT_TRUE(pOwned->Create(L"A", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &bar, 4245));
    const HWND hOwned = pOwned->GetSafeHwnd();
    bar.GetPane(1)->SetChildWindow(pOwned, TRUE);
    bar.GetPane(1)->SetChildWindow(pOwned, TRUE);
    EXPECT_TRUE(::IsWindow(hOwned)) << "the same window again";
    EXPECT_EQ(0, nDeleted);

    CButton callers;
    ASSERT_TRUE(callers.Create(L"B", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &bar, 4246));
    bar.GetPane(1)->SetChildWindow(&callers);
    EXPECT_FALSE(::IsWindow(hOwned));
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(&callers, bar.GetPane(1)->GetChildWindow());

    bar.GetPane(1)->SetChildWindow(nullptr);
    EXPECT_TRUE(callers.GetSafeHwnd() && ::IsWindow(callers.GetSafeHwnd())) << "the caller's window stays";
    callers.DestroyWindow();
}

// A window on a pane stands over the pane's inner rectangle after every
// change of the pane's styles or the bar's borders, without waiting for the
// next resize of the bar.
TEST_F(StatusBarTest, WindowsOnThePanesFollowEveryStyleChangeAtOnce)
{
    // Filled rectangles: easy to tell from the pane borders in a picture.
    CStatic first, last;
    ASSERT_TRUE(first.Create(L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 10, 10), &bar, 4247));
    ASSERT_TRUE(last.Create(L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 10, 10), &bar, 4248));
    bar.GetPane(1)->SetChildWindow(&first);
    bar.GetPane(3)->SetChildWindow(&last);
    auto placed = [&](CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        bar.ScreenToClient(&rc);
        return rc;
    };
    auto inner = [&](int nPane) {
        CRect rc;
        bar.GetItemRect(nPane, &rc);
        if (!(bar.GetPaneStyle(nPane) & SBPS_NOBORDERS))
            rc.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CXEDGE));
        return rc;
    };
    const struct
    {
        const char* what;
        std::function<void()> change;
        bool moves;
    } changes[] = {
        {"border taken away", [&] { bar.SetPaneStyle(1, bar.GetPaneStyle(1) | SBPS_NOBORDERS); }, true},
        {"border given back", [&] { bar.SetPaneStyle(1, bar.GetPaneStyle(1) & ~SBPS_NOBORDERS); }, true},
        {"a pane before stretches", [&] { bar.SetPaneStyle(2, bar.GetPaneStyle(2) | SBPS_STRETCH); }, true},
        {"popped out without a border",
         [&] { bar.SetPaneStyle(3, bar.GetPaneStyle(3) | SBPS_POPOUT | SBPS_NOBORDERS); }, true},
        {"disabled", [&] { bar.SetPaneStyle(3, bar.GetPaneStyle(3) | SBPS_DISABLED); }, false},
        {"the bar's left border", [&] { bar.SetBarStyle(bar.GetBarStyle() | CBRS_BORDER_LEFT); }, true},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const CRect rcFirstBefore = placed(first), rcLastBefore = placed(last);
        c.change();
        EXPECT_EQ(inner(1), placed(first));
        EXPECT_EQ(inner(3), placed(last));
        EXPECT_EQ(c.moves, placed(first) != rcFirstBefore || placed(last) != rcLastBefore);
    }

    // Without its border the window covers the pane to its edge.
    bar.SetPaneStyle(1, bar.GetPaneStyle(1) | SBPS_NOBORDERS);
    bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CRect rcPane;
    bar.GetItemRect(1, &rcPane);
    testshot::Image image = testshot::CaptureWindow(bar.GetSafeHwnd());
    testshot::Save(image, L"commandbars_statusbar_window_without_border.png");
    const COLORREF clrWindow = image.Pixel(rcPane.CenterPoint().x, rcPane.CenterPoint().y);
    EXPECT_EQ(clrWindow, image.Pixel(rcPane.left, rcPane.CenterPoint().y));
    EXPECT_EQ(clrWindow, image.Pixel(rcPane.CenterPoint().x, rcPane.top));
    EXPECT_NE(clrWindow, image.Pixel(rcPane.right + 1, rcPane.CenterPoint().y)) << "beside the pane";

    bar.GetPane(1)->SetChildWindow(nullptr);
    bar.GetPane(3)->SetChildWindow(nullptr);
    first.DestroyWindow();
    last.DestroyWindow();
}
