// One window showing gradients, 3D borders, the bordered control in each
// command-bar theme and the colour table, saved as a picture to look at.
#include <gtest/gtest.h>
#include "support/PaintedWindow.h"
#include "support/Screenshot.h"
#include "framework/controls/CEdit.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/controls/CStatic.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/drawing/XTPOfficeBorder.h"
#include "toolkit/common/system/XTAuxData.h"

namespace {

const int kSwatchLeft = 10, kSwatchTop = 300, kSwatchWidth = 38, kSwatchHeight = 24, kSwatchColumns = 16;
const int kBorderTop = 240;

CRect SwatchRect(int index)
{
    int column = index % kSwatchColumns, row = index / kSwatchColumns;
    int left = kSwatchLeft + column * (kSwatchWidth + 2), top = kSwatchTop + row * (kSwatchHeight + 14);
    return CRect(left, top, left + kSwatchWidth, top + kSwatchHeight);
}

class CDrawingShowcase : public CPaintedWindow
{
public:
    CXTPDrawHelpers fallback{L"NoSuchImaging.dll"};

protected:
    void Paint(CPaintDC& paint) override
    {
        CXTPBufferDC dc(paint.m_hDC, CXTPClientRect(this));
        Draw(&dc);
    }

private:
    void Label(CDC* dc, int x, int y, LPCWSTR text)
    {
        dc->SetBkMode(TRANSPARENT);
        dc->TextOut(x, y, text, lstrlenW(text));
    }

    void Draw(CDC* dc)
    {
        CXTPColorManager* colors = XTPGetColorManager();
        CXTPFontDC font(dc, &XTPGetAuxData().font, colors->GetColor(18));
        dc->FillSolidRect(CXTPClientRect(this), colors->GetColor(15));

        // Gradients: the library's and the own fallback, horizontal and vertical.
        Label(dc, 10, 4, L"Verlauf (System / eigener)");
        XTPDrawHelpers()->GradientFill(dc, CRect(10, 22, 300, 52), RGB(0, 45, 150), RGB(255, 255, 255), TRUE);
        fallback.GradientFill(dc, CRect(310, 22, 600, 52), RGB(0, 45, 150), RGB(255, 255, 255), TRUE);
        fallback.GradientFill(dc, CRect(620, 4, 680, 120), RGB(200, 0, 0), RGB(255, 230, 0), FALSE);

        // Clipped: only the right half of the outline is filled, in the colours of the whole.
        Label(dc, 10, 58, L"Ausschnitt und Faktor");
        CRect whole(10, 76, 300, 106);
        dc->Draw3dRect(whole, 0, 0);
        CRect clip(155, 76, 300, 106);
        XTPDrawHelpers()->GradientFillClipped(dc, whole, RGB(0, 0, 0), RGB(255, 255, 255), TRUE, clip);
        CXTPGradientValue factor;
        factor.SetStandardColors(RGB(255, 255, 255), RGB(0, 128, 0), 0.75f);
        XTPDrawHelpers()->GradientFillByFactor(dc, CRect(310, 76, 600, 106), factor, TRUE, nullptr);

        // Gradients 0 to 9 of the colour manager.
        Label(dc, 10, 112, L"Verläufe 0 bis 9");
        for (int i = 0; i < XTP_GRADIENT_COUNT; i++)
        {
            CRect rc(10 + i * 60, 130, 64 + i * 60, 170);
            XTPDrawHelpers()->GradientFillByFactor(dc, rc, colors->GetGradient(i), FALSE, nullptr);
        }

        // 3D borders, raised and sunken.
        Label(dc, 10, 176, L"3D-Rahmen");
        CRect raised(10, 194, 110, 224), sunken(120, 194, 220, 224);
        dc->Draw3dRect(raised, colors->GetColor(20), colors->GetColor(16));
        dc->Draw3dRect(sunken, colors->GetColor(16), colors->GetColor(20));
        Label(dc, 10, kBorderTop - 16, L"Umrandete Felder, Thema 0 bis 5");

        // The colour table as swatches with their index.
        for (int i = 0; i < XTP_COLOR_COUNT; i++)
        {
            CRect rc = SwatchRect(i);
            dc->FillSolidRect(rc, colors->GetColor(i));
            dc->Draw3dRect(CRect(rc.left - 1, rc.top - 1, rc.right + 1, rc.bottom + 1), 0, 0);
            WCHAR number[4];
            wsprintfW(number, L"%d", i);
            Label(dc, rc.left + 2, rc.bottom + 1, number);
        }
    }
};

// Shows one theme's border colours while being painted.
class CThemeBorderedLabel : public CXTPOfficeBorder<CStatic, 1>
{
public:
    int theme = 0;

protected:
    COLORREF GetBorderColor(BOOL topLeft) override
    {
        CXTPPaintManager::SetTheme(theme);
        return CXTPOfficeBorder<CStatic, 1>::GetBorderColor(topLeft);
    }
};

} // namespace

TEST(DrawScreenshot, GradientsBordersThemedControlsAndColourTable)
{
    CDrawingShowcase frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), L"Zeichnen", WS_POPUP | WS_VISIBLE, 0, 0, 690, 460,
                               nullptr, nullptr));
    CThemeBorderedLabel labels[6];
    for (int i = 0; i < 6; i++)
    {
        WCHAR text[16];
        wsprintfW(text, L"Thema %d", i);
        labels[i].theme = i;
        ASSERT_TRUE(labels[i].Create(text, WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(10 + i * 95, kBorderTop,
                                                                                        95 + i * 95, kBorderTop + 24),
                                     &frame, 100 + i));
        labels[i].SetFont(&XTPGetAuxData().font);
    }
    CXTPOfficeBorder<CEdit, 1> edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"Eingabe", WS_CHILD | WS_VISIBLE | WS_BORDER,
                              CRect(590, kBorderTop, 680, kBorderTop + 24), &frame, 200));
    edit.SetFont(&XTPGetAuxData().font);

    testshot::Image image = testshot::CaptureWindow(frame.GetSafeHwnd());
    CXTPPaintManager::SetTheme(0);
    EXPECT_FALSE(testshot::Save(image, L"toolkit_drawing.png").empty());

    CXTPColorManager* colors = XTPGetColorManager();
    for (int i : {5, 15, 30, 41, 54, 60})
    {
        CRect rc = SwatchRect(i);
        EXPECT_EQ(colors->GetColor(i), image.Pixel(rc.CenterPoint().x, rc.CenterPoint().y)) << "swatch " << i;
    }
    // Borders in each theme's colours: top-left edge and bottom-right edge.
    const int topLeft[6] = {16, 16, 54, 57, 52, 52}, bottomRight[6] = {20, 20, 54, 57, 52, 52};
    for (int i = 0; i < 6; i++)
    {
        int left = 10 + i * 95, right = 95 + i * 95 - 1;
        EXPECT_EQ(colors->GetColor(topLeft[i]), image.Pixel(left + 20, kBorderTop)) << "theme " << i;
        EXPECT_EQ(colors->GetColor(bottomRight[i]), image.Pixel(right, kBorderTop + 12)) << "theme " << i;
    }
    frame.DestroyWindow();
}
