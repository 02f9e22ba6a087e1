// The shell's folder browser: a title, a starting folder and the chosen
// folder's path.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include "framework/text/CString.h"

class CWnd;

class CXTBrowseDialog
{
public:
    explicit CXTBrowseDialog(CWnd* pParentWnd = nullptr);
    virtual ~CXTBrowseDialog();
    CXTBrowseDialog(const CXTBrowseDialog&) = delete;
    CXTBrowseDialog& operator=(const CXTBrowseDialog&) = delete;

    // IDOK with a chosen folder (its path in GetSelPath), else IDCANCEL.
    virtual INT_PTR DoModal();

    // A path that does not fit the buffer is not taken: the browser then
    // starts at the current directory.
    void SetSelPath(LPCTSTR lpszPath);
    LPCTSTR GetSelPath() const { return m_szSelPath; }
    void SetTitle(LPCTSTR lpszTitle);
    LPCTSTR GetTitle() const { return m_strTitle; }

    BROWSEINFOW& GetBrowseInfo() { return m_bi; }

protected:
    static int CALLBACK BrowseCtrlCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

    BROWSEINFOW m_bi;
    WCHAR m_szSelPath[MAX_PATH];
    CString m_strTitle;
};
