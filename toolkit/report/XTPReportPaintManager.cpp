#include "toolkit/report/XTPReportPaintManager.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CWindowDC.h"
#include "toolkit/common/XTPColorManager.h"
#include "toolkit/common/XTPImageManager.h"
#include "toolkit/common/XTPImageManagerIcon.h"
#include "toolkit/common/XTPResourceManager.h"
#include "toolkit/common/XTPWinThemeWrapper.h"
#include "resources/ToolkitReportIds.h"
#include "toolkit/report/XTPReportColumn.h"
#include "toolkit/report/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportHeader.h"
#include "toolkit/report/XTPReportRow.h"

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

int CXTPReportPaintManager::GetRowHeight(CDC* pDC, CXTPReportRow* pRow, int /*nTotalWidth*/)
{
    return GetFixedRowHeight(pDC, pRow);
}

int CXTPReportPaintManager::GetFixedRowHeight(CDC* /*pDC*/, CXTPReportRow* pRow)
{
    if (pRow && pRow->IsGroupRow())
        return m_nRowHeight + (m_bShadeGroupHeadings ? kShadedGroupRowExtra : kGroupRowExtra);
    return m_nRowHeight + (m_nHorizontalGridStyle != xtpReportGridNone ? 1 : 0);
}

int CXTPReportPaintManager::GetHeaderHeight(CXTPReportControl* /*pControl*/, CDC* /*pDC*/, int /*nTotalWidth*/)
{
    return m_nHeaderHeight;
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

void CXTPReportPaintManager::FillRow(CDC* /*pDC*/, const CRect& /*rcRow*/)
{
}

void CXTPReportPaintManager::DrawGrid(CDC* pDC, BOOL bVertical, CRect rc)
{
    const int nStyle = bVertical ? m_nVerticalGridStyle : m_nHorizontalGridStyle;
    if (nStyle == xtpReportGridNone)
        return;
    if (bVertical)
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), m_clrGridLine);
    else
        pDC->FillSolidRect(rc.left, rc.bottom, rc.Width(), 1, m_clrGridLine);
}

void CXTPReportPaintManager::DrawGroupRow(CDC* pDC, CXTPReportGroupRow* /*pRow*/, CRect rcRow,
                                         XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    if (pMetrics->clrBackground != (COLORREF)-1)
        pDC->FillSolidRect(rcRow, pMetrics->clrBackground);
    pDC->FillSolidRect(rcRow.left, rcRow.bottom - m_nGroupGridLineHeight, rcRow.Width(), m_nGroupGridLineHeight,
                       m_clrGroupShadeBorder);
    CFont* pOldFont = pDC->SelectObject(pMetrics->pFont ? pMetrics->pFont : &m_fontText);
    pDC->SetTextColor(pMetrics->clrForeground);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcRow.left + 5, rcRow.top, rcRow.right, rcRow.bottom - m_nGroupGridLineHeight);
    pDC->DrawText(pMetrics->strText, rcText, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    pDC->SelectObject(pOldFont);
}

void CXTPReportPaintManager::FillGroupRowMetrics(CXTPReportGroupRow* /*pRow*/, XTP_REPORTRECORDITEM_METRICS* pMetrics,
                                                 BOOL /*bPrinting*/)
{
    pMetrics->clrForeground = m_clrGroupRowText;
    pMetrics->clrBackground = (COLORREF)-1;
    pMetrics->pFont = m_bGroupRowTextBold ? &m_fontBoldText : &m_fontText;
}

void CXTPReportPaintManager::FillIndent(CDC* pDC, CRect rcFill)
{
    pDC->FillSolidRect(rcFill, m_clrIndentControl);
}

void CXTPReportPaintManager::FillItemShade(CDC* pDC, CRect rcItem)
{
    if (m_bShadeSortColumn)
        pDC->FillSolidRect(rcItem, m_clrItemShade);
}

void CXTPReportPaintManager::FillHeaderControl(CDC* pDC, CRect rcHeader)
{
    pDC->FillSolidRect(rcHeader, m_clrHeaderControl);
}

void CXTPReportPaintManager::FillFooter(CDC* pDC, CRect rcFooter)
{
    pDC->FillSolidRect(rcFooter, m_clrHeaderControl);
    pDC->FillSolidRect(rcFooter.left, rcFooter.top, rcFooter.Width(), 1, m_clrControlDark);
}

void CXTPReportPaintManager::DrawColumnBackground(CDC* pDC, CXTPReportColumn* /*pColumn*/, CRect rcColumn,
                                                  BOOL& bColumnPressed)
{
    pDC->Draw3dRect(rcColumn, m_clrControlLightLight, m_clrControlDark);
    bColumnPressed = FALSE;
}

void CXTPReportPaintManager::DrawColumn(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* /*pHeader*/,
                                        CRect rcColumn, BOOL /*bDrawExternal*/)
{
    BOOL bPressed = FALSE;
    DrawColumnBackground(pDC, pColumn, rcColumn, bPressed);
    if (!pColumn)
        return;
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    pDC->SetTextColor(m_clrCaptionText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcColumn);
    rcText.DeflateRect(kCaptionMargin, 0);
    pDC->DrawText(pColumn->GetCaption(), rcText,
                  DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | pColumn->GetHeaderAlignment());
    pDC->SelectObject(pOldFont);
}

void CXTPReportPaintManager::DrawColumnFooter(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* /*pHeader*/,
                                              CRect rcColumn)
{
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    pDC->SetTextColor(m_clrCaptionText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcColumn);
    rcText.DeflateRect(kCaptionMargin, 0);
    pDC->DrawText(pColumn->GetFooterText(), rcText,
                  DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | pColumn->GetFooterAlignment());
    pDC->SelectObject(pOldFont);
}

void CXTPReportPaintManager::DrawFocusedRow(CDC* pDC, CRect rcRow)
{
    const COLORREF clrOldText = pDC->SetTextColor(m_clrWindowText);
    const COLORREF clrOldBack = pDC->SetBkColor(m_clrControlBack);
    pDC->DrawFocusRect(rcRow);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

void CXTPReportPaintManager::FillGroupByControl(CDC* pDC, CRect& rcGroupBy)
{
    pDC->FillSolidRect(rcGroupBy, m_clrGroupBoxBack);
}

int CXTPReportPaintManager::DrawBitmap(CDC* pDC, CXTPReportControl* pControl, CRect rcColumn, int iIcon)
{
    CXTPImageManagerIcon* pIcon = pControl ? pControl->GetImageManager()->GetImage((UINT)iIcon, 0) : nullptr;
    if (!pIcon)
        return 0;
    const CSize szIcon = pIcon->GetExtent();
    if (pDC && szIcon.cx < rcColumn.Width() && szIcon.cy < rcColumn.Height())
        pIcon->Draw(pDC, CPoint(rcColumn.left + 1, rcColumn.top + (rcColumn.Height() - szIcon.cy) / 2), szIcon);
    return szIcon.cx + 1;
}

void CXTPReportPaintManager::DrawInplaceButton(CDC* pDC, CXTPReportInplaceButton* pButton)
{
    DrawInplaceButtonFrame(pDC, pButton);
}

void CXTPReportPaintManager::DrawInplaceButtonFrame(CDC* /*pDC*/, CXTPReportInplaceButton* /*pButton*/)
{
}

void CXTPReportPaintManager::DrawTreeStructure(XTP_REPORTRECORDITEM_DRAWARGS* /*pDrawArgs*/,
                                               XTP_REPORTRECORDITEM_METRICS* /*pMetrics*/, CRect /*rcItem*/)
{
}

void CXTPReportPaintManager::DrawItemBitmap(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, CRect& rcItem, int nImage)
{
    CXTPImageManagerIcon* pIcon = pDrawArgs->pControl->GetImageManager()->GetImage((UINT)nImage, 0);
    if (!pIcon)
        return;
    const CSize szIcon = pIcon->GetExtent();
    if (szIcon.cx >= rcItem.Width() || szIcon.cy >= rcItem.Height())
        return;
    const int nTop = rcItem.top + (rcItem.Height() - szIcon.cy) / 2;
    const int nAlign = pDrawArgs->pColumn ? pDrawArgs->pColumn->GetIconAlignment() : DT_LEFT;
    if (nAlign & DT_CENTER)
    {
        pIcon->Draw(pDrawArgs->pDC, CPoint((rcItem.left + rcItem.right) / 2 - szIcon.cx / 2 - 1, nTop), szIcon);
    }
    else if (nAlign & DT_RIGHT)
    {
        rcItem.right -= szIcon.cx + 1;
        pIcon->Draw(pDrawArgs->pDC, CPoint(rcItem.right, nTop), szIcon);
    }
    else
    {
        pIcon->Draw(pDrawArgs->pDC, CPoint(rcItem.left + 1, nTop), szIcon);
        rcItem.left += szIcon.cx + 1;
    }
}

void CXTPReportPaintManager::DrawItemCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                             XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    CRect rcText(pDrawArgs->rcItem);
    rcText.DeflateRect(2, 1, 2, 0);
    if (pMetrics->strText.IsEmpty())
        return;
    pDrawArgs->pDC->SetBkMode(TRANSPARENT);
    pDrawArgs->pDC->DrawText(pMetrics->strText, rcText,
                             DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | pDrawArgs->nTextAlign);
}

int CXTPReportPaintManager::CalcColumnHeight(CDC* /*pDC*/, CXTPReportColumn* /*pColumn*/, int /*nTotalWidth*/)
{
    return m_nHeaderHeight;
}

int CXTPReportPaintManager::DrawGlyph(CDC* pDC, CRect rcColumn, int iGlyph)
{
    if (pDC && m_szGlyph.cy < rcColumn.Height())
    {
        const CRect rcGlyph(CPoint(rcColumn.left + 1, rcColumn.top + (rcColumn.Height() - m_szGlyph.cy) / 2),
                            m_szGlyph);
        if (iGlyph >= xtpReportGlyphUnchecked)
        {
            UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
            if (iGlyph == xtpReportGlyphChecked || iGlyph == xtpReportGlyphCheckedDisabled)
                nState |= DFCS_CHECKED;
            if (iGlyph >= xtpReportGlyphUncheckedDisabled)
                nState |= DFCS_INACTIVE;
            ::DrawFrameControl(pDC->GetSafeHdc(), (LPRECT)&rcGlyph, DFC_BUTTON, nState);
        }
        else
        {
            CRect rcBox(rcGlyph.left + 2, rcGlyph.top + 2, rcGlyph.left + 11, rcGlyph.top + 11);
            pDC->FillSolidRect(rcBox, m_clrControlBack);
            pDC->Draw3dRect(rcBox, m_clrControlDark, m_clrControlDark);
            const int nMid = rcBox.top + 4;
            pDC->FillSolidRect(rcBox.left + 2, nMid, 5, 1, m_clrWindowText);
            if (iGlyph == xtpReportGlyphCollapsed)
                pDC->FillSolidRect(rcBox.left + 4, rcBox.top + 2, 1, 5, m_clrWindowText);
        }
    }
    return m_szGlyph.cx + 1;
}

int CXTPReportPaintManager::DrawCollapsedBitmap(CDC* pDC, const CXTPReportRow* pRow, CRect& rcBitmap)
{
    rcBitmap.left += 2;
    const int nGlyph = pRow->IsExpanded() ? xtpReportGlyphExpanded : xtpReportGlyphCollapsed;
    const int nWidth = DrawGlyph(pDC && !pDC->IsPrinting() ? pDC : nullptr, rcBitmap, nGlyph) - 1;
    if (pDC && !pDC->IsPrinting())
        rcBitmap.right = rcBitmap.left + nWidth;
    return nWidth + 2;
}

int CXTPReportPaintManager::CalculatePreviewLines(CDC* pDC, CRect rcText, const CString& strText)
{
    if (rcText.Width() <= 0)
        return 0;
    const int nSingleLine = pDC->GetTextExtent(strText).cx;
    if (nSingleLine / rcText.Width() > m_nMaxPreviewLines)
        return m_nMaxPreviewLines;
    CRect rcCalc(rcText);
    pDC->DrawText(strText, rcCalc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int nLineHeight = pDC->GetTextExtent(L" ", 1).cy;
    const int nLines = nLineHeight > 0 ? rcCalc.Height() / nLineHeight : 0;
    return nLines < m_nMaxPreviewLines ? nLines : m_nMaxPreviewLines;
}

void CXTPReportPaintManager::DrawNoItems(CDC* pDC, const CRect& rcRows)
{
    if (m_strNoItems.IsEmpty())
        return;
    CFont* pOldFont = pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(m_clrWindowText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcRows);
    pDC->DrawText(m_strNoItems, rcText, DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
}
