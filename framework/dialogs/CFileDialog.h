// The system's open and save dialogs: a default extension, an initial file
// name, flags, a filter of "|"-separated pairs and a parent. m_ofn is open
// to the caller for anything further before DoModal.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "framework/dialogs/CDialog.h"

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)

public:
    // The filter's pairs are "text|pattern|", ended by a second "|".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    // IDOK with a chosen file, else IDCANCEL.
    INT_PTR DoModal() override;

    // The full path chosen.
    CString GetPathName() const;
    // The chosen file's name with its extension.
    CString GetFileName() const;
    // The chosen file's extension without the dot.
    CString GetFileExt() const;

    OPENFILENAMEW m_ofn;

    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    const CString& GetFilterText() const { return m_strFilter; }

protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter;
    WCHAR m_szFileName[MAX_PATH];
    WCHAR m_szFileTitle[MAX_PATH];
};
