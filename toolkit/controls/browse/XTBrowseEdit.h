// An edit with a small browse button glued to its right edge: the button
// picks a folder, a file or a command from a popup menu, and a chosen path
// lands in the edit.
#pragma once
#include "toolkit/controls/browse/XTBrowseButton.h"
#include "toolkit/controls/XTEdit.h"

class CFileDialog;

// Browse styles: the low three bits choose what the button does.
enum XTBrowseEditStyle : DWORD
{
    BES_XT_CHOOSEDIR = 0x0001,
    BES_XT_CHOOSEFILE = 0x0002,
    BES_XT_POPUPMENU = 0x0004,
    BES_XT_MODEMASK = 0x0007,
};

class CXTBrowseEdit : public CXTEdit
{
    DECLARE_DYNAMIC(CXTBrowseEdit)

public:
    CXTBrowseEdit();
    ~CXTBrowseEdit() override;

    // A dialog of the caller's (not owned), used instead of a fresh one.
    virtual void SetFileDialog(CFileDialog* pFileDialog);
    virtual void SetOpenFileDialog(BOOL bOpenFileDialog);
    virtual void SetDefaultExtension(LPCTSTR lpszDefExt);
    virtual void SetFileName(LPCTSTR lpszFileName);
    virtual void SetDialogFlags(DWORD dwFlags);
    virtual void SetFilter(LPCTSTR lpszFilter);
    virtual void SetFolderPrompt(LPCTSTR lpszPrompt);
    using CXTEdit::Initialize;
    // Style 0 (in the low three bits) makes no button.
    virtual BOOL Initialize(CWnd* pParentWnd, DWORD dwBStyle, UINT nMenu = 0, int nSubMenuIndx = 0);
    virtual void OnBrowse();
    virtual void BrowseForFolder();
    virtual void BrowseForFile();
    virtual void PopupMenu();
    virtual void PositionBrowseButton();

    BOOL IsBrowsing() const { return m_bBrowsing; }
    CXTBrowseButton& GetBrowseButton() { return m_btnBrowse; }

protected:
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

    int m_nGap;
    bool m_bBrowsing = false;
    BOOL m_bOpenFileDialog = TRUE;
    UINT m_nMenu = 0;
    int m_nSubMenuIndx = 0;
    DWORD m_dwFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    DWORD m_dwBStyle = BES_XT_CHOOSEDIR;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strPrompt;
    CFileDialog* m_pFileDialog = nullptr;
    CXTBrowseButton m_btnBrowse;
};
