// Whether a picture file holds together before the system's decoders see
// it. The GIF decoder and the bitmap loaders read sizes, offsets and block
// lengths as the file states them and run past its end on damaged files,
// so a GIF or a bitmap is checked here first; other formats are left to
// their loaders.
#pragma once
#include <windows.h>

#include <cstddef>

// A GIF: signature, a logical screen of sound size, colour tables, every
// extension's and image's sub-blocks within the data, each image inside the
// screen with a colour table and an LZW code size of 2 to 8 bits, at least
// one image, and the trailer.
BOOL XTPIsSoundGifData(const BYTE* pData, size_t nSize);

// A .bmp file image: file header, an info header of a known size and
// format, its colour table and its pixel data inside the data.
BOOL XTPIsSoundBitmapFileData(const BYTE* pData, size_t nSize);

// The file can be read, and when it is a GIF or a bitmap (by its first
// bytes, as the system's picture loader tells them apart) it holds together.
BOOL XTPIsSoundPictureFile(LPCWSTR lpszPath);
