#include "framework/regex/CAtlRegExpCharClass.h"

#include <windows.h>

bool CAtlRegExpCharClass::IsLetter(wchar_t ch)
{
    if (ch < 128)
        return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
    return IsCharAlphaW(ch) != FALSE;
}

bool CAtlRegExpCharClass::IsHexDigit(wchar_t ch)
{
    return IsDigit(ch) || (ch >= L'a' && ch <= L'f') || (ch >= L'A' && ch <= L'F');
}

bool CAtlRegExpCharClass::IsInClasses(wchar_t ch, unsigned classes)
{
    if ((classes & CLASS_DIGIT) && IsDigit(ch))
        return true;
    if ((classes & CLASS_HEXDIGIT) && IsHexDigit(ch))
        return true;
    if ((classes & CLASS_BLANK) && IsBlank(ch))
        return true;
    if ((classes & CLASS_LETTER) && IsLetter(ch))
        return true;
    return false;
}

wchar_t CAtlRegExpCharClass::ToLower(wchar_t ch)
{
    if (ch < 128)
        return (ch >= L'A' && ch <= L'Z') ? wchar_t(ch + 32) : ch;
    // A pointer argument whose high word is zero converts a single character.
    return wchar_t(LOWORD(reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch))))));
}

wchar_t CAtlRegExpCharClass::ToUpper(wchar_t ch)
{
    if (ch < 128)
        return (ch >= L'a' && ch <= L'z') ? wchar_t(ch - 32) : ch;
    return wchar_t(LOWORD(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch))))));
}
