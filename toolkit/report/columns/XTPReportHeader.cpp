#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportDestroyGuard.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CRgn.h"
#include "resources/ToolkitReportIds.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/columns/XTPReportColumnListBox.h"
#include "toolkit/report/columns/XTPReportHeaderDragWnd.h"
#include "toolkit/report/columns/XTPReportHeaderDropWnd.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"

namespace {

const int kDividerTolerance = 3;
const int kDragThreshold = 4;
const int kNoAutoSizeRoom = 32000;
const int kDragRemove = 1;
const int kDragOverHeader = 2;
const int kDragOverGroupBox = 4;
const int kDragOverList = 8;
const int kGroupByMargin = 15;

} // namespace

CXTPReportHeader::CXTPReportHeader(CXTPReportControl* pControl, CXTPReportColumns* pColumns)
    : m_pControl(pControl), m_pColumns(pColumns), m_nDropIndex(-1), m_pDropWnd(nullptr), m_pDragWnd(nullptr),
      m_hDontDropCursor(nullptr), m_hResizeCursor(nullptr), m_pTrackingColumn(nullptr),
      m_pHotTrackingColumn(nullptr), m_bDragHeader(FALSE), m_bDragGroupBox(FALSE), m_rcGroupBy(0, 0, 0, 0),
      m_rcHeader(0, 0, 0, 0), m_ptMouse(0, 0), m_ptLastMove(0, 0), m_bAllowColumnRemove(TRUE), m_bAllowColumnResize(TRUE),
      m_bAllowColumnReorder(TRUE), m_bAllowColumnSort(TRUE), m_bAutoColumnSizing(TRUE),
      m_nResizeCaptureRange(kDividerTolerance), m_bShowItemsInGroups(FALSE), m_nTotalWidth(0), m_nDragState(0),
      m_pColumnListBox(nullptr)
{
    m_hDontDropCursor = XTPGetResourceManager()->LoadCursor(IDC_REPORT_REMOVE_COLUMN);
    m_hResizeCursor = XTPGetResourceManager()->LoadCursor(IDC_REPORT_RESIZE_COLUMN);
}

CXTPReportHeader::~CXTPReportHeader()
{
    if (m_pDropWnd)
    {
        if (m_pDropWnd->GetSafeHwnd())
            m_pDropWnd->DestroyWindow();
        delete m_pDropWnd;
    }
    if (m_pDragWnd)
    {
        if (m_pDragWnd->GetSafeHwnd())
            m_pDragWnd->DestroyWindow();
        delete m_pDragWnd;
    }
}

int CXTPReportHeader::GetGroupByHeight() const
{
    const int nHeaderHeight = m_pControl->GetPaintManager()->GetFixedHeaderHeight();
    const int nStep = (nHeaderHeight - 3) / 2;
    const int nGroups = m_pColumns->GetGroupsOrder()->GetCount();
    return (nGroups + 1) * nStep + kGroupByMargin + (nGroups == 0 ? nStep : 0);
}

void CXTPReportHeader::SetAutoColumnSizing(BOOL bAutoColumnSizing)
{
    m_bAutoColumnSizing = bAutoColumnSizing;
    AdjustColumnsWidth(m_pControl->GetHeaderRect().Width());
    m_pControl->AdjustScrollBars();
    m_pControl->RedrawControl();
}

void CXTPReportHeader::AdjustColumnsWidth(int nTotalWidth, int nFirstIndex)
{
    const int nCount = m_pColumns->GetCount();
    if (m_bAutoColumnSizing)
    {
        int nIdealSum = 0;
        int nRemaining = nTotalWidth;
        CXTPReportColumn* pLastAuto = nullptr;
        for (int i = nFirstIndex; i < nCount; ++i)
        {
            CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
            if (!pColumn->IsVisible())
                continue;
            if (pColumn->IsAutoSize())
            {
                nIdealSum += pColumn->GetWidth();
                pLastAuto = pColumn;
            }
            else
            {
                pColumn->m_nColumnAutoWidth = pColumn->GetWidth();
                nRemaining -= pColumn->m_nColumnAutoWidth;
            }
        }
        if (pLastAuto && nRemaining >= 1)
        {
            for (int i = nFirstIndex; i < nCount; ++i)
            {
                CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
                if (!pColumn->IsVisible() || !pColumn->IsAutoSize())
                    continue;
                int nWidth;
                if (pColumn == pLastAuto)
                {
                    nWidth = nRemaining;
                }
                else
                {
                    nWidth = pColumn->GetWidth() * nRemaining / (nIdealSum < 1 ? 1 : nIdealSum);
                    nIdealSum -= pColumn->GetWidth();
                }
                if (nWidth < pColumn->GetMinWidth())
                    nWidth = pColumn->GetMinWidth();
                pColumn->m_nColumnAutoWidth = nWidth;
                nRemaining -= nWidth;
            }
        }
        m_nTotalWidth = m_pControl->GetHeaderRect().Width();
    }
    else
    {
        int nSum = 0;
        for (int i = 0; i < nCount; ++i)
        {
            CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
            if (!pColumn->IsVisible())
                continue;
            pColumn->m_nColumnAutoWidth = pColumn->GetWidth();
            nSum += pColumn->m_nColumnAutoWidth;
        }
        m_nTotalWidth = nSum > 0 ? nSum : nTotalWidth;
        m_pControl->AdjustScrollBars();
    }

    PlaceColumns();
    m_pControl->SendNotifyMessage(RN_COLUMNWIDTHS);
}

void CXTPReportHeader::PlaceColumns()
{
    // Spans relative to the header's left edge.
    const int nOffset = m_pControl->GetLeftOffset();
    const int nFrozen = m_pControl->GetFreezeColumnsCount();
    int x = 0;
    int nVisibleIndex = 0;
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
        if (!pColumn->IsVisible())
        {
            pColumn->m_rcColumn.SetRectEmpty();
            continue;
        }
        const int nShift = nVisibleIndex < nFrozen ? 0 : nOffset;
        pColumn->m_rcColumn.SetRect(x - nShift, m_rcHeader.top, x + pColumn->m_nColumnAutoWidth - nShift,
                                    m_rcHeader.bottom);
        x += pColumn->m_nColumnAutoWidth;
        ++nVisibleIndex;
    }
}

void CXTPReportHeader::OnColumnsChanged()
{
    AdjustColumnsWidth(m_pControl->GetHeaderRect().Width());
    if (!m_pControl->GetPaintManager()->IsFixedRowHeight())
        m_pControl->AdjustScrollBars();
    m_pControl->AdjustLayout();
    m_pControl->RedrawControl();
    m_pControl->SendNotifyMessage(RN_COLUMNSCHANGED);
}

BOOL CXTPReportHeader::IsLastVisibleColumn(CXTPReportColumn* pColumn) const
{
    return pColumn && m_pColumns->GetLastVisibleColumn() == pColumn;
}

BOOL CXTPReportHeader::IsLastResizebleColumn(CXTPReportColumn* pColumn) const
{
    for (int i = m_pColumns->GetCount() - 1; i >= 0; --i)
    {
        CXTPReportColumn* pCandidate = m_pColumns->GetAt(i);
        if (pCandidate->IsVisible() && pCandidate->IsResizable())
            return pCandidate == pColumn;
    }
    return FALSE;
}

CXTPReportColumn* CXTPReportHeader::GetNextVisibleColumn(CXTPReportColumn* pColumn, int nDirection) const
{
    const int nStep = nDirection < 0 ? -1 : 1;
    for (int i = m_pColumns->IndexOf(pColumn) + nStep; i >= 0 && i < m_pColumns->GetCount(); i += nStep)
    {
        if (m_pColumns->GetAt(i)->IsVisible())
            return m_pColumns->GetAt(i);
    }
    return nullptr;
}

void CXTPReportHeader::Draw(CDC* pDC, CRect rcHeader, int nLeftOffset)
{
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    m_rcHeader = rcHeader;
    pPaintManager->FillHeaderControl(pDC, rcHeader);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rcHeader);
    pDC->SelectClipRgn(&rgnClip);

    const int nVisible = m_pColumns->GetVisibleColumnsCount();
    const int nFrozen = m_pControl->GetFreezeColumnsCount() < nVisible ? m_pControl->GetFreezeColumnsCount() : nVisible;
    int nRight = rcHeader.left - nLeftOffset;
    for (int i = nVisible - 1; i >= 0; --i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        CRect rcColumn(rcHeader.left + pColumn->m_rcColumn.left, rcHeader.top,
                       rcHeader.left + pColumn->m_rcColumn.right, rcHeader.bottom);
        if (rcColumn.right > nRight)
            nRight = rcColumn.right;
        if (rcColumn.Width() > 0 && i >= nFrozen)
            pPaintManager->DrawColumn(pDC, pColumn, this, rcColumn);
    }
    for (int i = 0; i < nFrozen; ++i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        CRect rcColumn(rcHeader.left + pColumn->m_rcColumn.left, rcHeader.top,
                       rcHeader.left + pColumn->m_rcColumn.right, rcHeader.bottom);
        if (rcColumn.Width() > 0)
            pPaintManager->DrawColumn(pDC, pColumn, this, rcColumn);
    }
    if (nRight < rcHeader.right)
        pPaintManager->DrawColumn(pDC, nullptr, this, CRect(nRight, rcHeader.top, rcHeader.right, rcHeader.bottom));
    pDC->SelectClipRgn(nullptr);
}

void CXTPReportHeader::DrawFooter(CDC* pDC, CRect rcFooter, int /*nLeftOffset*/)
{
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    pPaintManager->FillFooter(pDC, rcFooter);
    const int nFrozen = m_pControl->GetFreezeColumnsCount();
    for (int i = m_pColumns->GetVisibleColumnsCount() - 1; i >= 0; --i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        CRect rcColumn(rcFooter.left + pColumn->m_rcColumn.left, rcFooter.top,
                       rcFooter.left + pColumn->m_rcColumn.right, rcFooter.bottom);
        if (i < nFrozen)
            pPaintManager->FillFooter(pDC, rcColumn);
        pPaintManager->DrawColumnFooter(pDC, pColumn, this, rcColumn);
    }
}

void CXTPReportHeader::DrawGroupByControl(CDC* pDC, CRect rcGroupBy)
{
    m_rcGroupBy = rcGroupBy;
    if (rcGroupBy.IsRectEmpty())
        return;
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    pPaintManager->FillGroupByControl(pDC, rcGroupBy);
    const int nItemHeight = pPaintManager->GetFixedHeaderHeight() - 3;
    const int nStep = nItemHeight / 2;
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetCaptionFont());
    CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
    int x = rcGroupBy.left + 9;
    int y = rcGroupBy.top + 7;
    for (int i = 0; i < pGroups->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = pGroups->GetAt(i);
        const int nWidth = pDC->GetTextExtent(pColumn->GetCaption()).cx + 50;
        CRect rcItem(x, y, x + nWidth, y + nItemHeight);
        pColumn->m_rcGroupBy = rcItem;
        pPaintManager->FillHeaderControl(pDC, rcItem);
        pPaintManager->DrawColumn(pDC, pColumn, this, rcItem, TRUE);
        if (i + 1 < pGroups->GetCount())
        {
            // The connector to the next item, one step lower.
            const int nLineX = rcItem.right - 5;
            pDC->FillSolidRect(nLineX, rcItem.bottom, 1, 4, RGB(0, 0, 0));
            pDC->FillSolidRect(nLineX, rcItem.bottom + 4, rcItem.right + 5 - nLineX, 1, RGB(0, 0, 0));
        }
        x = rcItem.right + 5;
        y += nStep;
    }
    if (pGroups->GetCount() == 0)
    {
        const CString& strHint = pPaintManager->m_strGroupByHint;
        int nWidth = pDC->GetTextExtent(strHint).cx + 8;
        if (nWidth < 55)
            nWidth = 55;
        CRect rcItem(x, y, x + nWidth, y + nItemHeight);
        pPaintManager->FillHeaderControl(pDC, rcItem);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strHint, rcItem, DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    }
    pDC->SelectObject(pOldFont);
}

void CXTPReportHeader::DoPropExchange(CXTPPropExchange* pPX)
{
    XTPExchangeBoolWithDefault(pPX, L"AllowColumnRemove", m_bAllowColumnRemove, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"AllowColumnResize", m_bAllowColumnResize, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"AllowColumnReorder", m_bAllowColumnReorder, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"AllowColumnSort", m_bAllowColumnSort, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"AutoColumnSizing", m_bAutoColumnSizing, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"ShowItemsInGroups", m_bShowItemsInGroups, TRUE);
}

// The column's place in the header in client coordinates.
CRect CXTPReportHeader::ColumnRect(CXTPReportColumn* pColumn) const
{
    return CRect(m_rcHeader.left + pColumn->m_rcColumn.left, m_rcHeader.top,
                 m_rcHeader.left + pColumn->m_rcColumn.right, m_rcHeader.bottom);
}

int CXTPReportHeader::VisibleIndexOf(CXTPReportColumn* pColumn) const
{
    for (int i = 0; i < m_pColumns->GetVisibleColumnsCount(); ++i)
    {
        if (m_pColumns->GetVisibleAt(i) == pColumn)
            return i;
    }
    return -1;
}

CXTPReportColumn* CXTPReportHeader::HitTest(CPoint ptPoint) const
{
    if (!m_rcHeader.PtInRect(ptPoint))
        return nullptr;
    for (int i = 0; i < m_pColumns->GetVisibleColumnsCount(); ++i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        const CRect rc = ColumnRect(pColumn);
        if (ptPoint.x >= rc.left && ptPoint.x < rc.right)
            return pColumn;
    }
    return nullptr;
}

CXTPReportColumn* CXTPReportHeader::DividerHitTest(CPoint ptPoint) const
{
    if (ptPoint.y < m_rcHeader.top || ptPoint.y >= m_rcHeader.bottom)
        return nullptr;
    for (int i = 0; i < m_pColumns->GetVisibleColumnsCount(); ++i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        const int nRight = ColumnRect(pColumn).right;
        if (abs(ptPoint.x - nRight) > m_nResizeCaptureRange)
            continue;
        if (!pColumn->IsResizable())
            continue;
        if (m_bAutoColumnSizing && (IsLastVisibleColumn(pColumn) || IsLastResizebleColumn(pColumn)))
            continue;
        return pColumn;
    }
    return nullptr;
}

int CXTPReportHeader::GroupByItemHeight() const
{
    return m_pControl->GetPaintManager()->GetFixedHeaderHeight() - 3;
}

CRect CXTPReportHeader::GroupByItemRect(int nIndex) const
{
    // Items step down and right like stairs; the rectangles are those drawn.
    CXTPReportColumn* pColumn = m_pColumns->GetGroupsOrder()->GetAt(nIndex);
    return pColumn ? pColumn->m_rcGroupBy : CRect(0, 0, 0, 0);
}

int CXTPReportHeader::FindGroupByColumn(CPoint ptPoint) const
{
    CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
    for (int i = 0; i < pGroups->GetCount(); ++i)
    {
        if (GroupByItemRect(i).PtInRect(ptPoint))
            return i;
    }
    return -1;
}

int CXTPReportHeader::FindGroupByInsertPosition(int x) const
{
    CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
    for (int i = 0; i < pGroups->GetCount(); ++i)
    {
        const CRect rc = GroupByItemRect(i);
        if (rc.right >= x)
            return x > rc.CenterPoint().x ? i + 1 : i;
    }
    return pGroups->GetCount();
}

int CXTPReportHeader::FindHeaderColumn(CPoint ptPoint) const
{
    // The visible position whose left edge is nearest to the point.
    const int nVisible = m_pColumns->GetVisibleColumnsCount();
    for (int i = 0; i < nVisible; ++i)
    {
        const CRect rc = ColumnRect(m_pColumns->GetVisibleAt(i));
        if (ptPoint.x < rc.CenterPoint().x)
            return i;
    }
    return nVisible;
}

void CXTPReportHeader::OnLButtonDown(CPoint ptClick)
{
    m_pControl->SetCapture();
    const int nMode = m_pControl->GetMouseMode();
    if (nMode == xtpReportMouseOverDivider)
    {
        CXTPReportColumn* pColumn = DividerHitTest(ptClick);
        m_pControl->SetMouseMode(xtpReportMouseIdle);
        if (pColumn && m_bAllowColumnResize)
            TrackResize(pColumn, ptClick);
        return;
    }
    if (nMode != xtpReportMouseIdle)
        return;
    m_pTrackingColumn = nullptr;
    if (m_rcHeader.PtInRect(ptClick))
    {
        m_pTrackingColumn = HitTest(ptClick);
        m_bDragHeader = m_pTrackingColumn != nullptr;
    }
    else if (m_rcGroupBy.PtInRect(ptClick))
    {
        m_pTrackingColumn = m_pColumns->GetGroupsOrder()->GetAt(FindGroupByColumn(ptClick));
        m_bDragGroupBox = m_pTrackingColumn != nullptr;
    }
    if (!m_pTrackingColumn)
    {
        if (::GetCapture() == m_pControl->GetSafeHwnd())
            ::ReleaseCapture();
        return;
    }
    m_ptMouse = m_ptLastMove = ptClick;
    m_pControl->SetMouseMode(xtpReportMouseColumnPressed);
    m_pControl->RedrawControl();
}

void CXTPReportHeader::TrackResize(CXTPReportColumn* pColumn, CPoint ptClick)
{
    CRect rcColumn = ColumnRect(pColumn);
    // The tracker is two pixels wide and the new width is taken at its
    // centre: its left edge may come one pixel short of the minimum.
    CRect rcAvail(rcColumn.left + pColumn->GetMinWidth() - 1, m_rcHeader.top, m_rcHeader.right + 32000,
                  m_pControl->GetReportRectangle().bottom);
    CRect rcTracker(rcColumn.right - 1, m_rcHeader.top, rcColumn.right + 1, m_pControl->GetReportRectangle().bottom);
    m_pControl->ClientToScreen(&rcAvail);
    m_pControl->ClientToScreen(&rcTracker);
    CPoint ptScreen(ptClick);
    m_pControl->ClientToScreen(&ptScreen);
    CXTPSplitterTracker tracker;
    if (!tracker.Track(m_pControl, rcAvail, rcTracker, ptScreen, TRUE))
        return;
    m_pControl->ScreenToClient(&rcTracker);
    const int nWidth = rcTracker.CenterPoint().x - rcColumn.left;
    if (nWidth != rcColumn.Width())
        ResizeColumn(pColumn, nWidth);
}

void CXTPReportHeader::ResizeColumn(CXTPReportColumn* pColumn, int nWidth)
{
    int nAmount = 0;
    int nNextIndex = -1;
    BOOL bAfter = FALSE;
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pCandidate = m_pColumns->GetAt(i);
        if (!pCandidate->IsVisible())
            continue;
        if (bAfter)
        {
            nAmount += pCandidate->m_nColumnAutoWidth;
            if (nNextIndex == -1)
                nNextIndex = i;
        }
        if (pCandidate == pColumn)
        {
            nAmount += pCandidate->m_nColumnAutoWidth - nWidth;
            pCandidate->m_nColumnAutoWidth = nWidth;
            bAfter = TRUE;
        }
    }
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pCandidate = m_pColumns->GetAt(i);
        if (pCandidate->IsVisible())
            pCandidate->m_nColumnStaticWidth = pCandidate->m_nColumnAutoWidth - (pCandidate->IsAutoSize() ? 0 : pCandidate->GetIndent());
    }
    if (m_bAutoColumnSizing && nNextIndex != -1)
        AdjustColumnsWidth(nAmount, nNextIndex);
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pCandidate = m_pColumns->GetAt(i);
        if (pCandidate->IsVisible())
            pCandidate->m_nColumnStaticWidth = pCandidate->m_nColumnAutoWidth - (pCandidate->IsAutoSize() ? 0 : pCandidate->GetIndent());
    }
    AdjustColumnsWidth(m_pControl->GetHeaderRect().Width());
    if (!m_pControl->GetPaintManager()->IsFixedRowHeight())
        m_pControl->AdjustScrollBars();
    m_pControl->RedrawControl();
}

void CXTPReportHeader::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    if (pPaintManager->m_bHotTracking)
    {
        CXTPReportColumn* pHot = HitTest(point);
        if (pHot != m_pHotTrackingColumn)
        {
            m_pHotTrackingColumn = pHot;
            m_pControl->RedrawControl();
            if (!::GetCapture())
                m_pControl->TrackMouseLeave();
        }
    }

    const int nMode = m_pControl->GetMouseMode();
    if (m_bAllowColumnResize && (nMode == xtpReportMouseIdle || nMode == xtpReportMouseOverDivider))
    {
        if (DividerHitTest(point))
        {
            if (nMode == xtpReportMouseIdle)
                ::SetCursor(m_hResizeCursor ? m_hResizeCursor : ::LoadCursor(nullptr, IDC_SIZEWE));
            m_pControl->SetMouseMode(xtpReportMouseOverDivider);
        }
        else if (nMode == xtpReportMouseOverDivider)
        {
            m_pControl->SetMouseMode(xtpReportMouseIdle);
        }
        return;
    }

    if (nMode == xtpReportMouseColumnPressed || nMode == xtpReportMouseColumnDragging)
        m_ptLastMove = point;
    if (nMode == xtpReportMouseColumnPressed)
    {
        CXTPReportColumn* pColumn = m_pTrackingColumn;
        const BOOL bCanMove = m_bAllowColumnReorder || (m_bAllowColumnRemove && pColumn->IsAllowRemove()) ||
                              m_pControl->IsGroupByVisible();
        if (!bCanMove || abs(point.x - m_ptMouse.x) + abs(point.y - m_ptMouse.y) < kDragThreshold)
            return;
        if (!pColumn->IsDraggable())
        {
            m_pTrackingColumn = nullptr;
            m_pControl->SetMouseMode(xtpReportMouseIdle);
            m_pControl->RedrawControl();
            return;
        }
        m_pControl->SetMouseMode(xtpReportMouseColumnDragging);
        m_nDragState = m_bDragHeader ? kDragOverHeader : kDragOverGroupBox;
        CRect rcDrag = m_bDragHeader ? ColumnRect(pColumn) : pColumn->m_rcGroupBy;
        m_pControl->ClientToScreen(&rcDrag);
        m_pDragWnd = new CXTPReportHeaderDragWnd();
        m_pDragWnd->Create(rcDrag, this, pPaintManager, pColumn);
        m_pControl->RedrawControl();
    }
    if (m_pControl->GetMouseMode() == xtpReportMouseColumnDragging)
        OnDragMove(point);
}

void CXTPReportHeader::OnDragMove(CPoint point)
{
    CXTPReportColumn* pColumn = m_pTrackingColumn;
    if (m_pDragWnd && m_pDragWnd->GetSafeHwnd())
    {
        CRect rcDrag;
        m_pDragWnd->GetWindowRect(rcDrag);
        CPoint ptScreen(point);
        m_pControl->ClientToScreen(&ptScreen);
        m_pDragWnd->SetWindowPos(&CWnd::wndTopMost, ptScreen.x - rcDrag.Width() / 2, ptScreen.y - rcDrag.Height() / 2, 0,
                                 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    CPoint ptScreen(point);
    m_pControl->ClientToScreen(&ptScreen);
    if (m_pColumnListBox && m_pColumnListBox->GetSafeHwnd() && m_pColumnListBox->IsWindowVisible())
    {
        CRect rcList;
        m_pColumnListBox->GetWindowRect(rcList);
        if (rcList.PtInRect(ptScreen))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            SetDropIndex(-1, FALSE);
            m_nDragState = kDragOverList;
            return;
        }
    }
    CRect rcArea(m_rcHeader);
    if (pColumn->IsGroupable() && !m_rcGroupBy.IsRectEmpty())
        rcArea.UnionRect(rcArea, m_rcGroupBy);
    CRect rcClient;
    m_pControl->GetClientRect(rcClient);
    rcArea.right = rcClient.right;
    if (!rcArea.PtInRect(point))
    {
        const BOOL bRemovable = m_bAllowColumnRemove && pColumn->IsAllowRemove();
        ::SetCursor(bRemovable && m_hDontDropCursor ? m_hDontDropCursor : ::LoadCursor(nullptr, IDC_ARROW));
        SetDropIndex(-1, FALSE);
        m_nDragState = kDragRemove;
        return;
    }
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    if (m_rcHeader.PtInRect(point) || !m_rcGroupBy.PtInRect(point))
    {
        m_nDragState = kDragOverHeader;
        SetDropIndex(!m_bAllowColumnReorder && m_bDragHeader ? -1 : FindHeaderColumn(point), TRUE);
    }
    else
    {
        m_nDragState = kDragOverGroupBox;
        SetDropIndex(FindGroupByInsertPosition(point.x), FALSE);
    }
}

void CXTPReportHeader::SetDropIndex(int nIndex, BOOL bHeader)
{
    m_nDropIndex = nIndex;
    CPoint ptMarker(0, 0);
    int nHeight = 0;
    BOOL bShow = nIndex >= 0;
    if (bShow && bHeader)
    {
        const int nVisible = m_pColumns->GetVisibleColumnsCount();
        const int nTracked = m_bDragHeader ? VisibleIndexOf(m_pTrackingColumn) : -1;
        // A drop beside itself would leave the column where it is.
        if (nTracked != -1 && (nIndex == nTracked || nIndex == nTracked + 1))
            bShow = FALSE;
        CXTPReportColumn* pAt = m_pColumns->GetVisibleAt(nIndex);
        const int x = pAt ? ColumnRect(pAt).left
                          : (nVisible > 0 ? ColumnRect(m_pColumns->GetVisibleAt(nVisible - 1)).right : m_rcHeader.left);
        ptMarker = CPoint(x, m_rcHeader.CenterPoint().y);
        nHeight = m_rcHeader.Height();
    }
    else if (bShow)
    {
        CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
        const int nTracked = m_bDragGroupBox ? pGroups->IndexOf(m_pTrackingColumn) : -1;
        if (nTracked != -1 && (nIndex == nTracked || nIndex == nTracked + 1))
            bShow = FALSE;
        const CRect rcItem = nIndex < pGroups->GetCount() ? GroupByItemRect(nIndex)
                             : pGroups->GetCount() > 0 ? GroupByItemRect(pGroups->GetCount() - 1)
                                                       : CRect(m_rcGroupBy.left + 9, m_rcGroupBy.top + 7,
                                                               m_rcGroupBy.left + 9, m_rcGroupBy.top + 7 + GroupByItemHeight());
        const int x = nIndex < pGroups->GetCount() ? rcItem.left - 2 : rcItem.right + 2;
        ptMarker = CPoint(x, rcItem.CenterPoint().y);
        nHeight = rcItem.Height();
    }
    if (!bShow)
    {
        if (m_pDropWnd && m_pDropWnd->GetSafeHwnd())
            m_pDropWnd->ShowWindow(SW_HIDE);
        return;
    }
    if (!m_pDropWnd)
        m_pDropWnd = new CXTPReportHeaderDropWnd(m_pControl->GetPaintManager()->m_clrDropMarker);
    if (!m_pDropWnd->GetSafeHwnd())
        m_pDropWnd->Create(nHeight);
    m_pControl->ClientToScreen(&ptMarker);
    m_pDropWnd->SetWindowPos(ptMarker.x, ptMarker.y);
}

void CXTPReportHeader::OnLButtonUp(UINT nFlags, CPoint ptClick)
{
    const int nMode = m_pControl->GetMouseMode();
    m_pControl->SetMouseMode(xtpReportMouseIdle);
    if (::GetCapture() == m_pControl->GetSafeHwnd())
        ::ReleaseCapture();
    CXTPReportColumn* pColumn = m_pTrackingColumn;
    CXTPReportDestroyGuard guard(m_pControl);
    if (nMode == xtpReportMouseColumnPressed && pColumn)
    {
        OnColumnClick(pColumn, nFlags, ptClick);
        if (guard.IsDestroyed())
            return;
    }
    else if (nMode == xtpReportMouseColumnDragging && pColumn)
        OnColumnDrop(pColumn, nFlags);
    m_bDragHeader = m_bDragGroupBox = FALSE;
    m_pTrackingColumn = nullptr;
    m_pControl->RedrawControl();
}

void CXTPReportHeader::OnColumnClick(CXTPReportColumn* pColumn, UINT nFlags, CPoint ptClick)
{
    const BOOL bFromHeader = m_bDragHeader;
    // The owner may remove the column or destroy the control while it
    // handles a notification: each send is followed by a check.
    CXTPReportControl* pControl = m_pControl;
    CXTPReportDestroyGuard guard(pControl);
    auto bGone = [&]() {
        return guard.IsDestroyed() || !pControl->GetSafeHwnd() || m_pColumns->IndexOf(pColumn) == -1;
    };
    if ((bFromHeader ? HitTest(ptClick) : m_pColumns->GetGroupsOrder()->GetAt(FindGroupByColumn(ptClick))) == pColumn)
    {
        pControl->SendMessageToParent(nullptr, nullptr, pColumn, NM_CLICK, &ptClick);
        if (bGone())
            return;
    }
    if (!pColumn->IsSortable() || !m_bAllowColumnSort)
        return;
    BOOL bGroupsChanged = FALSE;
    if (bFromHeader)
    {
        CXTPReportColumnOrder* pOrder = m_bShowItemsInGroups ? m_pColumns->GetGroupsOrder() : m_pColumns->GetSortOrder();
        const BOOL bListed = pOrder->IndexOf(pColumn) != -1;
        if (nFlags & MK_SHIFT)
        {
            if (bListed)
                pColumn->SetSortIncreasing(!pColumn->IsSortedIncreasing());
            else
                pOrder->Add(pColumn);
        }
        else
        {
            if (m_bShowItemsInGroups && !m_bAllowColumnRemove)
            {
                for (int i = 0; i < pOrder->GetCount(); ++i)
                    pOrder->GetAt(i)->m_bVisible = TRUE;
            }
            pOrder->Clear();
            pOrder->Add(pColumn);
            if (bListed)
                pColumn->SetSortIncreasing(!pColumn->IsSortedIncreasing());
        }
        bGroupsChanged = m_bShowItemsInGroups;
    }
    else
    {
        pColumn->SetSortIncreasing(!pColumn->IsSortedIncreasing());
    }
    pControl->SendNotifyMessage(RN_SORTCHANGING);
    if (guard.IsDestroyed() || !pControl->GetSafeHwnd())
        return;
    pControl->Populate();
    pControl->SendNotifyMessage(RN_SORTCHANGED);
    if (guard.IsDestroyed() || !pControl->GetSafeHwnd())
        return;
    if (bGroupsChanged)
        OnColumnsChanged();
}

void CXTPReportHeader::OnColumnDrop(CXTPReportColumn* pColumn, UINT nFlags)
{
    const BOOL bControl = (nFlags & MK_CONTROL) != 0;
    CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
    if (m_nDragState == kDragRemove || m_nDragState == kDragOverList)
    {
        if (m_bAllowColumnRemove && pColumn->IsAllowRemove())
        {
            if (m_bDragHeader)
            {
                pColumn->m_bVisible = FALSE;
            }
            else
            {
                pGroups->Remove(pColumn);
                m_pControl->Populate();
            }
        }
    }
    else if ((m_nDragState == kDragOverHeader || m_nDragState == kDragOverGroupBox) && m_nDropIndex >= 0)
    {
        if (m_nDragState == kDragOverHeader)
        {
            // The marker showed a place among visible columns: map it onto
            // the whole collection through the column that stands there.
            CXTPReportColumn* pAt = m_pColumns->GetVisibleAt(m_nDropIndex);
            CXTPReportColumn* pLast = m_pColumns->GetLastVisibleColumn();
            int nTarget = pAt ? m_pColumns->IndexOf(pAt) : (pLast ? m_pColumns->IndexOf(pLast) + 1 : 0);
            pColumn->m_bVisible = TRUE;
            m_pColumns->ChangeColumnOrder(nTarget, m_pColumns->IndexOf(pColumn));
            if (m_bDragGroupBox)
            {
                if (!bControl)
                    pGroups->Remove(pColumn);
                m_pControl->Populate();
            }
        }
        else
        {
            pGroups->InsertAt(m_nDropIndex, pColumn);
            if (m_bDragHeader && !bControl)
                pColumn->m_bVisible = FALSE;
            m_pControl->Populate();
        }
    }
    m_nDragState = 0;
    OnColumnsChanged();
    SetDropIndex(-1, FALSE);
    if (m_pDragWnd)
    {
        m_pDragWnd->DestroyWindow();
        delete m_pDragWnd;
        m_pDragWnd = nullptr;
    }
}

void CXTPReportHeader::EndPressWithLostRelease()
{
    const int nMode = m_pControl->GetMouseMode();
    if (nMode == xtpReportMouseColumnPressed || nMode == xtpReportMouseColumnDragging)
        OnLButtonUp(0, m_ptLastMove);
}

void CXTPReportHeader::CancelDrag()
{
    if (m_pControl->GetMouseMode() == xtpReportMouseIdle)
        return;
    m_pControl->SetMouseMode(xtpReportMouseIdle);
    m_pTrackingColumn = nullptr;
    SetDropIndex(-1, FALSE);
    if (m_pDragWnd)
    {
        m_pDragWnd->DestroyWindow();
        delete m_pDragWnd;
        m_pDragWnd = nullptr;
    }
    if (::GetCapture() == m_pControl->GetSafeHwnd())
        ::ReleaseCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    m_bDragHeader = m_bDragGroupBox = FALSE;
    m_nDragState = 0;
    m_pControl->RedrawControl();
}

void CXTPReportHeader::OnLButtonDblClk(CPoint ptDblClick)
{
    if (m_pControl->GetMouseMode() != xtpReportMouseOverDivider)
        return;
    CXTPReportColumn* pColumn = HitTest(CPoint(ptDblClick.x - m_nResizeCaptureRange - 1, ptDblClick.y));
    if (pColumn)
        BestFit(pColumn);
}

void CXTPReportHeader::BestFit(CXTPReportColumn* pColumn)
{
    if (!pColumn->IsResizable() || !m_bAllowColumnResize)
        return;
    if (m_bAutoColumnSizing && (IsLastVisibleColumn(pColumn) || IsLastResizebleColumn(pColumn)))
        return;
    int nRoom = kNoAutoSizeRoom;
    if (m_bAutoColumnSizing)
    {
        nRoom = m_rcHeader.Width() - pColumn->m_rcColumn.left;
        for (CXTPReportColumn* pNext = GetNextVisibleColumn(pColumn, 1); pNext; pNext = GetNextVisibleColumn(pNext, 1))
            nRoom -= pNext->GetMinWidth();
    }
    const int nBest = pColumn->GetBestFitWidth();
    const int nWidth = nBest < nRoom ? nBest : nRoom;
    if (nWidth > pColumn->GetMinWidth())
        ResizeColumn(pColumn, nWidth);
}

void CXTPReportHeader::OnContextMenu(CPoint ptClick)
{
    if (m_pControl->GetMouseMode() != xtpReportMouseIdle)
        return;
    CPoint ptClient(ptClick);
    m_pControl->ScreenToClient(&ptClient);
    CXTPReportColumn* pColumn = HitTest(ptClient);
    if (!pColumn)
        pColumn = m_pColumns->GetGroupsOrder()->GetAt(FindGroupByColumn(ptClient));
    if (pColumn)
        m_pControl->SendMessageToParent(nullptr, nullptr, pColumn, RN_HEADERRCLICK, &ptClick);
}

INT_PTR CXTPReportHeader::OnToolHitTest(CPoint point, TOOLINFO* pTI)
{
    CXTPReportColumn* pColumn = HitTest(point);
    if (!pColumn || !pTI)
        return -1;
    CString strTip = pColumn->GetTooltip();
    if (strTip.IsEmpty())
        strTip = pColumn->GetCaption();
    if (pColumn->IsSortable() && m_bAllowColumnSort)
        strTip = m_pControl->GetPaintManager()->m_strSortBy + pColumn->GetCaption();
    if (strTip.IsEmpty())
        return -1;
    const CRect rc = ColumnRect(pColumn);
    CXTPToolTipContext::FillInToolInfo(pTI, m_pControl->GetSafeHwnd(), rc.left, rc.top, rc.right, rc.bottom,
                                       (UINT)(UINT_PTR)pColumn, strTip);
    return (INT_PTR)pColumn;
}
