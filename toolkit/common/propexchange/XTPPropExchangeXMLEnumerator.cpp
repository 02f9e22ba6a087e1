#include "toolkit/common/propexchange/XTPPropExchangeXMLEnumerator.h"

CXTPPropExchangeXMLNode::CXMLEnumerator::CXMLEnumerator(CXTPPropExchangeXMLNode* pContainer, LPCTSTR lpszSection)
    : CXTPPropExchangeEnumerator(pContainer, lpszSection), m_pXMLContainer(pContainer), m_xmlEnumNode(nullptr)
{
}

CXTPPropExchangeXMLNode::CXMLEnumerator::~CXMLEnumerator()
{
    SetCurrent(nullptr);
}

void CXTPPropExchangeXMLNode::CXMLEnumerator::SetCurrent(IXMLDOMElement* pElement)
{
    if (m_xmlEnumNode != nullptr)
        m_xmlEnumNode->Release();
    m_xmlEnumNode = pElement;
}

POSITION CXTPPropExchangeXMLNode::CXMLEnumerator::GetPosition(DWORD dwCount, BOOL /*bCompactMode*/)
{
    m_nCount = dwCount;
    if (m_pXMLContainer->IsStoring())
        return m_nCount > 0 ? (POSITION)1 : nullptr;

    SetCurrent(nullptr);
    if (!m_pXMLContainer->OpenSection())
        return nullptr;
    SetCurrent(FindChildElement(m_pXMLContainer->m_xmlSectionNode, m_strSectionName));
    return m_xmlEnumNode != nullptr ? (POSITION)1 : nullptr;
}

CXTPPropExchange* CXTPPropExchangeXMLNode::CXMLEnumerator::GetNext(POSITION& pos)
{
    if (m_pXMLContainer->IsLoading())
    {
        CXTPPropExchange* pSection = m_pXMLContainer->CreateSectionOver(m_xmlEnumNode, m_strSectionName);
        SetCurrent(FindNextElement(m_xmlEnumNode, m_strSectionName));
        if (m_xmlEnumNode == nullptr)
            pos = nullptr;
        return pSection;
    }

    IXMLDOMElement* pElement = m_pXMLContainer->AppendElement(m_strSectionName);
    CXTPPropExchange* pSection = m_pXMLContainer->CreateSectionOver(pElement, m_strSectionName);
    if (pElement != nullptr)
        pElement->Release();
    const DWORD nNext = (DWORD)(DWORD_PTR)pos + 1;
    pos = nNext > m_nCount ? nullptr : (POSITION)(DWORD_PTR)nNext;
    return pSection;
}
