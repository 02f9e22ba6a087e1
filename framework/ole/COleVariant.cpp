#include "framework/ole/COleVariant.h"

#include "framework/core/CMemoryException.h"
#include "framework/ole/COleException.h"

#include <cstring>
#include <cwchar>

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    Copy(varSrc);
}

COleVariant::COleVariant(LPCVARIANT pSrc)
{
    ::VariantInit(this);
    if (pSrc)
        Copy(*pSrc);
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : tagVARIANT()
{
    ::VariantInit(this);
    Copy(varSrc);
}

COleVariant::COleVariant(LPCTSTR lpszSrc)
{
    ::VariantInit(this);
    *this = lpszSrc;
}

COleVariant::COleVariant(LPCTSTR lpszSrc, VARTYPE /*vtSrc*/)
{
    // Only wide strings exist here, so every string is a VT_BSTR.
    ::VariantInit(this);
    *this = lpszSrc;
}

COleVariant::COleVariant(const CString& strSrc)
{
    ::VariantInit(this);
    *this = strSrc;
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    *this = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else
        *this = nSrc;
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_ERROR) {
        vt = VT_ERROR;
        scode = lSrc;
    } else
        *this = lSrc;
}

COleVariant::COleVariant(int nSrc)
{
    ::VariantInit(this);
    *this = nSrc;
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    *this = fltSrc;
}

COleVariant::COleVariant(double dblSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    *this = dblSrc;
    if (vtSrc == VT_DATE)
        vt = VT_DATE;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    ::VariantInit(this);
    *this = dateSrc;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

void COleVariant::Clear()
{
    ::VariantClear(this);
}

void COleVariant::Copy(const VARIANT& varSrc)
{
    if (&varSrc == this)
        return;
    VARIANT copy;
    ::VariantInit(&copy);
    const HRESULT hr = ::VariantCopy(&copy, const_cast<VARIANT*>(&varSrc));
    if (FAILED(hr))
        AfxThrowOleException(hr);
    ::VariantClear(this);
    std::memcpy(static_cast<VARIANT*>(this), &copy, sizeof(VARIANT));
}

void COleVariant::SetString(LPCWSTR text, int length)
{
    BSTR value = ::SysAllocStringLen(text, static_cast<UINT>(length));
    if (!value && length >= 0)
        AfxThrowMemoryException();
    ::VariantClear(this);
    vt = VT_BSTR;
    bstrVal = value;
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (!pSrc)
        pSrc = this;
    if (pSrc == this && vt == vartype)
        return;
    VARIANT converted;
    ::VariantInit(&converted);
    const HRESULT hr = ::VariantChangeType(&converted, pSrc, 0, vartype);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    ::VariantClear(this);
    std::memcpy(static_cast<VARIANT*>(this), &converted, sizeof(VARIANT));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    if (&varSrc == this)
        return;
    ::VariantClear(this);
    std::memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT value;
    std::memcpy(&value, static_cast<VARIANT*>(this), sizeof(VARIANT));
    vt = VT_EMPTY;
    return value;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    Copy(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    Copy(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    if (pSrc)
        Copy(*pSrc);
    else
        Clear();
    return *this;
}

COleVariant& COleVariant::operator=(LPCTSTR lpszSrc)
{
    if (!lpszSrc)
        lpszSrc = L"";
    SetString(lpszSrc, static_cast<int>(std::wcslen(lpszSrc)));
    return *this;
}

COleVariant& COleVariant::operator=(const CString& strSrc)
{
    SetString(strSrc, strSrc.GetLength());
    return *this;
}

COleVariant& COleVariant::operator=(BYTE nSrc)
{
    ::VariantClear(this);
    vt = VT_UI1;
    bVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(short nSrc)
{
    ::VariantClear(this);
    vt = VT_I2;
    iVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(long lSrc)
{
    ::VariantClear(this);
    vt = VT_I4;
    lVal = lSrc;
    return *this;
}

COleVariant& COleVariant::operator=(int nSrc)
{
    return *this = static_cast<long>(nSrc);
}

COleVariant& COleVariant::operator=(float fltSrc)
{
    ::VariantClear(this);
    vt = VT_R4;
    fltVal = fltSrc;
    return *this;
}

COleVariant& COleVariant::operator=(double dblSrc)
{
    ::VariantClear(this);
    vt = VT_R8;
    dblVal = dblSrc;
    return *this;
}

COleVariant& COleVariant::operator=(const COleDateTime& dateSrc)
{
    ::VariantClear(this);
    if (dateSrc.GetStatus() == COleDateTime::null) {
        vt = VT_NULL;
        return *this;
    }
    vt = VT_DATE;
    date = dateSrc.m_dt;
    return *this;
}

bool COleVariant::operator==(LPCVARIANT pSrc) const
{
    return pSrc && *this == *pSrc;
}

bool COleVariant::operator==(const VARIANT& varSrc) const
{
    if (&varSrc == this)
        return true;
    if (vt != varSrc.vt)
        return false;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I1:
    case VT_UI1:
        return bVal == varSrc.bVal;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        return iVal == varSrc.iVal;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        return lVal == varSrc.lVal;
    case VT_R4:
        return fltVal == varSrc.fltVal;
    case VT_R8:
    case VT_DATE:
        return dblVal == varSrc.dblVal;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        return llVal == varSrc.llVal;
    case VT_BSTR: {
        const UINT length = ::SysStringByteLen(bstrVal);
        return length == ::SysStringByteLen(varSrc.bstrVal)
               && (length == 0 || std::memcmp(bstrVal, varSrc.bstrVal, length) == 0);
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return punkVal == varSrc.punkVal;
    default:
        return false;
    }
}
