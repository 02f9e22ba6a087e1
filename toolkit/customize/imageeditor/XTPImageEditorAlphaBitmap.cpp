#include "toolkit/customize/imageeditor/XTPImageEditorPicture.h"

#include <cstring>

#include "toolkit/common/images/XTPAlphaBitmap.h"

namespace {

const DWORD kTransparentPixel = 0x00FFFEFF;  // XTP_IMAGEEDITOR_TRANSPARENT as a pixel

} // namespace

CXTPImageEditorPicture::CAlphaBitmap* CXTPImageEditorPicture::CAlphaBitmap::CreateTransparent(CSize size, BOOL bAlpha)
{
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(size.cx, size.cy, &pBits);
    if (hBitmap == nullptr)
        return nullptr;
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (long i = 0; i < size.cx * size.cy; i++)
        pPixels[i] = kTransparentPixel;
    CAlphaBitmap* pImage = new CAlphaBitmap(bAlpha);
    pImage->Attach(hBitmap);
    return pImage;
}

CXTPImageEditorPicture::CAlphaBitmap* CXTPImageEditorPicture::CAlphaBitmap::Clone() const
{
    HBITMAP hCopy = XTPCopyAlphaBitmap(static_cast<HBITMAP>(GetSafeHandle()));
    if (hCopy == nullptr)
        return nullptr;
    CAlphaBitmap* pImage = new CAlphaBitmap(m_bAlpha);
    pImage->Attach(hCopy);
    return pImage;
}

CSize CXTPImageEditorPicture::CAlphaBitmap::GetSize() const
{
    BITMAP bm = {};
    if (GetSafeHandle() == nullptr || !GetObject(sizeof(bm), &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

DWORD* CXTPImageEditorPicture::CAlphaBitmap::GetPixels() const
{
    return reinterpret_cast<DWORD*>(XTPGetDibSectionBits(static_cast<HBITMAP>(GetSafeHandle()), nullptr));
}

BOOL CXTPImageEditorPicture::CAlphaBitmap::IsInside(int x, int y) const
{
    const CSize size = GetSize();
    return x >= 0 && y >= 0 && x < size.cx && y < size.cy;
}

COLORREF CXTPImageEditorPicture::CAlphaBitmap::GetColor(int x, int y) const
{
    const DWORD* pPixels = GetPixels();
    if (pPixels == nullptr || !IsInside(x, y))
        return XTP_IMAGEEDITOR_TRANSPARENT;
    const DWORD pixel = pPixels[y * GetSize().cx + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void CXTPImageEditorPicture::CAlphaBitmap::RebuildAlpha(const CAlphaBitmap* pBefore)
{
    DWORD* pPixels = GetPixels();
    const DWORD* pOld = pBefore != nullptr ? pBefore->GetPixels() : nullptr;
    const CSize size = GetSize();
    if (pPixels == nullptr || pOld == nullptr || pBefore->GetSize() != size)
        return;
    for (long i = 0; i < size.cx * size.cy; i++) {
        if (pPixels[i] != pOld[i] && (pPixels[i] & 0xFFFFFF) != kTransparentPixel)
            pPixels[i] |= 0xFF000000;
    }
}
