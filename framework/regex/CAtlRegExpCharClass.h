// Character classes and case folding of the pattern language. ASCII is
// answered from tables; other characters ask the system's Unicode tables,
// so that German umlauts count as letters and fold like their capitals.
#pragma once

class CAtlRegExpCharClass
{
public:
    // Classes a set can hold besides single characters and ranges.
    enum
    {
        CLASS_LETTER = 1,
        CLASS_DIGIT = 2,
        CLASS_HEXDIGIT = 4,
        CLASS_BLANK = 8
    };

    static bool IsLetter(wchar_t ch);
    static bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }
    static bool IsHexDigit(wchar_t ch);
    static bool IsBlank(wchar_t ch) { return ch == L' ' || ch == L'\t'; }
    static bool IsInClasses(wchar_t ch, unsigned classes);

    static wchar_t ToLower(wchar_t ch);
    static wchar_t ToUpper(wchar_t ch);
    // True when the character has a partner of the other case.
    static bool HasCase(wchar_t ch) { return ToLower(ch) != ToUpper(ch); }
};
