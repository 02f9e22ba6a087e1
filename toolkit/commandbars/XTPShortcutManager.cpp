#include "toolkit/commandbars/XTPShortcutManager.h"

namespace {
WCHAR UpperCase(WCHAR ch)
{
    return static_cast<WCHAR>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(ch)))));
}
} // namespace

BOOL CXTPShortcutManager::IsMnemonicKey(WCHAR ch, UINT nVirtKey)
{
    if (MapVirtualKeyW(nVirtKey, 2) == 0)
        return FALSE;
    if (ch == nVirtKey || UpperCase(ch) == nVirtKey)
        return TRUE;
    HKL layouts[16];
    int nLayouts = GetKeyboardLayoutList(16, layouts);
    if (nLayouts < 2)
        return FALSE;
    BYTE keyState[256] = {};
    GetKeyboardState(keyState);
    for (int i = 0; i < nLayouts; i++) {
        WCHAR buffer[4] = {};
        UINT nScan = MapVirtualKeyExW(nVirtKey, 0, layouts[i]);
        if (ToUnicodeEx(nVirtKey, nScan, keyState, buffer, 4, 0, layouts[i]) == 1 &&
            (buffer[0] == ch || UpperCase(buffer[0]) == UpperCase(ch)))
            return TRUE;
    }
    return FALSE;
}
