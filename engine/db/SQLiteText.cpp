#include "engine/db/SQLiteText.h"

#include <windows.h>

std::string SQLiteTextToUtf8(LPCWSTR lpszText)
{
    if (lpszText == NULL || *lpszText == L'\0')
        return std::string();
    int nLength = WideCharToMultiByte(CP_UTF8, 0, lpszText, -1, NULL, 0, NULL, NULL);
    if (nLength <= 0)
        return std::string();
    std::string text(nLength, '\0');
    WideCharToMultiByte(CP_UTF8, 0, lpszText, -1, &text[0], nLength, NULL, NULL);
    text.resize(nLength - 1);
    return text;
}

CString SQLiteTextFromUtf8(const char* pszText)
{
    CString strText;
    if (pszText == NULL || *pszText == '\0')
        return strText;
    int nLength = MultiByteToWideChar(CP_UTF8, 0, pszText, -1, NULL, 0);
    if (nLength <= 0)
        return strText;
    LPWSTR pBuffer = strText.GetBuffer(nLength);
    MultiByteToWideChar(CP_UTF8, 0, pszText, -1, pBuffer, nLength);
    strText.ReleaseBuffer();
    return strText;
}
