// The paint manager's drawing of the header, the footer, the group-by box
// and the in-place buttons.
#include "toolkit/report/XTPReportPaintManager.h"

#include <uxtheme.h>

#include <algorithm>

#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"

namespace {

const int kCaptionMargin = 3;
const int kSortRoom = 27;
const int kTriangleGap = 10;
const int kTriangleGapItem = 17;
const int kMinTriangleRect = 15;

// c1 moved towards c2 by the factor, channel by channel, truncated.
COLORREF Mix(COLORREF c1, COLORREF c2, double dFactor)
{
    const int r = GetRValue(c1) - (int)((GetRValue(c1) - GetRValue(c2)) * dFactor);
    const int g = GetGValue(c1) - (int)((GetGValue(c1) - GetGValue(c2)) * dFactor);
    const int b = GetBValue(c1) - (int)((GetBValue(c1) - GetBValue(c2)) * dFactor);
    return RGB(r, g, b);
}

void HorizontalLine(CDC* pDC, int x0, int x1, int y, COLORREF clr)
{
    pDC->FillSolidRect(x0, y, x1 - x0, 1, clr);
}

void VerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr)
{
    pDC->FillSolidRect(x, y0, 1, y1 - y0, clr);
}

} // namespace

int CXTPReportPaintManager::GetRowHeight(CDC* pDC, CXTPReportRow* pRow, int /*nTotalWidth*/)
{
    if (m_bFixedRowHeight || !pRow || !pDC || pRow->IsGroupRow() || !pRow->IsShown() || !pRow->GetRecord())
        return GetFixedRowHeight(pDC, pRow);
    // Word-wrapped cells and icons may ask for more than one text line.
    CXTPReportControl* pControl = pRow->GetControl();
    CXTPReportColumns* pColumns = pControl->GetColumns();
    int nTallest = 0;
    for (int i = 0; i < pColumns->GetVisibleColumnsCount(); ++i)
    {
        CXTPReportColumn* pColumn = pColumns->GetVisibleAt(i);
        CXTPReportRecordItem* pItem = pRow->GetRecord()->GetItem(pColumn);
        if (!pItem)
            continue;
        if (pColumn->GetAlignment() & DT_WORDBREAK)
        {
            XTP_REPORTRECORDITEM_METRICS metrics;
            metrics.strText = pItem->GetCaption(pColumn);
            pRow->FillMetrics(pColumn, pItem, &metrics);
            CFont* pOldFont = pDC->SelectObject(metrics.pFont ? metrics.pFont : &m_fontText);
            CRect rcCalc(0, 0, std::max(1, pColumn->GetRect().Width() - 4), 0);
            pDC->DrawText(metrics.strText, rcCalc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            pDC->SelectObject(pOldFont);
            nTallest = std::max(nTallest, rcCalc.Height());
        }
        if (pItem->GetIconIndex() != -1)
        {
            CXTPImageManagerIcon* pIcon = pControl->GetImageManager()->GetImage((UINT)pItem->GetIconIndex(), 0);
            if (pIcon)
                nTallest = std::max<int>(nTallest, pIcon->GetExtent().cy);
        }
    }
    const int nHeight = std::max(nTallest + 5, m_nRowHeight);
    return nHeight + (m_nHorizontalGridStyle != xtpReportGridNone ? 1 : 0);
}

int CXTPReportPaintManager::GetHeaderHeight(CXTPReportControl* pControl, CDC* pDC, int /*nTotalWidth*/)
{
    if (m_bFixedRowHeight || !pControl || !pDC)
        return m_nHeaderHeight;
    int nHeight = m_nHeaderHeight;
    CXTPReportColumns* pColumns = pControl->GetColumns();
    for (int i = 0; i < pColumns->GetVisibleColumnsCount(); ++i)
    {
        CXTPReportColumn* pColumn = pColumns->GetVisibleAt(i);
        if (pColumn->GetHeaderAlignment() & DT_WORDBREAK)
            nHeight = std::max(nHeight, CalcColumnHeight(pDC, pColumn, pColumn->GetRect().Width()));
        if (pColumn->GetIconID() != -1)
        {
            CXTPImageManagerIcon* pIcon = pControl->GetImageManager()->GetImage((UINT)pColumn->GetIconID(), 0);
            if (pIcon)
                nHeight = std::max<int>(nHeight, pIcon->GetExtent().cy);
        }
    }
    return nHeight;
}

void CXTPReportPaintManager::FillHeaderControl(CDC* pDC, CRect rcHeader)
{
    if (m_columnStyle == xtpReportColumnGradient)
        XTPDrawHelpers()->GradientFillByFactor(pDC, rcHeader, m_grcGradientColumn, FALSE, nullptr);
    else
        pDC->FillSolidRect(rcHeader, m_clrHeaderControl);
}

void CXTPReportPaintManager::FillFooter(CDC* pDC, CRect rcFooter)
{
    FillHeaderControl(pDC, rcFooter);
    const BOOL bGradient = m_columnStyle == xtpReportColumnGradient;
    const COLORREF clrEdge = bGradient ? (COLORREF)m_clrGradientColumnShadow : (COLORREF)m_clrControlDark;
    const COLORREF clrTowards = bGradient ? (COLORREF)m_grcGradientColumn.clrDark : (COLORREF)m_clrControlDark;
    const COLORREF clrFace = m_clrHeaderControl;
    HorizontalLine(pDC, rcFooter.left, rcFooter.right, rcFooter.top, m_clrControlBack);
    HorizontalLine(pDC, rcFooter.left, rcFooter.right, rcFooter.top + 1, clrEdge);
    HorizontalLine(pDC, rcFooter.left, rcFooter.right, rcFooter.top + 2,
                   bGradient ? Mix(clrEdge, clrTowards, 0.25) : Mix(clrFace, clrTowards, 0.6));
    HorizontalLine(pDC, rcFooter.left, rcFooter.right, rcFooter.top + 3,
                   bGradient ? Mix(clrEdge, clrTowards, 0.1) : Mix(clrFace, clrTowards, 0.25));
    HorizontalLine(pDC, rcFooter.left, rcFooter.right, rcFooter.bottom - 1, m_clrControlDark);
}

void CXTPReportPaintManager::FillGroupByControl(CDC* pDC, CRect& rcGroupBy)
{
    pDC->FillSolidRect(rcGroupBy, m_clrGroupBoxBack);
}

void CXTPReportPaintManager::DrawColumnBackground(CDC* pDC, CXTPReportColumn* pColumn, CRect rcColumn,
                                                  BOOL& bColumnPressed)
{
    CXTPReportControl* pControl = pColumn ? pColumn->GetControl() : nullptr;
    CXTPReportHeader* pHeader = pControl ? pControl->GetReportHeader() : nullptr;
    const BOOL bHot = m_bHotTracking && pHeader && pColumn && pHeader->GetHotTrackingColumn() == pColumn;
    const COLORREF clrFace = m_clrHeaderControl;
    const COLORREF clrShadow = m_clrControlDark;
    const COLORREF clrLight = m_clrControlLightLight;

    switch (m_columnStyle)
    {
    case xtpReportColumnGradient:
    {
        const CXTPGradientValue& grc =
            bColumnPressed ? m_grcGradientColumnPushed : bHot ? m_grcGradientColumnHot : m_grcGradientColumn;
        XTPDrawHelpers()->GradientFillByFactor(pDC, rcColumn, grc, FALSE, nullptr);
        HorizontalLine(pDC, rcColumn.left, rcColumn.right, rcColumn.bottom - 1, m_clrGradientColumnShadow);
        VerticalLine(pDC, rcColumn.right - 1, rcColumn.top + 2, rcColumn.bottom - 4, m_clrGradientColumnSeparator);
        VerticalLine(pDC, rcColumn.left, rcColumn.top + 3, rcColumn.bottom - 3, clrLight);
        break;
    }
    case xtpReportColumnThemed:
        if (m_themeHeader->IsThemeUsable())
        {
            const int nState = bColumnPressed ? 3 : bHot ? 2 : 1;
            m_themeHeader->DrawThemeBackground(pDC->GetSafeHdc(), 1, nState, rcColumn, nullptr);
        }
        else if (bColumnPressed)
        {
            pDC->Draw3dRect(rcColumn, clrShadow, clrShadow);
        }
        else
        {
            pDC->Draw3dRect(rcColumn, clrLight, m_clrBtnText);
            CRect rcInner(rcColumn);
            rcInner.DeflateRect(1, 1);
            pDC->Draw3dRect(rcInner, clrFace, clrShadow);
        }
        break;
    case xtpReportColumnFlat:
        pDC->Draw3dRect(rcColumn, clrLight, clrShadow);
        break;
    default:
        VerticalLine(pDC, rcColumn.right - 1, rcColumn.top + 2, rcColumn.bottom - 4, clrShadow);
        HorizontalLine(pDC, rcColumn.left, rcColumn.right, rcColumn.bottom - 3, Mix(clrFace, clrShadow, 0.25));
        HorizontalLine(pDC, rcColumn.left, rcColumn.right, rcColumn.bottom - 2, Mix(clrFace, clrShadow, 0.4));
        HorizontalLine(pDC, rcColumn.left, rcColumn.right, rcColumn.bottom - 1, Mix(clrFace, clrShadow, 0.6));
        VerticalLine(pDC, rcColumn.left, rcColumn.top + 2, rcColumn.bottom - 4, clrLight);
        break;
    }
    bColumnPressed = FALSE;
}

void CXTPReportPaintManager::DrawSortTriangle(CDC* pDC, CRect rcTriangle, BOOL bIncreasing)
{
    if (rcTriangle.Width() <= kMinTriangleRect)
        return;
    const int x = rcTriangle.left + 6;
    const int yMid = (rcTriangle.top + rcTriangle.bottom) / 2;
    const int yTop = yMid - 3, yBottom = yMid + 3;
    CPen penLight, penShadow;
    penLight.CreatePen(PS_SOLID, 1, m_clrControlLightLight);
    penShadow.CreatePen(PS_SOLID, 1, m_clrControlDark);
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    if (bIncreasing)
    {
        // Apex up: the left edge in shadow, the right edge and base lit.
        pDC->MoveTo(x + 3, yTop);
        pDC->LineTo(x, yBottom);
        pDC->SelectObject(&penLight);
        pDC->LineTo(x + 7, yBottom);
        pDC->LineTo(x + 3, yTop);
    }
    else
    {
        pDC->MoveTo(x + 7, yTop);
        pDC->LineTo(x, yTop);
        pDC->LineTo(x + 3, yBottom);
        pDC->SelectObject(&penLight);
        pDC->LineTo(x + 7, yTop);
    }
    pDC->SelectObject(pOldPen);
}

void CXTPReportPaintManager::DrawColumn(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* pHeader,
                                        CRect rcColumn, BOOL bDrawExternal)
{
    const BOOL bTracked = pHeader && pColumn && pHeader->GetTrackingColumn() == pColumn;
    const int nMouseMode = pColumn && pColumn->GetControl() ? pColumn->GetControl()->GetMouseMode() : 0;
    BOOL bPressed = bTracked && nMouseMode == xtpReportMouseColumnPressed && !bDrawExternal;
    if (bDrawExternal)
    {
        pDC->Draw3dRect(rcColumn, m_clrControlLightLight, m_clrControlDark);
        HorizontalLine(pDC, rcColumn.left, rcColumn.right, rcColumn.bottom - 1, RGB(0, 0, 0));
        VerticalLine(pDC, rcColumn.right - 1, rcColumn.top, rcColumn.bottom, RGB(0, 0, 0));
    }
    else
    {
        DrawColumnBackground(pDC, pColumn, rcColumn, bPressed);
    }
    if (!pColumn)
        return;

    CRect rcText(rcColumn);
    rcText.DeflateRect(kCaptionMargin, 0);
    if (!bDrawExternal && m_columnStyle == xtpReportColumnShaded)
        rcText.bottom -= 4;
    CXTPReportControl* pControl = pColumn->GetControl();
    if (pColumn->GetIconID() != -1)
    {
        const int nIconWidth = DrawBitmap(pDC, pControl, rcText, pColumn->GetIconID());
        rcText.left += nIconWidth;
    }
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    pDC->SetTextColor(m_clrCaptionText);
    pDC->SetBkMode(TRANSPARENT);
    const CString strCaption = pColumn->GetCaption();
    const BOOL bTriangle = pColumn->IsSorted() && !pDC->IsPrinting();
    int nAlign = pColumn->GetHeaderAlignment();
    const BOOL bWrap = (nAlign & DT_WORDBREAK) != 0;
    CRect rcCaption(rcText);
    if (bTriangle && m_bRoomForSortTriangle)
        rcCaption.right -= kSortRoom;
    const int nTextWidth = pDC->GetTextExtent(strCaption).cx;
    if (nTextWidth >= rcCaption.Width())
        nAlign &= ~(DT_CENTER | DT_RIGHT);
    if (bWrap)
    {
        CRect rcCalc(rcCaption);
        pDC->DrawText(strCaption, rcCalc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        if (rcCalc.Height() < rcCaption.Height())
            rcCaption.top += (rcCaption.Height() - rcCalc.Height()) / 2;
        pDC->DrawText(strCaption, rcCaption, DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS | (nAlign & 3));
    }
    else
    {
        pDC->DrawText(strCaption, rcCaption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (nAlign & 3));
    }
    pDC->SelectObject(pOldFont);

    if (bTriangle)
    {
        const int nShown = nTextWidth < rcCaption.Width() ? nTextWidth : rcCaption.Width();
        int nLeft = rcCaption.left + nShown;
        if (nAlign & DT_RIGHT)
            nLeft = rcCaption.right;
        else if (nAlign & DT_CENTER)
            nLeft = rcCaption.left + (rcCaption.Width() + nShown) / 2;
        nLeft += (bDrawExternal ? kTriangleGapItem : kTriangleGap) - 6;
        CRect rcTriangle(nLeft, rcColumn.top, rcColumn.right, rcColumn.bottom);
        DrawSortTriangle(pDC, rcColumn.Width() > kMinTriangleRect ? rcTriangle : CRect(0, 0, 0, 0),
                         pColumn->IsSortedIncreasing());
    }
    if (!bDrawExternal && bTracked && nMouseMode == xtpReportMouseColumnDragging && m_bInvertColumnOnClick)
        pDC->InvertRect(rcColumn);
}

void CXTPReportPaintManager::DrawColumnFooter(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* pHeader,
                                              CRect rcColumn)
{
    const BOOL bFirst = pHeader && pColumn->GetColumns()->GetFirstVisibleColumn() == pColumn;
    const BOOL bLast = pHeader && pHeader->IsLastVisibleColumn(pColumn);
    if (!bFirst)
        VerticalLine(pDC, rcColumn.left, rcColumn.top + 6, rcColumn.bottom - 4, m_clrControlLightLight);
    if (!bLast)
        VerticalLine(pDC, rcColumn.right - 1, rcColumn.top + 6, rcColumn.bottom - 4,
                     m_columnStyle == xtpReportColumnGradient ? (COLORREF)m_clrGradientColumnSeparator
                                                              : (COLORREF)m_clrControlDark);
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    pDC->SetTextColor(m_clrCaptionText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcColumn);
    rcText.DeflateRect(kCaptionMargin, 4, kCaptionMargin, 0);
    int nAlign = pColumn->GetFooterAlignment() & (DT_CENTER | DT_RIGHT);
    if (pDC->GetTextExtent(pColumn->GetFooterText()).cx >= rcText.Width())
        nAlign = DT_LEFT;
    pDC->DrawText(pColumn->GetFooterText(), rcText,
                  DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | nAlign);
    pDC->SelectObject(pOldFont);
}

int CXTPReportPaintManager::CalcColumnHeight(CDC* pDC, CXTPReportColumn* pColumn, int nTotalWidth)
{
    const CString strCaption = pColumn->GetCaption();
    if (strCaption.IsEmpty())
        return 8;
    int nWidth = nTotalWidth - 2 * kCaptionMargin;
    if (pColumn->GetIconID() != -1)
        nWidth -= DrawBitmap(nullptr, pColumn->GetControl(), CRect(0, 0, nTotalWidth, 100), pColumn->GetIconID());
    if (pColumn->IsSorted())
        nWidth -= kSortRoom;
    CFont* pOldFont = pDC->SelectObject(&m_fontCaption);
    CRect rcCalc(0, 0, nWidth > 1 ? nWidth : 1, 0);
    const UINT nWrap = (pColumn->GetHeaderAlignment() & DT_WORDBREAK) ? DT_WORDBREAK : DT_SINGLELINE;
    pDC->DrawText(strCaption, rcCalc, DT_CALCRECT | DT_NOPREFIX | nWrap);
    pDC->SelectObject(pOldFont);
    return rcCalc.Height() + 8;
}

void CXTPReportPaintManager::DrawInplaceButtonFrame(CDC* pDC, CXTPReportInplaceButton* pButton)
{
    CRect rc;
    pButton->GetClientRect(rc);
    CXTPColorManager* pColors = XTPGetColorManager();
    pDC->FillSolidRect(rc, pColors->GetColor(COLOR_BTNFACE));
    if (pButton->IsPressed())
    {
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_3DDKSHADOW), pColors->GetColor(COLOR_WINDOW));
        return;
    }
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNFACE), pColors->GetColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_WINDOW), pColors->GetColor(COLOR_BTNSHADOW));
}

void CXTPReportPaintManager::DrawInplaceButton(CDC* pDC, CXTPReportInplaceButton* pButton)
{
    DrawInplaceButtonFrame(pDC, pButton);
    CRect rc;
    pButton->GetClientRect(rc);
    const COLORREF clr = XTPGetColorManager()->GetColor(COLOR_BTNTEXT);
    if (pButton->GetID() == XTP_ID_REPORT_COMBOBUTTON)
    {
        const CPoint ptCenter = rc.CenterPoint();
        for (int i = 0; i < 4; ++i)
            pDC->FillSolidRect(ptCenter.x - 3 + i, ptCenter.y - 2 + i, 7 - 2 * i, 1, clr);
    }
    else if (pButton->GetID() == XTP_ID_REPORT_EXPANDBUTTON)
    {
        for (int i = 0; i < 3; ++i)
            pDC->FillSolidRect(rc.left + 3 + 4 * i, rc.bottom - 5, 2, 2, clr);
    }
}
