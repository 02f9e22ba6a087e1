// A bar's tooltips come from its manager's context; in the frame's context-help
// mode the bar answers non-client hit tests and clicks for its controls; hot
// changes redraw once; tracking hides the focus caret and raises focus events.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/Framework.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "support/ThreadHook.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// Records the clicks a control is handed instead of running a command.
class CClickRecorder : public CXTPControlButton
{
public:
    void OnClick(BOOL /*bKeyboard*/, CPoint pt) override { clicks.push_back(pt); }
    std::vector<CPoint> clicks;
};

CXTPControl* AddControl(CTestBar& bar, CXTPControl* pControl, XTPControlType type, int nId, const RECT& rc)
{
    bar.GetControls()->Add(pControl, nId);
    pControl->SetType(type);
    pControl->SetRect(rc);
    return pControl;
}

} // namespace

TEST(BarToolTips, ManagerContextShowsTheControlTipWithAmpersandsLiteral)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(100, 100, 400, 200)));
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(&site);
    CTestBar bar;
    bar.SetCommandBars(pCommandBars);
    ASSERT_TRUE(bar.Create(&site, CRect(0, 0, 300, 30)));
    bar.AddButton(300, CRect(2, 2, 32, 25))->SetTooltip(L"Suchen && Ersetzen");
    site.ShowWindow(SW_SHOW);
    SetForegroundWindow(site.GetSafeHwnd());
    PumpUntilIdle();

    CPoint pt(10, 10);
    bar.ClientToScreen(&pt);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    PumpUntil([&] {
        CWnd* pTip = pCommandBars->GetToolTipContext()->GetToolTip();
        return pTip && pTip->GetSafeHwnd();
    });
    CWnd* pTip = pCommandBars->GetToolTipContext()->GetToolTip();
    ASSERT_TRUE(pTip && pTip->GetSafeHwnd()) << "the bar's mouse moves reach the manager's context";
    EXPECT_EQ(1, static_cast<int>(pTip->SendMessage(TTM_GETTOOLCOUNT)));
    EXPECT_TRUE(GetWindowLongW(pTip->GetSafeHwnd(), GWL_STYLE) & TTS_NOPREFIX);

    // The bar holds its own reference: it outlives the manager without touching freed memory.
    bar.SetCommandBars(nullptr);
    delete pCommandBars;
    pt = CPoint(40, 10);
    bar.ClientToScreen(&pt);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    PumpUntilIdle();
    bar.DestroyWindow();
}

TEST(BarHelpMode, NonClientHitsAndClicksAnswerForControls)
{
    CWinApp app(L"BarHelp");
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"Hilfe", WS_POPUP | WS_BORDER, CRect(100, 100, 400, 200)));
    CXTPCommandBars commandBars;
    commandBars.SetSite(pFrame);
    CTestBar bar;
    bar.SetCommandBars(&commandBars);
    ASSERT_TRUE(bar.Create(pFrame, CRect(0, 0, 300, 30)));
    // Shown before the controls come: the showing's command update would
    // disable them all (the frame handles none of their commands).
    pFrame->ShowWindow(SW_SHOWNA);
    CClickRecorder* pButton = new CClickRecorder;
    AddControl(bar, pButton, xtpControlButton, 300, CRect(2, 2, 32, 25));
    struct Case
    {
        XTPControlType type;
        int nId;
        LRESULT hit;
    } cases[] = {
        {xtpControlPopup, 0, HTMENU},
        {xtpControlButtonPopup, -1, HTMENU},
        {xtpControlSplitButtonPopup, 0, HTMENU},
        {xtpControlPopup, 5, HTCLIENT},
        {xtpControlButton, 0, HTCLIENT},
    };
    int x = 40;
    for (const Case& c : cases) {
        AddControl(bar, new CClickRecorder, c.type, c.nId, CRect(x, 2, x + 30, 25));
        x += 35;
    }
    PumpUntilIdle();

    auto hitAt = [&](int cx) {
        CPoint pt(cx, 10);
        bar.ClientToScreen(&pt);
        return bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    pFrame->m_bHelpMode = CFrameWnd::HELP_ACTIVE;
    x = 40;
    for (const Case& c : cases) {
        EXPECT_EQ(c.hit, hitAt(x + 10)) << "type " << c.type << " id " << c.nId;
        x += 35;
    }
    EXPECT_EQ(HTCLIENT, hitAt(290)) << "off any control";

    CPoint pt(12, 14);
    bar.ClientToScreen(&pt);
    bar.SendMessage(WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(1u, pButton->clicks.size()) << "a help-mode click reaches the control";
    EXPECT_EQ(CPoint(12, 14), pButton->clicks[0]) << "in client coordinates";

    pFrame->m_bHelpMode = CFrameWnd::HELP_INACTIVE;
    EXPECT_EQ(HTCLIENT, hitAt(50)) << "outside help mode a popup is plain client area";
    bar.SendMessage(WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(1u, pButton->clicks.size()) << "outside help mode a non-client click is not a control click";

    bar.DestroyWindow();
    commandBars.SetSite(nullptr);
    pFrame->DestroyWindow();
}

namespace {

// Counts the bar's paints and the redraw requests of its controls, noting any
// request that finds the window already invalidated in the middle of a change.
class CPaintCountingBar : public CXTPToolBar
{
public:
    int paints = 0;
    int redrawRequests = 0;
    int requestsAfterInvalidation = 0;
    void DelayRedraw() override
    {
        redrawRequests++;
        if (::GetUpdateRect(GetSafeHwnd(), nullptr, FALSE))
            requestsAfterInvalidation++;
        CXTPToolBar::DelayRedraw();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            paints++;
        return CXTPToolBar::WindowProc(message, wParam, lParam);
    }
};

std::vector<LONG> g_focusChildren;
HWND g_watchedBar = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    if (event == EVENT_OBJECT_FOCUS && hWnd == g_watchedBar && idObject == OBJID_MENU)
        g_focusChildren.push_back(idChild);
}

class BarTracking : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 300)));
        ASSERT_TRUE(CreateTopBar(m_bar, m_site, CRect(0, 0, 400, 30)));
        AddCaptionButtons(m_bar, {L"Datei", L"Bearbeiten", L"Ansicht"});
        LayOutRow(m_bar, 400);
        m_hEdit = ::CreateWindowExW(0, L"EDIT", L"Suche", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 100, 200, 24,
                                    m_site.GetSafeHwnd(), nullptr, nullptr, nullptr);
        SetForegroundWindow(m_site.GetSafeHwnd());
        ::SetFocus(m_hEdit);
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_bar.EndTracking();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    POINT ScreenCentre(int i)
    {
        CPoint pt = m_bar.GetControl(i)->GetRect().CenterPoint();
        m_bar.ClientToScreen(&pt);
        return pt;
    }
    void MoveTo(POINT pt)
    {
        m_bar.paints = m_bar.redrawRequests = m_bar.requestsAfterInvalidation = 0;
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
        PumpUntilIdle();
    }
    // Whether the edit's caret showed at least once while the thread ran its
    // messages (for a few blink periods when it is expected to stay hidden).
    bool CaretSeen(DWORD timeoutMs = testpump::kDeadline)
    {
        POINT caret = {};
        ::GetCaretPos(&caret);
        return PumpUntil([&] {
            HDC hDC = ::GetDC(m_hEdit);
            bool bSeen = ::GetPixel(hDC, caret.x, caret.y + 4) == RGB(0, 0, 0);
            ::ReleaseDC(m_hEdit, hDC);
            return bSeen;
        }, timeoutMs);
    }

    CTestSite m_site;
    CPaintCountingBar m_bar;
    HWND m_hEdit = nullptr;
};

} // namespace

TEST_F(BarTracking, EachHotChangeRedrawsTheBarOnce)
{
    MoveTo(ScreenCentre(0));
    ASSERT_EQ(m_bar.GetControl(0), m_bar.GetSelected());
    struct Step
    {
        int target;
        int paints;
        int requests;
    } steps[] = {
        {1, 1, 2},  // old control cooled, new one hot
        {1, 0, 0},  // within the same control: no change
        {2, 1, 2},
        {-1, 1, 1}, // off the bar
    };
    for (const Step& s : steps) {
        POINT pt = s.target >= 0 ? ScreenCentre(s.target) : POINT{ScreenCentre(2).x, ScreenCentre(2).y + 60};
        if (s.target == 1 && m_bar.GetSelected() == m_bar.GetControl(1))
            pt.x += 2;
        MoveTo(pt);
        EXPECT_EQ(m_bar.GetControl(s.target), m_bar.GetSelected());
        EXPECT_EQ(s.paints, m_bar.paints) << "to " << s.target;
        EXPECT_EQ(s.requests, m_bar.redrawRequests) << "to " << s.target;
        EXPECT_EQ(0, m_bar.requestsAfterInvalidation) << "controls' redraws wait for the end of the change";
    }
}

TEST_F(BarTracking, TrackingHidesTheFocusCaretAndRaisesFocusEvents)
{
    UINT nBlink = ::GetCaretBlinkTime();
    ::SetCaretBlinkTime(40);
    g_focusChildren.clear();
    g_watchedBar = m_bar.GetSafeHwnd();
    HWINEVENTHOOK hHook = testhook::SetWinEvent(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnWinEvent, 0, 0,
                                                WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hHook);

    EXPECT_TRUE(CaretSeen()) << "the edit's caret blinks before tracking";
    MoveTo(ScreenCentre(2));
    EXPECT_TRUE(g_focusChildren.empty()) << "hot tracking alone is no focus change";

    m_bar.SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    SendKey(VK_RIGHT);
    PumpUntil([&] { return g_focusChildren.size() == 2; });
    EXPECT_FALSE(CaretSeen(300)) << "the caret stays hidden while the bar tracks (for six blink periods)";
    EXPECT_EQ((std::vector<LONG>{1, 2}), g_focusChildren) << "child ids count from one";

    m_bar.EndTracking();
    EXPECT_TRUE(CaretSeen()) << "leaving tracking shows the caret again";
    EXPECT_EQ(m_hEdit, ::GetFocus());

    testhook::RemoveWinEvent(hHook);
    ::SetCaretBlinkTime(nBlink);
}
