#include <winsock2.h>

#include "support/SiteSimulation.h"
#include "support/TestPump.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string EnvironmentValue(const char* name)
{
    char buffer[1024];
    DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// WinInet keeps the first proxy it took from the environment for the life of
// the process, but reads the user's proxy settings anew for every session.
// The tests' own prefix has no proxy of its own: the site's is removed again,
// also when a run that died left it behind.
void SetProxy(unsigned short port)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", 0,
                        nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD on = port != 0;
    RegSetValueExW(key, L"ProxyEnable", 0, REG_DWORD, (const BYTE*)&on, sizeof on);
    std::wstring server = L"127.0.0.1:" + std::to_wstring(port);
    if (port != 0)
        RegSetValueExW(key, L"ProxyServer", 0, REG_SZ, (const BYTE*)server.c_str(),
                       (DWORD)((server.size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(key, L"ProxyServer");
    RegCloseKey(key);
}

// When a DLL of the prefix's system folder was last written. The system
// folders are hard links shared by all the test programs' prefixes.
ULONGLONG SystemDllWritten()
{
    wchar_t folder[MAX_PATH] = L"";
    GetSystemDirectoryW(folder, MAX_PATH);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW((std::wstring(folder) + L"\\kernel32.dll").c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

} // namespace

std::string SourceFolderUnix()
{
    return EnvironmentValue("TAVROLIN_SOURCE_DIR");
}

std::string TestFolderUnix()
{
    // The running program's own folder (build/testrun/<subsystem>): test
    // programs run side by side, each with a Wine server of its own, so
    // process ids (part of the folder names) repeat between them.
    std::string build = EnvironmentValue("TAVROLIN_BUILD_DIR");
    if (build.empty())
        return std::string();
    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring name = exe;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    const std::wstring suffix = L"_tests.exe";
    if (name.size() > suffix.size() && _wcsicmp(name.c_str() + name.size() - suffix.size(), suffix.c_str()) == 0)
        name.resize(name.size() - suffix.size());
    else
        name = L"other";
    return build + "/testrun/" + std::string(name.begin(), name.end());
}

std::wstring WindowsPathOf(const std::string& unixPath)
{
    std::wstring path = L"Z:";
    for (char c : unixPath)
        path += c == '/' ? L'\\' : (wchar_t)(unsigned char)c;
    return path;
}

bool StartLinuxProgram(const std::string& commandLine)
{
    std::wstring line(commandLine.begin(), commandLine.end());
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

bool ReadWholeFile(const std::wstring& path, std::string& content)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    content.clear();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return true;
}

std::string WaitForFile(const std::wstring& path, DWORD timeoutMs)
{
    // A shell's "echo ok > file" makes the file before it writes the line:
    // an empty file's writer has not finished yet.
    std::string content;
    testpump::WaitUntil([&] { return ReadWholeFile(path, content) && !content.empty(); }, timeoutMs);
    return content;
}

UINT_PTR SendRequest(const std::string& address, unsigned short port, const char* path)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = inet_addr(address.c_str());
    const std::string request = std::string("GET ") + path + " HTTP/1.1\r\nHost: control\r\n\r\n";
    if (s != INVALID_SOCKET && (connect(s, (sockaddr*)&target, sizeof target) != 0 ||
                                send(s, request.data(), (int)request.size(), 0) != (int)request.size()))
    {
        closesocket(s);
        s = INVALID_SOCKET;
    }
    return s;
}

std::string ReadFileBytes(const std::wstring& path)
{
    std::string content;
    return ReadWholeFile(path, content) ? content : "<missing>";
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(file);
}

CTestFolder::CTestFolder(const char* prefix)
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    m_previousDirectory = current;
    static int s_count = 0;
    if (TestFolderUnix().empty() || SourceFolderUnix().empty())
        return;
    m_unix = TestFolderUnix() + "/" + prefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++s_count);
    // Process ids repeat from run to run in a fresh prefix: a folder a former
    // run could not remove must not hand its files (a finished result) to this one.
    DeleteFiles();
    CreateDirectoryW(WindowsPathOf(m_unix).c_str(), nullptr);
}

CTestFolder::~CTestFolder()
{
    SetCurrentDirectoryW(m_previousDirectory.c_str());
    if (IsValid())
    {
        DeleteFiles();
        RemoveDirectoryW(WindowsPathOf(m_unix).c_str());
    }
    WSACleanup();
}

void CTestFolder::DeleteFiles() const
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(File("*").c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
        DeleteFileW((WindowsPathOf(m_unix) + L"\\" + data.cFileName).c_str());
    FindClose(find);
}

std::vector<std::string> CTestFolder::LogLines() const
{
    std::string content;
    std::vector<std::string> lines;
    ReadWholeFile(File("requests.log"), content);
    std::istringstream stream(content);
    for (std::string line; std::getline(stream, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

void CTestFolder::ClearLog() const
{
    CloseHandle(CreateFileW(File("requests.log").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            TRUNCATE_EXISTING, 0, nullptr));
}

SimulatedSite::SimulatedSite(const std::string& scenarioJson)
{
    if (!m_folder.IsValid())
        return;
    SetScenario(scenarioJson);
    if (!StartLinuxProgram("Z:\\usr\\bin\\python3 " + SourceFolderUnix() + "/tools/ticketsite/ticketsite.py --quiet"
                           " --port 0 --idle-exit 120 --port-file " + m_folder.Unix("port") + " --log " +
                           m_folder.Unix("requests.log") + " --scenario " + m_folder.Unix("scenario.json")))
        return;
    m_port = (unsigned short)atoi(WaitForFile(m_folder.File("port"), 15000).c_str());
    if (m_port != 0)
        SetProxy(m_port);
}

SimulatedSite::~SimulatedSite()
{
    if (m_port == 0)
        return;
    SetProxy(0);
    // The process cannot be waited for or terminated from here: ask it.
    SOCKET s = (SOCKET)SendRequest("127.0.0.1", m_port, "/_site/quit");
    char buffer[256];
    while (s != INVALID_SOCKET && recv(s, buffer, sizeof buffer, 0) > 0)
    {
    }
    closesocket(s);
}

void SimulatedSite::SetScenario(const std::string& scenarioJson)
{
    // Written aside and moved in place, so that the site never reads half of it.
    WriteFileBytes(m_folder.File("scenario.tmp"), scenarioJson);
    MoveFileExW(m_folder.File("scenario.tmp").c_str(), m_folder.File("scenario.json").c_str(), MOVEFILE_REPLACE_EXISTING);
}

int SimulatedSite::CountRequests(const std::string& kind) const
{
    int count = 0;
    for (const std::string& line : GetRequests())
    {
        std::istringstream fields(line);  // time host kind number status path
        std::string time, host, lineKind;
        fields >> time >> host >> lineKind;
        count += lineKind == kind;
    }
    return count;
}

OfflineRun RunTestsOffline(const CTestFolder& folder, const std::string& filter)
{
    OfflineRun run;
    char display[256] = "", prefix[MAX_PATH * 2] = "";
    GetEnvironmentVariableA("DISPLAY", display, sizeof display);
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::string exeUnix;
    for (const wchar_t* c = exe + 2; *c; ++c)  // Z:\x\y is /x/y
        exeUnix += *c == L'\\' ? '/' : char(*c);
    if (prefix[0] == '\0' ||
        !StartLinuxProgram("Z:\\bin\\sh " + SourceFolderUnix() + "/tests/engine/SiteOfflineRun.sh " + exeUnix + " " +
                           folder.Unix("result") + " " + prefix + " " + display + " " + filter))
        return run;
    run.result = WaitForFile(folder.File("result"), 120000);
    ReadWholeFile(folder.File("result.log"), run.log);
    return run;
}

void ExpectOneTestPassesOffline(const char* folderPrefix, const std::string& filter)
{
    CTestFolder folder(folderPrefix);
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    const ULONGLONG systemDllWritten = SystemDllWritten();
    const OfflineRun run = RunTestsOffline(folder, filter);
    ASSERT_FALSE(run.result.empty()) << "the offline run did not end\n" << run.log;
    // A Wine that updates the offline prefix rewrites the system DLLs in
    // place, and programs starting beside it then miss some of them.
    EXPECT_NE(systemDllWritten, 0u);
    EXPECT_EQ(SystemDllWritten(), systemDllWritten) << "the offline run rewrote the shared system DLLs\n" << run.log;
    if (run.result.compare(0, 4, "skip") == 0)
        GTEST_SKIP() << "this machine allows no network namespace without routes";
    EXPECT_EQ(run.result[0], '0') << run.log;
    EXPECT_NE(run.log.find("[  PASSED  ] 1 test"), std::string::npos) << run.log;
}
