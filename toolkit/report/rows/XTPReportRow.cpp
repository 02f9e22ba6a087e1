#include "toolkit/report/rows/XTPReportRow.h"

#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"
#include "toolkit/report/XTPReportTip.h"

CXTPReportRow::CXTPReportRow()
    : m_pRecord(nullptr), m_pControl(nullptr), m_nIndex(-1), m_rcRow(0, 0, 0, 0), m_rcCollapse(0, 0, 0, 0),
      m_pParentRow(nullptr), m_pParentRows(nullptr), m_nRowLevel(0), m_nGroupLevel(0), m_bVisible(FALSE),
      m_pChilds(nullptr), m_bExpanded(TRUE), m_nPreviewHeight(0), m_nChildIndex(-1)
{
}

CXTPReportRow::~CXTPReportRow()
{
    if (m_pChilds)
        m_pChilds->InternalRelease();
    if (m_pRecord)
        m_pRecord->InternalRelease();
}

void CXTPReportRow::InitRow(CXTPReportControl* pControl, CXTPReportRecord* pRecord)
{
    m_pControl = pControl;
    if (!pRecord)
        return;
    pRecord->InternalAddRef();
    if (m_pRecord)
        m_pRecord->InternalRelease();
    m_pRecord = pRecord;
    m_bExpanded = pRecord->IsExpanded();
}

void CXTPReportRow::CopyFrom(CXTPReportRow* pRow)
{
    if (pRow->m_pRecord)
        pRow->m_pRecord->InternalAddRef();
    if (m_pRecord)
        m_pRecord->InternalRelease();
    m_pRecord = pRow->m_pRecord;
    m_pControl = pRow->m_pControl;
    m_nIndex = pRow->m_nIndex;
    m_nRowLevel = pRow->m_nRowLevel;
    m_nGroupLevel = pRow->m_nGroupLevel;
    m_rcRow = pRow->m_rcRow;
    m_rcCollapse = pRow->m_rcCollapse;
    m_nPreviewHeight = pRow->m_nPreviewHeight;
}

CXTPReportRows* CXTPReportRow::GetChilds()
{
    if (!m_pChilds)
        m_pChilds = new CXTPReportRows();
    return m_pChilds;
}

BOOL CXTPReportRow::HasChildren() const
{
    return m_pChilds && m_pChilds->GetCount() > 0;
}

BOOL CXTPReportRow::HasParent(CXTPReportRow* pRow) const
{
    for (const CXTPReportRow* pParent = m_pParentRow; pParent; pParent = pParent->m_pParentRow)
    {
        if (pParent == pRow)
            return TRUE;
    }
    return FALSE;
}

BOOL CXTPReportRow::IsLastChild() const
{
    return m_pParentRow && m_pParentRow->m_pChilds &&
           m_pParentRow->m_pChilds->GetAt(m_pParentRow->m_pChilds->GetCount() - 1) == this;
}

BOOL CXTPReportRow::IsSelected() const
{
    return m_pControl && m_pControl->GetSelectedRows()->Contains(this);
}

BOOL CXTPReportRow::IsFocused() const
{
    return m_pControl && m_nIndex != -1 && m_pControl->m_nFocusedRow == m_nIndex;
}

BOOL CXTPReportRow::HasPreview() const
{
    return !IsGroupRow() && m_pRecord && m_pControl && m_pControl->GetPaintManager()->IsPreviewMode() &&
           m_pRecord->GetItemPreview();
}

BOOL CXTPReportRow::IsGroupRow() const
{
    return FALSE;
}

BOOL CXTPReportRow::IsShown() const
{
    return TRUE;
}

int CXTPReportRow::GetHeight(CDC* pDC, int nWidth)
{
    if (!IsGroupRow() && !IsShown())
        return 0;
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    int nHeight = pPaintManager->GetRowHeight(pDC, this, nWidth);
    if (pDC->IsPrinting())
        return nHeight;
    m_nPreviewHeight = 0;
    if (HasPreview())
    {
        m_nPreviewHeight = m_pRecord->GetItemPreview()->GetPreviewHeight(pDC, this, nWidth);
        nHeight += m_nPreviewHeight;
    }
    return nHeight;
}

// The span of a visible column in this row; the first one starts after
// the group indent. The row's rectangle is scrolled, as are the columns'.
static CRect ColumnSpan(const CXTPReportRow* pRow, CXTPReportColumn* pColumn, int nIndent)
{
    CRect rcRow = pRow->GetRect();
    const int nLeft = rcRow.left + pRow->GetControl()->GetLeftOffset();
    CRect rc(nLeft + pColumn->GetRect().left, rcRow.top, nLeft + pColumn->GetRect().right, rcRow.bottom);
    if (rc.left < rcRow.left + nIndent)
        rc.left = rcRow.left + nIndent;
    return rc;
}

CRect CXTPReportRow::GetItemRect(CXTPReportRecordItem* pItem)
{
    if (!IsShown() || !m_pRecord || !pItem)
        return CRect(0, 0, 0, 0);
    const int nIndent = m_pControl->GetIndent(m_pControl->GetColumns()->GetGroupsOrder()->GetCount());
    if (pItem->IsPreviewItem())
        return CRect(m_rcRow.left + nIndent, m_rcRow.bottom - m_nPreviewHeight, m_rcRow.right, m_rcRow.bottom);
    const int nItemIndex = m_pRecord->IndexOf(pItem);
    CXTPReportColumns* pColumns = m_pControl->GetColumns();
    for (int i = 0; i < pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = pColumns->GetAt(i);
        if (!pColumn->IsVisible() || pColumn->GetItemIndex() != nItemIndex)
            continue;
        CRect rc = ColumnSpan(this, pColumn, nIndent);
        rc.bottom -= m_nPreviewHeight;
        if (pColumn->IsTreeColumn())
        {
            const int nLevels = m_nRowLevel - m_nGroupLevel + (m_nRowLevel - m_nGroupLevel > 0 ? 1 : 0);
            const int nTreeIndent = m_pControl->GetPaintManager()->GetTreeIndent() * (nLevels - 1);
            rc.left += nTreeIndent > 0 ? nTreeIndent : 0;
            if (HasChildren())
                rc.left += m_pControl->GetPaintManager()->DrawGlyph(nullptr, rc, xtpReportGlyphCollapsed) + 1;
        }
        return rc;
    }
    return CRect(0, 0, 0, 0);
}

CXTPReportRecordItem* CXTPReportRow::HitTest(CPoint ptPoint, CRect* pRectItem, CXTPReportColumn** ppColumn)
{
    if (ppColumn)
        *ppColumn = nullptr;
    if (!m_pRecord || !m_rcRow.PtInRect(ptPoint))
        return nullptr;
    const int nIndent = m_pControl->GetIndent(m_pControl->GetColumns()->GetGroupsOrder()->GetCount());
    if (HasPreview() && ptPoint.y >= m_rcRow.bottom - m_nPreviewHeight && ptPoint.x >= m_rcRow.left + nIndent)
    {
        if (pRectItem)
            *pRectItem = CRect(m_rcRow.left + nIndent, m_rcRow.bottom - m_nPreviewHeight, m_rcRow.right,
                               m_rcRow.bottom);
        return m_pRecord->GetItemPreview();
    }
    CXTPReportColumns* pColumns = m_pControl->GetColumns();
    for (int i = 0; i < pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = pColumns->GetAt(i);
        if (!pColumn->IsVisible())
            continue;
        CRect rc = ColumnSpan(this, pColumn, nIndent);
        rc.bottom -= m_nPreviewHeight;
        if (!rc.PtInRect(ptPoint))
            continue;
        if (pRectItem)
            *pRectItem = rc;
        if (ppColumn)
            *ppColumn = pColumn;
        return m_pRecord->GetItem(pColumn);
    }
    return nullptr;
}

void CXTPReportRow::GetPlainItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                        XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    pMetrics->pFont = pPaintManager->GetTextFont();
    pMetrics->clrForeground = pPaintManager->m_clrWindowText;
    pMetrics->clrBackground = (COLORREF)-1;
    if (m_pRecord)
        m_pRecord->GetItemMetrics(pDrawArgs, pMetrics);
    if (pDrawArgs->pItem)
        pDrawArgs->pItem->GetItemMetrics(pDrawArgs, pMetrics);
    m_pControl->GetItemMetrics(pDrawArgs, pMetrics);
}

void CXTPReportRow::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    GetPlainItemMetrics(pDrawArgs, pMetrics);
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    const BOOL bPrinting = pDrawArgs->pDC && pDrawArgs->pDC->IsPrinting();
    if (!IsSelected() || bPrinting)
        return;
    if (IsFocused() && m_pControl->IsFocusSubItems() && pDrawArgs->pColumn &&
        pDrawArgs->pColumn == m_pControl->GetFocusedColumn())
        return;
    HWND hFocus = ::GetFocus();
    const BOOL bFocused = hFocus && (hFocus == m_pControl->GetSafeHwnd() || ::IsChild(m_pControl->GetSafeHwnd(), hFocus));
    if (bFocused)
    {
        pMetrics->clrForeground = pPaintManager->m_clrHighlightText;
        pMetrics->clrBackground = pPaintManager->m_clrHighlight;
    }
    else if (!pPaintManager->m_bHideSelection)
    {
        pMetrics->clrForeground = pPaintManager->m_clrBtnText;
        pMetrics->clrBackground = pPaintManager->m_clrBtnFace;
    }
}

void CXTPReportRow::FillMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem,
                                XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    FillCellMetrics(pColumn, pItem, pMetrics, TRUE);
}

void CXTPReportRow::FillEditingMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem,
                                       XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    FillCellMetrics(pColumn, pItem, pMetrics, FALSE);
}

void CXTPReportRow::FillCellMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem,
                                    XTP_REPORTRECORDITEM_METRICS* pMetrics, BOOL bSelectionColors)
{
    m_pControl->BeginUpdate();
    XTP_REPORTRECORDITEM_DRAWARGS drawArgs;
    drawArgs.pControl = m_pControl;
    drawArgs.pRow = this;
    drawArgs.pColumn = pColumn;
    drawArgs.pItem = pItem;
    drawArgs.rcItem = GetItemRect(pItem);
    if (bSelectionColors)
        GetItemMetrics(&drawArgs, pMetrics);
    else
        GetPlainItemMetrics(&drawArgs, pMetrics);
    m_pControl->m_nLockUpdateCount--;
}

void CXTPReportRow::Draw(CDC* pDC, CRect rcRow, int nLeftOffset)
{
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    CXTPReportColumns* pColumns = m_pControl->GetColumns();
    const CRect rcUnshifted(rcRow);
    m_rcRow = rcRow;
    m_rcRow.OffsetRect(-nLeftOffset, 0);
    pPaintManager->FillRow(pDC, m_rcRow);
    const int nIndent = m_pControl->GetIndent(pColumns->GetGroupsOrder()->GetCount());

    if (m_pRecord && IsShown())
    {
        // Scrolling columns from the last to the first, then the frozen ones
        // over them.
        const int nVisible = pColumns->GetVisibleColumnsCount();
        const int nFrozen = m_pControl->GetFreezeColumnsCount() < nVisible ? m_pControl->GetFreezeColumnsCount()
                                                                             : nVisible;
        for (int i = nVisible - 1; i >= nFrozen; --i)
            DrawCell(pDC, pColumns->GetVisibleAt(i), nIndent, rcUnshifted, FALSE);
        for (int i = 0; i < nFrozen; ++i)
            DrawCell(pDC, pColumns->GetVisibleAt(i), nIndent, rcUnshifted, TRUE);
    }

    if (HasPreview() && m_nPreviewHeight > 0)
    {
        XTP_REPORTRECORDITEM_DRAWARGS drawArgs;
        drawArgs.pDC = pDC;
        drawArgs.pControl = m_pControl;
        drawArgs.pRow = this;
        drawArgs.pItem = m_pRecord->GetItemPreview();
        drawArgs.rcItem.SetRect(m_rcRow.left + nIndent, m_rcRow.bottom - m_nPreviewHeight, m_rcRow.right,
                                m_rcRow.bottom);
        m_pRecord->GetItemPreview()->Draw(&drawArgs);
    }

    if (nIndent > 0)
        pPaintManager->FillIndent(pDC, CRect(m_rcRow.left, m_rcRow.top, m_rcRow.left + nIndent, m_rcRow.bottom));

    HWND hFocus = ::GetFocus();
    const BOOL bControlFocused =
        hFocus && (hFocus == m_pControl->GetSafeHwnd() || ::IsChild(m_pControl->GetSafeHwnd(), hFocus));
    if (IsFocused() && bControlFocused && !pDC->IsPrinting())
    {
        CRect rcFocus(m_rcRow.left + nIndent, m_rcRow.top, m_rcRow.right, m_rcRow.bottom);
        if (pPaintManager->GetHorizontalGridStyle() != xtpReportGridNone)
            rcFocus.bottom--;
        pPaintManager->DrawFocusedRow(pDC, rcFocus);
    }

    CRect rcGrid(m_rcRow);
    rcGrid.bottom--;
    CXTPReportRow* pNext = m_nIndex >= 0 ? m_pControl->GetRows()->GetAt(m_nIndex + 1) : nullptr;
    if (pNext && nIndent > 0)
    {
        const int nTreeLeft = pNext->GetTreeDepth() * pPaintManager->GetTreeIndent();
        rcGrid.left += nIndent < nTreeLeft ? nIndent : nTreeLeft;
    }
    pPaintManager->DrawGrid(pDC, FALSE, rcGrid);
}

void CXTPReportRow::DrawCell(CDC* pDC, CXTPReportColumn* pColumn, int nIndent, const CRect& rcClip, BOOL bFrozen)
{
    if (!pColumn)
        return;
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    CRect rcCell = ColumnSpan(this, pColumn, nIndent);
    rcCell.bottom -= m_nPreviewHeight;
    CRect rcVisible;
    if (!rcVisible.IntersectRect(rcCell, rcClip))
        return;
    // A frozen cell covers scrolled cells under it.
    if (bFrozen && m_pControl->GetLeftOffset() != 0)
        pDC->FillSolidRect(rcCell, pPaintManager->GetControlBackColor(m_pControl));
    if (pColumn->IsSorted())
        pPaintManager->FillItemShade(pDC, rcCell);
    if (CXTPReportRecordItem* pItem = m_pRecord->GetItem(pColumn))
    {
        XTP_REPORTRECORDITEM_DRAWARGS drawArgs;
        drawArgs.pDC = pDC;
        drawArgs.pControl = m_pControl;
        drawArgs.pRow = this;
        drawArgs.pColumn = pColumn;
        drawArgs.pItem = pItem;
        drawArgs.rcItem = rcCell;
        drawArgs.nTextAlign = pColumn->GetAlignment();
        const int nWidth = pItem->Draw(&drawArgs);
        if (nWidth > pColumn->m_nMaxItemWidth)
            pColumn->m_nMaxItemWidth = nWidth;
    }
    pPaintManager->DrawGrid(pDC, TRUE, rcCell);
}

void CXTPReportRow::SetExpanded(BOOL bExpanded)
{
    if (bExpanded == m_bExpanded || !HasChildren())
    {
        m_bExpanded = bExpanded;
        return;
    }
    // Stored first: expanding shows the descendants of an expanded row.
    m_bExpanded = bExpanded;
    if (bExpanded)
        m_pControl->ExpandRow(this);
    else
        m_pControl->CollapseRow(this);
    if (m_pRecord)
        m_pRecord->SetExpanded(bExpanded);
    m_pControl->UpdateRowIndexes();
    m_pControl->SendMessageToParent(this, nullptr, nullptr, RN_ROWEXPANDED, nullptr);
}

LRESULT CXTPReportRow::OnLButtonDown(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs)
{
    return m_pControl->SendMessageToParent(this, pClickArgs->pItem, pClickArgs->pColumn, RN_ITEMPRESS,
                                           &pClickArgs->ptClient);
}

BOOL CXTPReportRow::MakeClickArgs(CPoint ptClicked, XTP_REPORTRECORDITEM_CLICKARGS& clickArgs)
{
    clickArgs.pControl = m_pControl;
    clickArgs.pRow = this;
    clickArgs.ptClient = ptClicked;
    clickArgs.pItem = HitTest(ptClicked, &clickArgs.rcItem, &clickArgs.pColumn);
    return clickArgs.pItem != nullptr;
}

void CXTPReportRow::OnClick(CPoint ptClicked)
{
    XTP_REPORTRECORDITEM_CLICKARGS clickArgs;
    const BOOL bItem = MakeClickArgs(ptClicked, clickArgs);
    if (HasChildren() && m_rcCollapse.PtInRect(ptClicked) && clickArgs.pColumn && clickArgs.pColumn->IsTreeColumn())
    {
        SetExpanded(!IsExpanded());
        return;
    }
    if (!bItem)
        return;
    // The click may repopulate the control and free this row.
    InternalAddRef();
    clickArgs.pItem->OnClick(&clickArgs);
    InternalRelease();
}

void CXTPReportRow::OnDblClick(CPoint ptClicked)
{
    XTP_REPORTRECORDITEM_CLICKARGS clickArgs;
    if (!MakeClickArgs(ptClicked, clickArgs))
        return;
    InternalAddRef();
    clickArgs.pItem->OnDblClick(&clickArgs);
    InternalRelease();
}

void CXTPReportRow::OnMouseMove(UINT nFlags, CPoint point)
{
    CXTPReportRecordItem* pItem = HitTest(point);
    if (pItem)
        pItem->OnMouseMove(nFlags, point);
}

void CXTPReportRow::OnContextMenu(CPoint ptClick)
{
    CXTPReportColumn* pColumn = nullptr;
    CXTPReportRecordItem* pItem = HitTest(ptClick, nullptr, &pColumn);
    CPoint ptScreen(ptClick);
    m_pControl->ClientToScreen(&ptScreen);
    m_pControl->SendMessageToParent(this, pItem, pColumn, NM_RCLICK, &ptScreen);
}

INT_PTR CXTPReportRow::OnToolHitTest(CPoint point, TOOLINFO* pTI)
{
    CRect rcItem;
    CXTPReportRecordItem* pItem = HitTest(point, &rcItem);
    if (!pItem || pItem->GetTooltip().IsEmpty() || !pTI)
        return -1;
    CXTPToolTipContext::FillInToolInfo(pTI, m_pControl->GetSafeHwnd(), rcItem.left, rcItem.top, rcItem.right,
                                       rcItem.bottom, (UINT)(UINT_PTR)pItem, pItem->GetTooltip());
    return (INT_PTR)pItem;
}

void CXTPReportRow::SelectChildren()
{
    if (!m_pControl->IsMultipleSelection() || !IsExpanded() || !HasChildren() || m_nIndex == -1)
        return;
    CXTPReportRows* pRows = m_pControl->GetRows();
    int nLast = m_nIndex;
    for (int i = m_nIndex + 1; i < pRows->GetCount(); ++i)
    {
        CXTPReportRow* pRow = pRows->GetAt(i);
        if (!pRow || !pRow->HasParent(this))
            break;
        nLast = i;
    }
    if (nLast == m_nIndex)
        return;
    CXTPReportSelectedRows* pSelected = m_pControl->GetSelectedRows();
    for (int i = m_nIndex + 1; i <= nLast; ++i)
        pSelected->Add(pRows->GetAt(i));
}

void CXTPReportRow::ShowToolTip(CPoint ptTip, CXTPReportTip* pTipWnd)
{
    CXTPReportColumn* pColumn = nullptr;
    CXTPReportRecordItem* pItem = HitTest(ptTip, nullptr, &pColumn);
    if (!pItem || !pColumn || pItem->IsPreviewItem())
    {
        pTipWnd->m_pItem = nullptr;
        pTipWnd->m_nRowIndex = -1;
        return;
    }
    if (!m_pControl->IsWindowEnabled() || m_pControl->GetActiveItem())
        return;
    if (pTipWnd->m_pItem == pItem && pTipWnd->m_nRowIndex == m_nIndex)
        return;
    pTipWnd->m_pItem = pItem;
    pTipWnd->m_nRowIndex = m_nIndex;
    if (!pItem->GetTooltip().IsEmpty() || (pColumn->GetAlignment() & DT_WORDBREAK))
        return;

    XTP_REPORTRECORDITEM_METRICS metrics;
    metrics.strText = pItem->GetCaption(pColumn);
    FillMetrics(pColumn, pItem, &metrics);
    if (metrics.strText.IsEmpty())
        return;

    XTP_REPORTRECORDITEM_ARGS args(m_pControl, this, pColumn);
    CRect rcCaption(args.rcItem);
    pItem->GetCaptionRect(&args, rcCaption);
    m_pControl->ClientToScreen(&rcCaption);
    if (!pTipWnd->GetSafeHwnd())
        pTipWnd->Create(m_pControl);

    CClientDC dc(m_pControl);
    CFont* pOldFont = metrics.pFont ? dc.SelectObject(metrics.pFont) : nullptr;
    const int nWidth = dc.GetTextExtent(metrics.strText).cx;
    if (pOldFont)
        dc.SelectObject(pOldFont);
    if (nWidth <= rcCaption.Width() - 4)
        return;

    rcCaption.left--;
    rcCaption.top--;
    pTipWnd->SetFont(metrics.pFont);
    pTipWnd->SetTooltipText(metrics.strText);
    pTipWnd->SetHoverRect(rcCaption);
    pTipWnd->Activate(TRUE);
    m_pControl->TrackMouseLeave();
}
