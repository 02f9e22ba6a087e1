#include <algorithm>
#include "toolkit/commandbars/themes/XTPOffice2007Images.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageBlit.h"

CXTPOffice2007Image::CXTPOffice2007Image()
    : m_hBitmap(nullptr)
    , m_bAlpha(FALSE)
{
}

CXTPOffice2007Image::~CXTPOffice2007Image()
{
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
}

void CXTPOffice2007Image::SetBitmap(HBITMAP hBitmap, BOOL bAlpha)
{
    if (m_hBitmap && m_hBitmap != hBitmap)
        DeleteObject(m_hBitmap);
    m_hBitmap = hBitmap;
    m_bAlpha = bAlpha;
}

CSize CXTPOffice2007Image::GetSize() const
{
    BITMAP bm = {};
    if (!m_hBitmap || !GetObjectW(m_hBitmap, sizeof(bm), &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

void CXTPOffice2007Image::DrawPart(CDC* pDC, CRect rcDest, CRect rcSrc)
{
    if (rcSrc.IsRectEmpty() || rcDest.IsRectEmpty() || !m_hBitmap)
        return;
    CDC dcSrc;
    dcSrc.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = SelectObject(dcSrc.GetSafeHdc(), m_hBitmap);
    if (m_bAlpha)
        XTPAlphaBlend(pDC, rcDest, &dcSrc, rcSrc);
    else if (rcDest.Size() == rcSrc.Size())
        pDC->BitBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), &dcSrc, rcSrc.left, rcSrc.top, SRCCOPY);
    else
        pDC->StretchBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), &dcSrc, rcSrc.left, rcSrc.top,
                        rcSrc.Width(), rcSrc.Height(), SRCCOPY);
    SelectObject(dcSrc.GetSafeHdc(), hOld);
}

void CXTPOffice2007Image::DrawImage(CDC* pDC, CRect rcDest, CRect rcSrc, CRect rcMargins)
{
    if (rcSrc.Height() < rcMargins.top + rcMargins.bottom)
        return;
    int nOldMode = pDC->SetStretchBltMode(COLORONCOLOR);
    // Margins scaled down where the destination cannot hold both.
    CRect rcDestMargins = rcMargins;
    if (rcDest.Width() < rcMargins.left + rcMargins.right && rcMargins.left + rcMargins.right > 0) {
        rcDestMargins.left = rcMargins.left * rcDest.Width() / (rcMargins.left + rcMargins.right);
        rcDestMargins.right = rcDest.Width() - rcDestMargins.left;
    }
    if (rcDest.Height() < rcMargins.top + rcMargins.bottom && rcMargins.top + rcMargins.bottom > 0) {
        rcDestMargins.top = rcMargins.top * rcDest.Height() / (rcMargins.top + rcMargins.bottom);
        rcDestMargins.bottom = rcDest.Height() - rcDestMargins.top;
    }
    const int srcX[4] = {rcSrc.left, rcSrc.left + rcMargins.left, rcSrc.right - rcMargins.right, rcSrc.right};
    const int srcY[4] = {rcSrc.top, rcSrc.top + rcMargins.top, rcSrc.bottom - rcMargins.bottom, rcSrc.bottom};
    const int dstX[4] = {rcDest.left, rcDest.left + rcDestMargins.left, rcDest.right - rcDestMargins.right,
                         rcDest.right};
    const int dstY[4] = {rcDest.top, rcDest.top + rcDestMargins.top, rcDest.bottom - rcDestMargins.bottom,
                         rcDest.bottom};
    for (int row = 0; row < 3; row++)
        for (int col = 0; col < 3; col++)
            DrawPart(pDC, CRect(dstX[col], dstY[row], dstX[col + 1], dstY[row + 1]),
                     CRect(srcX[col], srcY[row], srcX[col + 1], srcY[row + 1]));
    pDC->SetStretchBltMode(nOldMode);
}

void CXTPOffice2007Image::DrawImage(CDC* pDC, CRect rcDest, CRect rcSrc, CRect rcMargins, COLORREF clrTransparent)
{
    if (clrTransparent == COLORREF(-1) || m_bAlpha || rcDest.IsRectEmpty()) {
        DrawImage(pDC, rcDest, rcSrc, rcMargins);
        return;
    }
    CDC dcTemp;
    dcTemp.CreateCompatibleDC(pDC);
    HBITMAP hTemp = CreateCompatibleBitmap(pDC->GetSafeHdc(), rcDest.Width(), rcDest.Height());
    HGDIOBJ hOld = SelectObject(dcTemp.GetSafeHdc(), hTemp);
    CRect rcTemp(0, 0, rcDest.Width(), rcDest.Height());
    dcTemp.FillSolidRect(rcTemp, clrTransparent);
    DrawImage(&dcTemp, rcTemp, rcSrc, rcMargins);
    XTPTransparentBlt(pDC, rcDest, &dcTemp, rcTemp, clrTransparent);
    SelectObject(dcTemp.GetSafeHdc(), hOld);
    DeleteObject(hTemp);
}

CXTPOffice2007Images::CXTPOffice2007Images(HMODULE hResources)
    : m_hResources(hResources)
    , m_mapImages(10)
{
}

CXTPOffice2007Images::~CXTPOffice2007Images()
{
    RemoveAll();
}

void CXTPOffice2007Images::RemoveAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos) {
        CString strName;
        void* pImage = nullptr;
        m_mapImages.GetNextAssoc(pos, strName, pImage);
        delete static_cast<CXTPOffice2007Image*>(pImage);
    }
    m_mapImages.RemoveAll();
}

void CXTPOffice2007Images::SetResourceModule(HMODULE hResources)
{
    RemoveAll();
    m_hResources = hResources;
}

CXTPOffice2007Image* CXTPOffice2007Images::GetImage(LPCWSTR lpszName)
{
    if (!m_hResources || !lpszName || !*lpszName)
        return nullptr;
    void* pFound = nullptr;
    if (m_mapImages.Lookup(lpszName, pFound))
        return static_cast<CXTPOffice2007Image*>(pFound);
    CString strResource(lpszName);
    strResource.Replace(L'.', L'_');
    strResource.Replace(L'\\', L'_');
    HBITMAP hBitmap = nullptr;
    BOOL bAlpha = XTPIsAlphaBitmapResource(m_hResources, strResource);
    if (bAlpha)
        hBitmap = XTPLoadAlphaBitmapResource(m_hResources, strResource);
    else
        hBitmap = static_cast<HBITMAP>(LoadImageW(m_hResources, strResource, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
    if (!hBitmap)
        return nullptr;
    CXTPOffice2007Image* pImage = new CXTPOffice2007Image();
    pImage->SetBitmap(hBitmap, bAlpha);
    m_mapImages.SetAt(lpszName, pImage);
    return pImage;
}
