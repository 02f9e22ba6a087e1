#include "toolkit/customize/XTPNewToolbarDlg.h"

#include "framework/dialogs/CDataExchange.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/resources/XTPResourceManager.h"

CXTPNewToolbarDlg::CXTPNewToolbarDlg(CWnd* pParent, CXTPCommandBars* pCommandBars, CXTPToolBar* pToolBar)
    : CDialog(XTP_IDD_NEWTOOLBAR, pParent), m_nNewID(0), m_pToolBar(pToolBar), m_pCommandBars(pCommandBars)
{
    // A translated template from the resource module wins over our own.
    if (LPCDLGTEMPLATE lpTemplate = XTPGetResourceManager()->LoadDialogTemplate(XTP_IDD_NEWTOOLBAR))
        InitModalIndirect(lpTemplate, pParent);
}

UINT CXTPNewToolbarDlg::FindFreeBarID(const CXTPCommandBars* pCommandBars)
{
    // The smallest id nobody uses, whatever order the bars are in: bars are
    // saved and merged by id, so a second bar with a live id would be lost.
    for (UINT nID = XTP_CUSTOM_BAR_FIRST; nID <= XTP_CUSTOM_BAR_LAST; nID++) {
        if (pCommandBars->FindToolBar(nID) == nullptr)
            return nID;
    }
    return 0;
}

CString CXTPNewToolbarDlg::ProposeName(const CXTPCommandBars* pCommandBars)
{
    CString strFormat;
    XTPGetResourceManager()->LoadString(&strFormat, XTP_IDS_CUSTOM_BAR);
    for (int n = 1;; n++) {
        CString strName;
        strName.Format(static_cast<LPCWSTR>(strFormat), n);
        bool taken = false;
        for (int i = 0; i < pCommandBars->GetCount() && !taken; i++)
            taken = pCommandBars->GetAt(i)->GetTitle() == strName;
        if (!taken)
            return strName;
    }
}

void CXTPNewToolbarDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, XTP_IDC_TOOLBAR_NAME, m_strToolBar);
}

BOOL CXTPNewToolbarDlg::OnInitDialog()
{
    if (m_pToolBar == nullptr) {
        m_strToolBar = ProposeName(m_pCommandBars);
    } else {
        m_strToolBar = m_pToolBar->GetTitle();
        CString strCaption;
        XTPGetResourceManager()->LoadString(&strCaption, XTP_IDS_RENAMETOOLBAR);
        SetWindowText(strCaption);
    }
    return CDialog::OnInitDialog();
}

BOOL CXTPNewToolbarDlg::IsTitleTaken(const CString& strTitle) const
{
    for (int i = 0; i < m_pCommandBars->GetCount(); i++) {
        CXTPToolBar* pBar = m_pCommandBars->GetAt(i);
        if (pBar != m_pToolBar && pBar->GetTitle() == strTitle)
            return TRUE;
    }
    return FALSE;
}

void CXTPNewToolbarDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strToolBar.IsEmpty()) {
        XTPGetResourceManager()->ShowMessageBox(XTP_IDS_ERROR_BLANKNAME, MB_ICONERROR);
        return;
    }
    if (m_pToolBar == nullptr) {
        m_nNewID = FindFreeBarID(m_pCommandBars);
        if (m_nNewID == 0) {
            XTPGetResourceManager()->ShowMessageBox(XTP_IDS_ERROR_LIMIT, MB_ICONERROR);
            EndDialog(IDCANCEL);
            return;
        }
    }
    if (IsTitleTaken(m_strToolBar)) {
        CString strFormat, strMessage;
        XTPGetResourceManager()->LoadString(&strFormat, XTP_IDS_ERROR_EXISTS);
        strMessage.Format(static_cast<LPCWSTR>(strFormat), static_cast<LPCWSTR>(m_strToolBar));
        AfxMessageBox(strMessage, MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
