// The frame's command bars in the running program: the help menu's web
// pages from the info file the site serves, and a toolbar's place kept over
// a restart.
#include "ProgramRun.h"

#include <algorithm>
#include <cstdlib>

#include "support/ProcessWindows.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace {

const char FirstPageUrl[] = "http://karten.weltturnier2006.test/kartenboerse";

struct Descendants
{
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectDescendant(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<Descendants*>(lParam)->windows.push_back(hWnd);
    return TRUE;
}

std::vector<HWND> VisibleDescendants(HWND hParent)
{
    Descendants found;
    EnumChildWindows(hParent, CollectDescendant, reinterpret_cast<LPARAM>(&found));
    std::vector<HWND> visible;
    for (HWND hWnd : found.windows)
        if (IsWindowVisible(hWnd))
            visible.push_back(hWnd);
    return visible;
}

// The frame's dock bars hold the command bars docked at each side.
const int TopDockBar = 59419, LeftDockBar = 59420;

// The toolbar in a dock bar: the bar window with big buttons (32-pixel icons
// and captions), thicker than the menu bar.
HWND FindToolBar(HWND hFrame, int nDockBarId)
{
    HWND hDockBar = processwindows::FindVisibleChildById(hFrame, nDockBarId);
    if (hDockBar == nullptr)
        return nullptr;
    for (HWND hWnd : VisibleDescendants(hDockBar))
    {
        const SIZE size = processwindows::SizeOf(hWnd);
        if (GetParent(hWnd) == hDockBar && size.cx >= 36 && size.cy >= 36)
            return hWnd;
    }
    return nullptr;
}

int ColourDistance(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b));
}

// Rows of text in a picture of a menu, one band per entry: text stands out
// from its row's background (highlighted or not) at the right margin;
// separators are too thin to count.
int CountTextBands(const testshot::Image& image)
{
    int bands = 0, height = 0;
    for (int y = 0; y <= image.height; ++y)
    {
        int textPixels = 0;
        if (y < image.height)
        {
            const COLORREF background = image.Pixel(image.width - 3, y);
            for (int x = 24; x < image.width - 6; ++x)
                textPixels += ColourDistance(image.Pixel(x, y), background) > 150;
        }
        if (textPixels >= 2)
            ++height;
        else
        {
            bands += height >= 5;
            height = 0;
        }
    }
    return bands;
}

} // namespace

using CommandBars = ProgramRun;

TEST_F(CommandBars, TheHelpMenuListsTheInfoFilesPagesAndOpensTheFirstOne)
{
    SeedSettings();
    s_site->SetScenario(std::string(R"({"offers": [], "webpages": [{"name": "Kartenbörse", "url": ")") + FirstPageUrl +
                        R"("}, {"name": "Stadionplan", "url": "http://karten.weltturnier2006.test/stadion"}]})");
    const PROCESS_INFORMATION process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(testpump::WaitUntil([&] { return CountRequests("info") >= 1; }, kProgramDeadline));
    ASSERT_TRUE(testpump::WaitUntil([&] {
        return GetFileAttributesW(m_program->File(L"wm-info.xml").c_str()) != INVALID_FILE_ATTRIBUTES;
    }, kProgramDeadline));

    const std::vector<HWND> before = processwindows::VisibleTopLevelWindows(process.dwProcessId);
    SetForegroundWindow(Frame());
    ASSERT_TRUE(testpump::WaitUntil([&] { return GetForegroundWindow() == Frame(); }));
    testinput::SendChord({VK_MENU, 'H'});
    HWND hMenu = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        for (HWND hWnd : processwindows::VisibleTopLevelWindows(process.dwProcessId))
            if (std::find(before.begin(), before.end(), hWnd) == before.end())
                hMenu = hWnd;
        return hMenu != nullptr;
    })) << "no help menu";
    // Help, the two pages, About (the menu paints after it shows).
    int entries = 0;
    EXPECT_TRUE(testpump::WaitUntil([&] { return (entries = CountTextBands(ShootWindow(hMenu, L"e2e_help_menu"))) == 4; }))
        << entries << " entries";

    testinput::SendKeys({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(testpump::WaitUntil([&] { return s_browser->Opened() == std::string(FirstPageUrl) + "\n"; }))
        << s_browser->Opened();
    EXPECT_TRUE(EndWithAltX(process));
}

TEST_F(CommandBars, AToolbarDraggedToTheLeftStaysThereAfterARestart)
{
    SeedSettings();
    PROCESS_INFORMATION process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    SetWindowPos(Frame(), nullptr, 40, 40, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND hToolBar = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hToolBar = FindToolBar(Frame(), TopDockBar)) != nullptr; }));
    ShootWindow(Frame(), L"e2e_toolbar_top");

    // By its gripper, to the frame's left edge, as a hand drags.
    const RECT rcBar = processwindows::ScreenRectOf(hToolBar);
    const RECT rcFrame = processwindows::ScreenRectOf(Frame());
    const POINT ptFrom = {rcBar.left + 3, (rcBar.top + rcBar.bottom) / 2};
    const POINT ptTo = {rcFrame.left + 12, (rcFrame.top + rcFrame.bottom) / 2};
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptFrom));
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    for (int step = 1; step <= 20; ++step)
    {
        const POINT pt = {ptFrom.x + (ptTo.x - ptFrom.x) * step / 20, ptFrom.y + (ptTo.y - ptFrom.y) * step / 20};
        ASSERT_TRUE(testinput::MoveMouseAndWait(pt));
    }
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    HWND hLeft = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hLeft = FindToolBar(Frame(), LeftDockBar)) != nullptr; }))
        << "the toolbar did not dock at the left";
    EXPECT_EQ(FindToolBar(Frame(), TopDockBar), nullptr);
    ASSERT_TRUE(EndWithAltX(process));

    process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    HWND hAgain = nullptr;
    EXPECT_TRUE(testpump::WaitUntil([&] { return (hAgain = FindToolBar(Frame(), LeftDockBar)) != nullptr; }))
        << "the toolbar is not at the left after the restart";
    if (hAgain != nullptr)
    {
        // The green "Suche starten" icon is drawn in the bar at the left.
        int greenPixels = 0;
        EXPECT_TRUE(testpump::WaitUntil([&] {
            const testshot::Image bar = ShootWindow(hAgain, L"e2e_toolbar_left");
            greenPixels = CountPixels(bar, RECT{0, 0, bar.width, bar.height}, [](COLORREF c) {
                return GetGValue(c) > 120 && GetRValue(c) < 100 && GetBValue(c) < 100;
            });
            return greenPixels > 50;
        })) << greenPixels << " green pixels";
        ShootWindow(Frame(), L"e2e_toolbar_left_frame");
    }
    EXPECT_TRUE(EndWithAltX(process));
}
