// Whether a key types a control's mnemonic: by the character the key types,
// compared without regard to case, so that "&Über" answers ü and Ü whatever
// key of whatever layout types them.
#include "framework/text/CaseFolding.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"

namespace {

int SystemKeyboardLayoutList(int nBuffLen, HKL* lpList)
{
    return ::GetKeyboardLayoutList(nBuffLen, lpList);
}

CXTPShortcutManager::PFNKEYBOARDLAYOUTLIST g_pfnKeyboardLayoutList = SystemKeyboardLayoutList;

const int kMaxLayouts = 16;

BOOL SameLetter(WCHAR a, WCHAR b)
{
    return AfxFoldCase(a) == AfxFoldCase(b);
}

// The codes of the letter and digit keys are their upper-case characters on
// every layout: a Latin mnemonic stays reachable on a Cyrillic layout. Other
// codes mean nothing as characters (VK_OEM_5 is 0xDC, which is "Ü").
BOOL IsLetterOrDigitKey(UINT nVirtKey)
{
    return (nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z');
}

// The one character the key types on the layout with the modifiers held now;
// 0 for none or several.
WCHAR TypedCharacter(UINT nVirtKey, HKL hLayout)
{
    BYTE keyState[256] = {};
    if (!::GetKeyboardState(keyState))
        return 0;
    // Alt is what makes the key a mnemonic, not part of the character; with
    // Ctrl it is AltGr and stays.
    if (!(keyState[VK_CONTROL] & 0x80))
        keyState[VK_MENU] = keyState[VK_LMENU] = keyState[VK_RMENU] = 0;
    WCHAR buffer[4] = {};
    UINT nScan = ::MapVirtualKeyExW(nVirtKey, MAPVK_VK_TO_VSC, hLayout);
    // Flag 4 leaves a pending dead key to the text the user goes on typing.
    return ::ToUnicodeEx(nVirtKey, nScan, keyState, buffer, 4, 4, hLayout) == 1 ? buffer[0] : 0;
}

} // namespace

CXTPShortcutManager::PFNKEYBOARDLAYOUTLIST CXTPShortcutManager::SetKeyboardLayoutList(
    PFNKEYBOARDLAYOUTLIST pfnLayoutList)
{
    PFNKEYBOARDLAYOUTLIST pfnOld = g_pfnKeyboardLayoutList;
    g_pfnKeyboardLayoutList = pfnLayoutList ? pfnLayoutList : SystemKeyboardLayoutList;
    return pfnOld;
}

WCHAR CXTPShortcutManager::GetPacketCharacter(UINT nVirtKey, LPARAM lKeyData)
{
    if (nVirtKey != VK_PACKET)
        return 0;
    WCHAR ch = static_cast<WCHAR>(HIWORD(lKeyData));
    // With Alt held, Wine sets the key data's Alt bit, which lies over bit 13
    // of the character: Alt+ä comes as 0x20E4.
    if (::GetKeyState(VK_MENU) < 0)
        ch &= ~0x2000;
    return ch;
}

BOOL CXTPShortcutManager::IsCharacterKey(UINT nVirtKey, LPARAM lKeyData)
{
    if (nVirtKey == VK_PACKET)
        return GetPacketCharacter(nVirtKey, lKeyData) != 0;
    return ::MapVirtualKeyW(nVirtKey, MAPVK_VK_TO_CHAR) != 0;
}

BOOL CXTPShortcutManager::IsMnemonicKey(WCHAR ch, UINT nVirtKey, LPARAM lKeyData)
{
    if (!IsCharacterKey(nVirtKey, lKeyData))
        return FALSE;
    if (nVirtKey == VK_PACKET)
        return SameLetter(GetPacketCharacter(nVirtKey, lKeyData), ch);
    if (IsLetterOrDigitKey(nVirtKey) && SameLetter(static_cast<WCHAR>(nVirtKey), ch))
        return TRUE;
    // What the key types on the thread's layout, then on each installed one
    // (the user may switch layouts between menus).
    HKL layouts[1 + kMaxLayouts] = {::GetKeyboardLayout(0)};
    int nInstalled = g_pfnKeyboardLayoutList(kMaxLayouts, layouts + 1);
    if (nInstalled < 0 || nInstalled > kMaxLayouts)
        nInstalled = 0;
    for (int i = 0; i <= nInstalled; i++) {
        WCHAR chTyped = TypedCharacter(nVirtKey, layouts[i]);
        if (chTyped != 0 && SameLetter(chTyped, ch))
            return TRUE;
    }
    return FALSE;
}
