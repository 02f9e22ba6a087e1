// The manager's bars, customize mode and selection, keyboard cues, short-menu
// command sets and Alt+key mnemonics.
#include "framework/windows/CFrameWnd.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/input/XTPKeyCommandQueue.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"

namespace {

const long kCuesEverywhere = 1;
const long kCuesOff = 2;
const long kCuesExplicitOnly = 4;
// Popup bars nest a few levels; a deeper chain can only be a loop.
const int kMaxPopupDepth = 32;

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

BOOL IsShown(const CXTPToolBar* pBar)
{
    return pBar && pBar->IsVisible() && pBar->GetSafeHwnd() && ::IsWindowVisible(pBar->GetSafeHwnd());
}

} // namespace

CXTPToolBar* CXTPCommandBars::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

void CXTPCommandBars::ToggleVisible(int nIndex)
{
    if (CXTPToolBar* pBar = GetAt(nIndex))
        pBar->SetVisible(!pBar->IsVisible());
}

CXTPToolBar* CXTPCommandBars::FindToolBar(UINT nBarID) const
{
    return XTPFindBarByID(m_arrBars, nBarID);
}

int CXTPCommandBars::FindIndex(CXTPToolBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (m_arrBars[i] == pBar)
            return static_cast<int>(i);
    return -1;
}

CXTPToolBar* CXTPCommandBars::GetMenuBar() const
{
    CXTPToolBar* pBar = FindToolBar(1);
    return pBar && pBar->GetType() == xtpBarTypeMenuBar ? pBar : nullptr;
}

void CXTPCommandBars::AppendBar(CXTPToolBar* pBar)
{
    if (!pBar || FindIndex(pBar) >= 0)
        return;
    pBar->SetCommandBars(this);
    m_arrBars.Add(pBar);
}

int CXTPCommandBars::GetNextVisibleIndex(int nIndex, int nStep) const
{
    int nCount = GetCount();
    if (nCount == 0 || (nStep != 1 && nStep != -1))
        return -1;
    int nStart = (nIndex == -1 && nStep == -1) ? nCount - 1 : nIndex + nStep;
    int nWraps = 0;
    int i = nStart;
    for (;;) {
        if (i >= nCount || i < 0) {
            if (++nWraps > (nIndex == -1 ? 0 : 1))
                return -1;
            i = i >= nCount ? 0 : nCount - 1;
        }
        if (IsShown(m_arrBars[i]))
            return i;
        i += nStep;
        if (i == nStart)
            return -1;
    }
}

void CXTPCommandBars::SetCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    SetCustomizeSelection(nullptr);
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        m_arrBars[i]->OnIdleUpdateCmdUI(TRUE, TRUE);
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pFrame);
    if (pFrame && pFrame->GetSafeHwnd())
        pFrame->RecalcLayout();
    ShowKeyboardCues(bMode);
}

void CXTPCommandBars::SetQuickCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    m_bQuickCustomizeMode = bMode;
    SetCustomizeSelection(nullptr);
    ShowKeyboardCues(bMode);
}

void CXTPCommandBars::SetCustomizeSelection(CXTPControl* pControl)
{
    if (pControl == m_pDragSelected)
        return;
    auto invalidateBar = [](CXTPControl* p) {
        CXTPCommandBar* pBar = p ? p->GetParent() : nullptr;
        if (pBar && pBar->GetSafeHwnd())
            ::InvalidateRect(pBar->GetSafeHwnd(), nullptr, FALSE);
    };
    invalidateBar(m_pDragSelected);
    invalidateBar(pControl);
    SetDragControl(pControl);
    CWnd* pTarget = m_pCustomizeDialog && m_pCustomizeDialog->GetSafeHwnd() ? m_pCustomizeDialog : m_pFrame;
    if (pTarget && pTarget->GetSafeHwnd())
        pTarget->SendMessage(WM_XTP_CUSTOMIZE_SELCHANGED, 0, 0);
}

void CXTPCommandBars::ShowKeyboardCues(BOOL bShow)
{
    BOOL bWanted = m_bCustomizeMode ? TRUE : bShow;
    if (!m_bKeyboardCuesOnDemand || bWanted == m_bKeyboardCuesVisible)
        return;
    m_bKeyboardCuesVisible = bWanted;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CXTPToolBar* pBar = m_arrBars[i];
        if (IsShown(pBar) && !pBar->IsRedrawLocked())
            ::InvalidateRect(pBar->GetSafeHwnd(), nullptr, FALSE);
    }
}

void CXTPCommandBars::SetKeyboardCuesShow(long nShow)
{
    m_pOptions->keyboardCuesShow = nShow;
    m_bKeyboardCuesOnDemand = FALSE;
    m_bKeyboardCuesVisible = nShow != 1;
    if (nShow == 2) {
        BOOL bCues = TRUE;
        if (SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bCues, 0) && !bCues) {
            m_bKeyboardCuesOnDemand = TRUE;
            m_bKeyboardCuesVisible = FALSE;
        }
    }
}

BOOL CXTPCommandBars::IsLayoutRTL() const
{
    if (m_pFrame && m_pFrame->GetSafeHwnd() && (GetWindowLongW(m_pFrame->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
        return TRUE;
    return m_bRightToLeft;
}

void CXTPCommandBars::HideCommand(UINT nId)
{
    m_pOptions->m_mapHiddenCommands.SetAt(nId, TRUE);
}

void CXTPCommandBars::HideCommands(const UINT* pIds, int nCount)
{
    for (int i = 0; pIds && i < nCount; i++)
        HideCommand(pIds[i]);
}

void CXTPCommandBars::SetCommandUsed(UINT nId)
{
    BOOL bFlag;
    if (m_pOptions->m_mapHiddenCommands.Lookup(nId, bFlag))
        m_pOptions->m_mapUsedCommands.SetAt(nId, TRUE);
}

void CXTPCommandBars::ResetUsageData()
{
    m_pOptions->m_mapUsedCommands.RemoveAll();
}

BOOL CXTPCommandBars::IsCommandHidden(UINT nId) const
{
    BOOL bFlag;
    return m_pOptions->m_mapHiddenCommands.Lookup(nId, bFlag) && !m_pOptions->m_mapUsedCommands.Lookup(nId, bFlag);
}

BOOL CXTPCommandBars::IsControlHidden(CXTPControl* pControl) const
{
    // Popups of popups: walk with a bound, a bar may (wrongly) contain itself.
    struct Walker
    {
        const CXTPCommandBars* pManager;
        BOOL IsHidden(CXTPControl* pControl, int nDepth) const
        {
            if (pManager->IsCommandHidden(static_cast<UINT>(pControl->GetID())))
                return TRUE;
            if (!pManager->m_pOptions->bAutoHideUnusedPopups || !IsPopupType(pControl->GetType()) ||
                nDepth >= kMaxPopupDepth)
                return FALSE;
            CXTPCommandBar* pBar = pControl->GetCommandBar();
            if (!pBar || pBar->GetControlCount() == 0)
                return FALSE;
            for (int i = 0; i < pBar->GetControlCount(); i++)
                if (!IsHidden(pBar->GetControl(i), nDepth + 1))
                    return FALSE;
            return TRUE;
        }
    };
    return pControl && Walker{this}.IsHidden(pControl, 0);
}

void CXTPCommandBars::OnTrackingModeChanged(CXTPCommandBar* /*pBar*/, int bMode)
{
    if (!bMode && m_bKeyboardCuesOnDemand && GetMouseManager()->GetTrackArray().GetSize() == 0)
        ShowKeyboardCues(FALSE);
}

void CXTPCommandBars::ClosePopups() const
{
    GetMouseManager()->EndAllTracking();
}

BOOL CXTPCommandBars::ActivateNextBar(CXTPToolBar* pBar, int nStep)
{
    if (!pBar)
        return FALSE;
    if (nStep != 0) {
        if (GetCount() < 2)
            return FALSE;
        int nNext = GetNextVisibleIndex(FindIndex(pBar), nStep);
        CXTPToolBar* pNext = GetAt(nNext);
        if (!pNext || pNext == pBar)
            return FALSE;
        pBar = pNext;
    }
    ClosePopups();
    ShowKeyboardCues(TRUE);
    pBar->SetTrackingMode(xtpTrackingKeyboard, FALSE, FALSE);
    pBar->SetSelected(pBar->GetControls()->GetNext(-1, 1), TRUE);
    return TRUE;
}

int CXTPCommandBars::FindAccel(CXTPCommandBar* pBar, UINT nChar, BOOL& bDuplicate, CXTPCommandBar** ppFound,
                               LPARAM lKeyData) const
{
    bDuplicate = FALSE;
    long nUse = m_pOptions->keyboardCuesUse;
    int nExplicit = -1, nImplicit = -1;
    CXTPCommandBar *pExplicitBar = nullptr, *pImplicitBar = nullptr;

    // The bars to search: this one, and with cues everywhere the visible
    // bars after it, wrapping round.
    CArray<CXTPCommandBar*, CXTPCommandBar*> arrBars;
    arrBars.Add(pBar);
    CXTPToolBar* pToolBar = dynamic_cast<CXTPToolBar*>(pBar);
    int nBarIndex = pToolBar ? FindIndex(pToolBar) : -1;
    if ((nUse & kCuesEverywhere) && nBarIndex >= 0) {
        for (int k = 1; k < GetCount(); k++) {
            CXTPToolBar* pOther = GetAt((nBarIndex + k) % GetCount());
            if (IsShown(pOther))
                arrBars.Add(pOther);
        }
    }
    for (INT_PTR b = 0; b < arrBars.GetSize(); b++) {
        CXTPCommandBar* pSearch = arrBars[b];
        CXTPControls* pControls = pSearch->GetControls();
        int nFirst = pControls->GetNext(b == 0 ? pSearch->GetSelectedIndex() : -1, 1);
        if (nFirst == -1)
            continue;
        int nIndex = nFirst;
        do {
            CXTPControl* pControl = pControls->GetAt(nIndex);
            CString strText = pControl->IsCaptionVisible() ? pControl->GetCaption() : CString();
            int nAmp = strText.Find(L'&');
            BOOL bExplicit = nAmp >= 0 && nAmp < strText.GetLength() - 1;
            if (!strText.IsEmpty()) {
                WCHAR ch = bExplicit ? strText[nAmp + 1] : strText[0];
                if (CXTPShortcutManager::IsMnemonicKey(ch, nChar, lKeyData)) {
                    if (bExplicit) {
                        if (nExplicit != -1) {
                            bDuplicate = TRUE;
                            *ppFound = pExplicitBar;
                            return nExplicit;
                        }
                        nExplicit = nIndex;
                        pExplicitBar = pSearch;
                    } else if (!(nUse & kCuesExplicitOnly) &&
                               (pSearch->GetType() == xtpBarTypeMenuBar || pSearch->IsTrackingMode())) {
                        if (nImplicit != -1)
                            bDuplicate = TRUE;
                        else {
                            nImplicit = nIndex;
                            pImplicitBar = pSearch;
                        }
                    }
                }
            }
            nIndex = pControls->GetNext(nIndex, 1);
        } while (nIndex != nFirst && nIndex != -1);
    }
    if (nExplicit != -1) {
        *ppFound = pExplicitBar;
        return nExplicit;
    }
    *ppFound = pImplicitBar;
    return nImplicit;
}

BOOL CXTPCommandBars::OnKeyMnemonic(UINT nChar, LPARAM lKeyData)
{
    long nUse = m_pOptions->keyboardCuesUse;
    if (nUse == kCuesOff)
        return FALSE;
    if (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9 && !m_pOptions->bUseNumericKeypad)
        return FALSE;
    if (!CXTPShortcutManager::IsCharacterKey(nChar, lKeyData))
        return FALSE;
    CXTPToolBar* pBar = nullptr;
    for (INT_PTR i = 0; i < m_arrBars.GetSize() && !pBar; i++)
        if (m_arrBars[i]->IsTrackingMode())
            pBar = m_arrBars[i];
    if (!pBar)
        pBar = GetMenuBar();
    if (!pBar && (nUse & kCuesEverywhere))
        pBar = GetAt(GetNextVisibleIndex(-1, 1));
    if (!IsShown(pBar))
        return FALSE;
    if (pBar->PreviewAccel(nChar))
        return TRUE;
    BOOL bDuplicate = FALSE;
    CXTPCommandBar* pFound = nullptr;
    int nIndex = FindAccel(pBar, nChar, bDuplicate, &pFound, lKeyData);
    if (nIndex == -1 || !pFound)
        return FALSE;
    if (!pFound->IsTrackingMode())
        ClosePopups();
    ShowKeyboardCues(TRUE);
    pFound->SetTrackingMode(xtpTrackingKeyboard, FALSE, TRUE);
    pFound->SetSelected(nIndex, TRUE);
    CXTPControl* pControl = pFound->GetControl(nIndex);
    if (!bDuplicate && pControl)
        CXTPKeyCommandQueue::Run(pControl, [](CXTPControl* pItem) { pItem->OnMnemonicActivate(); });
    return TRUE;
}
