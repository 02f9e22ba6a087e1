#include <gtest/gtest.h>
#include "framework/gdi/CRect.h"

TEST(Geometry, PointAndSizeArithmetic)
{
    CPoint p(10, 20);
    CSize s(3, 4);
    EXPECT_EQ(p + s, CPoint(13, 24));
    EXPECT_EQ(p - s, CPoint(7, 16));
    EXPECT_EQ(CPoint(13, 24) - p, CSize(3, 4));
    EXPECT_EQ(-p, CPoint(-10, -20));
    EXPECT_EQ(s + p, CPoint(13, 24));
    p += s;
    p -= CPoint(1, 1);
    EXPECT_EQ(p, CPoint(12, 23));
    EXPECT_TRUE(p != CPoint(12, 24));
    // Mouse coordinates are signed 16-bit halves.
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELONG(-5, 7))), CPoint(-5, 7));
    EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(-2, 3))), CSize(-2, 3));
}

TEST(Geometry, RectangleQueriesAndChanges)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 50)));  // right edge is outside
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());

    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(-1, -2, 111, 72));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(0, 0, 108, 68));
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(5, -5, 113, 63));
    r += CPoint(1, 1);
    r -= CSize(2, 2);
    EXPECT_EQ(r, CRect(4, -6, 112, 62));
    CRect border(1, 1, 1, 1);
    CRect shrunk = r;
    shrunk -= &border;
    EXPECT_EQ(shrunk, CRect(5, -5, 111, 61));
    EXPECT_EQ(r + CPoint(10, 0), CRect(14, -6, 122, 62));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 108, 68));

    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
}

TEST(Geometry, IntersectionAndUnion)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20);
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
    CRect c = a;
    c &= CRect(20, 20, 30, 30);
    EXPECT_TRUE(c.IsRectNull());  // no overlap: all zero
    c = a;
    c |= b;
    EXPECT_EQ(c, CRect(0, 0, 20, 20));
    // The result may be one of the inputs.
    CRect d(0, 0, 10, 10);
    EXPECT_TRUE(d.IntersectRect(&d, CRect(2, 3, 50, 50)));
    EXPECT_EQ(d, CRect(2, 3, 10, 10));
    // Conversions to the system's rectangle pointers.
    CRect e;
    ::SetRect(e, 1, 2, 3, 4);
    RECT plain;
    ::CopyRect(&plain, e);
    EXPECT_EQ(CRect(plain), CRect(1, 2, 3, 4));
}
