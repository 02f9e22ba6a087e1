#include "app/TavrolinView.h"

#include "app/records/MatchListLoader.h"
#include "app/records/MatchRecord.h"
#include "app/records/StatRecord.h"
#include "app/view/MatchSelection.h"
#include "engine/SettingsStore.h"
#include "engine/WorkerMessages.h"
#include "framework/core/CException.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumnOrder.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

const int FLAG_COUNT = 32;
// The report control's own empty-view text.
const UINT IDS_REPORT_NO_ITEMS = 9504;

struct ColumnSpec
{
    UINT nCaption;
    int nWidth;
    BOOL bAutoSize;
};

const ColumnSpec MATCH_COLUMNS[] = {
    {IDS_COLUMN_WATCH, 75, FALSE},   {IDS_COLUMN_NUMBER, 48, FALSE}, {IDS_COLUMN_ROUND, 100, TRUE},
    {IDS_COLUMN_TEAM1, 100, TRUE},   {IDS_COLUMN_TEAM2, 100, TRUE},  {IDS_COLUMN_DATE, 70, TRUE},
    {IDS_COLUMN_CITY, 70, TRUE},
};

const ColumnSpec STATISTIC_COLUMNS[] = {
    {IDS_COLUMN_FROM, 60, TRUE},  {IDS_COLUMN_TO, 60, TRUE},   {IDS_COLUMN_TEAM1, 100, TRUE},
    {IDS_COLUMN_TEAM2, 100, TRUE}, {IDS_COLUMN_CITY, 100, TRUE}, {IDS_COLUMN_DATE, 50, TRUE},
    {IDS_COLUMN_CATEGORY, 60, FALSE},
};

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

template <size_t N>
void AddColumns(CXTPReportControl& report, const ColumnSpec (&columns)[N])
{
    for (size_t i = 0; i < N; ++i)
        report.AddColumn(new CXTPReportColumn(static_cast<int>(i), LoadText(columns[i].nCaption), columns[i].nWidth,
                                              columns[i].bAutoSize));
}

// Team number n shows the n-th flag of the strip: command ids 1 to 32.
void AddFlagIcons(CXTPReportControl& report)
{
    UINT commands[FLAG_COUNT];
    for (int i = 0; i < FLAG_COUNT; ++i)
        commands[i] = static_cast<UINT>(i + 1);
    report.GetImageManager()->SetIcons(IDB_FLAGS, commands, FLAG_COUNT, CSize(16, 16));
}

// Leaves the text in place when the string is missing.
void SetEmptyText(CXTPReportControl& report, UINT nID)
{
    CString strText;
    if (strText.LoadString(nID))
        report.GetPaintManager()->SetNoItemsText(strText);
}

BOOL IsWatchedMatch(CMatchRecord* pMatch)
{
    return pMatch->GetCheckItem() != nullptr && pMatch->GetCheckItem()->IsChecked();
}

} // namespace

IMPLEMENT_DYNCREATE(CTavrolinView, CView)

BEGIN_MESSAGE_MAP(CTavrolinView, CView)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_STATISTIC_READY, CTavrolinView::OnStatisticReady)
    ON_NOTIFY(NM_DBLCLK, IDC_REPORT_GAMES, CTavrolinView::OnReportDblClick)
    ON_NOTIFY(NM_RCLICK, IDC_REPORT_GAMES, CTavrolinView::OnReportRClick)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB_CONTROL, CTavrolinView::OnTabChanged)
    ON_COMMAND(ID_REFRESH_STATISTIC, CTavrolinView::OnRefreshStatistic)
    ON_UPDATE_COMMAND_UI(ID_REFRESH_STATISTIC, CTavrolinView::OnUpdateRefreshStatistic)
    ON_COMMAND(ID_SELECT_ALL, CTavrolinView::OnSelectAll)
    ON_COMMAND(ID_DESELECT_ALL, CTavrolinView::OnDeselectAll)
    ON_COMMAND(ID_SELECT_GERMANY, CTavrolinView::OnSelectGermany)
    ON_COMMAND(ID_SELECT_CITY, CTavrolinView::OnSelectCity)
    ON_COMMAND(ID_SELECT_ROUND_OF_16, CTavrolinView::OnSelectRoundOf16)
    ON_COMMAND(ID_SELECT_QUARTER_FINALS, CTavrolinView::OnSelectQuarterFinals)
    ON_COMMAND(ID_SELECT_SEMI_FINALS, CTavrolinView::OnSelectSemiFinals)
    ON_COMMAND(ID_CHECK_ROW, CTavrolinView::OnCheckRow)
    ON_COMMAND(ID_UNCHECK_ROW, CTavrolinView::OnUncheckRow)
    ON_UPDATE_COMMAND_UI(ID_CHECK_ROW, CTavrolinView::OnUpdateCheckRow)
    ON_UPDATE_COMMAND_UI(ID_UNCHECK_ROW, CTavrolinView::OnUpdateUncheckRow)
    ON_UPDATE_COMMAND_UI(ID_SELECT_ALL, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_DESELECT_ALL, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_SELECT_GERMANY, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_SELECT_CITY, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_SELECT_ROUND_OF_16, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_SELECT_QUARTER_FINALS, CTavrolinView::OnUpdateSelection)
    ON_UPDATE_COMMAND_UI(ID_SELECT_SEMI_FINALS, CTavrolinView::OnUpdateSelection)
END_MESSAGE_MAP()

CTavrolinView::CTavrolinView()
    : m_bMatchListLoaded(FALSE)
{
}

CTavrolinView::~CTavrolinView()
{
    StopStatisticWorker();
}

void CTavrolinView::OnDraw(CDC*)
{
    // The tab control covers the whole view.
}

int CTavrolinView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CRect rcEmpty(0, 0, 0, 0);
    if (!m_wndReportGames.Create(WS_CHILD | WS_VISIBLE, rcEmpty, this, IDC_REPORT_GAMES))
        return -1;
    if (!m_wndReportStatistic.Create(WS_CHILD | WS_VISIBLE, rcEmpty, this, IDC_REPORT_STATISTIC))
        return -1;
    if (!m_wndTabControl.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rcEmpty, this,
                                IDC_TAB_CONTROL))
        return -1;
    m_threadStatistic.m_hNotifyWnd = m_hWnd;

    m_wndTabControl.GetPaintManager()->SetAppearance(xtpTabAppearancePropertyPage2003);
    m_wndTabControl.InsertItem(TabMatches, LoadText(IDS_TAB_MATCHES), m_wndReportGames.GetSafeHwnd(), -1);
    m_wndTabControl.InsertItem(TabStatistic, LoadText(IDS_TAB_STATISTIC), m_wndReportStatistic.GetSafeHwnd(), -1);
    return BuildReports() ? 0 : -1;
}

BOOL CTavrolinView::BuildReports()
{
    AddFlagIcons(m_wndReportGames);
    AddColumns(m_wndReportGames, MATCH_COLUMNS);

    const CString strPath = CSettingsStore::GetProgramFolder() + L"GAMES.XML";
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
    if (!px.LoadFromFile(strPath)) {
        RefuseMatchList();
        return TRUE;
    }
    try {
        LoadMatchRecords(&px);
    } catch (CException* pException) {
        pException->Delete();
        m_wndReportGames.GetRecords()->RemoveAll();
        RefuseMatchList();
        return TRUE;
    }
    m_wndReportGames.Populate();
    m_bMatchListLoaded = TRUE;

    AddFlagIcons(m_wndReportStatistic);
    AddColumns(m_wndReportStatistic, STATISTIC_COLUMNS);
    CXTPReportColumnOrder* pSortOrder = m_wndReportStatistic.GetColumns()->GetSortOrder();
    pSortOrder->Clear();
    pSortOrder->Add(m_wndReportStatistic.GetColumns()->GetAt(0), FALSE);

    int flags[CSettingsStore::MatchCount];
    CSettingsStore::GetInstance().LoadCheckedFlags(flags);
    CXTPReportRecords* pRecords = m_wndReportGames.GetRecords();
    for (int i = 0; i < pRecords->GetCount() && i < CSettingsStore::MatchCount; ++i) {
        CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
        if (pMatch != nullptr && pMatch->GetCheckItem() != nullptr)
            pMatch->GetCheckItem()->SetChecked(flags[i] != 0);
    }
    m_wndReportGames.RedrawControl();
    return TRUE;
}

void CTavrolinView::RefuseMatchList()
{
    AfxMessageBox(IDS_GAMES_UNREADABLE, MB_OK);
    ::PostQuitMessage(0);
}

void CTavrolinView::LoadMatchRecords(CXTPPropExchange* pPX)
{
    ::LoadMatchRecords(pPX, m_wndReportGames.GetRecords());
}

BOOL CTavrolinView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTavrolinView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_wndTabControl.GetSafeHwnd() != nullptr)
        m_wndTabControl.MoveWindow(0, 0, cx, cy, TRUE);
}

void CTavrolinView::SaveWatchFlags()
{
    // A list that failed to load must not wipe the flags the user set.
    if (!m_bMatchListLoaded)
        return;
    int flags[CSettingsStore::MatchCount] = {};
    CXTPReportRecords* pRecords = m_wndReportGames.GetRecords();
    for (int i = 0; i < pRecords->GetCount() && i < CSettingsStore::MatchCount; ++i) {
        CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
        if (pMatch != nullptr)
            flags[i] = IsWatchedMatch(pMatch) ? 1 : 0;
    }
    CSettingsStore::GetInstance().SaveCheckedFlags(flags);
}

void CTavrolinView::OnDestroy()
{
    SaveWatchFlags();
    CView::OnDestroy();
}

// The Windows session ends and the process with it: no window is destroyed.
void CTavrolinView::OnEndSession(BOOL bEnding)
{
    CView::OnEndSession(bEnding);
    if (bEnding)
        SaveWatchFlags();
}

BOOL CTavrolinView::IsTabSelected(int nTab) const
{
    return m_wndTabControl.GetSafeHwnd() != nullptr && m_wndTabControl.GetCurSel() == nTab;
}

CMatchRecord* CTavrolinView::GetFocusedMatch(BOOL& bHasRow)
{
    CXTPReportRow* pRow = m_wndReportGames.GetFocusedRow();
    bHasRow = pRow != nullptr;
    return pRow != nullptr ? DYNAMIC_DOWNCAST(CMatchRecord, pRow->GetRecord()) : nullptr;
}

void CTavrolinView::SetFocusedWatched(BOOL bWatched)
{
    BOOL bHasRow = FALSE;
    CMatchRecord* pMatch = GetFocusedMatch(bHasRow);
    if (pMatch == nullptr)
        return;
    if (pMatch->GetCheckItem() != nullptr)
        pMatch->GetCheckItem()->SetChecked(bWatched);
    m_wndReportGames.RedrawControl();
}

void CTavrolinView::OnSelectAll()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), [](const CMatchRecord&) { return true; });
    m_wndReportGames.Populate();
}

void CTavrolinView::OnDeselectAll()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), [](const CMatchRecord&) { return false; });
    m_wndReportGames.Populate();
}

void CTavrolinView::OnSelectGermany()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), MatchesOfGermany());
    m_wndReportGames.Populate();
}

void CTavrolinView::OnSelectRoundOf16()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), MatchNumbersBetween(49, 56));
    m_wndReportGames.Populate();
}

void CTavrolinView::OnSelectQuarterFinals()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), MatchNumbersBetween(57, 60));
    m_wndReportGames.Populate();
}

void CTavrolinView::OnSelectSemiFinals()
{
    WatchMatchesWhere(m_wndReportGames.GetRecords(), MatchNumbersBetween(61, 62));
    m_wndReportGames.Populate();
}

void CTavrolinView::OnSelectCity()
{
    if (m_strSelectCity.IsEmpty()) {
        BOOL bHasRow = FALSE;
        CMatchRecord* pMatch = GetFocusedMatch(bHasRow);
        if (!bHasRow)
            return;
        if (pMatch != nullptr)
            m_strSelectCity = pMatch->GetCity();
    }
    WatchMatchesWhere(m_wndReportGames.GetRecords(), MatchesInCity(m_strSelectCity));
    m_wndReportGames.Populate();
    m_strSelectCity.Empty();
}

void CTavrolinView::OnCheckRow()
{
    SetFocusedWatched(TRUE);
}

void CTavrolinView::OnUncheckRow()
{
    SetFocusedWatched(FALSE);
}

void CTavrolinView::OnUpdateCheckRow(CCmdUI* pCmdUI)
{
    UpdateRowCommand(pCmdUI, FALSE);
}

void CTavrolinView::OnUpdateUncheckRow(CCmdUI* pCmdUI)
{
    UpdateRowCommand(pCmdUI, TRUE);
}

void CTavrolinView::UpdateRowCommand(CCmdUI* pCmdUI, BOOL bForWatchedRow)
{
    if (!IsTabSelected(TabMatches)) {
        pCmdUI->Enable(FALSE);
        return;
    }
    // No focused row: the state stays as it is.
    BOOL bHasRow = FALSE;
    CMatchRecord* pMatch = GetFocusedMatch(bHasRow);
    if (bHasRow)
        pCmdUI->Enable(pMatch != nullptr && (IsWatchedMatch(pMatch) != FALSE) == (bForWatchedRow != FALSE));
}

void CTavrolinView::OnUpdateSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsTabSelected(TabMatches));
}

void CTavrolinView::OnUpdateRefreshStatistic(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsTabSelected(TabStatistic));
}

void CTavrolinView::OnReportDblClick(NMHDR* pNotifyStruct, LRESULT*)
{
    XTP_NM_REPORTRECORDITEM* pItemNotify = reinterpret_cast<XTP_NM_REPORTRECORDITEM*>(pNotifyStruct);
    if (pItemNotify->pRow == nullptr)
        return;
    // The watch box toggles itself on its own click.
    if (pItemNotify->pColumn != nullptr && pItemNotify->pColumn->GetIndex() == 0)
        return;
    CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pItemNotify->pRow->GetRecord());
    if (pMatch == nullptr)
        return;
    if (pMatch->GetCheckItem() != nullptr)
        pMatch->GetCheckItem()->SetChecked(!pMatch->GetCheckItem()->IsChecked());
    m_wndReportGames.RedrawControl();
}

void CTavrolinView::OnReportRClick(NMHDR* pNotifyStruct, LRESULT*)
{
    XTP_NM_REPORTRECORDITEM* pItemNotify = reinterpret_cast<XTP_NM_REPORTRECORDITEM*>(pNotifyStruct);
    if (pItemNotify->pRow == nullptr)
        return;
    CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pItemNotify->pRow->GetRecord());
    if (pMatch == nullptr)
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXTMENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    // "in dieser Stadt" from this menu takes the clicked row's city.
    m_strSelectCity = pMatch->GetCity();
    const BOOL bWatched = IsWatchedMatch(pMatch);
    pPopup->RemoveMenu(bWatched ? ID_CHECK_ROW : ID_UNCHECK_ROW, MF_BYCOMMAND);

    const int nCommand = CXTPCommandBars::TrackPopupMenu(pPopup, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                         pItemNotify->pt.x, pItemNotify->pt.y, this);
    if (nCommand == ID_CHECK_ROW || nCommand == ID_UNCHECK_ROW) {
        if (pMatch->GetCheckItem() != nullptr)
            pMatch->GetCheckItem()->SetChecked(nCommand == ID_CHECK_ROW);
        m_wndReportGames.RedrawControl();
    } else if (nCommand > 0) {
        SendMessage(WM_COMMAND, static_cast<WPARAM>(nCommand), 0);
    }
    // Its command has run by now: a city left over would otherwise steer a
    // later "in dieser Stadt" from the main menu.
    m_strSelectCity.Empty();
}

void CTavrolinView::OnTabChanged(NMHDR*, LRESULT* pResult)
{
    if (IsTabSelected(TabStatistic))
        StartStatisticRefresh();
    *pResult = 0;
}

void CTavrolinView::OnRefreshStatistic()
{
    StartStatisticRefresh();
}

void CTavrolinView::StopStatisticWorker()
{
    m_threadStatistic.m_eventStop.SetEvent();
    DWORD dwExitCode = 0;
    m_threadStatistic.Stop(dwExitCode);
}

void CTavrolinView::StartStatisticRefresh()
{
    StopStatisticWorker();
    m_wndReportStatistic.GetRecords()->RemoveAll();
    m_wndReportStatistic.Populate();
    SetEmptyText(m_wndReportStatistic, IDS_STATISTIC_LOADING);
    m_threadStatistic.m_nGeneration = CSettingsStore::GetInstance().IssueStatisticGeneration();
    m_threadStatistic.m_eventStop.ResetEvent();
    m_threadStatistic.Start();
}

LRESULT CTavrolinView::OnStatisticReady(WPARAM wParam, LPARAM lParam)
{
    CSettingsStore& settings = CSettingsStore::GetInstance();
    const int nGeneration = static_cast<int>(lParam);
    if (settings.GetStatisticGeneration() != nGeneration)
        return 0;
    if (wParam == 0) {
        SetEmptyText(m_wndReportStatistic, IDS_STATISTIC_FAILED);
        m_wndReportStatistic.RedrawControl();
        return 0;
    }
    CAtlArray<StatRow> rows;
    if (!settings.GetStatisticResults(nGeneration, rows))
        return 0;
    SetEmptyText(m_wndReportStatistic, IDS_REPORT_NO_ITEMS);
    for (size_t i = 0; i < rows.GetCount(); ++i)
        m_wndReportStatistic.AddRecord(new CStatRecord(rows[i]));
    m_wndReportStatistic.Populate();
    return 0;
}
