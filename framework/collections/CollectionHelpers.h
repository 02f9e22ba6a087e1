// Shared pieces of the collection classes: the iteration position, hashing
// and comparison of keys and elements.
#pragma once
#include <windows.h>
#include <type_traits>

class CString;

// An opaque iteration position; null means "no (more) elements".
struct __POSITION
{
};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))

// Hash of integral, enumeration and pointer keys.
template <class T>
inline UINT AfxDefaultHash(const T& key)
{
    if constexpr (std::is_pointer_v<T>) {
        // Heap addresses are aligned; the low bits carry no information.
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
    } else {
        static_assert(std::is_integral_v<T> || std::is_enum_v<T>, "key type needs its own HashKey");
        return static_cast<UINT>(static_cast<unsigned long long>(key) ^ (static_cast<unsigned long long>(key) >> 32));
    }
}

// Hash of text; the case-insensitive variant folds each character first.
UINT AfxHashString(LPCWSTR text);
UINT AfxHashStringNoCase(LPCWSTR text);
// Equality that folds case the same way as AfxHashStringNoCase.
bool AfxEqualStringNoCase(LPCWSTR left, LPCWSTR right);

// Hash of the argument form of a map key (the form a map looks keys up by).
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    return AfxDefaultHash(key);
}
template <>
UINT HashKey<LPCWSTR>(LPCWSTR key);
template <>
UINT HashKey<const CString&>(const CString& key);
template <>
UINT HashKey<CString>(CString key);

// Element equality used by the list's Find and the map's key lookup.
template <class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}
