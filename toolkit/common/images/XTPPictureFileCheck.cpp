#include "toolkit/common/images/XTPPictureFileCheck.h"

#include <cstring>
#include <vector>

#include "toolkit/common/images/XTPImageFileBytes.h"

namespace {

// Pictures the program shows are small; a larger file is not read at all.
const DWORD kMaxPictureFile = 64 * 1024 * 1024;
// Decoders compute sizes in 32 bits: extents stay far below any overflow.
const long kMaxExtent = 16384;
const ULONGLONG kMaxGifScreenPixels = 16 * 1024 * 1024;

WORD Word(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD Dword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

// Bytes of a GIF colour table whose flag and size stand in a packed field.
size_t GifColorTableBytes(BYTE packed)
{
    return (packed & 0x80) != 0 ? static_cast<size_t>(3) << ((packed & 7) + 1) : 0;
}

// Steps over a run of sub-blocks up to and including its empty terminator.
bool SkipGifSubBlocks(const BYTE* pData, size_t nSize, size_t& pos)
{
    for (;;) {
        if (pos >= nSize)
            return false;
        const size_t nLength = pData[pos++];
        if (nLength == 0)
            return true;
        if (nLength > nSize - pos)
            return false;
        pos += nLength;
    }
}

// An image descriptor (after its separator), its colour table and data.
bool SkipGifImage(const BYTE* pData, size_t nSize, size_t& pos, WORD screenWidth, WORD screenHeight,
                  bool bGlobalTable)
{
    if (nSize - pos < 9)
        return false;
    const BYTE* p = pData + pos;
    const unsigned left = Word(p), top = Word(p + 2), width = Word(p + 4), height = Word(p + 6);
    const BYTE packed = p[8];
    pos += 9;
    if (width == 0 || height == 0 || left + width > screenWidth || top + height > screenHeight)
        return false;
    const size_t nTable = GifColorTableBytes(packed);
    if (nTable == 0 && !bGlobalTable)
        return false;
    if (nTable >= nSize - pos)
        return false;
    pos += nTable;
    const BYTE codeSize = pData[pos++];
    if (codeSize < 2 || codeSize > 8)
        return false;
    return SkipGifSubBlocks(pData, nSize, pos);
}

bool IsKnownBitmapHeaderSize(DWORD nSize)
{
    return nSize == sizeof(BITMAPCOREHEADER) || nSize == sizeof(BITMAPINFOHEADER) || nSize == 52 || nSize == 56 ||
           nSize == sizeof(BITMAPV4HEADER) || nSize == sizeof(BITMAPV5HEADER);
}

} // namespace

BOOL XTPIsSoundGifData(const BYTE* pData, size_t nSize)
{
    if (pData == nullptr || nSize < 13 ||
        (std::memcmp(pData, "GIF87a", 6) != 0 && std::memcmp(pData, "GIF89a", 6) != 0))
        return FALSE;
    const WORD screenWidth = Word(pData + 6), screenHeight = Word(pData + 8);
    if (screenWidth == 0 || screenHeight == 0 ||
        static_cast<ULONGLONG>(screenWidth) * screenHeight > kMaxGifScreenPixels)
        return FALSE;
    const size_t nGlobalTable = GifColorTableBytes(pData[10]);
    size_t pos = 13;
    if (nGlobalTable > nSize - pos)
        return FALSE;
    pos += nGlobalTable;
    bool bImage = false;
    while (pos < nSize) {
        const BYTE introducer = pData[pos++];
        if (introducer == 0x3B)
            return bImage;
        if (introducer == 0x21) {
            if (pos >= nSize)
                return FALSE;
            const BYTE label = pData[pos++];
            // A graphic control block has exactly four bytes.
            if (label == 0xF9 && (pos >= nSize || pData[pos] != 4))
                return FALSE;
            if (!SkipGifSubBlocks(pData, nSize, pos))
                return FALSE;
        } else if (introducer == 0x2C) {
            if (!SkipGifImage(pData, nSize, pos, screenWidth, screenHeight, nGlobalTable != 0))
                return FALSE;
            bImage = true;
        } else {
            return FALSE;
        }
    }
    return FALSE;
}

BOOL XTPIsSoundBitmapFileData(const BYTE* pData, size_t nSize)
{
    const size_t nFileHeader = sizeof(BITMAPFILEHEADER);
    if (pData == nullptr || nSize < nFileHeader + sizeof(BITMAPCOREHEADER) || pData[0] != 'B' || pData[1] != 'M')
        return FALSE;
    const DWORD nOffBits = Dword(pData + 10);
    const DWORD nHeader = Dword(pData + nFileHeader);
    if (!IsKnownBitmapHeaderSize(nHeader) || nHeader > nSize - nFileHeader)
        return FALSE;
    const BYTE* pHeader = pData + nFileHeader;

    long width, height;
    WORD planes, bitCount;
    DWORD compression = BI_RGB, nClrUsed = 0, nSizeImage = 0;
    ULONGLONG nEntryBytes = sizeof(RGBQUAD);
    if (nHeader == sizeof(BITMAPCOREHEADER)) {
        width = Word(pHeader + 4);
        height = Word(pHeader + 6);
        planes = Word(pHeader + 8);
        bitCount = Word(pHeader + 10);
        nEntryBytes = sizeof(RGBTRIPLE);
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
            return FALSE;
    } else {
        width = static_cast<LONG>(Dword(pHeader + 4));
        height = static_cast<LONG>(Dword(pHeader + 8));
        planes = Word(pHeader + 12);
        bitCount = Word(pHeader + 14);
        compression = Dword(pHeader + 16);
        nSizeImage = Dword(pHeader + 20);
        nClrUsed = Dword(pHeader + 32);
        const bool bKnown = (compression == BI_RGB && (bitCount == 1 || bitCount == 4 || bitCount == 8 ||
                                                        bitCount == 16 || bitCount == 24 || bitCount == 32)) ||
                            (compression == BI_RLE8 && bitCount == 8 && height > 0) ||
                            (compression == BI_RLE4 && bitCount == 4 && height > 0) ||
                            (compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32));
        if (!bKnown)
            return FALSE;
    }
    if (planes != 1 || width <= 0 || width > kMaxExtent || height == 0 || height > kMaxExtent ||
        height < -kMaxExtent)
        return FALSE;

    // Colour table (and the bit-field masks behind a plain info header).
    const DWORD nMaxColors = bitCount <= 8 ? (1u << bitCount) : 256;
    if (nClrUsed > nMaxColors)
        return FALSE;
    const ULONGLONG nColors = bitCount <= 8 && nClrUsed == 0 ? nMaxColors : nClrUsed;
    const ULONGLONG nMasks = compression == BI_BITFIELDS && nHeader == sizeof(BITMAPINFOHEADER) ? 12 : 0;
    const ULONGLONG nTableEnd = nFileHeader + nHeader + nMasks + nColors * nEntryBytes;
    if (nTableEnd > nSize)
        return FALSE;

    // The pixels: where the file header says, or right behind the table.
    const ULONGLONG nPixelsAt = nOffBits != 0 ? nOffBits : nTableEnd;
    if (nPixelsAt < nTableEnd)
        return FALSE;
    ULONGLONG nPixelBytes;
    if (compression == BI_RLE8 || compression == BI_RLE4) {
        nPixelBytes = nSizeImage;
        if (nPixelBytes == 0)
            return FALSE;
    } else {
        const ULONGLONG nStride = ((static_cast<ULONGLONG>(width) * bitCount + 31) / 32) * 4;
        nPixelBytes = nStride * static_cast<ULONGLONG>(height < 0 ? -height : height);
    }
    return nPixelsAt + nPixelBytes <= nSize;
}

BOOL XTPIsSoundPictureFile(LPCWSTR lpszPath)
{
    std::vector<BYTE> bytes;
    if (!XTPReadImageFile(lpszPath, kMaxPictureFile, bytes))
        return FALSE;
    // The system's loader takes "GI" for a GIF and "BM" for a bitmap.
    if (bytes.size() >= 2 && bytes[0] == 'G' && bytes[1] == 'I')
        return XTPIsSoundGifData(bytes.data(), bytes.size());
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return XTPIsSoundBitmapFileData(bytes.data(), bytes.size());
    return TRUE;
}
