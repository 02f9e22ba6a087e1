// Walks a collection stored as a run of same-named child elements, one per
// item, without a count.
#pragma once
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

class CXTPPropExchangeXMLNode::CXMLEnumerator : public CXTPPropExchangeEnumerator
{
public:
    CXMLEnumerator(CXTPPropExchangeXMLNode* pContainer, LPCTSTR lpszSection);
    ~CXMLEnumerator() override;

    // Loading: null when the section holds no element of the item name.
    // Storing: null for an empty collection, which leaves no trace.
    POSITION GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE) override;
    // Loading: a section over the current element; storing: a section over
    // a newly appended element.
    CXTPPropExchange* GetNext(POSITION& pos) override;

protected:
    CXTPPropExchangeXMLNode* m_pXMLContainer;
    IXMLDOMElement* m_xmlEnumNode;

private:
    void SetCurrent(IXMLDOMElement* pElement);
};
