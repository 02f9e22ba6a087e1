#include "framework/windows/CWinApp.h"

#include <shlwapi.h>
#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "framework/docview/CDocManager.h"
#include "framework/docview/CRecentFileList.h"
#include "framework/windows/CWnd.h"
#include "framework/core/ModuleState.h"
#include "framework/ole/AfxOleInit.h"
#include "resources/FrameworkIds.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_HELP, OnHelpFinder)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp = nullptr;

LPTSTR DupString(LPCTSTR text)
{
    return text != nullptr ? _wcsdup(text) : nullptr;
}

void FreeString(LPCTSTR& text)
{
    free(const_cast<LPTSTR>(text));
    text = nullptr;
}

// The program file's name without folder and extension.
CString ModuleBaseName()
{
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name = PathFindFileNameW(path);
    int dot = name.ReverseFind(L'.');
    return dot >= 0 ? name.Left(dot) : name;
}

// The program file's path with the extension ".HLP".
CString HelpFilePath()
{
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString help = path;
    int dot = help.ReverseFind(L'.');
    if (dot > help.ReverseFind(L'\\'))
        help = help.Left(dot);
    return help + L".HLP";
}

// Binary values in an INI file: two letters 'A'..'P' per byte.
CString EncodeBinary(const BYTE* data, UINT bytes)
{
    CString text;
    for (UINT i = 0; i < bytes; ++i) {
        text.AppendChar(static_cast<WCHAR>(L'A' + (data[i] >> 4)));
        text.AppendChar(static_cast<WCHAR>(L'A' + (data[i] & 0x0F)));
    }
    return text;
}

} // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

LPCTSTR AfxGetAppName()
{
    return g_pApp != nullptr ? g_pApp->m_pszAppName : L"";
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    g_pApp = this;
    m_nThreadID = GetCurrentThreadId();
    m_hInstance = GetModuleHandleW(nullptr);
    m_pszExeName = DupString(ModuleBaseName());
    if (lpszAppName != nullptr) {
        m_pszAppName = DupString(lpszAppName);
    } else {
        CString title;
        if (!title.LoadString(m_hInstance, AFX_IDS_APP_TITLE) || title.IsEmpty())
            title = m_pszExeName;
        m_pszAppName = DupString(title);
    }
    // Until SetRegistryKey the settings go to an INI file of that name.
    m_pszProfileName = DupString(CString(m_pszExeName) + L".INI");
    m_pszHelpFilePath = DupString(HelpFilePath());
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    FreeString(m_pszAppName);
    FreeString(m_pszExeName);
    FreeString(m_pszRegistryKey);
    FreeString(m_pszProfileName);
    FreeString(m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    AfxOleTerm();
    return CWinThread::ExitInstance();
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (m_pszHelpFilePath == nullptr || ::GetFileAttributesW(m_pszHelpFilePath) == INVALID_FILE_ATTRIBUTES) {
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP, MB_ICONEXCLAMATION);
        return;
    }
    CWnd* pMainWnd = AfxGetMainWnd();
    ::WinHelpW(pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::EnableModeless(BOOL /*bEnable*/)
{
    // The framework keeps no modeless windows of the application's own.
}

void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    FreeString(m_pszRegistryKey);
    FreeString(m_pszProfileName);
    m_pszRegistryKey = DupString(lpszRegistryKey);
    m_pszProfileName = DupString(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::OpenAppKey(BOOL bCreate)
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CString path;
    path.Format(L"Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY key = nullptr;
    LONG rc = bCreate
        ? RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
        : RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &key);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

HKEY CWinApp::OpenSectionKey(LPCTSTR lpszSection, BOOL bCreate)
{
    if (lpszSection == nullptr)
        return nullptr;
    HKEY app = OpenAppKey(bCreate);
    if (app == nullptr)
        return nullptr;
    HKEY key = nullptr;
    LONG rc = bCreate
        ? RegCreateKeyExW(app, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
        : RegOpenKeyExW(app, lpszSection, 0, KEY_READ | KEY_WRITE, &key);
    RegCloseKey(app);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

HKEY CWinApp::GetAppRegistryKey()
{
    return OpenAppKey(TRUE);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    return OpenSectionKey(lpszSection, TRUE);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    // Reading never creates keys.
    HKEY key = OpenSectionKey(lpszSection, FALSE);
    if (key == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD type = 0, value = 0, size = sizeof(value);
    LONG rc = RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        CString text;
        text.Format(L"%d", nValue);
        return WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    DWORD value = static_cast<DWORD>(nValue);
    LONG rc = RegSetValueExW(key, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString fallback = lpszDefault != nullptr ? lpszDefault : L"";
    if (m_pszRegistryKey == nullptr) {
        if (m_pszProfileName == nullptr)
            return fallback;
        // Grow until the value fits (the function reports size - 1 when cut).
        for (DWORD size = 256;; size *= 2) {
            CString text;
            DWORD got = GetPrivateProfileStringW(lpszSection, lpszEntry, fallback,
                                                 text.GetBuffer(static_cast<int>(size)), size, m_pszProfileName);
            text.ReleaseBuffer(static_cast<int>(got));
            if (got < size - 1)
                return text;
        }
    }
    HKEY key = OpenSectionKey(lpszSection, FALSE);
    if (key == nullptr)
        return fallback;
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExW(key, lpszEntry, nullptr, &type, nullptr, &size);
    CString value = fallback;
    if (rc == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        int chars = static_cast<int>(size / sizeof(WCHAR));
        CString text;
        LPWSTR buffer = text.GetBuffer(chars + 1);
        rc = RegQueryValueExW(key, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        // The stored value need not end with a terminator.
        buffer[chars] = L'\0';
        text.ReleaseBuffer();
        if (rc == ERROR_SUCCESS)
            value = text;
    }
    RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszSection == nullptr)
        return FALSE;
    if (lpszEntry == nullptr) {
        HKEY app = OpenAppKey(FALSE);
        if (app == nullptr)
            return TRUE;  // nothing to delete
        DWORD rc = SHDeleteKeyW(app, lpszSection);
        RegCloseKey(app);
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    if (lpszValue == nullptr) {
        HKEY key = OpenSectionKey(lpszSection, FALSE);
        if (key == nullptr)
            return TRUE;
        LONG rc = RegDeleteValueW(key, lpszEntry);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    DWORD bytes = static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(WCHAR));
    LONG rc = RegSetValueExW(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), bytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == nullptr || pBytes == nullptr)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        CString text = GetProfileString(lpszSection, lpszEntry, nullptr);
        int length = text.GetLength();
        if (length == 0 || length % 2 != 0)
            return FALSE;
        UINT bytes = static_cast<UINT>(length / 2);
        BYTE* data = new BYTE[bytes];
        for (UINT i = 0; i < bytes; ++i) {
            WCHAR hi = text[static_cast<int>(2 * i)], lo = text[static_cast<int>(2 * i + 1)];
            if (hi < L'A' || hi > L'P' || lo < L'A' || lo > L'P') {
                delete[] data;
                return FALSE;
            }
            data[i] = static_cast<BYTE>(((hi - L'A') << 4) | (lo - L'A'));
        }
        *ppData = data;
        *pBytes = bytes;
        return TRUE;
    }
    HKEY key = OpenSectionKey(lpszSection, FALSE);
    if (key == nullptr)
        return FALSE;
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExW(key, lpszEntry, nullptr, &type, nullptr, &size);
    if (rc != ERROR_SUCCESS || type != REG_BINARY) {
        RegCloseKey(key);
        return FALSE;
    }
    BYTE* data = new BYTE[size > 0 ? size : 1];
    rc = RegQueryValueExW(key, lpszEntry, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) {
        delete[] data;
        return FALSE;
    }
    *ppData = data;
    *pBytes = size;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    LONG rc = RegSetValueExW(key, lpszEntry, 0, REG_BINARY, pData, nBytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    const UINT kFirstRecentFileId = 0xE110;
    const UINT kMaxRecentFiles = 16;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU > 0) {
        m_pRecentFileList = new CRecentFileList(kFirstRecentFileId, L"Recent File List", L"File%d",
                                                static_cast<int>(std::min(nMaxMRU, kMaxRecentFiles)));
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt(L"Settings", L"PreviewPages", 0);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT /*nIDPrompt*/)
{
    HWND owner = CWnd::GetSafeOwner()->GetSafeHwnd();
    return MessageBoxW(owner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::OnAppExit()
{
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd != nullptr)
        pMainWnd->SendMessage(WM_CLOSE);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconW(AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), RT_GROUP_ICON),
                       MAKEINTRESOURCEW(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorW(AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), RT_GROUP_CURSOR),
                         MAKEINTRESOURCEW(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(nullptr, lpszCursorName);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    return MessageBoxW(GetActiveWindow(), lpszText, L"", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text, nType, nIDHelp);
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE resources = AfxGetResourceHandle();
    if (resources != nullptr && FindResourceW(resources, lpszName, lpszType) != nullptr)
        return resources;
    return AfxGetInstanceHandle();
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    CWinApp* app = AfxGetApp();
    if (app != nullptr) {
        app->m_hInstance = hInstance;
        app->m_lpCmdLine = lpCmdLine;
        app->m_nCmdShow = nCmdShow;
    }
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!app->InitApplication())
        return app->ExitInstance();
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
