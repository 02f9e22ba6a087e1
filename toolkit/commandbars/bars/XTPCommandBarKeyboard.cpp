// Keys while a bar tracks: navigation, activation and mnemonics.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/input/XTPKeyCommandQueue.h"

namespace {

BOOL IsEnabledPopup(const CXTPControl* pControl)
{
    return pControl && pControl->GetEnabled() && pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup));
}

// As a click on its title does: a drop-down closes with the tracking of its
// bar, a submenu alone; keyboard tracking has no use while customizing.
void CloseMenuWhileCustomizing(CXTPCommandBar* pMenu)
{
    CXTPCommandBar* pParent = pMenu->GetParentCommandBar();
    if (pParent && pParent->GetPosition() != xtpBarPopup)
        pParent->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    else
        pMenu->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
}

} // namespace

int CXTPCommandBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& /*lResult*/)
{
    if (!m_bTracking)
        return 0;
    if (!hWnd && nMessage == WM_KEYDOWN)
        return OnHookKeyDown(static_cast<UINT>(wParam), lParam);
    if (nMessage == WM_MOUSEWHEEL) {
        CXTPControl* pSelected = GetControl(m_nSelected);
        if (pSelected && pSelected->IsFocused()) {
            CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            pSelected->OnHookMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), pt);
            return 1;
        }
    }
    return 0;
}

int CXTPCommandBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (IsCustomizeMode()) {
        // The customize sheet keeps the keys, but Esc closes an open menu
        // first: the sheet would take it as its Cancel.
        if (nChar != VK_ESCAPE || m_barPosition != xtpBarPopup)
            return 2;
        CloseMenuWhileCustomizing(this);
        return 1;
    }
    if (IsHelpMode())
        return 2;
    if (m_nLockCount > 0)
        return 1;
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (pSelected && pSelected->IsFocused()) {
        int nResult = pSelected->OnHookKeyDown(nChar, lParam);
        if (nResult == 1 || nResult == 2)
            return nResult;
    }
    CWnd* pSite = GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(WM_XTP_TRACKING_KEYDOWN, reinterpret_cast<WPARAM>(&nChar), reinterpret_cast<LPARAM>(this));
    if (!GetSafeHwnd())
        return 1;

    BOOL bShift = GetKeyState(VK_SHIFT) < 0;
    switch (nChar) {
    case VK_TAB: {
        CXTPCommandBars* pCommandBars = GetCommandBars();
        CXTPToolBar* pRootToolBar = dynamic_cast<CXTPToolBar*>(GetRootParent());
        if (GetKeyState(VK_CONTROL) < 0 && pCommandBars && pRootToolBar &&
            pCommandBars->ActivateNextBar(pRootToolBar, bShift ? -1 : 1))
            return 1;
        ProcessSpecialKey(bShift ? xtpKeyPrev : xtpKeyNext);
        CXTPControl* pNew = GetControl(m_nSelected);
        if (pNew && pNew->IsFocusable())
            pNew->SetFocused(TRUE);
        return 1;
    }
    case VK_RETURN:
        ProcessSpecialKey(xtpKeyReturn);
        return 1;
    case VK_ESCAPE:
        ProcessSpecialKey(xtpKeyEscape);
        return 1;
    default:
        break;
    }
    HWND hFocus = ::GetFocus();
    if (hFocus && ::IsChild(GetSafeHwnd(), hFocus))
        return 2;

    BOOL bRTL = IsLayoutRTL();
    BOOL bHorizontal = !IsVerticalPosition();
    XTPSpecialKey key = xtpKeyNext;
    BOOL bSpecial = TRUE;
    switch (nChar) {
    case VK_HOME:
        key = xtpKeyHome;
        break;
    case VK_END:
        key = xtpKeyEnd;
        break;
    case VK_LEFT:
        key = bHorizontal ? (bRTL ? xtpKeyNext : xtpKeyPrev) : (bRTL ? xtpKeyPopup : xtpKeyBack);
        break;
    case VK_RIGHT:
        key = bHorizontal ? (bRTL ? xtpKeyPrev : xtpKeyNext) : (bRTL ? xtpKeyBack : xtpKeyPopup);
        break;
    case VK_UP:
        key = bHorizontal ? xtpKeyBack : xtpKeyPrev;
        break;
    case VK_DOWN:
        key = bHorizontal ? xtpKeyPopup : xtpKeyNext;
        break;
    default:
        bSpecial = FALSE;
        break;
    }
    // A key this bar has no use for goes on to the bar below it: Left in a
    // submenu closes the submenu, in a menu moves to the previous title.
    if (bSpecial)
        return ProcessSpecialKey(key) ? 1 : 0;

    // A toolbar's manager may find the key's mnemonic on another of its bars.
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && IsKindOf(RUNTIME_CLASS(CXTPToolBar)) && pCommandBars->OnKeyMnemonic(nChar, lParam))
        return 1;
    if (CXTPShortcutManager::IsCharacterKey(nChar, lParam) && GetKeyState(VK_CONTROL) >= 0) {
        BOOL bAmbiguous = FALSE;
        int nFound = FindAccel(nChar, bAmbiguous, lParam);
        if (nFound != -1) {
            SetSelected(nFound, TRUE);
            CXTPControl* pFound = GetControl(nFound);
            if (!bAmbiguous && pFound)
                CXTPKeyCommandQueue::Run(pFound, [](CXTPControl* pControl) { pControl->OnMnemonicActivate(); });
            return 1;
        }
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        MessageBeep(0);
    return 1;
}

int CXTPCommandBar::FindAccel(UINT nChar, BOOL& bAmbiguous, LPARAM lKeyData) const
{
    bAmbiguous = FALSE;
    int nStart = m_pControls->GetNext(m_nSelected, 1);
    if (nStart == -1)
        return -1;
    int nAmpersand = -1, nWeak = -1;
    int nIndex = nStart;
    do {
        CXTPControl* pControl = GetControl(nIndex);
        CString strCaption = pControl->GetCaption();
        if (pControl->GetEnabled() && !strCaption.IsEmpty()) {
            int nPos = strCaption.Find(L'&');
            BOOL bMarked = nPos >= 0 && nPos < strCaption.GetLength() - 1;
            WCHAR ch = bMarked ? strCaption[nPos + 1] : strCaption[0];
            if (CXTPShortcutManager::IsMnemonicKey(ch, nChar, lKeyData)) {
                if (bMarked) {
                    if (nAmpersand != -1) {
                        bAmbiguous = TRUE;
                        return nAmpersand;
                    }
                    nAmpersand = nIndex;
                } else if (nWeak == -1) {
                    nWeak = nIndex;
                } else {
                    bAmbiguous = TRUE;
                }
            }
        }
        nIndex = m_pControls->GetNext(nIndex, 1);
    } while (nIndex != nStart && nIndex != -1);
    return nAmpersand != -1 ? nAmpersand : nWeak;
}

BOOL CXTPCommandBar::ProcessRowKey(XTPSpecialKey key)
{
    int nStep = key == xtpKeyPopup ? 1 : -1;
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (!pSelected) {
        SetSelected(m_pControls->GetNext(-1, nStep), TRUE);
        return TRUE;
    }
    if (IsEnabledPopup(pSelected))
        return FALSE;
    // Walk to the first control of another row, then along that row to the
    // control whose left edge is nearest.
    CRect rcRow = pSelected->GetRowRect();
    int nIndex = m_nSelected;
    for (int k = 0; k < GetControlCount(); k++) {
        nIndex = m_pControls->GetNext(nIndex, nStep);
        if (nIndex == -1 || nIndex == m_nSelected)
            return TRUE;
        if (GetControl(nIndex)->GetRowRect() != rcRow)
            break;
    }
    CRect rcOtherRow = GetControl(nIndex)->GetRowRect();
    int nBest = nIndex, nBestDistance = INT_MAX;
    for (int k = 0; k < GetControlCount() && nIndex != -1; k++) {
        CXTPControl* pControl = GetControl(nIndex);
        if (pControl->GetRowRect() != rcOtherRow)
            break;
        int nDistance = abs(pControl->GetRect().left - pSelected->GetRect().left);
        if (nDistance < nBestDistance) {
            nBest = nIndex;
            nBestDistance = nDistance;
        }
        nIndex = m_pControls->GetNext(nIndex, nStep);
    }
    SetSelected(nBest, TRUE);
    return TRUE;
}

BOOL CXTPCommandBar::ProcessSpecialKey(XTPSpecialKey key)
{
    CXTPControl* pSelected = GetControl(m_nSelected);
    BOOL bPopupOpen = m_nPopuped != -1;
    if (bPopupOpen && m_nSelected == m_nPopuped && IsPopupToolBar()) {
        if (key == xtpKeyNext)
            return FALSE;
        if (key == xtpKeyPrev)
            key = xtpKeyBack;
    } else if (key == xtpKeyBack && !bPopupOpen && IsEnabledPopup(pSelected) &&
               (IsPopupToolBar() || !GetParentCommandBar())) {
        key = xtpKeyPopup;
    }
    if ((key == xtpKeyBack || key == xtpKeyPopup) && !bPopupOpen &&
        (IsPopupToolBar() || m_barPosition == xtpBarFloating) && ProcessRowKey(key))
        return TRUE;

    switch (key) {
    case xtpKeyNext:
    case xtpKeyPrev:
        SetSelected(m_pControls->GetNext(m_nSelected, key == xtpKeyNext ? 1 : -1), TRUE);
        return TRUE;
    case xtpKeyBack:
        if (!bPopupOpen)
            return FALSE;
        SetPopuped(-1);
        SetTrackingMode(xtpTrackingKeyboard);
        return TRUE;
    case xtpKeyPopup:
        if (!pSelected || m_nSelected == m_nPopuped)
            return FALSE;
        pSelected->SetSelected(2);
        return SetPopuped(m_nSelected, FALSE);
    case xtpKeyEscape: {
        CXTPCommandBar* pParent = GetParentCommandBar();
        if (pParent)
            pParent->SetTrackingMode(xtpTrackingKeyboard);
        SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
        return TRUE;
    }
    case xtpKeyReturn:
        if (pSelected) {
            pSelected->SetSelected(2);
            CXTPKeyCommandQueue::Run(pSelected, [](CXTPControl* pControl) { pControl->OnClick(TRUE, CPoint(0, 0)); });
        }
        return TRUE;
    case xtpKeyHome:
        SetSelected(m_pControls->GetNext(-1, 1), TRUE);
        return TRUE;
    case xtpKeyEnd:
        SetSelected(m_pControls->GetNext(-1, -1), TRUE);
        return TRUE;
    }
    return FALSE;
}
