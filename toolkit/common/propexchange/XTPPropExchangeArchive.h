// Property exchange over a framework archive: values in call order, without
// names or defaults, so the reader must make exactly the writer's calls.
#pragma once
#include "toolkit/common/propexchange/XTPPropExchange.h"

class CXTPPropExchangeArchive : public CXTPPropExchange
{
    DECLARE_DYNAMIC(CXTPPropExchangeArchive)

public:
    // The archive is not owned; loading or storing follows its mode.
    explicit CXTPPropExchangeArchive(CArchive& ar);

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault = nullptr) override;
    // A compact count, then the raw bytes.
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes) override;
    // The archive's own class references; loading takes the stored schema.
    BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass, CRuntimeClass* pDefaultClass) override;
    BOOL ExchangeObjectByClass(CObject*& pObject, CRuntimeClass* pBaseClass) override;
    CArchive* GetArchive(LPCTSTR pszPropName) override;
    void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) override;
    // Child sections are just the values that follow.
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    void WriteCount(DWORD dwCount) override;
    DWORD ReadCount() override;
    void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount) override;
    UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount) override;
    BOOL CanOmitDefaults() const override;
    BOOL CanStoreBinary() const override;
    // Every stored item takes at least one byte: a count is cut to the bytes
    // left in the archive.
    DWORD CountStoredSections(LPCTSTR pszItem, DWORD nCount) override;

protected:
    CArchive& m_ar;

private:
    // Reads exactly nCount bytes or throws the archive's end-of-file.
    void ReadWhole(void* lpBuf, UINT nCount);
};
