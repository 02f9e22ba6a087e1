// Property exchange over the registry: each section a key below its
// parent, each property a named value. Values equal to their defaults are
// deleted rather than written, so a key holds only what differs.
#pragma once
#include "toolkit/common/propexchange/XTPPropExchange.h"

class CXTPPropExchangeRegistry : public CXTPPropExchange
{
    DECLARE_DYNAMIC(CXTPPropExchangeRegistry)

public:
    // The parent key is not owned; the section key is opened on first use.
    CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR lpszSection);
    ~CXTPPropExchangeRegistry() override;

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault = nullptr) override;
    // A REG_BINARY value.
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // Storing: deletes the section key with everything below it; the next
    // value written creates it anew. Loading: deletes nothing.
    void EmptySection() override;
    BOOL CanOmitDefaults() const override;
    BOOL CanStoreBinary() const override;
    // Storing creates the section key; loading only opens an existing one
    // (read-only), so a load never adds keys.
    BOOL OpenSection() override;
    DWORD CountStoredSections(LPCTSTR pszItem, DWORD nCount) override;

protected:
    HKEY m_hSectionKey;
    HKEY m_hParentKey;
    CString m_strSectionName;

private:
    BOOL StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp, const void* pvDefault);
    BOOL LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault);
    BOOL QueryString(LPCTSTR pszPropName, CString& strValue) const;
    void CloseSectionKey();
};
