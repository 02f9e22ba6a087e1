// The dialog bar: its caption strip (caption control, hide cross), the
// resize hit codes at each place, borders dragged with the real mouse, and
// the hosted window filling the client area.
#include <gtest/gtest.h>
#include <functional>
#include "commandbars/CommandBarsTestSupport.h"
#include "commandbars/frame/FrameTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

class DialogBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Off every bar, whose mouse-leave poll would keep the queue busy.
        testinput::MoveMouseTo(POINT{1000, 900});
        frame = new CTestFrame();
        ASSERT_TRUE(frame->CreateFrame(640, 480));
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr)
            ::ReleaseCapture();
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    // A dialog bar at the place, hosting an edit box.
    CXTPDialogBar* AddBar(XTPBarPosition position, DWORD dwFlags = 0)
    {
        CXTPToolBar* pToolBar = frame->GetCommandBars()->Add(L"Suche", xtpBarTop, RUNTIME_CLASS(CXTPDialogBar));
        auto* pBar = dynamic_cast<CXTPDialogBar*>(pToolBar);
        if (pBar == nullptr)
            return nullptr;
        pBar->SetFlags(dwFlags);
        if (position != xtpBarTop)
            pBar->SetPosition(position);
        auto* pEdit = new CWnd();
        pEdit->Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), pBar, 1);
        hosted.push_back(pEdit);
        pBar->SetChild(pEdit);
        frame->RecalcLayout();
        if (position == xtpBarFloating)
            pBar->OnRecalcLayout();
        return pBar;
    }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    static CRect ControlRect(CXTPDialogBar* pBar, int nId)
    {
        CXTPControl* pControl = pBar->GetControls()->FindControl(nId);
        return pControl != nullptr && pControl->IsVisible() ? pControl->GetRect() : CRect();
    }
    // Presses at one screen point, moves to another and releases there.
    static void Drag(POINT from, POINT to)
    {
        testinput::MoveMouseTo(from);
        testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, from);
        testinput::MoveMouseTo(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        testinput::MoveMouseTo(to);
        testinput::SendMouse(MOUSEEVENTF_LEFTUP, to);
        testpump::PumpUntilIdle();
    }

    CTestFrame* frame = nullptr;
    std::vector<CWnd*> hosted;

public:
    ~DialogBarTest() override
    {
        for (CWnd* pWnd : hosted)
            delete pWnd;
    }
};

int CountDark(const testshot::Image& image, const CRect& rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++) {
            COLORREF c = image.Pixel(x, y);
            if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80)
                n++;
        }
    return n;
}

TEST_F(DialogBarTest, CaptionStripHoldsTheCrossAndTheCaption)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    EXPECT_FALSE(pBar->IsCustomizable());
    const int nStrip = pBar->GetCaptionStripHeight();
    const int nCaption = nStrip - 3;
    ASSERT_GE(nCaption, 22);
    // 200 x 200 client, borders of 3, the caption above.
    EXPECT_EQ(WindowRect(pBar).Size(), CSize(206, 206 + nCaption));

    const int nTop = 3 + nCaption / 2 - 8;
    const struct
    {
        BOOL closeable;
        CRect hide;
        CRect caption;
    } cases[] = {
        {TRUE, CRect(187, nTop, 203, nTop + 16), CRect(3, nTop, 187, nTop + 16)},
        {FALSE, CRect(), CRect(3, nTop, 203, nTop + 16)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.closeable);
        pBar->SetCloseable(c.closeable);
        pBar->CalcDockingLayout(640, LM_HORZ | LM_HORZDOCK);
        EXPECT_EQ(ControlRect(pBar, XTP_ID_TOOLBAR_HIDE), c.hide);
        EXPECT_EQ(ControlRect(pBar, XTP_ID_DIALOGBAR_CAPTION), c.caption);
    }

    // The title stands in for an empty caption.
    CXTPControl* pCaption = pBar->GetControls()->FindControl(XTP_ID_DIALOGBAR_CAPTION);
    EXPECT_EQ(pCaption->GetCaption(), CString(L"Suche"));
    pBar->SetCaption(L"Treffer");
    pBar->CalcDockingLayout(640, LM_HORZ | LM_HORZDOCK);
    EXPECT_EQ(pCaption->GetCaption(), CString(L"Treffer"));

    // The strip is where the mouse manager finds the bar; below it, not.
    CRect rc = WindowRect(pBar);
    EXPECT_EQ(pBar->IsPointInside(CPoint(rc.left + 50, rc.top + nStrip - 1)), 1);
    EXPECT_EQ(pBar->IsPointInside(CPoint(rc.left + 50, rc.top + nStrip)), -2);
}

TEST_F(DialogBarTest, CaptionOpensItsPopupOnlyWithControlsInIt)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    auto* pCaption = dynamic_cast<CXTPDialogBar::CXTPControlCaptionPopup*>(
        pBar->GetControls()->FindControl(XTP_ID_DIALOGBAR_CAPTION));
    ASSERT_NE(pCaption, nullptr);
    EXPECT_EQ(pCaption->GetCommandBar(), pBar->GetCaptionPopupBar());
    EXPECT_FALSE(pCaption->HasPopup());
    EXPECT_FALSE(pCaption->OnSetPopup(TRUE));
    EXPECT_FALSE(pBar->GetCaptionPopupBar()->IsTrackingMode());

    pBar->GetCaptionPopupBar()->GetControls()->Add(xtpControlButton, 28301);
    const struct
    {
        BOOL enabled;
        BOOL hasPopup;
    } cases[] = {{TRUE, TRUE}, {FALSE, FALSE}, {TRUE, TRUE}};
    for (const auto& c : cases) {
        pBar->SetCaptionPopupEnabled(c.enabled);
        pBar->CalcDockingLayout(640, LM_HORZ | LM_HORZDOCK);
        EXPECT_EQ(pCaption->HasPopup(), c.hasPopup);
    }
}

TEST_F(DialogBarTest, ClickOnTheCaptionOpensThePopupBelowIt)
{
    // At the left, where other popups open to the right of their control.
    CXTPDialogBar* pBar = AddBar(xtpBarLeft);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    CXTPDialogBar::CXTPCaptionPopupBar* pPopup = pBar->GetCaptionPopupBar();
    CRect rcCaption = ControlRect(pBar, XTP_ID_DIALOGBAR_CAPTION);
    POINT ptClick = testinput::ClientToScreenPoint(pBar->GetSafeHwnd(), rcCaption.left + 20, rcCaption.top + 8);

    // Empty: the click opens nothing.
    testinput::ClickAt(ptClick);
    testinput::MoveMouseTo(POINT{1000, 900});
    ASSERT_TRUE(testpump::PumpUntilIdle());
    EXPECT_FALSE(pPopup->IsTrackingMode());

    pPopup->GetControls()->Add(xtpControlButton, 28303);
    frame->RecalcLayout();
    testinput::ClickAt(ptClick);
    ASSERT_TRUE(testpump::PumpUntil([&] { return pPopup->IsTrackingMode() != 0; }));
    CPoint ptBelow(rcCaption.left, rcCaption.bottom);
    pBar->ClientToScreen(&ptBelow);
    EXPECT_EQ(pPopup->GetPopupPoint(), ptBelow);
    EXPECT_EQ(pPopup->GetPopupFlags(), 3u);
    pBar->GetCommandBars()->ClosePopups();
    ASSERT_TRUE(testpump::PumpUntil([&] { return pPopup->IsTrackingMode() == 0; }));
}

struct HitCase
{
    XTPBarPosition position;
    DWORD flags;
    // The point as fractions of the window (0 left/top, 2 middle, 4 right/bottom edge pixel).
    int fx, fy;
    LRESULT expected;
};

TEST_F(DialogBarTest, BordersAnswerResizeCodesByPlace)
{
    const HitCase cases[] = {
        // Floating: every edge and corner.
        {xtpBarFloating, 0, 0, 0, HTTOPLEFT},
        {xtpBarFloating, 0, 4, 0, HTTOPRIGHT},
        {xtpBarFloating, 0, 0, 4, HTBOTTOMLEFT},
        {xtpBarFloating, 0, 4, 4, HTBOTTOMRIGHT},
        {xtpBarFloating, 0, 2, 0, HTTOP},
        {xtpBarFloating, 0, 2, 4, HTBOTTOM},
        {xtpBarFloating, 0, 0, 2, HTLEFT},
        {xtpBarFloating, 0, 4, 2, HTRIGHT},
        {xtpBarFloating, 0, 2, 2, HTCLIENT},
        // Docked at the top: the edges that face the frame's middle.
        {xtpBarTop, 0, 2, 4, HTBOTTOM},
        {xtpBarTop, 0, 4, 2, HTRIGHT},
        {xtpBarTop, 0, 0, 2, HTCLIENT},
        {xtpBarTop, 0, 2, 0, HTCLIENT},
        {xtpBarBottom, 0, 2, 0, HTTOP},
        {xtpBarBottom, 0, 2, 4, HTCLIENT},
        {xtpBarBottom, 0, 4, 2, HTRIGHT},
        {xtpBarLeft, 0, 2, 4, HTBOTTOM},
        {xtpBarLeft, 0, 4, 2, HTRIGHT},
        {xtpBarRight, 0, 0, 2, HTLEFT},
        {xtpBarRight, 0, 2, 4, HTBOTTOM},
        {xtpBarRight, 0, 4, 2, HTCLIENT},
        // Stretched bars fill their row: its far end is no border.
        {xtpBarTop, XTP_BARFLAG_STRETCHED, 4, 2, HTCLIENT},
        {xtpBarTop, XTP_BARFLAG_STRETCHED, 2, 4, HTBOTTOM},
        {xtpBarBottom, XTP_BARFLAG_STRETCHED, 4, 2, HTCLIENT},
        {xtpBarLeft, XTP_BARFLAG_STRETCHED, 2, 4, HTCLIENT},
        {xtpBarLeft, XTP_BARFLAG_STRETCHED, 4, 2, HTRIGHT},
        {xtpBarRight, XTP_BARFLAG_STRETCHED, 2, 4, HTCLIENT},
        {xtpBarRight, XTP_BARFLAG_STRETCHED, 0, 2, HTLEFT},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position << " flags " << c.flags << " at " << c.fx
                                        << "," << c.fy);
        CXTPDialogBar* pBar = AddBar(c.position, c.flags);
        ASSERT_NE(pBar, nullptr);
        ASSERT_EQ(pBar->GetPosition(), c.position);
        CRect rc = WindowRect(pBar);
        auto at = [](int from, int to, int f) { return f == 0 ? from : f == 4 ? to - 1 : (from + to) / 2; };
        CPoint pt(at(rc.left, rc.right, c.fx), at(rc.top, rc.bottom, c.fy));
        EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), c.expected);
        pBar->SetResizable(FALSE);
        EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTCLIENT);
        frame->GetCommandBars()->Remove(pBar);
    }
}

TEST_F(DialogBarTest, DockedBorderDragResizesTheBarAndItsChild)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    const int nCaption = pBar->GetCaptionStripHeight() - 3;
    CRect rc = WindowRect(pBar);

    // Right border 60 pixels further: only the docked client width changes.
    Drag(POINT{rc.right - 1, rc.top + 60}, POINT{rc.right + 59, rc.top + 90});
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(pBar->GetDockingClientSize(), CSize(260, 200));
    EXPECT_EQ(WindowRect(pBar).Size(), CSize(266, 206 + nCaption));
    EXPECT_EQ(pBar->GetFloatingClientSize(), CSize(200, 200));

    // Bottom border up by 80: the height follows.
    rc = WindowRect(pBar);
    Drag(POINT{rc.left + 100, rc.bottom - 1}, POINT{rc.left + 100, rc.bottom - 81});
    EXPECT_EQ(pBar->GetDockingClientSize(), CSize(260, 120));
    EXPECT_EQ(WindowRect(pBar).Size(), CSize(266, 126 + nCaption));

    // The hosted window fills the client area under the caption.
    CRect rcChild;
    ::GetWindowRect(pBar->GetChild(), &rcChild);
    rc = WindowRect(pBar);
    EXPECT_EQ(rcChild, CRect(rc.left + 3, rc.top + 3 + nCaption, rc.right - 3, rc.bottom - 3));
    EXPECT_TRUE(frame->GetCommandBars()->GetOptions()->bDirty);
}

TEST_F(DialogBarTest, FloatingCornerDragNeverGoesBelowTheMinimum)
{
    CXTPDialogBar* pBar = AddBar(xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    const int nCaption = pBar->GetCaptionStripHeight() - 3;
    CRect rcStart = WindowRect(pBar);
    ASSERT_EQ(rcStart.Size(), CSize(206, 206 + nCaption));

    // Bottom-right corner: both client sizes, the top-left stays.
    Drag(POINT{rcStart.right - 1, rcStart.bottom - 1}, POINT{rcStart.right + 39, rcStart.bottom + 19});
    CRect rc = WindowRect(pBar);
    EXPECT_EQ(rc, CRect(rcStart.left, rcStart.top, rcStart.right + 40, rcStart.bottom + 20));
    EXPECT_EQ(pBar->GetFloatingClientSize(), CSize(240, 220));
    EXPECT_EQ(pBar->GetDockContext()->m_ptMRUFloatPos, rcStart.TopLeft());

    // Left border to 40 pixels short of nothing: the bar stays as it is;
    // the top border dragged past the minimum likewise.
    const struct
    {
        POINT from, to;
    } tooSmall[] = {
        {{rc.left, rc.top + 100}, {rc.right - 40, rc.top + 100}},
        {{rc.left + 100, rc.top}, {rc.left + 100, rc.bottom - 45}},
    };
    for (const auto& c : tooSmall) {
        Drag(c.from, c.to);
        EXPECT_EQ(WindowRect(pBar), rc);
        EXPECT_EQ(pBar->GetFloatingClientSize(), CSize(240, 220));
    }

    // The left border pulled in to exactly 50 wide is still accepted.
    Drag(POINT{rc.left, rc.top + 100}, POINT{rc.right - 50, rc.top + 100});
    EXPECT_EQ(WindowRect(pBar), CRect(rc.right - 50, rc.top, rc.right, rc.bottom));
    EXPECT_EQ(pBar->GetFloatingClientSize().cx, 44);

    CRect rcChild;
    ::GetWindowRect(pBar->GetChild(), &rcChild);
    rc = WindowRect(pBar);
    EXPECT_EQ(rcChild, CRect(rc.left + 3, rc.top + 3 + nCaption, rc.right - 3, rc.bottom - 3));
}

// Acts once the bar's drag loop holds the capture (on a timer: input goes
// before it, unlike posted messages).
class CDragWatcher : public CWnd
{
public:
    HWND hBar = nullptr;
    std::function<void()> action;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == 1 && hBar != nullptr && ::GetCapture() == hBar) {
            KillTimer(1);
            action();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(DialogBarTest, QuitDuringADragEndsTheLoopAndIsPostedAgain)
{
    CXTPDialogBar* pBar = AddBar(xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    CDragWatcher poster;
    ASSERT_TRUE(poster.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr));
    poster.hBar = pBar->GetSafeHwnd();
    poster.action = [] { ::PostQuitMessage(7); };
    poster.SetTimer(1, 10, nullptr);

    CRect rc = WindowRect(pBar);
    POINT pt = {rc.right - 1, rc.top + 100};
    testinput::MoveMouseTo(pt);
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
    // The loop ends on the quit and posts it again: the wait sees it.
    EXPECT_FALSE(testpump::PumpUntil([] { return false; }));
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(::GetCapture(), nullptr);
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, pt);
    testpump::PumpUntilIdle();
    EXPECT_EQ(WindowRect(pBar), rc);
    poster.DestroyWindow();
}

TEST_F(DialogBarTest, EscapeEndsADragWhereTheBarIs)
{
    CXTPDialogBar* pBar = AddBar(xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    CRect rc = WindowRect(pBar);
    POINT from = {rc.right - 1, rc.top + 100};
    testinput::MoveMouseTo(from);
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    testinput::MoveMouseTo(POINT{from.x + 30, from.y});
    testinput::SendKey(VK_ESCAPE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return WindowRect(pBar).Width() == rc.Width() + 30; }));
    ASSERT_TRUE(testpump::PumpUntil([] { return ::GetCapture() == nullptr; }));
    // Nothing is undone, and moves after it resize nothing.
    testinput::MoveMouseTo(POINT{from.x + 60, from.y});
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, POINT{from.x + 60, from.y});
    testpump::PumpUntilIdle();
    EXPECT_EQ(WindowRect(pBar).Width(), rc.Width() + 30);
}

TEST_F(DialogBarTest, FrameClosedDuringADragEndsTheLoop)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(testpump::PumpUntilIdle());
    CDragWatcher closer;
    ASSERT_TRUE(closer.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr));
    closer.hBar = pBar->GetSafeHwnd();
    HWND hFrame = frame->GetSafeHwnd();
    closer.action = [hFrame] { ::DestroyWindow(hFrame); };
    closer.SetTimer(1, 10, nullptr);

    CRect rc = WindowRect(pBar);
    POINT pt = {rc.right - 1, rc.top + 60};
    testinput::MoveMouseTo(pt);
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
    ASSERT_TRUE(testpump::PumpUntil([hFrame] { return !::IsWindow(hFrame); }));
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, POINT{pt.x + 30, pt.y});
    EXPECT_TRUE(testpump::PumpUntilIdle());
    EXPECT_EQ(::GetCapture(), nullptr);
    closer.DestroyWindow();
}

TEST_F(DialogBarTest, HideCrossHidesTheBar)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    CXTPControl* pHide = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    ASSERT_NE(pHide, nullptr);
    pHide->OnExecute();
    EXPECT_FALSE(pBar->IsVisible());
    EXPECT_FALSE(pBar->IsWindowVisible());
}

struct ShotCase
{
    XTPBarPosition position;
    BOOL closeable;
    BOOL popupControls;
    LPCWSTR file;
};

TEST_F(DialogBarTest, ScreenshotsDockedAndFloating)
{
    const ShotCase cases[] = {
        {xtpBarTop, TRUE, FALSE, L"dialogbar_docked.png"},
        {xtpBarFloating, TRUE, TRUE, L"dialogbar_floating.png"},
        {xtpBarTop, FALSE, FALSE, L"dialogbar_docked_noclose.png"},
    };
    for (const ShotCase& c : cases) {
        SCOPED_TRACE(c.file);
        CXTPDialogBar* pBar = AddBar(c.position);
        ASSERT_NE(pBar, nullptr);
        pBar->SetCloseable(c.closeable);
        if (c.popupControls)
            pBar->GetCaptionPopupBar()->GetControls()->Add(xtpControlButton, 28302);
        pBar->SetCaption(L"Treffer");
        if (c.position == xtpBarFloating)
            pBar->OnRecalcLayout();
        else
            frame->RecalcLayout();
        ASSERT_TRUE(testpump::PumpUntilIdle());
        pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        testshot::Image image = testshot::CaptureWindow(pBar->GetSafeHwnd());
        EXPECT_FALSE(testshot::Save(image, c.file).empty());

        const int nStrip = pBar->GetCaptionStripHeight();
        CRect rcCaption = ControlRect(pBar, XTP_ID_DIALOGBAR_CAPTION);
        const int nTop = 3 + (nStrip - 3) / 2 - 8;
        CRect rcCross(187, nTop, 203, nTop + 16);
        // The cross only on a closeable bar.
        if (c.closeable)
            EXPECT_GT(CountDark(image, rcCross), 8);
        else
            EXPECT_EQ(CountDark(image, rcCross), 0);
        // The caption's text at its left, the arrow at its right end only with a popup.
        EXPECT_GT(CountDark(image, CRect(rcCaption.left, rcCaption.top, rcCaption.left + 40, rcCaption.bottom)), 10);
        const int nMiddle = rcCaption.CenterPoint().y;
        CRect rcArrow(rcCaption.right - 13, nMiddle - 2, rcCaption.right - 4, nMiddle + 3);
        if (c.popupControls)
            EXPECT_GT(CountDark(image, rcArrow), 8);
        else
            EXPECT_EQ(CountDark(image, rcArrow), 0);
        // The hosted edit fills the client: white up to 4 pixels from the bar's edges.
        const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
        EXPECT_EQ(image.Pixel(6, nStrip + 3), clrWindow);
        EXPECT_EQ(image.Pixel(image.width - 6, image.height - 6), clrWindow);
        EXPECT_NE(image.Pixel(1, image.height - 2), clrWindow);
        frame->GetCommandBars()->Remove(pBar);
    }
}

}  // namespace

TEST_F(DialogBarTest, PrintedInTheOffice2003LookItsGripperStaysOnTheBar)
{
    const int nOldTheme = XTPPaintManager()->GetCurrentTheme();
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    frame->RecalcLayout();
    const CRect rcBar = WindowRect(pBar);
    ASSERT_LT(rcBar.Width(), 300);

    // A print device context far larger than the bar: its clip box is the whole bitmap.
    const COLORREF kBackground = RGB(255, 0, 255);
    CTestCanvas canvas(600, 300, kBackground);
    pBar->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(canvas.DC()->GetSafeHdc()),
                      PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    const CRect rcRight(rcBar.Width(), 0, 600, 300), rcBelow(0, rcBar.Height(), rcBar.Width(), 300);
    EXPECT_EQ(canvas.CountPixels(rcRight, kBackground), rcRight.Width() * rcRight.Height()) << "nothing right of the bar";
    EXPECT_EQ(canvas.CountPixels(rcBelow, kBackground), rcBelow.Width() * rcBelow.Height()) << "nothing below it";
    const CRect rcGripper(0, 0, 12, 30);
    EXPECT_LT(canvas.CountPixels(rcGripper, kBackground), rcGripper.Width() * rcGripper.Height() / 2)
        << "the gripper itself is printed";
    CXTPPaintManager::SetTheme(nOldTheme);
}

TEST_F(DialogBarTest, AToolbarButtonDroppedOnItInCustomizeModeStaysOnItsToolbar)
{
    CXTPDialogBar* pDialogBar = AddBar(xtpBarLeft);
    ASSERT_NE(pDialogBar, nullptr);
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    CXTPToolBar* pToolBar = pCommandBars->Add(L"Werkzeuge", xtpBarTop);
    ASSERT_NE(pToolBar, nullptr);
    for (int id : {28310, 28311})
        pToolBar->GetControls()->Add(xtpControlButton, id)->SetCaption(L"Los");
    frame->RecalcLayout();
    ASSERT_TRUE(testpump::PumpUntilIdle());
    const int nDialogBarControls = pDialogBar->GetControlCount();
    const int nToolBarControls = pToolBar->GetControlCount();
    CXTPControl* pDragged = pToolBar->GetControl(0);
    ASSERT_FALSE(pDragged->GetRect().IsRectEmpty());
    const CPoint ptButton = pDragged->GetRect().CenterPoint();
    const CRect rcDialogBar = WindowRect(pDialogBar);

    pCommandBars->SetCustomizeMode(TRUE);
    // Over the caption strip, where the bar has controls of its own, and
    // over the hosted window; pressed apart, so that the second press is no
    // double click.
    const struct
    {
        int dx, y;
    } cases[] = {{-4, rcDialogBar.top + 10}, {4, rcDialogBar.CenterPoint().y}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        pCommandBars->SetCustomizeSelection(nullptr);
        const POINT from = testinput::ClientToScreenPoint(pToolBar->GetSafeHwnd(), ptButton.x + c.dx, ptButton.y);
        // Along the toolbar first, then onto the dialog bar.
        const POINT to = {rcDialogBar.CenterPoint().x, c.y};
        ASSERT_TRUE(testinput::DragInLoop(frame->GetSafeHwnd(), from, {POINT{from.x + 5, from.y}, to}));
        ASSERT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(pCommandBars->GetDragControl(), pDragged) << "the button was dragged";
        EXPECT_EQ(pDialogBar->GetControlCount(), nDialogBarControls) << "the dialog bar took no clone";
        ASSERT_EQ(pToolBar->GetControlCount(), nToolBarControls) << "the toolbar kept its button";
        EXPECT_EQ(pToolBar->GetControl(0), pDragged);
        EXPECT_EQ(pCommandBars->GetDragHelper()->GetDropTarget(), nullptr);
    }
    pCommandBars->SetCustomizeMode(FALSE);
}

// Hiding the caption takes its strip away at once: the bar is lower by the
// caption, the hosted window moves up into the strip's place, and the
// mouse manager no longer finds a caption there.
TEST_F(DialogBarTest, HiddenCaptionLeavesNoStripBehind)
{
    for (XTPBarPosition position : {xtpBarTop, xtpBarFloating}) {
        SCOPED_TRACE(position);
        CXTPDialogBar* pBar = AddBar(position);
        ASSERT_NE(pBar, nullptr);
        ASSERT_TRUE(testpump::PumpUntilIdle());
        const int nStrip = pBar->GetCaptionStripHeight();
        ASSERT_GT(nStrip, 3);
        const CRect rcBefore = WindowRect(pBar);
        const CPoint ptInStrip(rcBefore.left + 50, rcBefore.top + nStrip - 2);
        ASSERT_EQ(pBar->IsPointInside(ptInStrip), 1);

        pBar->SetCaptionVisible(FALSE);
        EXPECT_EQ(pBar->GetCaptionStripHeight(), 0);
        EXPECT_EQ(pBar->IsPointInside(ptInStrip), -2);
        EXPECT_EQ(pBar->IsPointInside(CPoint(rcBefore.left + 50, rcBefore.top)), -2);
        CRect rc = WindowRect(pBar);
        EXPECT_EQ(rc.Size(), CSize(206, 206)) << "no room for a caption";
        CRect rcChild;
        ::GetWindowRect(pBar->GetChild(), &rcChild);
        EXPECT_EQ(rcChild, CRect(rc.left + 3, rc.top + 3, rc.right - 3, rc.bottom - 3));
        EXPECT_TRUE(ControlRect(pBar, XTP_ID_DIALOGBAR_CAPTION).IsRectEmpty());
        EXPECT_TRUE(ControlRect(pBar, XTP_ID_TOOLBAR_HIDE).IsRectEmpty());
        // The hosted edit where the caption was.
        testshot::Image image = testshot::CaptureWindow(pBar->GetSafeHwnd());
        testshot::Save(image, position == xtpBarTop ? L"dialogbar_docked_without_caption.png"
                                                    : L"dialogbar_floating_without_caption.png");
        const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
        EXPECT_EQ(image.Pixel(50, 6), clrWindow);
        EXPECT_EQ(image.Pixel(image.width - 6, 6), clrWindow);

        // Shown again: the strip and the window's place come back.
        pBar->SetCaptionVisible(TRUE);
        EXPECT_EQ(pBar->GetCaptionStripHeight(), nStrip);
        EXPECT_EQ(WindowRect(pBar).Size(), rcBefore.Size());
        EXPECT_EQ(pBar->IsPointInside(CPoint(WindowRect(pBar).left + 50, WindowRect(pBar).top + nStrip - 2)), 1);
        frame->GetCommandBars()->Remove(pBar);
    }
}

// A bar laid out with its caption that takes another's hidden caption
// (a copy, a loaded layout) has no strip once laid out again.
TEST_F(DialogBarTest, LayoutOfACopiedHiddenCaptionForgetsTheStrip)
{
    CXTPDialogBar* pBar = AddBar(xtpBarTop);
    ASSERT_NE(pBar, nullptr);
    ASSERT_GT(pBar->GetCaptionStripHeight(), 0);
    CXTPDialogBar source;
    source.SetCaptionVisible(FALSE);
    pBar->Copy(&source);
    ASSERT_FALSE(pBar->IsCaptionVisible());
    frame->RecalcLayout();
    EXPECT_EQ(pBar->GetCaptionStripHeight(), 0);
    const CRect rc = WindowRect(pBar);
    EXPECT_EQ(pBar->IsPointInside(CPoint(rc.left + 50, rc.top + 5)), -2);
}
