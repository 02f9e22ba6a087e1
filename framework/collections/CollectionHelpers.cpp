#include "framework/collections/CollectionHelpers.h"
#include "framework/text/CString.h"
#include "framework/text/CaseFolding.h"

UINT AfxHashString(LPCWSTR text)
{
    UINT hash = 0;
    if (text != nullptr) {
        while (*text != 0)
            hash = (hash << 5) + hash + *text++;
    }
    return hash;
}

UINT AfxHashStringNoCase(LPCWSTR text)
{
    UINT hash = 0;
    if (text != nullptr) {
        while (*text != 0)
            hash = (hash << 5) + hash + AfxFoldCase(*text++);
    }
    return hash;
}

bool AfxEqualStringNoCase(LPCWSTR left, LPCWSTR right)
{
    return AfxCompareNoCase(left, right) == 0;
}

template <>
UINT HashKey<LPCWSTR>(LPCWSTR key)
{
    return AfxHashString(key);
}

template <>
UINT HashKey<const CString&>(const CString& key)
{
    return AfxHashString(key);
}

template <>
UINT HashKey<CString>(CString key)
{
    return AfxHashString(key);
}
