// Text and font helpers: mnemonic stripping, installed-font test and the
// face used for vertical text.
#pragma once
#include "framework/text/CString.h"

// Removes the ampersand of a mnemonic, turns "&&" into "&" and drops a
// trailing "&".
void XTPStripMnemonics(CString& strText);
// TRUE when a font family of that face name is installed (case ignored).
BOOL XTPFontExists(LPCWSTR lpszFaceName);
// The face for vertical text: the GUI font's for far-east character sets on
// NT 5 or later, else "Arial" (or "Tahoma" when allowed and installed).
void XTPGetVerticalFontFace(CString& strFaceName, BOOL bAllowTahoma);
