// What the command bars take from the foundation for their faces: the fixed
// Office 2003 button gradients (drawn and read back at both ends), the
// colour their theme copies as its colour 55, and the non-client metrics
// their fonts come from.
#include <gtest/gtest.h>

#include "toolkit/drawing/DrawTestSupport.h"
#include "support/Screenshot.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/system/XTPNonClientMetrics.h"

namespace {

void ExpectNear(COLORREF clrExpected, COLORREF clrActual, const char* pszWhere)
{
    EXPECT_NEAR(GetRValue(clrExpected), GetRValue(clrActual), 2) << pszWhere;
    EXPECT_NEAR(GetGValue(clrExpected), GetGValue(clrActual), 2) << pszWhere;
    EXPECT_NEAR(GetBValue(clrExpected), GetBValue(clrActual), 2) << pszWhere;
}

} // namespace

TEST(ButtonFace, TheThreeButtonGradientsRunBetweenTheirColoursAndSurviveRefreshes)
{
    CXTPColorManager* pColors = XTPGetColorManager();
    pColors->RefreshColors();
    struct Face
    {
        const CXTPGradientValue& gradient;
        COLORREF clrTop, clrBottom;
    } faces[] = {
        {pColors->GetButtonCheckedGradient(), 0x8CD5FF, 0x55ADFF},
        {pColors->GetButtonPushedGradient(), 0x4B8EFE, 0x8BCFFF},
        {pColors->GetButtonHotGradient(), 0xC8F2FF, 0x97D4FF},
    };
    const int nWidth = 60, nHeight = 80, nGap = 10;
    CDibCanvas canvas(nGap + 4 * (nWidth + nGap), nHeight + 2 * nGap, RGB(255, 255, 255));
    for (int i = 0; i < 3; i++)
    {
        const CRect rc(nGap + i * (nWidth + nGap), nGap, nGap + i * (nWidth + nGap) + nWidth, nGap + nHeight);
        XTPDrawHelpers()->GradientFillByFactor(canvas.DC(), rc, faces[i].gradient, FALSE, nullptr);
    }
    // Colour 55 as the Office 2003 theme takes it over, beside the buttons.
    const CXTPColorValue clr55 = pColors->GetOffice2003Color55();
    canvas.DC()->FillSolidRect(CRect(nGap + 3 * (nWidth + nGap), nGap, nGap + 3 * (nWidth + nGap) + nWidth,
                                     nGap + nHeight),
                               clr55);
    testshot::Save(testshot::CaptureDC(canvas.DC()->m_hDC, CRect(0, 0, nGap + 4 * (nWidth + nGap),
                                                                      nHeight + 2 * nGap)),
                   L"button_face_gradients.png");

    for (int i = 0; i < 3; i++)
    {
        const int x = nGap + i * (nWidth + nGap) + nWidth / 2;
        ExpectNear(faces[i].clrTop, canvas.Pixel(x, nGap), "top");
        ExpectNear(faces[i].clrBottom, canvas.Pixel(x, nGap + nHeight - 1), "bottom");
    }
    // Colour 55 follows the 3D face and gives way to a custom colour.
    EXPECT_EQ(pColors->GetColor(COLOR_3DFACE), canvas.Pixel(nGap + 3 * (nWidth + nGap) + 5, nGap + 5));
    pColors->m_arrCustomColor[XTP_COLOR_OFFICE2003_55] = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), pColors->GetOffice2003Color55().GetColor());
    EXPECT_EQ(pColors->GetColor(COLOR_3DFACE), pColors->GetOffice2003Color55().GetStandardColor());
    pColors->m_arrCustomColor[XTP_COLOR_OFFICE2003_55] = COLORREF(-1);
}

TEST(ButtonFace, NonClientMetricsAreTheSystemsOwn)
{
    NONCLIENTMETRICSW expected = {};
    expected.cbSize = sizeof(expected);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(expected), &expected, 0));
    const CXTPNonClientMetrics metrics;
    EXPECT_EQ(sizeof(NONCLIENTMETRICSW), metrics.cbSize);
    EXPECT_STREQ(expected.lfMenuFont.lfFaceName, metrics.lfMenuFont.lfFaceName);
    EXPECT_EQ(expected.lfMenuFont.lfHeight, metrics.lfMenuFont.lfHeight);
    EXPECT_STREQ(expected.lfSmCaptionFont.lfFaceName, metrics.lfSmCaptionFont.lfFaceName);
    EXPECT_EQ(expected.lfSmCaptionFont.lfHeight, metrics.lfSmCaptionFont.lfHeight);
    EXPECT_EQ(expected.lfStatusFont.lfHeight, metrics.lfStatusFont.lfHeight);
    EXPECT_EQ(expected.iMenuHeight, metrics.iMenuHeight);
    EXPECT_EQ(expected.iCaptionHeight, metrics.iCaptionHeight);
}
