#include "framework/gdi/CRect.h"

BOOL CRect::PtInRect(POINT point) const
{
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

BOOL CRect::EqualRect(LPCRECT lpRect) const
{
    return lpRect != nullptr && left == lpRect->left && top == lpRect->top && right == lpRect->right &&
           bottom == lpRect->bottom;
}

void CRect::CopyRect(LPCRECT lpSrcRect)
{
    if (lpSrcRect == nullptr) {
        SetRectEmpty();
        return;
    }
    SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::OffsetRect(int x, int y)
{
    left += x;
    right += x;
    top += y;
    bottom += y;
}

void CRect::NormalizeRect()
{
    if (left > right) {
        LONG swap = left;
        left = right;
        right = swap;
    }
    if (top > bottom) {
        LONG swap = top;
        top = bottom;
        bottom = swap;
    }
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    // Computed on copies: either input may be this rectangle.
    RECT a = *lpRect1;
    RECT b = *lpRect2;
    return ::IntersectRect(this, &a, &b);
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    RECT a = *lpRect1;
    RECT b = *lpRect2;
    return ::UnionRect(this, &a, &b);
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    RECT a = *lpRectSrc1;
    RECT b = *lpRectSrc2;
    return ::SubtractRect(this, &a, &b);
}
