// The Linux-side test servers (the simulated ticket site of tools/ticketsite
// and the scripted HTTP server) as the engine tests start, ask and end them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Unix paths of the source folder and of the engine tests' working folder
// (from ctest), and the Windows form of a Unix path (Wine maps / to Z:\).
std::string SourceFolderUnix();
std::string TestFolderUnix();
std::wstring WindowsPathOf(const std::string& unixPath);

// Starts a Linux program (Wine runs it directly). Wine gives back no handle
// to wait on, so callers poll files the program writes.
bool StartLinuxProgram(const std::string& commandLine);
// False when the file does not exist (yet).
bool ReadWholeFile(const std::wstring& path, std::string& content);
std::string ReadFileBytes(const std::wstring& path);  // "<missing>" when it does not exist
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Polls until the file exists and holds something (a writer may make it
// before it writes); its content, empty when none came.
std::string WaitForFile(const std::wstring& path, DWORD timeoutMs);

// A socket connected to address:port that has sent "GET <path>"; NoSocket on failure.
const UINT_PTR NoSocket = ~UINT_PTR(0);
UINT_PTR SendRequest(const std::string& address, unsigned short port, const char* path);

// A new folder of its own below the tests' working folder, removed with its
// files at the end, when the working directory (opening a database changes
// it) is restored. Servers keep their request log there, one line a request.
class CTestFolder
{
public:
    explicit CTestFolder(const char* prefix = "files");
    ~CTestFolder();
    bool IsValid() const { return !m_unix.empty(); }
    std::string Unix(const char* name) const { return m_unix + "/" + name; }
    std::wstring File(const char* name) const { return WindowsPathOf(Unix(name)); }
    std::wstring File(const wchar_t* name) const { return Path() + name; }
    std::wstring Path() const { return WindowsPathOf(m_unix) + L"\\"; }  // with the final backslash
    std::vector<std::string> LogLines() const;
    void ClearLog() const;

private:
    void DeleteFiles() const;

    std::wstring m_previousDirectory;
    std::string m_unix;
};

class SimulatedSite
{
public:
    // Starts the site on a free port with the scenario (JSON text) and makes
    // it the user's proxy, so that this process's HTTP requests reach it
    // under the program's real host names. One site at a time.
    explicit SimulatedSite(const std::string& scenarioJson);
    ~SimulatedSite();

    bool IsRunning() const { return m_port != 0; }
    // A new scenario is taken at the site's next request; its clock starts over.
    void SetScenario(const std::string& scenarioJson);

    // One line per request served so far: time, host, kind, number, status, path.
    std::vector<std::string> GetRequests() const { return m_folder.LogLines(); }
    int CountRequests(const std::string& kind) const;
    void ClearRequests() { m_folder.ClearLog(); }

private:
    CTestFolder m_folder{"site"};
    unsigned short m_port = 0;
};

// Runs the tests of this program that the filter names again, in a network
// namespace without routes and a Wine prefix of their own
// (tests/engine/SiteOfflineRun.sh), results in the folder. `result` is the
// child's exit code as text, "skip" where the machine allows no such
// namespace, empty when the run did not end; `log` is what it printed.
struct OfflineRun
{
    std::string result;
    std::string log;
};
OfflineRun RunTestsOffline(const CTestFolder& folder, const std::string& filter);
// Runs them so in a folder named after the prefix and expects the one test
// the filter names to pass; skips the calling test where the machine allows
// no such namespace, so it comes last in a test.
void ExpectOneTestPassesOffline(const char* folderPrefix, const std::string& filter);
