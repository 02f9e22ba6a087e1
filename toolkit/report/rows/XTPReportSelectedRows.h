// The selection of a report control: sorted, disjoint, non-touching blocks
// of displayed-row indexes (begin, end one past the last).
#pragma once
#include "framework/collections/CArray.h"
#include "framework/collections/CollectionHelpers.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportSelectedRows : public CCmdTarget
{
public:
    struct SELECTED_BLOCK
    {
        int nIndexBegin;
        int nIndexEnd;
    };

    explicit CXTPReportSelectedRows(CXTPReportControl* pControl);

    void Clear();
    void Add(CXTPReportRow* pRow);
    void Remove(CXTPReportRow* pRow);
    void Select(CXTPReportRow* pRow);
    void SelectBlock(int nBlockBegin, int nBlockEnd);
    BOOL Contains(const CXTPReportRow* pRow) const;
    void Invert(CXTPReportRow* pRow);
    int GetCount() const;
    POSITION GetFirstSelectedRowPosition();
    CXTPReportRow* GetNextSelectedRow(POSITION& pos);
    CXTPReportRow* GetAt(int nIndex) const;
    void OnRowsRemoved(int nIndex, int nCount);
    void OnRowsInserted(int nIndex, int nCount);

    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged = TRUE) { m_bChanged = bChanged; }
    int GetBlockCount() const { return (int)m_arrSelectedBlocks.GetSize(); }
    SELECTED_BLOCK GetBlock(int nIndex) const { return m_arrSelectedBlocks.GetAt(nIndex); }

protected:
    void AddBlock(int nIndexBegin, int nIndexLast);
    // Joins blocks that touch or overlap after an adjustment.
    void MergeBlocks();
    CXTPReportRow* GetDisplayedRow(int nIndex) const;

    CXTPReportControl* m_pControl;
    int m_nRowBlockBegin;
    int m_nPosSelected;
    CArray<SELECTED_BLOCK, const SELECTED_BLOCK&> m_arrSelectedBlocks;
    BOOL m_bChanged;
};
