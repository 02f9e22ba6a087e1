#include "engine/SettingsStore.h"

#include "engine/SiteHosts.h"
#include "toolkit/common/system/XTRegistryManager.h"

namespace
{
const wchar_t SettingsSection[] = L"Settings";
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t RunValue[] = L"Tavrolin";
const int RunValueMaxChars = 520;

BOOL SettingsValueExists(CXTRegistryManager& registry, LPCWSTR pszName)
{
    HKEY hSection = registry.GetSectionKey(SettingsSection, KEY_QUERY_VALUE);
    if (hSection == nullptr)
        return FALSE;
    LONG lResult = RegQueryValueExW(hSection, pszName, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(hSection);
    return lResult != ERROR_FILE_NOT_FOUND;
}

template <typename T>
void CopyArray(CAtlArray<T>& target, const CAtlArray<T>& source)
{
    if (!target.SetCount(source.GetCount()))
        AfxThrowMemoryException();
    for (size_t i = 0; i < source.GetCount(); ++i)
        target[i] = source[i];
}
} // namespace

CSettingsStore& CSettingsStore::GetInstance()
{
    static CSettingsStore s_store;
    return s_store;
}

CSettingsStore::CSettingsStore()
    : Interval(0), MaxDiff(0), StartMinimized(0), OpenWeb(0), Beep(0), StartWithWindows(0), AutoScan(0),
      FindTST(0), FindResale(0), ShowInfo(0), FindYellow(0), m_nScanCounter(0), m_nScanStored(0),
      m_bScanPresent(FALSE), m_nStatisticCounter(0), m_nStatisticStored(0), m_bStatisticPresent(FALSE)
{
    SetDefaults();
}

CSettingsStore::~CSettingsStore()
{
}

BOOL CSettingsStore::SetDefaults()
{
    Interval = 30;
    MaxDiff = 4;
    StartMinimized = 0;
    OpenWeb = 1;
    Beep = 1;
    StartWithWindows = 1;
    AutoScan = 1;
    FindTST = 1;
    FindResale = 1;
    ShowInfo = 1;
    FindYellow = 1;
    WMInfoURL = CString(L"http://") + DOWNLOAD_SERVER_HOST + L"/qorm/wm-info.xml";

    WCHAR szWindows[MAX_PATH + 1] = {};
    UINT nLength = GetWindowsDirectoryW(szWindows, MAX_PATH);
    Sound.Empty();
    if (nLength == 0 || nLength > MAX_PATH)
        return TRUE;
    Sound = szWindows;
    if (Sound.Right(1) != L"\\")
        Sound += L'\\';
    Sound += L"Media\\notify.wav";
    if (GetFileAttributesW(Sound) == INVALID_FILE_ATTRIBUTES)
        Sound.Empty();
    return TRUE;
}

BOOL CSettingsStore::Load()
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);

    DWORD dwValue = DWORD(Interval);
    if (registry.GetProfileDword(SettingsSection, L"Interval", &dwValue))
        Interval = int(dwValue);
    else
    {
        Interval = 30;
        // Only the very first start turns start-with-Windows on: a value that
        // exists but cannot be read must not undo the user's choice.
        if (!SettingsValueExists(registry, L"Interval"))
            SetStartWithWindows(TRUE);
    }
    dwValue = DWORD(MaxDiff);
    MaxDiff = registry.GetProfileDword(SettingsSection, L"MaxDiff", &dwValue) ? int(dwValue) : 4;

    StartMinimized = registry.GetProfileInt(SettingsSection, L"StartMinimized", StartMinimized);
    FindTST = registry.GetProfileInt(SettingsSection, L"FindTST", FindTST);
    FindResale = registry.GetProfileInt(SettingsSection, L"FindResale", FindResale);
    Beep = registry.GetProfileInt(SettingsSection, L"Beep", Beep);
    OpenWeb = registry.GetProfileInt(SettingsSection, L"OpenWeb", OpenWeb);
    AutoScan = registry.GetProfileInt(SettingsSection, L"AutoScan", AutoScan);
    FindYellow = registry.GetProfileInt(SettingsSection, L"FindYellow", FindYellow);
    Sound = registry.GetProfileString(SettingsSection, L"Sound", Sound);
    ShowInfo = registry.GetProfileInt(SettingsSection, L"ShowInfo", ShowInfo);
    WMInfoURL = registry.GetProfileString(SettingsSection, L"WMInfoURL", WMInfoURL);

    // An interval outside what the options dialog allows (0 would poll
    // without pause) is brought into that range.
    UINT nInterval = UINT(Interval);
    if (nInterval < UINT(MinInterval))
        nInterval = MinInterval;
    else if (nInterval > UINT(MaxInterval))
        nInterval = MaxInterval;
    Interval = int(nInterval);
    if (UINT(MaxDiff) > nInterval / 5)
        MaxDiff = int(nInterval / 5);

    StartWithWindows = ReadStartWithWindows();
    return TRUE;
}

BOOL CSettingsStore::ReadStartWithWindows()
{
    HKEY hRun = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_QUERY_VALUE, &hRun) != ERROR_SUCCESS)
        return FALSE;
    WCHAR szValue[RunValueMaxChars] = {};
    DWORD dwType = 0;
    DWORD dwBytes = sizeof(szValue);
    LONG lResult = RegQueryValueExW(hRun, RunValue, nullptr, &dwType, reinterpret_cast<BYTE*>(szValue), &dwBytes);
    RegCloseKey(hRun);
    if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return FALSE;
    // A string value ends in its terminating zero.
    return dwBytes >= sizeof(WCHAR) && dwBytes % sizeof(WCHAR) == 0 && szValue[dwBytes / sizeof(WCHAR) - 1] == 0;
}

BOOL CSettingsStore::Save()
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);
    DWORD dwValue = DWORD(Interval);
    registry.WriteProfileDword(SettingsSection, L"Interval", &dwValue);
    dwValue = DWORD(MaxDiff);
    registry.WriteProfileDword(SettingsSection, L"MaxDiff", &dwValue);
    registry.WriteProfileInt(SettingsSection, L"Beep", Beep);
    registry.WriteProfileInt(SettingsSection, L"OpenWeb", OpenWeb);
    registry.WriteProfileInt(SettingsSection, L"AutoScan", AutoScan);
    registry.WriteProfileInt(SettingsSection, L"FindYellow", FindYellow);
    registry.WriteProfileInt(SettingsSection, L"FindTST", FindTST);
    registry.WriteProfileInt(SettingsSection, L"StartMinimized", StartMinimized);
    registry.WriteProfileInt(SettingsSection, L"FindResale", FindResale);
    registry.WriteProfileString(SettingsSection, L"Sound", Sound);
    registry.WriteProfileInt(SettingsSection, L"ShowInfo", ShowInfo);
    return TRUE;
}

void CSettingsStore::SetStartWithWindows(BOOL bOn)
{
    StartWithWindows = bOn;
    HKEY hRun = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_SET_VALUE, &hRun) != ERROR_SUCCESS)
        return;
    if (!bOn)
        RegDeleteValueW(hRun, RunValue);
    else
    {
        CString strCommand = L"\"" + GetProgramPath() + L"\"";
        RegSetValueExW(hRun, RunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(static_cast<LPCWSTR>(strCommand)),
                       DWORD((strCommand.GetLength() + 1) * sizeof(WCHAR)));
    }
    RegCloseKey(hRun);
}

CString CSettingsStore::GetProgramPath()
{
    WCHAR szPath[MAX_PATH + 1] = {};
    DWORD nLength = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    szPath[nLength <= MAX_PATH ? nLength : MAX_PATH] = 0;
    return CString(szPath);
}

CString CSettingsStore::GetProgramFolder()
{
    return GetFolderOfPath(GetProgramPath());
}

CString CSettingsStore::GetFolderOfPath(const CString& strPath)
{
    int nSlash = strPath.ReverseFind(L'\\');
    return nSlash < 0 ? CString() : strPath.Left(nSlash + 1);
}

CString CSettingsStore::GetInfoUrl() const
{
    return WMInfoURL;
}

void CSettingsStore::LoadCheckedFlags(int flags[MatchCount])
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (registry.GetProfileBinary(SettingsSection, L"Checked", &pData, &nBytes) && nBytes == MatchCount * sizeof(int))
        memcpy(flags, pData, nBytes);
    else
    {
        for (int i = 0; i < MatchCount; ++i)
            flags[i] = 1;
    }
    delete[] pData;
}

BOOL CSettingsStore::SaveCheckedFlags(const int flags[MatchCount])
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);
    return registry.WriteProfileBinary(SettingsSection, L"Checked", reinterpret_cast<const BYTE*>(flags),
                                       MatchCount * sizeof(int));
}

int CSettingsStore::IssueScanGeneration()
{
    CSingleLock lock(&m_lock, TRUE);
    return int(InterlockedIncrement(&m_nScanCounter));
}

int CSettingsStore::IssueStatisticGeneration()
{
    CSingleLock lock(&m_lock, TRUE);
    return int(InterlockedIncrement(&m_nStatisticCounter));
}

int CSettingsStore::GetScanGeneration()
{
    CSingleLock lock(&m_lock, TRUE);
    return int(InterlockedCompareExchange(&m_nScanCounter, 0, 0));
}

int CSettingsStore::GetStatisticGeneration()
{
    CSingleLock lock(&m_lock, TRUE);
    return int(InterlockedCompareExchange(&m_nStatisticCounter, 0, 0));
}

void CSettingsStore::SetScanResults(int nGeneration, const CAtlArray<MatchStatus>& matches,
                                    const CAtlArray<TeamTstStatus>& teams)
{
    CSingleLock lock(&m_lock, TRUE);
    if (m_nScanCounter > nGeneration)
        return;  // a newer scan has been issued
    CopyArray(m_matches, matches);
    CopyArray(m_teams, teams);
    m_bScanPresent = TRUE;
    m_nScanStored = nGeneration;
}

BOOL CSettingsStore::GetScanResults(int nGeneration, CAtlArray<MatchStatus>& matches, CAtlArray<TeamTstStatus>& teams)
{
    CSingleLock lock(&m_lock, TRUE);
    if (m_nScanStored != nGeneration)
        return FALSE;
    if (m_bScanPresent)
    {
        CopyArray(matches, m_matches);
        CopyArray(teams, m_teams);
    }
    else
    {
        matches.RemoveAll();
        teams.RemoveAll();
    }
    return TRUE;
}

void CSettingsStore::SetStatisticResults(int nGeneration, const CAtlArray<StatRow>& rows)
{
    CSingleLock lock(&m_lock, TRUE);
    if (m_nStatisticCounter > nGeneration)
        return;
    CopyArray(m_rows, rows);
    m_bStatisticPresent = TRUE;
    m_nStatisticStored = nGeneration;
}

void CSettingsStore::ClearStatisticResults(int nGeneration)
{
    CSingleLock lock(&m_lock, TRUE);
    if (m_nStatisticCounter > nGeneration)
        return;
    m_bStatisticPresent = FALSE;
    m_nStatisticStored = nGeneration;
}

BOOL CSettingsStore::GetStatisticResults(int nGeneration, CAtlArray<StatRow>& rows)
{
    CSingleLock lock(&m_lock, TRUE);
    if (m_nStatisticStored != nGeneration)
        return FALSE;
    if (m_bStatisticPresent)
        CopyArray(rows, m_rows);
    else
        rows.RemoveAll();
    return TRUE;
}
