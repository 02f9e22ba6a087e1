// The per-pixel arithmetic of derived images and alpha drawing, on plain
// memory: 32-bit pixels in the order blue, green, red, alpha, as DIB
// sections hold them. Every formula is done in integers, so white stays
// white and black fades to exactly 76.
#pragma once
#include <windows.h>

// Faded channel: trunc(0.7 * c + 0.3 * 255).
BYTE XTPFadeChannel(BYTE c);
COLORREF XTPFadeColor(COLORREF clr);

// Luminance of a colour in thousandths of 255: 299 r + 587 g + 114 b
// (0 for black, 255000 for white).
int XTPLuminanceMilli(BYTE red, BYTE green, BYTE blue);

// Grey of the computed disabled image: trunc(255 * sqrt(L)), L the luminance from 0 to 1.
BYTE XTPDisabledGrey(BYTE red, BYTE green, BYTE blue);
// Two-colour disabled image: per channel trunc(first * L + second * (1 - L)).
COLORREF XTPDisabledTwoColor(BYTE red, BYTE green, BYTE blue, COLORREF clrFirst, COLORREF clrSecond);
// The computed disabled colour of one pixel: two-colour mode when both
// colours are set (not -1), grey mode otherwise.
COLORREF XTPDisabledColor(COLORREF clr, COLORREF clrFirst, COLORREF clrSecond);

// Shadow colour from a base colour: each channel times 0.75, truncated.
COLORREF XTPShadowColor(COLORREF clrBase);

// Whole-image passes over nCount 32-bit pixels; alpha stays as it is.
void XTPFadePixels(BYTE* pBits, int nCount);
void XTPDisablePixels(BYTE* pBits, int nCount, COLORREF clrFirst, COLORREF clrSecond);
void XTPShadowPixels(BYTE* pBits, int nCount, COLORREF clrShadow);

// Premultiplies in place (c * alpha / 255). Answers whether the pixels
// carry real alpha, scanning in memory order: any alpha from 1 to 254, or
// an alpha of 255 after an alpha of 0 was met.
BOOL XTPPreMultiplyPixels(BYTE* pBits, int nCount);
BOOL XTPPixelsHaveAlpha(const BYTE* pBits, int nCount);

// One premultiplied source pixel over a destination pixel:
// source + destination * (255 - source alpha) / 255 on blue, green and red
// (at most 255); the result's alpha byte is 0.
void XTPBlendPremultipliedPixel(const BYTE* pSource, const BYTE* pDest, BYTE* pResult);
