// Making an image smaller by averaging: every pixel of the smaller image is
// the coverage-weighted mean of the source pixels under it, colours weighted
// by their alpha. Drawing an image smaller through a stretch samples single
// source pixels instead, so thin lines and the few pixels a user painted
// vanish or come and go with their position; averaged, every source pixel
// leaves its share in the smaller image.
#pragma once
#include <windows.h>

class CXTPImageManagerIconHandle;

// Straight-alpha 32-bit pixels (blue, green, red, alpha; rows top-down, no
// padding) of cxSource x cySource averaged into cx x cy. A pixel left fully
// transparent is 0 in all four bytes.
void XTPShrinkPixels(const BYTE* pSource, int cxSource, int cySource, BYTE* pDest, int cx, int cy);

// The image (an alpha bitmap, or an icon whose mask gives the alpha) as a
// new straight-alpha 32-bit DIB section of cx x cy; null when it cannot be
// read or a size is not positive.
HBITMAP XTPCreateShrunkAlphaBitmap(const CXTPImageManagerIconHandle& hImage, int cx, int cy);
