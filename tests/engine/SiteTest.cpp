// The simulated ticket site itself: its own self-test, and that WinInet
// reaches it as a proxy with the program's host names unchanged.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include "SiteSimulation.h"
#include "engine/SiteHosts.h"

namespace {

// A plain blocking GET through the pre-configured proxy; status and body.
int FetchThroughProxy(const wchar_t* host, const wchar_t* path, std::string& body)
{
    int status = 0;
    HINTERNET session = InternetOpenW(L"SiteTest", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET connection = session ? InternetConnectW(session, host, 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)
                                   : nullptr;
    HINTERNET request = connection ? HttpOpenRequestW(connection, L"GET", path, nullptr, nullptr, nullptr,
                                                      INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RELOAD, 0)
                                   : nullptr;
    if (request && HttpSendRequestW(request, nullptr, 0, nullptr, 0))
    {
        DWORD code = 0, size = sizeof code;
        HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr);
        status = (int)code;
        char buffer[4096];
        DWORD read = 0;
        while (InternetReadFile(request, buffer, sizeof buffer, &read) && read > 0)
            body.append(buffer, read);
    }
    for (HINTERNET handle : {request, connection, session})
        if (handle)
            InternetCloseHandle(handle);
    return status;
}

} // namespace

TEST(Site, SelfTestOfThePagesAndScenariosPasses)
{
    ASSERT_FALSE(SourceFolderUnix().empty()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    std::string resultUnix = TestFolderUnix() + "/site-selftest-" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::wstring result = WindowsPathOf(resultUnix);
    DeleteFileW(result.c_str());
    ASSERT_TRUE(StartLinuxProgram("Z:\\usr\\bin\\python3 " + SourceFolderUnix() +
                                  "/tools/ticketsite/test_ticketsite.py --result-file " + resultUnix));
    std::string report;
    for (int waited = 0; waited < 60000 && !ReadWholeFile(result, report); waited += 100)
        Sleep(100);
    DeleteFileW(result.c_str());
    ASSERT_FALSE(report.empty()) << "the self-test wrote no result";
    EXPECT_EQ(report[0], '0') << report;
}

TEST(Site, ServesTheProgramsHostsAsItsProxyAndLogsEachRequest)
{
    SimulatedSite site(R"({"offers": [{"match": 7, "category": 2, "state": "ltl"}],
                           "pages": {"statistics": {"status": 404}}})");
    ASSERT_TRUE(site.IsRunning());

    std::string body;
    EXPECT_EQ(FetchThroughProxy(TICKET_SITE_HOST,
                                L"/cgi-bin/ds_wmd?fun=pksbyeventreihe&doc=ds_einzel1&id=WMD_NO_SESSION&affiliate=wmd&key=0",
                                body),
              200);
    EXPECT_NE(body.find("<td class=\"nr\">#64</td>"), std::string::npos);
    EXPECT_NE(body.find("tickets_ltl"), std::string::npos);
    body.clear();
    EXPECT_EQ(FetchThroughProxy(STATISTIC_SITE_HOST, L"/Statistics.aspx", body), 404);

    std::vector<std::string> requests = site.GetRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(site.CountRequests("resale-list"), 1);
    EXPECT_EQ(site.CountRequests("statistics"), 1);
    EXPECT_NE(requests[1].find(" 404 /Statistics.aspx"), std::string::npos) << requests[1];
}
