// The main view's tabs in the running program: the online statistics page
// fetched from the simulated statistics site and drawn.
#include "ProgramRun.h"

#include "support/ProcessWindows.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace {

const int TabControlId = 102, StatisticReportId = 103;
const COLORREF OddRowGrey = RGB(0xF5, 0xF5, 0xF5);

// Bands of grey rows down the report's right edge, where no text reaches (below its header).
int CountGreyBands(const testshot::Image& image)
{
    int bands = 0;
    bool bInBand = false;
    for (int y = 22; y < image.height; ++y)
    {
        const bool bGrey = image.Pixel(image.width - 6, y) == OddRowGrey;
        bands += bGrey && !bInBand;
        bInBand = bGrey;
    }
    return bands;
}

} // namespace

using View = ProgramRun;

TEST_F(View, TheStatisticsTabAsksTheStatisticsSiteAndDrawsItsRows)
{
    SeedSettings();
    // Seven periods over in the first seconds: seven rows, every second one grey.
    s_site->SetScenario(R"({"offers": [
        {"match": 1, "category": 1, "from": 0, "to": 1}, {"match": 2, "category": 2, "from": 0, "to": 1},
        {"match": 3, "category": 3, "from": 0, "to": 1}, {"match": 4, "category": 4, "from": 0, "to": 1},
        {"match": 5, "category": 1, "from": 0, "to": 1}, {"match": 6, "category": 2, "from": 0, "to": 1},
        {"team": "Deutschland", "series": 3, "from": 0, "to": 1}]})");
    const PROCESS_INFORMATION process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    SetWindowPos(Frame(), nullptr, 40, 40, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND hTabs = processwindows::FindVisibleChildById(Frame(), TabControlId);
    ASSERT_NE(hTabs, nullptr);
    ShootWindow(hTabs, L"e2e_tabs_matches");
    EXPECT_EQ(CountRequests("statistics"), 0);

    const POINT ptTab = testinput::ClientToScreenPoint(hTabs, 120, 10);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptTab));
    testinput::ClickAt(ptTab);
    ASSERT_TRUE(WaitForRequests("statistics", 1));
    HWND hStatistic = nullptr;
    ASSERT_TRUE(testpump::WaitUntil(
        [&] { return (hStatistic = processwindows::FindVisibleChildById(Frame(), StatisticReportId)) != nullptr; }));
    int bands = 0;
    EXPECT_TRUE(testpump::WaitUntil([&] {
        bands = CountGreyBands(ShootWindow(hStatistic, L"e2e_statistics"));
        return bands == 3;
    })) << bands << " grey bands";
    EXPECT_TRUE(EndWithAltX(process));
}
