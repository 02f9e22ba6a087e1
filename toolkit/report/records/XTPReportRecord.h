// One data row of a report: its items (by item index), an optional
// preview item, optional child records and a few flags. Programs derive
// their own records from it.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPPropExchange;
class CXTPReportRecordItemPreview;

class CXTPReportRecord : public CCmdTarget
{
    DECLARE_SERIAL(CXTPReportRecord)

public:
    CXTPReportRecord();
    ~CXTPReportRecord() override;

    // Lets the record change one cell's font and colours before it is drawn.
    virtual void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    // TRUE hides the record from the rows whatever the filter text.
    virtual BOOL IsFiltered() const;
    virtual void DoPropExchange(CXTPPropExchange* pPX);

    // Takes over the caller's reference.
    CXTPReportRecordItem* AddItem(CXTPReportRecordItem* pItem);
    CXTPReportRecordItem* GetItem(CXTPReportColumn* pColumn) const;
    CXTPReportRecordItem* GetItem(int nIndex) const;
    int GetItemCount() const { return (int)m_arrItems.GetSize(); }
    // The position of the item in this record, -1 when absent.
    int IndexOf(const CXTPReportRecordItem* pItem) const;
    void RemoveAll();

    BOOL HasChildren() const;
    CXTPReportRecords* GetChilds();
    // Removes the record from its owner, which releases it.
    void Delete();

    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL IsLocked() const { return m_bLocked; }
    void SetLocked(BOOL bLocked) { m_bLocked = bLocked; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
    BOOL IsExpanded() const { return m_bExpanded; }
    void SetExpanded(BOOL bExpanded) { m_bExpanded = bExpanded; }
    int GetIndex() const { return m_nIndex; }
    CXTPReportRecords* GetRecords() const { return m_pRecords; }
    CXTPReportRecordItemPreview* GetItemPreview() const { return m_pPreviewItem; }
    // Takes over the caller's reference; releases the previous item.
    void SetPreviewItem(CXTPReportRecordItemPreview* pItemPreview);

protected:
    // Loading replaces the items but keeps the preview item.
    void RemoveAllItemsOnly();

public:
    CArray<CXTPReportRecordItem*, CXTPReportRecordItem*> m_arrItems;
    BOOL m_bVisible;
    BOOL m_bLocked;
    CXTPReportRecordItemPreview* m_pPreviewItem;
    CXTPReportRecords* m_pChildren;
    BOOL m_bExpanded;
    BOOL m_bEditable;
    int m_nIndex;
    CXTPReportRecords* m_pRecords;
};
