#include "toolkit/common/XTPToolTipContextHelpers.h"

#include <shlwapi.h>
#include <uxtheme.h>

#include <string>

#include "framework/CDC.h"

namespace XTPToolTipHelpers {

DWORD GetComCtlVersion()
{
    static DWORD s_dwVersion = 0;
    if (s_dwVersion != 0)
        return s_dwVersion;
    HMODULE hModule = ::LoadLibraryW(L"COMCTL32.DLL");
    if (!hModule)
        return 0;
    typedef HRESULT(CALLBACK * PFNDLLGETVERSION)(DLLVERSIONINFO*);
    PFNDLLGETVERSION pfn = reinterpret_cast<PFNDLLGETVERSION>(::GetProcAddress(hModule, "DllGetVersion"));
    if (!pfn) {
        s_dwVersion = 0x40000;
    } else {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(pfn(&info)))
            s_dwVersion = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
    }
    ::FreeLibrary(hModule);
    return s_dwVersion;
}

BOOL IsTopParentActive(HWND hWnd)
{
    HWND hWndTop = hWnd;
    for (HWND hWndNext = hWnd; hWndNext; hWndNext = ::GetParent(hWndNext))
        hWndTop = hWndNext;
    if (!hWndTop)
        return FALSE;
    return ::GetForegroundWindow() == ::GetLastActivePopup(hWndTop);
}

void StripMnemonics(CString& strText)
{
    std::wstring text(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != L'&') {
            i++;
        } else if (i + 1 < text.size() && text[i + 1] == L'&') {
            // Kept; the second ampersand is judged on its own.
            i++;
        } else {
            // Removed; the character that moves into its place is taken as it is.
            text.erase(i, 1);
            i++;
        }
    }
    strText = CString(text.c_str());
}

void FillVerticalGradient(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo)
{
    TRIVERTEX vertices[2] = {};
    vertices[0].x = lpRect->left;
    vertices[0].y = lpRect->top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(crFrom) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(crFrom) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(crFrom) << 8);
    vertices[1].x = lpRect->right;
    vertices[1].y = lpRect->bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(crTo) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(crTo) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(crTo) << 8);
    GRADIENT_RECT mesh = {0, 1};
    ::GradientFill(pDC->GetSafeHdc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

int GetSystemTheme()
{
    if (!::IsThemeActive() || !::IsAppThemed())
        return 0;
    WCHAR szFile[MAX_PATH] = {}, szColor[MAX_PATH] = {};
    if (FAILED(::GetCurrentThemeName(szFile, MAX_PATH, szColor, MAX_PATH, nullptr, 0)))
        return 0;
    if (lstrcmpiW(szColor, L"NormalColor") == 0)
        return 1;
    if (lstrcmpiW(szColor, L"HomeStead") == 0)
        return 2;
    if (lstrcmpiW(szColor, L"Metallic") == 0)
        return 3;
    return 0;
}

COLORREF GetInfoBackColor()
{
    return ::GetSysColor(COLOR_INFOBK);
}

COLORREF GetInfoTextColor()
{
    return ::GetSysColor(COLOR_INFOTEXT);
}

} // namespace XTPToolTipHelpers
