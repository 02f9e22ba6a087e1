#include "ProgramRun.h"

#include <sstream>

#include "support/ProcessWindows.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

std::unique_ptr<SimulatedSite> ProgramRun::s_site;
std::unique_ptr<CBrowserRecorder> ProgramRun::s_browser;

namespace {

// A short 8-bit mono PCM wave: what the "Sound" setting names.
std::string TestWave()
{
    const DWORD samples = 800;
    std::string wave = "RIFF";
    auto add32 = [&](DWORD value) { wave.append(reinterpret_cast<const char*>(&value), 4); };
    auto add16 = [&](WORD value) { wave.append(reinterpret_cast<const char*>(&value), 2); };
    add32(36 + samples);
    wave += "WAVEfmt ";
    add32(16);
    add16(1);     // PCM
    add16(1);     // mono
    add32(8000);  // samples a second
    add32(8000);  // bytes a second
    add16(1);     // block
    add16(8);     // bits
    wave += "data";
    add32(samples);
    for (DWORD i = 0; i < samples; ++i)
        wave += char((i / 8) % 2 ? 0xC0 : 0x40);
    return wave;
}

struct LogLine
{
    std::string kind;
    int status = 0;
};

LogLine ParseLogLine(const std::string& line)
{
    std::istringstream fields(line);  // time host kind number status path cookie
    LogLine parsed;
    std::string time, host, number;
    fields >> time >> host >> parsed.kind >> number >> parsed.status;
    return parsed;
}

} // namespace

void ProgramRun::SetUpTestSuite()
{
    s_site = std::make_unique<SimulatedSite>(R"({"offers": []})");
    s_browser = std::make_unique<CBrowserRecorder>();
}

void ProgramRun::TearDownTestSuite()
{
    s_browser.reset();
    s_site.reset();
}

void ProgramRun::SetUp()
{
    ASSERT_TRUE(s_site->IsRunning()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    ASSERT_TRUE(s_browser->IsReady());
    ASSERT_EQ(CProgramCopy::CountRunningPrograms(), 0) << "a Tavrolin process is left from an earlier step";
    m_program = std::make_unique<CProgramCopy>();
    ASSERT_TRUE(m_program->IsValid()) << "build the program first (tools/build.sh)";
    s_site->SetScenario(R"({"offers": []})");
    s_site->ClearRequests();
    s_browser->Clear();
}

void ProgramRun::TearDown()
{
    m_program.reset();
    programsettings::RemoveProgramKey();
}

bool SeedSettings(const CProgramCopy& program)
{
    programsettings::RemoveProgramKey();
    WriteFileBytes(program.File(L"alert.wav"), TestWave());
    return programsettings::SetDword(L"Interval", 2) && programsettings::SetDword(L"MaxDiff", 0) &&
           programsettings::SetDword(L"ShowInfo", 0) &&
           programsettings::SetString(L"Sound", program.File(L"alert.wav"));
}

PROCESS_INFORMATION ProgramRun::StartToFrame()
{
    const PROCESS_INFORMATION process = m_program->Start();
    m_hFrame = nullptr;
    if (process.hProcess == nullptr)
    {
        ADD_FAILURE() << "the program did not start: error " << GetLastError();
        return process;
    }
    // A program that ended shows no frame any more.
    testpump::WaitUntil(
        [&] {
            return (m_hFrame = processwindows::VisibleFrame(process.dwProcessId)) != nullptr ||
                   CProgramCopy::HasEnded(process, 0);
        },
        kProgramDeadline);
    if (m_hFrame != nullptr)
        WaitForInputIdle(process.hProcess, kProgramDeadline);
    else
        ADD_FAILURE() << "no frame: " << DescribeStart(process);
    return process;
}

std::string DescribeStart(const PROCESS_INFORMATION& process)
{
    std::ostringstream text;
    DWORD exitCode = 0;
    if (CProgramCopy::HasEnded(process, 0) && GetExitCodeProcess(process.hProcess, &exitCode))
        text << "the program ended with 0x" << std::hex << exitCode << std::dec;
    else
        text << "the program runs";
    text << ", " << CProgramCopy::CountRunningPrograms() << " Tavrolin process(es) in all";
    for (HWND hWnd : processwindows::TopLevelWindows(process.dwProcessId))
    {
        const std::wstring name = processwindows::ClassOf(hWnd), caption = processwindows::TextOf(hWnd);
        text << "; window " << std::string(name.begin(), name.end()) << " \""
             << std::string(caption.begin(), caption.end()) << "\"" << (IsWindowVisible(hWnd) ? " visible" : "");
        if (name == L"#32770")
        {
            const std::wstring box = processwindows::BoxText(hWnd);
            text << " saying \"" << std::string(box.begin(), box.end()) << "\"";
        }
    }
    return text.str();
}

void ProgramRun::PressAltX(HWND hFrame)
{
    SetForegroundWindow(hFrame);
    testpump::WaitUntil([&] { return GetForegroundWindow() == hFrame; });
    testinput::SendChord({VK_MENU, 'X'});
}

bool ProgramRun::EndWithAltX(const PROCESS_INFORMATION& process)
{
    PressAltX(processwindows::VisibleFrame(process.dwProcessId));
    return CProgramCopy::HasEnded(process, kProgramDeadline);
}

int ProgramRun::CountRequests(const std::string& kind, int status) const
{
    int count = 0;
    for (const std::string& line : s_site->GetRequests())
    {
        const LogLine parsed = ParseLogLine(line);
        count += parsed.kind == kind && (status == 0 || parsed.status == status);
    }
    return count;
}

bool ProgramRun::WaitForRequests(const std::string& kind, int count, int status) const
{
    const int target = CountRequests(kind, status) + count;
    return testpump::WaitUntil([&] { return CountRequests(kind, status) >= target; }, kProgramDeadline);
}

bool ProgramRun::ChangeScenario(const std::string& json) const
{
    // A list request under way may have been answered from the old scenario:
    // the second one was asked for after the change.
    s_site->SetScenario(json);
    return WaitForRequests("resale-list", 2);
}

std::vector<HistoryRow> ProgramRun::History() const
{
    std::vector<HistoryRow> rows;
    ReadHistory(m_program->File(L"data.db"), rows);
    return rows;
}

bool ProgramRun::WaitForHistory(const std::function<bool(const std::vector<HistoryRow>&)>& condition,
                                DWORD timeoutMs) const
{
    return testpump::WaitUntil([&] { return condition(History()); }, timeoutMs);
}

std::wstring ProgramRun::StatusText() const
{
    HWND hStatus = processwindows::FindChild(m_hFrame, L"msctls_statusbar32");
    return hStatus != nullptr ? processwindows::TextOf(hStatus) : L"<no status bar>";
}

bool ProgramRun::WaitForStatusText(UINT nStringId) const
{
    const std::wstring expected = StringResource(nStringId);
    return testpump::WaitUntil([&] { return StatusText() == expected; }, kProgramDeadline);
}

testshot::Image ProgramRun::ShootWindow(HWND hWnd, const wchar_t* name)
{
    const RECT rect = processwindows::ScreenRectOf(hWnd);
    HDC hScreen = GetDC(nullptr);
    testshot::Image image = testshot::CaptureDC(hScreen, rect);
    ReleaseDC(nullptr, hScreen);
    testshot::Save(image, std::wstring(name) + L".png");
    return image;
}

int CountPixels(const testshot::Image& image, const RECT& area, const std::function<bool(COLORREF)>& accept)
{
    int count = 0;
    for (int y = area.top > 0 ? area.top : 0; y < area.bottom && y < image.height; ++y)
        for (int x = area.left > 0 ? area.left : 0; x < area.right && x < image.width; ++x)
            count += accept(image.Pixel(x, y));
    return count;
}

bool IsLinkBlue(COLORREF colour)
{
    return GetBValue(colour) > 150 && GetRValue(colour) < 100 && GetGValue(colour) < 100;
}

bool IsDarkText(COLORREF colour)
{
    return GetRValue(colour) < 110 && GetGValue(colour) < 110 && GetBValue(colour) < 110;
}
