// Popup bars and menus run modally outside a menu bar (context menus).
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CWinThread.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/input/XTPModalLoopMessage.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

int CXTPCommandBars::TrackPopupBar(CXTPCommandBar* pPopup, UINT nFlags, int x, int y, CWnd* pWndOwner,
                                   LPCRECT lpExclude, CXTPControl* pControl)
{
    CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(pPopup);
    if (!pPopupBar)
        return 0;
    // The caller's reference may be the only one: a command run from the
    // popup must not free it under the loop.
    pPopupBar->InternalAddRef();
    int nReturn = 0;
    pPopupBar->SetNotifyWindow(pWndOwner);
    pPopupBar->SetControlPopup(pControl);
    pPopupBar->m_dwTrackFlags = nFlags;
    pPopupBar->m_pReturnCmd = (nFlags & TPM_RETURNCMD) ? &nReturn : nullptr;
    pPopupBar->SetNoUpdate((nFlags & TPM_NONOTIFY) != 0);
    pPopupBar->SetRightButton((nFlags & TPM_RIGHTBUTTON) != 0);
    pPopupBar->SetPopupFlags((nFlags & TPM_RIGHTALIGN) ? 3 : 2);

    CXTPMouseManager* pMouseManager = XTPMouseManager();
    BOOL bRecurse = (nFlags & TPM_RECURSE) != 0;
    if (bRecurse) {
        pMouseManager->CloseUnlockedBars();
        pMouseManager->LockTrackedBars(TRUE);
    } else {
        pMouseManager->EndAllTracking();
        ::ReleaseCapture();
    }
    pMouseManager->SendTrackLost();

    int nResult = 0;
    if (pPopupBar->Popup(x, y, lpExclude)) {
        CWinThread* pThread = AfxGetThread();
        MSG msg;
        while (pPopupBar->IsTrackingMode() && XTPGetModalLoopMessage(&msg)) {
            if (!pPopupBar->IsTrackingMode()) {
                if (!XTPIsModalLoopWake(msg))
                    ::PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
                break;
            }
            if (msg.message == WM_KICKIDLE)
                continue;
            if (!pThread || !pThread->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        if (pPopupBar->IsTrackingMode())
            pPopupBar->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
        nResult = (nFlags & TPM_RETURNCMD) ? nReturn : TRUE;
    }
    if (bRecurse)
        pMouseManager->LockTrackedBars(FALSE);
    pPopupBar->m_pReturnCmd = nullptr;
    pPopupBar->InternalRelease();
    return nResult;
}

int CXTPCommandBars::TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, LPCRECT lpExclude,
                                    CXTPControl* pControl, CXTPCommandBars* pCommandBars)
{
    if (!pMenu || !pMenu->GetSafeHmenu())
        return 0;
    CXTPPopupBar* pPopupBar = CXTPPopupBar::CreatePopupBar(pCommandBars);
    pPopupBar->SetNotifyWindow(pWndOwner);
    pPopupBar->SetControlPopup(pControl);
    if (!pPopupBar->LoadMenu(pMenu, TRUE)) {
        pPopupBar->InternalRelease();
        return 0;
    }
    const MSG* pCurrent = CWnd::GetCurrentMessage();
    if (pCommandBars && pCurrent && pCurrent->message == WM_CONTEXTMENU && pCurrent->lParam == -1)
        pCommandBars->ShowKeyboardCues(TRUE);
    int nResult = TrackPopupBar(pPopupBar, nFlags, x, y, pWndOwner, lpExclude, pControl);
    pPopupBar->InternalRelease();
    return nResult;
}
