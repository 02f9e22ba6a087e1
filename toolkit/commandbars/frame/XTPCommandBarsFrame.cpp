// What the manager does with its frame's input and window messages.
#include "framework/windows/AfxMessages.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

BOOL IsAltContext(LPARAM lParam)
{
    return (lParam & (1 << 29)) != 0;
}

}  // namespace

BOOL XTPIsCommandBarEdit(HWND hWnd)
{
    return hWnd != nullptr && dynamic_cast<CXTPEdit*>(CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

BOOL CXTPCommandBars::PreTranslateFrameMessage(MSG* pMsg)
{
    CXTPMouseManager* pMouseManager = GetMouseManager();
    BOOL bTracking = pMouseManager->GetTrackArray().GetSize() > 0;

    if (pMsg->message == WM_SYSKEYDOWN && IsAltContext(pMsg->lParam) && !pMouseManager->IsMouseLocked() &&
        !bTracking && m_pFrame != nullptr) {
        HWND hWndTop = ::GetAncestor(m_pFrame->GetSafeHwnd(), GA_ROOT);
        if (::GetActiveWindow() == hWndTop) {
            if (pMsg->wParam == VK_MENU) {
                ShowKeyboardCues(TRUE);
                return FALSE;
            }
            // A key no mnemonic takes (Alt+X) goes on to the accelerators.
            BOOL bShiftIgnored = m_bIgnoreShiftMenuKey && (::GetKeyState(VK_SHIFT) & 0x8000);
            if (!bShiftIgnored && OnKeyMnemonic(static_cast<UINT>(pMsg->wParam), pMsg->lParam))
                return TRUE;
        }
    }
    if ((pMsg->message == WM_SYSKEYUP || pMsg->message == WM_KEYUP) && m_bKeyboardCuesOnDemand &&
        m_bKeyboardCuesVisible && !bTracking)
        ShowKeyboardCues(FALSE);
    if ((pMsg->message == WM_CONTEXTMENU || pMsg->message == WM_SYSKEYUP) && bTracking)
        return TRUE;
    // While a bar holds the keys, the wheel is the bar's too.
    if (pMsg->message == WM_MOUSEWHEEL) {
        CXTPKeyboardManager* pKeyboardManager = XTPKeyboardManager();
        if (pKeyboardManager->IsKeyboardHooked())
            return pKeyboardManager->ProcessKeyboardHooks(pMsg->message, pMsg->wParam, pMsg->lParam);
    }
    if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_SYSDEADCHAR && m_pFrame != nullptr)
        return m_pShortcutManager->TranslateAccelerator(m_pFrame->GetSafeHwnd(), pMsg);
    return FALSE;
}

BOOL CXTPCommandBars::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_IDLEUPDATECMDUI:
        for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
            CXTPToolBar* pBar = m_arrBars[i];
            if (pBar->GetPosition() == xtpBarFloating && pBar->GetSafeHwnd())
                pBar->OnIdleUpdateCmdUI(TRUE, TRUE);
        }
        return FALSE;
    case WM_SYSCOLORCHANGE:
        // The new system colours at once, not after the refresh throttle,
        // and icons whose disabled or faded look derives from them.
        XTPGetColorManager()->RefreshColors();
        GetImageManager()->RefreshAll();
        [[fallthrough]];
    case WM_SETTINGCHANGE:
        GetPaintManager()->RefreshMetrics();
        // An open menu was laid out with the old metrics: it goes, as it
        // does when the application loses the foreground.
        ClosePopups();
        // Floating bars are pop-ups the frame's layout does not reach: every
        // bar lays itself out anew, then the frame.
        RecalcAllBars();
        if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd())
            m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return FALSE;
    case WM_CLOSE:
        // The customize dialog holds the bars: the frame stays.
        return m_pCustomizeDialog != nullptr && m_pCustomizeDialog->GetSafeHwnd() != nullptr;
    case WM_COMMAND: {
        HWND hWndFocus = ::GetFocus();
        if (XTPIsCommandBarEdit(hWndFocus) &&
            CWnd::FromHandlePermanent(hWndFocus)->OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr)) {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_ACTIVATEAPP:
        if (wParam == 0)
            ClosePopups();
        return FALSE;
    case WM_SYSCOMMAND:
        if ((wParam != 0 && LOWORD(wParam) == 0) || (wParam & 0xFFF0) == SC_KEYMENU)
            return FALSE;
        if (!m_bCustomizeMode)
            ClosePopups();
        return FALSE;
    default:
        (void)lParam;
        return FALSE;
    }
}

void CXTPCommandBars::OnSetPreviewMode(BOOL bPreview)
{
    m_pShortcutManager->DisableShortcuts(bPreview);
    CArray<CXTPToolBar*, CXTPToolBar*> arrBars;
    arrBars.Copy(m_arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        arrBars[i]->OnSetPreviewMode(bPreview);
    // The preview takes the room of the docked bars, and gives it back.
    RecalcFrameLayout(FALSE);
}
