#include "toolkit/report/XTPReportHeader.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CRgn.h"
#include "toolkit/report/XTPReportColumn.h"
#include "toolkit/report/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"

namespace {

const int kDividerTolerance = 3;
const int kGroupByMargin = 15;

} // namespace

CXTPReportHeader::CXTPReportHeader(CXTPReportControl* pControl, CXTPReportColumns* pColumns)
    : m_pControl(pControl), m_pColumns(pColumns), m_nDropIndex(-1), m_pDropWnd(nullptr), m_pDragWnd(nullptr),
      m_hDontDropCursor(nullptr), m_hResizeCursor(nullptr), m_pTrackingColumn(nullptr),
      m_pHotTrackingColumn(nullptr), m_bDragHeader(FALSE), m_bDragGroupBox(FALSE), m_rcGroupBy(0, 0, 0, 0),
      m_rcHeader(0, 0, 0, 0), m_ptMouse(0, 0), m_bAllowColumnRemove(TRUE), m_bAllowColumnResize(TRUE),
      m_bAllowColumnReorder(TRUE), m_bAllowColumnSort(TRUE), m_bAutoColumnSizing(TRUE),
      m_nResizeCaptureRange(kDividerTolerance), m_bShowItemsInGroups(FALSE), m_nTotalWidth(0), m_nDragState(0)
{
}

CXTPReportHeader::~CXTPReportHeader() = default;

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

    // Column spans relative to the header's left edge, unscrolled.
    int x = 0;
    for (int i = 0; i < nCount; ++i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
        if (!pColumn->IsVisible())
        {
            pColumn->m_rcColumn.SetRectEmpty();
            continue;
        }
        pColumn->m_rcColumn.SetRect(x, m_rcHeader.top, x + pColumn->m_nColumnAutoWidth, m_rcHeader.bottom);
        x += pColumn->m_nColumnAutoWidth;
    }
    m_pControl->SendNotifyMessage(RN_COLUMNWIDTHS);
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
        const int nShift = i < nFrozen ? 0 : nLeftOffset;
        CRect rcColumn(rcHeader.left + pColumn->m_rcColumn.left - nShift, rcHeader.top,
                       rcHeader.left + pColumn->m_rcColumn.right - nShift, rcHeader.bottom);
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

void CXTPReportHeader::DrawFooter(CDC* pDC, CRect rcFooter, int nLeftOffset)
{
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    pPaintManager->FillFooter(pDC, rcFooter);
    const int nFrozen = m_pControl->GetFreezeColumnsCount();
    for (int i = m_pColumns->GetVisibleColumnsCount() - 1; i >= 0; --i)
    {
        CXTPReportColumn* pColumn = m_pColumns->GetVisibleAt(i);
        const int nShift = i < nFrozen ? 0 : nLeftOffset;
        CRect rcColumn(rcFooter.left + pColumn->m_rcColumn.left - nShift, rcFooter.top,
                       rcFooter.left + pColumn->m_rcColumn.right - nShift, rcFooter.bottom);
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
