// Typed shortcuts for CXTPPropExchange::ExchangeProp. The variants with a
// default leave out (storing) or fill in (loading) values equal to it.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"
#include "framework/text/CString.h"

class CXTPPropExchange;
class COleDateTime;
class COleVariant;
struct CRuntimeClass;
class CObject;

BOOL XTPExchangeByteWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE& nValue, BYTE nDefault);
BOOL XTPExchangeShortWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& nValue, short nDefault);

// 32-bit values: long, int, DWORD and COLORREF all travel as a long.
BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& nValue);
BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue);
BOOL XTPExchangeLong(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& nValue);
BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& nValue, long nDefault);
BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL XTPExchangeLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& nValue, DWORD nDefault);

BOOL XTPExchangeBool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue);
BOOL XTPExchangeBoolWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault);

BOOL XTPExchangeString(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue);
// A null default means that the value has none.
BOOL XTPExchangeStringWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue,
                                  LPCTSTR lpszDefault);

BOOL XTPExchangeDouble(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& dValue);
BOOL XTPExchangeDate(CXTPPropExchange* pPX, LPCTSTR pszPropName, COleDateTime& dtValue);

BOOL XTPExchangeSizeWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault);
BOOL XTPExchangeRectWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault);
// The default is a copy of its own, cleared when the exchange is done.
BOOL XTPExchangeVariantWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, COleVariant& varValue,
                                   COleVariant varDefault);
// Travels as a size: cx the high 32 bits, cy the low 32 bits.
BOOL XTPExchangeULongLongWithDefault(CXTPPropExchange* pPX, LPCTSTR pszPropName, ULONGLONG& nValue,
                                     ULONGLONG nDefault);

BOOL XTPExchangeRuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass,
                             CRuntimeClass* pDefaultClass);
BOOL XTPExchangeBlob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes);

// Runs the object's own serialization on an archive kept as one value.
BOOL XTPExchangeSerialize(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject);
