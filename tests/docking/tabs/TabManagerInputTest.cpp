// The tab manager's hot tracking (only for the foreground window, cleared
// when the mouse leaves), the arrow keys on vertical strips, and the
// navigate buttons' hot and pressed fills of each colour set.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include "ForcedScheme.h"
#include "TabCanvas.h"
#include "TabTestHost.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"
#include "toolkit/tabs/XTPTabControl.h"
#include "toolkit/tabs/XTPTabManagerNavigateButton.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

int HighlightedIndex(const CXTPTabManager& manager)
{
    CXTPTabManagerItem* item = manager.GetHighlightedItem();
    return item ? item->GetIndex() : -1;
}

} // namespace

TEST(TabManagerInput, HotTrackingFollowsTheMouseOnlyInTheForegroundWindow)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    host.GetPaintManager()->m_bHotTracking = TRUE;
    CTabTestWindow window(host);
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == window.m_hWnd; }));
    const CPoint first = host.ItemRect(0).CenterPoint(), second = host.ItemRect(1).CenterPoint();

    struct Step
    {
        const char* what;
        CPoint point;
        int highlighted;
        int redraws; // added by this step
    } steps[] = {
        {"onto the first tab", first, 0, 1},
        {"within it", first + CPoint(3, 0), 0, 0},
        {"onto the second", second, 1, 1},
        {"off the tabs", CPoint(5, 150), -1, 1},
        {"back", second, 1, 1},
        {"the mouse left the window", CPoint(-1, -1), -1, 1},
    };
    for (const Step& step : steps)
    {
        int before = host.m_nRedraws;
        host.PerformMouseMove(window.m_hWnd, step.point);
        EXPECT_EQ(step.highlighted, HighlightedIndex(host)) << step.what;
        EXPECT_EQ(step.redraws, host.m_nRedraws - before) << step.what;
    }

    // Another window in front: moves over the strip highlight nothing.
    CWnd other;
    other.CreateEx(0, AfxRegisterWndClass(0), L"Davor", WS_POPUP | WS_VISIBLE, CRect(600, 20, 700, 120), nullptr, 0);
    ::SetForegroundWindow(other.m_hWnd);
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == other.m_hWnd; }));
    host.PerformMouseMove(window.m_hWnd, first);
    EXPECT_EQ(-1, HighlightedIndex(host)) << "not the foreground window";
    other.DestroyWindow();

    // Hot tracking off: the foreground window highlights nothing either.
    ::SetForegroundWindow(window.m_hWnd);
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == window.m_hWnd; }));
    host.GetPaintManager()->m_bHotTracking = FALSE;
    host.PerformMouseMove(window.m_hWnd, first);
    EXPECT_EQ(-1, HighlightedIndex(host)) << "hot tracking off";
}

TEST(TabManagerInput, TheTabControlLosesItsHotTabWhenTheMouseLeaves)
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"Ansicht",
                    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(50, 50, 450, 350), nullptr, 0);
    ::SetForegroundWindow(parent.m_hWnd);
    CXTPTabControl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 390, 290), &parent, 5));
    tabs.GetPaintManager()->m_bHotTracking = TRUE;
    tabs.InsertItem(0, L"WM Tickets", nullptr);
    tabs.InsertItem(1, L"Online Statistik", nullptr);
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == parent.m_hWnd; }));

    CPoint onSecond = tabs.GetItem(1)->GetRect().CenterPoint();
    testinput::MoveMouseTo(testinput::ClientToScreenPoint(tabs.m_hWnd, onSecond.x, onSecond.y));
    EXPECT_TRUE(testpump::PumpUntil([&] { return HighlightedIndex(tabs) == 1; })) << "hot under the mouse";
    testinput::MoveMouseTo(POINT{700, 500});
    EXPECT_TRUE(testpump::PumpUntil([&] { return HighlightedIndex(tabs) == -1; })) << "cleared when it left";
    tabs.DestroyWindow();
    parent.DestroyWindow();
}

TEST(TabManagerInput, ArrowKeysOnVerticalStrips)
{
    struct Case
    {
        const char* what;
        int position;
        UINT key;
        int from;
        int to;
    } cases[] = {
        {"down skips the disabled tab", xtpTabPositionLeft, VK_DOWN, 1, 3},
        {"up skips it too", xtpTabPositionRight, VK_UP, 3, 1},
        {"up from the first", xtpTabPositionLeft, VK_UP, 0, 0},
        {"down from the last", xtpTabPositionRight, VK_DOWN, 4, 4},
        {"right on a vertical strip", xtpTabPositionLeft, VK_RIGHT, 1, 1},
        {"left on a vertical strip", xtpTabPositionRight, VK_LEFT, 3, 3},
        {"up on a horizontal strip", xtpTabPositionBottom, VK_UP, 3, 3},
    };
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.UseFixedLengths();
        host.GetPaintManager()->SetPosition(c.position);
        host.AddTabs({40, 40, 40, 40, 40});
        host.GetItem(2)->SetEnabled(FALSE);
        host.SetCurSel(c.from);
        EXPECT_TRUE(host.PerformKeyDown(nullptr, c.key)) << c.what << ": an arrow is always handled";
        EXPECT_EQ(c.to, host.GetCurSel()) << c.what;
    }

    // Right-to-left layout exchanges Left and Right only.
    CTabTestHost host;
    host.GetPaintManager()->SetPosition(xtpTabPositionLeft);
    host.AddTabs({40, 40, 40});
    host.SetCurSel(1);
    CWnd mirrored;
    mirrored.CreateEx(WS_EX_LAYOUTRTL, AfxRegisterWndClass(0), L"rtl", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    EXPECT_TRUE(host.PerformKeyDown(mirrored.m_hWnd, VK_DOWN));
    EXPECT_EQ(2, host.GetCurSel());
    mirrored.DestroyWindow();
}

TEST(TabManagerInput, NavigateButtonFillsWhenHotAndPressed)
{
    // Read in a 20 x 20 button at (10, 10): its corners and its middle.
    const COLORREF canvasColour = RGB(0, 255, 0);
    CXTPColorManager* colours = XTPGetColorManager();
    auto sys = [](int n) { return ::GetSysColor(n); };
    struct Case
    {
        const char* what;
        int colorSet;
        bool hot, pressed;
        COLORREF topLeft, bottomRight, middle, glyph;
        bool shifted; // the glyph's rectangle moves 1 right and down
    } cases[] = {
        {"default, idle", xtpTabColorDefault, false, false, canvasColour, canvasColour, canvasColour,
         sys(COLOR_BTNTEXT), false},
        {"default, hot", xtpTabColorDefault, true, false, sys(COLOR_3DHIGHLIGHT), sys(COLOR_3DSHADOW), canvasColour,
         sys(COLOR_BTNTEXT), false},
        {"default, pressed", xtpTabColorDefault, true, true, sys(COLOR_3DSHADOW), sys(COLOR_3DHIGHLIGHT), canvasColour,
         sys(COLOR_BTNTEXT), true},
        {"visual studio, hot", xtpTabColorVisualStudio, true, false, sys(COLOR_3DFACE), sys(COLOR_BTNTEXT),
         canvasColour, colours->GetColor(49), false},
        {"visual studio, pressed", xtpTabColorVisualStudio, true, true, sys(COLOR_BTNTEXT), sys(COLOR_3DFACE),
         canvasColour, colours->GetColor(49), true},
        {"office 2003, idle", xtpTabColorOffice2003, false, false, canvasColour, canvasColour, canvasColour,
         colours->GetColor(18), false},
        {"office 2003, hot", xtpTabColorOffice2003, true, false, colours->GetColor(31), colours->GetColor(31),
         colours->GetColor(32), colours->GetColor(45), false},
        {"office 2003, pressed", xtpTabColorOffice2003, true, true, colours->GetColor(33), colours->GetColor(33),
         colours->GetColor(50), colours->GetColor(47), false},
    };
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.GetPaintManager()->SetColor(c.colorSet);
        CXTPTabManagerNavigateButton* button = host.GetNavigateButton(xtpTabNavigateButtonClose);
        button->m_bEnabled = TRUE;
        button->m_bHot = c.hot;
        button->m_bPressed = c.pressed;
        CTabCanvas canvas(40, 40, canvasColour);
        CRect rc(10, 10, 30, 30);
        host.GetPaintManager()->GetColorSet()->FillNavigateButton(canvas.DC(), button, rc);
        EXPECT_EQ(c.topLeft, canvas.Pixel(10, 10)) << c.what;
        EXPECT_EQ(c.bottomRight, canvas.Pixel(29, 29)) << c.what;
        EXPECT_EQ(c.middle, canvas.Pixel(20, 20)) << c.what;
        EXPECT_EQ(c.glyph, canvas.DC()->GetTextColor()) << c.what;
        EXPECT_EQ(c.shifted ? CRect(11, 11, 31, 31) : CRect(10, 10, 30, 30), rc) << c.what;
    }

    // With the blue scheme's palette: vertical gradients, framed dark blue.
    CForcedScheme blue(L"NormalColor");
    struct Scheme
    {
        bool pressed;
        COLORREF top, bottom;
    } schemes[] = {{false, RGB(255, 242, 200), RGB(255, 212, 151)}, {true, RGB(254, 142, 75), RGB(255, 207, 139)}};
    for (const Scheme& s : schemes)
    {
        CTabTestHost host;
        host.GetPaintManager()->SetColor(xtpTabColorOffice2003);
        auto* office = dynamic_cast<CXTPTabPaintManager::CColorSetOffice2003*>(host.GetPaintManager()->GetColorSet());
        ASSERT_NE(nullptr, office);
        ASSERT_TRUE(office->HasSchemePalette());
        CXTPTabManagerNavigateButton* button = host.GetNavigateButton(xtpTabNavigateButtonClose);
        button->m_bHot = TRUE;
        button->m_bPressed = s.pressed;
        CTabCanvas canvas(40, 40, canvasColour);
        CRect rc(10, 10, 30, 30);
        office->FillNavigateButton(canvas.DC(), button, rc);
        std::string what = s.pressed ? "scheme, pressed" : "scheme, hot";
        EXPECT_EQ(RGB(0, 0, 128), canvas.Pixel(10, 20)) << what << ": frame";
        EXPECT_TRUE(Near(s.top, canvas.Pixel(20, 11), 12)) << what;
        EXPECT_TRUE(Near(s.bottom, canvas.Pixel(20, 28), 12)) << what;
    }
}
