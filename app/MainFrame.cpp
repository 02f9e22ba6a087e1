#include "app/MainFrame.h"

#include <stdlib.h>
#include <time.h>

#include "app/controls/ControlWebPages.h"
#include "app/controls/LogoControlButton.h"
#include "app/dialogs/AboutBoxDlg.h"
#include "app/dialogs/InfoDlg.h"
#include "app/dialogs/InfoTicketDlg.h"
#include "app/dialogs/OptionsDlg.h"
#include "app/dialogs/Picture.h"
#include "app/frame/AlertSound.h"
#include "app/frame/GamesReportHolder.h"
#include "app/frame/OfferTexts.h"
#include "app/records/MatchRecord.h"
#include "app/records/TicketRecord.h"
#include "app/shell/SingleInstance.h"
#include "engine/SettingsStore.h"
#include "engine/TeamTable.h"
#include "engine/WorkerMessages.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/gdi/CDC.h"
#include "framework/ole/COleDateTime.h"
#include "framework/windows/CView.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/system/XTRegistryManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeKeyboardPage.h"
#include "toolkit/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"

#include <shellapi.h>

namespace {

const wchar_t PRODUCT_NAME[] = L"Tavrolin";
const UINT ID_STATUS_BAR = 59393;

COleDateTime Now()
{
    return COleDateTime(::time(nullptr));
}

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

CString StatisticLogPath()
{
    return CSettingsStore::GetProgramFolder() + L"statistic.log";
}

// The toolbar's buttons that show icon and caption.
BOOL IsProgramToolbarCommand(int nID)
{
    switch (nID)
    {
    case ID_START_SEARCH:
    case ID_STOP_SEARCH:
    case ID_OPTIONS:
    case ID_INFO_SINGLE_TICKET:
    case ID_INFO_TST_TICKET:
    case ID_HELP:
        return TRUE;
    default:
        return FALSE;
    }
}

// How often the exit waits for the boxes open over the frame to end.
const int MAX_EXIT_ROUNDS = 10;

// The logo's height on the toolbar, the height of its buttons' icons.
const int LOGO_HEIGHT = 32;
const COLORREF ICON_MASK_GREEN = RGB(0, 255, 0);

// Through the alerts' page opener: one place hands addresses to the browser.
void OpenWebAddress(const CString& strAddress)
{
    CAlertPopups::s_pfnOpenPage(strAddress);
}

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CXTPFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CXTPFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_XTP_PANE_ACTION, CMainFrame::OnDockingPaneNotify)
    ON_MESSAGE(WM_XTP_TOOLBAR_VISIBLE, CMainFrame::OnToolBarVisible)
    ON_MESSAGE(WM_HIDE_FLOATING_WINDOWS, CMainFrame::OnHideFloatingWindows)
    ON_WM_SYSCOMMAND()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_ENDSESSION()
    ON_WM_TIMER()
    ON_MESSAGE(WM_ALREADY_RUNNING, CMainFrame::OnAlreadyRunning)
    ON_MESSAGE(WM_SCAN_PROGRESS, CMainFrame::OnScanProgress)
    ON_MESSAGE(WM_SCAN_FINISHED, CMainFrame::OnScanFinished)
    ON_MESSAGE(WM_SHOW_STARTUP_INFO, CMainFrame::OnShowStartupInfo)
    ON_COMMAND(ID_TRAY_OPEN, CMainFrame::OnTrayOpen)
    ON_MESSAGE(XTWM_TRAYICON_NOTIFY, CMainFrame::OnTrayIconNotify)
    ON_COMMAND(ID_START_SEARCH, CMainFrame::OnStartSearch)
    ON_COMMAND(ID_STOP_SEARCH, CMainFrame::OnStopSearch)
    ON_UPDATE_COMMAND_UI(ID_START_SEARCH, CMainFrame::OnUpdateStartSearch)
    ON_UPDATE_COMMAND_UI(ID_STOP_SEARCH, CMainFrame::OnUpdateStopSearch)
    ON_MESSAGE(WM_XTP_POPUP_EVENT, CMainFrame::OnPopupNotify)
    ON_MESSAGE(CAlertPopups::WM_ALERT_POPUP_CLOSED, CMainFrame::OnAlertPopupClosed)
    ON_NOTIFY(XTP_NM_REPORT_HYPERLINK, IDC_TICKET_REPORT, CMainFrame::OnTicketLinkClick)
    ON_COMMAND(ID_OPTIONS, CMainFrame::OnOptions)
    ON_COMMAND(ID_ABOUT, CMainFrame::OnAbout)
    ON_COMMAND(ID_INFO_SINGLE_TICKET, CMainFrame::OnInfoSingleTicket)
    ON_COMMAND(ID_INFO_TST_TICKET, CMainFrame::OnInfoTstTicket)
    ON_UPDATE_COMMAND_UI(ID_INFO_SINGLE_TICKET, CMainFrame::OnUpdateInfoCommand)
    ON_UPDATE_COMMAND_UI(ID_INFO_TST_TICKET, CMainFrame::OnUpdateInfoCommand)
    ON_COMMAND(ID_CUSTOMIZE, CMainFrame::OnCustomize)
    ON_COMMAND(ID_LOGO, CMainFrame::OnLogoClicked)
    ON_MESSAGE(WM_XTP_CREATE_CONTROL, CMainFrame::OnCreateControl)
    ON_MESSAGE(WM_XTP_CONTROL_CREATED, CMainFrame::OnControlCreated)
    ON_NOTIFY(CBN_XTP_EXECUTE, ID_WEB_PAGE, CMainFrame::OnWebPageSelected)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_bInTray(FALSE)
    , m_pGamesReport(nullptr)
    , m_bSearching(FALSE)
    , m_bAlertSound(FALSE)
    , m_nRaisesLeft(0)
    , m_bHoldingForFirstShow(FALSE)
    , m_nExitRounds(0)
{
    ::srand((unsigned)::time(nullptr));
    CDatabaseManager::GetInstance().SetDumpCallbacks(&CMainFrame::FormatGameText, &DefaultFormatCategoryCode,
                                                     &CMainFrame::AddOfferRecord);
}

CMainFrame::~CMainFrame()
{
    // The workers' own destructors end threads that still run.
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CXTPFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~(LONG)FWS_ADDTOTITLE;
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return TRUE;
}

void CMainFrame::ActivateFrame(int nCmdShow)
{
    if (m_bInTray)
    {
        // Bars and panes shown since the frame went there stay off the desktop.
        m_floatingWindows.Hide(m_hWnd);
        return;
    }
    CXTPFrameWnd::ActivateFrame(nCmdShow);
}

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    CXTPFrameWnd::RecalcLayout(bNotify);
    if (m_bInTray)
        m_floatingWindows.Hide(m_hWnd);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetSharedMainWindow(m_hWnd);

    static const UINT indicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this, 0x50008200, ID_STATUS_BAR) || !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    if (!CreateCommandBars() || GetCommandBars() == nullptr)
        return -1;
    if (!CreateCommandBarsLayout())
        return -1;

    if (!m_paneManager.InstallDockingPanes(this))
        return -1;
    m_paneManager.SetTheme(2);
    CXTPDockingPane* pPane = m_paneManager.CreatePane(IDP_TICKETS, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    if (pPane != nullptr)
    {
        pPane->SetTitle(LoadText(IDS_PANE_TICKETS));
        m_paneManager.ClosePane(pPane);
    }

    if (!m_trayIcon.Create(PRODUCT_NAME, this, IDR_MAINFRAME, IDR_TRAYMENU, ID_TRAY_OPEN, FALSE))
        return -1;
    AddWebPageIcons();

    m_threadScan.m_hNotifyWnd = m_hWnd;
    m_threadUpdate.m_hNotifyWnd = m_hWnd;
    m_threadUpdate.StartUpdate();

    CSettingsStore& settings = CSettingsStore::GetInstance();
    if (settings.StartMinimized && settings.AutoScan)
    {
        m_bInTray = TRUE;
        m_trayIcon.HideFromTaskbar(this);
        ShowWindow(SW_HIDE);
        // A floating bar of the stored layout shows already.
        m_floatingWindows.Hide(m_hWnd);
    }

    // The view exists by now: the dump names the games from the start.
    DumpHistory();

    if (settings.AutoScan)
    {
        m_paneManager.ShowPane(IDP_TICKETS);
        m_bSearching = TRUE;
        StartScanOrRearm();
    }

    // Floating bars and panes of the stored layout show already, before
    // their frame: the display would stack the frame over them when it
    // shows. They wait for it and show after it; a layout without any
    // leaves the frame's first showing as it is.
    if (!m_bInTray)
    {
        m_floatingWindows.Hide(m_hWnd);
        m_bHoldingForFirstShow = m_floatingWindows.HasHidden();
    }
    return 0;
}

BOOL CMainFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The customize sheet and the boxes open over the frame, shown or in the
    // tray, run loops of their own and work on the frame's bars: they end
    // first, as by their Cancel buttons, and the frame closes once their
    // loops have returned. One that will not end keeps the frame open.
    if (message == WM_CLOSE)
    {
        if (m_openDialogs.EndAll(m_hWnd))
        {
            if (++m_nExitRounds <= MAX_EXIT_ROUNDS)
                PostMessage(WM_CLOSE);
            else
                m_nExitRounds = 0;
            if (pResult != nullptr)
                *pResult = 0;
            return TRUE;
        }
        m_nExitRounds = 0;
    }
    return CXTPFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CMainFrame::OnClose()
{
    SaveCommandBarsState();
    CXTPFrameWnd::OnClose();
}

void CMainFrame::OnDestroy()
{
    CXTPFrameWnd::OnDestroy();
    StopScanWorker();
    m_threadUpdate.m_eventStop.SetEvent();
    DWORD dwExitCode = 0;
    m_threadUpdate.Stop(dwExitCode);
}

// Windows ends the process once the session's end was announced, without
// closing or destroying a window: what the exit command keeps is kept here.
void CMainFrame::OnEndSession(BOOL bEnding)
{
    CXTPFrameWnd::OnEndSession(bEnding);
    if (!bEnding)
        return;
    SaveCommandBarsState();
    SendMessageToDescendants(WM_ENDSESSION, TRUE, 0, FALSE, TRUE);  // the view's watch flags
    if (CWinApp* pApp = AfxGetApp())
        pApp->ExitInstance();  // the settings, and the history's open periods
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (nID == SC_CLOSE || nID == SC_MINIMIZE)
    {
        ToggleTray();
        return;
    }
    CXTPFrameWnd::OnSysCommand(nID, lParam);
}

void CMainFrame::ToggleTray()
{
    if (!m_bInTray)
    {
        m_bInTray = TRUE;
        // Owned windows do not go with a hidden owner: without this they
        // would stay alone on the desktop. The dialog boxes go too, as the
        // window manager takes them with a minimized frame: left behind
        // hidden by it, the customize sheet's loop would keep every other
        // input from the frame.
        m_floatingWindows.Hide(m_hWnd);
        m_openDialogs.Hide(m_hWnd);
        m_trayIcon.MinimizeToTray(this);
        return;
    }
    // Still in the tray while the frame's window is made again and laid
    // out: no floating window shows before it.
    m_trayIcon.RestoreFromTray(this);
    m_bInTray = FALSE;
    m_bHoldingForFirstShow = FALSE;
    ShowFloatingWindowsAbove();
}

void CMainFrame::ShowFloatingWindowsAbove()
{
    // Shown after the frame, so that the display puts them over it; the
    // dialog boxes that went to the tray with it last, over the floating
    // windows, the top one active.
    m_floatingWindows.ShowAgain(m_hWnd);
    m_openDialogs.ShowAgain(m_hWnd);
    // A floating bar lays out only while it shows: one of the stored layout,
    // hidden since the start, gets its size now, not at the next idle pass.
    SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    // The display may still restack the frame's window it has just shown,
    // later on a busy machine: the floating windows are lifted now and a
    // few more times within the next second.
    RaiseFloatingWindows();
    m_nRaisesLeft = 4;
    SetTimer(IDT_RAISE_FLOATING_WINDOWS, 250, nullptr);
}

void CMainFrame::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CXTPFrameWnd::OnWindowPosChanged(lpwndpos);
    // The frame's first showing on the desktop: the floating windows held
    // back since its creation follow it.
    if (m_bHoldingForFirstShow && !m_bInTray && (lpwndpos->flags & SWP_SHOWWINDOW) && IsWindowVisible())
    {
        m_bHoldingForFirstShow = FALSE;
        ShowFloatingWindowsAbove();
    }
}

// Coming back from the tray puts the frame on top of every window, also of
// the floating bars and pane frames it owns; the system does not reliably
// lift owned windows again, so the frame does.
void CMainFrame::RaiseFloatingWindows()
{
    CFloatingWindows::RaiseAbove(m_hWnd);
}

// The display may hand the focus elsewhere once it has shown the frame's
// window anew (to the frame, or to a window of the desktop): the dialog box
// that came back with the frame keeps it, unless the user has moved on to a
// window of the program's own.
void CMainFrame::KeepDialogActive()
{
    HWND hDialog = m_openDialogs.GetActivated();
    if (hDialog == nullptr || !::IsWindowEnabled(hDialog))
        return;
    HWND hForeground = ::GetForegroundWindow();
    if (hForeground == hDialog)
        return;
    if (hForeground == nullptr || hForeground == m_hWnd ||
        ::GetWindowThreadProcessId(hForeground, nullptr) != ::GetCurrentThreadId())
    {
        ::SetForegroundWindow(hDialog);
        ::SetActiveWindow(hDialog);
    }
}

// A window manager offers the frame it has shown again the focus as a
// click on its menu: the box that came back from the tray with it keeps the
// focus (the system then hands the display's focus to that box).
int CMainFrame::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTMENU && message == WM_LBUTTONDOWN && m_openDialogs.GetActivated() != nullptr &&
        ::IsWindowEnabled(m_openDialogs.GetActivated()))
        return MA_NOACTIVATE;
    return CXTPFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CMainFrame::OnTrayOpen()
{
    ToggleTray();
}

// The icon asks the frame first. A frame that went to the tray with a box
// over it (the box disables it) comes back with that box on the icon's
// double click or menu click, as by "Öffnen": the box is what waits for the
// user, and the menu's commands would reach the frame under it.
LRESULT CMainFrame::OnTrayIconNotify(WPARAM, LPARAM lParam)
{
    if (!m_bInTray || IsWindowEnabled() || !m_openDialogs.HasHidden())
        return 0;
    switch (static_cast<UINT>(lParam))
    {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        ToggleTray();
        return 1;
    default:
        return 0;
    }
}

LRESULT CMainFrame::OnAlreadyRunning(WPARAM, LPARAM)
{
    if (m_bInTray)
        m_trayIcon.ShowBalloonTip(LoadText(IDS_ALREADY_RUNNING), PRODUCT_NAME, NIIF_INFO, 10);
    else
        BringWindowToTop();
    return 0;
}

LRESULT CMainFrame::OnShowStartupInfo(WPARAM, LPARAM)
{
    if (CSettingsStore::GetInstance().ShowInfo)
    {
        CInfoDlg dlg(this);
        dlg.DoModal();
    }
    return 0;
}

// Polling -------------------------------------------------------------------

void CMainFrame::StopScanWorker()
{
    m_threadScan.m_eventStop.SetEvent();
    DWORD dwExitCode = 0;
    m_threadScan.Stop(dwExitCode);
}

void CMainFrame::ArmPollTimer(int nSeconds)
{
    KillTimer(IDT_SCAN_POLL);
    SetTimer(IDT_SCAN_POLL, (UINT)(nSeconds > 0 ? nSeconds : 0) * 1000u, nullptr);
}

void CMainFrame::StartScanOrRearm()
{
    if (HasWatchedMatch())
    {
        StopScanWorker();
        m_threadScan.StartScan(TRUE);
    }
    else if (CSettingsStore::GetInstance().FindTST)
    {
        StopScanWorker();
        m_threadScan.StartScan(FALSE);
    }
    else
        ArmPollTimer(CSettingsStore::GetInstance().Interval);
}

CXTPReportControl* CMainFrame::FindGamesReport()
{
    CWnd* pView = GetActiveView();
    if (pView == nullptr)
        pView = GetDlgItem(AFX_IDW_PANE_FIRST);
    IGamesReportHolder* pHolder = dynamic_cast<IGamesReportHolder*>(pView);
    return pHolder != nullptr ? pHolder->GetGamesReport() : nullptr;
}

CXTPReportRecords* CMainFrame::GetGamesRecords() const
{
    return m_pGamesReport != nullptr ? m_pGamesReport->GetRecords() : nullptr;
}

BOOL CMainFrame::HasWatchedMatch()
{
    CXTPReportControl* pReport = FindGamesReport();
    CXTPReportRecords* pRecords = pReport != nullptr ? pReport->GetRecords() : nullptr;
    const int nCount = pRecords != nullptr ? pRecords->GetCount() : 0;
    for (int i = 0; i < nCount; ++i)
    {
        CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
        if (pMatch != nullptr && pMatch->IsWatched())
            return TRUE;
    }
    return FALSE;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == IDT_SCAN_POLL)
    {
        KillTimer(IDT_SCAN_POLL);
        StartScanOrRearm();
    }
    else if (nIDEvent == IDT_RAISE_FLOATING_WINDOWS)
    {
        if (--m_nRaisesLeft <= 0 || m_bInTray)
            KillTimer(IDT_RAISE_FLOATING_WINDOWS);
        if (!m_bInTray)
        {
            RaiseFloatingWindows();
            KeepDialogActive();
        }
    }
    CXTPFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::OnStartSearch()
{
    if (m_bSearching)
        return;
    m_paneManager.ShowPane(IDP_TICKETS);
    m_bSearching = TRUE;
    StartScanOrRearm();
}

void CMainFrame::OnStopSearch()
{
    m_bSearching = FALSE;
    // An armed timer would start the next scan, and its popups, after the
    // user stopped the search.
    KillTimer(IDT_SCAN_POLL);
    StopScanWorker();
    if (CXTPDockingPane* pPane = m_paneManager.FindPane(IDP_TICKETS))
        m_paneManager.ClosePane(pPane);
}

void CMainFrame::OnUpdateStartSearch(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bSearching ? 1 : 0);
}

void CMainFrame::OnUpdateStopSearch(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bSearching);
}

LRESULT CMainFrame::OnScanProgress(WPARAM wParam, LPARAM lParam)
{
    if ((int)lParam != CSettingsStore::GetInstance().GetScanGeneration())
        return 0;
    UINT nID = 0;
    switch (wParam)
    {
    case SCAN_LOADING: nID = IDS_TICKETINFO_LOADING; break;
    case SCAN_LOADED: nID = IDS_TICKETINFO_LOADED; break;
    case SCAN_FAILED: nID = IDS_TICKETINFO_FAILED; break;
    }
    SetStatusText(nID != 0 ? LoadText(nID) : CString());
    return 0;
}

LRESULT CMainFrame::OnScanFinished(WPARAM, LPARAM lParam)
{
    CXTPReportControl* pReport = FindGamesReport();
    if (pReport == nullptr)
        return 0;
    m_pGamesReport = pReport;
    CSettingsStore& settings = CSettingsStore::GetInstance();
    const int nGeneration = (int)lParam;
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    if (nGeneration == settings.GetScanGeneration() && settings.GetScanResults(nGeneration, matches, teams))
    {
        CDatabaseManager& database = CDatabaseManager::GetInstance();
        database.SetContentsChanged(FALSE);
        m_bAlertSound = FALSE;

        CXTPReportRecords* pRecords = GetGamesRecords();
        CAtlArray<BOOL> watched;
        watched.SetCount((size_t)pRecords->GetCount());
        for (int i = 0; i < pRecords->GetCount(); ++i)
        {
            CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
            watched[(size_t)i] = pMatch != nullptr && pMatch->IsWatched();
        }
        MergeScan(watched, matches, teams, settings.FindTST);

        if (m_bAlertSound)
            PlayAlertSound();
        if (database.IsContentsChanged())
            DumpHistory();
    }
    // Polling goes on only while the user searches.
    if (m_bSearching)
    {
        const int nJitter = settings.MaxDiff != 0 ? (int)((unsigned)::rand() % (unsigned)settings.MaxDiff) : 0;
        ArmPollTimer(settings.Interval - nJitter);
    }
    m_pGamesReport = nullptr;
    return 0;
}

void CMainFrame::SetStatusText(const CString& strText)
{
    if (CWnd* pStatus = GetDlgItem(ID_STATUS_BAR))
        pStatus->SetWindowText(strText);
}

CString CMainFrame::GetStatusText() const
{
    CString strText;
    if (CWnd* pStatus = GetDlgItem(ID_STATUS_BAR))
        pStatus->GetWindowText(strText);
    return strText;
}

// Offers and alerts ---------------------------------------------------------

BOOL CMainFrame::IsFindYellow() const
{
    return CSettingsStore::GetInstance().FindYellow;
}

void CMainFrame::EndOffer(int nRowId)
{
    CDatabaseManager::GetInstance().EndOffer(nRowId, Now());
}

int CMainFrame::AddOfferAlert(int nMatch, int nCategory, BOOL bSb, BOOL bResale, int nRow)
{
    OfferCategoryCode code = nCategory;
    if (bSb)
        code |= OFFER_SECOND_GROUP;
    if (bResale)
        code |= OFFER_RESALE;
    const int nRowId = CDatabaseManager::GetInstance().AddOffer(Now(), nRow, code);
    m_bAlertSound = TRUE;
    m_alertTexts = AlertTexts();
    m_alertTexts.strAddress = bResale ? ResaleDetailAddress(nMatch) : ResaleOverviewAddress();
    m_alertTexts.strLine = FormatMatchOfferLine(nCategory, bSb, bResale);
    if (CMatchRecord* pMatch = FindMatchByNumber(GetGamesRecords(), nMatch))
        m_alertTexts.strTitle.Format(L"%s: %s - %s", pMatch->GetCity().GetString(), pMatch->GetCountry1().GetString(),
                                     pMatch->GetCountry2().GetString());
    ShowAlert(m_alertTexts);
    return nRowId;
}

int CMainFrame::AddTstOfferAlert(int nTeam, int nIndex, BOOL bResale)
{
    const int nSeries = nIndex + 2;
    OfferCategoryCode code = nSeries | OFFER_TEAM_SPECIFIC;
    if (bResale)
        code |= OFFER_RESALE;
    const int nRowId = CDatabaseManager::GetInstance().AddOffer(Now(), nTeam, code);
    m_bAlertSound = TRUE;
    m_alertTexts = AlertTexts();
    m_alertTexts.strLine = FormatTstOfferLine(nSeries, bResale);
    m_alertTexts.strAddress = TstListAddress();
    m_alertTexts.strTitle = GetTeamNameById(nTeam);
    ShowAlert(m_alertTexts);
    return nRowId;
}

void CMainFrame::ShowAlert(const AlertTexts& texts)
{
    m_alerts.ShowAlertPopup(this, texts);
}

void CMainFrame::PlayAlertSound()
{
    const CSettingsStore& settings = CSettingsStore::GetInstance();
    CAlertSound::Play(settings.Beep, settings.Sound);
}

LRESULT CMainFrame::OnPopupNotify(WPARAM wParam, LPARAM lParam)
{
    return m_alerts.OnPopupNotify(wParam, lParam);
}

LRESULT CMainFrame::OnAlertPopupClosed(WPARAM, LPARAM)
{
    m_alerts.DeleteClosed();
    return 0;
}

// Ticket pane ---------------------------------------------------------------

BOOL CMainFrame::CreateTicketReport()
{
    if (!m_wndTicketReport.Create(0x40000044, CRect(0, 0, 0, 0), this, IDC_TICKET_REPORT))
        return FALSE;
    m_wndTicketReport.SetOwner(this);
    m_wndTicketReport.GetPaintManager()->SetNoItemsText(LoadText(IDS_NO_TICKETS));
    static const UINT teamIcons[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                     17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    m_wndTicketReport.GetImageManager()->SetIcons(IDB_FLAGS, teamIcons, 32, CSize(16, 16));
    const struct
    {
        UINT nCaption;
        int nWidth;
        BOOL bAutoSize;
    } columns[] = {
        {IDS_COLUMN_AVAILABLE_FROM, 120, FALSE}, {IDS_COLUMN_TEAM1, 80, TRUE}, {IDS_COLUMN_TEAM2, 80, TRUE},
        {IDS_COLUMN_CITY, 80, TRUE},             {IDS_COLUMN_DATE, 40, TRUE},  {IDS_COLUMN_CATEGORY, 60, FALSE},
    };
    for (int i = 0; i < 6; ++i)
        m_wndTicketReport.AddColumn(new CXTPReportColumn(i, LoadText(columns[i].nCaption), columns[i].nWidth,
                                                         columns[i].bAutoSize));
    m_wndTicketReport.Populate();
    return TRUE;
}

LRESULT CMainFrame::OnDockingPaneNotify(WPARAM wParam, LPARAM lParam)
{
    // A pane shown, floated or moved while in the tray may show its floating
    // frame after this notice, and the frame's own layout waits for an idle
    // pass a hidden frame does not get.
    if (m_bInTray)
        PostMessage(WM_HIDE_FLOATING_WINDOWS);
    if (wParam != XTP_DPN_SHOWWINDOW)
        return FALSE;
    CXTPDockingPane* pPane = reinterpret_cast<CXTPDockingPane*>(lParam);
    if (pPane == nullptr || pPane->IsAttached() || pPane->GetID() != IDP_TICKETS)
        return TRUE;
    if (m_wndTicketReport.GetSafeHwnd() == nullptr && !CreateTicketReport())
        return TRUE;
    pPane->Attach(&m_wndTicketReport);
    return TRUE;
}

// A floating bar shown while in the tray stays off the desktop until the
// frame comes back.
LRESULT CMainFrame::OnToolBarVisible(WPARAM, LPARAM lParam)
{
    if (m_bInTray && lParam)
        m_floatingWindows.Hide(m_hWnd);
    return 0;
}

LRESULT CMainFrame::OnHideFloatingWindows(WPARAM, LPARAM)
{
    if (m_bInTray)
        m_floatingWindows.Hide(m_hWnd);
    return 0;
}

void CMainFrame::DumpHistory()
{
    // Held for the dump's callbacks; a handler that holds it already keeps it.
    CXTPReportControl* pHeld = m_pGamesReport;
    if (m_pGamesReport == nullptr)
        m_pGamesReport = FindGamesReport();
    const BOOL bReport = m_wndTicketReport.GetSafeHwnd() != nullptr;
    m_wndTicketReport.GetRecords()->RemoveAll();
    if (bReport)
        m_wndTicketReport.BeginUpdate();
    CDatabaseManager::GetInstance().DumpToFile(StatisticLogPath(), this);
    if (bReport)
        m_wndTicketReport.EndUpdate();
    m_wndTicketReport.Populate();
    m_pGamesReport = pHeld;
}

void CMainFrame::FormatGameText(int nGameId, CMainFrame* pFrame, CString& strText, int nTeamSpecific)
{
    strText.Empty();
    if (pFrame == nullptr || pFrame->m_pGamesReport == nullptr)
        return;
    if (nTeamSpecific)
    {
        strText = GetTeamNameById(nGameId);
        return;
    }
    if (CMatchRecord* pMatch = GetMatchAt(pFrame->GetGamesRecords(), nGameId))
        strText = FormatMatchGameText(*pMatch);
}

void CMainFrame::AddOfferRecord(OfferCategoryCode code, CMainFrame* pFrame, DATE dtStart, int nGameId)
{
    if (pFrame == nullptr)
        return;
    const CString strCategory = DefaultFormatCategoryCode(code);
    CTicketRecord* pRecord = nullptr;
    if (code & OFFER_TEAM_SPECIFIC)
        pRecord = new CTicketRecord(COleDateTime(dtStart), GetTeamNameById(nGameId), L"", L"", L"", strCategory,
                                    TstListAddress());
    else if (CMatchRecord* pMatch = GetMatchAt(pFrame->GetGamesRecords(), nGameId))
    {
        const CString strAddress = (code & OFFER_RESALE) ? ResaleDetailAddress(nGameId + 1) : ResaleOverviewAddress();
        pRecord = new CTicketRecord(COleDateTime(dtStart), pMatch->GetCountry1(), pMatch->GetCountry2(),
                                    pMatch->GetCity(), pMatch->GetDateText(), strCategory, strAddress);
    }
    if (pRecord != nullptr)
        pFrame->m_wndTicketReport.AddRecord(pRecord);
}

void CMainFrame::OnTicketLinkClick(NMHDR* pNotifyStruct, LRESULT*)
{
    XTP_NM_REPORTRECORDITEM* pItemNotify = reinterpret_cast<XTP_NM_REPORTRECORDITEM*>(pNotifyStruct);
    if (pItemNotify->pRow == nullptr || pItemNotify->pItem == nullptr || pItemNotify->nHyperlink < 0)
        return;
    CTicketRecord* pRecord = DYNAMIC_DOWNCAST(CTicketRecord, pItemNotify->pRow->GetRecord());
    if (pRecord != nullptr)
        CAlertPopups::s_pfnOpenPage(pRecord->GetPageAddress());
}

// Command bars --------------------------------------------------------------

BOOL CMainFrame::CreateCommandBarsLayout()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars->SetMenu(LoadText(IDS_MENUBAR), IDR_MAINFRAME) == nullptr)
        return FALSE;
    CXTPToolBar* pToolBar = pCommandBars->Add(LoadText(IDS_TOOLBAR_STANDARD), xtpBarTop);
    if (pToolBar == nullptr)
        return FALSE;
    // Before the toolbar's buttons: the logo button gets the logo as it is made.
    LoadLogoBitmap();
    const UINT nToolBar = CXTPImageManager::IsAlphaImagesSupported() ? IDR_TOOLBAR_ALPHA : IDR_TOOLBAR_COLOR;
    if (!pToolBar->LoadToolBar(nToolBar, TRUE))
        return FALSE;
    pToolBar->SetFlags(XTP_BARFLAG_STRETCHED);

    CXTPPaintManager::SetTheme(xtpThemeWhidbey);
    static const UINT printCommands[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW};
    pCommandBars->HideCommands(printCommands, 2);
    pCommandBars->GetOptions()->bAlwaysShowFullMenus = FALSE;
    pCommandBars->GetToolTipContext()->SetStyle(xtpToolTipOffice);
    pCommandBars->GetShortcutManager()->SetAccelerators(IDR_MAINFRAME);
    LoadCommandBarsState();
    return TRUE;
}

CXTPToolBar* CMainFrame::GetStandardToolBar() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars != nullptr ? pCommandBars->FindToolBar(IDR_TOOLBAR_ALPHA) : nullptr;
}

void CMainFrame::LoadCommandBarsState()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    pCommandBars->LoadOptions(COMMAND_BARS_PROFILE);
    pCommandBars->LoadBarState(COMMAND_BARS_PROFILE, FALSE);
    pCommandBars->GetShortcutManager()->LoadShortcuts(COMMAND_BARS_PROFILE);
    GiveLogoToLogoButtons();
}

void CMainFrame::SaveCommandBarsState()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return;
    pCommandBars->SaveOptions(COMMAND_BARS_PROFILE);
    pCommandBars->SaveBarState(COMMAND_BARS_PROFILE, TRUE);
    pCommandBars->GetShortcutManager()->SaveShortcuts(COMMAND_BARS_PROFILE);
}

void CMainFrame::GiveLogoToLogoButtons()
{
    // The initial set too: a reset makes the bar's controls again from it
    // (copies keep the logo), and a stored layout brings it back without.
    CXTPCommandBars* pCommandBars = GetCommandBars();
    for (int nBar = 0; nBar < pCommandBars->GetCount(); ++nBar) {
        CXTPControls* pControls = pCommandBars->GetAt(nBar)->GetControls();
        GiveLogoToLogoButtons(pControls);
        if (pControls->GetOriginalControls() != nullptr)
            GiveLogoToLogoButtons(pControls->GetOriginalControls());
    }
}

void CMainFrame::GiveLogoToLogoButtons(CXTPControls* pControls)
{
    for (int i = 0; i < pControls->GetCount(); ++i)
        if (CLogoControlButton* pLogo = DYNAMIC_DOWNCAST(CLogoControlButton, pControls->GetAt(i)))
            pLogo->SetBitmap(&m_bmpLogo);
}

void CMainFrame::AddWebPageIcons()
{
    CXTPImageManager* pImages = XTPImageManager();
    pImages->SetMaskColor(ICON_MASK_GREEN);
    static const UINT webIcons[] = {ID_WEB_GLOBE, ID_WEB_PAGE};
    pImages->SetIcons(IDB_WEB_ICONS, webIcons, 2, CSize(16, 16));
}

void CMainFrame::LoadLogoBitmap()
{
    LoadLogoBitmap(CSettingsStore::GetProgramFolder() + L"pics\\logo.jpg", m_bmpLogo);
}

BOOL CMainFrame::LoadLogoBitmap(const CString& strPicturePath, CBitmap& bitmap)
{
    CPicture picture;
    if (!picture.Load(strPicturePath) || picture.GetHeight() <= 0)
        return FALSE;
    const int nWidth = ::MulDiv(picture.GetWidth(), LOGO_HEIGHT, picture.GetHeight());
    if (nWidth <= 0)
        return FALSE;
    CDC dcScreen;
    dcScreen.Attach(::GetDC(nullptr));
    BOOL bDone = FALSE;
    CBitmap logo;
    if (logo.CreateCompatibleBitmap(&dcScreen, nWidth, LOGO_HEIGHT))
    {
        CDC dcLogo;
        if (dcLogo.CreateCompatibleDC(&dcScreen))
        {
            CBitmap* pOld = dcLogo.SelectObject(&logo);
            picture.Render(&dcLogo, CRect(0, 0, nWidth, LOGO_HEIGHT));
            dcLogo.SelectObject(pOld);
            bitmap.DeleteObject();
            bitmap.Attach(logo.Detach());
            bDone = TRUE;
        }
    }
    ::ReleaseDC(nullptr, dcScreen.Detach());
    return bDone;
}

LRESULT CMainFrame::OnCreateControl(WPARAM, LPARAM lParam)
{
    XTPCreateControlRequest* pRequest = reinterpret_cast<XTPCreateControlRequest*>(lParam);
    if (pRequest == nullptr)
        return FALSE;
    if (pRequest->nID == ID_WEB_PAGES)
    {
        pRequest->pControl = new CControlWebPages(CSettingsStore::GetProgramFolder() + L"wm-info.xml");
        return TRUE;
    }
    if (pRequest->nID == ID_LOGO)
    {
        CLogoControlButton* pLogo = new CLogoControlButton;
        pLogo->SetStyle(xtpButtonIcon);
        pRequest->buttonStyle = xtpButtonIcon;
        pLogo->SetFlags(xtpFlagRightAlign | xtpFlagNoMovable);
        pLogo->SetBitmap(&m_bmpLogo);
        pRequest->pControl = pLogo;
        return TRUE;
    }
    if (pRequest->bToolBar && IsProgramToolbarCommand(pRequest->nID))
    {
        pRequest->buttonStyle = xtpButtonIconAndCaption;
        return TRUE;
    }
    return FALSE;
}

LRESULT CMainFrame::OnControlCreated(WPARAM, LPARAM lParam)
{
    XTPCreateControlRequest* pRequest = reinterpret_cast<XTPCreateControlRequest*>(lParam);
    if (pRequest == nullptr || pRequest->pControl == nullptr || !pRequest->bToolBar ||
        !IsProgramToolbarCommand(pRequest->nID))
        return FALSE;
    // The string's prompt is the tooltip; the short name after it the caption.
    CString strTooltip = LoadText((UINT)pRequest->nID);
    const int nNewLine = strTooltip.Find(L'\n');
    if (nNewLine >= 0)
        strTooltip = strTooltip.Left(nNewLine);
    pRequest->pControl->SetTooltip(strTooltip);
    return TRUE;
}

void CMainFrame::OnCustomize()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return;
    // Owned by the frame: the sheet then lets the frame's bars be customized
    // and keeps the rest of the frame out of reach while it runs.
    CXTPCustomizeSheet sheet(pCommandBars, this);

    CXTPCustomizeKeyboardPage pageKeyboard(&sheet);
    sheet.AddPage(&pageKeyboard);
    pageKeyboard.AddCategories(IDR_MAINFRAME);

    CXTPCustomizeOptionsPage pageOptions(&sheet);
    sheet.AddPage(&pageOptions);

    CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
    pCommands->AddCategories(IDR_MAINFRAME);
    pCommands->InsertAllCommandsCategory(XTP_IDS_ALLCOMMANDS);
    pCommands->InsertBuiltInMenus(IDR_MAINFRAME, XTP_IDS_BUILTINMENUS);
    pCommands->InsertNewMenuCategory(XTP_IDS_NEWMENU);

    sheet.DoModal();
}

// Dialogs ---------------------------------------------------------------------

void CMainFrame::OnOptions()
{
    COptionsDlg dlg(this);
    if (dlg.DoModal() == IDOK && m_bSearching)
        StartScanOrRearm();
}

void CMainFrame::OnAbout()
{
    CAboutBoxDlg dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnInfoSingleTicket()
{
    CInfoTicketDlg dlg(IDR_RTF_SINGLE_TICKET, this);
    dlg.DoModal();
}

void CMainFrame::OnInfoTstTicket()
{
    CInfoTicketDlg dlg(IDR_RTF_TST_TICKET, this);
    dlg.DoModal();
}

void CMainFrame::OnUpdateInfoCommand(CCmdUI*)
{
    // A handler of its own keeps both buttons enabled.
}

// Web pages and the logo ---------------------------------------------------

void CMainFrame::OnWebPageSelected(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const NMXTPCONTROL* pNotify = reinterpret_cast<const NMXTPCONTROL*>(pNotifyStruct);
    // A stored layout or a changed control could carry any parameter.
    if (pNotify->pControl != nullptr && CControlWebPages::IsWebAddress(pNotify->pControl->GetParameter()))
        OpenWebAddress(pNotify->pControl->GetParameter());
    *pResult = 1;
}

void CMainFrame::OnLogoClicked()
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);
    const CString strAddress = registry.GetProfileString(L"Settings", L"LogoURL", L"");
    if (!strAddress.IsEmpty())
        OpenWebAddress(strAddress);
}
