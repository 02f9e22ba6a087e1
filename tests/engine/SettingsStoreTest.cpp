// The engine's settings store: defaults, loading and saving section
// "Settings", start with Windows, the watch flags, and the hand-over of
// worker results by generation.
#include <gtest/gtest.h>

#include "engine/SettingsStore.h"

#include <shlwapi.h>

#include "EngineTestApp.h"

namespace {

const wchar_t SettingsKey[] = L"Software\\Brannoch\\Tavrolin\\Settings";
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// What the store answered for generation 0 while the program started, before
// any test could issue a generation: the generation, the answer, the records.
struct CFirstScanAnswer
{
    int nGeneration = CSettingsStore::GetInstance().GetScanGeneration();
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    BOOL bResult = (matches.SetCount(3), teams.SetCount(2), CSettingsStore::GetInstance().GetScanResults(0, matches, teams));
} s_firstScanAnswer;

void WriteDword(LPCWSTR pszName, DWORD dwValue)
{
    WriteUserValue(SettingsKey, pszName, REG_DWORD, &dwValue, sizeof dwValue);
}

bool HasRunValue()
{
    return SHGetValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin", nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

MatchStatus Match(int nNumber, int nFirstCategory = 0)
{
    MatchStatus match;
    match.nMatch = nNumber;
    match.nCategory[0] = nFirstCategory;
    return match;
}

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TavrolinTestApp();
        DeleteUserKey(SettingsKey);
        SHDeleteValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin");
        m_store.SetDefaults();
    }
    void TearDown() override { SetUp(); }

    CSettingsStore& m_store = CSettingsStore::GetInstance();
};

} // namespace

// --- settings ---------------------------------------------------------------

TEST_F(SettingsStoreTest, SoundDefaultsToTheWindowsNotifySoundOnlyWhenItExists)
{
    WCHAR szWindows[MAX_PATH] = {};
    GetWindowsDirectoryW(szWindows, MAX_PATH);
    CString strMedia = CString(szWindows) + L"\\Media";
    CString strSound = strMedia + L"\\notify.wav";
    bool bExisted = GetFileAttributesW(strSound) != INVALID_FILE_ATTRIBUTES;
    CreateDirectoryW(strMedia, nullptr);
    CloseHandle(CreateFileW(strSound, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr));
    m_store.SetDefaults();
    EXPECT_EQ(m_store.Sound.CompareNoCase(strSound), 0) << static_cast<LPCWSTR>(m_store.Sound);
    if (!bExisted)
    {
        DeleteFileW(strSound);
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
    ASSERT_TRUE(ReadUserValue(RunKey, L"Tavrolin", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_SZ));
    CString strExpected = L"\"" + CSettingsStore::GetProgramPath() + L"\"";
    ASSERT_EQ(data.size(), (strExpected.GetLength() + 1) * sizeof(WCHAR));
    EXPECT_EQ(CString(reinterpret_cast<LPCWSTR>(data.data())), strExpected);

    // Later starts (with "Interval") take the switch from the Run value.
    WriteDword(L"Interval", 30);
    m_store.SetStartWithWindows(FALSE);
    EXPECT_FALSE(HasRunValue());
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 0);
    m_store.SetStartWithWindows(TRUE);
    m_store.Load();
    EXPECT_EQ(m_store.StartWithWindows, 1);
}

TEST_F(SettingsStoreTest, OnlyATerminatedStringThatFitsCountsAsTheRunValue)
{
    WriteDword(L"Interval", 30);
    // The registry terminates a text itself when a zero follows it; "X" keeps
    // it from doing so.
    const wchar_t path[] = L"\"C:\\Tavrolin.exe\"X";
    const DWORD dwOne = 1;
    const std::wstring fits(519, L'x');
    const std::wstring tooLong(520, L'x');
    const struct { DWORD dwType; const void* pData; DWORD dwSize; int nExpected; } cases[] = {
        {REG_EXPAND_SZ, L"\"C:\\T.exe\"", 22, 1},
        {REG_SZ, path, sizeof path - 2 * sizeof(wchar_t), 0},
        {REG_DWORD, &dwOne, 4, 0},
        {REG_SZ, fits.c_str(), DWORD((fits.size() + 1) * 2), 1},
        {REG_SZ, tooLong.c_str(), DWORD((tooLong.size() + 1) * 2), 0},
    };
    for (const auto& test : cases)
    {
        WriteUserValue(RunKey, L"Tavrolin", test.dwType, test.pData, test.dwSize);
        m_store.Load();
        EXPECT_EQ(m_store.StartWithWindows, test.nExpected) << test.dwType << " " << test.dwSize;
    }
}

TEST_F(SettingsStoreTest, LoadBoundsTheIntervalAndKeepsMaxDiffAtAFifthOfIt)
{
    const struct { DWORD dwInterval, dwMaxDiff; int nInterval, nMaxDiff; } cases[] = {
        {12, 4, 12, 2}, {3, 4, 3, 0}, {30, 4, 30, 4}, {100, 7, 100, 7}, {25, 5, 25, 5},
        {0, 4, 1, 0},               // no interval would poll without a pause
        {0xFFFFFFFF, 4, 100000, 4}, // "-1" is a huge unsigned interval
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
    // A missing "MaxDiff" is 4, then bounded; an overlong "Interval" takes
    // the default, spills into nothing and, being no first start, leaves
    // start-with-Windows off.
    const BYTE eight[8] = {10, 0, 0, 0, 9, 9, 9, 9};
    const wchar_t text[] = L"45";
    const struct { DWORD dwType; const void* pData; DWORD dwSize; } malformed[] = {
        {REG_BINARY, eight, sizeof eight}, {REG_SZ, text, sizeof text}};
    for (const auto& value : malformed)
    {
        DeleteUserKey(SettingsKey);
        m_store.SetStartWithWindows(FALSE);
        WriteUserValue(SettingsKey, L"Interval", value.dwType, value.pData, value.dwSize);
        m_store.Load();
        EXPECT_EQ(m_store.Interval, 30) << value.dwType;
        EXPECT_EQ(m_store.MaxDiff, 4);
        EXPECT_EQ(m_store.StartMinimized, 0);
        EXPECT_EQ(m_store.StartWithWindows, 0) << value.dwType;
        EXPECT_FALSE(HasRunValue()) << value.dwType;
    }
}

TEST_F(SettingsStoreTest, SaveWritesEverySettingButTheInfoUrlAndLoadReadsThemBack)
{
    int CSettingsStore::*flags[] = {&CSettingsStore::StartMinimized, &CSettingsStore::OpenWeb, &CSettingsStore::Beep,
                                    &CSettingsStore::AutoScan, &CSettingsStore::FindTST, &CSettingsStore::FindResale,
                                    &CSettingsStore::ShowInfo, &CSettingsStore::FindYellow};
    for (auto flag : flags)
        m_store.*flag = !(m_store.*flag);
    m_store.Interval = 60;
    m_store.MaxDiff = 9;
    m_store.Sound = L"D:\\Kl\u00e4nge\\alarm.wav";
    EXPECT_TRUE(m_store.Save());

    DWORD dwType = 0;
    std::vector<BYTE> data;
    for (LPCWSTR pszName : {L"Interval", L"MaxDiff", L"StartMinimized", L"OpenWeb", L"Beep", L"AutoScan", L"FindTST",
                            L"FindResale", L"ShowInfo", L"FindYellow"})
    {
        ASSERT_TRUE(ReadUserValue(SettingsKey, pszName, dwType, data)) << pszName;
        EXPECT_EQ(dwType, DWORD(REG_DWORD)) << pszName;
    }
    ASSERT_TRUE(ReadUserValue(SettingsKey, L"Sound", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_SZ));
    EXPECT_FALSE(ReadUserValue(SettingsKey, L"WMInfoURL", dwType, data));
    EXPECT_FALSE(HasRunValue());

    m_store.SetDefaults();
    m_store.Load();
    EXPECT_EQ(m_store.Interval, 60);
    EXPECT_EQ(m_store.MaxDiff, 9);
    EXPECT_EQ(m_store.Sound, L"D:\\Kl\u00e4nge\\alarm.wav");
    for (auto flag : flags)
        EXPECT_EQ(m_store.*flag, flag == &CSettingsStore::StartMinimized ? 1 : 0);
}

TEST_F(SettingsStoreTest, MissingSettingsKeepTheirCurrentValuesAndTheInfoUrlIsRead)
{
    WriteDword(L"Interval", 30);
    const wchar_t url[] = L"http://elsewhere.example/qorm/wm-info.xml";
    WriteUserValue(SettingsKey, L"WMInfoURL", REG_SZ, url, sizeof url);
    m_store.StartMinimized = 1;
    m_store.Sound = L"C:\\keep.wav";
    m_store.Load();
    EXPECT_EQ(m_store.StartMinimized, 1);
    EXPECT_EQ(m_store.Sound, L"C:\\keep.wav");
    EXPECT_EQ(m_store.GetInfoUrl(), url);
}

TEST_F(SettingsStoreTest, ProgramFolderEndsWithTheLastBackslash)
{
    CString strPath = CSettingsStore::GetProgramPath();
    EXPECT_EQ(strPath.Right(17).CompareNoCase(L"\\engine_tests.exe"), 0) << static_cast<LPCWSTR>(strPath);
    EXPECT_EQ(CSettingsStore::GetProgramFolder(), strPath.Left(strPath.GetLength() - 16));
    EXPECT_EQ(CSettingsStore::GetFolderOfPath(L"C:\\a\\b.exe"), L"C:\\a\\");
    EXPECT_EQ(CSettingsStore::GetFolderOfPath(L"b.exe"), L"");
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
    ASSERT_TRUE(ReadUserValue(SettingsKey, L"Checked", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_BINARY));
    ASSERT_EQ(data.size(), 256u);
    EXPECT_EQ(data[252], 0xF9);  // -7, little-endian, last
    int loaded[64] = {};
    m_store.LoadCheckedFlags(loaded);
    EXPECT_EQ(memcmp(loaded, flags, sizeof flags), 0);
}

TEST_F(SettingsStoreTest, WatchFlagsOfAnyOtherLengthAllLoadAsOne)
{
    std::vector<BYTE> zeros(300, 0);
    for (DWORD dwSize : {0u, 4u, 255u, 257u, 300u, 1u})
    {
        if (dwSize == 1)
            DeleteUserKey(SettingsKey);  // missing
        else
            WriteUserValue(SettingsKey, L"Checked", REG_BINARY, zeros.data(), dwSize);
        int flags[64] = {};
        m_store.LoadCheckedFlags(flags);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(flags[i], 1) << dwSize << " bytes, flag " << i;
    }
}

// --- generations --------------------------------------------------------------

TEST(SettingsStoreGenerations, BeforeAnyScanGenerationZeroHandsOutEmptyArrays)
{
    ASSERT_EQ(s_firstScanAnswer.nGeneration, 0) << "a scan generation was issued before the program's main code";
    EXPECT_TRUE(s_firstScanAnswer.bResult);
    EXPECT_EQ(s_firstScanAnswer.matches.GetCount() + s_firstScanAnswer.teams.GetCount(), 0u);
}

TEST(SettingsStoreGenerations, ASupersededScanNeverOverwritesTheNewerOne)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    int nOlder = store.IssueScanGeneration();
    int nNewer = store.IssueScanGeneration();
    EXPECT_EQ(nNewer, nOlder + 1);
    EXPECT_EQ(store.GetScanGeneration(), nNewer);

    CAtlArray<MatchStatus> newerMatches, olderMatches, matches;
    CAtlArray<TeamTstStatus> newerTeams, olderTeams, teams;
    newerMatches.Add(Match(1, 2));
    newerMatches.Add(Match(2, 1));
    newerTeams.Add();
    newerTeams[0].nTeam = 8;
    olderMatches.Add(Match(9, 9));
    store.SetScanResults(nNewer, newerMatches, newerTeams);
    store.SetScanResults(nOlder, olderMatches, olderTeams);  // finishes last

    matches.Add(Match(33));
    EXPECT_FALSE(store.GetScanResults(nOlder, matches, teams));
    ASSERT_EQ(matches.GetCount(), 1u);
    EXPECT_EQ(matches[0].nMatch, 33);
    ASSERT_TRUE(store.GetScanResults(nNewer, matches, teams));
    ASSERT_EQ(matches.GetCount(), 2u);
    EXPECT_EQ(matches[0].nCategory[0], 2);
    EXPECT_EQ(matches[1].nMatch, 2);
    ASSERT_EQ(teams.GetCount(), 1u);
    EXPECT_EQ(teams[0].nTeam, 8);

    // A finished scan that found nothing hands out empty arrays.
    int nEmpty = store.IssueScanGeneration();
    CAtlArray<MatchStatus> noMatches;
    store.SetScanResults(nEmpty, noMatches, olderTeams);
    EXPECT_TRUE(store.GetScanResults(nEmpty, matches, teams));
    EXPECT_EQ(matches.GetCount() + teams.GetCount(), 0u);
}

TEST(SettingsStoreGenerations, StatisticsOfTheLatestRunOrNoneWhenItFailed)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    int nFirst = store.IssueStatisticGeneration();
    CAtlArray<StatRow> rows, copy;
    rows.SetCount(2);
    rows[0].strCity = L"K\u00f6ln";
    rows[1].dtMatch = COleDateTime(2006, 7, 9, 20, 0, 0);
    store.SetStatisticResults(nFirst, rows);
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

    // A late run of the first generation changes nothing.
    store.SetStatisticResults(nFirst, rows);
    store.ClearStatisticResults(nFirst);
    EXPECT_FALSE(store.GetStatisticResults(nFirst, copy));
    EXPECT_TRUE(store.GetStatisticResults(nSecond, copy));
    EXPECT_EQ(copy.GetCount(), 0u);
}
