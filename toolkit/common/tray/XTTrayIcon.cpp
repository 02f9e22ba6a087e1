#include "toolkit/common/tray/XTTrayIcon.h"

#include "framework/windows/CMenu.h"
#include "framework/core/ModuleState.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"

namespace {

const UINT s_uTaskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");

// Copies text into a fixed field, cut to what fits with its terminator.
void CopyField(WCHAR* pField, int nFieldSize, LPCTSTR lpszText)
{
    lstrcpynW(pField, lpszText != nullptr ? lpszText : L"", nFieldSize);
}

// The tray menu is the first popup of the menu resource that shares the
// icon's id; nullptr when either is missing.
CMenu* LoadTrayMenu(CMenu& menu, UINT nMenuID)
{
    if (!menu.LoadMenu(nMenuID))
        return nullptr;
    return menu.GetSubMenu(0);
}

// Wine's flag for a change of a window's minimized state, which SetWindowPos
// hands on to the display driver; not in the SDK headers.
const UINT SWP_STATECHANGED_FLAG = 0x8000;

// A window manager that minimizes a disabled owner (its minimize button, on
// the owner or on its modal dialog) minimizes the windows it owns with it
// but does not tell the system: both still count as shown and not
// minimized. Only the display driver knows: told that the window's state
// changed, it maps again a window the manager holds minimized, and the
// manager brings back the windows it owns with it; a window on the screen
// stays as it is. Minimizing and restoring instead would hide a window on
// the screen, and race the manager. A window the system took for minimized
// itself is restored.
void ShowAgainOverTheDesktop(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindowVisible(hWnd))
        return;
    if (::IsIconic(hWnd))
    {
        ::ShowWindow(hWnd, SW_RESTORE);
        return;
    }
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_STATECHANGED_FLAG);
}

// The window that takes the keys of a frame shown again: a frame under a
// modal dialog takes none, its dialog does.
HWND WindowToActivate(HWND hFrame)
{
    if (::IsWindowEnabled(hFrame))
        return hFrame;
    HWND hPopup = ::GetLastActivePopup(hFrame);
    if (hPopup == nullptr || !::IsWindowVisible(hPopup) || !::IsWindowEnabled(hPopup))
        return hFrame;
    return hPopup;
}

// A click on the icon moves the display's focus from the program's window to
// the shell's. The shell takes the foreground at once and the system tells
// the program; the display's own word that the program's window lost the
// focus may still wait unread: under Wine, a floating toolbar hidden as the
// program loses the activation reads it off the display and leaves it queued
// until the program next waits for input. Read after the icon gave its owner
// the foreground, that word takes the foreground away again: the tray menu
// ends as it opens and the windows that follow the owner's activation hide.
// Read now, while the shell holds the foreground, it changes nothing.
void TakeInPendingFocusChanges()
{
    ::MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Lays out a frame window shown again once more, so that its window on the
// display gets its own size and place.
void LayOutFrameAgain(CWnd* pWndFrame)
{
    pWndFrame->SetWindowPos(nullptr, 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

BEGIN_MESSAGE_MAP(CXTTrayIcon, CWnd)
    ON_WM_TIMER()
    ON_WM_SETTINGCHANGE()
    ON_REGISTERED_MESSAGE(s_uTaskbarCreated, OnTaskbarCreated)
    ON_MESSAGE(XTWM_TRAYICON_NOTIFY, OnTrayIconNotify)
END_MESSAGE_MAP()

CXTTrayIcon::CXTTrayIcon()
    : m_arTrayIcons(10)
{
    ZeroMemory(&m_niData, sizeof(m_niData));
    m_niData.cbSize = NOTIFYICONDATAW_V2_SIZE;
    m_niData.uCallbackMessage = XTWM_TRAYICON_NOTIFY;
}

CXTTrayIcon::~CXTTrayIcon()
{
    if (!m_bRemoved)
        RemoveIcon();
    if (m_hWnd != nullptr)
        DestroyWindow();
    RemoveAnimationIcons();
    if (m_wndMinimize.m_hWnd != nullptr)
        m_wndMinimize.DestroyWindow();
}

BOOL CXTTrayIcon::Create(LPCTSTR lpszCaption, DWORD /*dwStyle*/, CWnd* pParentWnd, UINT nIconID)
{
    return Create(lpszCaption, pParentWnd, nIconID, 0, 0, FALSE);
}

BOOL CXTTrayIcon::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, UINT nIconID, UINT uID, UINT uDefMenuItemID,
                         BOOL bDefMenuItemByPos)
{
    m_nIconID = nIconID;
    m_pWndOwner = pParentWnd;
    m_nMaxTipText = 127;

    // Still hidden: only the record changes.
    SetIcon(nIconID);
    SetTooltipText(lpszCaption);

    if (!CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;
    m_niData.hWnd = m_hWnd;
    m_niData.uID = uID;
    m_uDefMenuItemID = uDefMenuItemID;
    m_bDefMenuItemByPos = bDefMenuItemByPos;
    return AddIcon();
}

BOOL CXTTrayIcon::AddIcon()
{
    if (!m_bRemoved)
        RemoveIcon();
    m_niData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!::Shell_NotifyIconW(NIM_ADD, &m_niData))
    {
        m_bAddPending = TRUE;
        return FALSE;
    }
    m_bHidden = FALSE;
    m_bRemoved = FALSE;
    m_bAddPending = FALSE;
    return TRUE;
}

BOOL CXTTrayIcon::RemoveIcon()
{
    m_bAddPending = FALSE;
    if (m_bRemoved)
        return TRUE;
    m_niData.uFlags = 0;
    if (!::Shell_NotifyIconW(NIM_DELETE, &m_niData))
        return FALSE;
    m_bHidden = TRUE;
    m_bRemoved = TRUE;
    return TRUE;
}

void CXTTrayIcon::ReinstallIcon()
{
    // The icon belongs in the tray when it was added or an add failed; the
    // new taskbar knows nothing of it, so it is added again either way.
    if (m_niData.hWnd == nullptr || (m_bRemoved && !m_bAddPending))
        return;
    m_niData.uFlags = 0;
    ::Shell_NotifyIconW(NIM_DELETE, &m_niData);
    m_niData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (::Shell_NotifyIconW(NIM_ADD, &m_niData))
    {
        m_bHidden = FALSE;
        m_bRemoved = FALSE;
        m_bAddPending = FALSE;
    }
    else
    {
        m_bAddPending = TRUE;
    }
}

BOOL CXTTrayIcon::ModifyIcon(UINT uFlags)
{
    m_niData.uFlags = uFlags;
    if (m_bHidden)
        return TRUE;
    return ::Shell_NotifyIconW(NIM_MODIFY, &m_niData);
}

BOOL CXTTrayIcon::ShowIcon(HICON hIcon)
{
    if (hIcon == m_niData.hIcon)
        return TRUE;
    m_niData.hIcon = hIcon;
    return ModifyIcon(NIF_ICON);
}

BOOL CXTTrayIcon::ShowTooltip(const CString& strTip)
{
    CopyField(m_niData.szTip, m_nMaxTipText, strTip);
    return ModifyIcon(NIF_TIP);
}

BOOL CXTTrayIcon::SetIcon(UINT nIconID)
{
    if (nIconID == m_nIconID && static_cast<HICON>(m_hIcon) != nullptr)
        return TRUE;
    HICON hIcon = static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIconID), IMAGE_ICON,
                                                  ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                  LR_DEFAULTCOLOR));
    if (hIcon == nullptr)
        return FALSE;
    m_nIconID = nIconID;
    BOOL bResult = ShowIcon(hIcon);
    m_hIcon = hIcon; // the icon shown before is released only now
    return bResult;
}

BOOL CXTTrayIcon::SetTooltipText(LPCTSTR lpszTipText)
{
    m_strToolTip = lpszTipText != nullptr ? lpszTipText : L"";
    if (m_strToolTip.GetLength() >= m_nMaxTipText)
        m_strToolTip = m_strToolTip.Left(m_nMaxTipText - 1);
    return ShowTooltip(m_strToolTip);
}

BOOL CXTTrayIcon::ShowBalloonTip(LPCTSTR lpszInfo, LPCTSTR lpszInfoTitle, DWORD dwInfoFlags, UINT uTimeout)
{
    if (!XTPGetOSVersionInfo()->IsNT5OrLater() || lpszInfo == nullptr || lpszInfo[0] == 0)
        return FALSE;
    CopyField(m_niData.szInfo, 256, lpszInfo);
    CopyField(m_niData.szInfoTitle, 64, lpszInfoTitle);
    m_niData.uTimeout = uTimeout * 1000;
    m_niData.dwInfoFlags = dwInfoFlags;
    // The balloon joins what the record already carries.
    BOOL bResult = ModifyIcon(m_niData.uFlags | NIF_INFO);
    // Later changes must not show the balloon again.
    m_niData.szInfo[0] = 0;
    return bResult;
}

void CXTTrayIcon::SetDefaultMenuItem(UINT uItem, BOOL bByPos)
{
    m_uDefMenuItemID = uItem;
    m_bDefMenuItemByPos = bByPos;
}

BOOL CXTTrayIcon::SetAnimationIcons(const UINT* lpIDArray, int nIDCount, const CString* lpStrTipArray)
{
    RemoveAnimationIcons();
    for (int i = 0; i < nIDCount; ++i)
    {
        HICON hIcon = static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(lpIDArray[i]),
                                                      IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        if (hIcon == nullptr)
            return FALSE;
        TRAYICONDATA frame;
        frame.hIcon = hIcon;
        if (lpStrTipArray != nullptr)
            frame.strToolTip = lpStrTipArray[i];
        m_arTrayIcons.AddTail(frame);
    }
    return TRUE;
}

BOOL CXTTrayIcon::SetAnimationIcons(const UINT* lpIDArray, const CString* lpStrTipArray, int nIDCount)
{
    return SetAnimationIcons(lpIDArray, nIDCount, lpStrTipArray);
}

void CXTTrayIcon::RemoveAnimationIcons()
{
    POSITION pos = m_arTrayIcons.GetHeadPosition();
    while (pos != nullptr)
    {
        TRAYICONDATA& frame = m_arTrayIcons.GetNext(pos);
        if (frame.hIcon == m_niData.hIcon)
            ShowIcon(m_hIcon); // never leave the shell a destroyed icon
        if (frame.hIcon != nullptr)
            ::DestroyIcon(frame.hIcon);
    }
    m_arTrayIcons.RemoveAll();
    m_nCounter = 0;
}

void CXTTrayIcon::StartAnimation(UINT nIDEvent, UINT nElapse)
{
    m_nIDEvent = nIDEvent;
    StartAnimationTimer(nElapse);
}

void CXTTrayIcon::StartAnimationTimer(UINT nElapse)
{
    if (m_arTrayIcons.IsEmpty() || m_hWnd == nullptr)
        return;
    SetTimer(m_nIDEvent, nElapse);
}

void CXTTrayIcon::StopAnimation()
{
    if (m_hWnd != nullptr)
        KillTimer(m_nIDEvent);
    m_nCounter = 0;
    ShowIcon(m_hIcon);
    ShowTooltip(m_strToolTip);
}

void CXTTrayIcon::HaltAnimation()
{
    StopAnimation();
}

void CXTTrayIcon::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nIDEvent)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    INT_PTR nFrames = m_arTrayIcons.GetCount();
    if (nFrames == 0)
        return;
    POSITION pos = m_arTrayIcons.FindIndex(m_nCounter % nFrames);
    const TRAYICONDATA& frame = m_arTrayIcons.GetAt(pos);
    ShowTooltip(frame.strToolTip.IsEmpty() ? m_strToolTip : frame.strToolTip);
    if (frame.hIcon != nullptr)
        ShowIcon(frame.hIcon);
    m_nCounter = (m_nCounter + 1) % nFrames;
}

void CXTTrayIcon::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (uFlags == SPI_SETWORKAREA)
        ReinstallIcon();
}

LRESULT CXTTrayIcon::OnTaskbarCreated(WPARAM, LPARAM)
{
    ReinstallIcon();
    return 0;
}

LRESULT CXTTrayIcon::OnTrayIconNotify(WPARAM wParam, LPARAM lParam)
{
    return OnTrayNotification(wParam, lParam);
}

LRESULT CXTTrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_niData.uID)
        return 0;
    const UINT uMessage = static_cast<UINT>(lParam);
    const bool bActs = uMessage == WM_LBUTTONDBLCLK || uMessage == WM_RBUTTONUP || uMessage == WM_CONTEXTMENU ||
                       uMessage == NIN_SELECT || uMessage == NIN_KEYSELECT;
    // Every road below (and the owner's own) may bring a window forward. The
    // news taken in runs window handlers: the owner is looked at after it.
    if (bActs)
        TakeInPendingFocusChanges();
    if (m_pWndOwner == nullptr || m_pWndOwner->GetSafeHwnd() == nullptr)
        return 0;
    if (m_pWndOwner->SendMessage(XTWM_TRAYICON_NOTIFY, wParam, lParam) != 0)
        return 1;

    // A modal dialog runs over the owner: the icon brings it forward instead
    // of sending commands (exit, say) that would destroy the owner under the
    // dialog's own loop.
    if (bActs && !m_pWndOwner->IsWindowEnabled())
    {
        const HWND hOwner = m_pWndOwner->GetSafeHwnd();
        const HWND hPopup = ::GetLastActivePopup(hOwner);
        // An owner hidden in the tray stays there (ShowAgainOverTheDesktop
        // leaves hidden windows alone); its dialog shows alone.
        ShowAgainOverTheDesktop(hOwner);
        if (hPopup != nullptr && hPopup != hOwner)
        {
            ShowAgainOverTheDesktop(hPopup);
            ::SetForegroundWindow(hPopup);
        }
        return 1;
    }

    switch (uMessage)
    {
    case WM_LBUTTONDBLCLK:
    {
        m_pWndOwner->SetForegroundWindow();
        UINT uCommand = m_uDefMenuItemID;
        if (m_bDefMenuItemByPos)
        {
            CMenu menu;
            CMenu* pSubMenu = LoadTrayMenu(menu, m_niData.uID);
            if (pSubMenu == nullptr)
                return 0;
            uCommand = pSubMenu->GetMenuItemID(static_cast<int>(m_uDefMenuItemID));
        }
        m_pWndOwner->SendMessage(WM_COMMAND, uCommand, 0);
        return 1;
    }
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
    {
        CMenu menu;
        CMenu* pSubMenu = LoadTrayMenu(menu, m_niData.uID);
        if (pSubMenu == nullptr)
            return 0;
        ::SetMenuDefaultItem(pSubMenu->GetSafeHmenu(), m_uDefMenuItemID, m_bDefMenuItemByPos);
        m_pWndOwner->SetForegroundWindow();
        POINT pt = {};
        ::GetCursorPos(&pt);
        pSubMenu->TrackPopupMenu(0, pt.x, pt.y, m_pWndOwner);
        m_pWndOwner->PostMessage(WM_NULL);
        m_niData.uFlags = 0;
        ::Shell_NotifyIconW(NIM_SETFOCUS, &m_niData);
        return 1;
    }
    default:
        return 1;
    }
}

BOOL CXTTrayIcon::IsMinimizeAnimationOn()
{
    ANIMATIONINFO info = {};
    info.cbSize = sizeof(info);
    return ::SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0) && info.iMinAnimate != 0;
}

CRect CXTTrayIcon::GetTrayWindowRect()
{
    CRect rc;
    HWND hTray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    if (hTray != nullptr)
    {
        ::GetWindowRect(hTray, &rc);
        HWND hNotify = ::FindWindowExW(hTray, nullptr, L"TrayNotifyWnd", nullptr);
        if (hNotify != nullptr)
        {
            ::GetWindowRect(hNotify, &rc);
            HWND hClock = ::FindWindowExW(hNotify, nullptr, L"TrayClockWClass", nullptr);
            if (hClock != nullptr)
            {
                CRect rcClock;
                ::GetWindowRect(hClock, &rcClock);
                if (rcClock.bottom < rc.bottom - 5)
                    rc.top = rcClock.bottom;
                else
                    rc.right = rcClock.left;
            }
        }
        // A taskbar that is not shown (no desktop shell) has no place to fly to.
        if (!rc.IsRectEmpty())
            return rc;
    }

    APPBARDATA abd = {};
    abd.cbSize = sizeof(abd);
    // A shell without taskbar may answer with an empty rectangle.
    if (::SHAppBarMessage(ABM_GETTASKBARPOS, &abd) && !::IsRectEmpty(&abd.rc))
    {
        rc = abd.rc;
        if (abd.uEdge == ABE_LEFT || abd.uEdge == ABE_RIGHT)
            return CRect(rc.left, rc.bottom - 100, rc.right, rc.bottom - 16);
        return CRect(rc.right - 100, rc.top, rc.right - 16, rc.bottom);
    }

    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    rc.left = rc.right - 150;
    rc.top = rc.bottom - 30;
    return rc;
}

BOOL CXTTrayIcon::HideFromTaskbar(CWnd* pWndFrame)
{
    if (m_wndMinimize.m_hWnd == nullptr &&
        !m_wndMinimize.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;
    pWndFrame->SetParent(&m_wndMinimize);
    return TRUE;
}

void CXTTrayIcon::MinimizeToTray(CWnd* pWndFrame)
{
    if (IsMinimizeAnimationOn())
    {
        CRect rcFrom;
        pWndFrame->GetWindowRect(&rcFrom);
        CRect rcTo = GetTrayWindowRect();
        ::DrawAnimatedRects(pWndFrame->GetSafeHwnd(), IDANI_CAPTION, &rcFrom, &rcTo);
    }
    HideFromTaskbar(pWndFrame);
    pWndFrame->ShowWindow(SW_HIDE);
}

void CXTTrayIcon::RestoreFromTray(CWnd* pWndFrame)
{
    // Asked before the frame shows: shown, the frame is its own last active
    // window.
    const HWND hActive = WindowToActivate(pWndFrame->GetSafeHwnd());
    pWndFrame->SetParent(nullptr);
    if (IsMinimizeAnimationOn())
    {
        CRect rcFrom = GetTrayWindowRect();
        CRect rcTo;
        pWndFrame->GetWindowRect(&rcTo);
        ::DrawAnimatedRects(pWndFrame->GetSafeHwnd(), IDANI_CAPTION, &rcFrom, &rcTo);
    }
    // Back on the desktop Wine makes the frame's X window anew. When the
    // window manager had minimized the frame itself (its minimize button),
    // Wine still takes the frame for minimized while it makes that window,
    // so the window gets the frame's whole size instead of its inside and the
    // manager's caption and borders come around that: the frame would grow
    // by them on every round trip. Shown, it is no longer taken for
    // minimized, and laid out once more its X window gets its own size and
    // place again.
    if (pWndFrame->IsZoomed())
    {
        // A new window shown maximized leaves the window manager no size to
        // restore it to but the maximized one: it is shown at its normal
        // place first and maximized after.
        pWndFrame->ShowWindow(SW_SHOWNORMAL);
        LayOutFrameAgain(pWndFrame);
        pWndFrame->ShowWindow(SW_SHOWMAXIMIZED);
    }
    else
    {
        pWndFrame->ShowWindow(SW_SHOW);
        LayOutFrameAgain(pWndFrame);
    }
    pWndFrame->RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (m_wndMinimize.m_hWnd != nullptr)
        m_wndMinimize.SetActiveWindow();
    // Left active, a frame under a modal dialog would keep the keys from
    // the dialog, and the window manager's focus would find no window.
    ::SetActiveWindow(hActive);
    ::SetForegroundWindow(hActive);
}
