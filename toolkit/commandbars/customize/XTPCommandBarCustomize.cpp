// Controls dragged onto a bar in customize mode: the drop position, its
// marker and the drop itself.
#include <cstdlib>
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/colors/XTPColorManager.h"

namespace {

const int kMarkerSize = 6;
const int kUnmovedDrop = 5;
const DROPEFFECT kDropEffectKept = 5;

BOOL IsPopupType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

// A popup control dropped into the bar it opens, or into a bar below that,
// would make a bar that holds itself.
BOOL WouldContainItself(CXTPControl* pDataObject, const CXTPCommandBar* pTarget)
{
    if (!pDataObject || !IsPopupType(pDataObject->GetType()))
        return FALSE;
    CXTPCommandBar* pOpened = pDataObject->GetCommandBar();
    if (!pOpened)
        return FALSE;
    const CXTPCommandBar* pBar = pTarget;
    for (int nDepth = 0; pBar && nDepth < 64; nDepth++) {
        if (pBar == pOpened)
            return TRUE;
        pBar = pBar->GetParentCommandBar();
    }
    return FALSE;
}

// The dragged control's own say on the bar, asked as a drag over it asks.
BOOL AcceptsDrop(CXTPControl* pDataObject, CXTPCommandBar* pTarget, CPoint ptDrop)
{
    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    return pDataObject->IsCustomizeDragOverAvail(pTarget, ptDrop, dropEffect) && dropEffect != DROPEFFECT_NONE;
}

} // namespace

int CXTPCommandBar::CalcDropPosition(CXTPControl* pDataObject, CPoint point, CRect& rcMarker, BOOL& bAfter)
{
    BOOL bVertical = m_barPosition == xtpBarLeft || m_barPosition == xtpBarRight || m_barType == xtpBarTypePopup;
    m_bVerticalMarker = bVertical;
    CXTPClientRect rcClient(GetSafeHwnd());
    auto counts = [](CXTPControl* p) { return p->IsVisible() && p->IsCustomizeMovable(); };

    int nBest = -1, nBestDistance = 0;
    BOOL bFirstCounted = TRUE;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (!counts(pControl))
            continue;
        CRect rc = pControl->GetRect();
        int nCentre = bVertical ? rc.CenterPoint().y : rc.CenterPoint().x;
        int nDistance = std::abs((bVertical ? point.y : point.x) - nCentre);
        BOOL bRowStart = bFirstCounted || pControl->GetWrap();
        bFirstCounted = FALSE;
        if (bRowStart) {
            BOOL bBeyond = bVertical ? rc.left > point.x : rc.top > point.y;
            if (bBeyond && nBest != -1 && !bVertical)
                break;
            if (bVertical && nBest != -1 && rc.right < point.x)
                break;
            nBest = i;
            nBestDistance = nDistance;
        } else if (nDistance < nBestDistance) {
            nBest = i;
            nBestDistance = nDistance;
        }
    }
    if (nBest == -1) {
        rcMarker = CRect(rcClient.left + 2, rcClient.top + 2, rcClient.left + 8, rcClient.bottom - 2);
        bAfter = TRUE;
        return -1;
    }
    CXTPControl* pFound = GetControl(nBest);
    CRect rc = pFound->GetRect();
    int nCentre = bVertical ? rc.CenterPoint().y : rc.CenterPoint().x;
    bAfter = nCentre < (bVertical ? point.y : point.x);
    CXTPControl* pNext = nullptr;
    for (int i = nBest + 1; i < GetControlCount() && !pNext; i++)
        if (counts(GetControl(i)))
            pNext = GetControl(i);
    BOOL bContinuous = pNext && !pNext->GetWrap() && !pNext->GetBeginGroup();
    if (!bVertical) {
        int x = !bAfter ? rc.left : (bContinuous ? rc.right : rc.right - kMarkerSize);
        rcMarker = CRect(x, rc.top, x + kMarkerSize, rc.bottom);
    } else {
        int y = !bAfter ? rc.top : (bContinuous ? rc.bottom : rc.bottom - kMarkerSize);
        rcMarker = CRect(rc.left, y, rc.right, y + kMarkerSize);
    }
    if (pFound == pDataObject)
        rcMarker.SetRectEmpty();
    return nBest;
}

DROPEFFECT CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    return OnCustomizeDragOver(pDataObject, point);
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
    if (m_rcMarker.IsRectEmpty())
        return;
    m_rcMarker.SetRectEmpty();
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

DROPEFFECT CXTPCommandBar::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point)
{
    if (!IsCustomizable() || !GetSafeHwnd() || !::IsWindowVisible(GetSafeHwnd()))
        return DROPEFFECT_NONE;
    if (WouldContainItself(pDataObject, this))
        return DROPEFFECT_NONE;
    CRect rcMarker;
    BOOL bAfter = FALSE;
    CalcDropPosition(pDataObject, point, rcMarker, bAfter);
    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    CXTPControl* pOver = m_pControls->HitTest(point);
    if (pOver) {
        if (!GetParentCommandBar() && m_nPopuped != pOver->GetIndex())
            SetPopuped(-1);
        pOver->OnCustomizeDragOver(pDataObject, point);
    }
    if (pDataObject && pDataObject->IsCustomizeDragOverAvail(this, point, dropEffect)) {
        m_rcMarker = rcMarker;
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    }
    return dropEffect;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag)
{
    // A bar outside customization (a dialog bar) takes no controls, nor
    // does a bar the control refuses (list placeholders go only into menus).
    if (!pDataObject || !IsCustomizable() || WouldContainItself(pDataObject, this) ||
        !AcceptsDrop(pDataObject, this, ptDrop)) {
        dropEffect = DROPEFFECT_NONE;
        OnCustomizeDragLeave();
        return;
    }
    CRect rcMarker;
    BOOL bAfter = FALSE;
    int nIndex = CalcDropPosition(pDataObject, ptDrop, rcMarker, bAfter);
    CXTPControl* pFound = GetControl(nIndex);
    if (pFound && pFound == pDataObject) {
        if (std::abs(ptDrop.x - ptDrag.x) >= kUnmovedDrop || std::abs(ptDrop.y - ptDrag.y) >= kUnmovedDrop)
            pDataObject->SetBeginGroup(bAfter && pDataObject->GetIndex() > 0);
        dropEffect = kDropEffectKept;
    } else {
        if (bAfter)
            nIndex++;
        SetPopuped(-1);
        SetSelected(-1);
        CXTPControl* pBefore = nIndex >= 0 ? GetControl(nIndex) : nullptr;
        BOOL bTakeGroup = pBefore && pBefore->GetBeginGroup();
        if (bTakeGroup)
            pBefore->SetBeginGroup(FALSE);
        CXTPControl* pClone = m_pControls->AddClone(pDataObject, nIndex < 0 ? -1 : nIndex, FALSE);
        if (pClone) {
            pClone->SetBeginGroup(bTakeGroup);
            CXTPCommandBars* pCommandBars = GetCommandBars();
            if (pCommandBars)
                pCommandBars->SetCustomizeSelection(pClone);
        }
    }
    OnRecalcLayout();
    m_rcMarker.SetRectEmpty();
    if (GetSafeHwnd())
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

void CXTPCommandBar::DrawDropMarker(CDC* pDC)
{
    if (m_rcMarker.IsRectEmpty())
        return;
    CBrush brush;
    brush.CreateSolidBrush(XTPGetColorManager()->GetColor(COLOR_3DFACE));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CRect& rc = m_rcMarker;
    auto patch = [&](int x, int y, int cx, int cy) { pDC->PatBlt(x, y, cx, cy, PATINVERT); };
    if (!m_bVerticalMarker) {
        patch(rc.left, rc.top, rc.Width(), 1);
        patch(rc.left + 1, rc.top + 1, rc.Width() - 2, 1);
        patch(rc.left + 2, rc.top + 2, 2, rc.Height() - 4);
        patch(rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1);
        patch(rc.left, rc.bottom - 1, rc.Width(), 1);
    } else {
        patch(rc.left, rc.top, 1, rc.Height());
        patch(rc.left + 1, rc.top + 1, 1, rc.Height() - 2);
        patch(rc.left + 2, rc.top + 2, rc.Width() - 4, 2);
        patch(rc.right - 2, rc.top + 1, 1, rc.Height() - 2);
        patch(rc.right - 1, rc.top, 1, rc.Height());
    }
    pDC->SelectObject(pOldBrush);
}
