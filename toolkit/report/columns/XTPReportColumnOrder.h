// An ordered list of columns of one collection (the group order or the
// sort order); the columns are not owned.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPPropExchange;

class CXTPReportColumnOrder : public CCmdTarget
{
public:
    explicit CXTPReportColumnOrder(CXTPReportColumns* pColumns);

    int GetCount() const { return (int)m_arrColumns.GetSize(); }
    CXTPReportColumn* GetAt(int nIndex) const;
    int IndexOf(const CXTPReportColumn* pColumn) const;
    int Add(CXTPReportColumn* pColumn);
    // Sets the column's sort direction first.
    int Add(CXTPReportColumn* pColumn, BOOL bSortIncreasing);
    // Moves a column already in the list; -1 for a negative index.
    int InsertAt(int nIndex, CXTPReportColumn* pColumn);
    void Remove(CXTPReportColumn* pColumn);
    void Clear();
    void DoPropExchange(CXTPPropExchange* pPX);

protected:
    CXTPReportColumns* m_pColumns;
    CArray<CXTPReportColumn*, CXTPReportColumn*> m_arrColumns;
};
