// The one interface through which persistent toolkit objects save and load
// their state: an object names its values in a fixed order, and the same
// routine stores or loads depending on the exchanger. Back ends: a binary
// archive, a registry key per section and an XML element per section.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"
#include "framework/collections/CollectionHelpers.h"

class CArchive;
class CXTPPropExchangeEnumerator;

// Type codes of exchanged values: the automation VARIANT types where one
// exists (VT_I2, VT_I4, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BSTR, VT_BOOL,
// VT_VARIANT, VT_UI1), plus the toolkit's own below.
enum : VARTYPE
{
    VT_XTP_STRING = 30, // CString
    VT_XTP_RECT = 100,  // RECT: left, top, right, bottom
    VT_XTP_SIZE = 101,  // SIZE: cx, cy
};

class CXTPPropExchange : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPPropExchange)

public:
    CXTPPropExchange();
    ~CXTPPropExchange() override;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    BOOL IsRootSection() const { return !m_bChildSection; }

    // Exchanges one value of the given type code; the default (may be null)
    // lets a back end leave out or fill in a value equal to it.
    virtual BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault = nullptr) = 0;
    // Bytes as a string of letters. Loading with a null buffer allocates one
    // with new[] that the caller frees with delete[].
    virtual BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes);
    // A class by its name; a missing name loads the default, a name that
    // names no registered class fails (the class then null).
    virtual BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass, CRuntimeClass* pDefaultClass);
    // The object's class as "Class", then (loading) a new object of that
    // class, made only when the class is of the base class's kind.
    virtual BOOL ExchangeObjectByClass(CObject*& pObject, CRuntimeClass* pBaseClass);
    // A framework archive whose bytes are kept as one value; null when a
    // loading exchanger has no data under that name.
    virtual CArchive* GetArchive(LPCTSTR pszPropName);
    virtual void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive);
    // A child exchanger of the same kind; the caller releases it
    // (InternalRelease).
    virtual CXTPPropExchange* GetSection(LPCTSTR pszSection) = 0;
    virtual void EmptySection();
    virtual void WriteCount(DWORD dwCount);
    virtual DWORD ReadCount();
    virtual void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount);
    virtual UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount);
    // Whether a value equal to its default may be left out of the store.
    virtual BOOL CanOmitDefaults() const;
    // Whether binary data is best stored as one block.
    virtual BOOL CanStoreBinary() const;
    virtual BOOL OpenSection();
    // Walks a collection; the caller deletes the enumerator.
    virtual CXTPPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection);
    // Loading: how many of the item sections named pszItem followed by 0,
    // 1, 2 ... are really stored, counting from 0 up to nCount and stopping
    // at the first one missing. A stored count is only a claim.
    virtual DWORD CountStoredSections(LPCTSTR pszItem, DWORD nCount);

    void ExchangeSchema();
    void ExchangeLocale();

    // Bytes a value of the type code takes in memory; 0 for unknown codes.
    static int GetTypeSize(VARTYPE vtProp);
    static BOOL IsEqualToDefault(VARTYPE vtProp, const void* pvProp, const void* pvDefault);
    // FALSE when there is no default or the type code is unknown.
    static BOOL CopyDefault(VARTYPE vtProp, void* pvProp, const void* pvDefault);

protected:
    // Gives a new child section this section's state.
    void InitSection(CXTPPropExchange* pSection) const;

public:
    // The caller's own data (such as a pointer to its parameters); handed
    // on to every child section.
    DWORD_PTR m_dwData;
    BOOL m_bLoading;
    int m_nSchema;
    BOOL m_bChildSection;
    BOOL m_bEmptySection;
    BOOL m_bInitialized;
    // Loading: a missing value is given its default.
    BOOL m_bUseDefaultOnLoad;
    // Storing: a value equal to its default is left out where possible.
    BOOL m_bUseDefaultOnSave;

    // The locale in which values are turned into text; -1 for the
    // exchanger's own locale-independent forms.
    static int m_nLocale;
};

#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
