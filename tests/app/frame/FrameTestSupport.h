// A main frame with a stand-in view whose games report holds a few matches,
// a history database of its own, and scan results fed to the frame as the
// scan worker would hand them over.
#pragma once
// Before windows.h, for the socket helpers some frame tests use.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>

#include "app/MainFrame.h"
#include "support/SiteSimulation.h"
#include "support/TestPump.h"
#include "app/frame/GamesReportHolder.h"
#include "framework/windows/CView.h"

class CMatchRecord;
class CWinApp;

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

// The history database in the temporary folder's subfolder `pszName`, an
// empty one when bFresh. The folder's path; empty when it did not open.
CString OpenTestHistory(LPCWSTR pszName, bool bFresh);
// The program's own document, main frame and view, made by the shell
// command as at start-up: the frame, or null when it was not made.
CMainFrame* OpenProgramFrame(CWinApp& app);
// Dispatches what waits once the frame is gone but the quit its end posts:
// that quit ends the program, not the test.
void DispatchAllButQuit();
// The application's pump (pre-translation first) until the condition holds,
// the program quits (*pbQuit set) or the deadline passes.
bool PumpAppUntil(CWinApp& app, const std::function<bool()>& condition, bool* pbQuit = nullptr);

// While it lives, the shell opens http addresses with a script that writes
// the address it gets into a file; the earlier command comes back after.
class CRecordingBrowser
{
public:
    CRecordingBrowser()
    {
        const std::string script = m_folder.Unix("browser.sh");
        WriteFileBytes(m_folder.File("browser.sh"), "#!/bin/sh\nprintf '%s' \"$1\" > \"" + m_folder.Unix("opened.tmp") +
                                                        "\"\nmv \"" + m_folder.Unix("opened.tmp") + "\" \"" +
                                                        m_folder.Unix("opened") + "\"\n");
        // The shell starts a Linux script it is given by path only when the script may be run.
        if (!StartLinuxProgram("Z:\\bin\\sh -c \"chmod 755 " + script + " && echo ok > " + m_folder.Unix("ready") + "\"") ||
            WaitForFile(m_folder.File("ready"), testpump::kDeadline) != "ok\n")
            return;
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                              nullptr) != ERROR_SUCCESS)
            return;
        wchar_t previous[1024] = L"";
        DWORD size = sizeof previous - sizeof(wchar_t);
        m_bHadPrevious = ::RegQueryValueExW(m_hKey, nullptr, nullptr, nullptr, (BYTE*)previous, &size) == ERROR_SUCCESS;
        m_previous = previous;
        const std::wstring command = L"\"" + WindowsPathOf(script) + L"\" \"%1\"";
        ::RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, (const BYTE*)command.c_str(),
                         DWORD((command.size() + 1) * sizeof(wchar_t)));
    }
    ~CRecordingBrowser()
    {
        if (m_hKey == nullptr)
            return;
        if (m_bHadPrevious)
            ::RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, (const BYTE*)m_previous.c_str(),
                             DWORD((m_previous.size() + 1) * sizeof(wchar_t)));
        else
            ::RegDeleteValueW(m_hKey, nullptr);
        ::RegCloseKey(m_hKey);
    }
    bool IsReady() const { return m_hKey != nullptr && m_folder.IsValid(); }
    // The address the script got; empty when it was not started.
    std::string WaitForOpened() const { return WaitForFile(m_folder.File("opened"), testpump::kDeadline); }

private:
    static constexpr const wchar_t* kCommandKey = L"Software\\Classes\\http\\shell\\open\\command";
    CTestFolder m_folder{"browser"};
    HKEY m_hKey = nullptr;
    bool m_bHadPrevious = false;
    std::wstring m_previous;
};

} // namespace frametest
