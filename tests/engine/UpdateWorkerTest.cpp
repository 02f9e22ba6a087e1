// The info-file worker: downloads "wm-info.xml" from the simulated download
// server into the program folder (the folder of this test program).
#include <gtest/gtest.h>

#include "SiteMessageRecorder.h"
#include "support/SiteSimulation.h"
#include "engine/SettingsStore.h"
#include "engine/SiteHosts.h"
#include "engine/ThreadUpdate.h"
#include "engine/WorkerMessages.h"

#include <string>

namespace {

class UpdateWorker : public testing::Test
{
protected:
    void SetUp() override
    {
        m_savedUrl = CSettingsStore::GetInstance().WMInfoURL;
        CSettingsStore::GetInstance().WMInfoURL = CString(L"http://") + DOWNLOAD_SERVER_HOST + L"/qorm/wm-info.xml";
        m_worker.m_hNotifyWnd = m_window.GetHandle();
        RemoveDirectoryW(m_new.c_str());
        DeleteFileW(m_new.c_str());
        WriteFileBytes(m_info, OLD);
    }

    void TearDown() override
    {
        StopAndTime(m_worker);
        CSettingsStore::GetInstance().WMInfoURL = m_savedUrl;
        DeleteFileW(m_info.c_str());
        DeleteFileW(m_new.c_str());
        RemoveDirectoryW(m_new.c_str());
    }

    // The wParam of the run's WM_INFOFILE_UPDATED, -1 when none came.
    int Update()
    {
        m_window.Clear();
        m_worker.StartUpdate();
        if (!m_window.WaitFor(WM_INFOFILE_UPDATED, 30000))
            return -1;
        Joined(m_worker);
        EXPECT_EQ(m_window.GetMessages()[0].lParam, 0);
        return (int)m_window.GetMessages()[0].wParam;
    }

    const std::string OLD = "<Info><WebPage><Name>alt</Name><Url>http://alt/</Url></WebPage></Info>";
    SiteMessageRecorder m_window;
    CThreadUpdate m_worker;
    CString m_savedUrl;
    const std::wstring m_info = (LPCWSTR)(CSettingsStore::GetProgramFolder() + L"wm-info.xml");
    const std::wstring m_new = (LPCWSTR)(CSettingsStore::GetProgramFolder() + L"wm-info.new");
};

} // namespace

TEST_F(UpdateWorker, DownloadReplacesTheInfoFileWithTheBytesAsServed)
{
    SimulatedSite site(R"({"webpages": [{"name": "\u00dcbersicht", "url": "http://a.example/x?y=1&z=2"}]})");
    ASSERT_TRUE(site.IsRunning());
    EXPECT_EQ(Update(), 1);
    EXPECT_EQ(site.CountRequests("info"), 1);
    EXPECT_EQ(ReadFileBytes(m_info), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Info>\n  <WebPage>\n"
                                     "    <Name>\xC3\x9C" "bersicht</Name>\n    <Url>http://a.example/x?y=1&amp;z=2</Url>\n"
                                     "  </WebPage>\n</Info>\n");
    EXPECT_EQ(GetFileAttributesW(m_new.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is left beside it";
}

TEST_F(UpdateWorker, OnlyTheAddedTerminatorIsDroppedAndAnEmptyBodyGivesAnEmptyFile)
{
    SimulatedSite site(R"({"webpages": [{"name": "vor\u0000nach", "url": "http://a.example/"}],
                           "pages": {"info": {"content": "trailing-zeros"}}})");
    ASSERT_TRUE(site.IsRunning());
    EXPECT_EQ(Update(), 1);
    std::string content = ReadFileBytes(m_info);
    ASSERT_GE(content.size(), 3u);
    EXPECT_EQ(content.substr(content.size() - 3), std::string("\n\0\0", 3)) << "the file's own zero bytes stay";
    EXPECT_NE(content.find(std::string("<Name>vor\0nach</Name>", 21)), std::string::npos) << "and so do inner ones";

    site.SetScenario(R"({"pages": {"info": {"content": "empty"}}})");
    EXPECT_EQ(Update(), 1);
    EXPECT_EQ(ReadFileBytes(m_info), "");
}

TEST_F(UpdateWorker, OldInfoFileStaysWhenTheNewOneCannotBeFetchedWrittenOrMovedInPlace)
{
    SimulatedSite site(R"({"pages": {"info": {"status": 404}}})");
    ASSERT_TRUE(site.IsRunning());
    EXPECT_EQ(Update(), 0);
    EXPECT_EQ(ReadFileBytes(m_info), OLD);

    site.SetScenario("{}");
    ASSERT_TRUE(CreateDirectoryW(m_new.c_str(), nullptr)); // "wm-info.new" cannot be written
    EXPECT_EQ(Update(), 0);
    EXPECT_EQ(ReadFileBytes(m_info), OLD);
    RemoveDirectoryW(m_new.c_str());

    // Open elsewhere, without leave to delete it: the move fails and says so.
    HANDLE held = CreateFileW(m_info.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Update(), 0);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(m_info), OLD);
}

TEST_F(UpdateWorker, StopDuringTheDownloadTouchesNothingAndPostsNothing)
{
    SimulatedSite site(R"({"pages": {"info": {"delay": 3}}})");
    ASSERT_TRUE(site.IsRunning());
    m_worker.StartUpdate();
    testpump::PumpFor(300);  // the stop comes while the delayed file is on its way
    EXPECT_LT(StopAndTime(m_worker), 1000u);
    m_window.Drain();
    EXPECT_EQ(m_window.Count(WM_INFOFILE_UPDATED), 0);
    EXPECT_EQ(ReadFileBytes(m_info), OLD);
    EXPECT_EQ(GetFileAttributesW(m_new.c_str()), INVALID_FILE_ATTRIBUTES);
}
