// The classic docking look, its grippered form and the Explorer look.
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

using namespace XTPDockingPanePaintThemes;

namespace {

// Shortens a caption rectangle at its far end (right, or bottom when vertical).
void TrimEnd(CRect& rc, int n, BOOL bVertical)
{
    (bVertical ? rc.bottom : rc.right) -= n;
}

// Takes n off the start and one off the top (left when vertical).
void TrimStart(CRect& rc, int n, BOOL bVertical)
{
    if (bVertical)
        rc.top += n, rc.left += 1;
    else
        rc.left += n, rc.top += 1;
}

} // namespace

void CXTPDockingPaneDefaultTheme::DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton,
                                                    COLORREF clrButton)
{
    CRect rc = pButton->GetRect();
    pDC->DrawFrameControl(rc, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT | (pButton->IsPressed() ? DFCS_PUSHED : 0));
    CPoint pt = rc.CenterPoint();
    if (pButton->IsPressed())
        pt.Offset(1, 1);
    DrawCaptionButtonGlyph(pDC, pButton, pt, clrButton);
}

void CXTPDockingPaneDefaultTheme::DrawCaptionBar(CDC* pDC, CRect rcCaption, const CString& strTitle,
                                                 CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive,
                                                 BOOL bVertical)
{
    pDC->FillSolidRect(rcCaption, GetIndexedColor(15));
    CRect rcPart = rcCaption;
    if (bVertical)
        rcPart.DeflateRect(m_rcCaptionMargin.top, m_rcCaptionMargin.left, m_rcCaptionMargin.bottom,
                           m_rcCaptionMargin.right);
    else
        rcPart.DeflateRect(m_rcCaptionMargin);
    DrawCaptionPart(pDC, pButtons, rcPart, strTitle, bActive && m_bHighlightActiveCaption, bVertical);
}

void CXTPDockingPaneDefaultTheme::DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons,
                                                  CRect rcCaption, const CString& strTitle, BOOL bActive,
                                                  BOOL bVertical)
{
    pDC->FillSolidRect(rcCaption, GetIndexedColor(bActive ? 2 : 3));
    TrimEnd(rcCaption, 2, bVertical);
    DrawCaptionButtons(pDC, pButtons, rcCaption, GetIndexedColor(18), 14, 0, bVertical);
    pDC->SetTextColor(GetIndexedColor(bActive ? 9 : 19));
    TrimStart(rcCaption, 4, bVertical);
    DrawCaptionTitle(pDC, strTitle, rcCaption, bVertical);
}

void CXTPDockingPaneDefaultTheme::DrawFloatingFrame(CDC* pDC, CXTPDockingPaneMiniWnd* pFrame, CRect rc)
{
    CString strTitle;
    BOOL bActive = FALSE;
    if (pFrame->GetSafeHwnd())
    {
        pFrame->GetWindowText(strTitle);
        bActive = pFrame->IsActive();
    }
    DrawFloatingFrameRect(pDC, rc, strTitle, pFrame->GetCaptionButtons(), bActive);
}

void CXTPDockingPaneDefaultTheme::DrawFloatingFrameRect(CDC* pDC, CRect rc, const CString& strTitle,
                                                        CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive)
{
    pDC->Draw3dRect(rc, GetIndexedColor(15), RGB(0, 0, 0));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, GetIndexedColor(20), GetIndexedColor(16));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, GetIndexedColor(15), GetIndexedColor(15));
    rc.DeflateRect(1, 1);

    CRect rcBand(rc.left, rc.top, rc.right, rc.top + m_nTitleHeight + 3);
    DrawBuffered(pDC, rcBand, [&](CDC* pBand) {
        pBand->FillSolidRect(rcBand, GetIndexedColor(15));
        CRect rcPart = rcBand;
        rcPart.DeflateRect(0, 1, 0, 2);
        DrawCaptionPart(pBand, pButtons, rcPart, strTitle, bActive && m_bHighlightActiveCaption, FALSE);
    });
}

void CXTPDockingPaneGripperedTheme::DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons,
                                                    CRect rcCaption, const CString& strTitle, BOOL /*bActive*/,
                                                    BOOL bVertical)
{
    TrimEnd(rcCaption, 2, bVertical);
    DrawCaptionButtons(pDC, pButtons, rcCaption, GetIndexedColor(18), 14, 2, bVertical);
    TrimStart(rcCaption, 4, bVertical);
    pDC->SetTextColor(GetIndexedColor(18));
    DrawCaptionTitle(pDC, strTitle, rcCaption, bVertical);

    int nTitle;
    {
        CXTPFontDC font(pDC, GetCaptionFont(FALSE));
        nTitle = strTitle.IsEmpty() ? 0 : pDC->GetTextExtent(strTitle).cx;
    }
    // Two raised bars from after the title to the caption's end.
    CPoint c = rcCaption.CenterPoint();
    if (!bVertical)
    {
        int nStart = rcCaption.left + nTitle + 4;
        if (nStart < rcCaption.right)
        {
            pDC->Draw3dRect(nStart, c.y - 3, rcCaption.right - nStart, 3, GetIndexedColor(20), GetIndexedColor(16));
            pDC->Draw3dRect(nStart, c.y + 1, rcCaption.right - nStart, 3, GetIndexedColor(20), GetIndexedColor(16));
        }
    }
    else
    {
        int nStart = rcCaption.top + nTitle + 4;
        if (nStart < rcCaption.bottom)
        {
            pDC->Draw3dRect(c.x - 3, nStart, 3, rcCaption.bottom - nStart, GetIndexedColor(20), GetIndexedColor(16));
            pDC->Draw3dRect(c.x + 1, nStart, 3, rcCaption.bottom - nStart, GetIndexedColor(20), GetIndexedColor(16));
        }
    }
}

CXTPDockingPaneExplorerTheme::CXTPDockingPaneExplorerTheme()
    : m_pThemeRebar(new CXTPWinThemeWrapper())
    , m_pThemeToolbar(new CXTPWinThemeWrapper())
{
    m_bBoldCaption = FALSE;
    m_rcCaptionMargin.SetRectEmpty();
    m_nCaptionInset = 9;
}

CXTPDockingPaneExplorerTheme::~CXTPDockingPaneExplorerTheme()
{
    delete m_pThemeRebar;
    delete m_pThemeToolbar;
}

void CXTPDockingPaneExplorerTheme::RefreshMetrics()
{
    CXTPDockingPaneGripperedTheme::RefreshMetrics();
    m_pThemeRebar->OpenThemeData(nullptr, L"REBAR");
    m_pThemeToolbar->OpenThemeData(nullptr, L"TOOLBAR");
    BOOL bThemed = m_pThemeRebar->IsAppThemed();
    for (CXTPTabPaintManager* pTabs : {m_pTabPaintManager, m_pPanelPaintManager})
    {
        if (bThemed)
        {
            pTabs->SetAppearance(xtpTabAppearancePropertyPage);
            pTabs->SetColor(xtpTabColorWinXP);
        }
        else
            pTabs->SetAppearance(pTabs == m_pTabPaintManager ? xtpTabAppearanceVisualStudio : xtpTabAppearanceFlat);
        pTabs->m_bHotTracking = bThemed;
    }
}

void CXTPDockingPaneExplorerTheme::DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton,
                                                     COLORREF clrButton)
{
    if (!m_pThemeToolbar->IsAppThemed())
    {
        CXTPDockingPaneGripperedTheme::DrawCaptionButton(pDC, pButton, clrButton);
        return;
    }
    CRect rc = pButton->GetRect();
    if (pButton->IsHot() || pButton->IsPressed())
        m_pThemeToolbar->DrawThemeBackground(pDC->GetSafeHdc(), 1, pButton->IsPressed() ? 3 : 2, rc, nullptr);
    DrawCaptionButtonGlyph(pDC, pButton, rc.CenterPoint(), clrButton);
}
