// One open visual-style theme handle, used without linking to the library:
// every call fails softly (failure value, no exception) when the library,
// the entry point or the call itself is not there.
#pragma once
#include <windows.h>
#include <uxtheme.h>

class CXTPWinThemeLibrary;

class CXTPWinThemeWrapper
{
public:
    // Without a library the process-wide one is used.
    explicit CXTPWinThemeWrapper(CXTPWinThemeLibrary* pLibrary = nullptr);
    virtual ~CXTPWinThemeWrapper();
    CXTPWinThemeWrapper(const CXTPWinThemeWrapper&) = delete;
    CXTPWinThemeWrapper& operator=(const CXTPWinThemeWrapper&) = delete;

    // Closes the handle held so far, then opens the classes' theme data.
    void OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
    void CloseThemeData();

    HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect, const RECT* pClipRect);
    HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    HRESULT GetThemePartSize(HDC hDC, int iPartId, int iStateId, RECT* pRect, THEMESIZE eSize, SIZE* psz);
    BOOL GetThemeSysBool(int iBoolId);
    // FALSE while no theme handle is open.
    BOOL IsAppThemed();
    BOOL IsThemeActive();
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);

    // Active visual styles with common controls 6 or later.
    BOOL IsThemeUsable();

    HTHEME GetThemeHandle() const { return m_hTheme; }

private:
    CXTPWinThemeLibrary& m_library;
    HTHEME m_hTheme;
};

// TRUE while the wrapper holds an open theme handle.
BOOL XTPHasSecondHandle(const CXTPWinThemeWrapper& wrapper);
