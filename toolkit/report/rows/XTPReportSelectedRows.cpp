#include "toolkit/report/rows/XTPReportSelectedRows.h"

#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/rows/XTPReportRow.h"

CXTPReportSelectedRows::CXTPReportSelectedRows(CXTPReportControl* pControl)
    : m_pControl(pControl), m_nRowBlockBegin(-1), m_nPosSelected(0), m_bChanged(FALSE)
{
}

CXTPReportRow* CXTPReportSelectedRows::GetDisplayedRow(int nIndex) const
{
    return m_pControl ? m_pControl->GetRows()->GetAt(nIndex) : nullptr;
}

void CXTPReportSelectedRows::Clear()
{
    if (m_arrSelectedBlocks.GetSize() > 0)
        m_bChanged = TRUE;
    m_arrSelectedBlocks.RemoveAll();
    m_nRowBlockBegin = -1;
    if (m_pControl)
        m_pControl->RedrawControl();
}

void CXTPReportSelectedRows::AddBlock(int nIndexBegin, int nIndexLast)
{
    const int nIndexEnd = nIndexLast + 1;
    const int nCount = (int)m_arrSelectedBlocks.GetSize();
    // Every path that changes the blocks marks the selection changed.
    m_bChanged = TRUE;
    if (m_pControl)
        m_pControl->RedrawControl();
    if (nCount == 0)
    {
        m_arrSelectedBlocks.Add({nIndexBegin, nIndexEnd});
        return;
    }
    SELECTED_BLOCK& last = m_arrSelectedBlocks[nCount - 1];
    if (last.nIndexEnd == nIndexBegin)
    {
        last.nIndexEnd = nIndexEnd;
        return;
    }
    if (last.nIndexEnd < nIndexBegin)
    {
        m_arrSelectedBlocks.Add({nIndexBegin, nIndexEnd});
        return;
    }
    for (int i = 0; i < nCount; ++i)
    {
        SELECTED_BLOCK& block = m_arrSelectedBlocks[i];
        if (block.nIndexBegin <= nIndexBegin && block.nIndexEnd > nIndexLast)
            return;
        if (block.nIndexEnd == nIndexBegin)
        {
            block.nIndexEnd = nIndexEnd;
            MergeBlocks();
            return;
        }
        if (block.nIndexBegin == nIndexEnd)
        {
            block.nIndexBegin = nIndexBegin;
            MergeBlocks();
            return;
        }
        if (block.nIndexBegin > nIndexLast)
        {
            m_arrSelectedBlocks.InsertAt(i, SELECTED_BLOCK{nIndexBegin, nIndexEnd});
            MergeBlocks();
            return;
        }
    }
    m_arrSelectedBlocks.Add({nIndexBegin, nIndexEnd});
    MergeBlocks();
}

void CXTPReportSelectedRows::MergeBlocks()
{
    for (INT_PTR i = m_arrSelectedBlocks.GetSize() - 1; i > 0; --i)
    {
        SELECTED_BLOCK& prev = m_arrSelectedBlocks[i - 1];
        const SELECTED_BLOCK block = m_arrSelectedBlocks[i];
        if (block.nIndexBegin > prev.nIndexEnd)
            continue;
        if (block.nIndexBegin < prev.nIndexBegin)
            prev.nIndexBegin = block.nIndexBegin;
        if (block.nIndexEnd > prev.nIndexEnd)
            prev.nIndexEnd = block.nIndexEnd;
        m_arrSelectedBlocks.RemoveAt(i);
    }
}

void CXTPReportSelectedRows::Add(CXTPReportRow* pRow)
{
    if (!pRow || pRow->GetIndex() == -1)
        return;
    AddBlock(pRow->GetIndex(), pRow->GetIndex());
}

void CXTPReportSelectedRows::Remove(CXTPReportRow* pRow)
{
    if (!pRow)
        return;
    const int nIndex = pRow->GetIndex();
    for (int i = 0; i < (int)m_arrSelectedBlocks.GetSize(); ++i)
    {
        const SELECTED_BLOCK block = m_arrSelectedBlocks[i];
        if (block.nIndexBegin > nIndex || nIndex >= block.nIndexEnd)
            continue;
        m_arrSelectedBlocks.RemoveAt(i);
        if (nIndex + 1 < block.nIndexEnd)
            m_arrSelectedBlocks.InsertAt(i, SELECTED_BLOCK{nIndex + 1, block.nIndexEnd});
        if (block.nIndexBegin != nIndex)
            m_arrSelectedBlocks.InsertAt(i, SELECTED_BLOCK{block.nIndexBegin, nIndex});
        m_bChanged = TRUE;
        if (m_pControl)
            m_pControl->RedrawControl();
        return;
    }
}

void CXTPReportSelectedRows::Select(CXTPReportRow* pRow)
{
    if (!pRow)
        return;
    if (m_arrSelectedBlocks.GetSize() == 1 && m_arrSelectedBlocks[0].nIndexBegin == pRow->GetIndex() &&
        m_arrSelectedBlocks[0].nIndexEnd == pRow->GetIndex() + 1)
        return;
    Clear();
    Add(pRow);
    m_bChanged = TRUE;
}

void CXTPReportSelectedRows::SelectBlock(int nBlockBegin, int nBlockEnd)
{
    const int nPivot = m_nRowBlockBegin != -1 ? m_nRowBlockBegin : nBlockBegin;
    if (nPivot == -1 || nBlockEnd == -1)
        return;
    const int nLow = nPivot < nBlockEnd ? nPivot : nBlockEnd;
    const int nHigh = nPivot < nBlockEnd ? nBlockEnd : nPivot;
    if (m_arrSelectedBlocks.GetSize() == 1 && m_arrSelectedBlocks[0].nIndexBegin == nLow &&
        m_arrSelectedBlocks[0].nIndexEnd == nHigh + 1)
        return;
    Clear();
    m_nRowBlockBegin = nPivot;
    const BOOL bGrouped = m_pControl && m_pControl->GetColumns()->GetGroupsOrder()->GetCount() > 0 &&
                          m_pControl->IsSkipGroupsFocusEnabled();
    if (!bGrouped)
    {
        AddBlock(nLow, nHigh);
        return;
    }
    for (int i = nLow; i <= nHigh; ++i)
    {
        CXTPReportRow* pRow = GetDisplayedRow(i);
        if (!pRow)
            continue;
        if (pRow->IsGroupRow() && pRow->IsExpanded() && i != nLow && i != nHigh)
            continue;
        Add(pRow);
    }
}

BOOL CXTPReportSelectedRows::Contains(const CXTPReportRow* pRow) const
{
    const int nCount = (int)m_arrSelectedBlocks.GetSize();
    if (!pRow || nCount == 0)
        return FALSE;
    const int nIndex = pRow->GetIndex();
    if (nIndex < m_arrSelectedBlocks[0].nIndexBegin || nIndex >= m_arrSelectedBlocks[nCount - 1].nIndexEnd)
        return FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        if (m_arrSelectedBlocks[i].nIndexBegin <= nIndex && nIndex < m_arrSelectedBlocks[i].nIndexEnd)
            return TRUE;
    }
    return FALSE;
}

void CXTPReportSelectedRows::Invert(CXTPReportRow* pRow)
{
    if (Contains(pRow))
        Remove(pRow);
    else
        Add(pRow);
    m_bChanged = TRUE;
    m_nRowBlockBegin = -1;
}

int CXTPReportSelectedRows::GetCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrSelectedBlocks.GetSize(); ++i)
        nCount += m_arrSelectedBlocks[i].nIndexEnd - m_arrSelectedBlocks[i].nIndexBegin;
    return nCount;
}

POSITION CXTPReportSelectedRows::GetFirstSelectedRowPosition()
{
    m_nPosSelected = 0;
    if (m_arrSelectedBlocks.GetSize() == 0)
        return nullptr;
    return (POSITION)(INT_PTR)(m_arrSelectedBlocks[0].nIndexBegin + 1);
}

CXTPReportRow* CXTPReportSelectedRows::GetNextSelectedRow(POSITION& pos)
{
    const int nIndex = (int)(INT_PTR)pos - 1;
    CXTPReportRow* pRow = GetDisplayedRow(nIndex);
    if (m_nPosSelected < (int)m_arrSelectedBlocks.GetSize() &&
        nIndex + 1 < m_arrSelectedBlocks[m_nPosSelected].nIndexEnd)
    {
        pos = (POSITION)(INT_PTR)(nIndex + 2);
    }
    else if (m_nPosSelected + 1 < (int)m_arrSelectedBlocks.GetSize())
    {
        ++m_nPosSelected;
        pos = (POSITION)(INT_PTR)(m_arrSelectedBlocks[m_nPosSelected].nIndexBegin + 1);
    }
    else
    {
        pos = nullptr;
    }
    return pRow;
}

CXTPReportRow* CXTPReportSelectedRows::GetAt(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    for (INT_PTR i = 0; i < m_arrSelectedBlocks.GetSize(); ++i)
    {
        const int nSize = m_arrSelectedBlocks[i].nIndexEnd - m_arrSelectedBlocks[i].nIndexBegin;
        if (nIndex < nSize)
            return GetDisplayedRow(m_arrSelectedBlocks[i].nIndexBegin + nIndex);
        nIndex -= nSize;
    }
    return nullptr;
}

void CXTPReportSelectedRows::OnRowsRemoved(int nIndex, int nCount)
{
    if (nCount <= 0)
        return;
    const int nSelectedBefore = GetCount();
    for (int i = (int)m_arrSelectedBlocks.GetSize() - 1; i >= 0; --i)
    {
        SELECTED_BLOCK& block = m_arrSelectedBlocks[i];
        if (block.nIndexBegin <= nIndex && block.nIndexEnd > nIndex + 1)
        {
            // Rows before the collapsed one stay selected.
            const int nEnd = block.nIndexEnd - nCount;
            block.nIndexEnd = nEnd > nIndex + 1 ? nEnd : nIndex + 1;
        }
        else if (block.nIndexBegin > nIndex + nCount)
        {
            block.nIndexBegin -= nCount;
            block.nIndexEnd -= nCount;
        }
        else if (block.nIndexEnd < nIndex)
        {
            break;
        }
        else if (block.nIndexBegin > nIndex)
        {
            const int nEnd = block.nIndexEnd - nCount;
            block.nIndexBegin = nIndex;
            block.nIndexEnd = nEnd > nIndex + 1 ? nEnd : nIndex + 1;
        }
    }
    MergeBlocks();
    // Hidden rows that were selected leave the selection.
    if (GetCount() != nSelectedBefore)
        m_bChanged = TRUE;
}

void CXTPReportSelectedRows::OnRowsInserted(int nIndex, int nCount)
{
    if (nCount <= 0)
        return;
    for (int i = (int)m_arrSelectedBlocks.GetSize() - 1; i >= 0; --i)
    {
        SELECTED_BLOCK& block = m_arrSelectedBlocks[i];
        if (block.nIndexBegin <= nIndex)
        {
            if (block.nIndexEnd > nIndex + 1)
            {
                const SELECTED_BLOCK tail = {nIndex + nCount + 1, block.nIndexEnd + nCount};
                block.nIndexEnd = nIndex + 1;
                m_arrSelectedBlocks.InsertAt(i + 1, tail);
            }
            else if (block.nIndexEnd < nIndex)
            {
                break;
            }
        }
        else
        {
            block.nIndexBegin += nCount;
            block.nIndexEnd += nCount;
        }
    }
}
