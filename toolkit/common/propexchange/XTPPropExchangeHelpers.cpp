#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"

#include "framework/files/CArchive.h"
#include "framework/ole/COleDateTime.h"
#include "framework/ole/COleVariant.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

namespace {

template <class T> BOOL ExchangeLongAs(CXTPPropExchange* pPX, LPCTSTR pszPropName, T& nValue, const T* pDefault)
{
    static_assert(sizeof(T) == sizeof(long), "travels as a 32-bit long");
    return pPX->ExchangeProp(pszPropName, VT_I4, &nValue, pDefault);
}

} // namespace

BOOL XTPExchangeByteWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE& nValue, BYTE nDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_UI1, &nValue, &nDefault);
}

BOOL XTPExchangeShortWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& nValue, short nDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I2, &nValue, &nDefault);
}

BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& nValue)
{
    return ExchangeLongAs<long>(pPX, pszPropName, nValue, nullptr);
}

BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue)
{
    return ExchangeLongAs<int>(pPX, pszPropName, nValue, nullptr);
}

BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& nValue)
{
    return ExchangeLongAs<DWORD>(pPX, pszPropName, nValue, nullptr);
}

BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& nValue, long nDefault)
{
    return ExchangeLongAs<long>(pPX, pszPropName, nValue, &nDefault);
}

BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault)
{
    return ExchangeLongAs<int>(pPX, pszPropName, nValue, &nDefault);
}

BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& nValue, DWORD nDefault)
{
    return ExchangeLongAs<DWORD>(pPX, pszPropName, nValue, &nDefault);
}

BOOL XTPExchangeBool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue)
{
    return pPX->ExchangeProp(pszPropName, VT_BOOL, &bValue, nullptr);
}

BOOL XTPExchangeBoolWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_BOOL, &bValue, &bDefault);
}

BOOL XTPExchangeString(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue)
{
    return pPX->ExchangeProp(pszPropName, VT_XTP_STRING, &strValue, nullptr);
}

BOOL XTPExchangeStringWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue,
                                  LPCTSTR lpszDefault)
{
    if (lpszDefault == nullptr)
        return XTPExchangeString(pPX, pszPropName, strValue);
    const CString strDefault(lpszDefault);
    return pPX->ExchangeProp(pszPropName, VT_XTP_STRING, &strValue, &strDefault);
}

BOOL XTPExchangeDouble(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& dValue)
{
    return pPX->ExchangeProp(pszPropName, VT_R8, &dValue, nullptr);
}

BOOL XTPExchangeDate(CXTPPropExchange* pPX, LPCTSTR pszPropName, COleDateTime& dtValue)
{
    return pPX->ExchangeProp(pszPropName, VT_DATE, &dtValue, nullptr);
}

BOOL XTPExchangeSizeWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_XTP_SIZE, static_cast<SIZE*>(&szValue),
                             static_cast<const SIZE*>(&szDefault));
}

BOOL XTPExchangeRectWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_XTP_RECT, static_cast<RECT*>(&rcValue),
                             static_cast<const RECT*>(&rcDefault));
}

BOOL XTPExchangeVariantWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, COleVariant& varValue,
                                   COleVariant varDefault)
{
    const BOOL bResult = pPX->ExchangeProp(pszPropName, VT_VARIANT, static_cast<VARIANT*>(&varValue),
                                           static_cast<const VARIANT*>(&varDefault));
    varDefault.Clear();
    return bResult;
}

BOOL XTPExchangeULongLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, ULONGLONG& nValue,
                                     ULONGLONG nDefault)
{
    SIZE szValue = {(LONG)(DWORD)(nValue >> 32), (LONG)(DWORD)nValue};
    const SIZE szDefault = {(LONG)(DWORD)(nDefault >> 32), (LONG)(DWORD)nDefault};
    const BOOL bResult = pPX->ExchangeProp(pszPropName, VT_XTP_SIZE, &szValue, &szDefault);
    if (pPX->IsLoading())
        nValue = ((ULONGLONG)(DWORD)szValue.cx << 32) | (DWORD)szValue.cy;
    return bResult;
}

BOOL XTPExchangeRuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass,
                             CRuntimeClass* pDefaultClass)
{
    return pPX->ExchangeRuntimeClass(pszPropName, pClass, pDefaultClass);
}

BOOL XTPExchangeBlob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    return pPX->ExchangeBlob(pszPropName, pData, nBytes);
}

BOOL XTPExchangeSerialize(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject)
{
    CArchive* pArchive = pPX->GetArchive(pszPropName);
    if (pArchive == nullptr)
        return FALSE;
    try
    {
        pObject->Serialize(*pArchive);
    }
    catch (...)
    {
        pPX->ReleaseArchive(pszPropName, pArchive);
        throw;
    }
    pPX->ReleaseArchive(pszPropName, pArchive);
    return TRUE;
}
