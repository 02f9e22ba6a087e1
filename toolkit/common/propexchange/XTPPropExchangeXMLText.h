// The text forms of exchanged values in XML: integers, numbers, dates with
// the year before the day before the month, escaped strings, rectangles
// and sizes.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "framework/text/CString.h"

class COleDateTime;

class CXTPPropExchangeXMLText
{
public:
    // FALSE for type codes that have no text form (float, currency, BSTR
    // when storing, and unknown codes) and for values that cannot be
    // written. nLocale -1 gives the locale-independent forms.
    static BOOL ToText(VARTYPE vtProp, const void* pvProp, int nLocale, CString& strText);
    // FALSE when the type has no text form or the text does not parse; the
    // value is then left as it was.
    static BOOL FromText(VARTYPE vtProp, LPCWSTR pszText, int nLocale, void* pvProp);

    // Backslash, line feed, carriage return and tab as backslash escapes.
    static CString Escape(LPCWSTR pszText);
    static CString Unescape(LPCWSTR pszText);

    static BOOL FormatDate(const COleDateTime& dt, CString& strText);
    static BOOL ParseDate(LPCWSTR pszText, COleDateTime& dt);

private:
    static BOOL VariantToText(const VARIANT& var, int nLocale, CString& strText);
    static BOOL VariantFromText(LPCWSTR pszText, int nLocale, VARIANT& var);
};
