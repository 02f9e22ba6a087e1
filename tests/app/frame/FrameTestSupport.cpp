#include "FrameTestSupport.h"

#include "app/AppTestSupport.h"
#include "app/TavrolinDoc.h"
#include "app/TavrolinView.h"
#include "app/records/MatchRecord.h"
#include "engine/SettingsStore.h"
#include "engine/WorkerMessages.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/docview/CCommandLineInfo.h"
#include "framework/docview/CSingleDocTemplate.h"
#include "framework/windows/CWinApp.h"
#include "framework/windows/CCreateContext.h"
#include "resources/AppIds.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"

#include <array>

IMPLEMENT_DYNCREATE(CGamesView, CView)

BEGIN_MESSAGE_MAP(CGamesView, CView)
    ON_WM_CREATE()
    ON_COMMAND(ID_REFRESH_STATISTIC, OnViewCommand)
    ON_COMMAND(ID_SELECT_ALL, OnViewCommand)
END_MESSAGE_MAP()

int CGamesView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    AddMatches(4);
    return 0;
}

void CGamesView::AddMatches(int nCount)
{
    static const wchar_t* teams[][3] = {{L"Deutschland", L"Costa Rica", L"München"},
                                       {L"Polen", L"Ecuador", L"Gelsenkirchen"},
                                       {L"England", L"Paraguay", L"Frankfurt"},
                                       {L"Trinidad und Tobago", L"Schweden", L"Dortmund"}};
    for (int i = 0; i < nCount; ++i)
        m_report.AddRecord(apptest::NewArchivedMatch(i + 1, teams[i % 4][0], teams[i % 4][1], teams[i % 4][2]));
}

void CGamesView::Watch(int nRow, BOOL bWatch)
{
    CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, m_report.GetRecords()->GetAt(nRow));
    pMatch->GetCheckItem()->SetChecked(bWatch);
}

namespace frametest {

namespace {
// The settings a poll test sets, the interval first.
std::array<int*, 7> PollValues()
{
    CSettingsStore& s = CSettingsStore::GetInstance();
    return {&s.Interval, &s.MaxDiff, &s.FindTST, &s.FindYellow, &s.Beep, &s.AutoScan, &s.StartMinimized};
}
} // namespace

CPollSettings::CPollSettings(int nInterval)
{
    const std::array<int*, 7> values = PollValues();
    for (size_t i = 0; i < values.size(); ++i)
    {
        m_saved[i] = *values[i];
        *values[i] = i == 0 ? nInterval : 0;
    }
}

CPollSettings::~CPollSettings()
{
    const std::array<int*, 7> values = PollValues();
    for (size_t i = 0; i < values.size(); ++i)
        *values[i] = m_saved[i];
}

CMainFrame* CreateFrame()
{
    CMainFrame* pFrame = new CMainFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CGamesView);
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context))
        return nullptr;  // the frame deleted itself
    return pFrame;
}

CGamesView* ViewOf(CMainFrame* pFrame)
{
    return DYNAMIC_DOWNCAST(CGamesView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
}

void FeedResult(CMainFrame* pFrame, const int category[4], const int* tstResaleOfTeam6, BOOL bStale)
{
    CSettingsStore& settings = CSettingsStore::GetInstance();
    CAtlArray<MatchStatus> matches;
    matches.SetCount(64);
    for (int i = 0; i < 64; ++i)
        matches[i].nMatch = i + 1;
    for (int k = 0; k < 4; ++k)
        matches[0].nCategory[k] = category[k];
    CAtlArray<TeamTstStatus> teams;
    if (tstResaleOfTeam6 != nullptr)
    {
        teams.SetCount(32);
        for (int i = 0; i < 32; ++i)
            teams[i].nTeam = i + 1;
        for (int k = 0; k < 5; ++k)
            teams[5].nResale[k] = tstResaleOfTeam6[k];
    }
    const int nGeneration = settings.IssueScanGeneration();
    settings.SetScanResults(nGeneration, matches, teams);
    if (bStale)
        settings.IssueScanGeneration();
    ::PostMessageW(pFrame->GetSafeHwnd(), WM_SCAN_PROGRESS, SCAN_LOADED, nGeneration);
    ::PostMessageW(pFrame->GetSafeHwnd(), WM_SCAN_FINISHED, 0, nGeneration);
    testpump::PumpUntilIdle();
}

BOOL TakePollTimer(CMainFrame* pFrame)
{
    return ::KillTimer(pFrame->GetSafeHwnd(), IDT_SCAN_POLL);
}

BOOL IsPollTimerArmed(CMainFrame* pFrame)
{
    if (!TakePollTimer(pFrame))
        return FALSE;
    ::SetTimer(pFrame->GetSafeHwnd(), IDT_SCAN_POLL, (UINT)CSettingsStore::GetInstance().Interval * 1000u, nullptr);
    return TRUE;
}

std::wstring ReadTextFile(const CString& path)
{
    HANDLE hFile = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return L"<missing>";
    std::string bytes(1 << 20, '\0');
    DWORD nRead = 0;
    ::ReadFile(hFile, &bytes[0], (DWORD)bytes.size(), &nRead, nullptr);
    ::CloseHandle(hFile);
    bytes.resize(nRead);
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    std::wstring text(nWide, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), &text[0], nWide);
    return text;
}

CString OpenTestHistory(LPCWSTR pszName, bool bFresh)
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const CString folder = CString(szTemp) + pszName + L"\\";
    ::CreateDirectoryW(folder, nullptr);
    if (bFresh)
        ::DeleteFileW(folder + L"data.db");
    return CDatabaseManager::GetInstance().OpenOrCreate(folder) ? folder : CString();
}

CMainFrame* OpenProgramFrame(CWinApp& app)
{
    app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavrolinDoc), RUNTIME_CLASS(CMainFrame),
                                              RUNTIME_CLASS(CTavrolinView)));
    CCommandLineInfo info;
    info.ParseParam(nullptr, FALSE, TRUE);
    if (!app.ProcessShellCommand(info))
        return nullptr;
    return DYNAMIC_DOWNCAST(CMainFrame, app.m_pMainWnd);
}

void DispatchAllButQuit()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageW(&msg);
}

bool PumpAppUntil(CWinApp& app, const std::function<bool()>& condition, bool* pbQuit)
{
    const DWORD start = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - start >= testpump::kDeadline)
            return false;
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        if (!app.PumpMessage())
        {
            if (pbQuit != nullptr)
                *pbQuit = true;
            return condition();
        }
    }
    return true;
}

} // namespace frametest
