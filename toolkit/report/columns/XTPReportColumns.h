// The columns of a report in display order (owned), with the group order
// and the sort order that populate uses and the header edits.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/columns/XTPReportColumnOrder.h"

class CXTPPropExchange;

class CXTPReportColumns : public CCmdTarget
{
public:
    explicit CXTPReportColumns(CXTPReportControl* pControl);
    ~CXTPReportColumns() override;

    // Takes over the caller's reference.
    void Add(CXTPReportColumn* pColumn);
    int GetCount() const { return (int)m_arrColumns.GetSize(); }
    CXTPReportColumn* GetAt(int nIndex) const;
    int IndexOf(const CXTPReportColumn* pColumn) const;
    CXTPReportColumn* Find(int nItemIndex) const;
    int GetVisibleColumnsCount() const;
    CXTPReportColumn* GetVisibleAt(int nIndex) const;
    CXTPReportColumn* GetFirstVisibleColumn() const;
    CXTPReportColumn* GetLastVisibleColumn() const;
    // Appends every visible column to the list, adding a reference to each.
    void GetVisibleColumns(CArray<CXTPReportColumn*, CXTPReportColumn*>& arrColumns) const;
    // Returns the final position, -1 for a negative index.
    int ChangeColumnOrder(int nNewOrder, int nItemIndex);
    void Clear();
    void ResetSortOrder();
    void SetSortColumn(CXTPReportColumn* pSortColumn, BOOL bIncreasing);
    CXTPReportColumnOrder* GetGroupsOrder() const { return m_pGroupsOrder; }
    CXTPReportColumnOrder* GetSortOrder() const { return m_pSortOrder; }
    CXTPReportControl* GetReportControl() const { return m_pControl; }
    CXTPReportColumn* GetTreeColumn() const { return m_pTreeColumn; }
    void SetTreeColumn(CXTPReportColumn* pColumn) { m_pTreeColumn = pColumn; }
    void DoPropExchange(CXTPPropExchange* pPX);

protected:
    CXTPReportColumnOrder* m_pGroupsOrder;
    CXTPReportColumnOrder* m_pSortOrder;
    CArray<CXTPReportColumn*, CXTPReportColumn*> m_arrColumns;
    CXTPReportControl* m_pControl;
    CXTPReportColumn* m_pTreeColumn;
};
