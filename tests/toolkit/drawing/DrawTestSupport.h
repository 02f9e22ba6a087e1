// A memory DC over a 32-bit DIB section, so that tests read back exactly
// what was drawn.
#pragma once
#include <windows.h>
#include "framework/gdi/CDC.h"
#include "framework/text/CString.h"

class CDibCanvas
{
public:
    CDibCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~CDibCanvas();
    CDibCanvas(const CDibCanvas&) = delete;
    CDibCanvas& operator=(const CDibCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    COLORREF Pixel(int x, int y) const;
    // TRUE when every pixel of the rectangle has the colour.
    bool IsFilled(const RECT& rc, COLORREF color) const;
    // The bounding box of the pixels that differ from the background.
    RECT Painted() const;

private:
    int m_width, m_height;
    COLORREF m_background;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    DWORD* m_bits;
};

// The face name of an installed font family (not a vertical "@" one).
CString AnyInstalledFontFace();
