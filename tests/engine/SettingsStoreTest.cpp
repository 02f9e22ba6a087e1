// The engine's settings store: defaults, loading and saving section
// "Settings", start with Windows, the watch flags, and the hand-over of
// worker results by generation.
#include <gtest/gtest.h>

#include "engine/SettingsStore.h"

#include "EngineTestApp.h"

#include <thread>
#include <vector>

namespace {

const wchar_t SettingsKey[] = L"Software\\Brannoch\\Tavrolin\\Settings";
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// What the store answered for generation 0 before any test could issue one:
// asked while the program starts, before main.
struct CFirstScanAnswer
{
    BOOL bResult = FALSE;
    size_t nMatches = 0;
    size_t nTeams = 0;
    int nGeneration = -1;

    CFirstScanAnswer()
    {
        CSettingsStore& store = CSettingsStore::GetInstance();
        nGeneration = store.GetScanGeneration();
        CAtlArray<MatchStatus> matches;
        CAtlArray<TeamTstStatus> teams;
        matches.SetCount(3);
        teams.SetCount(2);
        bResult = store.GetScanResults(0, matches, teams);
        nMatches = matches.GetCount();
        nTeams = teams.GetCount();
    }
} s_firstScanAnswer;

void WriteSetting(LPCWSTR pszName, DWORD dwType, const void* pData, DWORD dwSize)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), dwSize);
    RegCloseKey(hKey);
}

void WriteDword(LPCWSTR pszName, DWORD dwValue)
{
    WriteSetting(pszName, REG_DWORD, &dwValue, sizeof dwValue);
}

bool ReadValue(LPCWSTR pszKey, LPCWSTR pszName, DWORD& dwType, std::vector<BYTE>& data)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD dwSize = 0;
    LONG lResult = RegQueryValueExW(hKey, pszName, nullptr, &dwType, nullptr, &dwSize);
    data.assign(dwSize, 0);
    if (lResult == ERROR_SUCCESS && dwSize != 0)
        lResult = RegQueryValueExW(hKey, pszName, nullptr, &dwType, data.data(), &dwSize);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

void SetRunValue(DWORD dwType, const void* pData, DWORD dwSize)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_SET_VALUE, &hKey), ERROR_SUCCESS);
    RegSetValueExW(hKey, L"Tavrolin", 0, dwType, static_cast<const BYTE*>(pData), dwSize);
    RegCloseKey(hKey);
}

void DeleteRunValue()
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_SET_VALUE, &hKey) == ERROR_SUCCESS)
    {
        RegDeleteValueW(hKey, L"Tavrolin");
        RegCloseKey(hKey);
    }
}

MatchStatus Match(int nNumber, int nFirstCategory)
{
    MatchStatus match;
    match.nMatch = nNumber;
    match.nCategory[0] = nFirstCategory;
    return match;
}

TeamTstStatus Team(int nTeam, int nSeries3)
{
    TeamTstStatus team;
    team.nTeam = nTeam;
    team.nSeries[0] = nSeries3;
    return team;
}

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TavrolinTestApp();
        DeleteUserKey(L"Brannoch\\Tavrolin\\Settings");
        DeleteRunValue();
        m_store.SetDefaults();
    }
    void TearDown() override
    {
        DeleteUserKey(L"Brannoch\\Tavrolin\\Settings");
        DeleteRunValue();
        m_store.SetDefaults();
    }

    CSettingsStore& m_store = CSettingsStore::GetInstance();
};

} // namespace

// --- settings ---------------------------------------------------------------

TEST_F(SettingsStoreTest, DefaultsOfEverySetting)
{
    EXPECT_EQ(m_store.Interval, 30);
    EXPECT_EQ(m_store.MaxDiff, 4);
    EXPECT_EQ(m_store.StartMinimized, 0);
    EXPECT_EQ(m_store.OpenWeb, 1);
    EXPECT_EQ(m_store.Beep, 1);
    EXPECT_EQ(m_store.StartWithWindows, 1);
    EXPECT_EQ(m_store.AutoScan, 1);
    EXPECT_EQ(m_store.FindTST, 1);
    EXPECT_EQ(m_store.FindResale, 1);
    EXPECT_EQ(m_store.ShowInfo, 1);
    EXPECT_EQ(m_store.FindYellow, 1);
    EXPECT_EQ(m_store.WMInfoURL.Left(7), L"http://");
    EXPECT_EQ(m_store.WMInfoURL.Right(17), L"/qorm/wm-info.xml");
    EXPECT_EQ(m_store.GetInfoUrl(), m_store.WMInfoURL);
}

TEST_F(SettingsStoreTest, SoundDefaultsToTheWindowsNotifySoundOnlyWhenItExists)
{
    WCHAR szWindows[MAX_PATH] = {};
    GetWindowsDirectoryW(szWindows, MAX_PATH);
    CString strMedia = CString(szWindows) + L"\\Media";
    CString strSound = strMedia + L"\\notify.wav";
    bool bExisted = GetFileAttributesW(strSound) != INVALID_FILE_ATTRIBUTES;
    bool bMediaExisted = GetFileAttributesW(strMedia) != INVALID_FILE_ATTRIBUTES;

    CreateDirectoryW(strMedia, nullptr);
    HANDLE hFile = CreateFileW(strSound, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    CloseHandle(hFile);
    m_store.SetDefaults();
    EXPECT_EQ(m_store.Sound.CompareNoCase(strSound), 0) << static_cast<LPCWSTR>(m_store.Sound);

    if (!bExisted)
    {
        DeleteFileW(strSound);
        if (!bMediaExisted)
            RemoveDirectoryW(strMedia);
        m_store.SetDefaults();
        EXPECT_TRUE(m_store.Sound.IsEmpty());
    }
}

TEST_F(SettingsStoreTest, FirstStartTurnsOnStartWithWindowsWithTheQuotedProgramPath)
{
    m_store.StartWithWindows = 0;
    m_store.Interval = 99;
    EXPECT_TRUE(m_store.Load());
    EXPECT_EQ(m_store.Interval, 30);
    EXPECT_EQ(m_store.MaxDiff, 4);
    EXPECT_EQ(m_store.StartWithWindows, 1);

    DWORD dwType = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadValue(RunKey, L"Tavrolin", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_SZ));
    CString strExpected = L"\"" + CSettingsStore::GetProgramPath() + L"\"";
    ASSERT_EQ(data.size(), (strExpected.GetLength() + 1) * sizeof(WCHAR));
    EXPECT_EQ(CString(reinterpret_cast<LPCWSTR>(data.data())), strExpected);
}

TEST_F(SettingsStoreTest, LaterStartsReportStartWithWindowsFromTheRunValue)
{
    WriteDword(L"Interval", 30);
    EXPECT_TRUE(m_store.Load());
    EXPECT_EQ(m_store.StartWithWindows, 0);
    DWORD dwType = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadValue(RunKey, L"Tavrolin", dwType, data));

    m_store.SetStartWithWindows(TRUE);
    EXPECT_TRUE(m_store.Load());
    EXPECT_EQ(m_store.StartWithWindows, 1);

    m_store.SetStartWithWindows(FALSE);
    EXPECT_EQ(m_store.StartWithWindows, 0);
    EXPECT_FALSE(ReadValue(RunKey, L"Tavrolin", dwType, data));
    EXPECT_TRUE(m_store.Load());
    EXPECT_EQ(m_store.StartWithWindows, 0);
}

TEST_F(SettingsStoreTest, OnlyATerminatedStringThatFitsCountsAsTheRunValue)
{
    WriteDword(L"Interval", 30);
    const wchar_t path[] = L"\"C:\\Tavrolin.exe\"";
    SetRunValue(REG_EXPAND_SZ, path, sizeof path);
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 1);

    // No terminator (the registry adds one when a zero follows the data).
    const wchar_t unterminated[] = L"\"C:\\Tavrolin.exe\"X";
    SetRunValue(REG_SZ, unterminated, sizeof unterminated - 2 * sizeof(wchar_t));
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 0);

    DWORD dwOne = 1;
    SetRunValue(REG_DWORD, &dwOne, sizeof dwOne);
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 0);

    std::wstring fits(519, L'x');
    SetRunValue(REG_SZ, fits.c_str(), DWORD((fits.size() + 1) * sizeof(wchar_t)));
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 1);
    std::wstring tooLong(520, L'x');
    SetRunValue(REG_SZ, tooLong.c_str(), DWORD((tooLong.size() + 1) * sizeof(wchar_t)));
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 0);
}

TEST_F(SettingsStoreTest, LoadBoundsTheIntervalAndKeepsMaxDiffAtAFifthOfIt)
{
    const struct
    {
        DWORD dwInterval, dwMaxDiff;
        int nInterval, nMaxDiff;
    } cases[] = {
        {12, 4, 12, 2}, {3, 4, 3, 0}, {30, 4, 30, 4}, {100, 7, 100, 7}, {25, 5, 25, 5},
        {0, 4, 1, 0},                            // no interval would poll without pause
        {0xFFFFFFFF, 4, 100000, 4},              // "-1" is a huge unsigned interval
        {200000, 50000, 100000, 20000}, {30, 0xFFFFFFFF, 30, 6},
    };
    for (const auto& test : cases)
    {
        WriteDword(L"Interval", test.dwInterval);
        WriteDword(L"MaxDiff", test.dwMaxDiff);
        m_store.Load();
        EXPECT_EQ(m_store.Interval, test.nInterval) << test.dwInterval << "/" << test.dwMaxDiff;
        EXPECT_EQ(m_store.MaxDiff, test.nMaxDiff) << test.dwInterval << "/" << test.dwMaxDiff;
    }
    // A missing "MaxDiff" is 4, then bounded.
    DeleteUserKey(L"Brannoch\\Tavrolin\\Settings");
    WriteDword(L"Interval", 10);
    m_store.Load();
    EXPECT_EQ(m_store.MaxDiff, 2);
}

TEST_F(SettingsStoreTest, AnOverlongIntervalValueNeverSpillsIntoItsNeighbours)
{
    BYTE eight[8] = {45, 0, 0, 0, 9, 9, 9, 9};
    WriteSetting(L"Interval", REG_BINARY, eight, sizeof eight);
    WriteDword(L"MaxDiff", 3);
    m_store.Load();
    EXPECT_EQ(m_store.Interval, 30);
    EXPECT_EQ(m_store.MaxDiff, 3);
    EXPECT_EQ(m_store.StartMinimized, 0);
}

TEST_F(SettingsStoreTest, MissingSettingsKeepTheirCurrentValues)
{
    WriteDword(L"Interval", 30);
    m_store.StartMinimized = 1;
    m_store.FindTST = 0;
    m_store.Beep = 0;
    m_store.Sound = L"C:\\keep.wav";
    m_store.WMInfoURL = L"http://keep/qorm/wm-info.xml";
    m_store.Load();
    EXPECT_EQ(m_store.StartMinimized, 1);
    EXPECT_EQ(m_store.FindTST, 0);
    EXPECT_EQ(m_store.Beep, 0);
    EXPECT_EQ(m_store.Sound, L"C:\\keep.wav");
    EXPECT_EQ(m_store.WMInfoURL, L"http://keep/qorm/wm-info.xml");
}

TEST_F(SettingsStoreTest, SaveWritesEverySettingButTheInfoUrlAndLoadReadsThemBack)
{
    m_store.Interval = 60;
    m_store.MaxDiff = 9;
    m_store.StartMinimized = 1;
    m_store.OpenWeb = 0;
    m_store.Beep = 0;
    m_store.AutoScan = 0;
    m_store.FindTST = 0;
    m_store.FindResale = 0;
    m_store.ShowInfo = 0;
    m_store.FindYellow = 0;
    m_store.Sound = L"D:\\Kl\u00e4nge\\alarm.wav";
    EXPECT_TRUE(m_store.Save());

    DWORD dwType = 0;
    std::vector<BYTE> data;
    for (LPCWSTR pszName : {L"Interval", L"MaxDiff", L"StartMinimized", L"OpenWeb", L"Beep", L"AutoScan", L"FindTST",
                            L"FindResale", L"ShowInfo", L"FindYellow"})
    {
        ASSERT_TRUE(ReadValue(SettingsKey, pszName, dwType, data)) << pszName;
        EXPECT_EQ(dwType, DWORD(REG_DWORD)) << pszName;
    }
    ASSERT_TRUE(ReadValue(SettingsKey, L"Sound", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_SZ));
    EXPECT_FALSE(ReadValue(SettingsKey, L"WMInfoURL", dwType, data));
    EXPECT_FALSE(ReadValue(RunKey, L"Tavrolin", dwType, data));

    m_store.SetDefaults();
    m_store.Load();
    EXPECT_EQ(m_store.Interval, 60);
    EXPECT_EQ(m_store.MaxDiff, 9);
    EXPECT_EQ(m_store.StartMinimized, 1);
    EXPECT_EQ(m_store.OpenWeb, 0);
    EXPECT_EQ(m_store.Beep, 0);
    EXPECT_EQ(m_store.AutoScan, 0);
    EXPECT_EQ(m_store.FindTST, 0);
    EXPECT_EQ(m_store.FindResale, 0);
    EXPECT_EQ(m_store.ShowInfo, 0);
    EXPECT_EQ(m_store.FindYellow, 0);
    EXPECT_EQ(m_store.Sound, L"D:\\Kl\u00e4nge\\alarm.wav");
    EXPECT_EQ(m_store.StartWithWindows, 0);
}

TEST_F(SettingsStoreTest, InfoUrlIsReadButNeverWritten)
{
    const wchar_t url[] = L"http://elsewhere.example/qorm/wm-info.xml";
    WriteSetting(L"WMInfoURL", REG_SZ, url, sizeof url);
    WriteDword(L"Interval", 30);
    m_store.Load();
    EXPECT_EQ(m_store.GetInfoUrl(), url);
}

TEST_F(SettingsStoreTest, ProgramPathAndFolder)
{
    CString strPath = CSettingsStore::GetProgramPath();
    EXPECT_EQ(strPath.Right(16).CompareNoCase(L"engine_tests.exe"), 0) << static_cast<LPCWSTR>(strPath);
    CString strFolder = CSettingsStore::GetProgramFolder();
    EXPECT_EQ(strFolder.Right(1), L"\\");
    EXPECT_EQ(strFolder + L"engine_tests.exe", strPath.Left(strFolder.GetLength()) + L"engine_tests.exe");
    EXPECT_EQ(CSettingsStore::GetFolderOfPath(L"C:\\a\\b.exe"), L"C:\\a\\");
    EXPECT_EQ(CSettingsStore::GetFolderOfPath(L"b.exe"), L"");
    EXPECT_EQ(CSettingsStore::GetFolderOfPath(L""), L"");
}

// --- watch flags --------------------------------------------------------------

TEST_F(SettingsStoreTest, WatchFlagsRoundTripAsExactly256Bytes)
{
    int flags[64];
    for (int i = 0; i < 64; ++i)
        flags[i] = (i % 3 == 0) ? 1 : 0;
    flags[63] = -7;
    EXPECT_EQ(m_store.SaveCheckedFlags(flags), TRUE);
    DWORD dwType = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadValue(SettingsKey, L"Checked", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_BINARY));
    ASSERT_EQ(data.size(), 256u);
    EXPECT_EQ(data[252], 0xF9);  // -7, little-endian, last

    int loaded[64] = {};
    m_store.LoadCheckedFlags(loaded);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(loaded[i], flags[i]) << i;
}

TEST_F(SettingsStoreTest, WatchFlagsOfAnyOtherLengthAllLoadAsOne)
{
    std::vector<BYTE> zeros(300, 0);
    for (DWORD dwSize : {0u, 4u, 255u, 257u, 300u})
    {
        WriteSetting(L"Checked", REG_BINARY, zeros.data(), dwSize);
        int flags[64] = {};
        m_store.LoadCheckedFlags(flags);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(flags[i], 1) << dwSize << " bytes, flag " << i;
    }
    DeleteUserKey(L"Brannoch\\Tavrolin\\Settings");
    int flags[64] = {};
    m_store.LoadCheckedFlags(flags);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(flags[i], 1) << "missing, flag " << i;
}

// --- generations --------------------------------------------------------------

TEST(SettingsStoreGenerations, BeforeAnyScanGenerationZeroHandsOutEmptyArrays)
{
    if (s_firstScanAnswer.nGeneration != 0)
        GTEST_SKIP() << "a scan generation was issued before the program's main code";
    EXPECT_TRUE(s_firstScanAnswer.bResult);
    EXPECT_EQ(s_firstScanAnswer.nMatches, 0u);
    EXPECT_EQ(s_firstScanAnswer.nTeams, 0u);
}

TEST(SettingsStoreGenerations, ASupersededScanNeverOverwritesTheNewerOne)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    int nOlder = store.IssueScanGeneration();
    int nNewer = store.IssueScanGeneration();
    EXPECT_EQ(nNewer, nOlder + 1);
    EXPECT_EQ(store.GetScanGeneration(), nNewer);

    CAtlArray<MatchStatus> newerMatches, olderMatches;
    CAtlArray<TeamTstStatus> newerTeams, olderTeams;
    newerMatches.Add(Match(1, 2));
    newerMatches.Add(Match(2, 1));
    newerTeams.Add(Team(8, 1));
    olderMatches.Add(Match(9, 9));
    store.SetScanResults(nNewer, newerMatches, newerTeams);
    store.SetScanResults(nOlder, olderMatches, olderTeams);  // finishes last

    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    matches.Add(Match(33, 0));
    EXPECT_FALSE(store.GetScanResults(nOlder, matches, teams));
    ASSERT_EQ(matches.GetCount(), 1u);
    EXPECT_EQ(matches[0].nMatch, 33);

    ASSERT_TRUE(store.GetScanResults(nNewer, matches, teams));
    ASSERT_EQ(matches.GetCount(), 2u);
    EXPECT_EQ(matches[0].nMatch, 1);
    EXPECT_EQ(matches[0].nCategory[0], 2);
    EXPECT_EQ(matches[1].nMatch, 2);
    ASSERT_EQ(teams.GetCount(), 1u);
    EXPECT_EQ(teams[0].nTeam, 8);
    EXPECT_EQ(teams[0].nSeries[0], 1);

    // Results of a generation not yet issued are kept too (no newer exists).
    EXPECT_FALSE(store.GetScanResults(nNewer + 1, matches, teams));
}

TEST(SettingsStoreGenerations, AFinishedScanWithNoRecordsHandsOutEmptyArrays)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    int nGeneration = store.IssueScanGeneration();
    CAtlArray<MatchStatus> none;
    CAtlArray<TeamTstStatus> noTeams;
    store.SetScanResults(nGeneration, none, noTeams);
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    matches.Add(Match(1, 1));
    teams.Add(Team(1, 1));
    EXPECT_TRUE(store.GetScanResults(nGeneration, matches, teams));
    EXPECT_EQ(matches.GetCount(), 0u);
    EXPECT_EQ(teams.GetCount(), 0u);
}

TEST(SettingsStoreGenerations, StatisticsOfTheLatestRunOrNoneWhenItFailed)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    int nFirst = store.IssueStatisticGeneration();
    CAtlArray<StatRow> rows;
    rows.SetCount(2);
    rows[0].strCity = L"K\u00f6ln";
    rows[1].strCity = L"Berlin";
    rows[1].dtMatch = COleDateTime(2006, 7, 9, 20, 0, 0);
    store.SetStatisticResults(nFirst, rows);

    CAtlArray<StatRow> copy;
    ASSERT_TRUE(store.GetStatisticResults(nFirst, copy));
    ASSERT_EQ(copy.GetCount(), 2u);
    EXPECT_EQ(copy[0].strCity, L"K\u00f6ln");
    EXPECT_EQ(copy[1].dtMatch, COleDateTime(2006, 7, 9, 20, 0, 0));

    // The next run could not read the page.
    int nSecond = store.IssueStatisticGeneration();
    EXPECT_FALSE(store.GetStatisticResults(nSecond, copy));
    EXPECT_EQ(copy.GetCount(), 2u);
    store.ClearStatisticResults(nSecond);
    EXPECT_TRUE(store.GetStatisticResults(nSecond, copy));
    EXPECT_EQ(copy.GetCount(), 0u);
    EXPECT_FALSE(store.GetStatisticResults(nFirst, copy));

    // A late run of the first generation changes nothing.
    store.SetStatisticResults(nFirst, rows);
    store.ClearStatisticResults(nFirst);
    EXPECT_FALSE(store.GetStatisticResults(nFirst, copy));
    EXPECT_TRUE(store.GetStatisticResults(nSecond, copy));
    EXPECT_EQ(copy.GetCount(), 0u);
}

TEST(SettingsStoreGenerations, ConcurrentWorkersLeaveOnlyTheLatestResults)
{
    // Starters issue generations while workers of older ones keep finishing.
    CSettingsStore& store = CSettingsStore::GetInstance();
    volatile LONG nDone = 0;
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
    {
        workers.emplace_back([&store, &nDone, t] {
            for (int i = 0; i < 200; ++i)
            {
                int nGeneration = store.IssueScanGeneration();
                CAtlArray<MatchStatus> matches;
                CAtlArray<TeamTstStatus> teams;
                matches.Add(Match(nGeneration, t));
                store.SetScanResults(nGeneration - 1, matches, teams);  // always superseded
                store.SetScanResults(nGeneration, matches, teams);
            }
            InterlockedIncrement(&nDone);
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    int nLatest = store.GetScanGeneration();
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    ASSERT_TRUE(store.GetScanResults(nLatest, matches, teams));
    ASSERT_EQ(matches.GetCount(), 1u);
    EXPECT_EQ(matches[0].nMatch, nLatest);
    EXPECT_EQ(nDone, 4);
}
