// A main frame with a stand-in view whose games report holds a few matches,
// a history database of its own, and scan results fed to the frame as the
// scan worker would hand them over.
#pragma once
// Before windows.h, for the socket helpers some frame tests use.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "app/MainFrame.h"
#include "support/TestPump.h"
#include "app/frame/GamesReportHolder.h"
#include "framework/windows/CView.h"

class CMatchRecord;

class CGamesView : public CView, public IGamesReportHolder
{
    DECLARE_DYNCREATE(CGamesView)

public:
    CXTPReportControl* GetGamesReport() override { return &m_report; }
    void OnDraw(CDC*) override {}
    // Matches 1..n as rows 0..n-1; none watched.
    void AddMatches(int nCount);
    void Watch(int nRow, BOOL bWatch);

    CXTPReportControl m_report;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Answers the view's commands of the accelerator table, so that they
    // stay enabled in the frame's menu as with the program's view.
    afx_msg void OnViewCommand() {}
    DECLARE_MESSAGE_MAP()
};

namespace frametest {

// Polling settings for a test, the earlier values back at its end: the
// interval given, no jitter, no team series, no sound, no start options.
class CPollSettings
{
public:
    explicit CPollSettings(int nInterval);
    ~CPollSettings();

private:
    int m_saved[7];
};

// Creates the frame with a CGamesView (hidden); null on failure.
CMainFrame* CreateFrame();
CGamesView* ViewOf(CMainFrame* pFrame);
// Feeds one scan result: category values of match 1's first group and,
// with teams, TST resale offers; posts the finish message and pumps.
void FeedResult(CMainFrame* pFrame, const int category[4], const int* tstResaleOfTeam6 = nullptr, BOOL bStale = FALSE);
// The armed polling timer is killed by the probe: TRUE when it was armed.
BOOL TakePollTimer(CMainFrame* pFrame);
// Whether the polling timer is armed; an armed one is armed again with the
// settings' interval, as the frame arms it (the tests' settings have no jitter).
BOOL IsPollTimerArmed(CMainFrame* pFrame);
std::wstring ReadTextFile(const CString& path);

} // namespace frametest
