// The main frame polling the simulated ticket site with the real scan
// worker: the interval between polls, a failing list page and stopping.
// The site helper below uses sockets: winsock2 before windows.h.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <sstream>

#include "FrameTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "resources/AppIds.h"
#include "support/SiteSimulation.h"
#include "toolkit/report/records/XTPReportRecords.h"

using namespace frametest;

namespace {

// Seconds of the day ("HH:MM:SS.mmm" in the log) at which the resale list
// was asked for.
std::vector<double> ListRequestTimes(const SimulatedSite& site)
{
    std::vector<double> times;
    for (const std::string& line : site.GetRequests())
    {
        std::istringstream fields(line);
        std::string stamp, host, kind;
        fields >> stamp >> host >> kind;
        int hours = 0, minutes = 0;
        double seconds = 0;
        if (kind == "resale-list" && sscanf(stamp.c_str(), "%d:%d:%lf", &hours, &minutes, &seconds) == 3)
            times.push_back(hours * 3600.0 + minutes * 60.0 + seconds);
    }
    return times;
}

} // namespace

TEST(SitePolling, PollsAnIntervalApartKeepsOffersOverAFailedListAndStopsForGood)
{
    CWinApp app(L"SitePollingApp");  // the frame loads its bar layout through it
    CPollSettings settings(1);
    CTestFolder folder("frame");
    ASSERT_TRUE(CDatabaseManager::GetInstance().OpenOrCreate(folder.Path().c_str()));

    SimulatedSite site(R"({"offers": [{"match": 1, "category": 1}]})");
    ASSERT_TRUE(site.IsRunning());
    CMainFrame* pFrame = CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->RecalcLayout();
    ViewOf(pFrame)->Watch(0, TRUE);
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    const CString strLoaded(L"Die Ticket-Information wurde geladen.");
    // Two polls done and their alert open: the status reads "loading" while a poll runs.
    // Two scans with their pages on a busy machine may take longer than one wait.
    EXPECT_TRUE(testpump::PumpUntil(
        [&] {
            return ListRequestTimes(site).size() >= 2 && pFrame->GetAlerts().GetOpenCount() > 0 &&
                   pFrame->GetStatusText() == strLoaded;
        },
        2 * testpump::kDeadline));
    testpump::PumpUntilIdle();

    EXPECT_EQ(pFrame->GetAlerts().GetOpenCount(), 1);
    EXPECT_EQ(pFrame->GetTicketReport().GetRecords()->GetCount(), 1);
    // With a poll a second, the next one may have begun meanwhile.
    const CString strLoading(L"Die Ticket-Information wird gerade geladen...");
    EXPECT_TRUE(pFrame->GetStatusText() == strLoaded || pFrame->GetStatusText() == strLoading)
        << CStringA(pFrame->GetStatusText()).GetString();
    const std::vector<double> times = ListRequestTimes(site);
    ASSERT_GE(times.size(), 2u);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 0.9) << "polls are the interval apart";

    site.SetScenario(R"({"offers": [{"match": 1, "category": 1}], "pages": {"resale-list": {"status": 500}}})");
    const CString strFailed(L"Die Ticket-Information konnte nicht geladen werden.");
    EXPECT_TRUE(testpump::PumpUntil([&] { return pFrame->GetStatusText() == strFailed; }));
    EXPECT_EQ(pFrame->GetTicketReport().GetRecords()->GetCount(), 1) << "the offer stays open";
    EXPECT_EQ(pFrame->GetAlerts().GetOpenCount(), 1) << "and raises no second popup";

    pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH);
    site.ClearRequests();
    testpump::PumpFor(2500);  // two and a half poll intervals
    EXPECT_TRUE(site.GetRequests().empty()) << "no request after the search stopped";

    pFrame->DestroyWindow();
    testpump::PumpUntilIdle();
    CDatabaseManager::GetInstance().Close();
}
