// The main frame's client: a tab control holding the match report ("WM
// Tickets", the watched matches) and the statistics report ("Online
// Statistik"). Owns the selection commands, the watch flags ("Checked") and
// the statistics worker.
#pragma once
#include "app/frame/GamesReportHolder.h"
#include "engine/ThreadStatistic.h"
#include "framework/windows/CView.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/tabs/XTPTabControl.h"

class CCmdUI;
class CMatchRecord;
class CXTPPropExchange;

class CTavrolinView : public CView, public IGamesReportHolder
{
    DECLARE_DYNCREATE(CTavrolinView)

public:
    enum { IDC_REPORT_GAMES = 100, IDC_TAB_CONTROL = 102, IDC_REPORT_STATISTIC = 103 };
    enum { TabMatches = 0, TabStatistic = 1 };

    CTavrolinView();
    ~CTavrolinView() override;

    CXTPReportControl* GetGamesReport() override { return &m_wndReportGames; }
    void OnDraw(CDC* pDC) override;

    // Columns, flags, the match list and the watch flags. A list that cannot
    // be read tells the user and ends the program through the quit message.
    BOOL BuildReports();
    void LoadMatchRecords(CXTPPropExchange* pPX);
    void StartStatisticRefresh();

    // TRUE when "GAMES.XML" gave the match report its rows.
    BOOL IsMatchListLoaded() const { return m_bMatchListLoaded; }

    CXTPReportControl m_wndReportGames;
    CXTPReportControl m_wndReportStatistic;
    CXTPTabControl m_wndTabControl;
    CThreadStatistic m_threadStatistic;
    CString m_strSelectCity;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnStatisticReady(WPARAM wParam, LPARAM lParam);
    afx_msg void OnReportDblClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnReportRClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnTabChanged(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnRefreshStatistic();
    afx_msg void OnUpdateRefreshStatistic(CCmdUI* pCmdUI);
    afx_msg void OnSelectAll();
    afx_msg void OnDeselectAll();
    afx_msg void OnSelectGermany();
    afx_msg void OnSelectCity();
    afx_msg void OnSelectRoundOf16();
    afx_msg void OnSelectQuarterFinals();
    afx_msg void OnSelectSemiFinals();
    afx_msg void OnCheckRow();
    afx_msg void OnUncheckRow();
    afx_msg void OnUpdateCheckRow(CCmdUI* pCmdUI);
    afx_msg void OnUpdateUncheckRow(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSelection(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsTabSelected(int nTab) const;
    // The focused row's record when it is a match; bHasRow tells whether a
    // row is focused at all.
    CMatchRecord* GetFocusedMatch(BOOL& bHasRow);
    void SetFocusedWatched(BOOL bWatched);
    // "Auswählen" (for an unwatched row) or "Auswahl umkehren" (watched).
    void UpdateRowCommand(CCmdUI* pCmdUI, BOOL bForWatchedRow);
    void RefuseMatchList();
    void StopStatisticWorker();
    void SaveWatchFlags();

    BOOL m_bMatchListLoaded;
};
