// Every DC scope puts back what the DC held before it, and deletes what it
// made itself.
#include <gtest/gtest.h>
#include "toolkit/drawing/DrawTestSupport.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CFont.h"
#include "toolkit/common/dc/XTPBitmapDC.h"
#include "toolkit/common/dc/XTPBrushDC.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPCompatibleDC.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/dc/XTPPenDC.h"

namespace {

void MakeFont(CFont& font, int height)
{
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
}

HGDIOBJ Current(CDC* dc, UINT type)
{
    return GetCurrentObject(dc->m_hDC, type);
}

COLORREF BrushColor(HGDIOBJ brush)
{
    LOGBRUSH lb = {};
    GetObjectW(brush, sizeof(lb), &lb);
    return lb.lbColor;
}

} // namespace

TEST(DrawScopes, FontScopeRestoresTheFontOfBeforeTheFirstSelection)
{
    CDibCanvas canvas(10, 10);
    CDC* dc = canvas.DC();
    CFont before, first, second;
    MakeFont(before, 10);
    MakeFont(first, 12);
    MakeFont(second, 14);
    dc->SelectObject(&before);
    dc->SetTextColor(RGB(1, 1, 1));
    {
        CXTPFontDC scope(dc, &first);
        EXPECT_EQ(first.m_hObject, Current(dc, OBJ_FONT));
        scope.SetFont(&second);
        scope.SetFont(nullptr);
        EXPECT_EQ(second.m_hObject, Current(dc, OBJ_FONT));
        scope.SetColor(RGB(2, 2, 2));
        scope.SetColor(RGB(3, 3, 3));
        EXPECT_EQ(RGB(3, 3, 3), GetTextColor(dc->m_hDC));
    }
    EXPECT_EQ(before.m_hObject, Current(dc, OBJ_FONT));
    EXPECT_EQ(RGB(1, 1, 1), GetTextColor(dc->m_hDC));

    {
        CXTPFontDC scope(dc, &first, RGB(4, 4, 4));
        scope.ReleaseFont();
        scope.ReleaseFont(); // nothing kept any more
        EXPECT_EQ(before.m_hObject, Current(dc, OBJ_FONT));
        scope.ReleaseColor();
        EXPECT_EQ(RGB(1, 1, 1), GetTextColor(dc->m_hDC));
        dc->SetTextColor(RGB(5, 5, 5));
    }
    EXPECT_EQ(RGB(5, 5, 5), GetTextColor(dc->m_hDC)) << "a released colour is not restored twice";
    dc->SelectStockObject(SYSTEM_FONT);
}

TEST(DrawScopes, PenAndBrushScopesRestoreAndDeleteTheirObjects)
{
    CDibCanvas canvas(10, 10);
    CDC* dc = canvas.DC();
    HGDIOBJ penBefore = Current(dc, OBJ_PEN), brushBefore = Current(dc, OBJ_BRUSH);
    HGDIOBJ pen = nullptr, firstBrush = nullptr, secondBrush = nullptr;
    {
        CXTPPenDC penScope(dc->m_hDC, RGB(10, 20, 30));
        pen = Current(dc, OBJ_PEN);
        EXPECT_NE(penBefore, pen);
        EXPECT_EQ(RGB(10, 20, 30), penScope.GetColor());

        CXTPBrushDC brushScope(dc->m_hDC, RGB(40, 50, 60));
        firstBrush = Current(dc, OBJ_BRUSH);
        EXPECT_EQ(RGB(40, 50, 60), BrushColor(firstBrush));
        brushScope.SetColor(RGB(70, 80, 90));
        secondBrush = Current(dc, OBJ_BRUSH);
        EXPECT_EQ(RGB(70, 80, 90), BrushColor(secondBrush));
        EXPECT_EQ(0u, GetObjectType(firstBrush)) << "the replaced brush was deleted";
    }
    EXPECT_EQ(penBefore, Current(dc, OBJ_PEN));
    EXPECT_EQ(brushBefore, Current(dc, OBJ_BRUSH));
    EXPECT_EQ(0u, GetObjectType(pen));
    EXPECT_EQ(0u, GetObjectType(secondBrush));
}

TEST(DrawScopes, BitmapScopesSelectAndGiveBackTheBitmap)
{
    CDibCanvas canvas(10, 10);
    CDC* dc = canvas.DC();
    CBitmap bitmap;
    bitmap.Attach(CreateBitmap(4, 4, 1, 32, nullptr));
    {
        CXTPBitmapDC scope(dc, &bitmap);
        EXPECT_EQ(bitmap.m_hObject, Current(dc, OBJ_BITMAP));
    }
    EXPECT_EQ(canvas.Bitmap(), Current(dc, OBJ_BITMAP));
    {
        CXTPBitmapDC scope(dc, nullptr);
        EXPECT_EQ(canvas.Bitmap(), Current(dc, OBJ_BITMAP));
    }

    HDC memoryDC = nullptr;
    {
        CXTPCompatibleDC compatible(dc, &bitmap);
        memoryDC = compatible.m_hDC;
        EXPECT_EQ(bitmap.m_hObject, GetCurrentObject(memoryDC, OBJ_BITMAP));
        compatible.SetPixel(1, 1, RGB(9, 8, 7));
    }
    EXPECT_EQ(0u, GetObjectType(memoryDC)) << "the memory DC is deleted";
    // Only a bitmap selected nowhere can be selected again.
    CXTPCompatibleDC screenCompatible(nullptr, static_cast<HBITMAP>(bitmap.m_hObject));
    EXPECT_EQ(bitmap.m_hObject, GetCurrentObject(screenCompatible.m_hDC, OBJ_BITMAP));
    EXPECT_EQ(RGB(9, 8, 7), screenCompatible.GetPixel(1, 1));
}

TEST(DrawScopes, BufferShowsItsPaintingInTheDestinationWhenDone)
{
    CDibCanvas canvas(40, 40, RGB(255, 255, 255));
    CRect rcPaint(10, 10, 30, 30);
    {
        CXTPBufferDC buffer(canvas.DC()->m_hDC, rcPaint);
        // Drawing keeps the destination's coordinates.
        buffer.FillSolidRect(0, 0, 40, 40, RGB(200, 0, 0));
        buffer.FillSolidRect(20, 20, 5, 5, RGB(0, 0, 200));
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(15, 15)) << "nothing shows before the scope ends";
    }
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(22, 22));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(9, 10)) << "only the painted rectangle is copied";
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(30, 30));
}
