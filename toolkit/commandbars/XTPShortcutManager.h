// The keyboard shortcut manager of the command bars. Its tables come with the
// shortcut part; the mnemonic test that bars and the customize sheet share is
// here already.
#pragma once
#include <windows.h>
#include "framework/core/CCmdTarget.h"

class CXTPShortcutManager : public CCmdTarget
{
public:
    // TRUE when the virtual key types the character on any installed layout.
    static BOOL IsMnemonicKey(WCHAR ch, UINT nVirtKey);
};
