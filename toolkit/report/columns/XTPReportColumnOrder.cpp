#include "toolkit/report/columns/XTPReportColumnOrder.h"

#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"

namespace {

// More entries than any report has columns: the data is bad.
const long kMaxStoredEntries = 0xFFFF;

} // namespace

CXTPReportColumnOrder::CXTPReportColumnOrder(CXTPReportColumns* pColumns) : m_pColumns(pColumns)
{
}

CXTPReportColumn* CXTPReportColumnOrder::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrColumns.GetAt(nIndex) : nullptr;
}

int CXTPReportColumnOrder::IndexOf(const CXTPReportColumn* pColumn) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (m_arrColumns[i] == pColumn)
            return i;
    }
    return -1;
}

int CXTPReportColumnOrder::Add(CXTPReportColumn* pColumn)
{
    return (int)m_arrColumns.Add(pColumn);
}

int CXTPReportColumnOrder::Add(CXTPReportColumn* pColumn, BOOL bSortIncreasing)
{
    if (pColumn)
        pColumn->SetSortIncreasing(bSortIncreasing);
    return Add(pColumn);
}

int CXTPReportColumnOrder::InsertAt(int nIndex, CXTPReportColumn* pColumn)
{
    if (nIndex < 0)
        return -1;
    if (nIndex > GetCount())
        nIndex = GetCount();
    const int nOld = IndexOf(pColumn);
    if (nOld != -1)
    {
        if (nOld < nIndex)
            --nIndex;
        m_arrColumns.RemoveAt(nOld);
    }
    m_arrColumns.InsertAt(nIndex, pColumn);
    return nIndex;
}

void CXTPReportColumnOrder::Remove(CXTPReportColumn* pColumn)
{
    const int nIndex = IndexOf(pColumn);
    if (nIndex != -1)
        m_arrColumns.RemoveAt(nIndex);
}

void CXTPReportColumnOrder::Clear()
{
    m_arrColumns.RemoveAll();
}

void CXTPReportColumnOrder::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->IsStoring())
    {
        long nCount = GetCount();
        XTPExchangeLongWithDefault(pPX, L"Count", nCount, 0);
        for (int i = 0; i < GetCount(); ++i)
        {
            CString strName;
            strName.Format(L"Column%i", i);
            long nItemIndex = m_arrColumns[i]->GetItemIndex();
            XTPExchangeLongWithDefault(pPX, strName, nItemIndex, 0);
        }
        return;
    }
    Clear();
    long nCount = 0;
    XTPExchangeLongWithDefault(pPX, L"Count", nCount, 0);
    if (nCount > kMaxStoredEntries)
        return;
    // Back ends that leave out defaults may omit one entry: the column with
    // item index 0 appears once at most. A second missing entry ends the
    // list, as does an order that already holds every column.
    BOOL bMissingSeen = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        if (m_pColumns && GetCount() >= m_pColumns->GetCount())
            break;
        CString strName;
        strName.Format(L"Column%i", i);
        long nItemIndex = 0;
        if (!XTPExchangeLong(pPX, strName, nItemIndex))
        {
            if (bMissingSeen)
                break;
            bMissingSeen = TRUE;
            nItemIndex = 0;
        }
        // An entry naming no column, or one already listed, is left out.
        CXTPReportColumn* pColumn = m_pColumns ? m_pColumns->Find((int)nItemIndex) : nullptr;
        if (pColumn && IndexOf(pColumn) == -1)
            Add(pColumn);
    }
}
