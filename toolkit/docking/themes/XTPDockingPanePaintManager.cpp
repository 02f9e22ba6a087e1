#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include <algorithm>
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "resources/ToolkitDockingIds.h"

namespace {

int SpaceHeight(CFont* pFont)
{
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetDC(hDesktop);
    CDC dc;
    dc.Attach(hDC);
    int cy;
    {
        CXTPFontDC font(&dc, pFont);
        cy = dc.GetTextExtent(L" ", 1).cy;
    }
    dc.Detach();
    ::ReleaseDC(hDesktop, hDC);
    return cy;
}

} // namespace

CXTPDockingPanePaintManager::CXTPDockingPanePaintManager()
    : m_pTabPaintManager(new CXTPTabPaintManager())
    , m_pPanelPaintManager(new CXTPTabPaintManager())
{
    for (COLORREF& clr : m_arrColor)
        clr = 0;
    m_pTabPaintManager->m_nPosition = xtpTabPositionBottom;
    m_pTabPaintManager->m_nLayout = xtpTabLayoutSizeToFit;
    m_pTabPaintManager->m_nToolTipMode = xtpTabToolTipAlways;
    m_pPanelPaintManager->m_nLayout = xtpTabLayoutCompressed;
}

CXTPDockingPanePaintManager::~CXTPDockingPanePaintManager()
{
    m_pTabPaintManager->InternalRelease();
    m_pPanelPaintManager->InternalRelease();
}

COLORREF CXTPDockingPanePaintManager::GetIndexedColor(UINT nIndex) const
{
    return nIndex < XTP_COLOR_COUNT ? m_arrColor[nIndex] : static_cast<COLORREF>(nIndex);
}

int CXTPDockingPanePaintManager::GetCurrentScheme() const
{
    CXTPColorManager* pColors = XTPGetColorManager();
    if (m_nSchemeMode == xtpSystemThemeDefault)
        return pColors->IsLunaColorsDisabled() ? xtpSystemThemeUnknown : pColors->GetCurrentSystemTheme();
    if (m_nSchemeMode == xtpSystemThemeAuto)
        return pColors->GetDetectedSystemTheme();
    return m_nSchemeMode;
}

void CXTPDockingPanePaintManager::RefreshMetrics()
{
    XTPRefreshColorsThrottled();
    CXTPColorManager* pColors = XTPGetColorManager();
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
        m_arrColor[i] = pColors->GetColor(i);

    m_clrSplitter.SetStandardValue(GetIndexedColor(16));
    m_clrSplitterBackground.SetStandardValue(GetIndexedColor(15));
    COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
    m_clrSplitterGradient.SetStandardColors(
        clrFace, CXTPColorManager::MixColorsByWeight(clrFace, ::GetSysColor(COLOR_WINDOW), 205), 0.5f);

    if (m_bUseSystemFont)
    {
        NONCLIENTMETRICS ncm = {};
        ncm.cbSize = sizeof(NONCLIENTMETRICS);
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICS), &ncm, 0);
        LOGFONT lf = ncm.lfSmCaptionFont;
        if (!m_bBoldCaption)
            lf.lfWeight = FW_NORMAL;
        SetCaptionFontIndirect(&lf, TRUE);
    }
    m_pTabPaintManager->RefreshMetrics();
    m_pPanelPaintManager->RefreshMetrics();
    m_nTabsHeight = std::max(24, SpaceHeight(&m_pTabPaintManager->m_fntNormal) + 10);
}

void CXTPDockingPanePaintManager::SetCaptionFontIndirect(LOGFONT* pLogFont, BOOL bUseTahoma)
{
    LOGFONT lf = *pLogFont;
    if (m_bUseTahomaFont && bUseTahoma && lf.lfCharSet < 3 && XTPFontExists(m_strTahomaFaceName))
        lstrcpynW(lf.lfFaceName, m_strTahomaFaceName, LF_FACESIZE);
    m_fntTitle.DeleteObject();
    m_fntTitle.CreateFontIndirect(&lf);

    lf.lfOrientation = 900;
    lf.lfEscapement = 2700;
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    CString strFace;
    XTPGetVerticalFontFace(strFace, m_bUseTahomaFont);
    lstrcpynW(lf.lfFaceName, strFace, LF_FACESIZE);
    m_fntTitleVertical.DeleteObject();
    m_fntTitleVertical.CreateFontIndirect(&lf);

    m_nTitleHeight = m_nCaptionInset + std::max(13, SpaceHeight(&m_fntTitle));
}

void CXTPDockingPanePaintManager::DrawCaptionButtons(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons,
                                                     CRect& rcCaption, COLORREF clr, int nButtonSize,
                                                     int nButtonGap, BOOL bVertical)
{
    if (!pButtons)
        return;
    int nFar = bVertical ? rcCaption.bottom : rcCaption.right;
    BOOL bPlaced = FALSE;
    for (INT_PTR i = 0; i < pButtons->GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = pButtons->GetAt(i);
        if (!pButton->IsVisible())
        {
            pButton->SetRect(CRect(0, 0, 0, 0));
            continue;
        }
        CRect rc;
        if (bVertical)
        {
            int x = rcCaption.CenterPoint().x - nButtonSize / 2;
            rc.SetRect(x, nFar - nButtonSize, x + nButtonSize, nFar);
        }
        else
        {
            int y = rcCaption.CenterPoint().y - nButtonSize / 2;
            rc.SetRect(nFar - nButtonSize, y, nFar, y + nButtonSize);
        }
        pButton->SetRect(rc);
        DrawCaptionButton(pDC, pButton, clr);
        nFar -= nButtonSize + nButtonGap;
        bPlaced = TRUE;
    }
    if (bPlaced)
    {
        if (bVertical)
            rcCaption.bottom = nFar + nButtonGap;
        else
            rcCaption.right = nFar + nButtonGap;
    }
}

void CXTPDockingPanePaintManager::DrawCaptionButton(CDC* /*pDC*/, CXTPDockingPaneCaptionButton* /*pButton*/,
                                                    COLORREF /*clrButton*/)
{
}

void CXTPDockingPanePaintManager::DrawCaptionBar(CDC* /*pDC*/, CRect /*rcCaption*/, const CString& /*strTitle*/,
                                                 CXTPDockingPaneCaptionButtons* /*pButtons*/, BOOL /*bActive*/,
                                                 BOOL /*bVertical*/)
{
}

void CXTPDockingPanePaintManager::DrawFloatingFrame(CDC* /*pDC*/, CXTPDockingPaneMiniWnd* /*pFrame*/, CRect /*rc*/)
{
}

void CXTPDockingPanePaintManager::DrawSplitter(CDC* pDC, CXTPDockingPaneSplitterWnd* pSplitter)
{
    CXTPDockingPaneSplitterContainer* pContainer = pSplitter->GetContainer();
    CRect rc = CXTPClientRect(pSplitter);
    // The frame's extent in bar coordinates spreads gradients over neighbours.
    CRect rcFrame = pContainer->GetPaneWindowRect();
    CWnd* pSite = pContainer->GetDockingSite();
    ::MapWindowPoints(pSite ? pSite->GetSafeHwnd() : nullptr, pSplitter->GetSafeHwnd(),
                      reinterpret_cast<POINT*>(&rcFrame), 2);
    DrawSplitterRect(pDC, rc, !pSplitter->IsHoriz(), rcFrame);
}

void CXTPDockingPanePaintManager::DrawFloatingFrameRect(CDC* /*pDC*/, CRect /*rc*/, const CString& /*strTitle*/,
                                                        CXTPDockingPaneCaptionButtons* /*pButtons*/,
                                                        BOOL /*bActive*/)
{
}

void CXTPDockingPanePaintManager::DrawCaptionButtonGlyph(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, CPoint pt,
                                                         COLORREF clrButton)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clrButton);
    CBrush brush;
    brush.CreateSolidBrush(clrButton);
    HGDIOBJ hOldPen = pDC->SelectObject(pen.GetSafeHandle());
    HGDIOBJ hOldBrush = pDC->SelectObject(::GetStockObject(NULL_BRUSH));
    const int x = pt.x, y = pt.y;
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE:
        for (int d = 0; d < 2; d++)
        {
            pDC->MoveTo(x - 4 + d, y - 4);
            pDC->LineTo(x + 4 + d, y + 4);
            pDC->MoveTo(x - 4 + d, y + 3);
            pDC->LineTo(x + 4 + d, y - 5);
        }
        break;
    case XTP_IDS_DOCKINGPANE_AUTOHIDE:
        if (pButton->GetState() & xtpPaneCaptionButtonPinned)
        {
            // Standing pin: head, thicker right side, bar, needle down.
            pDC->Rectangle(x - 2, y - 5, x + 3, y + 1);
            pDC->FillSolidRect(x + 1, y - 5, 1, 6, clrButton);
            pDC->FillSolidRect(x - 4, y + 1, 9, 1, clrButton);
            pDC->FillSolidRect(x, y + 2, 1, 4, clrButton);
        }
        else
        {
            // Lying pin, needle to the left.
            pDC->Rectangle(x - 1, y - 3, x + 6, y + 2);
            pDC->FillSolidRect(x - 1, y, 7, 1, clrButton);
            pDC->FillSolidRect(x - 1, y - 4, 1, 7, clrButton);
            pDC->FillSolidRect(x - 5, y - 1, 4, 1, clrButton);
        }
        break;
    case XTP_IDS_DOCKINGPANE_MAXIMIZE:
        pDC->Rectangle(x - 4, y - 4, x + 5, y + 5);
        pDC->FillSolidRect(x - 4, y - 3, 9, 1, clrButton);
        break;
    case XTP_IDS_DOCKINGPANE_RESTORE:
        pDC->Rectangle(x - 2, y - 5, x + 4, y + 1);
        pDC->FillSolidRect(x - 2, y - 4, 6, 1, clrButton);
        pDC->Rectangle(x - 5, y - 2, x + 1, y + 4);
        pDC->FillSolidRect(x - 5, y - 1, 6, 1, clrButton);
        break;
    case XTP_IDS_DOCKINGPANE_MENU:
    {
        pDC->SelectObject(brush.GetSafeHandle());
        POINT pts[] = {{x - 3, y - 1}, {x + 3, y - 1}, {x, y + 2}};
        pDC->Polygon(pts, 3);
        break;
    }
    }
    pDC->SelectObject(hOldBrush);
    pDC->SelectObject(hOldPen);
}

void CXTPDockingPanePaintManager::Line(CDC* pDC, int x, int y, int cx, int cy, UINT nColor)
{
    pDC->FillSolidRect(x, y, cx, cy, GetIndexedColor(nColor));
}

void CXTPDockingPanePaintManager::DrawCaptionTitle(CDC* pDC, const CString& strTitle, CRect rc, BOOL bVertical)
{
    CXTPFontDC font(pDC, GetCaptionFont(bVertical));
    pDC->SetBkMode(TRANSPARENT);
    if (!bVertical)
    {
        pDC->DrawText(strTitle, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        return;
    }
    // The vertical font runs downwards; the title reads from the top.
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    CRect rcText(rc.right - (rc.Width() - tm.tmHeight) / 2, rc.top, 0, rc.bottom);
    rcText.right = rcText.left + rc.Height();
    pDC->DrawText(strTitle, rcText, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CXTPDockingPanePaintManager::DrawSplitterRect(CDC* pDC, CRect rc, BOOL bHorizontal, CRect rcFrame)
{
    COLORREF clrBack = m_clrSplitterBackground;
    // Along the splitter: x for a horizontal splitter (it separates rows).
    auto edgeLine = [&](BOOL bFar, int nInset, COLORREF clr) {
        if (bHorizontal)
            pDC->FillSolidRect(rc.left, bFar ? rc.bottom - 1 - nInset : rc.top + nInset, rc.Width(), 1, clr);
        else
            pDC->FillSolidRect(bFar ? rc.right - 1 - nInset : rc.left + nInset, rc.top, 1, rc.Height(), clr);
    };
    if (m_nSplitterStyle & xtpPaneSplitter3D)
    {
        pDC->FillSolidRect(rc, clrBack);
        edgeLine(FALSE, 0, GetIndexedColor(20));
        edgeLine(TRUE, 1, GetIndexedColor(52));
        edgeLine(TRUE, 0, GetIndexedColor(18));
    }
    else if (m_nSplitterStyle & xtpPaneSplitterSoft3D)
    {
        pDC->FillSolidRect(rc, clrBack);
        int nHalf = m_nSplitterSize / 2 - 1;
        CRect rcHalf = rc;
        if (bHorizontal)
            rcHalf.bottom = rcHalf.top + nHalf;
        else
            rcHalf.right = rcHalf.left + nHalf;
        pDC->FillSolidRect(rcHalf, GetIndexedColor(5));
        edgeLine(FALSE, 0, GetIndexedColor(21));
        edgeLine(TRUE, 0, GetIndexedColor(21));
    }
    else if (m_nSplitterStyle & xtpPaneSplitterGradient)
    {
        if (CXTPColorManager::IsLowColorDepth(pDC->GetSafeHdc()))
            pDC->FillSolidRect(rc, m_clrSplitterGradient.clrLight);
        else
        {
            // The splitter's share of the frame picks its ends out of the
            // whole gradient, so that neighbours join.
            int nFrame = bHorizontal ? rcFrame.Width() : rcFrame.Height();
            int nStart = bHorizontal ? rc.left - rcFrame.left : rc.top - rcFrame.top;
            int nLength = bHorizontal ? rc.Width() : rc.Height();
            float f0 = nFrame > 0 ? static_cast<float>(nStart) / nFrame : 0.0f;
            float f1 = nFrame > 0 ? static_cast<float>(nStart + nLength) / nFrame : 1.0f;
            COLORREF a = m_clrSplitterGradient.clrLight, b = m_clrSplitterGradient.clrDark;
            XTPDrawHelpers()->GradientFill(pDC, rc, XTPBlendColors(b, a, f0), XTPBlendColors(b, a, f1), bHorizontal);
        }
    }
    else
        pDC->FillSolidRect(rc, clrBack);

    CPoint c = rc.CenterPoint();
    if (m_nSplitterStyle & xtpPaneSplitterCross)
    {
        pDC->FillSolidRect(c.x - 5, c.y, 11, 1, m_clrSplitter);
        pDC->FillSolidRect(c.x, c.y - 5, 1, 11, m_clrSplitter);
    }
    if (m_nSplitterStyle & xtpPaneSplitterGripper)
    {
        int nLength = bHorizontal ? rc.Width() : rc.Height();
        int nReach = std::min(32, nLength / 2 - 10);
        for (int d = -nReach; d <= nReach - 2; d += 4)
        {
            int x = bHorizontal ? c.x + d : c.x - 1, y = bHorizontal ? c.y - 1 : c.y + d;
            pDC->FillSolidRect(x + 1, y + 1, 2, 2, m_clrSplitter);
            pDC->FillSolidRect(x, y, 2, 2, GetIndexedColor(20));
        }
    }
}

void CXTPDockingPanePaintManager::AdjustCaptionRect(const CXTPDockingPaneTabbedContainer* pPane, CRect& rc)
{
    if (!pPane->IsTitleVisible() || !m_bShowCaption)
        return;
    int nCaption = m_nTitleHeight + m_rcCaptionMargin.top + m_rcCaptionMargin.bottom;
    if (pPane->IsCaptionVertical())
        rc.left += nCaption;
    else
        rc.top += nCaption;
}

void CXTPDockingPanePaintManager::AdjustClientRect(CXTPDockingPaneTabbedContainer* pPane, CRect& rect, BOOL bApply)
{
    AdjustCaptionRect(pPane, rect);
    if (!pPane->IsTabsVisible())
        return;
    if (bApply)
    {
        CDC dc;
        HDC hDC = ::GetDC(pPane->GetSafeHwnd());
        dc.Attach(hDC);
        m_pTabPaintManager->RepositionTabControl(pPane, &dc, rect);
        dc.Detach();
        ::ReleaseDC(pPane->GetSafeHwnd(), hDC);
    }
    m_pTabPaintManager->AdjustClientRect(pPane, rect);
}

void CXTPDockingPanePaintManager::DrawCaption(CDC* pDC, CXTPDockingPaneTabbedContainer* pPane, CRect rc)
{
    int nCaption = m_nTitleHeight + m_rcCaptionMargin.top + m_rcCaptionMargin.bottom;
    BOOL bVertical = pPane->IsCaptionVertical();
    CRect rcCaption = bVertical ? CRect(rc.left, rc.top, rc.left + nCaption, rc.bottom)
                                : CRect(rc.left, rc.top, rc.right, rc.top + nCaption);
    for (INT_PTR i = 0; i < pPane->m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = pPane->m_arrCaptionButtons[i];
        pButton->SetVisible(pPane->IsCaptionButtonVisible(pButton));
    }
    DrawCaptionBar(pDC, rcCaption, pPane->GetTitle(), &pPane->m_arrCaptionButtons, pPane->IsActive(), bVertical);
}

void CXTPDockingPanePaintManager::DrawPane(CDC* pDC, CXTPDockingPaneTabbedContainer* pPane, CRect rc)
{
    pDC->FillSolidRect(rc, GetIndexedColor(15));
    if (pPane->IsTitleVisible() && m_bShowCaption)
    {
        pDC->SetBkMode(TRANSPARENT);
        DrawCaption(pDC, pPane, rc);
    }
    AdjustCaptionRect(pPane, rc);
    if (pPane->IsTabsVisible())
        m_pTabPaintManager->DrawTabControl(pPane, pDC, rc);
}
