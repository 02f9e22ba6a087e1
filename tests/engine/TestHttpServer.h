// The scripted HTTP server of the engine tests (httpserver.py with the routes
// of http_routes.json), listening on port 80 of a loopback address of its
// own. It ends when this object closes its control connection, also when the
// test program dies.
#pragma once

#include "support/SiteSimulation.h"
#include "support/TestPump.h"

struct LoggedRequest
{
    std::string line;                  // "GET /path HTTP/1.1"
    std::vector<std::string> headers;  // "Name: value", in the order sent

    std::vector<std::string> HeaderValues(const std::string& name) const;
};

class CTestHttpServer
{
public:
    CTestHttpServer();
    ~CTestHttpServer();

    bool IsRunning() const { return m_control != NoSocket; }
    // "http://<address>" followed by the path.
    std::wstring Url(const std::wstring& path) const { return L"http://" + m_address + path; }
    // The same on a loopback address where port 80 refuses connections.
    std::wstring RefusingUrl(const std::wstring& path) const { return L"http://" + m_refused + path; }

    std::vector<LoggedRequest> Requests() const;
    // Polls until at least count requests have been logged.
    bool WaitForRequests(size_t count, DWORD timeoutMs = testpump::kDeadline) const;
    void ClearLog() { m_folder.ClearLog(); }

    // The body the route "pattern" generates (cp1252 bytes).
    static std::string Pattern(size_t length);

private:
    CTestFolder m_folder{"http"};
    std::wstring m_address;
    std::wstring m_refused;
    UINT_PTR m_control = NoSocket;
};
