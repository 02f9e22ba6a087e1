// One bitmap as a block of a binary archive: header size, header with its
// colour entries, pixel size, pixels. Header size 0 stands for no bitmap.
#pragma once
#include <windows.h>

class CArchive;

// Largest width or height of a bitmap read back from a block.
const LONG XTP_BITMAP_BLOCK_MAX_EXTENT = 4096;

// The bitmap's header (with room for lpBitmapInfo's colour entries, see
// XTPGetBitmapHeaderSize) and a new[] copy of its pixels in its own format.
// FALSE when the bitmap cannot be read.
BOOL XTPGetBitmapDIB(HBITMAP hBitmap, BITMAPINFO*& lpBitmapInfo, DWORD& nHeaderSize, BYTE*& lpBits,
                     DWORD& nBitsSize);
// 40 bytes plus 16 colour entries for 4 bits per pixel, 256 for 8, else 3.
DWORD XTPGetBitmapHeaderSize(WORD nBitCount);

// A null or unreadable bitmap is written as an empty block.
void XTPWriteBitmapBlock(CArchive& ar, HBITMAP hBitmap);
// Null for an empty block or when no bitmap can be made; a block whose
// header or sizes do not describe a bitmap throws an archive exception.
HBITMAP XTPReadBitmapBlock(CArchive& ar);
