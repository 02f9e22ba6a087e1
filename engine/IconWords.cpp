#include "engine/IconWords.h"

namespace {

inline WCHAR FoldAscii(WCHAR ch)
{
    return ch >= L'A' && ch <= L'Z' ? (WCHAR)(ch - L'A' + L'a') : ch;
}

} // namespace

BOOL ContainsWordNoCase(LPCWSTR pszText, LPCWSTR pszWord)
{
    if (pszText == nullptr || pszWord == nullptr)
        return FALSE;
    if (*pszWord == L'\0')
        return TRUE;
    const WCHAR first = FoldAscii(*pszWord);
    for (; *pszText != L'\0'; ++pszText)
    {
        if (FoldAscii(*pszText) != first)
            continue;
        int i = 1;
        while (pszWord[i] != L'\0' && FoldAscii(pszText[i]) == FoldAscii(pszWord[i]))
            ++i;
        if (pszWord[i] == L'\0')
            return TRUE;
    }
    return FALSE;
}

int GetIconState(LPCWSTR pszImageTag)
{
    if (ContainsWordNoCase(pszImageTag, L"tickets_ltl"))
        return TICKETS_LITTLE;
    if (ContainsWordNoCase(pszImageTag, L"tickets_yes"))
        return TICKETS_YES;
    return TICKETS_NONE;
}

BOOL IsNoResaleIcon(LPCWSTR pszImageTag)
{
    return ContainsWordNoCase(pszImageTag, L"resale_no_");
}
