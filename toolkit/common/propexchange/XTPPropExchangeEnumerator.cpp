#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

#include "toolkit/common/propexchange/XTPPropExchange.h"

CXTPPropExchangeEnumerator::CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR lpszSection)
    : m_pContainer(pContainer), m_strSectionName(lpszSection), m_nCount(0)
{
}

CXTPPropExchangeEnumerator::~CXTPPropExchangeEnumerator() = default;

POSITION CXTPPropExchangeEnumerator::GetPosition(DWORD dwCount, BOOL bCompactMode)
{
    m_nCount = dwCount;
    if (!bCompactMode)
    {
        long nCount = (long)m_nCount;
        long nDefault = 0;
        m_pContainer->ExchangeProp(L"Count", VT_I4, &nCount, &nDefault);
        m_nCount = nCount < 0 ? 0 : (DWORD)nCount;
    }
    else if (m_pContainer->IsLoading())
    {
        m_nCount = m_pContainer->ReadCount();
    }
    else
    {
        m_pContainer->WriteCount(m_nCount);
    }
    if (m_pContainer->IsLoading() && m_nCount > 0)
        m_nCount = m_pContainer->CountStoredSections(m_strSectionName, m_nCount);
    return m_nCount > 0 ? (POSITION)1 : nullptr;
}

CXTPPropExchange* CXTPPropExchangeEnumerator::GetNext(POSITION& pos)
{
    const DWORD nIndex = (DWORD)(DWORD_PTR)pos - 1;
    CXTPPropExchange* pSection = m_pContainer->GetSection(GetItemSectionName(m_strSectionName, nIndex));

    const DWORD nNext = nIndex + 2;
    pos = nNext > m_nCount ? nullptr : (POSITION)(DWORD_PTR)nNext;
    return pSection;
}

CString CXTPPropExchangeEnumerator::GetItemSectionName(LPCTSTR lpszSection, DWORD nIndex)
{
    CString strSection;
    strSection.Format(L"%s%i", lpszSection, (int)nIndex);
    return strSection;
}
