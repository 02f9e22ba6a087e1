#include "toolkit/report/columns/XTPReportColumns.h"

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"

CXTPReportColumns::CXTPReportColumns(CXTPReportControl* pControl)
    : m_pGroupsOrder(new CXTPReportColumnOrder(this)), m_pSortOrder(new CXTPReportColumnOrder(this)),
      m_pControl(pControl), m_pTreeColumn(nullptr)
{
}

CXTPReportColumns::~CXTPReportColumns()
{
    Clear();
    m_pGroupsOrder->InternalRelease();
    m_pSortOrder->InternalRelease();
}

void CXTPReportColumns::Add(CXTPReportColumn* pColumn)
{
    pColumn->m_pColumns = this;
    m_arrColumns.Add(pColumn);
    if (m_pControl && m_pControl->GetReportHeader())
        m_pControl->GetReportHeader()->OnColumnsChanged();
}

CXTPReportColumn* CXTPReportColumns::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrColumns.GetAt(nIndex) : nullptr;
}

int CXTPReportColumns::IndexOf(const CXTPReportColumn* pColumn) const
{
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        if (m_arrColumns[i] == pColumn)
            return i;
    }
    return -1;
}

CXTPReportColumn* CXTPReportColumns::Find(int nItemIndex) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (m_arrColumns[i]->GetItemIndex() == nItemIndex)
            return m_arrColumns[i];
    }
    return nullptr;
}

int CXTPReportColumns::GetVisibleColumnsCount() const
{
    int nCount = 0;
    for (int i = 0; i < GetCount(); ++i)
        nCount += m_arrColumns[i]->IsVisible() ? 1 : 0;
    return nCount;
}

CXTPReportColumn* CXTPReportColumns::GetVisibleAt(int nIndex) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (m_arrColumns[i]->IsVisible() && nIndex-- == 0)
            return m_arrColumns[i];
    }
    return nullptr;
}

CXTPReportColumn* CXTPReportColumns::GetFirstVisibleColumn() const
{
    return GetVisibleAt(0);
}

CXTPReportColumn* CXTPReportColumns::GetLastVisibleColumn() const
{
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        if (m_arrColumns[i]->IsVisible())
            return m_arrColumns[i];
    }
    return nullptr;
}

void CXTPReportColumns::GetVisibleColumns(CArray<CXTPReportColumn*, CXTPReportColumn*>& arrColumns) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        if (!m_arrColumns[i]->IsVisible())
            continue;
        m_arrColumns[i]->InternalAddRef();
        arrColumns.Add(m_arrColumns[i]);
    }
}

int CXTPReportColumns::ChangeColumnOrder(int nNewOrder, int nItemIndex)
{
    if (nNewOrder < 0 || nItemIndex < 0)
        return -1;
    if (nItemIndex >= GetCount() || nNewOrder == nItemIndex || !m_arrColumns[nItemIndex])
        return nNewOrder;
    CXTPReportColumn* pColumn = m_arrColumns[nItemIndex];
    m_arrColumns.RemoveAt(nItemIndex);
    if (nNewOrder > nItemIndex)
        --nNewOrder;
    // Never past the end: a gap would leave an empty slot.
    if (nNewOrder > GetCount())
        nNewOrder = GetCount();
    m_arrColumns.InsertAt(nNewOrder, pColumn);
    return nNewOrder;
}

void CXTPReportColumns::Clear()
{
    for (int i = GetCount() - 1; i >= 0; --i)
        m_arrColumns[i]->InternalRelease();
    m_arrColumns.RemoveAll();
    m_pGroupsOrder->Clear();
    m_pSortOrder->Clear();
    m_pTreeColumn = nullptr;
}

void CXTPReportColumns::ResetSortOrder()
{
    m_pSortOrder->Clear();
}

void CXTPReportColumns::SetSortColumn(CXTPReportColumn* pSortColumn, BOOL bIncreasing)
{
    ResetSortOrder();
    m_pSortOrder->Add(pSortColumn, bIncreasing);
}

void CXTPReportColumns::DoPropExchange(CXTPPropExchange* pPX)
{
    {
        CXTPPropExchangeEnumerator enumerator(pPX, L"Column");
        if (pPX->IsStoring())
        {
            POSITION pos = enumerator.GetPosition((DWORD)GetCount());
            for (int i = 0; i < GetCount() && pos; ++i)
            {
                CXTPPropExchange* pSection = enumerator.GetNext(pos);
                long nItemIndex = m_arrColumns[i]->GetItemIndex();
                XTPExchangeLong(pSection, L"ItemIndex", nItemIndex);
                m_arrColumns[i]->DoPropExchange(pSection);
                pSection->InternalRelease();
            }
        }
        else
        {
            POSITION pos = enumerator.GetPosition();
            int nPosition = 0;
            while (pos)
            {
                CXTPPropExchange* pSection = enumerator.GetNext(pos);
                long nItemIndex = -1;
                XTPExchangeLongWithDefault(pSection, L"ItemIndex", nItemIndex, -1);
                CXTPReportColumn* pColumn = Find((int)nItemIndex);
                if (!pColumn)
                {
                    pSection->InternalRelease();
                    AfxThrowArchiveException(CArchiveException::badIndex);
                }
                pColumn->DoPropExchange(pSection);
                pSection->InternalRelease();
                ChangeColumnOrder(nPosition++, IndexOf(pColumn));
            }
        }
    }
    CXTPPropExchange* pSection = pPX->GetSection(L"GroupsOrder");
    m_pGroupsOrder->DoPropExchange(pSection);
    pSection->InternalRelease();
    pSection = pPX->GetSection(L"SortOrder");
    m_pSortOrder->DoPropExchange(pSection);
    pSection->InternalRelease();
}
