// What the user sized or customized comes back in the next process of the
// program: a dialog bar's docked and floating client sizes, and a button's
// caption, style, group and edited icon.
#include <gtest/gtest.h>
#include "support/SecondProcess.h"
#include <vector>
#include "BarStateTestSupport.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

namespace {

const wchar_t kSecondProcessVariable[] = L"TAVROLIN_BARSTATE_SECOND_PROCESS";
const CSize kDockedClient(310, 90);
const CSize kFloatingClient(240, 150);
const int kIconSize = 16;

// An edited icon: every pixel its own colour, a transparent corner.
std::vector<DWORD> EditedIconPixels()
{
    std::vector<DWORD> pixels(kIconSize * kIconSize);
    for (int y = 0; y < kIconSize; y++)
        for (int x = 0; x < kIconSize; x++)
            pixels[static_cast<size_t>(y * kIconSize + x)] =
                x < 4 && y < 4 ? 0
                               : 0xFF000000u | static_cast<DWORD>(x * 15) << 16 | static_cast<DWORD>(y * 15) << 8 | 0x40;
    return pixels;
}

std::vector<DWORD> PixelsOf(CXTPImageManagerIcon* pIcon)
{
    std::vector<DWORD> pixels(kIconSize * kIconSize);
    if (!pIcon || !XTPReadBitmapPixels32(pIcon->GetIcon().GetBitmap(), kIconSize, kIconSize, pixels.data()))
        pixels.clear();
    return pixels;
}

CXTPControl* CustomizedButton(CStateFrame* pFrame)
{
    return pFrame->Bar(kToolsBar)->GetControls()->FindControl(202);
}

CFrameBuild ProgramBuild(LPCWSTR lpszLoadProfile = nullptr)
{
    CFrameBuild build;
    build.dialogBar = TRUE;
    build.loadProfile = lpszLoadProfile;
    return build;
}

} // namespace

TEST(BarStateRestartCustom, SecondProcessFindsTheSizesAndButton)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of SizesAndButtonComeBackInANewProcess";
    CStateApp app;
    app.SetRegistryKey(kRegistryVendor);
    auto* pFrame = new CStateFrame(ProgramBuild(L"CommandBars2"));
    ASSERT_TRUE(pFrame->Open());

    auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(pFrame->Bar(kDialogBar));
    ASSERT_NE(pDialogBar, nullptr);
    EXPECT_EQ(pDialogBar->GetDockingClientSize(), kDockedClient);
    EXPECT_EQ(pDialogBar->GetFloatingClientSize(), kFloatingClient);

    CXTPControl* pButton = CustomizedButton(pFrame);
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(pButton->GetCustomCaption(), CString(L"Eigene"));
    EXPECT_EQ(pButton->GetStyle(), xtpButtonIconAndCaption);
    EXPECT_TRUE(pButton->GetBeginGroup());
    ASSERT_GT(pButton->GetCustomIconId(), 0);
    CXTPImageManager* pImages = pFrame->GetCommandBars()->GetImageManager();
    EXPECT_EQ(PixelsOf(pImages->GetImage(static_cast<UINT>(pButton->GetCustomIconId()), kIconSize)),
              EditedIconPixels());
    pFrame->DestroyWindow();
}

TEST(BarStateRestartCustom, SizesAndButtonComeBackInANewProcess)
{
    CStoredLayout::DeleteAll();
    {
        CStateApp app;
        app.SetRegistryKey(kRegistryVendor);
        auto* pFrame = new CStateFrame(ProgramBuild());
        ASSERT_TRUE(pFrame->Open());
        auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(pFrame->Bar(kDialogBar));
        ASSERT_NE(pDialogBar, nullptr);
        pDialogBar->SetDockingClientSize(kDockedClient);
        pDialogBar->SetFloatingClientSize(kFloatingClient);

        // As the customize menu's name, style, group and image editing leave it.
        CXTPControl* pButton = CustomizedButton(pFrame);
        ASSERT_NE(pButton, nullptr);
        pButton->SetCustomCaption(L"Eigene");
        pButton->SetStyle(xtpButtonIconAndCaption);
        pButton->SetBeginGroup(TRUE);
        BYTE* pBits = nullptr;
        HBITMAP hEdited = XTPCreateAlphaDIB(kIconSize, kIconSize, &pBits);
        ASSERT_NE(hEdited, nullptr);
        const std::vector<DWORD> pixels = EditedIconPixels();
        memcpy(pBits, pixels.data(), pixels.size() * sizeof(DWORD));
        CXTPImageManagerIconHandle hIcon;
        hIcon.AttachBitmap(hEdited);
        const UINT nIconId = pButton->GetImageManager()->AddIconWithNewSet(hIcon);
        ASSERT_GT(nIconId, 0u);
        pButton->SetCustomIconId(static_cast<int>(nIconId));
        ASSERT_EQ(PixelsOf(pButton->GetImageManager()->GetImage(nIconId, kIconSize)), pixels)
            << "the icon as edited";

        pFrame->GetCommandBars()->SaveBarState(L"CommandBars2");
        pFrame->DestroyWindow();
    }

    const DWORD code = testprocess::RunTestInChild(L"BarStateRestartCustom.SecondProcessFindsTheSizesAndButton",
                                                   kSecondProcessVariable, L"1");
    CStoredLayout::DeleteAll();
    EXPECT_EQ(code, 0u) << "the second process found the sizes and the button as saved";
}
