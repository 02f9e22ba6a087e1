#include "toolkit/common/images/XTPImageBlit.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImagePixels.h"

namespace {

LONG g_nNT5OrLater = -1;

// A memory DC with a bitmap selected, undone on destruction.
class CSelectedBitmapDC
{
public:
    CSelectedBitmapDC(HDC hCompatible, HBITMAP hBitmap)
        : m_hDC(::CreateCompatibleDC(hCompatible))
    {
        if (m_hDC != nullptr && hBitmap != nullptr)
            m_hOld = ::SelectObject(m_hDC, hBitmap);
    }
    ~CSelectedBitmapDC()
    {
        if (m_hDC == nullptr)
            return;
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
    }
    CSelectedBitmapDC(const CSelectedBitmapDC&) = delete;
    CSelectedBitmapDC& operator=(const CSelectedBitmapDC&) = delete;

    HDC m_hDC;
    HGDIOBJ m_hOld = nullptr;
};

BOOL SameFormat(HBITMAP a, HBITMAP b)
{
    BITMAP bmA = {};
    BITMAP bmB = {};
    if (::GetObject(a, sizeof(bmA), &bmA) == 0 || ::GetObject(b, sizeof(bmB), &bmB) == 0)
        return FALSE;
    return bmA.bmWidth == bmB.bmWidth && bmA.bmHeight == bmB.bmHeight && bmA.bmPlanes == bmB.bmPlanes &&
           bmA.bmBitsPixel == bmB.bmBitsPixel;
}

} // namespace

BOOL XTPIsNT5OrLater()
{
    if (g_nNT5OrLater != -1)
        return g_nNT5OrLater;
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExW(&info))
        return FALSE;
    g_nNT5OrLater = info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
    return g_nNT5OrLater;
}

BOOL XTPAlphaBlendFallback(HDC hDest, const CRect& rcDest, HDC hSrc, const CRect& rcSrc)
{
    int cx = rcDest.Width();
    int cy = rcDest.Height();
    if (hDest == nullptr || hSrc == nullptr || cx <= 0 || cy <= 0)
        return FALSE;
    BITMAP bmSrc = {};
    HGDIOBJ hSrcBitmap = ::GetCurrentObject(hSrc, OBJ_BITMAP);
    if (hSrcBitmap == nullptr || ::GetObject(hSrcBitmap, sizeof(bmSrc), &bmSrc) == 0 || bmSrc.bmPlanes != 1 ||
        bmSrc.bmBitsPixel != 32)
        return FALSE;

    BYTE* pSource = nullptr;
    BYTE* pDest = nullptr;
    BYTE* pResult = nullptr;
    HBITMAP hSource = XTPCreateAlphaDIB(cx, cy, &pSource);
    HBITMAP hDestCopy = XTPCreateAlphaDIB(cx, cy, &pDest);
    HBITMAP hResult = XTPCreateAlphaDIB(cx, cy, &pResult);
    BOOL bResult = FALSE;
    if (hSource != nullptr && hDestCopy != nullptr && hResult != nullptr && SameFormat(hSource, hDestCopy) &&
        SameFormat(hSource, hResult))
    {
        CSelectedBitmapDC dcSource(hDest, hSource);
        CSelectedBitmapDC dcDest(hDest, hDestCopy);
        CSelectedBitmapDC dcResult(hDest, hResult);
        if (dcSource.m_hDC != nullptr && dcDest.m_hDC != nullptr && dcResult.m_hDC != nullptr)
        {
            ::SetStretchBltMode(dcSource.m_hDC, COLORONCOLOR);
            ::StretchBlt(dcSource.m_hDC, 0, 0, cx, cy, hSrc, rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(),
                         SRCCOPY);
            ::BitBlt(dcDest.m_hDC, 0, 0, cx, cy, hDest, rcDest.left, rcDest.top, SRCCOPY);
            ::GdiFlush();
            for (int i = 0; i < cx * cy; ++i)
                XTPBlendPremultipliedPixel(pSource + i * 4, pDest + i * 4, pResult + i * 4);
            bResult = ::BitBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcResult.m_hDC, 0, 0, SRCCOPY);
        }
    }
    for (HBITMAP h : {hSource, hDestCopy, hResult})
        if (h != nullptr)
            ::DeleteObject(h);
    return bResult;
}

BOOL XTPAlphaBlend(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc)
{
    HDC hDest = pDestDC->GetSafeHdc();
    HDC hSrc = pSrcDC->GetSafeHdc();
    if (hDest == nullptr || hSrc == nullptr)
        return FALSE;
    CXTPImageManager::PFNALPHABLEND pfnAlphaBlend = XTPImageManager()->GetAlphaBlendProc();
    if (pfnAlphaBlend != nullptr && (XTPIsNT5OrLater() || (rcSrc.left == 0 && rcSrc.top == 0)))
    {
        BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        return pfnAlphaBlend(hDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hSrc, rcSrc.left,
                             rcSrc.top, rcSrc.Width(), rcSrc.Height(), bf);
    }
    return XTPAlphaBlendFallback(hDest, rcDest, hSrc, rcSrc);
}

BOOL XTPTransparentBltFallback(HDC hDest, const CRect& rcDest, HDC hSrc, const CRect& rcSrc, COLORREF clrTransparent)
{
    int cx = rcDest.Width();
    int cy = rcDest.Height();
    int cxSrc = rcSrc.Width();
    int cySrc = rcSrc.Height();
    if (hDest == nullptr || hSrc == nullptr || cxSrc <= 0 || cySrc <= 0)
        return FALSE;

    COLORREF clrOldBk = ::SetBkColor(hDest, RGB(255, 255, 255));
    COLORREF clrOldText = ::SetTextColor(hDest, RGB(0, 0, 0));

    HBITMAP hCopy = ::CreateCompatibleBitmap(hDest, cxSrc, cySrc);
    HBITMAP hMask = ::CreateBitmap(cxSrc, cySrc, 1, 1, nullptr);
    BOOL bResult = FALSE;
    if (hCopy != nullptr && hMask != nullptr)
    {
        CSelectedBitmapDC dcCopy(hDest, hCopy);
        CSelectedBitmapDC dcMask(hDest, hMask);
        if (dcCopy.m_hDC != nullptr && dcMask.m_hDC != nullptr)
        {
            ::BitBlt(dcCopy.m_hDC, 0, 0, cxSrc, cySrc, hSrc, rcSrc.left, rcSrc.top, SRCCOPY);
            // Mask: 1 where the transparent colour is.
            ::SetBkColor(dcCopy.m_hDC, clrTransparent);
            ::BitBlt(dcMask.m_hDC, 0, 0, cxSrc, cySrc, dcCopy.m_hDC, 0, 0, SRCCOPY);
            if (clrTransparent != RGB(0, 0, 0))
            {
                // Transparent pixels of the copy become black.
                ::SetBkColor(dcCopy.m_hDC, RGB(0, 0, 0));
                ::SetTextColor(dcCopy.m_hDC, RGB(255, 255, 255));
                ::BitBlt(dcCopy.m_hDC, 0, 0, cxSrc, cySrc, dcMask.m_hDC, 0, 0, SRCAND);
            }
            BOOL bMask;
            BOOL bImage;
            if (cx == cxSrc && cy == cySrc)
            {
                bMask = ::BitBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcMask.m_hDC, 0, 0, SRCAND);
                bImage = ::BitBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcCopy.m_hDC, 0, 0, SRCPAINT);
            }
            else
            {
                bMask = ::StretchBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcMask.m_hDC, 0, 0, cxSrc, cySrc,
                                     SRCAND);
                bImage = ::StretchBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcCopy.m_hDC, 0, 0, cxSrc, cySrc,
                                      SRCPAINT);
            }
            bResult = bMask && bImage;
        }
    }
    if (hCopy != nullptr)
        ::DeleteObject(hCopy);
    if (hMask != nullptr)
        ::DeleteObject(hMask);
    ::SetBkColor(hDest, clrOldBk);
    ::SetTextColor(hDest, clrOldText);
    return bResult;
}

BOOL XTPTransparentBlt(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc, COLORREF clrTransparent)
{
    HDC hDest = pDestDC->GetSafeHdc();
    HDC hSrc = pSrcDC->GetSafeHdc();
    if (hDest == nullptr || hSrc == nullptr)
        return FALSE;
    CXTPImageManager::PFNTRANSPARENTBLT pfnTransparentBlt = XTPImageManager()->GetTransparentBltProc();
    if (pfnTransparentBlt != nullptr && XTPIsNT5OrLater())
        return pfnTransparentBlt(hDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hSrc, rcSrc.left,
                                 rcSrc.top, rcSrc.Width(), rcSrc.Height(), clrTransparent);
    return XTPTransparentBltFallback(hDest, rcDest, hSrc, rcSrc, clrTransparent);
}

void XTPDrawAlphaBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc,
                        int cySrc)
{
    if (pDC->GetSafeHdc() == nullptr || hBitmap == nullptr)
        return;
    if (cxSrc == 0 && cySrc == 0)
    {
        cxSrc = cx;
        cySrc = cy;
    }
    CSelectedBitmapDC dcSource(pDC->GetSafeHdc(), hBitmap);
    if (dcSource.m_hDC == nullptr)
        return;
    CDC dcSrc;
    dcSrc.Attach(dcSource.m_hDC);
    XTPAlphaBlend(pDC, CRect(x, y, x + cx, y + cy), &dcSrc, CRect(xSrc, ySrc, xSrc + cxSrc, ySrc + cySrc));
    dcSrc.Detach();
}

BOOL XTPDrawTransparentBitmap(CDC* pDC, HBITMAP hBitmap, CPoint ptDest, CSize szDest)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return FALSE;
    BOOL bAlpha = FALSE;
    HBITMAP hPremultiplied = XTPPreMultiplyAlphaBitmap(hBitmap, &bAlpha);
    if (hPremultiplied == nullptr)
        return FALSE;
    int nPixels = 0;
    BYTE* pBits = XTPGetDibSectionBits(hPremultiplied, &nPixels);
    // Pixels without alpha are a plain image: all of it shows.
    if (!bAlpha && pBits != nullptr)
        for (int i = 0; i < nPixels; i++)
            pBits[i * 4 + 3] = 255;
    BITMAP bm = {};
    ::GetObject(hPremultiplied, sizeof(bm), &bm);
    if (szDest.cx == 0 && szDest.cy == 0)
        szDest = CSize(bm.bmWidth, bm.bmHeight);
    XTPDrawAlphaBitmap(pDC, hPremultiplied, ptDest.x, ptDest.y, szDest.cx, szDest.cy, 0, 0, bm.bmWidth,
                       bm.bmHeight);
    ::DeleteObject(hPremultiplied);
    return TRUE;
}
