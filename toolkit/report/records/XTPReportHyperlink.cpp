#include "toolkit/report/records/XTPReportHyperlink.h"

#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

CXTPReportHyperlink::CXTPReportHyperlink(int nHyperTextBegin, int nHyperTextLen)
    : m_rcHyperSpot(0, 0, 0, 0), m_nHyperTextBegin(nHyperTextBegin), m_nHyperTextLen(nHyperTextLen)
{
}

void CXTPReportHyperlink::DoPropExchange(CXTPPropExchange* pPX)
{
    XTPExchangeLong(pPX, L"HyperTextBegin", m_nHyperTextBegin);
    XTPExchangeLong(pPX, L"HyperTextLen", m_nHyperTextLen);
}

CXTPReportHyperlinks::~CXTPReportHyperlinks()
{
    RemoveAll();
}

CXTPReportHyperlink* CXTPReportHyperlinks::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? m_arrLinks.GetAt(nIndex) : nullptr;
}

int CXTPReportHyperlinks::Add(CXTPReportHyperlink* pHyperlink)
{
    return (int)m_arrLinks.Add(pHyperlink);
}

void CXTPReportHyperlinks::RemoveAll()
{
    for (int i = GetSize() - 1; i >= 0; --i)
    {
        if (m_arrLinks[i])
            m_arrLinks[i]->InternalRelease();
    }
    m_arrLinks.RemoveAll();
}

void CXTPReportHyperlinks::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPropExchangeEnumerator enumerator(pPX, L"Hyperlink");
    if (pPX->IsStoring())
    {
        DWORD nCount = 0;
        for (int i = 0; i < GetSize(); ++i)
            nCount += m_arrLinks[i] != nullptr;
        POSITION pos = enumerator.GetPosition(nCount);
        for (int i = 0; i < GetSize() && pos; ++i)
        {
            if (!m_arrLinks[i])
                continue;
            CXTPPropExchange* pSection = enumerator.GetNext(pos);
            m_arrLinks[i]->DoPropExchange(pSection);
            pSection->InternalRelease();
        }
        return;
    }
    RemoveAll();
    POSITION pos = enumerator.GetPosition();
    while (pos)
    {
        CXTPPropExchange* pSection = enumerator.GetNext(pos);
        CXTPReportHyperlink* pLink = new CXTPReportHyperlink(0, 0);
        pLink->DoPropExchange(pSection);
        pSection->InternalRelease();
        Add(pLink);
    }
}
