// The global look data: colours, metrics, cursors, fonts and versions.
#include <gtest/gtest.h>
#include "DrawTestSupport.h"
#include <utility>
#include "framework/CString.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/common/XTAuxData.h"
#include "toolkit/common/XTPColorManager.h"
#include "toolkit/common/XTPOSVersionInfo.h"

namespace {

LOGFONTW FontOf(const CFont& font)
{
    LOGFONTW lf = {};
    font.GetLogFont(&lf);
    return lf;
}

} // namespace

TEST(AuxData, ColoursFollowTheColourManager)
{
    CXTAuxData& aux = XTPGetAuxData();
    aux.UpdateSysColors();
    CXTPColorManager* colors = XTPGetColorManager();
    const COLORREF values[] = {aux.clr3DFace, aux.clr3DShadow, aux.clr3DDkShadow, aux.clr3DHilight, aux.clr3DLight,
        aux.clrBtnText, aux.clrGrayText, aux.clrHighlight, aux.clrHighlightText, aux.clrMenu, aux.clrMenuText,
        aux.clrWindow, aux.clrWindowFrame, aux.clrWindowText, aux.clrActiveCaption, aux.clrInActiveCaption,
        aux.clrGradActiveCapt, aux.clrGradInActiveCapt, aux.clrActiveCaptText, aux.clrInactiveCaptText};
    const int indexes[] = {15, 16, 21, 20, 22, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(colors->GetColor(indexes[i]), values[i]) << "colour index " << indexes[i];
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(colors->GetColor(30 + i), aux.clrToolkit[i]) << "colour index " << 30 + i;
}

TEST(AuxData, MetricsCursorsAndSystemFamily)
{
    CXTAuxData& aux = XTPGetAuxData();
    EXPECT_TRUE(aux.UpdateSysMetrics());
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), aux.cxSmIcon);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), aux.cyMenuItem);
    EXPECT_EQ(18, aux.cxSize);
    EXPECT_EQ(18, aux.cySize);

    HMODULE program = GetModuleHandleW(nullptr);
    const std::pair<int, HCURSOR> cursors[] = {{XTP_IDC_DRAGCOPY, aux.hcurDragCopy},   {XTP_IDC_DRAGMOVE, aux.hcurDragMove},
                                               {XTP_IDC_DRAGNONE, aux.hcurDragNone},   {XTP_IDC_HSPLITBAR, aux.hcurHSplitBar},
                                               {XTP_IDC_VSPLITBAR, aux.hcurVSplitBar}};
    for (const auto& cursor : cursors)
        EXPECT_EQ(LoadCursorW(program, MAKEINTRESOURCEW(cursor.first)), cursor.second) << cursor.first;
    EXPECT_EQ(LoadCursorW(nullptr, IDC_SIZEALL), aux.hcurMove);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), aux.hcurHand);
    // A system without a hand cursor gets the toolkit's.
    HCURSOR own = CXTAuxData::ChooseHandCursor(nullptr);
    EXPECT_NE(nullptr, own);
    EXPECT_EQ(LoadCursorW(program, MAKEINTRESOURCEW(XTP_IDC_HAND)), own);

    const CXTPOSVersionInfo* version = XTPGetOSVersionInfo();
    EXPECT_EQ(version->IsWinXP(), aux.bWinXP);
    EXPECT_EQ(version->IsWin2000(), aux.bWin2K);
    EXPECT_FALSE(aux.bWin95 || aux.bWin98);
    EXPECT_FALSE(aux.bUseTahoma);
}

TEST(AuxData, CommonControlsVersionIsKept)
{
    CXTAuxData& aux = XTPGetAuxData();
    DWORD version = aux.GetComCtlVersion();
    EXPECT_GE(HIWORD(version), 5u);
    EXPECT_EQ(version, aux.GetComCtlVersion());
}

TEST(AuxData, FontsDeriveFromTheMenuFont)
{
    CXTAuxData& aux = XTPGetAuxData();
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_EQ(500u, sizeof(ncm));
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);

    // A face that is not installed leaves the menu font's face.
    ASSERT_TRUE(aux.UpdateSysFonts(L"No Such Face 4711"));
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, FontOf(aux.font).lfFaceName);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, FontOf(aux.font).lfHeight);
    EXPECT_EQ(FW_BOLD, FontOf(aux.fontBold).lfWeight);
    EXPECT_EQ(1, FontOf(aux.fontULine).lfUnderline);
    EXPECT_EQ(2700, FontOf(aux.fontVert).lfEscapement);
    EXPECT_EQ(900, FontOf(aux.fontVert).lfOrientation);
    EXPECT_EQ(FW_BOLD, FontOf(aux.fontVertBold).lfWeight);
    EXPECT_EQ(2700, FontOf(aux.fontVertBold).lfEscapement);
    EXPECT_STREQ(L"Marlett", FontOf(aux.fontMarlett).lfFaceName);
    EXPECT_EQ(ncm.lfMenuFont.lfHeight, FontOf(aux.fontMarlett).lfHeight);
    EXPECT_EQ(FW_BOLD, FontOf(aux.fontIconTitleBold).lfWeight);

    // An installed face is taken, for the normal and the vertical fonts.
    CString face = AnyInstalledFontFace();
    ASSERT_FALSE(face.IsEmpty());
    HGDIOBJ oldFont = aux.font.m_hObject;
    ASSERT_TRUE(aux.UpdateSysFonts(face, face));
    EXPECT_STREQ(face, FontOf(aux.font).lfFaceName);
    EXPECT_STREQ(face, FontOf(aux.fontVert).lfFaceName);
    EXPECT_EQ(0u, GetObjectType(oldFont)) << "the fonts made before were deleted";
    ASSERT_TRUE(aux.UpdateSysFonts());
}
