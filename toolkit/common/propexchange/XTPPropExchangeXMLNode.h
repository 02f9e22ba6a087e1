// Property exchange over an XML document in the system's DOM: each section
// an element, each property an attribute of it (compact mode) or a child
// element whose text is the value, each collection a run of same-named
// child elements. Loads XML files; storing builds the document in memory.
#pragma once
#include <windows.h>
#include <msxml.h>

#include "toolkit/common/propexchange/XTPPropExchange.h"

class CXTPPropExchangeXMLNode : public CXTPPropExchange
{
    DECLARE_DYNAMIC(CXTPPropExchangeXMLNode)

public:
    class CXMLEnumerator;

    // The parent may be null (a new document is made on first use), a
    // document or an element; the section is an element below it.
    CXTPPropExchangeXMLNode(BOOL bLoading, IXMLDOMNode* pParentNode, LPCTSTR lpszSection);
    ~CXTPPropExchangeXMLNode() override;

    // Loads the file into the document; the next access opens the root
    // section in it. FALSE for a missing path, a folder, a file that does
    // not parse, or when no document can be made.
    BOOL LoadFromFile(LPCTSTR lpszFileName);

    // TRUE (the default): properties are attributes; FALSE: child elements.
    void SetCompactMode(BOOL bCompactMode) { m_bCompactMode = bCompactMode; }
    BOOL IsCompactMode() const { return m_bCompactMode; }

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault = nullptr) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    void EmptySection() override;
    BOOL CanOmitDefaults() const override;
    BOOL CanStoreBinary() const override;
    BOOL OpenSection() override;
    CXTPPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection) override;
    DWORD CountStoredSections(LPCTSTR pszItem, DWORD nCount) override;

protected:
    IXMLDOMDocument* m_xmlDocPtr;
    IXMLDOMNode* m_xmlParentNode;
    IXMLDOMElement* m_xmlSectionNode;
    CString m_strSectionName;
    CString m_strEncoding;
    BOOL m_bCompactMode;

private:
    BOOL CreateDocument();
    // Appends a new element to this section's element; null on failure.
    IXMLDOMElement* AppendElement(LPCTSTR pszName);
    // Element lookups by name, in document order; the result is AddRef'd.
    static IXMLDOMElement* FindChildElement(IXMLDOMNode* pParent, LPCTSTR pszName);
    static IXMLDOMElement* FindNextElement(IXMLDOMNode* pNode, LPCTSTR pszName);
    static IXMLDOMElement* FindElementFrom(IXMLDOMNode* pFirst, LPCTSTR pszName);
    // A child section over an element that already exists.
    CXTPPropExchangeXMLNode* CreateSectionOver(IXMLDOMElement* pElement, LPCTSTR pszSection);
    // The attribute or child element that holds a property, or null.
    IXMLDOMNode* FindPropertyNode(LPCTSTR pszPropName) const;
    IXMLDOMNode* CreatePropertyNode(LPCTSTR pszPropName);
    BOOL StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp, const void* pvDefault);
    BOOL LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault);
    void ReleaseSectionNode();
};
