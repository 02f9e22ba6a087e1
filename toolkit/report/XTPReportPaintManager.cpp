#include "toolkit/report/XTPReportPaintManager.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CWindowDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "resources/ToolkitReportIds.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/rows/XTPReportRow.h"

namespace {

const int kMinRowHeight = 18;
const int kMinHeaderHeight = 22;
const int kRowTextPadding = 4;
const int kHeaderTextPadding = 8;
const int kGroupRowExtra = 16;
const int kShadedGroupRowExtra = 6;
const int kCaptionMargin = 3;

CString LoadReportString(UINT nID)
{
    CString str;
    XTPGetResourceManager()->LoadString(&str, nID);
    return str;
}

} // namespace

CXTPReportPaintManager::CXTPReportPaintManager()
    : m_nRowHeight(kMinRowHeight), m_nHeaderHeight(kMinHeaderHeight), m_nCaptionFontHeight(kMinHeaderHeight),
      m_nTreeIndent(20), m_rcPreviewIndent(10, 0, 10, 2), m_nMaxPreviewLines(3), m_nGroupGridLineHeight(2),
      m_nVerticalGridStyle(xtpReportGridNone), m_nHorizontalGridStyle(xtpReportGridSolid),
      m_columnStyle(xtpReportColumnShaded), m_treeStructureStyle(xtpReportTreeSolid), m_bShadeGroupHeadings(FALSE),
      m_bGroupRowTextBold(FALSE), m_bShadeSortColumn(TRUE), m_bHotTracking(TRUE), m_bColumnAlignmentForHeaders(FALSE),
      m_bRoomForSortTriangle(TRUE), m_bInvertColumnOnClick(TRUE), m_bHideSelection(FALSE), m_bFixedRowHeight(TRUE),
      m_bUseEditTextAlignment(TRUE), m_bControlReservedFlag(TRUE), m_bRevertAlignment(FALSE), m_bPreviewMode(FALSE),
      m_szGlyph(12, 12), m_themeHeader(new CXTPWinThemeWrapper())
{
    m_clrPreviewText.SetStandardValue(RGB(0, 0, 255));
    m_clrDropMarker.SetStandardValue(RGB(255, 0, 0));

    LOGFONT lfIcon = {};
    ::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(LOGFONT), &lfIcon, 0);
    m_fontPreview.CreateFontIndirect(&lfIcon);
    SetCaptionFont(lfIcon);
    SetTextFont(lfIcon);

    CBitmap bmpGlyphs;
    if (XTPGetResourceManager()->LoadBitmap(&bmpGlyphs, IDB_REPORT_GLYPHS) &&
        m_ilGlyphs.Create(m_szGlyph.cx, m_szGlyph.cy, ILC_COLOR24 | ILC_MASK, 0, 1))
        m_ilGlyphs.Add(&bmpGlyphs, RGB(255, 0, 255));

    m_strNoItems = LoadReportString(IDS_REPORT_NO_ITEMS);
    m_strGroupByHint = LoadReportString(IDS_REPORT_GROUPBY_HINT);
    m_strNoFieldsAvailable = LoadReportString(IDS_REPORT_NO_FIELDS);
    if (XTPGetResourceManager()->LoadString(&m_strSortBy, IDS_REPORT_SORT_BY))
        m_strSortBy += L" ";

    RefreshMetrics();
}

CXTPReportPaintManager::~CXTPReportPaintManager()
{
    delete m_themeHeader;
}

void CXTPReportPaintManager::RefreshMetrics()
{
    XTPRefreshColorsThrottled();
    CXTPColorManager* pColors = XTPGetColorManager();
    const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    const COLORREF clrFace = pColors->GetColor(COLOR_BTNFACE);
    const COLORREF clrBtnText = pColors->GetColor(COLOR_BTNTEXT);

    m_clrHighlight.SetStandardValue(pColors->GetColor(COLOR_HIGHLIGHT));
    m_clrGridLine.SetStandardValue(clrShadow);
    m_clrWindowText.SetStandardValue(pColors->GetColor(COLOR_WINDOWTEXT));
    m_clrHighlightText.SetStandardValue(pColors->GetColor(COLOR_HIGHLIGHTTEXT));
    m_clrHeaderControl.SetStandardValue(clrFace);
    m_clrCaptionText.SetStandardValue(clrBtnText);
    m_clrControlBack.SetStandardValue(pColors->GetColor(COLOR_WINDOW));
    m_clrGroupRowText.SetStandardValue(clrShadow);
    m_clrGroupShadeBack.SetStandardValue(clrFace);
    m_clrGroupShadeText.SetStandardValue(clrBtnText);
    m_clrGroupShadeBorder.SetStandardValue(clrShadow);
    m_clrGroupBoxBack.SetStandardValue(clrShadow);
    m_clrControlDark.SetStandardValue(clrShadow);
    m_clrControlLightLight.SetStandardValue(pColors->GetColor(COLOR_BTNHIGHLIGHT));
    m_clrHyper.SetStandardValue(RGB(0, 0, 255));
    m_clrIndentControl.SetStandardValue(clrFace);
    m_clrItemShade.SetStandardValue(RGB(245, 245, 245));
    m_clrBtnFace.SetStandardValue(clrFace);
    m_clrBtnText.SetStandardValue(clrBtnText);

    m_grcGradientColumn.SetStandardColors(CXTPColorManager::MixColorsByWeight(clrFace, pColors->GetColor(COLOR_WINDOW), 205),
                                          clrFace, 0.5f);
    m_grcGradientColumnHot.SetStandardColor(pColors->GetColor(31));
    m_grcGradientColumnPushed.SetStandardColor(pColors->GetColor(33));
    m_clrGradientColumnShadow.SetStandardValue(pColors->GetColor(30));
    m_clrGradientColumnSeparator.SetStandardValue(pColors->GetColor(39));

    struct ThemeColors
    {
        COLORREF shadeBorder, shadeBack, groupText, grid, indent;
        COLORREF gradientLight, gradientDark, gradientBorder, gradientDivider;
    };
    static const ThemeColors themes[] = {
        {0xE0A47B, 0xFBDABE, 0xB96837, 0xE1E9EA, 0xC9EEFD, 0xFEECDD, 0xE2A981, 0x9C613B, 0xCB8C6A},
        {0x8FC4B5, 0x91BAAF, 0x548973, 0xE1E9EA, 0xC9EEFD, 0xDEF7F4, 0x91C6B7, 0x588060, 0x588060},
        {0xBDA4A5, 0xEBE5E5, 0x916F70, 0xEBE5E5, 0xC9EEFD, 0xFAF4F3, 0xB59799, 0x947C7C, 0x8F6D6E},
    };
    const int nTheme = pColors->GetCurrentSystemTheme();
    if (!pColors->IsLunaColorsDisabled() && nTheme >= xtpSystemThemeBlue && nTheme <= xtpSystemThemeSilver)
    {
        const ThemeColors& theme = themes[nTheme - xtpSystemThemeBlue];
        m_clrGroupShadeBorder.SetStandardValue(theme.shadeBorder);
        m_clrGroupShadeBack.SetStandardValue(theme.shadeBack);
        m_clrGroupRowText.SetStandardValue(theme.groupText);
        m_clrGridLine.SetStandardValue(theme.grid);
        m_clrIndentControl.SetStandardValue(theme.indent);
        m_grcGradientColumn.SetStandardColors(theme.gradientLight, theme.gradientDark, 0.5f);
        m_clrGradientColumnShadow.SetStandardValue(theme.gradientBorder);
        m_clrGradientColumnSeparator.SetStandardValue(theme.gradientDivider);
        m_grcGradientColumnPushed.SetStandardColors(0x4B8EFE, 0x8BCFFF, 0.5f);
        m_grcGradientColumnHot.SetStandardColors(0xC8F2FF, 0x97D4FF, 0.5f);
    }

    m_themeHeader->CloseThemeData();
    m_themeHeader->OpenThemeData(nullptr, L"HEADER");
    m_brushVertLine.DeleteObject();
    m_brushHorzLine.DeleteObject();
    m_brushTreeStructure.DeleteObject();
}

int CXTPReportPaintManager::MeasureSpaceHeight(CFont* pFont)
{
    CWindowDC dc(nullptr);
    CFont* pOldFont = dc.SelectObject(pFont);
    const int nHeight = dc.GetTextExtent(L" ", 1).cy;
    dc.SelectObject(pOldFont);
    return nHeight;
}

void CXTPReportPaintManager::SetTextFont(LOGFONT& lf)
{
    m_fontText.DeleteObject();
    m_fontBoldText.DeleteObject();
    m_fontText.CreateFontIndirect(&lf);
    LOGFONT lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    m_fontBoldText.CreateFontIndirect(&lfBold);
    const int nHeight = MeasureSpaceHeight(&m_fontText) + kRowTextPadding;
    m_nRowHeight = nHeight > kMinRowHeight ? nHeight : kMinRowHeight;
}

void CXTPReportPaintManager::SetCaptionFont(LOGFONT& lf)
{
    m_fontCaption.DeleteObject();
    m_fontCaption.CreateFontIndirect(&lf);
    const int nHeight = MeasureSpaceHeight(&m_fontCaption) + kHeaderTextPadding;
    m_nHeaderHeight = m_nCaptionFontHeight = nHeight > kMinHeaderHeight ? nHeight : kMinHeaderHeight;
}

void CXTPReportPaintManager::SetGridStyle(BOOL bVertical, int nGridStyle)
{
    (bVertical ? m_nVerticalGridStyle : m_nHorizontalGridStyle) = nGridStyle;
}

int CXTPReportPaintManager::GetFixedRowHeight(CDC* /*pDC*/, CXTPReportRow* pRow)
{
    if (pRow && pRow->IsGroupRow())
        return m_nRowHeight + (m_bShadeGroupHeadings ? kShadedGroupRowExtra : kGroupRowExtra);
    return m_nRowHeight + (m_nHorizontalGridStyle != xtpReportGridNone ? 1 : 0);
}

int CXTPReportPaintManager::GetFixedHeaderHeight()
{
    return m_nHeaderHeight;
}

int CXTPReportPaintManager::GetCaptionFontHeight()
{
    return m_nCaptionFontHeight;
}

COLORREF CXTPReportPaintManager::GetControlBackColor(CXTPReportControl* /*pControl*/)
{
    return m_clrControlBack;
}

