// The simulated ticket site (tools/ticketsite) as the engine tests use it:
// started with a scenario, made WinInet's proxy for this process, asked for
// its request log, and ended again.
#pragma once

#include <string>
#include <vector>

// Unix paths of the source and build folders that ctest hands the tests, and
// their Windows forms (Wine maps / to Z:\).
std::string SourceFolderUnix();
std::string TestFolderUnix();
std::wstring WindowsPathOf(const std::string& unixPath);

// Starts a Linux program (Wine runs it directly). Wine gives back no handle
// to wait on, so callers poll files the program writes.
bool StartLinuxProgram(const std::string& commandLine);

// Reads a whole file; false when it does not exist (yet).
bool ReadWholeFile(const std::wstring& path, std::string& content);

class SimulatedSite
{
public:
    // Starts the site on a free port with the scenario (JSON text) and
    // makes it the user's proxy, so that this process's HTTP requests reach
    // it under the program's real host names. One site at a time.
    explicit SimulatedSite(const std::string& scenarioJson);
    ~SimulatedSite();

    bool IsRunning() const { return m_port != 0; }

    // A new scenario is taken at the site's next request; its clock starts over.
    void SetScenario(const std::string& scenarioJson);

    // One line per request served so far: time, host, kind, number, status, path.
    std::vector<std::string> GetRequests() const;
    int CountRequests(const std::string& kind) const;
    void ClearRequests();

private:
    void Quit();

    std::string m_folderUnix;
    std::wstring m_folder;
    unsigned short m_port = 0;
};
