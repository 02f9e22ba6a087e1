// The most recently used files, newest first, kept in the application's
// profile section as numbered entries.
#pragma once
#include <vector>
#include "framework/text/CString.h"

class CRecentFileList
{
public:
    // nStart: the command id of the first entry; nSize: entries kept;
    // nMaxDispLen: longest name shown before it is shortened.
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 30);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    CString& operator[](int nIndex) { return m_arrNames[static_cast<size_t>(nIndex)]; }
    const CString& operator[](int nIndex) const { return m_arrNames[static_cast<size_t>(nIndex)]; }
    UINT GetStartId() const { return m_nStart; }

    // Moves the path to the front (a path already listed is not doubled).
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The entry as a menu shows it: without the current folder when it lies
    // there, shortened to the display length. FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    virtual void ReadList();
    virtual void WriteList();

private:
    UINT m_nStart;
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    std::vector<CString> m_arrNames;
};
