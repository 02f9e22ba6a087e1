// The ticket scan worker: one start fetches the resale list, the list of
// the team-specific series and the detail pages they point to, turns them
// into 64 match records and up to 32 team records, hands those to the
// settings store and tells the main window by posted messages.
#pragma once
#include "framework/Framework.h"
#include "engine/MatchStatus.h"
#include "engine/TeamTstStatus.h"
#include "engine/Thread.h"

class CThreadScan : public CThread
{
public:
    enum
    {
        MatchCount = 64
    };

    enum DetailKind
    {
        DetailResale = 0, // a match's resale page; number = match number
        DetailTeam = 1    // a team's series page; number = team id
    };

    struct DetailEntry
    {
        CString strUrl;
        int nKind;
        int nNumber;
    };

    CThreadScan();

    // Takes the next scan generation, copies "FindTST" and starts the body.
    // The caller has signalled the stop event and waited with Stop first.
    void StartScan(BOOL bWithResale);

    // Page parsers. The list parsers write the records and queue detail
    // pages; the detail parsers fill in the resale offers and answer
    // whether the page could be read (a team page read without offers ends
    // them; a page that could not be read leaves them to the scan).
    BOOL ParseResaleList(const CString& strPage);
    BOOL ParseResaleListRow(const CString& strRow);
    BOOL ParseTstList(const CString& strPage);
    BOOL ParseTstListRow(const CString& strCells, int nTeam);
    BOOL ParseResaleDetailPage(const CString& strPage, int nMatch);
    BOOL ParseTstDetailPage(const CString& strPage, int nTeam);

    // Read by the owner only while the body does not run.
    const CAtlArray<MatchStatus>& GetMatches() const { return m_matches; }
    const CAtlArray<TeamTstStatus>& GetTeams() const { return m_teams; }
    const CAtlArray<DetailEntry>& GetDetailQueue() const { return m_detailQueue; }
    int GetGeneration() const { return m_nGeneration; }

    CEvent m_eventStop;  // manual reset; signalled by the owner to stop the scan
    HWND m_hNotifyWnd;   // receives WM_SCAN_PROGRESS and WM_SCAN_FINISHED

protected:
    DWORD Run() override;

private:
    BOOL IsStopped();
    void Notify(UINT nMessage, WPARAM wParam);
    void ScanPages();
    void PrepareMatchRecords();
    // A detail page that could not be fetched or read leaves the resale
    // offers of the scan before.
    void KeepPreviousResale(const DetailEntry& entry, const CAtlArray<MatchStatus>& previousMatches,
                            const CAtlArray<TeamTstStatus>& previousTeams);
    void QueueDetail(const CString& strUrl, int nKind, int nNumber);
    int FindTeamId(const CString& strName) const;

    int m_nGeneration;
    BOOL m_bFindTst;
    BOOL m_bWithResale;
    BOOL m_bPageResult;
    CAtlArray<MatchStatus> m_matches;
    CAtlArray<TeamTstStatus> m_teams;
    CAtlMap<CString, int, CStringElementTraitsI<CString>> m_teamNames;
    CAtlArray<DetailEntry> m_detailQueue;
};
