#include "toolkit/customize/XTPCustomizeOptionsPage.h"

#include "framework/dialogs/CDataExchange.h"
#include "framework/windows/CFrameWnd.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

BEGIN_MESSAGE_MAP(CXTPCustomizeOptionsPage, CPropertyPage)
    ON_BN_CLICKED(XTP_IDC_CHECK_FULL_MENUS, OnCheckFullMenus)
    ON_BN_CLICKED(XTP_IDC_CHECK_AFTERDELAY, OnCheckAfterDelay)
    ON_BN_CLICKED(XTP_IDC_CHECK_LARGEICONS, OnCheckLargeIcons)
    ON_BN_CLICKED(XTP_IDC_CHECK_SCREENTTIPS, OnCheckScreenTips)
    ON_BN_CLICKED(XTP_IDC_CHECK_SHORTCUTS, OnCheckShortcuts)
    ON_CBN_SELCHANGE(XTP_IDC_COMBO_ANIMATION, OnAnimationChanged)
    ON_BN_CLICKED(XTP_IDC_BUTTON_RESETDATA, OnResetData)
END_MESSAGE_MAP()

CXTPCustomizeOptionsPage::CXTPCustomizeOptionsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_OPTIONS), m_pSheet(pSheet)
{
    const CXTPCommandBarsOptions* pOptions = GetCommandBars()->GetOptions();
    m_bAlwaysShowFullMenus = pOptions->bAlwaysShowFullMenus;
    m_bShowFullAfterDelay = pOptions->bShowFullAfterDelay;
    m_bLargeIcons = pOptions->bLargeIcons;
    m_bToolBarScreenTips = pOptions->bToolBarScreenTips;
    m_bToolBarAccelTips = pOptions->bToolBarAccelTips;
    m_nAnimationType = static_cast<int>(pOptions->animationType);
}

CXTPCommandBars* CXTPCustomizeOptionsPage::GetCommandBars() const
{
    return m_pSheet->GetCommandBars();
}

void CXTPCustomizeOptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_COMBO_ANIMATION, m_comboAnimation);
    DDX_CBIndex(pDX, XTP_IDC_COMBO_ANIMATION, m_nAnimationType);
    DDX_Check(pDX, XTP_IDC_CHECK_FULL_MENUS, m_bAlwaysShowFullMenus);
    DDX_Check(pDX, XTP_IDC_CHECK_AFTERDELAY, m_bShowFullAfterDelay);
    DDX_Check(pDX, XTP_IDC_CHECK_LARGEICONS, m_bLargeIcons);
    DDX_Check(pDX, XTP_IDC_CHECK_SCREENTTIPS, m_bToolBarScreenTips);
    DDX_Check(pDX, XTP_IDC_CHECK_SHORTCUTS, m_bToolBarAccelTips);
}

void CXTPCustomizeOptionsPage::EnableDependents()
{
    if (HWND hWnd = ::GetDlgItem(m_hWnd, XTP_IDC_CHECK_AFTERDELAY))
        ::EnableWindow(hWnd, !m_bAlwaysShowFullMenus);
    if (HWND hWnd = ::GetDlgItem(m_hWnd, XTP_IDC_CHECK_SHORTCUTS))
        ::EnableWindow(hWnd, m_bToolBarScreenTips);
}

BOOL CXTPCustomizeOptionsPage::OnInitDialog()
{
    // The controls are bound first so that the combo box exists before its
    // texts go in; the values are shown once the texts are there.
    CPropertyPage::OnInitDialog();
    if (::GetDlgItem(m_hWnd, XTP_IDC_GROUP_PERSONALIZED) != nullptr)
        m_wndPersonalized.SubclassDlgItem(XTP_IDC_GROUP_PERSONALIZED, this);
    if (::GetDlgItem(m_hWnd, XTP_IDC_GROUP_OTHER) != nullptr)
        m_wndOther.SubclassDlgItem(XTP_IDC_GROUP_OTHER, this);
    m_comboAnimation.ResetContent();
    for (UINT nID = XTP_IDS_ANIMATION_SYSDEF; nID <= XTP_IDS_ANIMATION_NONE; nID++) {
        CString strText;
        XTPGetResourceManager()->LoadString(&strText, nID);
        m_comboAnimation.AddString(strText);
    }
    UpdateData(FALSE);
    EnableDependents();
    return TRUE;
}

void CXTPCustomizeOptionsPage::OnCheckFullMenus()
{
    UpdateData(TRUE);
    EnableDependents();
    GetCommandBars()->GetOptions()->bAlwaysShowFullMenus = m_bAlwaysShowFullMenus;
}

void CXTPCustomizeOptionsPage::OnCheckAfterDelay()
{
    UpdateData(TRUE);
    GetCommandBars()->GetOptions()->bShowFullAfterDelay = m_bShowFullAfterDelay;
}

void CXTPCustomizeOptionsPage::OnCheckLargeIcons()
{
    UpdateData(TRUE);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    pCommandBars->GetOptions()->bLargeIcons = m_bLargeIcons;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
        pCommandBars->GetAt(i)->OnRecalcLayout();
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pCommandBars->GetSite()))
        pFrame->RecalcLayout();
}

void CXTPCustomizeOptionsPage::OnCheckScreenTips()
{
    UpdateData(TRUE);
    EnableDependents();
    GetCommandBars()->GetOptions()->bToolBarScreenTips = m_bToolBarScreenTips;
}

void CXTPCustomizeOptionsPage::OnCheckShortcuts()
{
    UpdateData(TRUE);
    GetCommandBars()->GetOptions()->bToolBarAccelTips = m_bToolBarAccelTips;
}

void CXTPCustomizeOptionsPage::OnAnimationChanged()
{
    UpdateData(TRUE);
    if (m_nAnimationType >= 0)
        GetCommandBars()->GetOptions()->animationType = m_nAnimationType;
}

void CXTPCustomizeOptionsPage::OnResetData()
{
    if (XTPGetResourceManager()->ShowMessageBox(XTP_IDS_CONFIRM_RESETDATA, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
        IDYES)
        GetCommandBars()->ResetUsageData();
}
