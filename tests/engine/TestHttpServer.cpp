#include "TestHttpServer.h"

#include "SiteSimulation.h"

#include <cstdio>
#include <sstream>

namespace {

int g_serverCount = 0;

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

SOCKET ConnectControl(const std::string& address)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(80);
    target.sin_addr.s_addr = inet_addr(address.c_str());
    const char request[] = "GET /__hold HTTP/1.1\r\nHost: control\r\n\r\n";
    if (connect(s, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0 ||
        send(s, request, sizeof request - 1, 0) != int(sizeof request - 1))
    {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

} // namespace

std::vector<std::string> LoggedRequest::HeaderValues(const std::string& name) const
{
    std::vector<std::string> values;
    for (const auto& header : headers)
        if (_stricmp(header.first.c_str(), name.c_str()) == 0)
            values.push_back(header.second);
    return values;
}

std::string LoggedRequest::Path() const
{
    size_t first = line.find(' ');
    size_t last = line.rfind(' ');
    return first == std::string::npos || last <= first ? std::string() : line.substr(first + 1, last - first - 1);
}

CTestHttpServer::CTestHttpServer()
{
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return;
    std::string tests = TestFolderUnix();
    std::string source = SourceFolderUnix();
    if (tests.empty() || source.empty())
        return;
    m_folderUnix = tests + "/http" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_serverCount);
    m_folder = WindowsPathOf(m_folderUnix);
    CreateDirectoryW(m_folder.c_str(), nullptr);
    DeleteFileW((m_folder + L"\\ready").c_str());
    DeleteFileW((m_folder + L"\\requests.log").c_str());

    std::string command = "Z:\\usr\\bin\\python3 " + source + "/tests/engine/httpserver.py --address 127.0.0.5"
                          " --lifetime 300 --routes " + source + "/tests/engine/http_routes.json --log " +
                          m_folderUnix + "/requests.log --ready " + m_folderUnix + "/ready";
    if (!StartLinuxProgram(command))
        return;
    std::string ready;
    for (DWORD waited = 0; waited < 15000 && !ReadWholeFile(m_folder + L"\\ready", ready); waited += 20)
        Sleep(20);
    std::istringstream lines(ready);
    std::string address;
    std::getline(lines, address);
    std::getline(lines, m_refusedAddress);
    address = Trimmed(address);
    m_refusedAddress = Trimmed(m_refusedAddress);
    if (address.empty())
        return;
    m_control = ConnectControl(address);
    if (m_control != INVALID_SOCKET)
        m_address = address;
}

CTestHttpServer::~CTestHttpServer()
{
    // Closing the control connection ends the server.
    if (m_control != INVALID_SOCKET)
        closesocket(m_control);
    if (!m_folder.empty())
    {
        DeleteFileW((m_folder + L"\\ready").c_str());
        DeleteFileW((m_folder + L"\\requests.log").c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    WSACleanup();
}

std::wstring CTestHttpServer::Url(const std::wstring& path) const
{
    return L"http://" + std::wstring(m_address.begin(), m_address.end()) + path;
}

std::wstring CTestHttpServer::RefusingUrl(const std::wstring& path) const
{
    return L"http://" + std::wstring(m_refusedAddress.begin(), m_refusedAddress.end()) + path;
}

std::vector<LoggedRequest> CTestHttpServer::Requests() const
{
    std::vector<LoggedRequest> requests;
    std::string content;
    if (!ReadWholeFile(m_folder + L"\\requests.log", content))
        return requests;
    std::istringstream stream(content);
    LoggedRequest current;
    for (std::string line; std::getline(stream, line);)
    {
        if (line.empty())
        {
            if (!current.line.empty())
                requests.push_back(current);
            current = LoggedRequest();
        }
        else if (current.line.empty())
            current.line = line;
        else
        {
            size_t colon = line.find(':');
            current.headers.emplace_back(line.substr(0, colon),
                                         colon == std::string::npos ? std::string() : Trimmed(line.substr(colon + 1)));
        }
    }
    return requests;
}

bool CTestHttpServer::WaitForRequests(size_t count, DWORD timeoutMs) const
{
    for (DWORD waited = 0;; waited += 10)
    {
        if (Requests().size() >= count)
            return true;
        if (waited >= timeoutMs)
            return false;
        Sleep(10);
    }
}

void CTestHttpServer::ClearLog()
{
    HANDLE file = CreateFileW((m_folder + L"\\requests.log").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

std::string CTestHttpServer::Pattern(size_t length)
{
    std::string body;
    body.reserve(length + 40);
    char line[48];
    for (int n = 0; body.size() < length; ++n)
    {
        snprintf(line, sizeof line, "%07d: abcdefghijklmnopqrstuvwxyz\xfc\n", n);
        body += line;
    }
    body.resize(length);
    return body;
}
