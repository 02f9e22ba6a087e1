#include "toolkit/report/columns/XTPReportColumn.h"

#include "framework/gdi/CClientDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"

namespace {

const int kDefaultMinWidth = 10;
const int kCaptionPadding = 6;
const int kSortGlyphRoom = 27;

int Mirrored(int nAlignment)
{
    return (nAlignment & DT_RIGHT) ? (nAlignment & ~DT_RIGHT) : (nAlignment | DT_RIGHT);
}

} // namespace

CXTPReportColumn::CXTPReportColumn(int nItemIndex, LPCTSTR strName, int nWidth, BOOL bAutoSize, int nIconID,
                                   BOOL bSortable, BOOL bVisible)
    : m_strName(strName), m_nItemIndex(nItemIndex), m_bSortIncreasing(TRUE), m_bSortable(bSortable),
      m_bGroupable(TRUE), m_bDrag(TRUE), m_bAllowRemove(TRUE), m_pColumns(nullptr), m_nIconID(nIconID),
      m_bVisible(bVisible), m_bFilterable(TRUE), m_bAutoSize(bAutoSize), m_rcColumn(0, 0, 0, 0), m_rcGroupBy(0, 0, 0, 0),
      m_nMinWidth(kDefaultMinWidth), m_nMaxItemWidth(0), m_nAlignment(DT_LEFT), m_nHeaderAlignment(-1),
      m_nFooterAlignment(-1), m_nColumnAutoWidth(nWidth), m_nColumnStaticWidth(nWidth), m_bIsResizable(bAutoSize),
      m_bShowInFieldChooser(TRUE), m_bLastFlag(TRUE), m_pEditOptions(new CXTPReportRecordItemEditOptions()),
      m_bEditable(TRUE)
{
}

CXTPReportColumn::~CXTPReportColumn()
{
    m_pEditOptions->InternalRelease();
}

static CXTPReportPaintManager* PaintManagerOf(const CXTPReportColumn* pColumn)
{
    CXTPReportControl* pControl = pColumn->GetControl();
    return pControl ? pControl->GetPaintManager() : nullptr;
}

int CXTPReportColumn::GetAlignment() const
{
    CXTPReportPaintManager* pPaintManager = PaintManagerOf(this);
    return pPaintManager && pPaintManager->m_bRevertAlignment ? Mirrored(m_nAlignment) : m_nAlignment;
}

int CXTPReportColumn::GetHeaderAlignment() const
{
    if (m_nHeaderAlignment != -1)
        return m_nHeaderAlignment;
    CXTPReportPaintManager* pPaintManager = PaintManagerOf(this);
    if (pPaintManager && pPaintManager->m_bColumnAlignmentForHeaders)
        return GetAlignment();
    return pPaintManager && pPaintManager->m_bRevertAlignment ? Mirrored(DT_LEFT) : DT_LEFT;
}

int CXTPReportColumn::GetFooterAlignment() const
{
    if (m_nFooterAlignment != -1)
        return m_nFooterAlignment;
    CXTPReportPaintManager* pPaintManager = PaintManagerOf(this);
    if (pPaintManager && pPaintManager->m_bColumnAlignmentForHeaders)
        return GetAlignment();
    return pPaintManager && pPaintManager->m_bRevertAlignment ? Mirrored(DT_LEFT) : DT_LEFT;
}

int CXTPReportColumn::GetIconAlignment() const
{
    const int nAlignment = GetAlignment();
    if (nAlignment & DT_CENTER)
        return DT_CENTER;
    if (nAlignment & DT_RIGHT)
        return DT_RIGHT;
    return DT_LEFT;
}

int CXTPReportColumn::GetIndex() const
{
    return m_pColumns ? m_pColumns->IndexOf(this) : -1;
}

CXTPReportControl* CXTPReportColumn::GetControl() const
{
    return m_pColumns ? m_pColumns->GetReportControl() : nullptr;
}

BOOL CXTPReportColumn::IsSorted() const
{
    return m_pColumns && m_pColumns->GetSortOrder()->IndexOf(this) != -1;
}

BOOL CXTPReportColumn::IsSortedOrGrouped() const
{
    return m_pColumns && (IsSorted() || m_pColumns->GetGroupsOrder()->IndexOf(this) != -1);
}

BOOL CXTPReportColumn::IsTreeColumn() const
{
    return m_pColumns && m_pColumns->GetTreeColumn() == this;
}

void CXTPReportColumn::SetVisible(BOOL bVisible)
{
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    CXTPReportControl* pControl = GetControl();
    if (pControl && pControl->GetReportHeader())
        pControl->GetReportHeader()->OnColumnsChanged();
}

int CXTPReportColumn::GetIndent() const
{
    CXTPReportControl* pControl = GetControl();
    if (!pControl || m_pColumns->GetFirstVisibleColumn() != this)
        return 0;
    return pControl->GetIndent(m_pColumns->GetGroupsOrder()->GetCount());
}

int CXTPReportColumn::GetWidth() const
{
    return m_nColumnStaticWidth + (m_bAutoSize ? 0 : GetIndent());
}

int CXTPReportColumn::SetWidth(int nNewWidth)
{
    const int nOld = m_nColumnStaticWidth;
    m_nColumnStaticWidth = m_nColumnAutoWidth = nNewWidth;
    return nOld;
}

int CXTPReportColumn::GetMinWidth() const
{
    if (!m_bAutoSize && !m_bIsResizable)
        return m_nColumnStaticWidth + GetIndent();
    return m_nMinWidth + GetIndent();
}

int CXTPReportColumn::GetBestFitWidth()
{
    int nWidth = kCaptionPadding;
    CXTPReportControl* pControl = GetControl();
    if (pControl && pControl->GetSafeHwnd())
    {
        CClientDC dc(pControl);
        CFont* pOldFont = dc.SelectObject(pControl->GetPaintManager()->GetCaptionFont());
        nWidth += dc.GetTextExtent(m_strName).cx;
        dc.SelectObject(pOldFont);
        if (m_nIconID != -1)
            nWidth += pControl->GetPaintManager()->DrawBitmap(nullptr, pControl, m_rcColumn, m_nIconID) + 1;
    }
    if (IsSortedOrGrouped())
        nWidth += kSortGlyphRoom;
    return nWidth > m_nMaxItemWidth ? nWidth : m_nMaxItemWidth;
}

int CXTPReportColumn::GetDistributedWidth(int nTotalWidth) const
{
    if (!m_pColumns || !m_bVisible || m_pColumns->IndexOf(this) == -1)
        return 0;
    int nSum = 0;
    int nRoom = nTotalWidth;
    const CXTPReportColumn* pLastResizable = nullptr;
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        const CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
        if (!pColumn->IsVisible())
            continue;
        if (pColumn->IsResizable())
        {
            nSum += pColumn->GetWidth();
            pLastResizable = pColumn;
        }
        else
        {
            nRoom -= pColumn->GetWidth();
        }
    }
    for (int i = 0; i < m_pColumns->GetCount(); ++i)
    {
        const CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
        if (!pColumn->IsVisible())
            continue;
        int nWidth;
        if (!pColumn->IsResizable())
        {
            nWidth = pColumn->GetWidth();
        }
        else if (pColumn == pLastResizable)
        {
            nWidth = nRoom > pColumn->GetMinWidth() ? nRoom : pColumn->GetMinWidth();
        }
        else
        {
            nWidth = pColumn->GetWidth() * nRoom / (nSum < 1 ? 1 : nSum);
            if (nWidth < pColumn->GetMinWidth())
                nWidth = pColumn->GetMinWidth();
            nRoom -= nWidth;
            nSum -= pColumn->GetWidth();
        }
        if (pColumn == this)
            return nWidth;
    }
    return 0;
}

void CXTPReportColumn::DoPropExchange(CXTPPropExchange* pPX)
{
    XTPExchangeBoolWithDefault(pPX, L"SortIncreasing", m_bSortIncreasing, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"Visible", m_bVisible, TRUE);
    XTPExchangeLongWithDefault(pPX, L"Alignment", m_nAlignment, 0);
    if (pPX->IsLoading())
        m_nAlignment = AlignmentBits(m_nAlignment);
    XTPExchangeLongWithDefault(pPX, L"StaticWidth", m_nColumnStaticWidth, 0);
    XTPExchangeLongWithDefault(pPX, L"AutoWidth", m_nColumnAutoWidth, 0);
}
