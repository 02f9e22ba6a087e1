// An ordered collection of records. An owning collection numbers its
// records, tells them their owner and releases them when they leave; a
// references-only one (selection, clipboard and drag lists) keeps
// pointers only.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPPropExchange;

class CXTPReportRecords : public CCmdTarget
{
public:
    explicit CXTPReportRecords(BOOL bArray = FALSE);
    ~CXTPReportRecords() override;

    int GetCount() const;
    // In virtual mode the one virtual record, given the index asked for.
    CXTPReportRecord* GetAt(int nIndex) const;
    CXTPReportRecord* Add(CXTPReportRecord* pRecord);
    void InsertAt(int nIndex, CXTPReportRecord* pRecord);
    void RemoveAt(int nIndex);
    void RemoveAll();
    int UpdateIndexes(int nStart = 0);
    // Moves the records of the list that this collection owns to the
    // position, in list order.
    void Move(int nIndex, CXTPReportRecords* pRecords);
    void SetVirtualMode(CXTPReportRecord* pVirtualRecord, int nCount);
    BOOL IsVirtualMode() const { return m_pVirtualRecord != nullptr; }
    BOOL IsReferencesOnly() const { return m_bArray; }
    void DoPropExchange(CXTPPropExchange* pPX);

protected:
    CArray<CXTPReportRecord*, CXTPReportRecord*> m_arrRecords;
    CXTPReportRecord* m_pVirtualRecord;
    int m_nVirtualRecordsCount;
    BOOL m_bArray;
};
