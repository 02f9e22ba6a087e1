// The few system questions the tooltips ask: common-controls version,
// whether the application is in front, mnemonic stripping, vertical
// gradients and the visual-style colour scheme.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CDC;

namespace XTPToolTipHelpers {

// Major version in the high word, minor in the low word.
DWORD GetComCtlVersion();
// TRUE when the foreground window is the last active popup of the window's
// top-level window.
BOOL IsTopParentActive(HWND hWnd);
// "&x" loses its ampersand, "&&" becomes "&", a trailing "&" is dropped.
void StripMnemonics(CString& strText);
// Top (from) to bottom (to).
void FillVerticalGradient(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo);
// 0 none, 1 blue, 2 olive, 3 silver.
int GetSystemTheme();
// The tooltip colours of the system.
COLORREF GetInfoBackColor();
COLORREF GetInfoTextColor();

} // namespace XTPToolTipHelpers
