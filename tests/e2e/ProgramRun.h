// What every step of the whole-program run shares: the simulated site and
// the recording browser of the suite, a fresh program folder and settings
// per start, and the readings of the running program.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/HistoryReader.h"
#include "support/ProgramCopy.h"
#include "support/ProgramSettings.h"
#include "support/Screenshot.h"
#include "support/SiteSimulation.h"

// Generous: two slow cores run a scan every few seconds.
constexpr DWORD kProgramDeadline = 60000;

// Interval 2, MaxDiff 0, ShowInfo 0, a test sound beside the program; the
// program's key removed first.
bool SeedSettings(const CProgramCopy& program);

class ProgramRun : public testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    void SeedSettings() { ASSERT_TRUE(::SeedSettings(*m_program)); }
    // Starts the program and waits for its visible frame; a start that shows
    // none fails the test with what the program did instead.
    PROCESS_INFORMATION StartToFrame();
    PROCESS_INFORMATION Start() { return m_program->Start(); }
    HWND Frame() const { return m_hFrame; }
    // Alt+X to the frame as the user types it.
    void PressAltX(HWND hFrame);
    bool EndWithAltX(const PROCESS_INFORMATION& process);

    // The site's log: requests of the kind (and status, 0 any) so far.
    int CountRequests(const std::string& kind, int status = 0) const;
    // Waits until `count` more requests of the kind were answered than now.
    bool WaitForRequests(const std::string& kind, int count, int status = 0) const;
    // A new scenario, taken once a scan has asked for the resale list under it.
    bool ChangeScenario(const std::string& json) const;

    std::vector<HistoryRow> History() const;
    bool WaitForHistory(const std::function<bool(const std::vector<HistoryRow>&)>& condition,
                        DWORD timeoutMs = kProgramDeadline) const;
    std::string StatisticLog() const { return ReadFileBytes(m_program->File(L"statistic.log")); }
    std::wstring StatusText() const;
    bool WaitForStatusText(UINT nStringId) const;

    // The screen's pixels of a window, saved as <name>.png.
    static testshot::Image ShootWindow(HWND hWnd, const wchar_t* name);

    static std::unique_ptr<SimulatedSite> s_site;
    static std::unique_ptr<CBrowserRecorder> s_browser;
    std::unique_ptr<CProgramCopy> m_program;
    HWND m_hFrame = nullptr;
};

// Why a start shows no frame: the process's end and exit code, or the
// windows it shows instead (a message box's text).
std::string DescribeStart(const PROCESS_INFORMATION& process);

// Counts in an image.
int CountPixels(const testshot::Image& image, const RECT& area, const std::function<bool(COLORREF)>& accept);
bool IsLinkBlue(COLORREF colour);
bool IsDarkText(COLORREF colour);
