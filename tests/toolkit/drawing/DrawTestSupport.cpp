#include "DrawTestSupport.h"

CDibCanvas::CDibCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_background(background), m_bits(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_dc.Attach(CreateCompatibleDC(nullptr));
    m_hOldBitmap = SelectObject(m_dc.m_hDC, m_hBitmap);
    RECT rc = {0, 0, width, height};
    m_dc.FillSolidRect(&rc, background);
}

CDibCanvas::~CDibCanvas()
{
    SelectObject(m_dc.m_hDC, m_hOldBitmap);
    m_dc.DeleteDC();
    DeleteObject(m_hBitmap);
}

COLORREF CDibCanvas::Pixel(int x, int y) const
{
    GdiFlush();
    DWORD bgra = m_bits[y * m_width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool CDibCanvas::IsFilled(const RECT& rc, COLORREF color) const
{
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (Pixel(x, y) != color)
                return false;
    return true;
}

RECT CDibCanvas::Painted() const
{
    RECT rc = {m_width, m_height, 0, 0};
    for (int y = 0; y < m_height; y++)
        for (int x = 0; x < m_width; x++)
            if (Pixel(x, y) != m_background)
            {
                rc.left = x < rc.left ? x : rc.left;
                rc.top = y < rc.top ? y : rc.top;
                rc.right = x + 1 > rc.right ? x + 1 : rc.right;
                rc.bottom = y + 1 > rc.bottom ? y + 1 : rc.bottom;
            }
    return rc;
}

namespace {

int CALLBACK TakeFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM param)
{
    *reinterpret_cast<CString*>(param) = lf->lfFaceName;
    return lf->lfFaceName[0] == L'@' ? 1 : 0;
}

} // namespace

CString AnyInstalledFontFace()
{
    CString face;
    HDC screen = GetDC(nullptr);
    LOGFONTW all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &all, TakeFace, reinterpret_cast<LPARAM>(&face), 0);
    ReleaseDC(nullptr, screen);
    return face;
}
