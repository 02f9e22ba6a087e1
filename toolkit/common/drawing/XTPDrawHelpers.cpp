#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPGradientValue.h"
#include <commctrl.h>
#include <algorithm>

namespace {

COLORREF EffectiveColor(const CXTPColorValue& value)
{
    return value.GetColor();
}

void FillSolid(HDC hDC, const RECT& rc, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, clrOld);
}

BYTE BlendChannel(int first, int second, float ratio)
{
    float value = first * ratio + second * (1.0f - ratio);
    int channel = static_cast<int>(value);
    return static_cast<BYTE>(std::min(std::max(channel, 0), 255));
}

} // namespace

CXTPDrawHelpers::CXTPDrawHelpers(LPCWSTR lpszImageLibrary)
    : m_hMsImg32(::LoadLibraryW(lpszImageLibrary))
    , m_pfnFastGradientFill(nullptr)
{
    if (m_hMsImg32)
        m_pfnFastGradientFill = reinterpret_cast<PFNGRADIENTFILL>(::GetProcAddress(m_hMsImg32, "GradientFill"));
}

CXTPDrawHelpers::~CXTPDrawHelpers()
{
    if (m_hMsImg32)
        ::FreeLibrary(m_hMsImg32);
}

void CXTPDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    HDC hDC = pDC->GetSafeHdc();
    if (!hDC || !lpRect || ::IsRectEmpty(lpRect))
        return;

    if (XTPIsLowColorDepth(hDC) || crFrom == crTo)
        FillSolid(hDC, *lpRect, crFrom);
    else if (m_pfnFastGradientFill)
        GradientFillFast(hDC, lpRect, crFrom, crTo, bHorz);
    else
        GradientFillSlow(hDC, lpRect, crFrom, crTo, bHorz);
}

void CXTPDrawHelpers::GradientFillFast(HDC hDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    TRIVERTEX vertices[2] = {
        {lpRect->left, lpRect->top, static_cast<COLOR16>(GetRValue(crFrom) << 8),
         static_cast<COLOR16>(GetGValue(crFrom) << 8), static_cast<COLOR16>(GetBValue(crFrom) << 8), 0},
        {lpRect->right, lpRect->bottom, static_cast<COLOR16>(GetRValue(crTo) << 8),
         static_cast<COLOR16>(GetGValue(crTo) << 8), static_cast<COLOR16>(GetBValue(crTo) << 8), 0},
    };
    GRADIENT_RECT mesh = {0, 1};
    m_pfnFastGradientFill(hDC, vertices, 2, &mesh, 1, bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CXTPDrawHelpers::GradientFillSlow(HDC hDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    // Only the visible part is drawn, one column or row at a time.
    RECT rcVisible = *lpRect;
    RECT rcClip;
    ::GetClipBox(hDC, &rcClip);
    if (!::IsRectEmpty(&rcClip))
        ::IntersectRect(&rcVisible, &rcClip, lpRect);

    if (bHorz)
    {
        int nWidth = std::max(1L, lpRect->right - lpRect->left);
        for (int x = rcVisible.left; x < rcVisible.right; x++)
        {
            float fRatio = 1.0f - static_cast<float>(x - lpRect->left) / nWidth;
            RECT rcColumn = {x, rcVisible.top, x + 1, rcVisible.bottom};
            FillSolid(hDC, rcColumn, XTPBlendColors(crFrom, crTo, fRatio));
        }
    }
    else
    {
        int nHeight = std::max(1L, lpRect->bottom - lpRect->top);
        for (int y = rcVisible.top; y < rcVisible.bottom; y++)
        {
            float fRatio = 1.0f - static_cast<float>(y - lpRect->top) / nHeight;
            RECT rcRow = {rcVisible.left, y, rcVisible.right, y + 1};
            FillSolid(hDC, rcRow, XTPBlendColors(crFrom, crTo, fRatio));
        }
    }
}

void CXTPDrawHelpers::GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                                          LPCRECT lpClip)
{
    if (!lpClip)
    {
        GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
        return;
    }
    if (!lpRect)
        return;

    RECT rc = *lpRect;
    COLORREF crStart = crFrom, crEnd = crTo;
    if (bHorz)
    {
        rc.top = std::max(rc.top, lpClip->top);
        rc.bottom = std::min(rc.bottom, lpClip->bottom);
        if (rc.left > lpClip->right || rc.right < lpClip->left)
            return;
        float fWidth = static_cast<float>(lpRect->right - lpRect->left);
        if (fWidth <= 0)
            return;
        if (rc.left < lpClip->left)
        {
            crStart = XTPBlendColors(crFrom, crTo, (lpRect->right - lpClip->left) / fWidth);
            rc.left = lpClip->left;
        }
        if (rc.right > lpClip->right)
        {
            crEnd = XTPBlendColors(crFrom, crTo, (lpRect->right - lpClip->right) / fWidth);
            rc.right = lpClip->right;
        }
    }
    else
    {
        rc.left = std::max(rc.left, lpClip->left);
        rc.right = std::min(rc.right, lpClip->right);
        if (rc.top > lpClip->bottom || rc.bottom < lpClip->top)
            return;
        float fHeight = static_cast<float>(lpRect->bottom - lpRect->top);
        if (fHeight <= 0)
            return;
        if (rc.top < lpClip->top)
        {
            crStart = XTPBlendColors(crFrom, crTo, (lpRect->bottom - lpClip->top) / fHeight);
            rc.top = lpClip->top;
        }
        if (rc.bottom > lpClip->bottom)
        {
            crEnd = XTPBlendColors(crFrom, crTo, (lpRect->bottom - lpClip->bottom) / fHeight);
            rc.bottom = lpClip->bottom;
        }
    }
    GradientFill(pDC, &rc, crStart, crEnd, bHorz);
}

void CXTPDrawHelpers::GradientFillByFactor(CDC* pDC, LPCRECT lpRect, const CXTPGradientValue& grc, BOOL bHorz,
                                           LPCRECT lpClip)
{
    if (!lpRect)
        return;
    COLORREF crLight = EffectiveColor(grc.clrLight);
    COLORREF crDark = EffectiveColor(grc.clrDark);
    if (grc.fGradientFactor == 0.5f)
    {
        GradientFillClipped(pDC, lpRect, crLight, crDark, bHorz, lpClip);
        return;
    }

    COLORREF crMiddle = XTPBlendColors(crLight, crDark, grc.fGradientFactor);
    RECT rcFirst = *lpRect, rcSecond = *lpRect;
    if (bHorz)
    {
        rcFirst.right = lpRect->right - (lpRect->right - lpRect->left) / 2;
        rcSecond.left = rcFirst.right;
    }
    else
    {
        rcFirst.bottom = lpRect->bottom - (lpRect->bottom - lpRect->top) / 2;
        rcSecond.top = rcFirst.bottom;
    }
    GradientFillClipped(pDC, &rcFirst, crLight, crMiddle, bHorz, lpClip);
    GradientFillClipped(pDC, &rcSecond, crMiddle, crDark, bHorz, lpClip);
}

CXTPDrawHelpers* XTPDrawHelpers()
{
    static CXTPDrawHelpers helpers;
    return &helpers;
}

namespace {
// Built while the process starts, so that drawing code never waits for it.
CXTPDrawHelpers* const s_pStartupHelpers = XTPDrawHelpers();
}

COLORREF XTPBlendColors(COLORREF crFirst, COLORREF crSecond, float fRatio)
{
    return RGB(BlendChannel(GetRValue(crFirst), GetRValue(crSecond), fRatio),
               BlendChannel(GetGValue(crFirst), GetGValue(crSecond), fRatio),
               BlendChannel(GetBValue(crFirst), GetBValue(crSecond), fRatio));
}

BOOL XTPIsLowColorDepth(HDC hDC)
{
    return CXTPColorManager::IsLowColorDepth(hDC);
}

int XTPGetCurrentSystemTheme()
{
    return XTPGetColorManager()->GetCurrentSystemTheme();
}

void XTPExcludeCorners(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom)
{
    pDC->ExcludeClipRect(nLeft, nTop, nLeft + 1, nTop + 1);
    pDC->ExcludeClipRect(nRight - 1, nTop, nRight, nTop + 1);
    pDC->ExcludeClipRect(nLeft, nBottom - 1, nLeft + 1, nBottom);
    pDC->ExcludeClipRect(nRight - 1, nBottom - 1, nRight, nBottom);
}

void XTPBlendPixelPairs(CDC* pDC, const POINT* pPoints, int nCount)
{
    // Only whole pairs: an odd last point has no offset to go with it.
    for (int i = 0; i + 1 < nCount; i += 2)
    {
        POINT pt = pPoints[i];
        POINT ptOther = {pt.x + pPoints[i + 1].x, pt.y + pPoints[i + 1].y};
        COLORREF clr = pDC->GetPixel(pt);
        COLORREF clrOther = pDC->GetPixel(ptOther);
        pDC->SetPixel(pt, RGB((GetRValue(clr) + GetRValue(clrOther)) / 2, (GetGValue(clr) + GetGValue(clrOther)) / 2,
                              (GetBValue(clr) + GetBValue(clrOther)) / 2));
    }
}

void XTPDrawTriangleWithSelectedTools(CDC* pDC, POINT pt0, POINT pt1, POINT pt2)
{
    POINT points[] = {pt0, pt1, pt2};
    pDC->Polygon(points, 3);
}

COLORREF XTPGetBitmapCornerColor(HBITMAP hBitmap)
{
    if (!hBitmap)
        return COLORREF(-1);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF clr = ::GetPixel(hDC, 0, 0);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

HICON XTPBitmapToIcon(HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectW(hBitmap, sizeof(bm), &bm) || bm.bmWidth == 0 || bm.bmHeight == 0)
        return nullptr;
    HIMAGELIST hImages = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (!hImages)
        return nullptr;
    ::ImageList_AddMasked(hImages, hBitmap, XTPGetBitmapCornerColor(hBitmap));
    HICON hIcon = ::ImageList_GetIcon(hImages, 0, 0);
    ::ImageList_Destroy(hImages);
    return hIcon;
}
