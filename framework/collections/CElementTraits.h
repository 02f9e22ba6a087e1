// Element traits of the template collections CAtlArray and CAtlMap: how
// elements are passed, hashed and compared.
#pragma once
#include "framework/text/CString.h"
#include "framework/text/CaseFolding.h"
#include "framework/collections/CollectionHelpers.h"

template <class T>
class CDefaultElementTraits
{
public:
    typedef const T& INARGTYPE;
    typedef T& OUTARGTYPE;

    static ULONG Hash(INARGTYPE element) { return AfxDefaultHash(element); }
    static bool CompareElements(INARGTYPE element1, INARGTYPE element2) { return element1 == element2; }
    static int CompareElementsOrdered(INARGTYPE element1, INARGTYPE element2)
    {
        return element1 < element2 ? -1 : (element2 < element1 ? 1 : 0);
    }
};

template <class T>
class CElementTraits : public CDefaultElementTraits<T>
{
};

// Case-sensitive string keys.
template <class T>
class CStringElementTraits
{
public:
    typedef LPCWSTR INARGTYPE;
    typedef T& OUTARGTYPE;

    static ULONG Hash(INARGTYPE str) { return AfxHashString(str); }
    static bool CompareElements(INARGTYPE str1, INARGTYPE str2) { return wcscmp(str1, str2) == 0; }
    static int CompareElementsOrdered(INARGTYPE str1, INARGTYPE str2) { return wcscmp(str1, str2); }
};

// Case-insensitive string keys: hash and comparison both ignore case.
template <class T>
class CStringElementTraitsI
{
public:
    typedef LPCWSTR INARGTYPE;
    typedef T& OUTARGTYPE;

    static ULONG Hash(INARGTYPE str) { return AfxHashStringNoCase(str); }
    static bool CompareElements(INARGTYPE str1, INARGTYPE str2) { return AfxEqualStringNoCase(str1, str2); }
    static int CompareElementsOrdered(INARGTYPE str1, INARGTYPE str2) { return AfxCompareNoCase(str1, str2); }
};

template <>
class CElementTraits<CString> : public CStringElementTraits<CString>
{
};
