// The scripted HTTP server of the engine tests (httpserver.py with the routes
// of http_routes.json), listening on port 80 of a loopback address of its
// own. The server ends when this object closes its control connection, also
// when the test program dies.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

struct LoggedRequest
{
    std::string line;                                          // "GET /path HTTP/1.1"
    std::vector<std::pair<std::string, std::string>> headers;  // in the order sent

    std::vector<std::string> HeaderValues(const std::string& name) const;
    std::string Path() const;
};

class CTestHttpServer
{
public:
    CTestHttpServer();
    ~CTestHttpServer();

    bool IsRunning() const { return !m_address.empty(); }
    // "http://<address>" followed by the path.
    std::wstring Url(const std::wstring& path) const;
    // A loopback address where port 80 refuses connections.
    std::wstring RefusingUrl(const std::wstring& path) const;

    std::vector<LoggedRequest> Requests() const;
    // Waits (polling) until at least count requests have been logged.
    bool WaitForRequests(size_t count, DWORD timeoutMs) const;
    void ClearLog();

    // The body the route "pattern" generates (cp1252 bytes).
    static std::string Pattern(size_t length);

private:
    std::string m_folderUnix;
    std::wstring m_folder;
    std::string m_address;
    std::string m_refusedAddress;
    SOCKET m_control = INVALID_SOCKET;
};
