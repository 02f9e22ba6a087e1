// Saving what a window or a device context shows, so that drawing code can be
// looked at: PNG or BMP files under <build>/screenshots.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace testshot {

// 32-bit top-down pixels in BGRA order, as GDI's DIB sections hold them.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgra;

    COLORREF Pixel(int x, int y) const;
};

// Copies a rectangle of a device context (client coordinates of the DC).
Image CaptureDC(HDC dc, const RECT& rect);
// Copies a rectangle of the screen as it shows now.
Image CaptureScreen(const RECT& rect);
// Copies a window's client area as it is on screen now (repaints it first).
Image CaptureWindow(HWND wnd);

// The folder the images go to; created on first use.
std::wstring ShotFolder();
// Writes to ShotFolder()/name; the format follows the name's ending (.png or .bmp).
// Returns the full path, or an empty string on failure.
std::wstring Save(const Image& image, const std::wstring& name);

// Encodes as PNG (RGBA, uncompressed deflate blocks): the whole file in memory.
std::vector<unsigned char> EncodePng(const Image& image);

} // namespace testshot
