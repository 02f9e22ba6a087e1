// The paint manager's drawing of rows: grid lines, group rows, tree lines,
// glyphs, icons and captions with hyperlinks.
#include "toolkit/report/XTPReportPaintManager.h"

#include <algorithm>
#include <vector>

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/rows/XTPReportGroupRow.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/rows/XTPReportRows.h"

namespace {

const int kTreeStub = 12;
const int kGroupCaptionGap = 5;
const int kShadedBandMargin = 6;

// One 8 x 8 row pattern per grid style; a set bit is a line pixel.
const BYTE kGridPatterns[][2][8] = {
    {{0}, {0}},
    {{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}},
    {{0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33}, {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33}},
    {{0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0}, {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
};

void MakePatternBrush(CBrush& brush, const BYTE* pRows)
{
    WORD bits[8];
    for (int i = 0; i < 8; ++i)
        bits[i] = pRows[i];
    CBitmap bitmap;
    bitmap.CreateBitmap(8, 8, 1, 1, bits);
    brush.CreatePatternBrush(&bitmap);
}

} // namespace

namespace {

// Printers take no masks: on paper an image goes over the background in a
// bitmap of its own, which is then copied.

template <class F> void DrawThroughBitmap(CDC* pDC, CPoint pt, CSize size, F draw)
{
    CDC dcImage;
    dcImage.CreateCompatibleDC(pDC);
    CBitmap bmpImage;
    bmpImage.CreateCompatibleBitmap(pDC, size.cx, size.cy);
    CBitmap* pOld = dcImage.SelectObject(&bmpImage);
    dcImage.FillSolidRect(CRect(CPoint(0, 0), size), pDC->GetBkColor());
    draw(&dcImage);
    pDC->BitBlt(pt.x, pt.y, size.cx, size.cy, &dcImage, 0, 0, SRCCOPY);
    dcImage.SelectObject(pOld);
}

void DrawIcon(CDC* pDC, CXTPImageManagerIcon* pIcon, CPoint pt, CSize szIcon)
{
    if (pDC->IsPrinting())
        DrawThroughBitmap(pDC, pt, szIcon, [&](CDC* pImageDC) { pIcon->Draw(pImageDC, CPoint(0, 0), szIcon); });
    else
        pIcon->Draw(pDC, pt, szIcon);
}

} // namespace

void CXTPReportPaintManager::FillRow(CDC* /*pDC*/, const CRect& /*rcRow*/)
{
}

void CXTPReportPaintManager::DrawGrid(CDC* pDC, BOOL bVertical, CRect rc)
{
    const int nStyle = bVertical ? m_nVerticalGridStyle : m_nHorizontalGridStyle;
    if (nStyle <= xtpReportGridNone || nStyle > xtpReportGridSolid)
        return;
    const CRect rcLine = bVertical ? CRect(rc.right - 1, rc.top, rc.right, rc.bottom)
                                   : CRect(rc.left, rc.bottom, rc.right, rc.bottom + 1);
    if (nStyle == xtpReportGridSolid)
    {
        pDC->FillSolidRect(rcLine, m_clrGridLine);
        return;
    }
    // Pattern brushes are made on first use with the colours of the moment.
    CBrush& brush = bVertical ? m_brushVertLine : m_brushHorzLine;
    if (!brush.GetSafeHandle() || m_nPatternStyle[bVertical ? 1 : 0] != nStyle)
    {
        brush.DeleteObject();
        MakePatternBrush(brush, kGridPatterns[nStyle][bVertical ? 1 : 0]);
        m_nPatternStyle[bVertical ? 1 : 0] = nStyle;
    }
    // A monochrome pattern paints its clear bits in the text colour and its
    // set bits in the background colour.
    const COLORREF clrOldText = pDC->SetTextColor(m_clrControlBack);
    const COLORREF clrOldBack = pDC->SetBkColor(m_clrGridLine);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->PatBlt(rcLine.left, rcLine.top, rcLine.Width(), rcLine.Height(), PATCOPY);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

void CXTPReportPaintManager::FillGroupRowMetrics(CXTPReportGroupRow* pRow, XTP_REPORTRECORDITEM_METRICS* pMetrics,
                                                 BOOL bPrinting)
{
    pMetrics->clrForeground = m_clrGroupRowText;
    pMetrics->clrBackground = (COLORREF)-1;
    CXTPReportControl* pControl = pRow->GetControl();
    HWND hFocus = ::GetFocus();
    const BOOL bFocused = pControl && hFocus && hFocus == pControl->GetSafeHwnd();
    if (pRow->IsSelected() && bFocused && !bPrinting)
    {
        pMetrics->clrForeground = m_clrHighlightText;
        pMetrics->clrBackground = m_clrHighlight;
    }
    else if (m_bShadeGroupHeadings)
    {
        pMetrics->clrForeground = m_clrGroupShadeText;
        pMetrics->clrBackground = m_clrGroupShadeBack;
    }
    pMetrics->pFont = m_bGroupRowTextBold ? &m_fontBoldText : &m_fontText;
}

void CXTPReportPaintManager::DrawGroupRow(CDC* pDC, CXTPReportGroupRow* pRow, CRect rcRow,
                                         XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    CXTPReportControl* pControl = pRow->GetControl();
    if (pMetrics->clrBackground != (COLORREF)-1)
        pDC->FillSolidRect(rcRow, pMetrics->clrBackground);
    const COLORREF clrOldText = pDC->SetTextColor(pMetrics->clrForeground);
    CFont* pOldFont = pDC->SelectObject(pMetrics->pFont ? pMetrics->pFont : &m_fontText);
    const int nIndent = m_nTreeIndent * pRow->GetTreeDepth();

    pDC->FillSolidRect(rcRow.left, rcRow.bottom - m_nGroupGridLineHeight, rcRow.Width(), m_nGroupGridLineHeight,
                       m_clrGroupShadeBorder);
    HWND hFocus = ::GetFocus();
    if (pRow->IsFocused() && hFocus && hFocus == pControl->GetSafeHwnd() && !pDC->IsPrinting())
        DrawFocusedRow(pDC, CRect(rcRow.left + nIndent, rcRow.top, rcRow.right, rcRow.bottom - 1));
    if (nIndent > 0)
        FillIndent(pDC, CRect(rcRow.left, rcRow.top, rcRow.left + nIndent, rcRow.bottom));
    rcRow.left += nIndent;

    // The caption band: the lower row height of the row, less 6 pixels.
    CRect rcBand(rcRow.left, rcRow.bottom - m_nRowHeight - kShadedBandMargin, rcRow.right,
                 rcRow.bottom - kShadedBandMargin);
    if (rcBand.top < rcRow.top)
        rcBand.top = rcRow.top;

    int nIconWidth = 0;
    int nAlign = pMetrics->nGroupRowIconAlign;
    const BOOL bIcon = pMetrics->nGroupRowIcon != -1;
    if (bIcon)
        nIconWidth = DrawBitmap(nullptr, pControl, rcRow, pMetrics->nGroupRowIcon);
    if ((nAlign & 0x0F) == 0)
        nAlign |= 0x01;
    if ((nAlign & 0xF00) == 0)
        nAlign |= 0x200;

    int x = rcBand.left;
    if (bIcon && (nAlign & 0x01))
        x += nIconWidth + kGroupCaptionGap;
    const int nGlyphTop = (rcBand.top + rcBand.bottom) / 2 - m_szGlyph.cy / 2;
    CRect rcGlyph(x, nGlyphTop, x + m_szGlyph.cx + 1, nGlyphTop + m_szGlyph.cy);
    DrawGlyph(pDC, CRect(x - 1, nGlyphTop, x + m_szGlyph.cx + 1, nGlyphTop + m_szGlyph.cy + 1),
              pRow->IsExpanded() ? xtpReportGlyphExpanded : xtpReportGlyphCollapsed);
    if (!pDC->IsPrinting())
        pRow->m_rcCollapse = rcGlyph;

    CRect rcText(rcGlyph.right + kGroupCaptionGap, rcBand.top, rcBand.right, rcBand.bottom);
    if (bIcon && (nAlign & 0x02))
        rcText.left += nIconWidth + 2 * kGroupCaptionGap;
    if (bIcon && (nAlign & (0x04 | 0x08)))
        rcText.right -= nIconWidth;
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pMetrics->strText, rcText, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);

    if (bIcon)
    {
        int nIconLeft = rcBand.left;
        if (nAlign & 0x02)
            nIconLeft = rcGlyph.right + kGroupCaptionGap;
        else if (nAlign & 0x04)
            nIconLeft = std::min<int>(rcText.left + pDC->GetTextExtent(pMetrics->strText).cx + kGroupCaptionGap,
                                      rcRow.right - nIconWidth);
        else if (nAlign & 0x08)
            nIconLeft = rcRow.right - nIconWidth;
        CRect rcIconBand = (nAlign & 0x200) ? rcRow : rcBand;
        if (nAlign & 0x100)
            rcIconBand.bottom = rcIconBand.top + nIconWidth;
        else if (nAlign & 0x800)
            rcIconBand.top = rcIconBand.bottom - nIconWidth;
        const COLORREF clrOldBack =
            pDC->SetBkColor(pMetrics->clrBackground != (COLORREF)-1 ? pMetrics->clrBackground : RGB(255, 255, 255));
        DrawBitmap(pDC, pControl, CRect(nIconLeft - 1, rcIconBand.top, rcRow.right, rcIconBand.bottom),
                   pMetrics->nGroupRowIcon);
        pDC->SetBkColor(clrOldBack);
    }
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOldText);
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

void CXTPReportPaintManager::DrawFocusedRow(CDC* pDC, CRect rcRow)
{
    const COLORREF clrOldText = pDC->SetTextColor(m_clrWindowText);
    const COLORREF clrOldBack = pDC->SetBkColor(m_clrControlBack);
    pDC->DrawFocusRect(rcRow);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

int CXTPReportPaintManager::DrawBitmap(CDC* pDC, CXTPReportControl* pControl, CRect rcColumn, int iIcon)
{
    CXTPImageManagerIcon* pIcon = pControl ? pControl->GetImageManager()->GetImage((UINT)iIcon, 0) : nullptr;
    if (!pIcon)
        return 0;
    const CSize szIcon = pIcon->GetExtent();
    if (pDC && szIcon.cx < rcColumn.Width() && szIcon.cy < rcColumn.Height())
        DrawIcon(pDC, pIcon, CPoint(rcColumn.left + 1, rcColumn.top + (rcColumn.Height() - szIcon.cy) / 2), szIcon);
    return szIcon.cx + 1;
}

void CXTPReportPaintManager::DrawItemBitmap(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, CRect& rcItem, int nImage)
{
    CXTPImageManagerIcon* pIcon = pDrawArgs->pControl->GetImageManager()->GetImage((UINT)nImage, 0);
    if (!pIcon)
        return;
    const CSize szIcon = pIcon->GetExtent();
    // An icon that does not fit is left out and takes no room.
    if (szIcon.cx >= rcItem.Width() || szIcon.cy >= rcItem.Height())
        return;
    const int nTop = rcItem.top + (rcItem.Height() - szIcon.cy) / 2;
    const int nAlign = pDrawArgs->pColumn ? pDrawArgs->pColumn->GetIconAlignment() : DT_LEFT;
    if (nAlign & DT_CENTER)
    {
        DrawIcon(pDrawArgs->pDC, pIcon, CPoint((rcItem.left + rcItem.right) / 2 - szIcon.cx / 2 - 1, nTop), szIcon);
    }
    else if (nAlign & DT_RIGHT)
    {
        rcItem.right -= szIcon.cx + 1;
        DrawIcon(pDrawArgs->pDC, pIcon, CPoint(rcItem.right, nTop), szIcon);
    }
    else
    {
        DrawIcon(pDrawArgs->pDC, pIcon, CPoint(rcItem.left + 1, nTop), szIcon);
        rcItem.left += szIcon.cx + 1;
    }
}

void CXTPReportPaintManager::DrawTreeStructure(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                               XTP_REPORTRECORDITEM_METRICS* pMetrics, CRect rcItem)
{
    CXTPReportRow* pRow = pDrawArgs->pRow;
    CXTPReportRow* pParent = pRow ? pRow->GetParentRow() : nullptr;
    if (m_treeStructureStyle == xtpReportTreeNone || !pParent || pParent->IsGroupRow())
        return;
    CDC* pDC = pDrawArgs->pDC;
    CPen pen;
    pen.CreatePen(m_treeStructureStyle == xtpReportTreeDotted ? PS_DOT : PS_SOLID, 1, pMetrics->clrForeground);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nMiddle = (rcItem.top + rcItem.bottom) / 2;
    // The line runs under the parent's glyph; the stub reaches this cell.
    int x = rcItem.left - kTreeStub;
    pDC->MoveTo(x, rcItem.top - 1);
    pDC->LineTo(x, pRow->IsLastChild() ? nMiddle : rcItem.bottom);
    pDC->MoveTo(x, nMiddle);
    pDC->LineTo(x + kTreeStub, nMiddle);
    for (CXTPReportRow* pAncestor = pParent; pAncestor; pAncestor = pAncestor->GetParentRow())
    {
        x -= m_nTreeIndent;
        if (pAncestor->IsGroupRow() || !pAncestor->GetParentRow() || pAncestor->GetParentRow()->IsGroupRow())
            break;
        if (!pAncestor->IsLastChild())
        {
            pDC->MoveTo(x, rcItem.top - 1);
            pDC->LineTo(x, rcItem.bottom);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CXTPReportPaintManager::DrawItemCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                             XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    CDC* pDC = pDrawArgs->pDC;
    CRect rcText(pDrawArgs->rcItem);
    rcText.DeflateRect(2, 1, 2, 0);
    const CString& strText = pMetrics->strText;
    if (strText.IsEmpty() || rcText.Width() <= 0)
        return;
    pDC->SetBkMode(TRANSPARENT);
    // The draw arguments may come from a derived row: only alignment bits.
    const UINT nAlign = (UINT)CXTPReportColumn::AlignmentBits(pDrawArgs->nTextAlign);
    if (nAlign & DT_WORDBREAK)
    {
        CRect rcCalc(rcText);
        pDC->DrawText(strText, rcCalc, nAlign | DT_CALCRECT | 0xC00);
        const int nFree = rcText.Height() - rcCalc.Height();
        if (nFree >= 4)
            rcText.top += nFree / 2 - 2;
        pDC->DrawText(strText, rcText, nAlign | DT_NOPREFIX);
        return;
    }

    // Hyperlink ranges come from stored data: each is cut to the caption,
    // and empty, reversed or overlapping ones are left out.
    CXTPReportRecordItem* pItem = pDrawArgs->pItem;
    CXTPReportHyperlinks* pLinks = pItem ? pItem->GetHyperlinks() : nullptr;
    struct Run
    {
        int nBegin, nEnd;
        CXTPReportHyperlink* pLink;
    };
    std::vector<Run> links;
    const int nLength = strText.GetLength();
    for (int i = 0; pLinks && i < pLinks->GetSize(); ++i)
    {
        CXTPReportHyperlink* pLink = pLinks->GetAt(i);
        if (!pLink)
            continue;
        if (!pDC->IsPrinting())
            pLink->m_rcHyperSpot.SetRectEmpty();
        const long long nBegin = std::max<long long>(0, pLink->m_nHyperTextBegin);
        const long long nEnd = std::min<long long>(nLength, (long long)pLink->m_nHyperTextBegin + pLink->m_nHyperTextLen);
        if (pLink->m_nHyperTextLen <= 0 || nBegin >= nEnd)
            continue;
        links.push_back({(int)nBegin, (int)nEnd, pLink});
    }
    std::stable_sort(links.begin(), links.end(), [](const Run& a, const Run& b) { return a.nBegin < b.nBegin; });
    std::vector<Run> runs;
    int nPos = 0;
    for (const Run& link : links)
    {
        if (link.nBegin < nPos)
            continue;
        if (link.nBegin > nPos)
            runs.push_back({nPos, link.nBegin, nullptr});
        runs.push_back(link);
        nPos = link.nEnd;
    }
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (runs.empty())
    {
        pDC->DrawText(strText, rcText, nFormat | (nAlign & (DT_CENTER | DT_RIGHT)));
        return;
    }
    if (nPos < nLength)
        runs.push_back({nPos, nLength, nullptr});

    int nTotal = 0;
    for (const Run& run : runs)
        nTotal += pDC->GetTextExtent(strText.Mid(run.nBegin, run.nEnd - run.nBegin)).cx;
    int x = rcText.left;
    if (nTotal < rcText.Width())
    {
        if (nAlign & DT_RIGHT)
            x = rcText.right - nTotal;
        else if (nAlign & DT_CENTER)
            x = rcText.left + (rcText.Width() - nTotal) / 2;
    }
    const int nTextHeight = pDC->GetTextExtent(L"A", 1).cy;
    const int nTop = rcText.top + (rcText.Height() - nTextHeight) / 2;
    const BOOL bSelected = pDrawArgs->pRow && pDrawArgs->pRow->IsSelected() &&
                           ::GetFocus() == pDrawArgs->pControl->GetSafeHwnd();
    const COLORREF clrLink = bSelected ? (COLORREF)m_clrHighlightText : (COLORREF)m_clrHyper;
    const COLORREF clrOldText = pDC->GetTextColor();
    for (const Run& run : runs)
    {
        if (x >= rcText.right)
            break;
        const CString strRun = strText.Mid(run.nBegin, run.nEnd - run.nBegin);
        const int nWidth = pDC->GetTextExtent(strRun).cx;
        CRect rcRun(x, rcText.top, std::min<int>(x + nWidth, rcText.right), rcText.bottom);
        pDC->SetTextColor(run.pLink ? clrLink : pMetrics->clrForeground);
        pDC->DrawText(strRun, rcRun, nFormat);
        if (run.pLink && !pDC->IsPrinting())
            run.pLink->m_rcHyperSpot.SetRect(rcRun.left, nTop, rcRun.right, nTop + nTextHeight);
        x += nWidth;
    }
    pDC->SetTextColor(clrOldText);
}

int CXTPReportPaintManager::DrawGlyph(CDC* pDC, CRect rcColumn, int iGlyph)
{
    if (pDC && m_szGlyph.cy < rcColumn.Height() && m_ilGlyphs.GetSafeHandle())
    {
        const CPoint pt(rcColumn.left + 1, rcColumn.top + (rcColumn.Height() - m_szGlyph.cy) / 2);
        if (pDC->IsPrinting())
            DrawThroughBitmap(pDC, pt, m_szGlyph,
                              [&](CDC* pImageDC) { m_ilGlyphs.Draw(pImageDC, iGlyph, CPoint(0, 0), ILD_TRANSPARENT); });
        else
            m_ilGlyphs.Draw(pDC, iGlyph, pt, ILD_TRANSPARENT);
    }
    return m_szGlyph.cx + 1;
}

int CXTPReportPaintManager::DrawCollapsedBitmap(CDC* pDC, const CXTPReportRow* pRow, CRect& rcBitmap)
{
    rcBitmap.left += 2;
    const int nGlyph = pRow->IsExpanded() ? xtpReportGlyphExpanded : xtpReportGlyphCollapsed;
    const BOOL bDraw = pDC && !pDC->IsPrinting();
    const int nWidth = DrawGlyph(bDraw ? pDC : nullptr, rcBitmap, nGlyph) - 1;
    if (bDraw)
        rcBitmap.right = rcBitmap.left + nWidth;
    return nWidth + 2;
}

int CXTPReportPaintManager::CalculatePreviewLines(CDC* pDC, CRect rcText, const CString& strText)
{
    // Columns narrower than the preview indents leave no room at all.
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
