// Times the main frame's handling of scan results: 1,000 results fed
// in-process, offers of watched matches coming and going, each result's
// history rows, popups, dump and ticket pane; beside the 16 ms a frame of
// the screen lasts, and the private bytes after 100 and 1,000 results.
#include <windows.h>

#include <psapi.h>

#include <clocale>
#include <cstdio>

#include "app/MainFrame.h"
#include "app/frame/GamesReportHolder.h"
#include "app/records/MatchListLoader.h"
#include "app/records/MatchRecord.h"
#include "engine/SettingsStore.h"
#include "engine/WorkerMessages.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CCreateContext.h"
#include "framework/windows/CView.h"
#include "resources/AppIds.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"

namespace
{
const int RESULT_COUNT = 1000;
const int WATCHED_MATCHES = 16;

class CBenchView : public CView, public IGamesReportHolder
{
    DECLARE_DYNCREATE(CBenchView)

public:
    CXTPReportControl* GetGamesReport() override { return &m_report; }
    void OnDraw(CDC*) override {}

    CXTPReportControl m_report;
};

IMPLEMENT_DYNCREATE(CBenchView, CView)

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
}

int wmain()
{
    _wsetlocale(LC_ALL, L"german");
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    const CString strFolder = CString(szTemp) + L"tavrolin_bench\\";
    CreateDirectoryW(strFolder, nullptr);
    DeleteFileW(strFolder + L"data.db");
    if (!CDatabaseManager::GetInstance().OpenOrCreate(strFolder))
        return 1;
    CSettingsStore& settings = CSettingsStore::GetInstance();
    settings.Interval = 600;
    settings.MaxDiff = 0;
    settings.Beep = FALSE;
    settings.AutoScan = FALSE;
    settings.FindTST = TRUE;

    CMainFrame* pFrame = new CMainFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CBenchView);
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context))
        return 1;
    CBenchView* pView = DYNAMIC_DOWNCAST(CBenchView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    // The shipped match list beside the program, as the view reads it.
    CoInitialize(nullptr);
    {
        CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
        if (!px.LoadFromFile(CSettingsStore::GetProgramFolder() + L"app\\GAMES.XML"))
            return 2;
        LoadMatchRecords(&px, pView->m_report.GetRecords());
    }
    CXTPReportRecords* pRecords = pView->m_report.GetRecords();
    for (int i = 0; i < pRecords->GetCount() && i < WATCHED_MATCHES * 4; i += 4)
        DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i))->GetCheckItem()->SetChecked(TRUE);
    pFrame->RecalcLayout();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    Pump();

    CAtlArray<MatchStatus> matches;
    matches.SetCount(64);
    CAtlArray<TeamTstStatus> teams;
    teams.SetCount(32);
    for (int i = 0; i < 32; ++i)
        teams[i].nTeam = i + 1;
    double dTotal = 0;
    SIZE_T bytesAt100 = 0;
    int nOffersSeen = 0;
    for (int nResult = 0; nResult < RESULT_COUNT; ++nResult)
    {
        for (int i = 0; i < 64; ++i)
        {
            matches[i].nMatch = i + 1;
            matches[i].nCategory[nResult % 4] = (i + nResult) % 7 == 0 ? 1 : 0;
        }
        for (int i = 0; i < 32; ++i)
            teams[i].nResale[nResult % 5] = (i + nResult) % 11 == 0 ? 1 : 0;
        const int nGeneration = settings.IssueScanGeneration();
        settings.SetScanResults(nGeneration, matches, teams);
        const int nPopupsBefore = pFrame->GetAlerts().GetOpenCount();
        const double dStart = Now();
        pFrame->SendMessage(WM_SCAN_FINISHED, 0, nGeneration);
        dTotal += Now() - dStart;
        nOffersSeen += pFrame->GetAlerts().GetOpenCount() - nPopupsBefore;
        // The popups close as they would after their time on screen.
        while (pFrame->GetAlerts().GetOpenCount() > 3)
            pFrame->GetAlerts().OnPopupNotify(XTP_PCN_ITEMCLICK,
                                              (LPARAM)pFrame->GetAlerts().GetOpenPopup(0)->GetItem(4));
        Pump();
        if (nResult + 1 == 100)
            bytesAt100 = PrivateBytes();
    }
    const SIZE_T bytesAt1000 = PrivateBytes();
    // The common case: a result that changes nothing.
    double dUnchanged = 0;
    for (int nResult = 0; nResult < RESULT_COUNT; ++nResult)
    {
        const int nGeneration = settings.IssueScanGeneration();
        settings.SetScanResults(nGeneration, matches, teams);
        const double dStart = Now();
        pFrame->SendMessage(WM_SCAN_FINISHED, 0, nGeneration);
        dUnchanged += Now() - dStart;
        Pump();
    }
    setlocale(LC_NUMERIC, "C");
    printf("%-40s %12s %12s\n", "", "per result", "budget");
    printf("%-40s %9.3f ms %9.3f ms\n", "scan result handled (1,000 results)", dTotal / RESULT_COUNT, 16.0);
    printf("%-40s %9.3f ms %9.3f ms\n", "unchanged result (1,000 results)", dUnchanged / RESULT_COUNT, 16.0);
    printf("%-40s %12d\n", "new offers (popups) raised", nOffersSeen);
    printf("%-40s %9.1f KB\n", "private bytes after 100 results", bytesAt100 / 1024.0);
    printf("%-40s %9.1f KB\n", "private bytes after 1,000 results", bytesAt1000 / 1024.0);
    pFrame->DestroyWindow();
    CDatabaseManager::GetInstance().Close();
    return 0;
}
