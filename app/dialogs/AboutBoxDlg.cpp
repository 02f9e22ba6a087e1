#include "app/dialogs/AboutBoxDlg.h"

#include "engine/SettingsStore.h"
#include "framework/gdi/CPaintDC.h"
#include "resources/AppIds.h"

BEGIN_MESSAGE_MAP(CAboutBoxDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CAboutBoxDlg::CAboutBoxDlg(CWnd* pParentWnd)
    : CDialog(IDD_ABOUTBOX, pParentWnd)
{
}

BOOL CAboutBoxDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Without the picture the box keeps the template's size and stays empty.
    if (m_picture.Load(CSettingsStore::GetProgramFolder() + L"pics\\about.jpg"))
        MoveWindow(0, 0, m_picture.GetWidth(), m_picture.GetHeight());
    CenterWindow();
    return TRUE;
}

void CAboutBoxDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    m_picture.Render(&dc, rcClient);
}

void CAboutBoxDlg::OnLButtonDown(UINT, CPoint)
{
    EndDialog(IDOK);
}
