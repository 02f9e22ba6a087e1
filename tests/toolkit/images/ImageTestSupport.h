// Small images made in memory for the image tests: 32-bit alpha bitmaps
// with chosen pixels and icons of one colour with a transparent corner.
#pragma once
#include <windows.h>

#include <vector>

#include "toolkit/drawing/DrawTestSupport.h"

namespace imagetest {

// A top-down 32-bit DIB section; pixels given as 0xAARRGGBB.
HBITMAP MakeAlphaBitmap(int cx, int cy, const std::vector<DWORD>& argb);
// An icon made of the colour and mask bitmaps, which it deletes.
HICON IconOf(HBITMAP hColor, HBITMAP hMask);
// An icon of one opaque colour whose top-left pixel is transparent.
HICON MakeColorIcon(int cx, int cy, COLORREF clr);
// 0xAARRGGBB of one pixel of a 32-bit DIB section.
DWORD PixelOf(HBITMAP hBitmap, int x, int y);
// Colour (and mask: true = transparent) of one pixel of an icon.
COLORREF IconPixel(HICON hIcon, int x, int y, bool* pTransparent = nullptr);

// The drawing canvas, with its raw DC for calls that take one.
class Canvas : public CDibCanvas
{
public:
    using CDibCanvas::CDibCanvas;
    HDC dc() { return DC()->m_hDC; }
};

} // namespace imagetest
