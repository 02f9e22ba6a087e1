#include <winsock2.h>

#include "TestHttpServer.h"
#include "support/TestPump.h"

#include <cstdio>
#include <sstream>

std::vector<std::string> LoggedRequest::HeaderValues(const std::string& name) const
{
    std::vector<std::string> values;
    for (const std::string& header : headers)
        if (_strnicmp(header.c_str(), (name + ": ").c_str(), name.size() + 2) == 0)
            values.push_back(header.substr(name.size() + 2));
    return values;
}

CTestHttpServer::CTestHttpServer()
{
    if (!m_folder.IsValid() ||
        !StartLinuxProgram("Z:\\usr\\bin\\python3 " + SourceFolderUnix() + "/tests/engine/httpserver.py --address "
                           "127.0.0.5 --routes " + SourceFolderUnix() + "/tests/engine/http_routes.json --log " +
                           m_folder.Unix("requests.log") + " --ready " + m_folder.Unix("ready")))
        return;
    std::istringstream lines(WaitForFile(m_folder.File("ready"), 15000));
    std::string address, refused;
    lines >> address >> refused;
    m_address.assign(address.begin(), address.end());
    m_refused.assign(refused.begin(), refused.end());
    if (!address.empty())
        m_control = SendRequest(address, 80, "/__hold");
}

CTestHttpServer::~CTestHttpServer()
{
    closesocket((SOCKET)m_control);  // ends the server
}

std::vector<LoggedRequest> CTestHttpServer::Requests() const
{
    std::vector<LoggedRequest> requests;
    for (const std::string& line : m_folder.LogLines())
    {
        std::istringstream fields(line);
        LoggedRequest request;
        std::getline(fields, request.line, '\t');
        for (std::string header; std::getline(fields, header, '\t');)
            request.headers.push_back(header);
        requests.push_back(request);
    }
    return requests;
}

bool CTestHttpServer::WaitForRequests(size_t count, DWORD timeoutMs) const
{
    return testpump::WaitUntil([&] { return Requests().size() >= count; }, timeoutMs);
}

std::string CTestHttpServer::Pattern(size_t length)
{
    std::string body;
    char line[48];
    for (int n = 0; body.size() < length; ++n)
    {
        snprintf(line, sizeof line, "%07d: abcdefghijklmnopqrstuvwxyz\xfc\n", n);
        body += line;
    }
    body.resize(length);
    return body;
}
