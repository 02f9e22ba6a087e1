#include "toolkit/report/records/XTPReportRecords.h"

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/records/XTPReportRecord.h"

CXTPReportRecords::CXTPReportRecords(BOOL bArray)
    : m_pVirtualRecord(nullptr), m_nVirtualRecordsCount(0), m_bArray(bArray)
{
}

CXTPReportRecords::~CXTPReportRecords()
{
    RemoveAll();
    if (m_pVirtualRecord)
        m_pVirtualRecord->InternalRelease();
}

int CXTPReportRecords::GetCount() const
{
    return m_pVirtualRecord ? m_nVirtualRecordsCount : (int)m_arrRecords.GetSize();
}

CXTPReportRecord* CXTPReportRecords::GetAt(int nIndex) const
{
    if (m_pVirtualRecord)
    {
        m_pVirtualRecord->m_nIndex = nIndex;
        return m_pVirtualRecord;
    }
    return nIndex >= 0 && nIndex < (int)m_arrRecords.GetSize() ? m_arrRecords.GetAt(nIndex) : nullptr;
}

CXTPReportRecord* CXTPReportRecords::Add(CXTPReportRecord* pRecord)
{
    const int nIndex = (int)m_arrRecords.Add(pRecord);
    if (!m_bArray && pRecord)
    {
        pRecord->m_nIndex = nIndex;
        pRecord->m_pRecords = this;
    }
    return pRecord;
}

void CXTPReportRecords::InsertAt(int nIndex, CXTPReportRecord* pRecord)
{
    if (nIndex < 0)
        return;
    if (nIndex > (int)m_arrRecords.GetSize())
        nIndex = (int)m_arrRecords.GetSize();
    m_arrRecords.InsertAt(nIndex, pRecord);
    if (m_bArray)
        return;
    if (pRecord)
        pRecord->m_pRecords = this;
    UpdateIndexes(nIndex);
}

void CXTPReportRecords::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_arrRecords.GetSize())
        return;
    CXTPReportRecord* pRecord = m_arrRecords.GetAt(nIndex);
    m_arrRecords.RemoveAt(nIndex);
    if (m_bArray)
        return;
    UpdateIndexes(nIndex);
    if (pRecord)
    {
        pRecord->m_pRecords = nullptr;
        pRecord->m_nIndex = -1;
        pRecord->InternalRelease();
    }
}

void CXTPReportRecords::RemoveAll()
{
    if (!m_bArray)
    {
        for (int i = (int)m_arrRecords.GetSize() - 1; i >= 0; --i)
        {
            if (m_arrRecords[i])
                m_arrRecords[i]->InternalRelease();
        }
    }
    m_arrRecords.RemoveAll();
}

int CXTPReportRecords::UpdateIndexes(int nStart)
{
    const int nCount = (int)m_arrRecords.GetSize();
    for (int i = nStart < 0 ? 0 : nStart; i < nCount; ++i)
    {
        if (m_arrRecords[i])
            m_arrRecords[i]->m_nIndex = i;
    }
    return nCount;
}

void CXTPReportRecords::Move(int nIndex, CXTPReportRecords* pRecords)
{
    if (!pRecords || m_bArray)
        return;
    if (nIndex > (int)m_arrRecords.GetSize())
        nIndex = (int)m_arrRecords.GetSize();
    if (nIndex < 0)
        nIndex = 0;

    // Only records this collection owns; each once, in list order.
    CArray<CXTPReportRecord*, CXTPReportRecord*> arrMoved;
    for (int i = 0; i < pRecords->GetCount(); ++i)
    {
        CXTPReportRecord* pRecord = pRecords->GetAt(i);
        if (!pRecord || pRecord->m_pRecords != this)
            continue;
        BOOL bSeen = FALSE;
        for (INT_PTR j = 0; j < arrMoved.GetSize() && !bSeen; ++j)
            bSeen = arrMoved[j] == pRecord;
        if (!bSeen)
            arrMoved.Add(pRecord);
    }
    // Take them out from the back so earlier positions stay valid.
    UpdateIndexes(0);
    for (int i = (int)m_arrRecords.GetSize() - 1; i >= 0; --i)
    {
        CXTPReportRecord* pRecord = m_arrRecords[i];
        for (INT_PTR j = 0; j < arrMoved.GetSize(); ++j)
        {
            if (arrMoved[j] != pRecord)
                continue;
            if (i < nIndex)
                --nIndex;
            m_arrRecords.RemoveAt(i);
            break;
        }
    }
    for (INT_PTR j = 0; j < arrMoved.GetSize(); ++j)
        m_arrRecords.InsertAt(nIndex + j, arrMoved[j]);
    UpdateIndexes(0);
}

void CXTPReportRecords::SetVirtualMode(CXTPReportRecord* pVirtualRecord, int nCount)
{
    if (pVirtualRecord != m_pVirtualRecord)
    {
        if (m_pVirtualRecord)
            m_pVirtualRecord->InternalRelease();
        m_pVirtualRecord = pVirtualRecord;
    }
    m_nVirtualRecordsCount = nCount < 0 ? 0 : nCount;
}

void CXTPReportRecords::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPropExchangeEnumerator enumerator(pPX, L"Record");
    if (pPX->IsStoring())
    {
        const int nCount = (int)m_arrRecords.GetSize();
        POSITION pos = enumerator.GetPosition((DWORD)nCount);
        for (int i = 0; i < nCount && pos; ++i)
        {
            CXTPPropExchange* pSection = enumerator.GetNext(pos);
            CObject* pObject = m_arrRecords[i];
            const BOOL bStored = pObject && pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPReportRecord));
            if (bStored)
                m_arrRecords[i]->DoPropExchange(pSection);
            pSection->InternalRelease();
            if (!bStored)
                AfxThrowArchiveException(CArchiveException::badClass);
        }
        return;
    }
    RemoveAll();
    POSITION pos = enumerator.GetPosition();
    while (pos)
    {
        CXTPPropExchange* pSection = enumerator.GetNext(pos);
        CObject* pObject = nullptr;
        if (!pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPReportRecord)) || !pObject)
        {
            pSection->InternalRelease();
            delete pObject;
            AfxThrowArchiveException(CArchiveException::badClass);
        }
        CXTPReportRecord* pRecord = Add(static_cast<CXTPReportRecord*>(pObject));
        try
        {
            pRecord->DoPropExchange(pSection);
        }
        catch (...)
        {
            pSection->InternalRelease();
            throw;
        }
        pSection->InternalRelease();
    }
}
