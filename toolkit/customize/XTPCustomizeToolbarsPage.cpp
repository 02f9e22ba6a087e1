#include "toolkit/customize/XTPCustomizeToolbarsPage.h"

#include "framework/dialogs/CDataExchange.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/customize/XTPCustomizeFocus.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/customize/XTPNewToolbarDlg.h"

IMPLEMENT_DYNCREATE(CXTPCustomizeToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(XTP_IDC_LIST_TOOLBARS, OnSelChangeList)
    ON_CONTROL(CLBN_CHKCHANGE, XTP_IDC_LIST_TOOLBARS, OnCheckChangeList)
    ON_BN_CLICKED(XTP_IDC_BUTTON_NEW, OnNewToolbar)
    ON_BN_CLICKED(XTP_IDC_BUTTON_RENAME, OnRenameToolbar)
    ON_BN_CLICKED(XTP_IDC_BUTTON_DELETE, OnDeleteToolbar)
    ON_BN_CLICKED(XTP_IDC_BUTTON_RESET, OnResetToolbar)
END_MESSAGE_MAP()

CXTPCustomizeToolbarsPage::CXTPCustomizeToolbarsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_TOOLBARS), m_pSheet(pSheet)
{
}

CXTPCommandBars* CXTPCustomizeToolbarsPage::GetCommandBars() const
{
    return m_pSheet != nullptr ? m_pSheet->GetCommandBars() : nullptr;
}

void CXTPCustomizeToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_LIST_TOOLBARS, m_checkList);
    DDX_Control(pDX, XTP_IDC_BUTTON_RESET, m_btnReset);
    DDX_Control(pDX, XTP_IDC_BUTTON_RENAME, m_btnRename);
    DDX_Control(pDX, XTP_IDC_BUTTON_DELETE, m_btnDelete);
    DDX_Control(pDX, XTP_IDC_BUTTON_NEW, m_btnNew);
}

BOOL CXTPCustomizeToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (GetCommandBars() != nullptr && GetCommandBars()->IsLayoutRTL())
        m_checkList.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    RefreshToolbarsList();
    return FALSE;
}

CXTPToolBar* CXTPCustomizeToolbarsPage::GetSelectedToolBar() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const int nSel = m_checkList.GetCurSel();
    if (pCommandBars == nullptr || nSel == LB_ERR)
        return nullptr;
    return pCommandBars->GetAt(static_cast<int>(m_checkList.GetItemData(nSel)));
}

void CXTPCustomizeToolbarsPage::RefreshToolbarsList()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr || m_checkList.GetSafeHwnd() == nullptr)
        return;
    const int nSel = m_checkList.GetCurSel();
    const int nSelectedBar = nSel != LB_ERR ? static_cast<int>(m_checkList.GetItemData(nSel)) : 0;
    const int nTopIndex = m_checkList.GetTopIndex();
    m_checkList.ResetContent();
    for (int i = 0; i < pCommandBars->GetCount(); i++) {
        CXTPToolBar* pBar = pCommandBars->GetAt(i);
        if (!pBar->IsCustomizeDialogPresent() || (!pBar->IsCloseable() && !pBar->IsVisible()))
            continue;
        const int nItem = m_checkList.AddString(pBar->GetTitle());
        m_checkList.SetCheck(nItem, pBar->IsVisible() ? 1 : 0);
        m_checkList.SetItemData(nItem, static_cast<DWORD_PTR>(i));
        if (i == nSelectedBar)
            m_checkList.SetCurSel(nItem);
    }
    if (m_checkList.GetTopIndex() != nTopIndex)
        m_checkList.SetTopIndex(nTopIndex);
    OnSelChangeList();
}

void CXTPCustomizeToolbarsPage::OnSelChangeList()
{
    if (m_btnReset.GetSafeHwnd() == nullptr)
        return;
    // A button the user pressed (Löschen) goes grey under the focus once
    // its bar is gone: the list takes the keyboard then.
    if (m_checkList.GetCurSel() == LB_ERR) {
        XTPEnableKeepingFocus(&m_btnReset, FALSE, &m_checkList);
        XTPEnableKeepingFocus(&m_btnRename, FALSE, &m_checkList);
        XTPEnableKeepingFocus(&m_btnDelete, FALSE, &m_checkList);
        return;
    }
    CXTPToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr)
        return;
    XTPEnableKeepingFocus(&m_btnReset, pBar->IsBuiltIn(), &m_checkList);
    XTPEnableKeepingFocus(&m_btnRename, !pBar->IsBuiltIn(), &m_checkList);
    XTPEnableKeepingFocus(&m_btnDelete, !pBar->IsBuiltIn(), &m_checkList);
}

void CXTPCustomizeToolbarsPage::OnCheckChangeList()
{
    const int nSel = m_checkList.GetCurSel();
    CXTPToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr)
        return;
    if (pBar->IsCloseable())
        pBar->SetVisible(m_checkList.GetCheck(nSel) == 1);
    else
        m_checkList.SetCheck(nSel, 1);
    RefreshToolbarsList();
}

void CXTPCustomizeToolbarsPage::OnNewToolbar()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return;
    CXTPNewToolbarDlg dlg(m_pSheet, pCommandBars);
    if (dlg.DoModal() != IDOK)
        return;
    CXTPToolBar* pBar = pCommandBars->AddCustomBar(dlg.m_strToolBar, dlg.m_nNewID, FALSE);
    if (pBar == nullptr)
        return;
    RefreshToolbarsList();
    if (CWnd* pSite = pCommandBars->GetSite())
        pSite->SendMessage(WM_XTP_TOOLBAR_ADDED, 0, reinterpret_cast<LPARAM>(pBar));
}

void CXTPCustomizeToolbarsPage::OnRenameToolbar()
{
    const int nSel = m_checkList.GetCurSel();
    CXTPToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr || pBar->IsBuiltIn())
        return;
    CXTPNewToolbarDlg dlg(m_pSheet, GetCommandBars(), pBar);
    if (dlg.DoModal() != IDOK)
        return;
    pBar->SetTitle(dlg.m_strToolBar);
    m_checkList.DeleteString(nSel);
    const int nItem = m_checkList.InsertString(nSel, pBar->GetTitle());
    m_checkList.SetCheck(nItem, pBar->IsVisible() ? 1 : 0);
    m_checkList.SetItemData(nItem, static_cast<DWORD_PTR>(GetCommandBars()->FindIndex(pBar)));
    m_checkList.SetCurSel(nItem);
}

void CXTPCustomizeToolbarsPage::OnDeleteToolbar()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr || pBar->IsBuiltIn())
        return;
    CString strFormat, strMessage;
    XTPGetResourceManager()->LoadString(&strFormat, XTP_IDS_CONFIRM_DELETE);
    strMessage.Format(static_cast<LPCWSTR>(strFormat), static_cast<LPCWSTR>(pBar->GetTitle()));
    if (AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONWARNING) != IDOK)
        return;
    if (CWnd* pSite = pCommandBars->GetSite())
        pSite->SendMessage(WM_XTP_TOOLBAR_DELETING, 0, reinterpret_cast<LPARAM>(pBar));
    pCommandBars->Remove(pBar);
    RefreshToolbarsList();
}

void CXTPCustomizeToolbarsPage::OnResetToolbar()
{
    CXTPToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr || !pBar->IsBuiltIn())
        return;
    pBar->Reset(TRUE);
    RefreshToolbarsList();
}
