// A dialog box from a template: modal through DoModal (the owner is
// disabled while the dialog's own message loop runs, EndDialog ends it) or
// modeless through Create. OnInitDialog loads the controls from the
// members; OK reads and validates them first and keeps the dialog open
// when a value is refused.
#pragma once
#include "framework/windows/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal: the template in memory instead of a resource (kept by the caller).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could
    // not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Default: loads the controls (UpdateData(FALSE)); TRUE lets the system
    // focus the first control.
    virtual BOOL OnInitDialog();
    // Default: UpdateData(TRUE), then EndDialog(IDOK); a refused value keeps
    // the dialog open.
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCTSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

protected:
    // Creates the window from a template, attached to this object from its
    // first message on.
    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndParent);
    static LPCDLGTEMPLATE LoadTemplate(LPCTSTR lpszTemplateName);
    BOOL IsModal() const { return m_bModal; }

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void HandleOK();
    afx_msg void HandleCancel();
    DECLARE_MESSAGE_MAP()

private:
    bool m_bModal = false;
};
