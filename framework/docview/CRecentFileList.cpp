#include "framework/docview/CRecentFileList.h"
#include <algorithm>
#include "framework/windows/CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nStart(nStart)
    , m_strSection(lpszSection)
    , m_strEntryFormat(lpszEntryFormat)
    , m_nMaxDisplayLength(nMaxDispLen)
    , m_arrNames(static_cast<size_t>(std::max(nSize, 0)))
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_arrNames.empty() || !lpszPathName || !*lpszPathName)
        return;
    CString strPath = lpszPathName;
    size_t nFound = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); i++) {
        if (m_arrNames[i].CompareNoCase(strPath) == 0) {
            nFound = i;
            break;
        }
    }
    for (size_t i = nFound; i > 0; i--)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.push_back(CString());
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[static_cast<size_t>(nIndex)].IsEmpty())
        return FALSE;
    CString strPath = m_arrNames[static_cast<size_t>(nIndex)];
    if (lpszCurDir && nCurDir > 0 && strPath.GetLength() > nCurDir &&
        strPath.Left(nCurDir).CompareNoCase(CString(lpszCurDir).Left(nCurDir)) == 0)
        strPath = strPath.Mid(nCurDir);
    if (strPath.GetLength() <= m_nMaxDisplayLength) {
        strName = strPath;
        return TRUE;
    }
    // Too long: the root, an ellipsis and the file name; only the name when
    // even that does not fit.
    CString strFile = strPath.Mid(strPath.ReverseFind(L'\\') + 1);
    int nRoot = strPath.Find(L'\\');
    CString strShort = nRoot >= 0 ? strPath.Left(nRoot + 1) + L"...\\" + strFile : strFile;
    if (strShort.GetLength() <= m_nMaxDisplayLength)
        strName = strShort;
    else if (bAtLeastName)
        strName = strFile;
    else
        strName = strFile.Left(m_nMaxDisplayLength);
    return TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    for (int i = 0; i < GetSize(); i++) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSection, strEntry, L"");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    pApp->WriteProfileString(m_strSection, nullptr, nullptr);
    for (int i = 0; i < GetSize(); i++) {
        if (m_arrNames[static_cast<size_t>(i)].IsEmpty())
            break;
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSection, strEntry, m_arrNames[static_cast<size_t>(i)]);
    }
}
