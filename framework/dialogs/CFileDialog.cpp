#include "framework/dialogs/CFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

// The size of the structure before the fields of newer systems; the newer
// dialog layout is chosen by the caller raising it.
const DWORD OPENFILENAME_BASE_SIZE = 76;

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    std::memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = L'\0';
    m_szFileTitle[0] = L'\0';

    m_ofn.lStructSize = OPENFILENAME_BASE_SIZE;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = MAX_PATH;
    m_ofn.Flags = dwFlags | OFN_ENABLESIZING;
    m_ofn.hInstance = ::GetModuleHandleW(nullptr);

    // The dialog appends the extension after a dot of its own; a pattern
    // such as "*.*" is no extension at all.
    if (lpszDefExt != nullptr)
    {
        m_strDefExt = lpszDefExt;
        if (!m_strDefExt.IsEmpty() && m_strDefExt[0] == L'.')
            m_strDefExt = m_strDefExt.Mid(1);
        if (m_strDefExt.FindOneOf(L"*?") >= 0)
            m_strDefExt.Empty();
        if (!m_strDefExt.IsEmpty())
            m_ofn.lpstrDefExt = m_strDefExt;
    }

    if (lpszFileName != nullptr)
        lstrcpynW(m_szFileName, lpszFileName, MAX_PATH);

    if (lpszFilter != nullptr)
    {
        // The system wants zero-separated pairs ending in two zeros.
        m_strFilter = lpszFilter;
        m_strFilter += L'|';
        for (int i = 0; i < m_strFilter.GetLength(); i++)
        {
            if (m_strFilter[i] == L'|')
                m_strFilter.SetAt(i, L'\0');
        }
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (m_ofn.hwndOwner == nullptr)
        m_ofn.hwndOwner = CWnd::GetSafeOwner(nullptr)->GetSafeHwnd();
    // A size beyond the structure would let the system read past it.
    if (m_ofn.lStructSize > sizeof(m_ofn))
        m_ofn.lStructSize = sizeof(m_ofn);

    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    CString strPath = GetPathName();
    int nSlash = strPath.ReverseFind(L'\\');
    return nSlash >= 0 ? strPath.Mid(nSlash + 1) : strPath;
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind(L'.');
    return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}
