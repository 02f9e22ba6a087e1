#include "app/dialogs/DialogTestSupport.h"

#include <shlwapi.h>

#include <algorithm>

#include "engine/SettingsStore.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"

namespace dlgtest {

namespace {

const wchar_t AppKey[] = L"Software\\TavrolinDialogsTest";
const wchar_t SettingsKey[] = L"Software\\TavrolinDialogsTest\\DialogsTestApp\\Settings";
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

CModalScript* g_pScript = nullptr;
CCallRecorder* g_pRecorder = nullptr;

std::vector<HWND> VisibleDialogs()
{
    return testwindows::VisibleThreadWindows(L"#32770");
}

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR lpVerb, LPCWSTR lpFile, LPCWSTR, LPCWSTR, INT nShow)
{
    g_pRecorder->shellOpens.push_back({lpFile, lpVerb, UINT(nShow)});
    return reinterpret_cast<HINSTANCE>(33);
}

BOOL WINAPI RecordPlaySound(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    g_pRecorder->sounds.push_back({pszSound, hModule != nullptr ? L"module" : L"", UINT(fdwSound)});
    return TRUE;
}

BOOL WINAPI RecordMessageBeep(UINT uType)
{
    g_pRecorder->beeps.push_back({L"", L"", uType});
    return TRUE;
}

int* StoreValues(int i)
{
    CSettingsStore& s = CSettingsStore::GetInstance();
    int* values[11] = {&s.Interval, &s.MaxDiff,  &s.StartMinimized, &s.OpenWeb,  &s.Beep,      &s.StartWithWindows,
                       &s.AutoScan, &s.FindTST, &s.FindResale,     &s.ShowInfo, &s.FindYellow};
    return values[i];
}

} // namespace

CModalScript::CModalScript(std::vector<Step> steps) : m_steps(std::move(steps)), m_before(VisibleDialogs())
{
    g_pScript = this;
    m_nTimer = testtimer::Set(50, &CModalScript::OnTimer);
}

CModalScript::~CModalScript()
{
    testtimer::Kill(m_nTimer);
    g_pScript = nullptr;
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CModalScript* p = g_pScript;
    if (p == nullptr || p->m_bInStep)
        return;
    std::vector<HWND> dialogs = VisibleDialogs();
    auto isNew = [p](HWND hWnd) { return std::find(p->m_before.begin(), p->m_before.end(), hWnd) == p->m_before.end(); };
    HWND hWndNext = ::GetActiveWindow();
    if (std::find(dialogs.begin(), dialogs.end(), hWndNext) == dialogs.end() || !isNew(hWndNext))
        hWndNext = nullptr;
    for (size_t i = 0; hWndNext == nullptr && i < dialogs.size(); i++)
        hWndNext = isNew(dialogs[i]) ? dialogs[i] : nullptr;
    if (hWndNext != nullptr && hWndNext != p->m_hWndLast && p->m_nNext < p->m_steps.size())
    {
        p->m_hWndLast = hWndNext;
        p->m_nIdleTicks = 0;
        p->m_bInStep = true;
        p->m_steps[p->m_nNext++](hWndNext);
        p->m_bInStep = false;
        return;
    }
    if (hWndNext == nullptr || !::IsWindowVisible(p->m_hWndLast))
        p->m_hWndLast = nullptr;
    if (hWndNext != nullptr && ++p->m_nIdleTicks >= 200)
    {
        p->m_bTimedOut = true;
        p->m_nIdleTicks = 0;
        ::PostMessageW(hWndNext, WM_COMMAND, IDCANCEL, 0);
    }
}

CModalScript::Step Then(std::function<void(HWND)> first, int nID)
{
    return [first, nID](HWND hDlg) {
        first(hDlg);
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), LPARAM(::GetDlgItem(hDlg, nID)));
    };
}

CString ItemText(HWND hDlg, int nID)
{
    WCHAR szText[2048] = L"";
    ::GetDlgItemTextW(hDlg, nID, szText, 2048);
    return szText;
}

RECT ItemRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

SettingsTest::SettingsTest()
{
    m_app.SetRegistryKey(L"TavrolinDialogsTest");
    ::SHDeleteKeyW(HKEY_CURRENT_USER, AppKey);
    m_sound = CSettingsStore::GetInstance().Sound;
    for (int i = 0; i < 11; i++)
        m_values[i] = *StoreValues(i);
    DWORD dwBytes = sizeof m_szRun;
    m_bRun = ::SHGetValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin", nullptr, m_szRun, &dwBytes) == ERROR_SUCCESS;
}

SettingsTest::~SettingsTest()
{
    CSettingsStore::GetInstance().Sound = m_sound;
    for (int i = 0; i < 11; i++)
        *StoreValues(i) = m_values[i];
    if (m_bRun)
        ::SHSetValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin", REG_SZ, m_szRun, DWORD((wcslen(m_szRun) + 1) * 2));
    else
        ::SHDeleteValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin");
    ::SHDeleteKeyW(HKEY_CURRENT_USER, AppKey);
}

int SettingsTest::SavedDword(LPCWSTR lpszName)
{
    DWORD dwValue = 0, dwBytes = sizeof dwValue;
    return ::SHGetValueW(HKEY_CURRENT_USER, SettingsKey, lpszName, nullptr, &dwValue, &dwBytes) == ERROR_SUCCESS
               ? int(dwValue)
               : -1;
}

bool SettingsTest::RunValueExists()
{
    return ::SHGetValueW(HKEY_CURRENT_USER, RunKey, L"Tavrolin", nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

CCallRecorder::CCallRecorder()
    : m_shell("shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&RecordShellExecute))
    , m_sound("winmm.dll", "PlaySoundW", reinterpret_cast<void*>(&RecordPlaySound))
    , m_beep("user32.dll", "MessageBeep", reinterpret_cast<void*>(&RecordMessageBeep))
{
    g_pRecorder = this;
}

CCallRecorder::~CCallRecorder()
{
    g_pRecorder = nullptr;
}

std::vector<CString> TextsThatDoNotFit(HWND hDlg)
{
    std::vector<CString> tooLong;
    HDC hDC = ::GetDC(hDlg);
    HGDIOBJ hOld = ::SelectObject(hDC, HGDIOBJ(::SendMessageW(hDlg, WM_GETFONT, 0, 0)));
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        WCHAR szClass[32] = L"", szText[512] = L"";
        ::GetClassNameW(hChild, szClass, 32);
        ::GetWindowTextW(hChild, szText, 512);
        const bool bButton = _wcsicmp(szClass, L"Button") == 0, bStatic = _wcsicmp(szClass, L"Static") == 0;
        const DWORD dwType = DWORD(::GetWindowLongW(hChild, GWL_STYLE)) & BS_TYPEMASK;
        if (!::IsWindowVisible(hChild) || szText[0] == 0 || !(bButton || bStatic) || (bButton && dwType == BS_GROUPBOX))
            continue;
        RECT rc = {}, rcText = {};
        ::GetClientRect(hChild, &rc);
        ::DrawTextW(hDC, szText, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
        if (bStatic && rc.bottom >= 2 * rcText.bottom)
            continue;  // a label of several lines wraps
        const bool bCheck = bButton && (dwType == BS_AUTOCHECKBOX || dwType == BS_CHECKBOX);
        if (rcText.right > rc.right - (bCheck ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4 : bButton ? 8 : 0))
            tooLong.push_back(szText);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hDlg, hDC);
    return tooLong;
}

} // namespace dlgtest
