// The global look data: colours, metrics, cursors, fonts and versions.
#include <gtest/gtest.h>
#include "toolkit/drawing/DrawTestSupport.h"
#include <utility>
#include "framework/text/CString.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/common/system/XTAuxData.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"

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
    EXPECT_EQ(colors->GetColor(22), aux.clr3DLight) << "the manager's own 3D light, not the system's";
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(colors->GetColor(30 + i), aux.clrToolkit[i]) << "colour index " << 30 + i;
}

TEST(AuxData, MetricsCursorsAndSystemFamily)
{
    CXTAuxData& aux = XTPGetAuxData();
    EXPECT_TRUE(aux.UpdateSysMetrics());
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), aux.cxSmIcon);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), aux.cyMenuItem);

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
