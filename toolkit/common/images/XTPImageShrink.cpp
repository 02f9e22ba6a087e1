#include "toolkit/common/images/XTPImageShrink.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/common/images/XTPImagePixels.h"

namespace {

// How much of source pixel i (spanning [i * nDest, (i + 1) * nDest)) lies
// under destination pixel d (spanning [d * nSource, (d + 1) * nSource)).
long long Overlap(int i, int nDest, int d, int nSource)
{
    const long long nStart = std::max(static_cast<long long>(i) * nDest, static_cast<long long>(d) * nSource);
    const long long nEnd =
        std::min(static_cast<long long>(i + 1) * nDest, static_cast<long long>(d + 1) * nSource);
    return nEnd > nStart ? nEnd - nStart : 0;
}

// An icon's pixels with alpha: its own alpha channel when its colour image
// carries real alpha, else opaque wherever the mask is black.
bool ReadIconPixels(HICON hIcon, std::vector<BYTE>& pixels, CSize& size)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return false;
    bool bRead = false;
    BITMAP bm = {};
    if (info.hbmColor != nullptr && ::GetObject(info.hbmColor, sizeof(bm), &bm) != 0 && bm.bmWidth > 0 &&
        bm.bmHeight > 0) {
        size = CSize(bm.bmWidth, bm.bmHeight);
        const size_t nPixels = static_cast<size_t>(bm.bmWidth) * bm.bmHeight;
        pixels.assign(nPixels * 4, 0);
        std::vector<BYTE> mask(nPixels * 4, 0);
        bRead = XTPReadBitmapPixels32(info.hbmColor, bm.bmWidth, bm.bmHeight, pixels.data()) &&
                XTPReadBitmapPixels32(info.hbmMask, bm.bmWidth, bm.bmHeight, mask.data());
        // An alpha byte that is the same everywhere says nothing.
        const bool bOwnAlpha = bRead && XTPPixelsHaveAlpha(pixels.data(), static_cast<int>(nPixels));
        for (size_t i = 0; bRead && !bOwnAlpha && i < nPixels; ++i)
            pixels[i * 4 + 3] = mask[i * 4] == 0 ? 0xFF : 0;
    }
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    return bRead;
}

bool ReadImagePixels(const CXTPImageManagerIconHandle& hImage, std::vector<BYTE>& pixels, CSize& size)
{
    if (hImage.GetIcon() != nullptr)
        return ReadIconPixels(hImage.GetIcon(), pixels, size);
    XTP_BITMAPINFO3 bmi;
    BYTE* pBits = nullptr;
    UINT nSize = 0;
    if (!XTPGetAlphaBitmapBits(nullptr, hImage.GetBitmap(), bmi, pBits, nSize))
        return false;
    size = CSize(bmi.bmiHeader.biWidth, std::abs(bmi.bmiHeader.biHeight));
    pixels.assign(pBits, pBits + nSize);
    delete[] pBits;
    return true;
}

} // namespace

void XTPShrinkPixels(const BYTE* pSource, int cxSource, int cySource, BYTE* pDest, int cx, int cy)
{
    // Each destination pixel covers cxSource * cySource units of the grid in
    // which a source pixel covers cx * cy.
    const long long nArea = static_cast<long long>(cxSource) * cySource;
    for (int y = 0; y < cy; ++y) {
        const int ySourceFirst = static_cast<int>(static_cast<long long>(y) * cySource / cy);
        const int ySourceLast =
            std::min(cySource - 1, static_cast<int>((static_cast<long long>(y + 1) * cySource - 1) / cy));
        for (int x = 0; x < cx; ++x) {
            const int xSourceFirst = static_cast<int>(static_cast<long long>(x) * cxSource / cx);
            const int xSourceLast =
                std::min(cxSource - 1, static_cast<int>((static_cast<long long>(x + 1) * cxSource - 1) / cx));
            long long sum[3] = {0, 0, 0};
            long long nAlpha = 0;
            for (int ys = ySourceFirst; ys <= ySourceLast; ++ys) {
                const long long nWeightY = Overlap(ys, cy, y, cySource);
                for (int xs = xSourceFirst; xs <= xSourceLast; ++xs) {
                    const BYTE* pPixel = pSource + (static_cast<size_t>(ys) * cxSource + xs) * 4;
                    const long long nWeight = nWeightY * Overlap(xs, cx, x, cxSource) * pPixel[3];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += pPixel[c] * nWeight;
                    nAlpha += nWeight;
                }
            }
            BYTE* pOut = pDest + (static_cast<size_t>(y) * cx + x) * 4;
            const long long nOutAlpha = (nAlpha + nArea / 2) / nArea;
            if (nOutAlpha == 0) {
                std::memset(pOut, 0, 4);
                continue;
            }
            for (int c = 0; c < 3; ++c)
                pOut[c] = static_cast<BYTE>(std::min(255LL, (sum[c] + nAlpha / 2) / nAlpha));
            pOut[3] = static_cast<BYTE>(std::min(255LL, nOutAlpha));
        }
    }
}

HBITMAP XTPCreateShrunkAlphaBitmap(const CXTPImageManagerIconHandle& hImage, int cx, int cy)
{
    std::vector<BYTE> source;
    CSize size(0, 0);
    if (cx <= 0 || cy <= 0 || !ReadImagePixels(hImage, source, size) || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(cx, cy, &pBits);
    if (hBitmap == nullptr)
        return nullptr;
    XTPShrinkPixels(source.data(), size.cx, size.cy, pBits, cx, cy);
    return hBitmap;
}
