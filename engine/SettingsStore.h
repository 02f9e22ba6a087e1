// The engine's one settings object: the user's settings (registry section
// "Settings"), start with Windows, the program's folder, the watch flags, and
// the hand-over of worker results to the GUI thread by generation, so that
// the results of a superseded worker are never handed out.
#pragma once
#include "framework/Framework.h"
#include "engine/MatchStatus.h"
#include "engine/StatRow.h"
#include "engine/TeamTstStatus.h"

class CSettingsStore
{
public:
    enum
    {
        MatchCount = 64,            // watch flags, one per match of the match list
        MinInterval = 1,            // seconds; the range the options dialog allows
        MaxInterval = 100000
    };

    static CSettingsStore& GetInstance();

    BOOL SetDefaults();
    // Reads section "Settings"; the very first start (no "Interval") turns
    // start with Windows on.
    BOOL Load();
    BOOL Save();

    void SetStartWithWindows(BOOL bOn);

    static CString GetProgramPath();
    // The program path up to and including its last backslash.
    static CString GetProgramFolder();
    static CString GetFolderOfPath(const CString& strPath);
    CString GetInfoUrl() const;

    // All 64 flags are 1 unless "Checked" holds exactly 64 integers.
    void LoadCheckedFlags(int flags[MatchCount]);
    BOOL SaveCheckedFlags(const int flags[MatchCount]);

    // Generations: the starter of a worker issues one and hands it over; the
    // worker's results are kept only while no newer one has been issued.
    int IssueScanGeneration();
    int IssueStatisticGeneration();
    // The latest generation issued (0 before the first).
    int GetScanGeneration();
    int GetStatisticGeneration();

    void SetScanResults(int nGeneration, const CAtlArray<MatchStatus>& matches,
                        const CAtlArray<TeamTstStatus>& teams);
    // FALSE unless the given generation's results are the ones held.
    BOOL GetScanResults(int nGeneration, CAtlArray<MatchStatus>& matches, CAtlArray<TeamTstStatus>& teams);

    void SetStatisticResults(int nGeneration, const CAtlArray<StatRow>& rows);
    // Records that the generation's fetch failed: it then hands out no rows.
    void ClearStatisticResults(int nGeneration);
    BOOL GetStatisticResults(int nGeneration, CAtlArray<StatRow>& rows);

    // Guards the generations and results; workers may hold it briefly.
    CCriticalSection& GetLock() { return m_lock; }

    // The settings. Read and written on the GUI thread only; workers take
    // what they need when they are started.
    CString Sound;
    int Interval;
    int MaxDiff;
    int StartMinimized;
    int OpenWeb;
    int Beep;
    int StartWithWindows;
    int AutoScan;
    int FindTST;
    int FindResale;
    int ShowInfo;
    int FindYellow;
    CString WMInfoURL;

private:
    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    BOOL ReadStartWithWindows();

    volatile LONG m_nScanCounter;
    int m_nScanStored;
    BOOL m_bScanPresent;
    CAtlArray<MatchStatus> m_matches;
    CAtlArray<TeamTstStatus> m_teams;
    CCriticalSection m_lock;
    volatile LONG m_nStatisticCounter;
    int m_nStatisticStored;
    BOOL m_bStatisticPresent;
    CAtlArray<StatRow> m_rows;
};
