// One picture of every button theme in every state, with icon and text.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "customize/controls/ButtonTestSupport.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/controls/buttons/XTButtonThemeOffice2003.h"
#include "toolkit/controls/buttons/XTDisabledButtonTheme.h"

using namespace ctltest;

TEST(ButtonScreenshot, EveryThemeInEveryState)
{
    const Look looks[] = {Look::normal, Look::hot, Look::pressed, Look::checked, Look::disabled};
    const int cols = 5, rows = 6, cx = 96, cy = 30;
    CTestParent parent(20, 20, 20 + cols * (cx + 8), 20 + rows * (cy + 8), L"Schaltflächen");
    static CXTPWinThemeLibrary styles(L"UxTheme.dll", MAKELONG(0, 6));

    std::vector<std::unique_ptr<CProbeButton>> buttons;
    HICON hIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLKIT_APP), IMAGE_ICON, 16, 16, 0));
    for (int row = 0; row < rows; row++)
    {
        for (int col = 0; col < cols; col++)
        {
            auto button = std::make_unique<CProbeButton>();
            CRect rc(8 + col * (cx + 8), 8 + row * (cy + 8), 8 + col * (cx + 8) + cx, 8 + row * (cy + 8) + cy);
            ASSERT_TRUE(button->Create(L"&Abspielen", WS_CHILD | WS_VISIBLE, rc, &parent, 200 + row * cols + col));
            button->SetIcon(CSize(16, 16), hIcon, nullptr, FALSE);
            switch (row)
            {
            case 0: button->SetXButtonStyle(0, FALSE); break;                       // plain, full face
            case 1: button->SetXButtonStyle(BS_XT_FLAT, FALSE); break;              // plain, flat
            case 2: button->SetTheme(new CXTButtonThemeOfficeXP(TRUE)); break;      // Office XP, bordered
            case 3: button->SetTheme(new CXTButtonThemeOffice2003(TRUE)); break;    // Office 2003
            case 4: button->SetTheme(new CXTDisabledButtonTheme); break;            // embossed images
            case 5:
                button->SetXButtonStyle(BS_XT_WINXP_COMPAT, FALSE);                  // visual style
                button->SetTheme(new CXTButtonTheme(&styles));
                break;
            }
            Look look = looks[col];
            button->SetLook(look == Look::hot, look == Look::checked);
            button->EnableWindow(look != Look::disabled);
            button->SendMessage(BM_SETSTATE, look == Look::pressed, 0);
            buttons.push_back(std::move(button));
        }
    }
    DestroyIcon(hIcon);
    testshot::Image shot = Shoot(parent.GetSafeHwnd(), L"button_themes.png");
    // Every state of every theme looks different from its normal state,
    // but for the full face, which has no hot look.
    for (int row = 0; row < rows; row++)
    {
        for (int col = 1; col < cols; col++)
        {
            int y = 8 + row * (cy + 8);
            bool differs = false;
            for (int x = 0; x < cx && !differs; x++)
                for (int dy = 0; dy < cy && !differs; dy++)
                    differs = shot.Pixel(8 + x, y + dy) != shot.Pixel(8 + col * (cx + 8) + x, y + dy);
            EXPECT_TRUE(differs || (row == 0 && col == 1)) << "row " << row << ", state " << col;
        }
    }
}
