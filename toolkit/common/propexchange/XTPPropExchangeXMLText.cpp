#include "toolkit/common/propexchange/XTPPropExchangeXMLText.h"

#include <cstring>
#include <cwchar>
#include <cwctype>

#include "framework/ole/COleDateTime.h"
#include "framework/ole/COleVariant.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

namespace {

// Text of VARIANTs when no locale is chosen: the same on every machine.
const LCID kNeutralLocale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

BOOL ParseInteger(LPCWSTR pszText, LONGLONG& nValue)
{
    while (iswspace(*pszText))
        pszText++;
    LPWSTR pszEnd = nullptr;
    nValue = wcstoll(pszText, &pszEnd, 10);
    return pszEnd != pszText;
}

BOOL ParseNumber(LPCWSTR pszText, double& dValue)
{
    LPWSTR pszEnd = nullptr;
    dValue = wcstod(pszText, &pszEnd);
    return pszEnd != pszText;
}

LCID ToLcid(int nLocale)
{
    return nLocale == -1 ? kNeutralLocale : (LCID)nLocale;
}

} // namespace

CString CXTPPropExchangeXMLText::Escape(LPCWSTR pszText)
{
    CString strResult;
    for (; *pszText; pszText++)
    {
        switch (*pszText)
        {
        case L'\\': strResult += L"\\\\"; break;
        case L'\n': strResult += L"\\n"; break;
        case L'\r': strResult += L"\\r"; break;
        case L'\t': strResult += L"\\t"; break;
        default: strResult += *pszText; break;
        }
    }
    return strResult;
}

CString CXTPPropExchangeXMLText::Unescape(LPCWSTR pszText)
{
    if (wcschr(pszText, L'\\') == nullptr)
        return CString(pszText);
    // One pass from the left: a doubled backslash is taken first, so
    // "\\n" stays a backslash followed by the letter n.
    CString strResult;
    while (*pszText)
    {
        if (pszText[0] == L'\\')
        {
            switch (pszText[1])
            {
            case L'\\': strResult += L'\\'; pszText += 2; continue;
            case L'n': strResult += L'\n'; pszText += 2; continue;
            case L'r': strResult += L'\r'; pszText += 2; continue;
            case L't': strResult += L'\t'; pszText += 2; continue;
            default: break;
            }
        }
        strResult += *pszText++;
    }
    return strResult;
}

BOOL CXTPPropExchangeXMLText::FormatDate(const COleDateTime& dt, CString& strText)
{
    SYSTEMTIME st;
    if (dt.GetStatus() != COleDateTime::valid || !dt.GetAsSystemTime(st))
        return FALSE;
    const BOOL bHasDate = !(st.wYear == 1899 && st.wMonth == 12 && st.wDay == 30);
    const BOOL bHasTime = st.wHour != 0 || st.wMinute != 0 || st.wSecond != 0;
    if (bHasDate && bHasTime)
        strText.Format(L"%04d-%02d-%02dT%02d:%02d:%02d", st.wYear, st.wDay, st.wMonth, st.wHour, st.wMinute,
                       st.wSecond);
    else if (bHasDate)
        strText.Format(L"%04d-%02d-%02d", st.wYear, st.wDay, st.wMonth);
    else
        strText.Format(L"%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
    return TRUE;
}

BOOL CXTPPropExchangeXMLText::ParseDate(LPCWSTR pszText, COleDateTime& dt)
{
    int nYear = 0, nDay = 0, nMonth = 0, nHour = 0, nMinute = 0, nSecond = 0;
    const int nDateParts =
        swscanf(pszText, L"%d-%d-%dT%d:%d:%d", &nYear, &nDay, &nMonth, &nHour, &nMinute, &nSecond);
    if (nDateParts == 3 || nDateParts == 5 || nDateParts == 6)
    {
        COleDateTime dtResult;
        if (dtResult.SetDateTime(nYear, nMonth, nDay, nHour, nMinute, nSecond) != 0)
            return FALSE;
        dt = dtResult;
        return TRUE;
    }

    nHour = nMinute = nSecond = 0;
    const int nTimeParts = swscanf(pszText, L"%d:%d:%d", &nHour, &nMinute, &nSecond);
    if (nTimeParts != 2 && nTimeParts != 3)
        return FALSE;
    if (nHour < 0 || nHour > 23 || nMinute < 0 || nMinute > 59 || nSecond < 0 || nSecond > 59)
        return FALSE;
    dt.m_dt = (nHour * 3600 + nMinute * 60 + nSecond) / 86400.0;
    dt.m_status = COleDateTime::valid;
    return TRUE;
}

BOOL CXTPPropExchangeXMLText::VariantToText(const VARIANT& var, int nLocale, CString& strText)
{
    if (nLocale == -1 && var.vt == VT_DATE)
        return FormatDate(COleDateTime(var.date), strText);
    VARIANT varText;
    VariantInit(&varText);
    if (FAILED(VariantChangeTypeEx(&varText, const_cast<VARIANT*>(&var), ToLcid(nLocale), 0, VT_BSTR)))
        return FALSE;
    strText = varText.bstrVal ? varText.bstrVal : L"";
    VariantClear(&varText);
    return TRUE;
}

BOOL CXTPPropExchangeXMLText::VariantFromText(LPCWSTR pszText, int nLocale, VARIANT& var)
{
    COleVariant& varValue = *static_cast<COleVariant*>(&var);
    COleDateTime dt;
    if (nLocale == -1 && ParseDate(pszText, dt))
    {
        varValue = dt;
        return TRUE;
    }
    COleVariant varText(pszText);
    // A value that already has a type is read back as that type; an empty
    // one keeps the text.
    const VARTYPE vtTarget = var.vt;
    if (vtTarget == VT_EMPTY || vtTarget == VT_NULL || vtTarget == VT_BSTR)
    {
        varValue = varText;
        return TRUE;
    }
    VARIANT varResult;
    VariantInit(&varResult);
    if (FAILED(VariantChangeTypeEx(&varResult, &varText, ToLcid(nLocale), 0, vtTarget)))
        return FALSE;
    varValue = varResult;
    VariantClear(&varResult);
    return TRUE;
}

BOOL CXTPPropExchangeXMLText::ToText(VARTYPE vtProp, const void* pvProp, int nLocale, CString& strText)
{
    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1: {
        DWORD dwValue = 0;
        memcpy(&dwValue, pvProp, (size_t)CXTPPropExchange::GetTypeSize(vtProp));
        strText.Format(L"%i", (int)dwValue);
        return TRUE;
    }
    case VT_R8:
        strText.Format(L"%f", *static_cast<const double*>(pvProp));
        return TRUE;
    case VT_DATE: {
        const COleDateTime& dt = *static_cast<const COleDateTime*>(pvProp);
        if (nLocale == -1)
            return FormatDate(dt, strText);
        if (dt.GetStatus() != COleDateTime::valid)
            return FALSE;
        strText = dt.Format(0, (LCID)nLocale);
        return TRUE;
    }
    case VT_VARIANT:
        return VariantToText(*static_cast<const VARIANT*>(pvProp), nLocale, strText);
    case VT_XTP_STRING:
        strText = Escape(*static_cast<const CString*>(pvProp));
        return TRUE;
    case VT_XTP_RECT: {
        const RECT& rc = *static_cast<const RECT*>(pvProp);
        strText.Format(L"%i, %i, %i, %i", (int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom);
        return TRUE;
    }
    case VT_XTP_SIZE: {
        const SIZE& sz = *static_cast<const SIZE*>(pvProp);
        strText.Format(L"%i, %i", (int)sz.cx, (int)sz.cy);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CXTPPropExchangeXMLText::FromText(VARTYPE vtProp, LPCWSTR pszText, int nLocale, void* pvProp)
{
    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1: {
        LONGLONG nValue = 0;
        if (!ParseInteger(pszText, nValue))
            return FALSE;
        const DWORD dwValue = (DWORD)nValue;
        memcpy(pvProp, &dwValue, (size_t)CXTPPropExchange::GetTypeSize(vtProp));
        return TRUE;
    }
    case VT_R8: {
        double dValue = 0;
        if (!ParseNumber(pszText, dValue))
            return FALSE;
        *static_cast<double*>(pvProp) = dValue;
        return TRUE;
    }
    case VT_DATE: {
        COleDateTime& dt = *static_cast<COleDateTime*>(pvProp);
        if (nLocale == -1)
            return ParseDate(pszText, dt);
        COleDateTime dtParsed;
        if (!dtParsed.ParseDateTime(pszText, 0, (LCID)nLocale))
            return FALSE;
        dt = dtParsed;
        return TRUE;
    }
    case VT_VARIANT:
        return VariantFromText(pszText, nLocale, *static_cast<VARIANT*>(pvProp));
    case VT_BSTR:
        *static_cast<BSTR*>(pvProp) = SysAllocString(Unescape(pszText));
        return TRUE;
    case VT_XTP_STRING:
        *static_cast<CString*>(pvProp) = Unescape(pszText);
        return TRUE;
    case VT_XTP_RECT: {
        int l = 0, t = 0, r = 0, b = 0;
        if (swscanf(pszText, L"%d, %d, %d, %d", &l, &t, &r, &b) != 4)
            return FALSE;
        *static_cast<RECT*>(pvProp) = RECT{l, t, r, b};
        return TRUE;
    }
    case VT_XTP_SIZE: {
        int cx = 0, cy = 0;
        if (swscanf(pszText, L"%d, %d", &cx, &cy) != 2)
            return FALSE;
        *static_cast<SIZE*>(pvProp) = SIZE{cx, cy};
        return TRUE;
    }
    default:
        return FALSE;
    }
}
