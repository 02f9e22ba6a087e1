#include "toolkit/controls/browse/XTBrowseEdit.h"

#include "framework/dialogs/CFileDialog.h"
#include "framework/windows/CMenu.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/controls/browse/XTBrowseDialog.h"
#include "toolkit/controls/XTTrackPopupMenu.h"

namespace {

// The size of the file dialog's structure with the fields of newer systems,
// which makes them show the newer dialog layout.
const DWORD OPENFILENAME_NEW_SIZE = 88;

CString ResourceString(UINT nID)
{
    CString str;
    XTPGetResourceManager()->LoadString(&str, nID);
    return str;
}

// Restores a flag when the scope ends, also on an early return.
class CBrowsingScope
{
public:
    explicit CBrowsingScope(bool& bFlag)
        : m_bFlag(bFlag)
    {
        m_bFlag = true;
    }
    ~CBrowsingScope() { m_bFlag = false; }
    CBrowsingScope(const CBrowsingScope&) = delete;
    CBrowsingScope& operator=(const CBrowsingScope&) = delete;

private:
    bool& m_bFlag;
};

} // namespace

IMPLEMENT_DYNAMIC(CXTBrowseEdit, CXTEdit)

BEGIN_MESSAGE_MAP(CXTBrowseEdit, CXTEdit)
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CXTBrowseEdit::CXTBrowseEdit()
    : m_nGap(::GetSystemMetrics(SM_CXEDGE))
    , m_strDefExt(ResourceString(XT_IDS_DEFAULT_EXT))
    , m_strFilter(ResourceString(XT_IDS_DEFAULT_FILTER))
    , m_strPrompt(ResourceString(XT_IDS_FOLDER_PROMPT))
{
}

CXTBrowseEdit::~CXTBrowseEdit()
{
    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.DestroyWindow();
}

void CXTBrowseEdit::SetFileDialog(CFileDialog* pFileDialog)
{
    m_pFileDialog = pFileDialog;
}

void CXTBrowseEdit::SetOpenFileDialog(BOOL bOpenFileDialog)
{
    m_bOpenFileDialog = bOpenFileDialog;
}

void CXTBrowseEdit::SetDefaultExtension(LPCTSTR lpszDefExt)
{
    m_strDefExt = lpszDefExt != nullptr ? lpszDefExt : L"";
}

void CXTBrowseEdit::SetFileName(LPCTSTR lpszFileName)
{
    m_strFileName = lpszFileName != nullptr ? lpszFileName : L"";
}

void CXTBrowseEdit::SetDialogFlags(DWORD dwFlags)
{
    m_dwFlags = dwFlags;
}

void CXTBrowseEdit::SetFilter(LPCTSTR lpszFilter)
{
    m_strFilter = lpszFilter != nullptr ? lpszFilter : L"";
}

void CXTBrowseEdit::SetFolderPrompt(LPCTSTR lpszPrompt)
{
    m_strPrompt = lpszPrompt != nullptr ? lpszPrompt : L"";
}

BOOL CXTBrowseEdit::Initialize(CWnd* pParentWnd, DWORD dwBStyle, UINT nMenu, int nSubMenuIndx)
{
    if (!CXTEdit::Initialize(pParentWnd))
        return FALSE;
    if ((dwBStyle & BES_XT_MODEMASK) == 0)
        return TRUE;

    m_dwBStyle = dwBStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    if (!m_btnBrowse.Create(this, dwBStyle, XT_IDC_BROWSE_BUTTON, nMenu, nSubMenuIndx))
        return FALSE;

    CRect rc;
    GetWindowRect(&rc);
    rc.right -= m_nGap + CXTBrowseButton::GetButtonWidth();
    GetParent()->ScreenToClient(&rc);
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
    PositionBrowseButton();
    return TRUE;
}

void CXTBrowseEdit::PositionBrowseButton()
{
    if (m_btnBrowse.GetSafeHwnd() == nullptr)
        return;
    CWnd* pParent = GetParent();
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    CRect rcButton(rcEdit.right + m_nGap, rcEdit.top, rcEdit.right + m_nGap + CXTBrowseButton::GetButtonWidth(),
                   rcEdit.bottom);
    pParent->ScreenToClient(&rcEdit);
    pParent->ScreenToClient(&rcButton);
    m_btnBrowse.SetWindowPos(this, rcButton.left, rcButton.top, rcButton.Width(), rcButton.Height(),
                             SWP_FRAMECHANGED);
    CRect rcCovered(rcEdit.left, rcEdit.top, rcButton.right, rcButton.bottom);
    pParent->InvalidateRect(&rcCovered, TRUE);
}

void CXTBrowseEdit::OnBrowse()
{
    switch (m_dwBStyle & BES_XT_MODEMASK)
    {
    case BES_XT_CHOOSEDIR:
        BrowseForFolder();
        break;
    case BES_XT_CHOOSEFILE:
        BrowseForFile();
        break;
    case BES_XT_POPUPMENU:
        PopupMenu();
        break;
    default:
        break;
    }
    // The edit may be gone when a browser's owner closed meanwhile.
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    if (::GetFocus() != m_hWnd)
    {
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET);
        SetFocus();
    }
}

void CXTBrowseEdit::BrowseForFolder()
{
    CBrowsingScope browsing(m_bBrowsing);
    CString strPath;
    GetWindowText(strPath);

    CXTBrowseDialog dialog(m_pParentWnd);
    dialog.SetTitle(m_strPrompt);
    dialog.SetSelPath(strPath);
    if (dialog.DoModal() == IDOK && ::IsWindow(m_hWnd))
        SetWindowText(dialog.GetSelPath());
}

void CXTBrowseEdit::BrowseForFile()
{
    CBrowsingScope browsing(m_bBrowsing);
    if (m_pFileDialog != nullptr)
    {
        if (m_pFileDialog->DoModal() == IDOK && ::IsWindow(m_hWnd))
            SetWindowText(m_pFileDialog->GetPathName());
        return;
    }
    CFileDialog dialog(m_bOpenFileDialog, m_strDefExt, m_strFileName, m_dwFlags, m_strFilter, m_pParentWnd);
    if (XTPGetOSVersionInfo()->IsNT5OrLater() && dialog.m_ofn.lStructSize < OPENFILENAME_NEW_SIZE)
        dialog.m_ofn.lStructSize = OPENFILENAME_NEW_SIZE;
    if (dialog.DoModal() == IDOK && ::IsWindow(m_hWnd))
        SetWindowText(dialog.GetPathName());
}

void CXTBrowseEdit::PopupMenu()
{
    if (m_bBrowsing)
        return;
    CBrowsingScope browsing(m_bBrowsing);

    CMenu menu;
    if (!XTPGetResourceManager()->LoadMenu(&menu, m_nMenu))
        return;
    CMenu* pPopup = menu.GetSubMenu(m_nSubMenuIndx);
    if (pPopup == nullptr)
    {
        menu.DestroyMenu();
        return;
    }

    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.SetState(TRUE);

    CWnd* pOwner = this;
    while (pOwner->GetSafeHwnd() != nullptr && (pOwner->GetStyle() & WS_CHILD) && pOwner->GetParent() != nullptr)
        pOwner = pOwner->GetParent();

    CRect rcButton(0, 0, 0, 0);
    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.GetWindowRect(&rcButton);
    XTTrackPopupMenu(pPopup, TPM_VERTICAL, rcButton.right, rcButton.top, pOwner, 0);

    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.SetState(FALSE);
    menu.DestroyMenu();
}

void CXTBrowseEdit::OnEnable(BOOL bEnable)
{
    CXTEdit::OnEnable(bEnable);
    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.EnableWindow(bEnable);
    Invalidate();
}

void CXTBrowseEdit::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CXTEdit::OnShowWindow(bShow, nStatus);
    if (m_btnBrowse.GetSafeHwnd() != nullptr)
        m_btnBrowse.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CXTBrowseEdit::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CXTEdit::OnWindowPosChanged(lpwndpos);
    PositionBrowseButton();
}
