#include "toolkit/common/images/XTPImageManagerPersistBitmap.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"

namespace {

const DWORD INFO_HEADER_SIZE = sizeof(BITMAPINFOHEADER);

// Bytes of the pixels of a bitmap of this format, rows padded to 32 bits.
ULONGLONG PixelBytes(LONG nWidth, LONG nHeight, WORD nBitCount)
{
    ULONGLONG nStride = ((static_cast<ULONGLONG>(nWidth) * nBitCount + 31) / 32) * 4;
    return nStride * static_cast<ULONGLONG>(nHeight < 0 ? -static_cast<LONGLONG>(nHeight) : nHeight);
}

BOOL IsKnownBitCount(WORD nBitCount)
{
    return nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 16 || nBitCount == 24 ||
           nBitCount == 32;
}

// What a block's header must say before any of its bytes are trusted.
BOOL IsValidHeader(const BITMAPINFOHEADER& bih, DWORD nHeaderSize)
{
    if (bih.biSize != INFO_HEADER_SIZE || bih.biPlanes != 1 || !IsKnownBitCount(bih.biBitCount))
        return FALSE;
    if (nHeaderSize != XTPGetBitmapHeaderSize(bih.biBitCount))
        return FALSE;
    // The system reads as many colour entries as the header claims: no more
    // than the block holds, and none beside the masks above 8 bits.
    if (bih.biClrUsed > (bih.biBitCount <= 8 ? (1u << bih.biBitCount) : 0u))
        return FALSE;
    if (bih.biWidth <= 0 || bih.biWidth > XTP_BITMAP_BLOCK_MAX_EXTENT || bih.biHeight == 0 ||
        bih.biHeight > XTP_BITMAP_BLOCK_MAX_EXTENT || bih.biHeight < -XTP_BITMAP_BLOCK_MAX_EXTENT)
        return FALSE;
    if (bih.biCompression == BI_BITFIELDS)
        return bih.biBitCount == 16 || bih.biBitCount == 32;
    return bih.biCompression == BI_RGB;
}

void ThrowMalformed()
{
    AfxThrowArchiveException(CArchiveException::genericException);
}

// Reads and drops bytes the bitmap has no room for.
void SkipBytes(CArchive& ar, ULONGLONG nBytes)
{
    BYTE buffer[4096];
    while (nBytes > 0) {
        UINT nChunk = static_cast<UINT>(std::min<ULONGLONG>(nBytes, sizeof(buffer)));
        if (ar.Read(buffer, nChunk) != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        nBytes -= nChunk;
    }
}

void ReadWhole(CArchive& ar, void* lpBuf, UINT nCount)
{
    if (ar.Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

} // namespace

DWORD XTPGetBitmapHeaderSize(WORD nBitCount)
{
    DWORD nColors = nBitCount == 4 ? 16 : nBitCount == 8 ? 256 : 3;
    return INFO_HEADER_SIZE + nColors * sizeof(RGBQUAD);
}

BOOL XTPGetBitmapDIB(HBITMAP hBitmap, BITMAPINFO*& lpBitmapInfo, DWORD& nHeaderSize, BYTE*& lpBits,
                     DWORD& nBitsSize)
{
    lpBitmapInfo = nullptr;
    lpBits = nullptr;
    nHeaderSize = nBitsSize = 0;
    if (!hBitmap)
        return FALSE;
    HDC hDC = ::GetDC(nullptr);
    BITMAPINFOHEADER bih = {};
    bih.biSize = INFO_HEADER_SIZE;
    BOOL bResult = FALSE;
    if (::GetDIBits(hDC, hBitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS) &&
        IsKnownBitCount(bih.biBitCount) && bih.biHeight != 0) {
        DWORD nHeader = XTPGetBitmapHeaderSize(bih.biBitCount);
        DWORD nPixels = bih.biSizeImage != 0
                            ? bih.biSizeImage
                            : static_cast<DWORD>(bih.biWidth) * static_cast<DWORD>(std::abs(bih.biHeight)) * 4;
        // The system may fill in more rows than biSizeImage claims for odd formats.
        nPixels = std::max<DWORD>(nPixels, static_cast<DWORD>(PixelBytes(bih.biWidth, bih.biHeight, bih.biBitCount)));
        BYTE* pHeader = new (std::nothrow) BYTE[nHeader]();
        BYTE* pPixels = new (std::nothrow) BYTE[nPixels]();
        if (pHeader && pPixels) {
            memcpy(pHeader, &bih, INFO_HEADER_SIZE);
            BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(pHeader);
            if (::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(std::abs(bih.biHeight)), pPixels, pInfo,
                            DIB_RGB_COLORS)) {
                if (pInfo->bmiHeader.biSizeImage == 0)
                    pInfo->bmiHeader.biSizeImage = nPixels;
                lpBitmapInfo = pInfo;
                lpBits = pPixels;
                nHeaderSize = nHeader;
                nBitsSize = pInfo->bmiHeader.biSizeImage;
                bResult = TRUE;
            }
        }
        if (!bResult) {
            delete[] pHeader;
            delete[] pPixels;
        }
    }
    ::ReleaseDC(nullptr, hDC);
    return bResult;
}

void XTPWriteBitmapBlock(CArchive& ar, HBITMAP hBitmap)
{
    BITMAPINFO* pInfo = nullptr;
    BYTE* pBits = nullptr;
    DWORD nHeaderSize = 0, nBitsSize = 0;
    if (!XTPGetBitmapDIB(hBitmap, pInfo, nHeaderSize, pBits, nBitsSize)) {
        ar << DWORD(0);
        return;
    }
    ar << nHeaderSize;
    ar.Write(pInfo, nHeaderSize);
    ar << nBitsSize;
    ar.Write(pBits, nBitsSize);
    delete[] reinterpret_cast<BYTE*>(pInfo);
    delete[] pBits;
}

HBITMAP XTPReadBitmapBlock(CArchive& ar)
{
    DWORD nHeaderSize = 0;
    ar >> nHeaderSize;
    if (nHeaderSize == 0)
        return nullptr;
    // The data may come from any process (the clipboard): nothing in it is
    // believed before it has been checked against the bitmap it describes.
    if (nHeaderSize < INFO_HEADER_SIZE || nHeaderSize > XTPGetBitmapHeaderSize(8))
        ThrowMalformed();
    std::unique_ptr<BYTE[]> header(new BYTE[nHeaderSize]);
    ReadWhole(ar, header.get(), nHeaderSize);
    BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(header.get());
    if (!IsValidHeader(pInfo->bmiHeader, nHeaderSize))
        ThrowMalformed();

    DWORD nBitsSize = 0;
    ar >> nBitsSize;
    if (pInfo->bmiHeader.biSizeImage == 0)
        pInfo->bmiHeader.biSizeImage = nBitsSize;
    ULONGLONG nRealSize = PixelBytes(pInfo->bmiHeader.biWidth, pInfo->bmiHeader.biHeight, pInfo->bmiHeader.biBitCount);
    // Every bitmap comes with its pixels, so that what a load allocates
    // grows with the data and a few bytes cannot claim a huge bitmap.
    if (nBitsSize < nRealSize)
        ThrowMalformed();

    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, pInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
    ULONGLONG nCopy = hBitmap ? std::min<ULONGLONG>({nBitsSize, pInfo->bmiHeader.biSizeImage, nRealSize}) : 0;
    try {
        if (nCopy > 0)
            ReadWhole(ar, pBits, static_cast<UINT>(nCopy));
        SkipBytes(ar, nBitsSize - nCopy);
    } catch (...) {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        throw;
    }
    return hBitmap;
}
