#include "TabCanvas.h"

CTabCanvas::CTabCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    m_hBitmap = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
    m_dc.Attach(::CreateCompatibleDC(nullptr));
    m_hOld = m_dc.SelectObject(m_hBitmap);
    m_dc.FillSolidRect(0, 0, width, height, background);
}

CTabCanvas::~CTabCanvas()
{
    m_dc.SelectObject(m_hOld);
    ::DeleteDC(m_dc.Detach());
    ::DeleteObject(m_hBitmap);
}

COLORREF CTabCanvas::Pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD v = m_bits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::wstring CTabCanvas::Save(const std::wstring& name)
{
    ::GdiFlush();
    return testshot::Save(testshot::CaptureDC(m_dc, CRect(0, 0, m_width, m_height)), name);
}
