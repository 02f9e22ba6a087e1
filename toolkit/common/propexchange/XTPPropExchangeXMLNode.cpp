#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

#include <cwchar>
#include <set>
#include <string>

#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLText.h"

IMPLEMENT_DYNAMIC(CXTPPropExchangeXMLNode, CXTPPropExchange)

namespace {

// The system's DOM document class.
const CLSID kDomDocumentClass = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// A BSTR that frees itself.
class CScopedBstr
{
public:
    explicit CScopedBstr(LPCWSTR pszText) : m_bstr(SysAllocString(pszText)) {}
    CScopedBstr() : m_bstr(nullptr) {}
    ~CScopedBstr() { SysFreeString(m_bstr); }
    CScopedBstr(const CScopedBstr&) = delete;
    CScopedBstr& operator=(const CScopedBstr&) = delete;
    operator BSTR() const { return m_bstr; }
    BSTR* operator&() { return &m_bstr; }
    LPCWSTR Text() const { return m_bstr ? m_bstr : L""; }

private:
    BSTR m_bstr;
};

template <class T> void SafeRelease(T*& pInterface)
{
    if (pInterface != nullptr)
    {
        pInterface->Release();
        pInterface = nullptr;
    }
}

BOOL IsStorableType(VARTYPE vtProp)
{
    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_R8:
    case VT_DATE:
    case VT_BOOL:
    case VT_VARIANT:
    case VT_UI1:
    case VT_XTP_STRING:
    case VT_XTP_RECT:
    case VT_XTP_SIZE:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsLoadableType(VARTYPE vtProp)
{
    return vtProp == VT_BSTR || IsStorableType(vtProp);
}

} // namespace

CXTPPropExchangeXMLNode::CXTPPropExchangeXMLNode(BOOL bLoading, IXMLDOMNode* pParentNode, LPCTSTR lpszSection)
    : m_xmlDocPtr(nullptr), m_xmlParentNode(pParentNode), m_xmlSectionNode(nullptr), m_strSectionName(lpszSection),
      m_strEncoding(L"UTF-8"), m_bCompactMode(TRUE)
{
    m_bLoading = bLoading;
    if (m_xmlParentNode != nullptr)
    {
        m_xmlParentNode->AddRef();
        // A document has no owner document: it is its own.
        if (FAILED(m_xmlParentNode->get_ownerDocument(&m_xmlDocPtr)) || m_xmlDocPtr == nullptr)
        {
            m_xmlDocPtr = nullptr;
            m_xmlParentNode->QueryInterface(IID_IXMLDOMDocument, reinterpret_cast<void**>(&m_xmlDocPtr));
        }
    }
}

CXTPPropExchangeXMLNode::~CXTPPropExchangeXMLNode()
{
    SafeRelease(m_xmlSectionNode);
    SafeRelease(m_xmlParentNode);
    SafeRelease(m_xmlDocPtr);
}

void CXTPPropExchangeXMLNode::ReleaseSectionNode()
{
    SafeRelease(m_xmlSectionNode);
}

BOOL CXTPPropExchangeXMLNode::CreateDocument()
{
    IXMLDOMDocument* pDocument = nullptr;
    if (FAILED(CoCreateInstance(kDomDocumentClass, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument,
                                reinterpret_cast<void**>(&pDocument))) ||
        pDocument == nullptr)
        return FALSE;
    pDocument->put_async(VARIANT_FALSE);
    SafeRelease(m_xmlDocPtr);
    m_xmlDocPtr = pDocument;
    return TRUE;
}

IXMLDOMElement* CXTPPropExchangeXMLNode::FindElementFrom(IXMLDOMNode* pFirst, LPCTSTR pszName)
{
    IXMLDOMNode* pNode = pFirst;
    while (pNode != nullptr)
    {
        DOMNodeType nodeType = NODE_INVALID;
        if (SUCCEEDED(pNode->get_nodeType(&nodeType)) && nodeType == NODE_ELEMENT)
        {
            CScopedBstr bstrName;
            if (SUCCEEDED(pNode->get_nodeName(&bstrName)) && wcscmp(bstrName.Text(), pszName) == 0)
            {
                IXMLDOMElement* pElement = nullptr;
                pNode->QueryInterface(IID_IXMLDOMElement, reinterpret_cast<void**>(&pElement));
                pNode->Release();
                return pElement;
            }
        }
        IXMLDOMNode* pNext = nullptr;
        if (FAILED(pNode->get_nextSibling(&pNext)))
            pNext = nullptr;
        pNode->Release();
        pNode = pNext;
    }
    return nullptr;
}

IXMLDOMElement* CXTPPropExchangeXMLNode::FindChildElement(IXMLDOMNode* pParent, LPCTSTR pszName)
{
    if (pParent == nullptr)
        return nullptr;
    IXMLDOMNode* pFirst = nullptr;
    if (FAILED(pParent->get_firstChild(&pFirst)))
        return nullptr;
    return FindElementFrom(pFirst, pszName);
}

IXMLDOMElement* CXTPPropExchangeXMLNode::FindNextElement(IXMLDOMNode* pNode, LPCTSTR pszName)
{
    if (pNode == nullptr)
        return nullptr;
    IXMLDOMNode* pNext = nullptr;
    if (FAILED(pNode->get_nextSibling(&pNext)))
        return nullptr;
    return FindElementFrom(pNext, pszName);
}

BOOL CXTPPropExchangeXMLNode::OpenSection()
{
    if (m_bInitialized)
        return m_xmlSectionNode != nullptr;

    if (m_xmlDocPtr == nullptr && IsRootSection() && CreateDocument())
    {
        SafeRelease(m_xmlParentNode);
        m_xmlParentNode = m_xmlDocPtr;
        m_xmlParentNode->AddRef();
    }
    m_bInitialized = TRUE;
    if (m_xmlDocPtr == nullptr || m_xmlParentNode == nullptr)
        return FALSE;

    IXMLDOMElement* pElement = FindChildElement(m_xmlParentNode, m_strSectionName);
    if (pElement == nullptr && IsStoring())
    {
        CScopedBstr bstrName(m_strSectionName);
        IXMLDOMElement* pNew = nullptr;
        if (SUCCEEDED(m_xmlDocPtr->createElement(bstrName, &pNew)) && pNew != nullptr)
        {
            IXMLDOMNode* pAppended = nullptr;
            if (SUCCEEDED(m_xmlParentNode->appendChild(pNew, &pAppended)) && pAppended != nullptr)
            {
                pAppended->Release();
                pElement = pNew;
            }
            else
            {
                pNew->Release();
            }
        }
    }
    if (pElement == nullptr)
        return FALSE;
    m_xmlSectionNode = pElement;

    if (IsRootSection())
    {
        BOOL bCompactMode = m_bCompactMode;
        const BOOL bDefault = FALSE;
        ExchangeProp(L"CompactMode", VT_BOOL, &bCompactMode, &bDefault);
        m_bCompactMode = bCompactMode;
    }
    return TRUE;
}

BOOL CXTPPropExchangeXMLNode::LoadFromFile(LPCTSTR lpszFileName)
{
    const DWORD dwAttributes = GetFileAttributesW(lpszFileName);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FALSE;
    if (m_xmlDocPtr == nullptr && !CreateDocument())
        return FALSE;

    VARIANT varSource;
    VariantInit(&varSource);
    varSource.vt = VT_BSTR;
    varSource.bstrVal = SysAllocString(lpszFileName);
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    const HRESULT hr = m_xmlDocPtr->load(varSource, &bLoaded);
    VariantClear(&varSource);
    if (FAILED(hr) || bLoaded != VARIANT_TRUE)
        return FALSE;

    SafeRelease(m_xmlParentNode);
    m_xmlParentNode = m_xmlDocPtr;
    m_xmlParentNode->AddRef();
    ReleaseSectionNode();
    m_bInitialized = FALSE;
    return TRUE;
}

IXMLDOMNode* CXTPPropExchangeXMLNode::FindPropertyNode(LPCTSTR pszPropName) const
{
    if (m_xmlSectionNode == nullptr)
        return nullptr;
    if (!m_bCompactMode)
        return FindChildElement(m_xmlSectionNode, pszPropName);

    IXMLDOMNamedNodeMap* pAttributes = nullptr;
    if (FAILED(m_xmlSectionNode->get_attributes(&pAttributes)) || pAttributes == nullptr)
        return nullptr;
    CScopedBstr bstrName(pszPropName);
    IXMLDOMNode* pAttribute = nullptr;
    if (FAILED(pAttributes->getNamedItem(bstrName, &pAttribute)))
        pAttribute = nullptr;
    pAttributes->Release();
    return pAttribute;
}

IXMLDOMElement* CXTPPropExchangeXMLNode::AppendElement(LPCTSTR pszName)
{
    if (!OpenSection())
        return nullptr;
    CScopedBstr bstrName(pszName);
    IXMLDOMElement* pElement = nullptr;
    if (FAILED(m_xmlDocPtr->createElement(bstrName, &pElement)) || pElement == nullptr)
        return nullptr;
    IXMLDOMNode* pAppended = nullptr;
    if (FAILED(m_xmlSectionNode->appendChild(pElement, &pAppended)) || pAppended == nullptr)
    {
        pElement->Release();
        return nullptr;
    }
    pAppended->Release();
    return pElement;
}

IXMLDOMNode* CXTPPropExchangeXMLNode::CreatePropertyNode(LPCTSTR pszPropName)
{
    if (!m_bCompactMode)
        return AppendElement(pszPropName);

    CScopedBstr bstrName(pszPropName);
    IXMLDOMAttribute* pAttribute = nullptr;
    if (FAILED(m_xmlDocPtr->createAttribute(bstrName, &pAttribute)) || pAttribute == nullptr)
        return nullptr;
    IXMLDOMNamedNodeMap* pAttributes = nullptr;
    IXMLDOMNode* pResult = nullptr;
    if (SUCCEEDED(m_xmlSectionNode->get_attributes(&pAttributes)) && pAttributes != nullptr)
    {
        IXMLDOMNode* pReplaced = nullptr;
        if (SUCCEEDED(pAttributes->setNamedItem(pAttribute, &pReplaced)))
        {
            SafeRelease(pReplaced);
            pResult = pAttribute;
            pResult->AddRef();
        }
        pAttributes->Release();
    }
    pAttribute->Release();
    return pResult;
}

BOOL CXTPPropExchangeXMLNode::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                           const void* pvDefault)
{
    if (IsStoring())
        return StoreProp(pszPropName, vtProp, pvProp, m_bUseDefaultOnSave ? pvDefault : nullptr);
    return LoadProp(pszPropName, vtProp, pvProp, m_bUseDefaultOnLoad ? pvDefault : nullptr);
}

BOOL CXTPPropExchangeXMLNode::StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp,
                                        const void* pvDefault)
{
    if (!IsStorableType(vtProp))
        return FALSE;
    if (IsEqualToDefault(vtProp, pvProp, pvDefault))
        return TRUE;
    if (!OpenSection())
        return FALSE;
    CString strText;
    if (!CXTPPropExchangeXMLText::ToText(vtProp, pvProp, m_nLocale, strText))
        return FALSE;

    IXMLDOMNode* pNode = FindPropertyNode(pszPropName);
    if (pNode == nullptr)
        pNode = CreatePropertyNode(pszPropName);
    if (pNode == nullptr)
        return FALSE;
    CScopedBstr bstrText(strText);
    const HRESULT hr = pNode->put_text(bstrText);
    pNode->Release();
    return SUCCEEDED(hr);
}

BOOL CXTPPropExchangeXMLNode::LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault)
{
    if (!IsLoadableType(vtProp))
        return FALSE;
    if (!OpenSection())
        return CopyDefault(vtProp, pvProp, pvDefault);
    IXMLDOMNode* pNode = FindPropertyNode(pszPropName);
    if (pNode == nullptr)
        return CopyDefault(vtProp, pvProp, pvDefault);
    CScopedBstr bstrText;
    const HRESULT hr = pNode->get_text(&bstrText);
    pNode->Release();
    if (FAILED(hr) || !CXTPPropExchangeXMLText::FromText(vtProp, bstrText.Text(), m_nLocale, pvProp))
        return CopyDefault(vtProp, pvProp, pvDefault);
    return TRUE;
}

CXTPPropExchange* CXTPPropExchangeXMLNode::GetSection(LPCTSTR pszSection)
{
    OpenSection();
    CXTPPropExchangeXMLNode* pSection = new CXTPPropExchangeXMLNode(IsLoading(), m_xmlSectionNode, pszSection);
    InitSection(pSection);
    pSection->m_bCompactMode = m_bCompactMode;
    return pSection;
}

CXTPPropExchangeXMLNode* CXTPPropExchangeXMLNode::CreateSectionOver(IXMLDOMElement* pElement, LPCTSTR pszSection)
{
    CXTPPropExchangeXMLNode* pSection = new CXTPPropExchangeXMLNode(IsLoading(), m_xmlSectionNode, pszSection);
    InitSection(pSection);
    pSection->m_bCompactMode = m_bCompactMode;
    pSection->m_xmlSectionNode = pElement;
    if (pElement != nullptr)
        pElement->AddRef();
    pSection->m_bInitialized = TRUE;
    return pSection;
}

void CXTPPropExchangeXMLNode::EmptySection()
{
    CXTPPropExchange::EmptySection();
    if (OpenSection())
    {
        IXMLDOMNode* pRemoved = nullptr;
        if (SUCCEEDED(m_xmlParentNode->removeChild(m_xmlSectionNode, &pRemoved)))
            SafeRelease(pRemoved);
    }
    ReleaseSectionNode();
    m_bInitialized = FALSE;
}

BOOL CXTPPropExchangeXMLNode::CanOmitDefaults() const
{
    return TRUE;
}

BOOL CXTPPropExchangeXMLNode::CanStoreBinary() const
{
    return FALSE;
}

DWORD CXTPPropExchangeXMLNode::CountStoredSections(LPCTSTR pszItem, DWORD nCount)
{
    if (!OpenSection())
        return 0;
    // One walk over the children, so that a long run costs no more than
    // the document behind it.
    std::set<std::wstring> names;
    IXMLDOMNode* pNode = nullptr;
    if (FAILED(m_xmlSectionNode->get_firstChild(&pNode)))
        pNode = nullptr;
    while (pNode != nullptr)
    {
        DOMNodeType nodeType = NODE_INVALID;
        CScopedBstr bstrName;
        if (SUCCEEDED(pNode->get_nodeType(&nodeType)) && nodeType == NODE_ELEMENT &&
            SUCCEEDED(pNode->get_nodeName(&bstrName)))
            names.insert(bstrName.Text());
        IXMLDOMNode* pNext = nullptr;
        if (FAILED(pNode->get_nextSibling(&pNext)))
            pNext = nullptr;
        pNode->Release();
        pNode = pNext;
    }
    DWORD nStored = 0;
    while (nStored < nCount &&
           names.count((LPCWSTR)CXTPPropExchangeEnumerator::GetItemSectionName(pszItem, nStored)) != 0)
        nStored++;
    return nStored;
}

CXTPPropExchangeEnumerator* CXTPPropExchangeXMLNode::GetEnumerator(LPCTSTR pszSection)
{
    if (IsLoading() && OpenSection())
    {
        IXMLDOMNode* pCount = FindPropertyNode(L"Count");
        if (pCount != nullptr)
        {
            pCount->Release();
            return CXTPPropExchange::GetEnumerator(pszSection);
        }
    }
    return new CXMLEnumerator(this, pszSection);
}
