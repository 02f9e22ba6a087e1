// The Office docking looks: Office, Visio and the native visual-style look.
#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"

using namespace XTPDockingPanePaintThemes;

CXTPDockingPaneOfficeTheme::CXTPDockingPaneOfficeTheme()
{
    m_bBoldCaption = FALSE;
    m_pTabPaintManager->SetAppearance(xtpTabAppearanceVisualStudio);
    m_pTabPaintManager->SetColorSet(new COfficePanelColorSet());
    m_pPanelPaintManager->SetAppearance(xtpTabAppearanceFlat);
    m_pPanelPaintManager->SetColorSet(new COfficePanelColorSet());
}

void CXTPDockingPaneOfficeTheme::RefreshMetrics()
{
    CXTPDockingPaneGripperedTheme::RefreshMetrics();
    m_clrActiveCaption.SetStandardColors(GetIndexedColor(2), GetIndexedColor(27));
    m_clrNormalCaption.SetStandardColors(GetIndexedColor(3), ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
    m_clrActiveCaptionText.SetStandardValue(GetIndexedColor(9));
    m_clrNormalCaptionText.SetStandardValue(GetIndexedColor(18));
}

COLORREF CXTPDockingPaneOfficeTheme::FillCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL /*bVertical*/)
{
    const CXTPGradientValue& grc = bActive ? m_clrActiveCaption : m_clrNormalCaption;
    if (m_bGradientCaption)
        XTPDrawHelpers()->GradientFill(pDC, rc, grc.clrLight, grc.clrDark, TRUE);
    else if (bActive)
        pDC->FillSolidRect(rc, grc.clrLight);
    else
    {
        // An outline without its corner pixels.
        COLORREF clr = GetIndexedColor(52);
        pDC->FillSolidRect(rc.left + 1, rc.top, rc.Width() - 2, 1, clr);
        pDC->FillSolidRect(rc.left + 1, rc.bottom - 1, rc.Width() - 2, 1, clr);
        pDC->FillSolidRect(rc.left, rc.top + 1, 1, rc.Height() - 2, clr);
        pDC->FillSolidRect(rc.right - 1, rc.top + 1, 1, rc.Height() - 2, clr);
    }
    return GetIndexedColor(bActive ? 9 : 18);
}

void CXTPDockingPaneOfficeTheme::DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect rcCaption,
                                                 const CString& strTitle, BOOL bActive, BOOL bVertical)
{
    COLORREF clrGlyph = FillCaptionBackground(pDC, rcCaption, bActive, bVertical);
    (bVertical ? rcCaption.bottom : rcCaption.right) -= 2;
    DrawCaptionButtons(pDC, pButtons, rcCaption, clrGlyph, 14, 2, bVertical);
    if (bVertical)
        rcCaption.top += 4, rcCaption.left += 1;
    else
        rcCaption.left += 4, rcCaption.top += 1;
    pDC->SetTextColor(bActive ? m_clrActiveCaptionText : m_clrNormalCaptionText);
    DrawCaptionTitle(pDC, strTitle, rcCaption, bVertical);
}

void CXTPDockingPaneOfficeTheme::DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton,
                                                   COLORREF clrButton)
{
    CRect rc = pButton->GetRect();
    CPoint pt = rc.CenterPoint();
    if (pButton->IsPressed())
    {
        pDC->Draw3dRect(rc, GetIndexedColor(16), GetIndexedColor(20));
        pt.Offset(1, 1);
    }
    else if (pButton->IsHot())
        pDC->Draw3dRect(rc, GetIndexedColor(20), GetIndexedColor(16));
    DrawCaptionButtonGlyph(pDC, pButton, pt, clrButton);
}

void CXTPDockingPaneOfficeTheme::COfficePanelColorSet::RefreshMetrics()
{
    CColorSetVisualStudio::RefreshMetrics();
    if (GetAppearance() == xtpTabAppearanceFlat)
    {
        COLORREF clr = ::GetSysColor(21);
        m_clrButtonNormal.SetStandardValue(clr);
        m_clrHeaderFace.SetStandardColor(clr);
    }
}

CXTPDockingPaneVisioTheme::CXTPDockingPaneVisioTheme()
{
    m_nCaptionInset = 2;
    m_pTabPaintManager->SetAppearance(xtpTabAppearanceVisio);
    m_pTabPaintManager->m_nPosition = xtpTabPositionTop;
}

CXTPDockingPaneNativeXPTheme::CXTPDockingPaneNativeXPTheme()
    : m_pThemeWindow(new CXTPWinThemeWrapper())
    , m_pThemeExplorer(new CXTPWinThemeWrapper())
{
    m_nCaptionInset = 7;
    m_bGradientCaption = TRUE;
    for (CXTPTabPaintManager* pTabs : {m_pTabPaintManager, m_pPanelPaintManager})
    {
        pTabs->SetAppearance(xtpTabAppearancePropertyPage);
        pTabs->SetColor(xtpTabColorWinXP);
        pTabs->m_bHotTracking = TRUE;
    }
}

CXTPDockingPaneNativeXPTheme::~CXTPDockingPaneNativeXPTheme()
{
    delete m_pThemeWindow;
    delete m_pThemeExplorer;
}

void CXTPDockingPaneNativeXPTheme::RefreshMetrics()
{
    CXTPDockingPaneOfficeTheme::RefreshMetrics();
    m_pThemeWindow->OpenThemeData(nullptr, L"WINDOW");
    m_pThemeExplorer->OpenThemeData(nullptr, L"EXPLORERBAR");
}
