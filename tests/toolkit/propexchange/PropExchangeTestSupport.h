// Shared pieces of the property exchange tests: sections that release
// themselves, a scratch registry key, COM for the XML tests, and small
// serializable classes for exchanges by class.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <msxml.h>

#include <string>
#include <vector>

#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"

namespace proptest {

// A child section, released when it goes out of scope.
class Section
{
public:
    explicit Section(CXTPPropExchange* pSection) : m_pSection(pSection) {}
    ~Section()
    {
        if (m_pSection)
            m_pSection->InternalRelease();
    }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;
    CXTPPropExchange* operator->() const { return m_pSection; }
    CXTPPropExchange* get() const { return m_pSection; }

private:
    CXTPPropExchange* m_pSection;
};

// HKCU\Software\TavrolinTests\<name>, empty at the start and gone at the end.
class ScratchKey
{
public:
    explicit ScratchKey(LPCWSTR pszName);
    ~ScratchKey();
    HKEY get() const { return m_hKey; }
    // Type and bytes of a value below the key (subkey path may be empty);
    // type REG_NONE when missing.
    DWORD ValueType(LPCWSTR pszSubKey, LPCWSTR pszValue, std::vector<BYTE>* pData = nullptr) const;
    BOOL HasSubKey(LPCWSTR pszSubKey) const;
    DWORD DwordValue(LPCWSTR pszSubKey, LPCWSTR pszValue) const;
    CString StringValue(LPCWSTR pszSubKey, LPCWSTR pszValue) const;
    void SetString(LPCWSTR pszSubKey, LPCWSTR pszValue, LPCWSTR pszText) const;
    void SetDword(LPCWSTR pszSubKey, LPCWSTR pszValue, DWORD dwValue) const;
    // Every key, value name, type and byte below the key, as one text.
    std::wstring Snapshot() const;

private:
    CString m_strPath;
    HKEY m_hKey;
};

// COM for the thread, for the DOM tests.
class ComScope
{
public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
};

IXMLDOMDocument* NewDomDocument();
CString DocumentXml(IXMLDOMDocument* pDocument);
// Writes bytes to a file in the test's working folder; the full path.
CString WriteScratchFile(LPCWSTR pszName, const char* pszContent);

// Stores the values as a collection of "Item" sections with a "Value".
void StoreItems(CXTPPropExchange* px, std::vector<long> values);
// The "Value" of every "Item" section of the collection.
std::vector<long> LoadItems(CXTPPropExchange* px);

// Runs an exchange on a storing archive and returns the bytes written.
template <class F> std::vector<BYTE> StoreToArchive(F exchange)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        exchange(&px);
        ar.Close();
    }
    const UINT nLength = (UINT)file.GetLength();
    BYTE* pData = file.Detach();
    std::vector<BYTE> bytes(pData, pData + nLength);
    free(pData);
    return bytes;
}

// Runs an exchange on a loading archive over the bytes.
template <class F> void LoadFromArchive(std::vector<BYTE> bytes, F exchange)
{
    bytes.push_back(0); // a buffer even for no bytes; not part of the file
    CMemFile file(bytes.data(), (UINT)bytes.size() - 1);
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    exchange(&px);
}

} // namespace proptest

// Serializable test classes: a shape with a derived circle, and a stranger
// that is no shape. Each counts its constructions.
class CPropTestShape : public CObject
{
    DECLARE_SERIAL(CPropTestShape)
public:
    CPropTestShape() { s_nCreated++; }
    void Serialize(CArchive& ar) override;
    long m_nSides = 0;
    static int s_nCreated;
};

class CPropTestCircle : public CPropTestShape
{
    DECLARE_SERIAL(CPropTestCircle)
};

class CPropTestStranger : public CObject
{
    DECLARE_SERIAL(CPropTestStranger)
public:
    CPropTestStranger() { s_nCreated++; }
    static int s_nCreated;
};

