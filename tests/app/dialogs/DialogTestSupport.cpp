#include "app/dialogs/DialogTestSupport.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <array>

#include "engine/SettingsStore.h"

namespace dlgtest {

namespace {

const wchar_t TestRegistryKey[] = L"TavrolinDialogsTest";
const wchar_t SettingsKey[] = L"Software\\TavrolinDialogsTest\\DialogsTestApp\\Settings";
const wchar_t AppKey[] = L"Software\\TavrolinDialogsTest";
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t RunValue[] = L"Tavrolin";

CModalScript* g_pScript = nullptr;
CCallRecorder* g_pRecorder = nullptr;

BOOL CALLBACK CollectDialogs(HWND hWnd, LPARAM lParam)
{
    WCHAR szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, 16);
    if (::IsWindowVisible(hWnd) && wcscmp(szClass, L"#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> VisibleDialogs()
{
    std::vector<HWND> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectDialogs, reinterpret_cast<LPARAM>(&found));
    return found;
}

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR lpVerb, LPCWSTR lpFile, LPCWSTR, LPCWSTR, INT nShow)
{
    g_pRecorder->shellOpens.push_back({lpFile, lpVerb != nullptr ? lpVerb : L"", UINT(nShow)});
    return reinterpret_cast<HINSTANCE>(33);
}

BOOL WINAPI RecordPlaySound(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    g_pRecorder->sounds.push_back({pszSound != nullptr ? pszSound : L"", hModule != nullptr ? L"module" : L"",
                                   UINT(fdwSound)});
    return TRUE;
}

BOOL WINAPI RecordMessageBeep(UINT uType)
{
    g_pRecorder->beeps.push_back({L"", L"", uType});
    return TRUE;
}

} // namespace

// ---- the script

CModalScript::CModalScript(std::vector<Step> steps) : m_steps(std::move(steps)), m_before(VisibleDialogs())
{
    g_pScript = this;
    m_nTimer = ::SetTimer(nullptr, 0, 50, &CModalScript::OnTimer);
}

CModalScript::~CModalScript()
{
    ::KillTimer(nullptr, m_nTimer);
    if (g_pScript == this)
        g_pScript = nullptr;
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pScript != nullptr && !g_pScript->m_bInStep)
        g_pScript->Tick();
}

void CModalScript::Tick()
{
    std::vector<HWND> dialogs = VisibleDialogs();
    auto isNew = [this](HWND hWnd) { return std::find(m_before.begin(), m_before.end(), hWnd) == m_before.end(); };
    HWND hWndNext = nullptr;
    HWND hWndActive = ::GetActiveWindow();
    if (std::find(dialogs.begin(), dialogs.end(), hWndActive) != dialogs.end() && isNew(hWndActive))
        hWndNext = hWndActive;
    for (size_t i = 0; hWndNext == nullptr && i < dialogs.size(); i++)
        if (isNew(dialogs[i]))
            hWndNext = dialogs[i];

    if (hWndNext != nullptr && hWndNext != m_hWndLast && m_nNext < m_steps.size())
    {
        m_hWndLast = hWndNext;
        m_nIdleTicks = 0;
        m_bInStep = true;
        m_steps[m_nNext++](hWndNext);
        m_bInStep = false;
        return;
    }
    if (hWndNext == nullptr || !::IsWindowVisible(m_hWndLast))
        m_hWndLast = nullptr;
    if (hWndNext == nullptr || ++m_nIdleTicks < 200)
        return;
    m_bTimedOut = true;
    m_nIdleTicks = 0;
    ::PostMessageW(hWndNext, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

CModalScript::Step Press(int nID)
{
    return [nID](HWND hDlg) { ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID)); };
}

CModalScript::Step Then(std::function<void(HWND)> first, CModalScript::Step then)
{
    return [first, then](HWND hDlg) {
        first(hDlg);
        then(hDlg);
    };
}

void ClickCheck(HWND hDlg, int nID)
{
    ::SendMessageW(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

void SetText(HWND hDlg, int nID, LPCWSTR lpszText)
{
    ::SetDlgItemTextW(hDlg, nID, lpszText);
}

CString ItemText(HWND hDlg, int nID)
{
    WCHAR szText[2048] = L"";
    ::GetDlgItemTextW(hDlg, nID, szText, 2048);
    return szText;
}

CString MessageText(HWND hBox)
{
    return ItemText(hBox, 0xFFFF);
}

bool IsChecked(HWND hDlg, int nID)
{
    return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
}

bool IsEnabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE;
}

RECT ItemRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// ---- settings

struct SettingsTest::Saved
{
    CString sound;
    int values[11];
    bool bRun = false;
    WCHAR szRun[520] = L"";
};

namespace {

std::array<int*, 11> StoreValues()
{
    CSettingsStore& s = CSettingsStore::GetInstance();
    return {&s.Interval, &s.MaxDiff, &s.StartMinimized, &s.OpenWeb, &s.Beep, &s.StartWithWindows,
            &s.AutoScan, &s.FindTST, &s.FindResale, &s.ShowInfo, &s.FindYellow};
}

} // namespace

SettingsTest::SettingsTest() : m_saved(new Saved)
{
    m_app.SetRegistryKey(TestRegistryKey);
    ::SHDeleteKeyW(HKEY_CURRENT_USER, AppKey);
    m_saved->sound = CSettingsStore::GetInstance().Sound;
    const auto values = StoreValues();
    for (size_t i = 0; i < values.size(); i++)
        m_saved->values[i] = *values[i];
    DWORD dwBytes = sizeof m_saved->szRun;
    m_saved->bRun = ::SHGetValueW(HKEY_CURRENT_USER, RunKey, RunValue, nullptr, m_saved->szRun, &dwBytes) ==
                    ERROR_SUCCESS;
}

SettingsTest::~SettingsTest()
{
    CSettingsStore::GetInstance().Sound = m_saved->sound;
    const auto values = StoreValues();
    for (size_t i = 0; i < values.size(); i++)
        *values[i] = m_saved->values[i];
    if (m_saved->bRun)
        ::SHSetValueW(HKEY_CURRENT_USER, RunKey, RunValue, REG_SZ, m_saved->szRun,
                      DWORD((wcslen(m_saved->szRun) + 1) * sizeof(WCHAR)));
    else
        DeleteRunValue();
    ::SHDeleteKeyW(HKEY_CURRENT_USER, AppKey);
}

int SettingsTest::SavedDword(LPCWSTR lpszName)
{
    DWORD dwValue = 0, dwBytes = sizeof dwValue;
    if (::SHGetValueW(HKEY_CURRENT_USER, SettingsKey, lpszName, nullptr, &dwValue, &dwBytes) != ERROR_SUCCESS)
        return -1;
    return int(dwValue);
}

bool SettingsTest::SettingsSaved()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

bool SettingsTest::RunValueExists()
{
    return ::SHGetValueW(HKEY_CURRENT_USER, RunKey, RunValue, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void SettingsTest::DeleteRunValue()
{
    ::SHDeleteValueW(HKEY_CURRENT_USER, RunKey, RunValue);
}

// ---- recorded calls

CCallRecorder::CCallRecorder()
    : m_shell("shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&RecordShellExecute))
    , m_sound("winmm.dll", "PlaySoundW", reinterpret_cast<void*>(&RecordPlaySound))
    , m_beep("user32.dll", "MessageBeep", reinterpret_cast<void*>(&RecordMessageBeep))
{
    g_pRecorder = this;
}

CCallRecorder::~CCallRecorder()
{
    if (g_pRecorder == this)
        g_pRecorder = nullptr;
}

bool CCallRecorder::IsActive() const
{
    return m_shell.IsActive() && m_sound.IsActive() && m_beep.IsActive();
}

// ---- texts

std::vector<CString> TextsThatDoNotFit(HWND hDlg)
{
    std::vector<CString> tooLong;
    HDC hDC = ::GetDC(hDlg);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(hDlg, WM_GETFONT, 0, 0)));
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        WCHAR szClass[32] = L"", szText[512] = L"";
        ::GetClassNameW(hChild, szClass, 32);
        ::GetWindowTextW(hChild, szText, 512);
        const DWORD dwStyle = DWORD(::GetWindowLongW(hChild, GWL_STYLE));
        const bool bButton = _wcsicmp(szClass, L"Button") == 0;
        const bool bStatic = _wcsicmp(szClass, L"Static") == 0;
        if (!::IsWindowVisible(hChild) || szText[0] == 0 || (!bButton && !bStatic))
            continue;
        const DWORD dwType = dwStyle & BS_TYPEMASK;
        if (bButton && dwType == BS_GROUPBOX)
            continue;
        RECT rc = {};
        ::GetClientRect(hChild, &rc);
        RECT rcText = {0, 0, 0, 0};
        ::DrawTextW(hDC, szText, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
        // A static of several lines wraps its text.
        if (bStatic && rc.bottom >= 2 * rcText.bottom)
            continue;
        const bool bCheck = bButton && (dwType == BS_AUTOCHECKBOX || dwType == BS_CHECKBOX);
        const int nRoom = rc.right - (bCheck ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4 : bButton ? 8 : 0);
        if (rcText.right > nRoom)
            tooLong.push_back(szText);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hDlg, hDC);
    return tooLong;
}

} // namespace dlgtest
