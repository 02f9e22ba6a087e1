#include "framework/dialogs/CPropertySheet.h"

#include "framework/controls/CTabCtrl.h"
#include "framework/core/ModuleState.h"
#include "framework/windows/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, HandleOK)
    ON_COMMAND(IDCANCEL, HandleCancel)
    ON_MESSAGE(PSM_PRESSBUTTON, HandlePressButton)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet()
{
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    ZeroMemory(&m_psh, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

// ---- pages

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == nullptr || GetPageIndex(pPage) >= 0)
        return;
    m_pages.push_back(pPage);
    if (m_hWnd == nullptr)
        return;
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageW(&pPage->m_psp);
    if (hPage == nullptr || !::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
        if (hPage != nullptr)
            ::DestroyPropertySheetPage(hPage);
        m_pages.pop_back();
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
    if (m_hWnd == nullptr && m_psh.nStartPage > 0 && m_psh.nStartPage >= static_cast<UINT>(GetPageCount()))
        m_psh.nStartPage = GetPageCount() > 0 ? GetPageCount() - 1 : 0;
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
    return found != m_pages.end() ? static_cast<int>(found - m_pages.begin()) : -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    HWND hWndPage = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)]->m_hWnd == hWndPage && hWndPage != nullptr)
            return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_SETTITLEW, nStyle, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(m_strCaption)));
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    HWND hWndTab = m_hWnd != nullptr ? reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0)) : nullptr;
    return static_cast<CTabCtrl*>(CWnd::FromHandle(hWndTab));
}

// ---- creation

void CPropertySheet::BuildPropPageArray()
{
    m_pageArray.clear();
    for (CPropertyPage* pPage : m_pages)
        m_pageArray.push_back(pPage->m_psp);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.nPages = static_cast<UINT>(m_pageArray.size());
    m_psh.ppsp = m_pageArray.empty() ? nullptr : m_pageArray.data();
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;
    m_psh.pszCaption = m_strCaption;
    m_psh.hInstance = AfxGetInstanceHandle();
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle)
{
    if (m_hWnd != nullptr || m_pages.empty())
        return FALSE;
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&init);
    BuildPropPageArray();
    PROPSHEETHEADERW header = m_psh;
    header.hwndParent = hWndParent;
    header.dwFlags |= PSH_MODELESS;
    bool attached;
    HWND hWnd;
    {
        CreationHook hook(this, nullptr, kAnyParent);
        hWnd = reinterpret_cast<HWND>(::PropertySheetW(&header));
        attached = hook.Attached();
    }
    if (hWnd == nullptr || hWnd == reinterpret_cast<HWND>(-1)) {
        if (attached && m_hWnd != nullptr)
            Detach();
        return FALSE;
    }
    if (dwStyle != static_cast<DWORD>(-1))
        ModifyStyle(0, dwStyle);
    if (dwExStyle != 0)
        ModifyStyleEx(0, dwExStyle);
    return m_hWnd == hWnd;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (pParentWnd == nullptr)
        pParentWnd = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    m_bModal = false;
    return CreateSheet(pParentWnd->GetSafeHwnd(), dwStyle, dwExStyle);
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd != nullptr)
        return -1;
    HWND hWndParent = CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->EnableModeless(FALSE);
    const bool enableParent = hWndParent != nullptr && ::IsWindowEnabled(hWndParent);
    if (enableParent)
        ::EnableWindow(hWndParent, FALSE);

    m_bModal = true;
    PrepareModalLoop();
    if (CreateSheet(hWndParent, static_cast<DWORD>(-1), 0) && ContinueModal())
        RunModalLoop(MLF_SHOWONIDLE);

    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (enableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (pApp != nullptr && pApp == AfxGetApp())
        pApp->EnableModeless(TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_bModal = false;
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

void CPropertySheet::EndDialog(int nEndID)
{
    if (m_bModal)
        EndModalLoop(nEndID);
    else if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    // The system ends a sheet shown this way by dropping its current page
    // once OK or Cancel went through.
    if (m_hWnd != nullptr && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        m_bContinueModal = FALSE;
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::OnInitDialog()
{
    return static_cast<BOOL>(Default());
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

void CPropertySheet::HandleOK()
{
    m_nModalResult = IDOK;
    Default();
}

void CPropertySheet::HandleCancel()
{
    m_nModalResult = IDCANCEL;
    Default();
}

// Buttons pressed by program do not pass through WM_COMMAND.
LRESULT CPropertySheet::HandlePressButton(WPARAM wParam, LPARAM)
{
    if (wParam == PSBTN_OK || wParam == PSBTN_FINISH)
        m_nModalResult = IDOK;
    else if (wParam == PSBTN_CANCEL)
        m_nModalResult = IDCANCEL;
    return Default();
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd != nullptr &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
    return FALSE;
}
