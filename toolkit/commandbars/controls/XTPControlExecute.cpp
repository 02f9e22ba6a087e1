// Running a control's command and tracking a mouse press on a toolbar button.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"

namespace {

// Keeps a command target alive across calls that may release it.
class CHeldReference
{
public:
    explicit CHeldReference(CCmdTarget* pTarget) : m_pTarget(pTarget)
    {
        if (m_pTarget)
            m_pTarget->InternalAddRef();
    }
    ~CHeldReference()
    {
        if (m_pTarget)
            m_pTarget->InternalRelease();
    }
    CHeldReference(const CHeldReference&) = delete;
    CHeldReference& operator=(const CHeldReference&) = delete;

private:
    CCmdTarget* m_pTarget;
};

} // namespace

void CXTPControl::CloseMenus(CXTPCommandBar* pOutermost, CXTPCommandBars* pCommandBars)
{
    if (pOutermost && (pOutermost->m_dwTrackFlags & XTP_TRACK_KEEPOTHERS))
        pOutermost->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    else if (pCommandBars)
        pCommandBars->ClosePopups();
    else if (pOutermost)
        pOutermost->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
}

void CXTPControl::OnExecute()
{
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
    m_bPressed = 2;

    // The command may free the frame, its manager, this bar and this control
    // (the program's exit command does): hold both until we are done.
    CHeldReference holdControl(this);
    CXTPCommandBar* pBar = m_pParent;
    CHeldReference holdBar(pBar);
    CXTPCommandBar* pOutermost = pBar ? pBar->GetRootParent() : nullptr;
    CWnd* pSite = pOutermost ? pOutermost->GetOwnerSite() : nullptr;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    int nId = m_nId;

    if (pOutermost && (pOutermost->m_dwTrackFlags & XTP_TRACK_RETURNCMD) && pOutermost->m_pReturnCmd) {
        int* pReturnCmd = pOutermost->m_pReturnCmd;
        CloseMenus(pOutermost, pCommandBars);
        *pReturnCmd = nId;
        return;
    }
    if (pCommandBars) {
        if (nId != 0 && pCommandBars->IsControlHidden(this))
            pCommandBars->SetCommandUsed(static_cast<UINT>(nId));
        CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(pBar);
        CXTPControl* pOpener = pPopupBar ? pPopupBar->GetControlPopup() : nullptr;
        if (pOpener && pOpener->GetID() != 0 && pCommandBars->IsControlHidden(pOpener))
            pCommandBars->SetCommandUsed(static_cast<UINT>(pOpener->GetID()));
    }
    BOOL bCloseSubMenu = m_bCloseSubMenuOnClick;
    if (bCloseSubMenu)
        CloseMenus(pOutermost, pCommandBars);
    if (nId == 0)
        return;

    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (hSite) {
        NMXTPCONTROL notify = {};
        notify.hdr.idFrom = static_cast<UINT_PTR>(nId);
        notify.hdr.code = CBN_XTP_EXECUTE;
        notify.pControl = this;
        LRESULT lResult = ::SendMessageW(hSite, WM_XTP_CONTROL_NOTIFY, static_cast<WPARAM>(nId),
                                         reinterpret_cast<LPARAM>(&notify));
        if (lResult == 0 && IsWindow(hSite))
            ::SendMessageW(hSite, WM_COMMAND, static_cast<WPARAM>(nId), 0);
    }
    if (!bCloseSubMenu && pBar && pBar->GetSafeHwnd()) {
        pBar->OnIdleUpdateCmdUI(TRUE, 0);
        pBar->InvalidateRect(nullptr, FALSE);
    }
}

void CXTPControl::ClickToolBarButton(CRect rcActiveRect)
{
    CXTPCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    CHeldReference holdControl(this);
    CHeldReference holdBar(pBar);
    CRect rc = rcActiveRect.IsRectEmpty() ? m_rcControl : rcActiveRect;
    HWND hBar = pBar->GetSafeHwnd();

    pBar->SetSelected(m_nIndex, FALSE);
    m_bPressed = 1;
    pBar->InvalidateRect(nullptr, FALSE);
    ::SetCapture(hBar);
    CXTPHeldButtonLoop loop;

    BOOL bReleased = FALSE, bMoved = FALSE, bLastInside = TRUE;
    MSG msg;
    for (;;) {
        if (::GetCapture() != hBar)
            break;
        BOOL bResult = loop.GetMessage(&msg);
        if (bResult == -1)
            break;
        if (bResult == 0) {
            // Whoever ends the thread's loop must still see the quit.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            bReleased = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hBar) {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            bMoved = TRUE;
            bLastInside = rc.PtInRect(pt);
            if ((m_bSelected != 0) != bLastInside) {
                m_bSelected = bLastInside;
                pBar->InvalidateRect(nullptr, FALSE);
            }
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    BOOL bExecute = bReleased && m_bSelected && (!bMoved || bLastInside);
    if (!IsWindow(hBar))
        return;
    if (::GetCapture() == hBar)
        ReleaseCapture();
    if (m_bSelected) {
        pBar->SetSelected(-1, FALSE);
        pBar->SetLastHotIndex(m_nIndex);
        m_bSelected = 0;
    }
    m_bPressed = 0;
    RedrawParent(FALSE);
    if (bExecute)
        OnExecute();
}
