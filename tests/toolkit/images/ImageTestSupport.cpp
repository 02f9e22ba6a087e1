#include "ImageTestSupport.h"

#include <cstring>

#include "toolkit/common/images/XTPAlphaBitmap.h"

namespace imagetest {

HBITMAP MakeAlphaBitmap(int cx, int cy, const std::vector<DWORD>& argb)
{
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(cx, cy, &pBits);
    std::memcpy(pBits, argb.data(), argb.size() * 4);
    return hBitmap;
}

HICON IconOf(HBITMAP hColor, HBITMAP hMask)
{
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = CreateIconIndirect(&info);
    DeleteObject(hColor);
    DeleteObject(hMask);
    return hIcon;
}

HICON MakeColorIcon(int cx, int cy, COLORREF clr)
{
    HDC hScreen = GetDC(nullptr);
    HBITMAP hColor = CreateCompatibleBitmap(hScreen, cx, cy);
    ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hColor);
    RECT rc = {0, 0, cx, cy};
    HBRUSH hBrush = CreateSolidBrush(clr);
    FillRect(hDC, &rc, hBrush);
    DeleteObject(hBrush);
    SetPixel(hDC, 0, 0, RGB(0, 0, 0));
    SelectObject(hDC, hMask);
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(hDC, 0, 0, RGB(255, 255, 255));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return IconOf(hColor, hMask);
}

DWORD PixelOf(HBITMAP hBitmap, int x, int y)
{
    DIBSECTION ds = {};
    GetObject(hBitmap, sizeof(ds), &ds);
    GdiFlush();
    const BYTE* pBits = static_cast<const BYTE*>(ds.dsBm.bmBits);
    int row = ds.dsBmih.biHeight < 0 ? y : ds.dsBm.bmHeight - 1 - y;
    DWORD value = 0;
    std::memcpy(&value, pBits + row * ds.dsBm.bmWidthBytes + x * 4, 4);
    return value;
}

COLORREF IconPixel(HICON hIcon, int x, int y, bool* pTransparent)
{
    ICONINFO info = {};
    GetIconInfo(hIcon, &info);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, info.hbmColor);
    COLORREF clr = GetPixel(hDC, x, y);
    SelectObject(hDC, info.hbmMask);
    if (pTransparent != nullptr)
        *pTransparent = GetPixel(hDC, x, y) != RGB(0, 0, 0);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return clr;
}

} // namespace imagetest
