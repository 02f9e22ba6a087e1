// A bar's tooltips come from its manager's context; in the frame's context-help
// mode the bar answers non-client hit tests and clicks for its controls.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "framework/Framework.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/common/XTPToolTipContext.h"

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
    PumpFor(50);

    CPoint pt(10, 10);
    bar.ClientToScreen(&pt);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    PumpFor(100);
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
    PumpFor(50);
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
    pFrame->ShowWindow(SW_SHOWNA);
    PumpFor(30);

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
