#include "toolkit/report/rows/XTPReportRows.h"

#include <stdlib.h>

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"

CXTPReportRows::CXTPReportRows() : m_pVirtualRow(nullptr), m_nVirtualRowsCount(0)
{
}

CXTPReportRows::~CXTPReportRows()
{
    Clear(TRUE);
}

int CXTPReportRows::GetCount() const
{
    return m_pVirtualRow ? m_nVirtualRowsCount : (int)m_arrRows.GetSize();
}

CXTPReportRow* CXTPReportRows::GetAt(int nIndex) const
{
    if (m_pVirtualRow)
    {
        m_pVirtualRow->m_nIndex = nIndex;
        return m_pVirtualRow;
    }
    return nIndex >= 0 && nIndex < (int)m_arrRows.GetSize() ? m_arrRows.GetAt(nIndex) : nullptr;
}

int CXTPReportRows::Add(CXTPReportRow* pRow)
{
    const int nIndex = (int)m_arrRows.Add(pRow);
    pRow->m_pParentRows = this;
    pRow->m_nChildIndex = nIndex;
    return nIndex;
}

void CXTPReportRows::InsertAt(int nIndex, CXTPReportRow* pRow)
{
    m_arrRows.InsertAt(nIndex, pRow);
}

void CXTPReportRows::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_arrRows.GetSize())
        return;
    CXTPReportRow* pRow = m_arrRows.GetAt(nIndex);
    m_arrRows.RemoveAt(nIndex);
    pRow->InternalRelease();
}

void CXTPReportRows::Clear(BOOL bResetRow)
{
    for (int i = (int)m_arrRows.GetSize() - 1; i >= 0; --i)
    {
        CXTPReportRow* pRow = m_arrRows[i];
        if (bResetRow)
        {
            pRow->m_bVisible = FALSE;
            pRow->m_nIndex = -1;
        }
        pRow->InternalRelease();
    }
    m_arrRows.RemoveAll();
    if (m_pVirtualRow)
    {
        m_pVirtualRow->InternalRelease();
        m_pVirtualRow = nullptr;
    }
    m_nVirtualRowsCount = 0;
}

CXTPReportRow* CXTPReportRows::Find(CXTPReportRecord* pRecord) const
{
    for (INT_PTR i = 0; i < m_arrRows.GetSize(); ++i)
    {
        if (m_arrRows[i]->GetRecord() == pRecord)
            return m_arrRows[i];
    }
    return nullptr;
}

CXTPReportRow* CXTPReportRows::GetNext(CXTPReportRow* pRow, BOOL bSkipGroupFocus) const
{
    const int nCount = GetCount();
    if (!pRow)
        return nCount > 0 ? GetAt(0) : nullptr;
    int nIndex = pRow->GetIndex();
    if (nIndex < 0 || nIndex >= nCount - 1)
        return pRow;
    CXTPReportRow* pNext = GetAt(++nIndex);
    while (bSkipGroupFocus && pNext && pNext->IsGroupRow() && pNext->IsExpanded() && nIndex < nCount - 1)
        pNext = GetAt(++nIndex);
    return pNext ? pNext : pRow;
}

CXTPReportRow* CXTPReportRows::GetPrev(CXTPReportRow* pRow, BOOL bSkipGroupFocus) const
{
    if (!pRow)
        return GetCount() > 0 ? GetAt(0) : nullptr;
    int nIndex = pRow->GetIndex();
    if (nIndex <= 0 || nIndex >= GetCount())
        return pRow;
    CXTPReportRow* pPrev = GetAt(--nIndex);
    while (bSkipGroupFocus && pPrev && pPrev->IsGroupRow() && pPrev->IsExpanded() && nIndex > 0)
        pPrev = GetAt(--nIndex);
    return pPrev ? pPrev : pRow;
}

void CXTPReportRows::SetVirtualMode(CXTPReportRow* pRow, int nCount)
{
    if (pRow != m_pVirtualRow && m_pVirtualRow)
        m_pVirtualRow->InternalRelease();
    m_pVirtualRow = pRow;
    m_nVirtualRowsCount = nCount;
}

static int CompareItemsOf(CXTPReportColumnOrder* pOrder, CXTPReportRecord* pRecord1, CXTPReportRecord* pRecord2,
                          BOOL bGroups)
{
    for (int i = 0; i < pOrder->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = pOrder->GetAt(i);
        CXTPReportRecordItem* pItem1 = pRecord1->GetItem(pColumn);
        CXTPReportRecordItem* pItem2 = pRecord2->GetItem(pColumn);
        if (!pItem1 || !pItem2)
            continue;
        const int nResult = bGroups ? pItem1->CompareGroupCaption(pColumn, pItem2) : pItem1->Compare(pColumn, pItem2);
        if (nResult != 0)
            return pColumn->IsSortedIncreasing() ? nResult : -nResult;
    }
    return 0;
}

int CXTPReportRows::CompareRows(const CXTPReportRow* pRow1, const CXTPReportRow* pRow2)
{
    CXTPReportRecord* pRecord1 = pRow1->GetRecord();
    CXTPReportRecord* pRecord2 = pRow2->GetRecord();
    if (pRecord1 == pRecord2 || !pRecord1 || !pRecord2)
        return 0;
    CXTPReportColumns* pColumns = pRow1->GetControl()->GetColumns();
    int nResult = CompareItemsOf(pColumns->GetGroupsOrder(), pRecord1, pRecord2, TRUE);
    if (nResult == 0)
        nResult = CompareItemsOf(pColumns->GetSortOrder(), pRecord1, pRecord2, FALSE);
    if (nResult != 0)
        return nResult;
    return pRecord1->GetIndex() > pRecord2->GetIndex() ? 1 : -1;
}

static int __cdecl CompareRowPointers(const void* p1, const void* p2)
{
    return CXTPReportRows::CompareRows(*static_cast<CXTPReportRow* const*>(p1),
                                       *static_cast<CXTPReportRow* const*>(p2));
}

void CXTPReportRows::SortEx()
{
    if (m_arrRows.GetSize() > 1)
        qsort(m_arrRows.GetData(), (size_t)m_arrRows.GetSize(), sizeof(CXTPReportRow*), CompareRowPointers);
}
