// Gradient fills with the system's fast entry point or an own fallback, and
// the small drawing helpers every toolkit paint routine uses.
#pragma once
#include <windows.h>

class CDC;
class CXTPGradientValue;

class CXTPDrawHelpers
{
public:
    // Takes "GradientFill" from the named library when it can be had.
    explicit CXTPDrawHelpers(LPCWSTR lpszImageLibrary = L"msimg32.dll");
    virtual ~CXTPDrawHelpers();
    CXTPDrawHelpers(const CXTPDrawHelpers&) = delete;
    CXTPDrawHelpers& operator=(const CXTPDrawHelpers&) = delete;

    // A horizontal gradient runs from left (from) to right (to).
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    // Draws only the part inside the clip rectangle, in the colours it has
    // in the whole gradient.
    void GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz, LPCRECT lpClip);
    // Two halves meeting in the colour at the gradient's factor.
    void GradientFillByFactor(CDC* pDC, LPCRECT lpRect, const CXTPGradientValue& grc, BOOL bHorz, LPCRECT lpClip);

    BOOL IsFastFillAvailable() const { return m_pfnFastGradientFill != nullptr; }

private:
    typedef BOOL(WINAPI* PFNGRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    void GradientFillFast(HDC hDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    void GradientFillSlow(HDC hDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);

    HMODULE m_hMsImg32;
    PFNGRADIENTFILL m_pfnFastGradientFill;
};

// The process-wide drawing helpers.
CXTPDrawHelpers* XTPDrawHelpers();

// Per channel first * ratio + second * (1 - ratio), truncated, at most 255.
COLORREF XTPBlendColors(COLORREF crFirst, COLORREF crSecond, float fRatio);
// 1 to 8 bits per pixel; the desktop when no DC is given.
BOOL XTPIsLowColorDepth(HDC hDC);
// The visual-style colour scheme in force (0 none, 1 blue, 2 olive, 3 silver).
int XTPGetCurrentSystemTheme();
// Takes the one-pixel corners of the rectangle out of the clipping region.
void XTPExcludeCorners(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom);
// Points come in pairs (a point, an offset): each point's pixel becomes the
// average of itself and the pixel at point + offset.
void XTPBlendPixelPairs(CDC* pDC, const POINT* pPoints, int nCount);
// With the pen and brush already selected.
void XTPDrawTriangleWithSelectedTools(CDC* pDC, POINT pt0, POINT pt1, POINT pt2);
// The top-left pixel's colour; -1 without a bitmap.
COLORREF XTPGetBitmapCornerColor(HBITMAP hBitmap);
// An icon of the bitmap, its top-left colour transparent; null for no or
// an empty bitmap.
HICON XTPBitmapToIcon(HBITMAP hBitmap);
