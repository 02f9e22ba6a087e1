#include "SiteSimulation.h"

#include <winsock2.h>
#include <windows.h>
#include <stdlib.h>

#include <sstream>
#include <vector>

namespace {

std::string EnvironmentValue(const char* name)
{
    char buffer[1024];
    DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

void WriteWholeFile(const std::wstring& path, const std::string& content)
{
    std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, content.data(), (DWORD)content.size(), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

const wchar_t INTERNET_SETTINGS[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// WinInet keeps the first proxy it took from the environment for the life
// of the process, but reads the user's proxy settings anew for every
// session: the site becomes the proxy there, and the old values come back.
struct SavedValue
{
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

SavedValue ReadValue(HKEY key, const wchar_t* name)
{
    SavedValue value;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS)
    {
        value.data.resize(size);
        value.present = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS;
    }
    return value;
}

void WriteValue(HKEY key, const wchar_t* name, const SavedValue& value)
{
    if (value.present)
        RegSetValueExW(key, name, 0, value.type, value.data.data(), (DWORD)value.data.size());
    else
        RegDeleteValueW(key, name);
}

SavedValue g_savedEnable;
SavedValue g_savedServer;

void SetProxy(unsigned short port)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, INTERNET_SETTINGS, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (port != 0)
    {
        g_savedEnable = ReadValue(key, L"ProxyEnable");
        g_savedServer = ReadValue(key, L"ProxyServer");
        // A loopback proxy found here was left by a run that died before
        // restoring the settings: the settings to restore are "no proxy".
        const std::wstring found(g_savedServer.data.size() >= 2 ? (const wchar_t*)g_savedServer.data.data() : L"",
                                 g_savedServer.data.size() / sizeof(wchar_t));
        if (found.compare(0, 10, L"127.0.0.1:") == 0)
        {
            g_savedEnable = SavedValue();
            g_savedServer = SavedValue();
        }
        DWORD on = 1;
        RegSetValueExW(key, L"ProxyEnable", 0, REG_DWORD, (const BYTE*)&on, sizeof on);
        std::wstring server = L"127.0.0.1:" + std::to_wstring(port);
        RegSetValueExW(key, L"ProxyServer", 0, REG_SZ, (const BYTE*)server.c_str(),
                       (DWORD)((server.size() + 1) * sizeof(wchar_t)));
    }
    else
    {
        WriteValue(key, L"ProxyEnable", g_savedEnable);
        WriteValue(key, L"ProxyServer", g_savedServer);
    }
    RegCloseKey(key);
}

int g_siteCount = 0;

} // namespace

std::string SourceFolderUnix()
{
    return EnvironmentValue("TAVROLIN_SOURCE_DIR");
}

std::string TestFolderUnix()
{
    std::string build = EnvironmentValue("TAVROLIN_BUILD_DIR");
    return build.empty() ? std::string() : build + "/testrun/engine";
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
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    return true;
}

bool ReadWholeFile(const std::wstring& path, std::string& content)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

SimulatedSite::SimulatedSite(const std::string& scenarioJson)
{
    std::string tests = TestFolderUnix();
    if (tests.empty() || SourceFolderUnix().empty())
        return;
    m_folderUnix = tests + "/site" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_siteCount);
    m_folder = WindowsPathOf(m_folderUnix);
    CreateDirectoryW(m_folder.c_str(), nullptr);
    DeleteFileW((m_folder + L"\\port").c_str());
    DeleteFileW((m_folder + L"\\requests.log").c_str());
    SetScenario(scenarioJson);

    std::string command = "Z:\\usr\\bin\\python3 " + SourceFolderUnix() + "/tools/ticketsite/ticketsite.py --quiet"
                          " --port 0 --idle-exit 120 --port-file " + m_folderUnix + "/port --log " + m_folderUnix +
                          "/requests.log --scenario " + m_folderUnix + "/scenario.json";
    if (!StartLinuxProgram(command))
        return;
    std::string port;
    for (int waited = 0; waited < 15000 && !ReadWholeFile(m_folder + L"\\port", port); waited += 50)
        Sleep(50);
    m_port = (unsigned short)atoi(port.c_str());
    if (m_port != 0)
        SetProxy(m_port);
}

SimulatedSite::~SimulatedSite()
{
    if (m_port != 0)
    {
        SetProxy(0);
        Quit();
    }
    if (!m_folder.empty())
    {
        for (const wchar_t* name : {L"\\port", L"\\scenario.json", L"\\requests.log"})
            DeleteFileW((m_folder + name).c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
}

void SimulatedSite::SetScenario(const std::string& scenarioJson)
{
    WriteWholeFile(m_folder + L"\\scenario.json", scenarioJson);
}

std::vector<std::string> SimulatedSite::GetRequests() const
{
    std::string content;
    std::vector<std::string> lines;
    if (!ReadWholeFile(m_folder + L"\\requests.log", content))
        return lines;
    std::istringstream stream(content);
    for (std::string line; std::getline(stream, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

int SimulatedSite::CountRequests(const std::string& kind) const
{
    int count = 0;
    for (const std::string& line : GetRequests())
    {
        // time host kind number status path
        std::istringstream fields(line);
        std::string time, host, lineKind;
        fields >> time >> host >> lineKind;
        count += lineKind == kind;
    }
    return count;
}

void SimulatedSite::ClearRequests()
{
    HANDLE file = CreateFileW((m_folder + L"\\requests.log").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

void SimulatedSite::Quit()
{
    // The process cannot be waited for or terminated from here: ask it.
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s != INVALID_SOCKET && connect(s, (sockaddr*)&address, sizeof address) == 0)
    {
        const char request[] = "GET /_site/quit HTTP/1.1\r\nHost: control\r\n\r\n";
        send(s, request, sizeof request - 1, 0);
        char buffer[256];
        while (recv(s, buffer, sizeof buffer, 0) > 0)
        {
        }
    }
    if (s != INVALID_SOCKET)
        closesocket(s);
    WSACleanup();
}
