// Times the whole program against the simulated site (run it with
// tools/bench/e2e.sh): an offer put on the site until its popup shows, 20
// times at Interval 2, beside the interval; the program's CPU time while it
// waits between polls at Interval 30 over 5 minutes, beside 0; its private
// bytes after 100 and 1,000 scans at Interval 1. Arguments shorten the runs:
// e2e [offers] [idle seconds] [scans].
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "support/HistoryReader.h"
#include "support/ProcessWindows.h"
#include "support/ProgramCopy.h"
#include "support/ProgramSettings.h"
#include "support/SiteSimulation.h"
#include "support/TestPump.h"

namespace {

const DWORD Deadline = 120000;

double Seconds()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Wine's process times of another process leave out its other threads: the
// Linux process's own figures (all threads) are read from /proc instead.
std::wstring FindUnixProcess(const std::string& folderName)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &data);
    std::wstring found;
    for (BOOL more = find != INVALID_HANDLE_VALUE; more && found.empty(); more = FindNextFileW(find, &data))
    {
        if (data.cFileName[0] < L'0' || data.cFileName[0] > L'9')
            continue;
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + data.cFileName;
        std::string commandLine;
        if (ReadWholeFile(folder + L"\\cmdline", commandLine) && commandLine.find(folderName) != std::string::npos &&
            commandLine.find("Tavrolin.exe") != std::string::npos)
            found = folder;
    }
    FindClose(find);
    return found;
}

double CpuSeconds(const std::wstring& procFolder)
{
    std::string stat;
    if (procFolder.empty() || !ReadWholeFile(procFolder + L"\\stat", stat))
        return 0;
    // Fields after the name in parentheses; utime and stime are the 14th and 15th, in ticks of 1/100 s.
    size_t pos = stat.rfind(')');
    if (pos == std::string::npos)
        return 0;
    unsigned long long values[13] = {};
    std::string rest = stat.substr(pos + 2);
    char state = 0;
    if (sscanf(rest.c_str(), "%c %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu", &state, &values[0],
               &values[1], &values[2], &values[3], &values[4], &values[5], &values[6], &values[7], &values[8],
               &values[9], &values[10], &values[11]) != 13)
        return 0;
    return double(values[10] + values[11]) / 100.0;  // utime, stime
}

SIZE_T PrivateBytes(HANDLE hProcess)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0; the commit charge is the same figure.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

void Seed(DWORD interval)
{
    programsettings::RemoveProgramKey();
    programsettings::SetDword(L"Interval", interval);
    programsettings::SetDword(L"MaxDiff", 0);
    programsettings::SetDword(L"ShowInfo", 0);
    programsettings::SetDword(L"Beep", 0);
}

int CountLogKind(const SimulatedSite& site, const char* kind)
{
    return site.CountRequests(kind);
}

bool StartAndWaitForFrame(CProgramCopy& program, PROCESS_INFORMATION& process)
{
    process = program.Start();
    return process.hProcess != nullptr &&
           testpump::WaitUntil([&] { return processwindows::VisibleFrame(process.dwProcessId) != nullptr; }, Deadline);
}

void EndProgram(const PROCESS_INFORMATION& process)
{
    HWND hFrame = processwindows::VisibleFrame(process.dwProcessId);
    if (hFrame != nullptr)
        PostMessageW(hFrame, WM_COMMAND, 57665, 0);  // the exit command
    if (!CProgramCopy::HasEnded(process, 30000))
        TerminateProcess(process.hProcess, 1);
}

void OfferToPopup(SimulatedSite& site, int rounds)
{
    CProgramCopy program;
    Seed(2);
    PROCESS_INFORMATION process;
    if (!StartAndWaitForFrame(program, process))
        return (void)printf("offer to popup: the program did not start\n");
    std::set<HWND> seen;
    std::vector<double> latencies;
    for (int round = 0; round < rounds; ++round)
    {
        // Off first: the earlier period closed, so that the offer is new again.
        site.SetScenario(R"({"offers": []})");
        testpump::WaitUntil([&] {
            std::vector<HistoryRow> rows;
            ReadHistory(program.File(L"data.db"), rows);
            return std::all_of(rows.begin(), rows.end(), [](const HistoryRow& row) { return row.hasDateTo; });
        }, Deadline);
        for (HWND hWnd : processwindows::VisiblePopups(process.dwProcessId, 329, 74))
            seen.insert(hWnd);
        // The close was seen just after a scan: the offer comes at any point of the interval.
        Sleep(DWORD(rand() % 2000));
        const double start = Seconds();
        site.SetScenario(R"({"offers": [{"match": )" + std::to_string(1 + round % 64) + R"(, "category": 1}]})");
        HWND hNew = nullptr;
        testpump::WaitUntil([&] {
            for (HWND hWnd : processwindows::VisiblePopups(process.dwProcessId, 329, 74))
                if (seen.insert(hWnd).second)
                    hNew = hWnd;
            return hNew != nullptr;
        }, Deadline);
        if (hNew != nullptr)
            latencies.push_back(Seconds() - start);
    }
    EndProgram(process);
    if (latencies.empty())
        return (void)printf("offer to popup: no popup came\n");
    std::sort(latencies.begin(), latencies.end());
    printf("offer to popup at Interval 2 s: median %.2f s, max %.2f s, min %.2f s (%zu of %d offers)\n",
           latencies[latencies.size() / 2], latencies.back(), latencies.front(), latencies.size(), rounds);
}

void IdleCpu(SimulatedSite& site, int seconds)
{
    CProgramCopy program;
    Seed(30);
    site.SetScenario(R"({"offers": [{"match": 3, "category": 2}]})");
    PROCESS_INFORMATION process;
    if (!StartAndWaitForFrame(program, process))
        return (void)printf("idle CPU: the program did not start\n");
    // Past the first scan and its popup.
    testpump::WaitUntil([&] { return CountLogKind(site, "resale-list") >= 1; }, Deadline);
    Sleep(15000);
    // The program folder's name, whether the command line names it as a Unix or a Windows path.
    std::string folder = program.Folder().Unix("");
    folder.pop_back();
    const std::wstring proc = FindUnixProcess(folder.substr(folder.rfind('/') + 1));
    if (proc.empty())
        return (void)printf("idle CPU: the program's Linux process was not found\n");
    const int scansBefore = CountLogKind(site, "resale-list");
    double idleCpu = 0, idleTime = 0, allCpu = 0;
    double lastCpu = CpuSeconds(proc);
    int lastRequests = int(site.GetRequests().size());
    bool bQuietBefore = true;
    for (int second = 0; second < seconds; ++second)
    {
        Sleep(1000);
        const double cpu = CpuSeconds(proc);
        const int requests = int(site.GetRequests().size());
        allCpu += cpu - lastCpu;
        // A second without pages, after one without pages (a result's
        // handling follows its last page), lies between polls.
        const bool bQuiet = requests == lastRequests;
        if (bQuiet && bQuietBefore)
        {
            idleCpu += cpu - lastCpu;
            idleTime += 1;
        }
        bQuietBefore = bQuiet;
        lastCpu = cpu;
        lastRequests = requests;
    }
    const int scans = CountLogKind(site, "resale-list") - scansBefore;
    EndProgram(process);
    printf("CPU at Interval 30 s over %d s: %.3f s in all (%d scans); between polls %.3f s in %.0f s = %.3f %% of a core\n",
           seconds, allCpu, scans, idleCpu, idleTime, idleTime > 0 ? 100.0 * idleCpu / idleTime : 0.0);
}

void MemoryOverScans(SimulatedSite& site, int scans)
{
    CProgramCopy program;
    Seed(1);
    // Offers coming and going: rows, popups and dumps all along.
    site.SetScenario(R"({"offers": [{"match": 1, "category": 1, "from": 0, "to": 5, "repeat": 12},
                                    {"match": 7, "category": 2, "from": 3, "to": 9, "repeat": 15},
                                    {"team": 6, "series": 3, "from": 2, "to": 6, "repeat": 20}]})");
    site.ClearRequests();
    PROCESS_INFORMATION process;
    if (!StartAndWaitForFrame(program, process))
        return (void)printf("memory: the program did not start\n");
    const SIZE_T atStart = PrivateBytes(process.hProcess);
    SIZE_T at100 = 0;
    int done = 0;
    while (done < scans)
    {
        if (!testpump::WaitUntil([&] { return CountLogKind(site, "resale-list") > done; }, Deadline))
            break;
        done = CountLogKind(site, "resale-list");
        if (at100 == 0 && done >= 100)
            at100 = PrivateBytes(process.hProcess);
        if (done % 100 == 0)
            fprintf(stderr, "  %d scans, %u KB\n", done, unsigned(PrivateBytes(process.hProcess) / 1024));
        // The log grows with every page: start it over now and then.
        if (done >= 200)
        {
            site.ClearRequests();
            scans -= done;
            done = 0;
        }
    }
    const SIZE_T atEnd = PrivateBytes(process.hProcess);
    std::vector<HistoryRow> rows;
    ReadHistory(program.File(L"data.db"), rows);
    EndProgram(process);
    printf("private bytes at Interval 1 s: %u KB at the start, %u KB after 100 scans, %u KB after all scans "
           "(%u history rows)\n", unsigned(atStart / 1024), unsigned(at100 / 1024), unsigned(atEnd / 1024),
           unsigned(rows.size()));
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int rounds = argc > 1 ? _wtoi(argv[1]) : 20;
    const int idleSeconds = argc > 2 ? _wtoi(argv[2]) : 300;
    const int scans = argc > 3 ? _wtoi(argv[3]) : 1000;
    SimulatedSite site(R"({"offers": []})");
    if (!site.IsRunning())
        return printf("the simulated site did not start (run through tools/bench/e2e.sh)\n"), 1;
    if (rounds > 0)
        OfferToPopup(site, rounds);
    fflush(stdout);
    if (idleSeconds > 0)
        IdleCpu(site, idleSeconds);
    fflush(stdout);
    if (scans > 0)
        MemoryOverScans(site, scans);
    programsettings::RemoveProgramKey();
    return 0;
}
