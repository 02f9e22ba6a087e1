#include "toolkit/report/records/XTPReportRecord.h"

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/records/XTPReportRecords.h"

IMPLEMENT_SERIAL(CXTPReportRecord, CCmdTarget, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

CXTPReportRecord::CXTPReportRecord()
    : m_bVisible(TRUE), m_bLocked(FALSE), m_pPreviewItem(nullptr), m_pChildren(nullptr), m_bExpanded(FALSE),
      m_bEditable(TRUE), m_nIndex(-1), m_pRecords(nullptr)
{
}

CXTPReportRecord::~CXTPReportRecord()
{
    RemoveAll();
    if (m_pChildren)
        m_pChildren->InternalRelease();
}

void CXTPReportRecord::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* /*pDrawArgs*/,
                                      XTP_REPORTRECORDITEM_METRICS* /*pMetrics*/)
{
}

BOOL CXTPReportRecord::IsFiltered() const
{
    return FALSE;
}

CXTPReportRecordItem* CXTPReportRecord::AddItem(CXTPReportRecordItem* pItem)
{
    m_arrItems.Add(pItem);
    if (pItem)
        pItem->m_pRecord = this;
    return pItem;
}

CXTPReportRecordItem* CXTPReportRecord::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems.GetAt(nIndex) : nullptr;
}

CXTPReportRecordItem* CXTPReportRecord::GetItem(CXTPReportColumn* pColumn) const
{
    return pColumn ? GetItem(pColumn->GetItemIndex()) : nullptr;
}

int CXTPReportRecord::IndexOf(const CXTPReportRecordItem* pItem) const
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (m_arrItems[i] == pItem)
            return i;
    }
    return -1;
}

void CXTPReportRecord::RemoveAll()
{
    RemoveAllItemsOnly();
    SetPreviewItem(nullptr);
}

void CXTPReportRecord::SetPreviewItem(CXTPReportRecordItemPreview* pItemPreview)
{
    if (pItemPreview == m_pPreviewItem)
        return;
    if (m_pPreviewItem)
        m_pPreviewItem->InternalRelease();
    m_pPreviewItem = pItemPreview;
    if (m_pPreviewItem)
        m_pPreviewItem->m_pRecord = this;
}

BOOL CXTPReportRecord::HasChildren() const
{
    return m_pChildren && m_pChildren->GetCount() > 0;
}

CXTPReportRecords* CXTPReportRecord::GetChilds()
{
    if (!m_pChildren)
        m_pChildren = new CXTPReportRecords();
    return m_pChildren;
}

void CXTPReportRecord::Delete()
{
    // A record kept only by reference lists has no owner to leave.
    if (m_pRecords && !m_pRecords->IsReferencesOnly())
        m_pRecords->RemoveAt(m_nIndex);
}

void CXTPReportRecord::DoPropExchange(CXTPPropExchange* pPX)
{
    XTPExchangeBool(pPX, L"Locked", m_bLocked);
    XTPExchangeBool(pPX, L"Editable", m_bEditable);
    BOOL bPreview = m_pPreviewItem != nullptr;
    XTPExchangeBool(pPX, L"Preview", bPreview);

    CXTPPropExchangeEnumerator enumerator(pPX, L"Item");
    if (pPX->IsStoring())
    {
        POSITION pos = enumerator.GetPosition((DWORD)GetItemCount());
        for (int i = 0; i < GetItemCount() && pos; ++i)
        {
            CXTPPropExchange* pSection = enumerator.GetNext(pos);
            CObject* pObject = m_arrItems[i];
            const BOOL bStored = pObject && pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPReportRecordItem));
            if (bStored)
                m_arrItems[i]->DoPropExchange(pSection);
            pSection->InternalRelease();
            if (!bStored)
                AfxThrowArchiveException(CArchiveException::badClass);
        }
    }
    else
    {
        RemoveAllItemsOnly();
        POSITION pos = enumerator.GetPosition();
        while (pos)
        {
            CXTPPropExchange* pSection = enumerator.GetNext(pos);
            CObject* pObject = nullptr;
            if (!pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPReportRecordItem)) || !pObject)
            {
                pSection->InternalRelease();
                delete pObject;
                AfxThrowArchiveException(CArchiveException::badClass);
            }
            CXTPReportRecordItem* pItem = static_cast<CXTPReportRecordItem*>(pObject);
            AddItem(pItem);
            pItem->DoPropExchange(pSection);
            pSection->InternalRelease();
        }
    }

    if (!bPreview)
        return;
    CXTPPropExchange* pSection = pPX->GetSection(L"PreviewItem");
    if (pPX->IsLoading())
        SetPreviewItem(nullptr);
    CObject* pObject = m_pPreviewItem;
    if (!pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPReportRecordItemPreview)) || !pObject)
    {
        pSection->InternalRelease();
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    if (pPX->IsLoading())
        SetPreviewItem(static_cast<CXTPReportRecordItemPreview*>(pObject));
    m_pPreviewItem->DoPropExchange(pSection);
    pSection->InternalRelease();
}

void CXTPReportRecord::RemoveAllItemsOnly()
{
    for (int i = GetItemCount() - 1; i >= 0; --i)
    {
        if (m_arrItems[i])
            m_arrItems[i]->InternalRelease();
    }
    m_arrItems.RemoveAll();
}
