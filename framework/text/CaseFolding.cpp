#include "framework/text/CaseFolding.h"

WCHAR AfxFoldCase(WCHAR ch)
{
    if (ch < 0x80)
        return ch >= L'A' && ch <= L'Z' ? static_cast<WCHAR>(ch + (L'a' - L'A')) : ch;
    CharLowerBuffW(&ch, 1);
    return ch;
}

int AfxCompareNoCase(LPCWSTR left, LPCWSTR right)
{
    if (left == nullptr)
        left = L"";
    if (right == nullptr)
        right = L"";
    for (;; ++left, ++right) {
        WCHAR a = AfxFoldCase(*left);
        WCHAR b = AfxFoldCase(*right);
        if (a != b)
            return a < b ? -1 : 1;
        if (a == 0)
            return 0;
    }
}
