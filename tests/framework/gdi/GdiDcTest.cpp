// Device-context wrappers on a memory bitmap: object selection and its
// undo, saved states, text measuring, state drawing, the DC classes that
// give their DC back.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Framework.h"

namespace {

// A 100 x 60 memory DC filled white.
class GdiDc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 100, 60));
        oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 100, 60, RGB(255, 255, 255));
    }
    void TearDown() override { dc.SelectObject(oldBitmap); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* oldBitmap = nullptr;
};

} // namespace

TEST_F(GdiDc, SelectingAnObjectAnswersThePreviousOne)
{
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* first = dc.SelectObject(&red);
    ASSERT_NE(first, nullptr);  // the stock pen, wrapped temporarily
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.GetCurrentPen(), &blue);
    dc.MoveTo(0, 10);
    dc.LineTo(50, 10);
    EXPECT_EQ(dc.GetPixel(20, 10), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(50, 10));
    dc.SelectObject(first);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
}

TEST_F(GdiDc, RestoreDCBringsBackColoursOriginAndClipping)
{
    dc.SetTextColor(RGB(1, 2, 3));
    int saved = dc.SaveDC();
    dc.SetTextColor(RGB(9, 9, 9));
    dc.SetViewportOrg(10, 10);
    dc.IntersectClipRect(0, 0, 5, 5);
    dc.FillSolidRect(0, 0, 50, 50, RGB(0, 0, 0));
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));
    CRect clip;
    dc.GetClipBox(&clip);
    EXPECT_EQ(clip, CRect(0, 0, 100, 60));
    EXPECT_EQ(dc.GetPixel(12, 12), RGB(0, 0, 0));        // inside the clipped, moved fill
    EXPECT_EQ(dc.GetPixel(16, 16), RGB(255, 255, 255));  // outside it
}

TEST_F(GdiDc, TextExtentMatchesTheCalculatedDrawingRectangle)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    EXPECT_LT(logFont.lfHeight, 0);  // a character height, not a cell height
    CFont* old = dc.SelectObject(&font);
    CString text(L"Statistik aktualisieren");
    CSize extent = dc.GetTextExtent(text);
    CRect calc(0, 0, 0, 0);
    dc.DrawText(text, &calc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(calc.Width(), extent.cx);
    EXPECT_EQ(calc.Height(), extent.cy);
    EXPECT_EQ(dc.GetTextExtent(L"abc", 0).cx, 0);
    TEXTMETRIC metrics;
    EXPECT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, extent.cy);
    dc.SelectObject(old);
}

TEST_F(GdiDc, StateDrawingAndFocusRectangles)
{
    dc.SetTextColor(RGB(0, 0, 0));
    CRect focus(10, 10, 30, 30);
    auto dottedTopRow = [this] {
        int dots = 0;
        for (int x = 10; x < 30; ++x)
            dots += dc.GetPixel(x, 10) != RGB(255, 255, 255);
        return dots;
    };
    dc.DrawFocusRect(&focus);
    EXPECT_GE(dottedTopRow(), 5);
    dc.DrawFocusRect(&focus);  // drawing it twice removes it
    EXPECT_EQ(dottedTopRow(), 0);

    CBitmap mono;
    WORD rows[8] = {0, 0, 0, 0, 0, 0, 0, 0};  // all black bits
    ASSERT_TRUE(mono.CreateBitmap(8, 8, 1, 1, rows));
    CBrush green(RGB(0, 160, 0));
    EXPECT_TRUE(dc.DrawState(CPoint(50, 10), CSize(8, 8), &mono, DSS_MONO, &green));
    EXPECT_EQ(dc.GetPixel(53, 13), RGB(0, 160, 0));
    EXPECT_TRUE(dc.DrawState(CPoint(50, 30), CSize(40, 20), L"&Text", DSS_NORMAL, TRUE, 0, static_cast<HBRUSH>(nullptr)));
}

TEST(GdiDcClasses, WindowDCsAreGivenBack)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(CS_OWNDC), L"dc", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
    HDC handle;
    {
        CClientDC dc(&wnd);
        handle = dc.m_hDC;
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(CDC::FromHandle(handle), &dc);  // the permanent wrapper while it lives
    }
    // The wrapper is gone from the map; a new lookup makes a temporary one.
    CDC* temp = CDC::FromHandle(handle);
    ASSERT_NE(temp, nullptr);
    CDC::DeleteTempMap();
    {
        CWindowDC windowDC(&wnd);
        EXPECT_NE(windowDC.m_hDC, nullptr);
    }
    wnd.DestroyWindow();
}
