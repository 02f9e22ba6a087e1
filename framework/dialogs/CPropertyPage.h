// One page of a property sheet, made from a dialog template when the sheet
// first shows it. The sheet's notifications arrive as OnSetActive (the page
// is about to show), OnKillActive (it is about to be left: the default
// reads and validates its controls, and a refusal keeps the page), OnApply
// (OK or Apply: the default calls OnOK) and OnReset (Cancel).
#pragma once
#include <windows.h>
#include <prsht.h>

#include "framework/dialogs/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // What the sheet makes the page from; a page may take a template in
    // memory instead (PSP_DLGINDIRECT and pResource).
    PROPSHEETPAGEW m_psp;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    // TRUE lets Cancel go ahead.
    virtual BOOL OnQueryCancel();
    // A page only takes part in OK and Cancel; it never ends anything itself.
    void OnOK() override;
    void OnCancel() override;

    // Enables or disables the sheet's Apply button for this page.
    void SetModified(BOOL bChanged = TRUE);
    // The sheet the page shows in (null before it shows).
    CPropertySheet* GetSheet() const;

    // The sheet handles the keyboard for all its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Made again when the sheet shows next time.
    void PostNcDestroy() override;

private:
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    CString m_strCaption;
    bool m_bFirstSetActive = true;
};
