// Copying with per-pixel alpha and with a transparent colour: the system's
// AlphaBlend and TransparentBlt when they can be had, else own versions on
// DIB sections and masks.
#pragma once
#include <windows.h>

#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"

class CDC;

// Premultiplied 32-bit source over the destination, stretched to the
// destination rectangle.
BOOL XTPAlphaBlend(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc);
// The source without the pixels of the transparent colour.
BOOL XTPTransparentBlt(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc, COLORREF clrTransparent);
// Draws a premultiplied 32-bit bitmap with its alpha; a source size of
// (0, 0) means the destination size.
void XTPDrawAlphaBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc = 0, int ySrc = 0,
                        int cxSrc = 0, int cySrc = 0);

// Draws a 32-bit bitmap with straight (not premultiplied) alpha blended by
// its per-pixel alpha at full constant alpha, stretched to the size given
// ((0, 0): the bitmap's own). A bitmap whose pixels carry no alpha is drawn
// opaque. FALSE unless the bitmap has 32 bits per pixel.
BOOL XTPDrawTransparentBitmap(CDC* pDC, HBITMAP hBitmap, CPoint ptDest, CSize szDest = CSize(0, 0));
// The own versions, used when the system's are missing or unfit.
BOOL XTPAlphaBlendFallback(HDC hDest, const CRect& rcDest, HDC hSrc, const CRect& rcSrc);
BOOL XTPTransparentBltFallback(HDC hDest, const CRect& rcDest, HDC hSrc, const CRect& rcSrc, COLORREF clrTransparent);

// The system is of the NT platform with major version 5 or later (asked once).
BOOL XTPIsNT5OrLater();
