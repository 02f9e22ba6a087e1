// One line of text drawn as DrawText with DT_SINGLELINE | DT_VCENTER draws
// it, straight with ExtTextOut when DrawText has nothing to do but place the
// text: no mnemonic to underline, no ellipsis. DrawText measures the text
// again on every call, which costs more than the drawing of a short text;
// menus draw two texts per item.
#pragma once
#include "framework/gdi/CDC.h"

class CXTPSingleLineText
{
public:
    // nFormat: DT_SINGLELINE | DT_VCENTER, with DT_RIGHT, DT_NOPREFIX and
    // DT_END_ELLIPSIS as wanted; any other flag leaves it to DrawText.
    // szText is the text's extent in the DC's font when the caller has it.
    static void Draw(CDC* pDC, const CString& strText, const CRect& rc, UINT nFormat, CSize szText = CSize(-1, -1));

private:
    static BOOL CanPlace(HDC hDC, const CString& strText, UINT nFormat);
};
