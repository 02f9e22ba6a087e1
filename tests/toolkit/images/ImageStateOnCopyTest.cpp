// Images given at a width for which the set so far kept only a scaled copy
// (a menu drew a toolbar's 32-pixel icon at 16): they belong to a stored
// icon, survive refreshes and are stored, and the next draw shows them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ImageTestSupport.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "support/Screenshot.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"

using namespace imagetest;

namespace {

const DWORD kBlue = 0xFF0000FF;
const DWORD kGreen = 0xFF00FF00;

// Id 1 with a blue 32-pixel alpha icon.
void StoreBlue32(CXTPImageManager& manager)
{
    HBITMAP hBlue = MakeAlphaBitmap(32, 32, std::vector<DWORD>(32 * 32, kBlue));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBlue), 1));
    DeleteObject(hBlue);
}

BOOL SetGreen16(CXTPImageManager& manager, int nState)
{
    HBITMAP hGreen = MakeAlphaBitmap(16, 16, std::vector<DWORD>(16 * 16, kGreen));
    const BOOL bSet = manager.SetIcon(CXTPImageManagerIconHandle(hGreen), 1, CSize(16, 16), nState);
    DeleteObject(hGreen);
    return bSet;
}

CXTPImageManagerIconHandle& StateImage(CXTPImageManagerIcon* pIcon, int nState)
{
    switch (nState) {
    case xtpImageDisabled: return pIcon->GetDisabledIcon(FALSE);
    case xtpImageHot: return pIcon->GetHotIcon();
    case xtpImageChecked: return pIcon->GetCheckedIcon();
    case xtpImagePressed: return pIcon->GetPressedIcon();
    default: return pIcon->GetIcon();
    }
}

// The image of the state at width 16 is the given green one, on an icon of
// its own.
void ExpectGreenAt16(CXTPImageManager& manager, int nState, const char* pszWhen)
{
    SCOPED_TRACE(pszWhen);
    EXPECT_TRUE(manager.HasExactImage(1, 16));
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_FALSE(pIcon->IsScaled());
    CXTPImageManagerIconHandle& hImage = StateImage(pIcon, nState);
    ASSERT_TRUE(hImage.IsAlpha());
    EXPECT_EQ(kGreen, PixelOf(hImage.GetBitmap(), 7, 7));
}

// The manager stored and loaded into a fresh one.
std::unique_ptr<CXTPImageManager> StoredAndLoaded(CXTPImageManager& manager)
{
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store);
        manager.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    std::unique_ptr<CXTPImageManager> pLoaded(new CXTPImageManager);
    CArchive ar(&file, CArchive::load);
    pLoaded->Serialize(ar);
    ar.Close();
    return pLoaded;
}

} // namespace

TEST(ImageStateOnCopy, AnImageGivenAtACopysWidthIsKeptAndStored)
{
    const int states[] = {xtpImageNormal, xtpImageDisabled, xtpImageHot, xtpImageChecked, xtpImagePressed};
    for (int nState : states) {
        for (bool bDrawnFirst : {true, false}) {
            SCOPED_TRACE(testing::Message() << "state " << nState << (bDrawnFirst ? ", after a draw at 16" : ""));
            CXTPImageManager manager;
            StoreBlue32(manager);
            if (bDrawnFirst) {
                ASSERT_TRUE(manager.GetImage(1, 16)->IsScaled());
            }
            ASSERT_TRUE(SetGreen16(manager, nState));
            ExpectGreenAt16(manager, nState, "given");
            // An icon with a state image alone is no source for copies: 20
            // is still made from the 32-pixel image.
            if (nState != xtpImageNormal) {
                CXTPImageManagerIcon* p20 = manager.GetImage(1, 20);
                ASSERT_EQ(20, p20->GetWidth());
                EXPECT_EQ(kBlue, PixelOf(p20->GetIcon().GetBitmap(), 9, 9));
            }
            manager.RefreshAll();
            ExpectGreenAt16(manager, nState, "after a refresh");
            std::unique_ptr<CXTPImageManager> pLoaded = StoredAndLoaded(manager);
            ExpectGreenAt16(*pLoaded, nState, "stored and loaded");
            // The 32-pixel icon is untouched.
            EXPECT_EQ(kBlue, PixelOf(pLoaded->GetImage(1, 32)->GetIcon().GetBitmap(), 7, 7));
        }
    }
}

TEST(ImageStateOnCopy, ACopysOwnImageCanBeGivenBack)
{
    // The copy gives way to the stored icon while its image is being set.
    CXTPImageManager manager;
    StoreBlue32(manager);
    CXTPImageManagerIcon* pCopy = manager.GetImage(1, 16);
    ASSERT_TRUE(pCopy->IsScaled());
    ASSERT_TRUE(manager.SetIcon(pCopy->GetIcon(), 1, CSize(16, 16), xtpImageHot));
    manager.RefreshAll();
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_TRUE(pIcon->GetHotIcon().IsAlpha());
    EXPECT_EQ(kBlue, PixelOf(pIcon->GetHotIcon().GetBitmap(), 7, 7));
}

TEST(ImageStateOnCopy, AStateImageGivenToTheCopyItselfMakesItAnIconOfItsOwn)
{
    CXTPImageManager manager;
    StoreBlue32(manager);
    CXTPImageManagerIcon* pCopy = manager.GetImage(1, 16);
    ASSERT_TRUE(pCopy->IsScaled());
    HBITMAP hGreen = MakeAlphaBitmap(16, 16, std::vector<DWORD>(16 * 16, kGreen));
    pCopy->SetHotIcon(CXTPImageManagerIconHandle(hGreen));
    DeleteObject(hGreen);
    manager.RefreshAll();
    ASSERT_EQ(pCopy, manager.GetImage(1, 16));
    ExpectGreenAt16(manager, xtpImageHot, "after a refresh");
    // It keeps the image it showed.
    EXPECT_EQ(kBlue, PixelOf(pCopy->GetIcon().GetBitmap(), 7, 7));
    std::unique_ptr<CXTPImageManager> pLoaded = StoredAndLoaded(manager);
    ExpectGreenAt16(*pLoaded, xtpImageHot, "stored and loaded");
}

TEST(ImageStateOnCopy, TheNextDrawShowsTheNewHotImage)
{
    // Hot images at 16 as a menu draws them: before, right after the hot
    // image is given, and after a refresh.
    CXTPImageManager manager;
    StoreBlue32(manager);
    Canvas canvas(3 * 24 + 4, 24, RGB(255, 255, 255));
    auto drawHot = [&](int nCell) {
        CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
        ASSERT_NE(nullptr, pIcon);
        pIcon->Draw(canvas.DC(), CPoint(4 + nCell * 24, 4), pIcon->GetHotIcon(), CSize(16, 16));
    };
    drawHot(0);
    ASSERT_TRUE(SetGreen16(manager, xtpImageHot));
    drawHot(1);
    manager.RefreshAll();
    drawHot(2);
    RECT all = {0, 0, 3 * 24 + 4, 24};
    EXPECT_FALSE(testshot::Save(testshot::CaptureDC(canvas.dc(), all), L"image_hot_on_copy.png").empty());
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(4 + 8, 12));
    EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(4 + 24 + 8, 12));
    EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(4 + 48 + 8, 12));
    EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(4 + 48 + 15, 19));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(4 + 48 + 16, 12));
}
