// The idle-time update of a bar's controls and the status text of the
// selection.
#include "framework/windows/AfxMessages.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {
// Offered to the bar's own routing first, with id 0, before the command's update.
const int kControlUpdateCode = static_cast<int>(0xBD11FFFF);
} // namespace

CXTPControl* CXTPCommandBar::CXTPCommandBarCmdUI::GetControl() const
{
    CXTPCommandBar* pBar = dynamic_cast<CXTPCommandBar*>(m_pOther);
    return pBar ? pBar->GetControl(static_cast<int>(m_nIndex)) : nullptr;
}

void CXTPCommandBar::CXTPCommandBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CXTPControl* pControl = GetControl();
    if (!pControl)
        return;
    pControl->SetEnabled(bOn);
    // A disabled command cannot stay checked; a handler may still check it
    // afterwards. Settled once the handler is done, so that the control
    // never passes through a state it does not end in.
    if (!bOn && (m_pCheckedControl == pControl ? m_nCheck : pControl->GetChecked()) != 0)
        SetCheck(0);
}

void CXTPCommandBar::CXTPCommandBarCmdUI::SetCheck(int nCheck)
{
    m_pCheckedControl = GetControl();
    m_nCheck = nCheck;
}

void CXTPCommandBar::CXTPCommandBarCmdUI::ApplyCheck()
{
    CXTPControl* pControl = m_pCheckedControl;
    m_pCheckedControl = nullptr;
    // The handler may have changed the bar meanwhile.
    if (pControl && GetControl() == pControl)
        pControl->SetChecked(m_nCheck);
}

void CXTPCommandBar::CXTPCommandBarCmdUI::SetText(LPCTSTR lpszText)
{
    CXTPControl* pControl = GetControl();
    if (pControl)
        pControl->SetCaption(lpszText);
}

void CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM /*lParam*/)
{
    if (!GetSafeHwnd() || !(GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE))
        return;
    UpdateDocTemplateControls();
    CWnd* pTarget = GetOwnerSite();
    if (pTarget)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    if (m_dwPendingFlags & XTP_BAR_PENDING_REDRAW) {
        m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    }
    if (m_dwPendingFlags & XTP_BAR_PENDING_LAYOUT) {
        m_dwPendingFlags &= ~XTP_BAR_PENDING_LAYOUT;
        // A layout places hosted controls' windows on the bar.
        m_childWindows.Forget();
        OnRecalcLayout();
    }
    // Windows placed on the bar (a dialog bar's dialog, hosted controls)
    // follow their commands' update handlers as a dialog's controls do.
    if (pTarget && GetSafeHwnd() && m_childWindows.HasChildWindows(GetSafeHwnd()))
        UpdateDialogControls(pTarget, static_cast<BOOL>(wParam));
}

void CXTPCommandBar::UpdateDocTemplateControls()
{
    UINT nTemplate = GetActiveDocTemplate();
    if (nTemplate == 0)
        return;
    BOOL bChanged = FALSE;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        int nValue = 0;
        CXTPControl::CDocTemplateMap& mapAssigned = pControl->GetDocTemplatesAssigned();
        CXTPControl::CDocTemplateMap& mapExcluded = pControl->GetDocTemplatesExcluded();
        if (mapAssigned.IsEmpty() && mapExcluded.IsEmpty())
            continue;
        // Hidden when either list says so: one list must not show again
        // what the other hides.
        const BOOL bHide = (!mapAssigned.IsEmpty() && !mapAssigned.Lookup(nTemplate, nValue)) ||
                           (!mapExcluded.IsEmpty() && mapExcluded.Lookup(nTemplate, nValue));
        bChanged |= pControl->SetHideFlag(xtpHideDocTemplate, bHide);
    }
    if (bChanged)
        m_dwPendingFlags |= XTP_BAR_PENDING_LAYOUT;
}

void CXTPCommandBar::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler)
{
    BOOL bNoUpdate = GetRootParent()->m_bNoUpdate;
    CXTPCommandBarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetControlCount());
    // Walk by index and look again each time: a handler may change the bar.
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        // An executed button looks pressed until this update: its command
        // (a modal dialog, say) has run by now.
        if (pControl->GetPressed() == 2) {
            pControl->SetPressed(0);
            DelayRedraw();
        }
        if (bNoUpdate || (pControl->GetFlags() & xtpFlagManualUpdate))
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(pControl->GetID());
        state.m_bEnableChanged = FALSE;
        if (OnCmdMsg(0, kControlUpdateCode, &state, nullptr) ||
            OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) {
            state.ApplyCheck();
            continue;
        }
        if (IsCustomizeMode())
            state.Enable(TRUE);
        else
            state.DoUpdate(pTarget, bDisableIfNoHndler);
        state.ApplyCheck();
    }
}

void CXTPCommandBar::OnControlSelected(int bSelected, CXTPControl* pControl)
{
    CWnd* pSite = GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(WM_XTP_CONTROL_SELECTED, bSelected ? reinterpret_cast<WPARAM>(pControl) : 0, 0);
    if (pControl->GetIndex() != m_nStatusTextGuard) {
        m_nStatusTextGuard = -1;
        SetStatusText(bSelected ? pControl->GetDescription() : CString());
    } else if (!bSelected) {
        m_nStatusTextGuard = -1;
    }
}

void CXTPCommandBar::SetStatusText(const CString& strText)
{
    CWnd* pSite = GetSite();
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!hSite)
        return;
    if (strText.IsEmpty())
        ::SendMessageW(hSite, WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    else
        ::SendMessageW(hSite, WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(strText)));
}
