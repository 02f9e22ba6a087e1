#include "toolkit/controls/browse/XTBrowseDialog.h"

#include <cstring>

#include "framework/windows/CWnd.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/common/resources/XTPResourceManager.h"

CXTBrowseDialog::CXTBrowseDialog(CWnd* pParentWnd)
{
    std::memset(&m_bi, 0, sizeof(m_bi));
    m_szSelPath[0] = L'\0';
    XTPGetResourceManager()->LoadString(&m_strTitle, XT_IDS_SELECT_FOLDER);

    m_bi.hwndOwner = pParentWnd->GetSafeHwnd();
    m_bi.pidlRoot = nullptr;
    m_bi.pszDisplayName = m_szSelPath;
    m_bi.lpszTitle = m_strTitle;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
    m_bi.lpfn = BrowseCtrlCallback;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
}

CXTBrowseDialog::~CXTBrowseDialog() = default;

void CXTBrowseDialog::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : L"";
    m_bi.lpszTitle = m_strTitle;
}

void CXTBrowseDialog::SetSelPath(LPCTSTR lpszPath)
{
    if (lpszPath == nullptr || ::lstrlenW(lpszPath) >= MAX_PATH)
    {
        m_szSelPath[0] = L'\0';
        return;
    }
    ::lstrcpynW(m_szSelPath, lpszPath, MAX_PATH);
}

INT_PTR CXTBrowseDialog::DoModal()
{
    IMalloc* pMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&pMalloc)) || pMalloc == nullptr)
        return IDCANCEL;

    INT_PTR nResult = IDCANCEL;
    LPITEMIDLIST pidl = ::SHBrowseForFolderW(&m_bi);
    if (pidl != nullptr)
    {
        if (::SHGetPathFromIDListW(pidl, m_szSelPath))
            nResult = IDOK;
        pMalloc->Free(pidl);
    }
    pMalloc->Release();
    return nResult;
}

int CALLBACK CXTBrowseDialog::BrowseCtrlCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    CXTBrowseDialog* pDialog = reinterpret_cast<CXTBrowseDialog*>(lpData);
    if (pDialog == nullptr)
        return 0;
    switch (uMsg)
    {
    case BFFM_INITIALIZED: {
        WCHAR szDir[MAX_PATH];
        if (pDialog->m_szSelPath[0] != L'\0')
            ::lstrcpynW(szDir, pDialog->m_szSelPath, MAX_PATH);
        else
        {
            DWORD nLength = ::GetCurrentDirectoryW(MAX_PATH, szDir);
            if (nLength == 0 || nLength >= MAX_PATH)
                break;
        }
        ::SendMessageW(hWnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(szDir));
        break;
    }
    case BFFM_SELCHANGED: {
        WCHAR szDir[MAX_PATH];
        if ((pDialog->m_bi.ulFlags & BIF_STATUSTEXT) &&
            ::SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(lParam), szDir))
            ::SendMessageW(hWnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(szDir));
        break;
    }
    default:
        break;
    }
    return 0;
}
