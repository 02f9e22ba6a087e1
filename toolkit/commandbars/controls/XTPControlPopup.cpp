// The control that opens a popup bar: menu titles, submenu items, drop-down
// and split buttons.
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/XTPReplaceReference.h"
#include "toolkit/commandbars/manager/XTPShadowsManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlPopup, CXTPControl)

namespace {
// A release this far left of a split item's right edge runs its command.
const int kSplitArrowWidth = 20;
// Popups of popups are walked with a bound: a bar may (wrongly) hold itself.
const int kMaxDepth = 32;

BOOL IsPopupBar(const CXTPCommandBar* pBar)
{
    return pBar && pBar->GetType() == xtpBarTypePopup;
}

BOOL BarContains(CXTPCommandBar* pBar, CXTPControl* pOther, int nDepth)
{
    if (!pBar || nDepth > kMaxDepth)
        return FALSE;
    for (int i = 0; i < pBar->GetControlCount(); i++) {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl == pOther)
            return TRUE;
        if (pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)) &&
            BarContains(pControl->GetCommandBar(), pOther, nDepth + 1))
            return TRUE;
    }
    return FALSE;
}
} // namespace

CXTPControlPopup::CXTPControlPopup()
    : m_bPopup(FALSE)
    , m_pCommandBar(nullptr)
    , m_dwReserved(0)
{
    m_controlType = xtpControlPopup;
}

CXTPControlPopup::~CXTPControlPopup()
{
    if (m_pCommandBar)
        m_pCommandBar->InternalRelease();
}

void CXTPControlPopup::SetCommandBar(CXTPCommandBar* pBar)
{
    if (pBar != m_pCommandBar && pBar)
        pBar->InternalAddRef();
    XTPReplaceReference(m_pCommandBar, pBar);
}

BOOL CXTPControlPopup::ContainsControl(CXTPControl* pOther)
{
    if (!pOther || pOther == this)
        return FALSE;
    if (BarContains(m_pCommandBar, pOther, 0))
        return TRUE;
    return pOther->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)) && BarContains(pOther->GetCommandBar(), this, 0);
}

void CXTPControlPopup::AdjustExcludeRect(CRect& rc)
{
    XTPBarPosition position = m_pParent ? m_pParent->GetPosition() : xtpBarTop;
    BOOL bVertical = position == xtpBarLeft || position == xtpBarRight || position == xtpBarPopup;
    GetPaintManager()->AdjustExcludeRect(rc, this, bVertical);
}

void CXTPControlPopup::UpdateShadow()
{
    if (m_controlType != xtpControlPopup && m_controlType != xtpControlButtonPopup &&
        m_controlType != xtpControlSplitButtonPopup)
        return;
    if (!m_pParent || IsPopupBar(m_pParent) || !m_bPopup)
        return;
    if (dynamic_cast<CXTPPopupBar*>(m_pCommandBar) && GetCommandBars())
        XTPShadowsManager()->SetShadow(this);
}

BOOL CXTPControlPopup::ClosePopupBar()
{
    if (m_pCommandBar)
        m_pCommandBar->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    RedrawParent();
    return TRUE;
}

BOOL CXTPControlPopup::OnSetPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    if (!bPopup)
        return ClosePopupBar();
    if (!m_pCommandBar) {
        m_bPopup = FALSE;
        return FALSE;
    }
    if (m_pCommandBar->IsTrackingMode())
        return TRUE;
    if (m_pCommandBar->Popup(this, m_bSelected == 2)) {
        UpdateShadow();
        return TRUE;
    }
    m_bPopup = FALSE;
    return FALSE;
}

BOOL CXTPControlPopup::SetSelected(int bSelected)
{
    if (!CXTPControl::SetSelected(bSelected) || !m_pParent)
        return FALSE;
    BOOL bPopupParent = IsPopupBar(m_pParent);
    if (!bPopupParent && (m_controlType == xtpControlButtonPopup || m_controlType == xtpControlSplitButtonPopup)) {
        if (m_bEnabled && bSelected == 2 && m_pParent->IsTrackingMode() == xtpTrackingPopup)
            m_pParent->SetPopuped(m_nIndex, TRUE);
        return TRUE;
    }
    if (bSelected && m_bEnabled && !bPopupParent && m_pParent->IsTrackingMode() == xtpTrackingPopup)
        m_pParent->SetPopuped(m_nIndex, bSelected == 2);
    else if (!bSelected && m_bPopup && !bPopupParent)
        m_pParent->SetPopuped(-1);
    return TRUE;
}

void CXTPControlPopup::OnMouseHover()
{
    if (m_bEnabled && m_pParent &&
        ((m_pParent->IsTrackingMode() && m_pParent->GetPopupedIndex() != -1) || IsPopupBar(m_pParent))) {
        m_pParent->SetPopuped(m_nIndex);
        return;
    }
    CXTPControl::OnMouseHover();
}

void CXTPControlPopup::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!m_bEnabled || !m_pParent)
        return;
    BOOL bCustomize = IsCustomizeMode();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (bCustomize && pCommandBars)
        pCommandBars->SetCustomizeSelection(this);
    if (m_bPopup && !IsPopupBar(m_pParent)) {
        m_pParent->SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
        if (bCustomize)
            CustomizeStartDrag(pt);
        return;
    }
    if (!bCustomize && m_controlType == xtpControlSplitButtonPopup) {
        if (bKeyboard) {
            OnExecute();
            return;
        }
        CRect rcCommand = GetPaintManager()->GetSplitButtonCommandRect(this);
        if (rcCommand.PtInRect(pt)) {
            if (IsPopupBar(m_pParent))
                m_pParent->KillTimer(XTP_IDT_BAR_HOVER);
            else
                ClickToolBarButton(rcCommand);
            return;
        }
    }
    if (bCustomize && m_pCommandBar && !m_pCommandBar->IsCustomizable()) {
        CustomizeStartDrag(pt);
        return;
    }
    m_pParent->SetPopuped(m_nIndex, bKeyboard);
    if (bCustomize)
        CustomizeStartDrag(pt);
}

void CXTPControlPopup::OnLButtonUp(CPoint point)
{
    if (m_bEnabled && IsPopupBar(m_pParent) && m_controlType == xtpControlSplitButtonPopup &&
        point.x < m_rcControl.right - kSplitArrowWidth)
        OnExecute();
}

BOOL CXTPControlPopup::OnLButtonDblClk(CPoint point)
{
    CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(m_pCommandBar);
    if ((m_controlType != xtpControlPopup && m_controlType != xtpControlButtonPopup) || !pPopupBar)
        return CXTPControl::OnLButtonDblClk(point);
    if (!m_bPopup) {
        OnClick(FALSE, point);
        return TRUE;
    }
    for (int i = 0; i < pPopupBar->GetControlCount(); i++) {
        CXTPControl* pItem = pPopupBar->GetControl(i);
        if (pItem->IsDefaultItem()) {
            pItem->OnExecute();
            return TRUE;
        }
    }
    pPopupBar->ExpandBar();
    return TRUE;
}

void CXTPControlPopup::OnMnemonicActivate()
{
    if (m_pParent)
        m_pParent->SetPopuped(m_nIndex, TRUE);
}

void CXTPControlPopup::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint /*point*/)
{
    if (!m_pParent || !m_pCommandBar || !m_pCommandBar->IsCustomizable())
        return;
    CXTPControlPopup* pDragged = dynamic_cast<CXTPControlPopup*>(pDataObject);
    if (pDragged && pDragged->ContainsControl(this)) {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
        return;
    }
    m_pParent->SetPopuped(m_nIndex);
}

void CXTPControlPopup::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControl::Copy(pControl, bRecursive);
    CXTPControlPopup* pSource = dynamic_cast<CXTPControlPopup*>(pControl);
    if (!pSource || !pSource->m_pCommandBar || pSource->m_pCommandBar == m_pCommandBar)
        return;
    if (bRecursive) {
        CXTPCommandBar* pClone = pSource->m_pCommandBar->Clone(TRUE);
        if (pClone) {
            SetCommandBar(pClone);
            pClone->InternalRelease();
            return;
        }
    }
    SetCommandBar(pSource->m_pCommandBar);
}

CXTPControl* CXTPControlPopup::Clone(BOOL bRecursive)
{
    CXTPControl* pClone = static_cast<CXTPControl*>(GetRuntimeClass()->CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}

BOOL CXTPControlPopup::Compare(CXTPControl* pOther)
{
    if (!CXTPControl::Compare(pOther) || !pOther->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)))
        return FALSE;
    CXTPCommandBar* pMine = m_pCommandBar;
    CXTPCommandBar* pTheirs = pOther->GetCommandBar();
    if (!pMine || !pTheirs)
        return TRUE;
    int nMine = pMine->GetControlCount();
    if (nMine != pTheirs->GetControlCount())
        return FALSE;
    for (int i = 0; i < nMine; i++) {
        if (!pMine->GetControl(i)->Compare(pTheirs->GetControl(i)))
            return FALSE;
    }
    return TRUE;
}
