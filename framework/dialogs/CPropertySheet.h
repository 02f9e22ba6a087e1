// A property sheet: the system's tabbed dialog over a list of
// CPropertyPage objects (not owned). Modal through DoModal (the sheet runs
// the framework's modal loop and ends once OK or Cancel went through),
// modeless through Create. Pages may be added and removed before and while
// the sheet shows.
#pragma once
#include <windows.h>
#include <prsht.h>

#include <vector>

#include "framework/dialogs/CPropertyPage.h"

class CTabCtrl;

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Filled by BuildPropPageArray; callers may add flags before showing.
    PROPSHEETHEADERW m_psh;

    // ---- the pages
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    // Null outside the range.
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;

    // IDOK or IDCANCEL (or what EndDialog was given); -1 when the sheet
    // could not be created.
    virtual INT_PTR DoModal();
    // Modeless; the sheet shows until destroyed.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    void EndDialog(int nEndID);
    // Default: the system's own initialisation of the sheet.
    virtual BOOL OnInitDialog();

    // Makes the page descriptions the system builds the sheet from.
    void BuildPropPageArray();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;

    CWnd* m_pParentWnd = nullptr;

protected:
    // Creates the window (modeless in the system's terms) attached to
    // this object from its first message on.
    BOOL CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void HandleOK();
    afx_msg void HandleCancel();
    afx_msg LRESULT HandlePressButton(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEW> m_pageArray;
    CString m_strCaption;
    bool m_bModal = false;

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    DWORD m_dwCreateStyle = 0;
    DWORD m_dwCreateExStyle = 0;
};
