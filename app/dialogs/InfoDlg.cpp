#include "app/dialogs/InfoDlg.h"

#include "engine/SettingsStore.h"
#include "framework/dialogs/CDataExchange.h"
#include "resources/AppIds.h"

CInfoDlg::CInfoDlg(CWnd* pParentWnd)
    : CDialog(IDD_INFO, pParentWnd)
    , m_bDontShowAgain(FALSE)
{
}

void CInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DONT_SHOW_AGAIN, m_bDontShowAgain);
}

BOOL CInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString strText;
    strText.LoadString(IDS_STARTUP_INFO);
    SetDlgItemText(IDC_INFO_TEXT, strText);
    return TRUE;
}

void CInfoDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // Written to the registry with the next save of the settings.
    CSettingsStore::GetInstance().ShowInfo = !m_bDontShowAgain;
    EndDialog(IDOK);
}
