// A strip of the program's own icons in their normal, disabled, faded and
// shadow forms, saved for looking at.
#include <gtest/gtest.h>

#include <vector>

#include "ImageTestSupport.h"
#include "framework/gdi/CDC.h"
#include "resources/ToolkitImageIds.h"
#include "support/Screenshot.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

using namespace imagetest;

TEST(ImageScreenshot, NormalDisabledFadedAndShadowStrip)
{
    CXTPImageManager manager;
    manager.SetMaskColor(RGB(0, 255, 0));
    const UINT alphaIds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_TRUE(manager.SetIcons(IDB_TOOLKIT_ALPHA_STRIP, alphaIds, 10, CSize(16, 16)));
    ASSERT_TRUE(manager.SetIconsFromToolBar(IDR_TOOLKIT_GREEN_STRIP));
    CXTPImageManagerIconHandle app;
    ASSERT_TRUE(app.LoadIconResource(IDI_TOOLKIT_APP, 32, 32, TRUE));
    ASSERT_TRUE(manager.SetIcon(app, 300));
    std::vector<UINT> ids(alphaIds, alphaIds + 10);
    for (UINT id : {200u, 201u, 202u, 203u})
        ids.push_back(id);

    const int cell = 40;
    const int width = cell * static_cast<int>(ids.size() + 1) + 8;
    const int height = cell * 4 + 8;
    Canvas canvas(width, height, RGB(236, 233, 216));
    for (int row = 0; row < 4; ++row)
    {
        int y = 4 + row * cell;
        auto image = [row](CXTPImageManagerIcon* pIcon) -> CXTPImageManagerIconHandle& {
            switch (row)
            {
            case 0: return pIcon->GetIcon();
            case 1: return pIcon->GetDisabledIcon();
            case 2: return pIcon->GetFadedIcon();
            default: return pIcon->GetShadowIcon();
            }
        };
        for (size_t i = 0; i < ids.size(); ++i)
        {
            CXTPImageManagerIcon* pIcon = manager.GetImage(ids[i], 16);
            ASSERT_NE(nullptr, pIcon);
            int x = 4 + static_cast<int>(i) * cell;
            pIcon->Draw(canvas.DC(), CPoint(x, y), image(pIcon));
            pIcon->Draw(canvas.DC(), CPoint(x + 18, y + 18), image(pIcon), CSize(20, 0));
        }
        CXTPImageManagerIcon* pApp = manager.GetImage(300, 32);
        pApp->Draw(canvas.DC(), CPoint(4 + static_cast<int>(ids.size()) * cell, y), image(pApp));
    }
    RECT all = {0, 0, width, height};
    EXPECT_FALSE(testshot::Save(testshot::CaptureDC(canvas.dc(), all), L"image_manager_strip.png").empty());
    // The faded and disabled rows differ from the normal one.
    EXPECT_NE(canvas.Pixel(4 + 8, 4 + 8), canvas.Pixel(4 + 8, 4 + cell + 8));
    EXPECT_NE(canvas.Pixel(4 + 8, 4 + 8), canvas.Pixel(4 + 8, 4 + 2 * cell + 8));
}
