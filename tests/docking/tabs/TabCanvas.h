// A memory DC over a 32-bit top-down DIB, to read back what was drawn and
// to save it as a picture.
#pragma once
#include <string>
#include "framework/gdi/CDC.h"
#include "support/Screenshot.h"

class CTabCanvas
{
public:
    CTabCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~CTabCanvas();
    CTabCanvas(const CTabCanvas&) = delete;
    CTabCanvas& operator=(const CTabCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const;
    std::wstring Save(const std::wstring& name);

private:
    int m_width, m_height;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_bits = nullptr;
};
