// The 2005 docking looks: Whidbey and the two Visual Studio 2005 forms,
// with the tab colour sets they give their strips.
#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "toolkit/tabs/XTPTabManager.h"

using namespace XTPDockingPanePaintThemes;

namespace {

BOOL IsScheme(int nScheme)
{
    return nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver;
}

} // namespace

CXTPDockingPaneWhidbeyTheme::CXTPDockingPaneWhidbeyTheme()
{
    m_bBoldCaption = FALSE;
    m_rcCaptionMargin.SetRectEmpty();
    m_bGradientCaption = TRUE;
    m_nSplitterStyle = xtpPaneSplitterGradient;
    m_nSchemeMode = 0;

    m_pTabPaintManager->SetAppearance(xtpTabAppearancePropertyPageFlat);
    m_pTabPaintManager->SetColorSet(new CColorSetWhidbey(this, TRUE));
    m_pTabPaintManager->m_bHotTracking = FALSE;
    m_pTabPaintManager->m_nClientFrame = xtpTabFrameNone;
    m_pPanelPaintManager->SetAppearance(xtpTabAppearancePropertyPageFlat);
    m_pPanelPaintManager->SetColorSet(new CColorSetWhidbey(this, FALSE));
    m_pPanelPaintManager->m_nLayout = xtpTabLayoutAutoSize;
}

void CXTPDockingPaneWhidbeyTheme::RefreshMetrics()
{
    CXTPDockingPaneOfficeTheme::RefreshMetrics();
    m_clrActiveCaptionText.SetStandardValue(GetIndexedColor(19));
    int nScheme = GetCurrentScheme();
    if (nScheme == xtpSystemThemeBlue || nScheme == xtpSystemThemeOlive)
    {
        m_clrSplitterGradient.SetStandardColors(RGB(229, 229, 215), RGB(244, 241, 231));
        m_clrNormalCaption.SetStandardColors(RGB(216, 215, 198), RGB(238, 239, 229));
    }
    else if (nScheme == xtpSystemThemeSilver)
    {
        m_clrSplitterGradient.SetStandardColors(RGB(215, 215, 229), RGB(243, 243, 247));
        m_clrNormalCaption.SetStandardColors(RGB(224, 224, 235), RGB(242, 242, 246));
        m_clrActiveCaption.SetStandardColors(RGB(160, 158, 186), RGB(224, 225, 235));
    }
    if (IsScheme(nScheme))
        m_clrActiveCaptionText.SetStandardValue(RGB(0, 0, 0));
}

void CXTPDockingPaneWhidbeyTheme::CColorSetWhidbey::RefreshMetrics()
{
    CColorSetOffice2003::RefreshMetrics();
    COLORREF clrFace = ::GetSysColor(COLOR_3DFACE);
    m_clrHeaderFace.SetStandardColors(clrFace,
                                      CXTPColorManager::MixColorsByWeight(clrFace, ::GetSysColor(COLOR_WINDOW), 205));
    int nScheme = m_pDockingPaint ? m_pDockingPaint->GetCurrentScheme() : 0;
    if (nScheme == xtpSystemThemeBlue || nScheme == xtpSystemThemeOlive)
        m_clrHeaderFace.SetStandardColors(RGB(229, 229, 215), RGB(244, 241, 231));
    else if (nScheme == xtpSystemThemeSilver)
        m_clrHeaderFace.SetStandardColors(RGB(215, 215, 229), RGB(243, 243, 247));
    if (IsScheme(nScheme))
        m_clrButtonSelected.SetStandardValue(RGB(255, 255, 255));
    if (m_bPaneVariant)
    {
        m_clrButtonSelected.SetStandardValue(::GetSysColor(COLOR_WINDOW));
        m_clrSelectedText.SetStandardValue(::GetSysColor(COLOR_WINDOWTEXT));
    }
    else
        m_clrSelectedText.SetStandardValue(::GetSysColor(21));
}

void CXTPDockingPaneWhidbeyTheme::CColorSetVisualStudio2005::RefreshMetrics()
{
    CColorSetWhidbey::RefreshMetrics();
    if (m_pDockingPaint && IsScheme(m_pDockingPaint->GetCurrentScheme()))
        m_clrFrameBorder.SetStandardValue(RGB(113, 111, 100));
}

CXTPDockingPaneVisualStudio2005SecondTheme::CXTPDockingPaneVisualStudio2005SecondTheme()
{
    m_pTabPaintManager->SetAppearance(xtpTabAppearanceVisualStudio2005);
    m_pTabPaintManager->SetColorSet(new CColorSetWhidbey(this, TRUE));
    m_pPanelPaintManager->SetAppearance(xtpTabAppearanceVisualStudio2005);
    m_pPanelPaintManager->SetColorSet(new CColorSetWhidbey(this, FALSE));
}

void CXTPDockingPaneVisualStudio2005SecondTheme::RefreshMetrics()
{
    CXTPDockingPaneWhidbeyTheme::RefreshMetrics();
    m_clrNormalCaption.SetStandardColor(GetIndexedColor(3));
    m_clrActiveCaption.SetStandardColor(GetIndexedColor(2));
    m_clrCaptionBorder.SetStandardValue(GetIndexedColor(16));
    switch (GetCurrentScheme())
    {
    case xtpSystemThemeBlue:
        m_clrNormalCaption.SetStandardColor(RGB(204, 199, 186));
        m_clrActiveCaption.SetStandardColors(RGB(59, 128, 237), RGB(49, 106, 197));
        break;
    case xtpSystemThemeOlive:
        m_clrNormalCaption.SetStandardColor(RGB(204, 199, 186));
        m_clrActiveCaption.SetStandardColors(RGB(182, 195, 146), RGB(145, 160, 117));
        break;
    case xtpSystemThemeSilver:
        m_clrNormalCaption.SetStandardColor(RGB(240, 240, 245));
        m_clrActiveCaption.SetStandardColors(RGB(211, 212, 221), RGB(166, 165, 191));
        m_clrCaptionBorder.SetStandardValue(RGB(145, 155, 156));
        break;
    }
}

COLORREF CXTPDockingPaneVisualStudio2005SecondTheme::FillCaptionBackground(CDC* pDC, CRect rc, BOOL bActive,
                                                                           BOOL bVertical)
{
    COLORREF clrGlyph = CXTPDockingPaneWhidbeyTheme::FillCaptionBackground(pDC, rc, bActive, bVertical);
    if (!bActive)
        pDC->Draw3dRect(rc, m_clrCaptionBorder, m_clrCaptionBorder);
    return clrGlyph;
}

CXTPDockingPaneVisualStudio2005Theme::CXTPDockingPaneVisualStudio2005Theme()
{
    for (CXTPTabPaintManager* pTabs : {m_pTabPaintManager, m_pPanelPaintManager})
    {
        pTabs->SetAppearance(xtpTabAppearancePropertyPageFlat);
        pTabs->m_rcButtonMargin.SetRect(2, 2, 4, 0);
        pTabs->SetColorSet(new CColorSetVisualStudio2005(this, pTabs == m_pTabPaintManager));
    }
}

CXTPDockingPanePaintManager* XTPCreateDockingPaneTheme(int nTheme)
{
    CXTPDockingPanePaintManager* pPaint;
    switch (nTheme)
    {
    case xtpPaneThemeOffice: pPaint = new CXTPDockingPaneOfficeTheme(); break;
    case xtpPaneThemeOffice2003: pPaint = new CXTPDockingPaneOffice2003Theme(); break;
    case xtpPaneThemeGrippered: pPaint = new CXTPDockingPaneGripperedTheme(); break;
    case xtpPaneThemeNativeWinXP: pPaint = new CXTPDockingPaneNativeXPTheme(); break;
    case xtpPaneThemeExplorer: pPaint = new CXTPDockingPaneExplorerTheme(); break;
    case xtpPaneThemeVisio: pPaint = new CXTPDockingPaneVisioTheme(); break;
    case xtpPaneThemeWhidbey: pPaint = new CXTPDockingPaneWhidbeyTheme(); break;
    case xtpPaneThemeShortcutBar2003: pPaint = new CXTPDockingPaneShortcutBar2003Theme(); break;
    case xtpPaneThemeVisualStudio2005: pPaint = new CXTPDockingPaneVisualStudio2005Theme(); break;
    default: pPaint = new CXTPDockingPaneDefaultTheme(); break;
    }
    pPaint->m_nTheme = nTheme;
    pPaint->RefreshMetrics();
    return pPaint;
}
