// A list of rows: the control's displayed rows, its top-level tree rows,
// and each row's children. The list holds one reference on each row.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportRows : public CCmdTarget
{
public:
    CXTPReportRows();
    ~CXTPReportRows() override;

    int GetCount() const;
    // In virtual mode the one virtual row, given the index asked for.
    CXTPReportRow* GetAt(int nIndex) const;
    // Appends and takes over the caller's reference; the row learns its
    // list and its position there.
    int Add(CXTPReportRow* pRow);
    void InsertAt(int nIndex, CXTPReportRow* pRow);
    void RemoveAt(int nIndex);
    // bResetRow marks each row as no longer displayed.
    void Clear(BOOL bResetRow = TRUE);
    CXTPReportRow* Find(CXTPReportRecord* pRecord) const;
    CXTPReportRow* GetNext(CXTPReportRow* pRow, BOOL bSkipGroupFocus) const;
    CXTPReportRow* GetPrev(CXTPReportRow* pRow, BOOL bSkipGroupFocus) const;
    void SetVirtualMode(CXTPReportRow* pRow, int nCount);
    // Sorts by the control's group order, then its sort order, keeping
    // record order among equals.
    void SortEx();

    static int CompareRows(const CXTPReportRow* pRow1, const CXTPReportRow* pRow2);

protected:
    CArray<CXTPReportRow*, CXTPReportRow*> m_arrRows;
    CXTPReportRow* m_pVirtualRow;
    int m_nVirtualRowsCount;
};
