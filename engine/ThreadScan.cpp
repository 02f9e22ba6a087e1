#include "engine/ThreadScan.h"

#include "engine/AsyncHttpRequest.h"
#include "engine/OnlineCheck.h"
#include "engine/SettingsStore.h"
#include "engine/SiteHosts.h"
#include "engine/TeamTable.h"
#include "engine/TicketPagePaths.h"
#include "engine/WorkerMessages.h"

#include <new>
#include <objbase.h>

CThreadScan::CThreadScan()
    : m_eventStop(FALSE, TRUE)
    , m_hNotifyWnd(nullptr)
    , m_nGeneration(0)
    , m_bFindTst(FALSE)
    , m_bWithResale(FALSE)
    , m_bPageResult(FALSE)
{
    m_strName = L"CThreadScan";
    m_bSynchronised = TRUE;
    for (int nTeam = 1; nTeam <= TEAM_COUNT; ++nTeam)
        m_teamNames.SetAt(GetTeamNameById(nTeam), nTeam);
}

void CThreadScan::StartScan(BOOL bWithResale)
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    m_nGeneration = store.IssueScanGeneration();
    m_eventStop.ResetEvent();
    m_bFindTst = store.FindTST;
    m_bWithResale = bWithResale;
    Start();
}

BOOL CThreadScan::IsStopped()
{
    return WaitForSingleObject(m_eventStop.m_hObject, 0) == WAIT_OBJECT_0;
}

void CThreadScan::Notify(UINT nMessage, WPARAM wParam)
{
    if (m_hNotifyWnd != nullptr)
        PostMessageW(m_hNotifyWnd, nMessage, wParam, (LPARAM)m_nGeneration);
}

DWORD CThreadScan::Run()
{
    HRESULT hrCom = CoInitialize(nullptr);
    if (!IsOnline())
    {
        Notify(WM_SCAN_FINISHED, 0);
        if (SUCCEEDED(hrCom))
            CoUninitialize();
        return 0;
    }
    try
    {
        ScanPages();
    }
    catch (CException* e)
    {
        // Out of memory, or a detail page of a team that has no record:
        // the records go to the store as they stand.
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();

    CSettingsStore::GetInstance().SetScanResults(m_nGeneration, m_matches, m_teams);
    if (!IsStopped())
        Notify(WM_SCAN_FINISHED, 0);
    return 0;
}

void CThreadScan::ScanPages()
{
    m_detailQueue.RemoveAll();
    PrepareMatchRecords();
    // The list pages write fresh records without resale offers; a detail
    // page that then fails must not read as "the offer ended".
    CAtlArray<MatchStatus> previousMatches;
    previousMatches.Copy(m_matches);
    CAtlArray<TeamTstStatus> previousTeams;
    previousTeams.Copy(m_teams);

    CAsyncHttpRequest request(m_eventStop.m_hObject);
    const CString strSite = CString(L"http://") + TICKET_SITE_HOST;
    m_bPageResult = FALSE;
    Notify(WM_SCAN_PROGRESS, SCAN_LOADING);

    if (m_bWithResale)
    {
        if (request.Get(strSite + RESALE_LIST_PATH) && !IsStopped())
            m_bPageResult = ParseResaleList(request.GetResponseText());
    }
    else
        m_bPageResult = TRUE;

    m_teams.RemoveAll();
    if (m_bFindTst)
    {
        // A TST list that could not be read fails the scan like a resale
        // list would: its teams are missing from the records. A stopped
        // fetch is no failure of the site: the result stays as it was.
        if (!IsStopped())
        {
            const BOOL bFetched = request.Get(strSite + TST_LIST_PATH);
            if (!bFetched && !IsStopped())
                m_bPageResult = FALSE;
            else if (bFetched && !IsStopped() && m_bPageResult)
                m_bPageResult = ParseTstList(request.GetResponseText());
        }
    }

    // Detail pages in the order the list pages queued them.
    for (size_t i = 0; i < m_detailQueue.GetCount(); ++i)
    {
        const DetailEntry entry = m_detailQueue[i];
        BOOL bRead = FALSE;
        if (!IsStopped() && request.Get(entry.strUrl) && !IsStopped())
        {
            if (entry.nKind == DetailResale)
                bRead = ParseResaleDetailPage(request.GetResponseText(), entry.nNumber);
            else
                bRead = ParseTstDetailPage(request.GetResponseText(), entry.nNumber);
        }
        if (!bRead)
            KeepPreviousResale(entry, previousMatches, previousTeams);
    }

    // Also posted for a stopped scan: the frame shows it only while this
    // generation is still the latest. Only the finish message is withheld.
    Notify(WM_SCAN_PROGRESS, m_bPageResult ? SCAN_LOADED : SCAN_FAILED);
}

void CThreadScan::KeepPreviousResale(const DetailEntry& entry, const CAtlArray<MatchStatus>& previousMatches,
                                     const CAtlArray<TeamTstStatus>& previousTeams)
{
    const size_t index = (size_t)(entry.nNumber - 1);
    if (entry.nNumber < 1)
        return;
    if (entry.nKind == DetailResale)
    {
        if (index >= previousMatches.GetCount() || index >= m_matches.GetCount())
            return;
        for (int k = 0; k < 4; ++k)
        {
            m_matches[index].nResale[k] = previousMatches[index].nResale[k];
            m_matches[index].nResaleSb[k] = previousMatches[index].nResaleSb[k];
        }
        return;
    }
    if (index >= m_teams.GetCount() || m_teams[index].nTeam != entry.nNumber)
        return;
    const bool bKnown = index < previousTeams.GetCount() && previousTeams[index].nTeam == entry.nNumber;
    for (int k = 0; k < 5; ++k)
        m_teams[index].nResale[k] = bKnown ? previousTeams[index].nResale[k] : 0;
}

void CThreadScan::PrepareMatchRecords()
{
    // Records of earlier scans keep their values where this scan writes none.
    if (m_matches.GetCount() != MatchCount)
        m_matches.SetCount(MatchCount);
}

void CThreadScan::QueueDetail(const CString& strUrl, int nKind, int nNumber)
{
    DetailEntry entry;
    entry.strUrl = strUrl;
    entry.nKind = nKind;
    entry.nNumber = nNumber;
    m_detailQueue.Add(entry);
}

int CThreadScan::FindTeamId(const CString& strName) const
{
    int nTeam = 0;
    if (m_teamNames.Lookup(strName, nTeam))
        return nTeam;
    // The one name with a non-ASCII letter, whatever its page's code page
    // made of that letter.
    if (strName.GetLength() >= 10 && strName.Left(10).CompareNoCase(L"Elfenbeink") == 0)
        return 8;
    return 0;
}
