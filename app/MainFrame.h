// The program's main window: its command bars, the ticket pane, the tray
// icon, the scan worker and its polling timer, the offer bookkeeping, the
// alerts and the update worker.
#pragma once
#include "app/frame/AlertPopups.h"
#include "app/frame/FloatingWindows.h"
#include "app/frame/OpenDialogs.h"
#include "app/frame/OfferBook.h"
#include "engine/ThreadScan.h"
#include "engine/ThreadUpdate.h"
#include "engine/db/OfferCategoryCode.h"
#include "framework/gdi/CBitmap.h"
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"
#include "toolkit/common/tray/XTTrayIcon.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/report/XTPReportControl.h"

class CXTPControls;

// Posted by a second instance to the first one's frame.
#define WM_ALREADY_RUNNING 0x40B
// Sent once by the application after the frame was shown.
#define WM_SHOW_STARTUP_INFO 0x466
// Posted to hide again what the docking manager showed while in the tray.
#define WM_HIDE_FLOATING_WINDOWS (WM_APP + 0x240)
// The polling timer of the frame window.
#define IDT_SCAN_POLL 1236
// Lifts the floating windows again after the frame came back from the tray.
#define IDT_RAISE_FLOATING_WINDOWS 1237
// Where the command bars keep their options, layout and shortcuts.
#define COMMAND_BARS_PROFILE L"CommandBars2"
// The docking pane with the open offers, and its report.
#define IDP_TICKETS 108
#define IDC_TICKET_REPORT 101

class CMainFrame : public CXTPFrameWnd, public COfferBook
{
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // A frame that went to the tray while it was created stays there.
    void ActivateFrame(int nCmdShow = -1) override;
    // The docking panes show their floating frames again at every layout:
    // in the tray they go again.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Polling.
    void StartScanOrRearm();
    BOOL HasWatchedMatch();
    BOOL IsSearching() const { return m_bSearching; }
    BOOL IsInTray() const { return m_bInTray; }
    void ToggleTray();

    // Alerts.
    void PlayAlertSound();
    CAlertPopups& GetAlerts() { return m_alerts; }

    // The history dump's callbacks (registered with the database manager).
    static void FormatGameText(int nGameId, CMainFrame* pFrame, CString& strText, int nTeamSpecific);
    static void AddOfferRecord(OfferCategoryCode code, CMainFrame* pFrame, DATE dtStart, int nGameId);
    // Rewrites "statistic.log" and the ticket pane's rows from the history.
    void DumpHistory();

    CXTPDockingPaneManager& GetPaneManager() { return m_paneManager; }
    CXTPReportControl& GetTicketReport() { return m_wndTicketReport; }
    CXTTrayIcon& GetTrayIcon() { return m_trayIcon; }
    CThreadScan& GetScanWorker() { return m_threadScan; }
    // The status bar's text (its message pane).
    CString GetStatusText() const;

    // The logo picture scaled to a height of 32 pixels into a bitmap
    // compatible with the screen; FALSE (bitmap untouched) when the
    // picture cannot be loaded.
    static BOOL LoadLogoBitmap(const CString& strPicturePath, CBitmap& bitmap);
    CBitmap& GetLogoBitmap() { return m_bmpLogo; }
    // The toolbar with the program's commands.
    CXTPToolBar* GetStandardToolBar() const;

protected:
    // The exit closes what is open over the frame first.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // COfferBook: history rows and alerts.
    BOOL IsFindYellow() const override;
    void EndOffer(int nRowId) override;
    int AddOfferAlert(int nMatch, int nCategory, BOOL bSb, BOOL bResale, int nRow) override;
    int AddTstOfferAlert(int nTeam, int nIndex, BOOL bResale) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnAlreadyRunning(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScanProgress(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScanFinished(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowStartupInfo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDockingPaneNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolBarVisible(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHideFloatingWindows(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopupNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAlertPopupClosed(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTrayOpen();
    afx_msg LRESULT OnTrayIconNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnStartSearch();
    afx_msg void OnStopSearch();
    afx_msg void OnUpdateStartSearch(CCmdUI* pCmdUI);
    afx_msg void OnUpdateStopSearch(CCmdUI* pCmdUI);
    afx_msg void OnTicketLinkClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    // Dialogs.
    afx_msg void OnOptions();
    afx_msg void OnAbout();
    afx_msg void OnInfoSingleTicket();
    afx_msg void OnInfoTstTicket();
    afx_msg void OnUpdateInfoCommand(CCmdUI* pCmdUI);
    // Command bars, web pages and the logo.
    afx_msg void OnCustomize();
    afx_msg LRESULT OnCreateControl(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlCreated(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWebPageSelected(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnLogoClicked();
    DECLARE_MESSAGE_MAP()

private:
    // The view's games report: the active view's, else the frame's first
    // pane (the view exists before it is made active).
    CXTPReportControl* FindGamesReport();
    CXTPReportRecords* GetGamesRecords() const;
    void StopScanWorker();
    void ArmPollTimer(int nSeconds);
    void SetStatusText(const CString& strText);
    void ShowAlert(const AlertTexts& texts);
    void RaiseFloatingWindows();
    // Shows the floating windows held back, over the frame just shown, and
    // lifts them now and a few more times within the next second.
    void ShowFloatingWindowsAbove();
    void KeepDialogActive();
    BOOL CreateTicketReport();
    // Menu bar, toolbar, theme, options, accelerators and the stored layout.
    BOOL CreateCommandBarsLayout();
    void LoadLogoBitmap();
    void LoadCommandBarsState();
    void SaveCommandBarsState();
    // Controls made again from a stored layout know no logo of their own.
    void GiveLogoToLogoButtons();
    void GiveLogoToLogoButtons(CXTPControls* pControls);
    void AddWebPageIcons();

    CXTPStatusBar m_wndStatusBar;
    CXTPDockingPaneManager m_paneManager;
    BOOL m_bInTray;
    CBitmap m_bmpLogo;
    CXTTrayIcon m_trayIcon;
    CThreadScan m_threadScan;
    CThreadUpdate m_threadUpdate;
    CXTPReportControl* m_pGamesReport;
    CXTPReportControl m_wndTicketReport;
    AlertTexts m_alertTexts;
    CAlertPopups m_alerts;
    BOOL m_bSearching;
    BOOL m_bAlertSound;
    // Timer ticks that still lift the floating windows after the tray.
    int m_nRaisesLeft;
    // The floating bars and pane frames kept off the desktop while in the
    // tray, and those of the stored layout until the frame first shows.
    CFloatingWindows m_floatingWindows;
    BOOL m_bHoldingForFirstShow;
    // The dialog boxes that went to the tray with the frame.
    COpenDialogs m_openDialogs;
    // Exits put off until the boxes open over the frame had ended.
    int m_nExitRounds;
};
