#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/controls/CTabCtrl.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeToolbarsPage.h"

IMPLEMENT_DYNAMIC(CXTPCustomizeSheet, CPropertySheet)

namespace
{
// The one running sheet and its hooks; its presence means a sheet runs.
struct InputFilters
{
    CXTPCustomizeSheet* pSheet = nullptr;
    HHOOK hMouseHook = nullptr;
    HHOOK hKeyboardHook = nullptr;
};
InputFilters* s_pFilters = nullptr;

// The command bar a window is, or the one it sits on.
CXTPCommandBar* BarOf(HWND hWnd)
{
    for (int depth = 0; hWnd != nullptr && depth < 2; depth++, hWnd = ::GetParent(hWnd)) {
        if (CXTPCommandBar* pBar = DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(hWnd)))
            return pBar;
    }
    return nullptr;
}

// The window itself, or one below it through parents and owners: the
// sheet and the boxes it opens count as inside the frame that owns them.
BOOL IsSelfOrOwned(HWND hWndParent, HWND hWnd)
{
    if (hWndParent == nullptr)
        return FALSE;
    for (int depth = 0; hWnd != nullptr && depth < 64; depth++, hWnd = ::GetParent(hWnd)) {
        if (hWnd == hWndParent)
            return TRUE;
    }
    return FALSE;
}

// The window itself, or one of its child windows at any depth. Top-level
// windows a window owns (alert popups, floating windows) are not inside it.
BOOL IsSelfOrChild(HWND hWndParent, HWND hWnd)
{
    if (hWndParent == nullptr)
        return FALSE;
    for (int depth = 0; hWnd != nullptr && depth < 64; depth++, hWnd = ::GetAncestor(hWnd, GA_PARENT)) {
        if (hWnd == hWndParent)
            return TRUE;
    }
    return FALSE;
}

BOOL IsButtonPress(UINT nMessage)
{
    switch (nMessage) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_XBUTTONDBLCLK:
        return TRUE;
    default:
        return FALSE;
    }
}

// Centred as dialogs are, the sheet still lies wholly on the work area of
// the window it customizes.
void KeepOnWorkArea(CWnd* pSheet, CWnd* pOver)
{
    const CRect rcWork = XTPGetWorkAreaOfWindow(pOver != nullptr && pOver->GetSafeHwnd() ? pOver : pSheet);
    CRect rc;
    pSheet->GetWindowRect(&rc);
    const int x = std::max(rcWork.left, std::min(rc.left, rcWork.right - rc.Width()));
    const int y = std::max(rcWork.top, std::min(rc.top, rcWork.bottom - rc.Height()));
    if (x != rc.left || y != rc.top)
        pSheet->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

CXTPCustomizeSheet::CXTPCustomizeSheet(CXTPCommandBars* pCommandBars, CWnd* pWndParent)
    : m_pToolbarsPage(nullptr), m_pCommandsPage(nullptr), m_pWndParent(pWndParent), m_pCommandBars(pCommandBars),
      m_pContextMenu(nullptr), m_pGalleryImages(nullptr)
{
    CString strCaption;
    XTPGetResourceManager()->LoadString(&strCaption, XTP_IDS_CUSTOMIZE);
    Construct(strCaption, pWndParent);
    // The pages change the bars at once: nothing is left to apply.
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_pToolbarsPage = new CXTPCustomizeToolbarsPage(this);
    m_pCommandsPage = new CXTPCustomizeCommandsPage(this);
    AddPage(m_pToolbarsPage);
    AddPage(m_pCommandsPage);
    LoadGalleryImages();
    BuildContextMenu();
}

CXTPCustomizeSheet::~CXTPCustomizeSheet()
{
    if (m_pContextMenu != nullptr)
        m_pContextMenu->InternalRelease();
    if (m_pGalleryImages != nullptr)
        m_pGalleryImages->InternalRelease();
    delete m_pCommandsPage;
    delete m_pToolbarsPage;
}

BOOL CXTPCustomizeSheet::IsRunning()
{
    return s_pFilters != nullptr;
}

void CXTPCustomizeSheet::AddPage(CPropertyPage* pPage)
{
    if (IS_INTRESOURCE(pPage->m_psp.pszTemplate) && !(pPage->m_psp.dwFlags & PSP_DLGINDIRECT)) {
        UINT nID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(pPage->m_psp.pszTemplate));
        if (LPCDLGTEMPLATE lpTemplate = XTPGetResourceManager()->LoadDialogTemplate(nID)) {
            pPage->m_psp.pResource = lpTemplate;
            pPage->m_psp.dwFlags |= PSP_DLGINDIRECT;
        }
    }
    CPropertySheet::AddPage(pPage);
}

CTabCtrl* CXTPCustomizeSheet::GetTabControl() const
{
    return CPropertySheet::GetTabControl();
}

INT_PTR CXTPCustomizeSheet::DoModal()
{
    if (s_pFilters != nullptr || m_hWnd != nullptr)
        return IDCANCEL;

    m_pCommandBars->SetCustomizeMode(TRUE);
    m_pCommandBars->SetCustomizeDialog(this);
    if (m_pCommandBars->GetDragHelper() != nullptr)
        m_pCommandBars->GetDragHelper()->SetCaptureWindow(this);

    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->EnableModeless(FALSE);

    InputFilters filters;
    filters.pSheet = this;
    s_pFilters = &filters;
    if (m_pWndParent != nullptr) {
        const DWORD dwThread = ::GetCurrentThreadId();
        filters.hMouseHook = ::SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, dwThread);
        filters.hKeyboardHook = ::SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, nullptr, dwThread);
    }
    if (HWND hWndCapture = ::GetCapture())
        ::SendMessageW(hWndCapture, WM_CANCELMODE, 0, 0);

    m_bModal = true;
    PrepareModalLoop();
    m_nModalResult = -1;
    const BOOL bRTL = m_pCommandBars->IsLayoutRTL();
    if (CreateSheet(m_pWndParent->GetSafeHwnd(), static_cast<DWORD>(-1), 0)) {
        // Over the frame it customizes, as the program's other dialogs open.
        CenterWindow(m_pWndParent);
        KeepOnWorkArea(this, m_pWndParent);
        if (bRTL) {
            ModifyStyleEx(0, WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT);
            if (CTabCtrl* pTab = GetTabControl()) {
                pTab->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
                pTab->Invalidate();
            }
        }
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        if (ContinueModal())
            RunModalLoop(dwFlags);
    }

    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (filters.hMouseHook != nullptr)
        ::UnhookWindowsHookEx(filters.hMouseHook);
    if (filters.hKeyboardHook != nullptr)
        ::UnhookWindowsHookEx(filters.hKeyboardHook);
    if (m_hWnd != nullptr) {
        if (m_pWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(m_pWndParent->GetSafeHwnd());
        DestroyWindow();
    }
    if (pApp != nullptr && pApp == AfxGetApp())
        pApp->EnableModeless(TRUE);
    // A control the user took out and dragged back stands twice, hidden
    // and shown, until its bar's add-or-remove list opens: the layout
    // stored next holds it once.
    for (int i = 0; i < m_pCommandBars->GetCount(); i++)
        m_pCommandBars->GetAt(i)->RemoveHiddenTwins();
    m_pCommandBars->SetCustomizeMode(FALSE);
    m_pCommandBars->SetCustomizeDialog(nullptr);
    if (m_pCommandBars->GetDragHelper() != nullptr)
        m_pCommandBars->GetDragHelper()->SetCaptureWindow(nullptr);
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pCommandBars->GetSite()))
        pFrame->RecalcLayout();
    s_pFilters = nullptr;
    m_bModal = false;
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

BOOL CXTPCustomizeSheet::OnInitDialog()
{
    BOOL bResult = CPropertySheet::OnInitDialog();
    if (HWND hWndOK = ::GetDlgItem(m_hWnd, IDOK))
        ::ShowWindow(hWndOK, SW_HIDE);
    CString strClose;
    XTPGetResourceManager()->LoadString(&strClose, XTP_IDS_CUSTOMIZE_CLOSE);
    ::SetDlgItemTextW(m_hWnd, IDCANCEL, strClose);
    return bResult;
}

BOOL CXTPCustomizeSheet::ActivateMnemonicPage(UINT nVirtKey, LPARAM lKeyData)
{
    CTabCtrl* pTab = GetTabControl();
    if (pTab == nullptr)
        return FALSE;
    for (int i = 0; i < pTab->GetItemCount(); i++) {
        CString strText = pTab->GetItemText(i);
        int nAmp = strText.Find(L'&');
        if (nAmp >= 0 && nAmp + 1 < strText.GetLength() &&
            CXTPShortcutManager::IsMnemonicKey(strText[nAmp + 1], nVirtKey, lKeyData)) {
            SetActivePage(i);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CXTPCustomizeSheet::IsExitKey(UINT nVirtKey) const
{
    CXTPShortcutManager* pShortcuts = m_pCommandBars->GetShortcutManager();
    HACCEL hAccel = pShortcuts != nullptr ? pShortcuts->GetAcceleratorTable() : nullptr;
    const int nCount = XTPCopyAccelTable(hAccel, nullptr, 0);
    if (nCount <= 0)
        return FALSE;
    std::vector<ACCEL> entries(static_cast<size_t>(nCount));
    XTPCopyAccelTable(hAccel, entries.data(), nCount);
    BYTE fModifiers = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        fModifiers |= FSHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        fModifiers |= FCONTROL;
    if (::GetKeyState(VK_MENU) < 0)
        fModifiers |= FALT;
    for (const ACCEL& accel : entries) {
        if (accel.cmd == ID_APP_EXIT && (accel.fVirt & FVIRTKEY) != 0 && accel.key == nVirtKey &&
            (accel.fVirt & (FSHIFT | FCONTROL | FALT)) == fModifiers)
            return TRUE;
    }
    return FALSE;
}

BOOL CXTPCustomizeSheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSKEYDOWN && m_hWnd != nullptr && ActivateMnemonicPage(static_cast<UINT>(pMsg->wParam), pMsg->lParam))
        return TRUE;
    // The program's exit keeps its key while the sheet runs (a key box on
    // a page takes its keys before): the site ends the sheet on its way out.
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && IsExitKey(static_cast<UINT>(pMsg->wParam))) {
        if (CWnd* pSite = m_pCommandBars->GetSite())
            pSite->PostMessage(WM_COMMAND, ID_APP_EXIT);
        return TRUE;
    }
    return CPropertySheet::PreTranslateMessage(pMsg);
}

BOOL CXTPCustomizeSheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The context menu's commands are the sheet's own; OK, Cancel and Help
    // belong to the sheet; the rest is the frame's, so that its handlers
    // keep working while the sheet is open.
    // A button's click arrives as its notification code in the low word.
    const bool bPlainCommand = LOWORD(static_cast<UINT>(nCode)) == 0 &&
                               (HIWORD(static_cast<UINT>(nCode)) == 0 || HIWORD(static_cast<UINT>(nCode)) == WM_COMMAND);
    const bool bOwn = (nID >= 9315 && nID <= 9326) || ((nID == IDOK || nID == IDCANCEL || nID == 9) && bPlainCommand);
    if (bOwn)
        return CPropertySheet::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    CWnd* pSite = m_pCommandBars->GetSite();
    return pSite != nullptr && pSite->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CXTPCustomizeSheet::FilterMouse(UINT nMessage, const MOUSEHOOKSTRUCT* pInfo)
{
    if (nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE)
        return TRUE;
    HWND hWnd = pInfo->hwnd;
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMouseManager->GetTrackArray().GetSize() > 0) {
        CXTPCommandBar* pBar = BarOf(hWnd);
        if (pBar != nullptr && pBar->GetCommandBars() == nullptr)
            return TRUE;
        pMouseManager->PreviewMouseMessage(nMessage, CPoint(pInfo->pt));
    }
    HWND hWndParent = m_pWndParent->GetSafeHwnd();
    HWND hWndForeground = ::GetForegroundWindow();
    if (!IsSelfOrOwned(hWndParent, hWndForeground) && m_hWnd != nullptr)
        ::SetFocus(m_hWnd);
    if (!IsPartOfFrame(hWnd) || IsSelfOrChild(m_hWnd, hWnd) ||
        (!IsFrameInFront(hWndForeground) && IsSelfOrChild(hWndForeground, hWnd)))
        return TRUE;
    CXTPCommandBar* pBar = BarOf(hWnd);
    if (pBar != nullptr && pBar->GetCommandBars() == m_pCommandBars)
        return TRUE;
    // A window manager activates the frame on the press it then refuses:
    // the sheet takes the keyboard back, as a dialog over its owner does.
    if (IsButtonPress(nMessage) && IsFrameInFront(hWndForeground) && m_hWnd != nullptr)
        ::SetForegroundWindow(m_hWnd);
    return FALSE;
}

BOOL CXTPCustomizeSheet::IsPartOfFrame(HWND hWnd) const
{
    HWND hWndParent = m_pWndParent->GetSafeHwnd();
    if (IsSelfOrChild(hWndParent, hWnd))
        return TRUE;
    // A floating pane shows the frame's content in a window of its own.
    // Boxes over the frame (they disable it), alerts (topmost), bars and
    // the sheet's own windows are not the frame's content.
    HWND hWndRoot = ::GetAncestor(hWnd, GA_ROOT);
    if (hWndRoot == nullptr || hWndRoot == hWndParent || ::GetWindow(hWndRoot, GW_OWNER) != hWndParent)
        return FALSE;
    if (!::IsWindowEnabled(hWndParent) || IsSelfOrOwned(m_hWnd, hWndRoot) ||
        (::GetWindowLongW(hWndRoot, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        return FALSE;
    return DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(hWndRoot)) == nullptr;
}

BOOL CXTPCustomizeSheet::IsFrameInFront(HWND hWndForeground) const
{
    // The customized window, a window holding it or one of its floating
    // panes in the foreground opens nothing of it: only a box or window of
    // its own does.
    return IsSelfOrChild(hWndForeground, m_pWndParent->GetSafeHwnd()) ||
           (hWndForeground != nullptr && IsPartOfFrame(hWndForeground));
}

BOOL CXTPCustomizeSheet::FilterKey(UINT nVirtKey) const
{
    // The exit key reaches the frame too, whose keys the sheet otherwise keeps.
    if (IsExitKey(nVirtKey))
        return TRUE;
    HWND hWndFocus = ::GetFocus();
    HWND hWndForeground = ::GetForegroundWindow();
    if (IsSelfOrOwned(m_hWnd, hWndFocus) ||
        (!IsFrameInFront(hWndForeground) && IsSelfOrOwned(hWndForeground, hWndFocus)))
        return TRUE;
    // An edit or combo box on a bar.
    if (hWndFocus != nullptr &&
        DYNAMIC_DOWNCAST(CXTPCommandBar, CWnd::FromHandlePermanent(::GetParent(hWndFocus))) != nullptr)
        return TRUE;
    return ::GetCapture() != nullptr;
}

// Negative codes are not ours to judge: they go straight to the next hook.
LRESULT CALLBACK CXTPCustomizeSheet::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    InputFilters* pFilters = s_pFilters;
    HHOOK hHook = pFilters != nullptr ? pFilters->hMouseHook : nullptr;
    if (nCode >= 0 && pFilters != nullptr &&
        !pFilters->pSheet->FilterMouse(static_cast<UINT>(wParam), reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)))
        return 1;
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

LRESULT CALLBACK CXTPCustomizeSheet::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    InputFilters* pFilters = s_pFilters;
    HHOOK hHook = pFilters != nullptr ? pFilters->hKeyboardHook : nullptr;
    if (nCode >= 0 && pFilters != nullptr && !pFilters->pSheet->FilterKey(static_cast<UINT>(wParam)))
        return 1;
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
