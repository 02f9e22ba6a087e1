#include "framework/text/AfxParseURL.h"

#include <cwchar>

namespace {

struct Scheme
{
    LPCWSTR name;
    DWORD service;
    INTERNET_PORT port;
};

const Scheme kSchemes[] = {
    {L"http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT},
    {L"https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT},
    {L"ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT},
    {L"gopher", AFX_INET_SERVICE_GOPHER, INTERNET_DEFAULT_GOPHER_PORT},
    {L"file", AFX_INET_SERVICE_FILE, 0},
    {L"news", AFX_INET_SERVICE_NEWS, 119},
    {L"nntp", AFX_INET_SERVICE_NNTP, 119},
    {L"telnet", AFX_INET_SERVICE_TELNET, 23},
    {L"wais", AFX_INET_SERVICE_WAIS, 210},
    {L"prospero", AFX_INET_SERVICE_PROSPERO, 1525},
    {L"afs", AFX_INET_SERVICE_AFS, 0},
};

const Scheme* FindScheme(const CString& name)
{
    for (const Scheme& scheme : kSchemes) {
        if (name.CompareNoCase(scheme.name) == 0)
            return &scheme;
    }
    return nullptr;
}

} // namespace

BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 INTERNET_PORT& nPort)
{
    dwServiceType = AFX_INET_SERVICE_UNK;
    strServer.Empty();
    strObject.Empty();
    nPort = 0;
    if (!pstrURL)
        return FALSE;

    CString url(pstrURL);
    url.Trim();
    const int schemeEnd = url.Find(L"://");
    if (schemeEnd <= 0)
        return FALSE;
    const Scheme* scheme = FindScheme(url.Left(schemeEnd));
    if (!scheme)
        return FALSE;
    dwServiceType = scheme->service;

    const CString rest = url.Mid(schemeEnd + 3);
    int authorityEnd = rest.FindOneOf(L"/?#");
    if (authorityEnd < 0)
        authorityEnd = rest.GetLength();
    CString authority = rest.Left(authorityEnd);
    CString object = rest.Mid(authorityEnd);

    const int userEnd = authority.ReverseFind(L'@');
    if (userEnd >= 0)
        authority = authority.Mid(userEnd + 1);

    CString server = authority;
    CString port;
    if (!authority.IsEmpty() && authority[0] == L'[') {
        // A bracketed IPv6 address may hold colons itself.
        const int close = authority.Find(L']');
        if (close < 0)
            return FALSE;
        server = authority.Mid(1, close - 1);
        const CString after = authority.Mid(close + 1);
        if (!after.IsEmpty()) {
            if (after[0] != L':')
                return FALSE;
            port = after.Mid(1);
        }
    } else {
        const int colon = authority.Find(L':');
        if (colon >= 0) {
            server = authority.Left(colon);
            port = authority.Mid(colon + 1);
        }
    }
    if (server.IsEmpty() && scheme->service != AFX_INET_SERVICE_FILE)
        return FALSE;

    INTERNET_PORT portNumber = scheme->port;
    if (!port.IsEmpty()) {
        if (port.GetLength() > 5 || port.SpanIncluding(L"0123456789").GetLength() != port.GetLength())
            return FALSE;
        const long value = std::wcstol(port, nullptr, 10);
        if (value < 1 || value > 65535)
            return FALSE;
        portNumber = static_cast<INTERNET_PORT>(value);
    }

    const int fragment = object.Find(L'#');
    if (fragment >= 0)
        object = object.Left(fragment);
    if (object.IsEmpty() || object[0] != L'/')
        object = L"/" + object;

    strServer = server;
    strObject = object;
    nPort = portNumber;
    return TRUE;
}
