#include "toolkit/common/images/XTPAlphaBitmap.h"

#include <cstring>
#include <new>
#include <vector>

#include "framework/gdi/CDC.h"
#include "toolkit/common/system/XTPComCtlVersion.h"
#include "toolkit/common/images/XTPImageFileBytes.h"
#include "toolkit/common/images/XTPImagePixels.h"

namespace {

// A top-down 32-bit BI_RGB header; every DIB this file reads or makes uses it.
void InitTopDown32Header(BITMAPINFOHEADER& header, int cx, int cy)
{
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = cx;
    header.biHeight = -cy;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
}

// A DIB section with a copy of the pixels; pBits points to the copy's pixels.
HBITMAP CopyToNewDIB(HBITMAP hBitmap, BYTE*& pBits, int& nPixels)
{
    XTP_BITMAPINFO3 bmi;
    BYTE* pSource = nullptr;
    UINT nSize = 0;
    if (!XTPGetAlphaBitmapBits(nullptr, hBitmap, bmi, pSource, nSize))
        return nullptr;
    int cx = bmi.bmiHeader.biWidth;
    int cy = bmi.bmiHeader.biHeight < 0 ? -bmi.bmiHeader.biHeight : bmi.bmiHeader.biHeight;
    HBITMAP hCopy = XTPCreateAlphaDIB(cx, cy, &pBits);
    if (hCopy != nullptr)
    {
        std::memcpy(pBits, pSource, static_cast<size_t>(cx) * cy * 4);
        nPixels = cx * cy;
    }
    delete[] pSource;
    return hCopy;
}

} // namespace

BOOL XTPReadBitmapPixels32(HBITMAP hBitmap, int cx, int cy, void* pPixels)
{
    BITMAPINFO bmi = {};
    InitTopDown32Header(bmi.bmiHeader, cx, cy);
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen == nullptr)
        return FALSE;
    const int nRows = ::GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(cy), pPixels, &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    return nRows == cy;
}

HBITMAP XTPCreateOpaqueAlphaBitmap(HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObject(hBitmap, sizeof(bm), &bm) == 0 || bm.bmBitsPixel == 32 ||
        bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return nullptr;
    BYTE* pBits = nullptr;
    HBITMAP hCopy = XTPCreateAlphaDIB(bm.bmWidth, bm.bmHeight, &pBits);
    if (hCopy == nullptr)
        return nullptr;
    if (!XTPReadBitmapPixels32(hBitmap, bm.bmWidth, bm.bmHeight, pBits))
    {
        ::DeleteObject(hCopy);
        return nullptr;
    }
    // The source had no alpha: every pixel is opaque.
    const size_t nPixels = static_cast<size_t>(bm.bmWidth) * bm.bmHeight;
    for (size_t i = 0; i < nPixels; ++i)
        pBits[i * 4 + 3] = 0xFF;
    return hCopy;
}

BYTE* XTPGetDibSectionBits(HBITMAP hBitmap, int* pnPixels)
{
    DIBSECTION ds = {};
    if (hBitmap == nullptr || ::GetObject(hBitmap, sizeof(ds), &ds) != sizeof(ds) || ds.dsBm.bmBitsPixel != 32)
        return nullptr;
    ::GdiFlush();
    if (pnPixels != nullptr)
        *pnPixels = ds.dsBm.bmWidth * ds.dsBm.bmHeight;
    return static_cast<BYTE*>(ds.dsBm.bmBits);
}

BOOL XTPGetAlphaBitmapBits(CDC* pDC, HBITMAP hBitmap, XTP_BITMAPINFO3& bmi, BYTE*& pBits, UINT& nSize)
{
    pBits = nullptr;
    nSize = 0;
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObject(hBitmap, sizeof(bm), &bm) == 0 || bm.bmBitsPixel != 32 ||
        bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;

    HDC hDC = pDC != nullptr ? pDC->GetSafeHdc() : nullptr;
    HDC hScreen = hDC == nullptr ? ::GetDC(nullptr) : nullptr;
    if (hDC == nullptr && hScreen == nullptr)
        return FALSE;

    std::memset(&bmi, 0, sizeof(bmi));
    InitTopDown32Header(bmi.bmiHeader, bm.bmWidth, bm.bmHeight);
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(bm.bmWidth) * bm.bmHeight * 4;

    BOOL bResult = FALSE;
    BYTE* pBuffer = new (std::nothrow) BYTE[bmi.bmiHeader.biSizeImage];
    if (pBuffer != nullptr &&
        ::GetDIBits(hDC != nullptr ? hDC : hScreen, hBitmap, 0, bm.bmHeight, pBuffer,
                    reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS) == bm.bmHeight)
    {
        pBits = pBuffer;
        nSize = bmi.bmiHeader.biSizeImage;
        bResult = TRUE;
    }
    else
    {
        delete[] pBuffer;
    }
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    return bResult;
}

HBITMAP XTPCreateAlphaDIB(int cx, int cy, BYTE** ppBits)
{
    if (cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bmi = {};
    InitTopDown32Header(bmi.bmiHeader, cx, cy);
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(cx) * cy * 4;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap == nullptr)
        return nullptr;
    if (ppBits != nullptr)
        *ppBits = static_cast<BYTE*>(pBits);
    return hBitmap;
}

HBITMAP XTPCopyAlphaBitmap(HBITMAP hBitmap)
{
    BYTE* pBits = nullptr;
    int nPixels = 0;
    return CopyToNewDIB(hBitmap, pBits, nPixels);
}

HBITMAP XTPPreMultiplyAlphaBitmap(HBITMAP hBitmap, BOOL* pbAlpha)
{
    BYTE* pBits = nullptr;
    int nPixels = 0;
    HBITMAP hCopy = CopyToNewDIB(hBitmap, pBits, nPixels);
    if (hCopy == nullptr)
        return nullptr;
    if (pbAlpha != nullptr)
    {
        *pbAlpha = XTPPixelsHaveAlpha(pBits, nPixels);
        if (!*pbAlpha)
            return hCopy; // no real alpha: the copy equals the source
    }
    XTPPreMultiplyPixels(pBits, nPixels);
    return hCopy;
}

BOOL XTPSplitAlphaBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps)
{
    if (nCount <= 0 || pBitmaps == nullptr)
        return FALSE;
    XTP_BITMAPINFO3 bmi;
    BYTE* pSource = nullptr;
    UINT nSize = 0;
    if (!XTPGetAlphaBitmapBits(nullptr, hBitmap, bmi, pSource, nSize))
        return FALSE;
    int cx = bmi.bmiHeader.biWidth;
    int cy = -bmi.bmiHeader.biHeight;
    int cxPart = cx / nCount;
    BOOL bResult = cxPart > 0;
    for (int i = 0; bResult && i < nCount; ++i)
    {
        BYTE* pPart = nullptr;
        pBitmaps[i] = XTPCreateAlphaDIB(cxPart, cy, &pPart);
        if (pBitmaps[i] == nullptr)
        {
            for (int j = 0; j < i; ++j)
            {
                ::DeleteObject(pBitmaps[j]);
                pBitmaps[j] = nullptr;
            }
            bResult = FALSE;
            break;
        }
        for (int y = 0; y < cy; ++y)
            std::memcpy(pPart + static_cast<size_t>(y) * cxPart * 4,
                        pSource + (static_cast<size_t>(y) * cx + static_cast<size_t>(i) * cxPart) * 4,
                        static_cast<size_t>(cxPart) * 4);
    }
    delete[] pSource;
    return bResult;
}

BOOL XTPIsAlphaBitmapFile(LPCTSTR lpszFileName)
{
    HANDLE hFile = ::CreateFileW(lpszFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    DWORD nRead1 = 0;
    DWORD nRead2 = 0;
    BOOL bRead = ::ReadFile(hFile, &bfh, sizeof(bfh), &nRead1, nullptr) &&
                 ::ReadFile(hFile, &bih, sizeof(bih), &nRead2, nullptr);
    ::CloseHandle(hFile);
    return bRead && nRead1 == sizeof(bfh) && nRead2 == sizeof(bih) && bih.biBitCount == 32;
}

namespace {

// One directory entry's image when it is an uncompressed 32-bit image of
// the width asked for, as a top-down DIB section.
HBITMAP AlphaIconImage(const std::vector<BYTE>& file, const XTP_ICONFILEENTRY& entry, int nWidth)
{
    const ULONGLONG nEnd = (ULONGLONG)entry.dwImageOffset + entry.dwBytesInRes;
    if (entry.dwBytesInRes < sizeof(BITMAPINFOHEADER) || nEnd > file.size())
        return nullptr;
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, file.data() + entry.dwImageOffset, sizeof(bih));
    // The stored height covers the colour image and the mask below it.
    const LONG cx = bih.biWidth;
    const LONG cy = bih.biHeight / 2;
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biBitCount != 32 || bih.biCompression != BI_RGB || cx <= 0 ||
        cy <= 0 || (nWidth != 0 && cx != nWidth))
        return nullptr;
    const ULONGLONG nHeader = (ULONGLONG)bih.biSize + (ULONGLONG)bih.biClrUsed * sizeof(RGBQUAD);
    const ULONGLONG nPixels = (ULONGLONG)cx * (ULONGLONG)cy * 4;
    if (nHeader + nPixels > entry.dwBytesInRes)
        return nullptr;

    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(cx, cy, &pBits);
    if (hBitmap == nullptr)
        return nullptr;
    const BYTE* pSource = file.data() + entry.dwImageOffset + nHeader;
    const size_t nRow = (size_t)cx * 4;
    for (LONG y = 0; y < cy; y++)
        std::memcpy(pBits + (size_t)y * nRow, pSource + (size_t)(cy - 1 - y) * nRow, nRow);
    return hBitmap;
}

} // namespace

HBITMAP XTPLoadAlphaIconFile(LPCTSTR lpszFileName, int nWidth)
{
    std::vector<BYTE> file;
    if (nWidth < 0 || !XTPReadImageFile(lpszFileName, XTP_MAX_ICON_FILE_SIZE, file) ||
        file.size() < sizeof(XTP_ICONDIR))
        return nullptr;
    XTP_ICONDIR dir;
    std::memcpy(&dir, file.data(), sizeof(dir));
    if (dir.idReserved != 0 || dir.idType != 1 ||
        sizeof(XTP_ICONDIR) + (size_t)dir.idCount * sizeof(XTP_ICONFILEENTRY) > file.size())
        return nullptr;
    for (WORD i = 0; i < dir.idCount; i++)
    {
        XTP_ICONFILEENTRY entry;
        std::memcpy(&entry, file.data() + sizeof(XTP_ICONDIR) + (size_t)i * sizeof(entry), sizeof(entry));
        HBITMAP hBitmap = AlphaIconImage(file, entry, nWidth);
        if (hBitmap != nullptr)
            return hBitmap;
    }
    return nullptr;
}

namespace {

// The resource's bytes, or null.
const BYTE* BitmapResource(HMODULE hModule, LPCTSTR lpszResource, DWORD& nSize)
{
    HRSRC hRes = ::FindResourceW(hModule, lpszResource, RT_BITMAP);
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    nSize = ::SizeofResource(hModule, hRes);
    if (hData == nullptr || nSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    return static_cast<const BYTE*>(::LockResource(hData));
}

} // namespace

BOOL XTPIsAlphaBitmapResource(HMODULE hModule, LPCTSTR lpszResource)
{
    DWORD nSize = 0;
    const BYTE* pData = BitmapResource(hModule, lpszResource, nSize);
    return pData != nullptr && reinterpret_cast<const BITMAPINFOHEADER*>(pData)->biBitCount == 32;
}

HBITMAP XTPLoadAlphaBitmapResource(HMODULE hModule, LPCTSTR lpszResource)
{
    DWORD nSize = 0;
    const BYTE* pData = BitmapResource(hModule, lpszResource, nSize);
    if (pData == nullptr)
        return nullptr;
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, pData, sizeof(bih));
    if (bih.biBitCount != 32 || bih.biWidth <= 0 || bih.biHeight == 0)
        return nullptr;
    long long cy = bih.biHeight < 0 ? -static_cast<long long>(bih.biHeight) : bih.biHeight;
    long long nPixelBytes = static_cast<long long>(bih.biWidth) * cy * 4;
    if (static_cast<long long>(nSize) < nPixelBytes + 40)
        return nullptr;
    bih.biSizeImage = static_cast<DWORD>(nPixelBytes);
    bih.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap =
        ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap == nullptr)
        return nullptr;
    std::memcpy(pBits, pData + bih.biSize, static_cast<size_t>(nPixelBytes));
    return hBitmap;
}

CSize XTPGetIconSize(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    BITMAP bm = {};
    CSize size(0, 0);
    if (info.hbmMask != nullptr && ::GetObject(info.hbmMask, sizeof(bm), &bm) != 0)
        size = CSize(bm.bmWidth, info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return size;
}

COLORREF XTPGetBitmapPixel(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    if (hDC == nullptr)
        return CLR_INVALID;
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}


BOOL XTPIsComCtl6OrLater()
{
    return HIWORD(XTPGetComCtlVersion()) > 5;
}
