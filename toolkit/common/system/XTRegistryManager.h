// Profile values (integers, strings, 4-byte values and byte blocks by section
// and entry) in the registry under the application's key, or in an INI file
// while a process-wide INI file name is set.
#pragma once
#include "framework/Framework.h"

class CXTRegistryManager
{
public:
    explicit CXTRegistryManager(HKEY hKeyBase = HKEY_CURRENT_USER);
    virtual ~CXTRegistryManager();

    // Root\Software\<registry key>\<profile name>; created when missing
    // if the rights allow changes (read-only rights only open it); null when
    // the names are unknown or a step fails. The caller closes it.
    virtual HKEY GetAppRegistryKey(REGSAM samDesired);
    // The section's key below the application key, made in the same way.
    virtual HKEY GetSectionKey(LPCTSTR pszSection, REGSAM samDesired);

    // Writers: TRUE, FALSE, or -1 when the registry refuses access.
    BOOL WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue);
    // A null entry deletes the section, a null value deletes the entry.
    BOOL WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue);
    BOOL WriteProfileDword(LPCTSTR pszSection, LPCTSTR pszEntry, const DWORD* pValue);
    BOOL WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, const BYTE* pData, UINT nBytes);

    int GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault);
    CString GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault = nullptr);
    // Reads a stored 4-byte value into *pValue. A stored value of more than
    // 4 bytes is refused (FALSE) and leaves *pValue unchanged.
    BOOL GetProfileDword(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD* pValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, BYTE** ppData, UINT* pnBytes);

    // The process-wide INI file name; empty: the registry is used.
    static CString& GetIniFileName();
    static void SetIniFileName(LPCTSTR pszFileName);

private:
    BOOL HaveNames();
    static LONG OpenOrCreateKey(HKEY hParent, LPCTSTR pszName, REGSAM samDesired, HKEY* phKey);
    static BOOL UsesIniFile();

    HKEY m_hKeyBase;
    BOOL m_bHaveNames;
    CString m_strRegistryKey;   // the application's key name (the maker)
    CString m_strProfileName;   // the application's profile name
    LONG m_lLastError;          // of the last key opened, for the writers' result
};
