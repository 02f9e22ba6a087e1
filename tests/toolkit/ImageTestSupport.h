// Small images made in memory for the image tests: 32-bit alpha bitmaps
// with chosen pixels, icons of one colour with a transparent corner, and a
// white 32-bit canvas to draw on and read back.
#pragma once
#include <windows.h>

#include <vector>

namespace imagetest {

// A top-down 32-bit DIB section; pixels given as 0xAARRGGBB.
HBITMAP MakeAlphaBitmap(int cx, int cy, const std::vector<DWORD>& argb);
// An icon of one opaque colour whose top-left pixel is transparent.
HICON MakeColorIcon(int cx, int cy, COLORREF clr);
// 0xAARRGGBB of one pixel of a 32-bit DIB section.
DWORD PixelOf(HBITMAP hBitmap, int x, int y);
// Colour (and mask: true = transparent) of one pixel of an icon.
COLORREF IconPixel(HICON hIcon, int x, int y, bool* pTransparent = nullptr);

// A memory DC on a white 32-bit canvas.
class Canvas
{
public:
    Canvas(int cx, int cy, COLORREF clrBackground = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_hDC; }
    COLORREF Pixel(int x, int y) const;
    // The bounding box of pixels that differ from the background.
    RECT Painted() const;

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    int m_cx;
    int m_cy;
    COLORREF m_clrBackground;
};

} // namespace imagetest
