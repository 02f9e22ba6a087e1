// 32-bit bitmaps with straight (not premultiplied) alpha: reading their
// pixels, copying, premultiplying, splitting into images, loading from
// resources and files, and the small icon and pixel queries the image code
// needs.
#pragma once
#include <windows.h>

#include "framework/gdi/CSize.h"

class CDC;

// Room for a BITMAPINFO header and three colour entries (the bit-field
// masks of a BI_BITFIELDS bitmap).
struct XTP_BITMAPINFO3
{
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[3];
};

// Icon directories, in files and in icon-group resources alike: a header,
// then entries that start with the same fields.
#pragma pack(push, 2)
struct XTP_ICONDIR
{
    WORD idReserved;
    WORD idType; // 1 for icons
    WORD idCount;
};
struct XTP_ICONDIRENTRY_COMMON
{
    BYTE bWidth;
    BYTE bHeight;
    BYTE bColorCount;
    BYTE bReserved;
    WORD wPlanes;
    WORD wBitCount;
    DWORD dwBytesInRes;
};
// An .ico file's entry: where the image starts in the file.
struct XTP_ICONFILEENTRY : XTP_ICONDIRENTRY_COMMON
{
    DWORD dwImageOffset;
};
// An icon-group resource's entry: the id of the icon resource.
struct XTP_ICONGROUPENTRY : XTP_ICONDIRENTRY_COMMON
{
    WORD nID;
};
#pragma pack(pop)
static_assert(sizeof(XTP_ICONFILEENTRY) == 16 && sizeof(XTP_ICONGROUPENTRY) == 14, "icon directory layout");

// The header and a freshly allocated copy (delete[]) of the pixels of a
// 32-bit bitmap, top-down rows as GetDIBits gives them with a negative
// height. FALSE unless the bitmap has 32 bits per pixel.
BOOL XTPGetAlphaBitmapBits(CDC* pDC, HBITMAP hBitmap, XTP_BITMAPINFO3& bmi, BYTE*& pBits, UINT& nSize);

// A new 32-bit top-down DIB section of the given size; its pixels through ppBits.
HBITMAP XTPCreateAlphaDIB(int cx, int cy, BYTE** ppBits);

// A bitmap's pixels (cx x cy, its own size) as top-down 32-bit values; a
// bitmap of fewer bits per pixel gives 0 in the alpha byte. FALSE when
// they cannot be read.
BOOL XTPReadBitmapPixels32(HBITMAP hBitmap, int cx, int cy, void* pPixels);

// A 32-bit copy of a bitmap of any other depth, fully opaque; null for a
// 32-bit bitmap (it keeps its own alpha) or one that cannot be read.
HBITMAP XTPCreateOpaqueAlphaBitmap(HBITMAP hBitmap);

// The pixels of a 32-bit DIB section (and their number), or null.
BYTE* XTPGetDibSectionBits(HBITMAP hBitmap, int* pnPixels);

// A new 32-bit DIB section with the same pixels, or null.
HBITMAP XTPCopyAlphaBitmap(HBITMAP hBitmap);
// A new 32-bit DIB section holding the premultiplied pixels, or null. With
// pbAlpha, it tells whether the pixels carry real alpha; when they do not,
// the copy keeps the unmultiplied pixels.
HBITMAP XTPPreMultiplyAlphaBitmap(HBITMAP hBitmap, BOOL* pbAlpha = nullptr);
// Cuts a 32-bit bitmap into nCount images of equal width, left to right.
// Any failure deletes the parts made so far: FALSE.
BOOL XTPSplitAlphaBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps);

BOOL XTPIsAlphaBitmapFile(LPCTSTR lpszFileName);
// The first 32-bit image of the given width (0: any) in an .ico file, as a
// top-down 32-bit DIB section of the image's own size; null when the file
// holds none or does not hold together.
HBITMAP XTPLoadAlphaIconFile(LPCTSTR lpszFileName, int nWidth);
BOOL XTPIsAlphaBitmapResource(HMODULE hModule, LPCTSTR lpszResource);
HBITMAP XTPLoadAlphaBitmapResource(HMODULE hModule, LPCTSTR lpszResource);

// The size of an icon (from its mask bitmap); (0, 0) when it has none.
CSize XTPGetIconSize(HICON hIcon);
// The colour of one pixel, read through a compatible DC.
COLORREF XTPGetBitmapPixel(HBITMAP hBitmap, int x, int y);
// The common controls are version 6 or later.
BOOL XTPIsComCtl6OrLater();
