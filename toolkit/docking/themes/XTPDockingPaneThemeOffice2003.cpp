// The Office 2003 docking look (the program's) and its shortcut-bar form.
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "toolkit/tabs/XTPTabManager.h"

using namespace XTPDockingPanePaintThemes;

namespace {

struct SchemeTable
{
    COLORREF clrInactiveLight, clrInactiveDark;
    float fInactiveFactor;
    COLORREF clrSplitterBack;
    // Colours 38, 39, 40, 41, 43, 31, 32, 50, 37, 33, 36, 30, 47.
    COLORREF clrTable[13];
};

const int s_tableIndex[13] = {38, 39, 40, 41, 43, 31, 32, 50, 37, 33, 36, 30, 47};

const SchemeTable s_schemes[3] = {
    {RGB(221, 236, 254), RGB(129, 169, 226), 0.75f, RGB(216, 231, 252),
     {RGB(39, 65, 118), RGB(106, 140, 203), RGB(109, 150, 208), RGB(246, 246, 246), RGB(0, 45, 150),
      RGB(255, 238, 194), RGB(0, 0, 128), RGB(0, 0, 128), RGB(0, 0, 128), RGB(254, 128, 62), RGB(255, 192, 111),
      RGB(158, 190, 245), RGB(0, 0, 0)}},
    {RGB(244, 247, 222), RGB(183, 198, 145), 0.3f, RGB(226, 231, 191),
     {RGB(81, 94, 51), RGB(96, 128, 88), RGB(159, 174, 122), RGB(244, 244, 238), RGB(117, 141, 94),
      RGB(255, 238, 194), RGB(63, 93, 56), RGB(63, 93, 56), RGB(63, 93, 56), RGB(254, 128, 62), RGB(255, 192, 111),
      RGB(217, 217, 167), RGB(0, 0, 0)}},
    {RGB(249, 249, 255), RGB(156, 155, 183), 0.75f, RGB(223, 223, 234),
     {RGB(84, 84, 117), RGB(110, 109, 143), RGB(168, 167, 190), RGB(253, 250, 255), RGB(124, 124, 148),
      RGB(255, 238, 194), RGB(75, 75, 111), RGB(75, 75, 111), RGB(75, 75, 111), RGB(254, 128, 62),
      RGB(255, 192, 111), RGB(215, 215, 229), RGB(0, 0, 0)}},
};

} // namespace

CXTPDockingPaneOffice2003Theme::CXTPDockingPaneOffice2003Theme()
{
    m_bBoldCaption = TRUE;
    m_nCaptionInset = 7;
    for (CXTPTabPaintManager* pTabs : {m_pTabPaintManager, m_pPanelPaintManager})
    {
        pTabs->SetAppearance(xtpTabAppearancePropertyPageFlat);
        pTabs->SetColor(xtpTabColorOffice2003);
        pTabs->m_bHotTracking = TRUE;
    }
}

void CXTPDockingPaneOffice2003Theme::RefreshMetrics()
{
    CXTPDockingPaneOfficeTheme::RefreshMetrics();
    COLORREF clrFace = GetIndexedColor(15);
    m_clrNormalCaption.SetStandardColors(CXTPColorManager::MixColorsByWeight(clrFace, GetIndexedColor(5), 205),
                                         clrFace);
    m_clrActiveCaption.SetStandardColor(GetIndexedColor(36));
    m_clrActiveCaptionText.SetStandardValue(GetIndexedColor(18));
    m_clrNormalCaptionText.SetStandardValue(GetIndexedColor(18));
    if (CXTPColorManager::IsLowColorDepth(nullptr))
    {
        m_clrNormalCaption.SetStandardColor(clrFace);
        m_clrActiveCaption.SetStandardColor(GetIndexedColor(13));
        m_clrActiveCaptionText.SetStandardValue(GetIndexedColor(14));
    }

    int nScheme = GetCurrentScheme();
    m_bLunaTheme = nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver;
    if (!m_bLunaTheme)
        return;
    const SchemeTable& scheme = s_schemes[nScheme - 1];
    m_clrSplitter.SetStandardValue(GetIndexedColor(38));
    m_clrNormalCaption.SetStandardColors(scheme.clrInactiveLight, scheme.clrInactiveDark, scheme.fInactiveFactor);
    m_clrSplitterBackground.SetStandardValue(scheme.clrSplitterBack);
    for (int i = 0; i < 13; i++)
        m_arrColor[s_tableIndex[i]] = scheme.clrTable[i];
    m_clrActiveCaption.SetStandardColors(RGB(255, 213, 140), RGB(255, 166, 76));
    m_clrSplitterGradient.SetStandardFrom(XTPGetColorManager()->GetGradient(1));
}

void CXTPDockingPaneOffice2003Theme::DrawCaptionBar(CDC* pDC, CRect rcCaption, const CString& strTitle,
                                                    CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive,
                                                    BOOL bVertical)
{
    BOOL bHighlight = bActive && m_bHighlightActiveCaption;
    CRect rcBand = rcCaption;
    if (bVertical)
        rcBand.right = rcBand.left + m_nTitleHeight + 3;
    else
        rcBand.bottom = rcBand.top + m_nTitleHeight + 3;
    const CXTPGradientValue& grc = bHighlight ? m_clrActiveCaption : m_clrNormalCaption;
    int nSaved = pDC->SaveDC();
    if (m_bRoundedCaption)
    {
        CRect rcBehind = rcBand;
        if (bVertical)
            rcBehind.bottom = rcBehind.top + 1, rcBand.top++;
        else
            rcBehind.right = rcBehind.left + 1, rcBand.left++;
        pDC->FillSolidRect(rcBehind, m_clrSplitterBackground);
        pDC->FillSolidRect(rcBand.left, rcBand.top, 1, 1, m_clrSplitterBackground);
        pDC->FillSolidRect(rcBand.right - 1, rcBand.top, 1, 1, m_clrSplitterBackground);
        pDC->FillSolidRect(rcBand.left, rcBand.bottom - 1, 1, 1, m_clrSplitterBackground);
        pDC->FillSolidRect(rcBand.right - 1, rcBand.bottom - 1, 1, 1, m_clrSplitterBackground);
        XTPExcludeCorners(pDC, rcBand.left, rcBand.top, rcBand.right, rcBand.bottom);
    }
    XTPDrawHelpers()->GradientFillByFactor(pDC, rcBand, grc, bVertical, nullptr);
    if (!m_bRoundedCaption)
    {
        COLORREF clr = GetIndexedColor(54);
        pDC->FillSolidRect(rcBand.left, rcBand.top, bVertical ? rcBand.Width() : 1, bVertical ? 1 : rcBand.Height(),
                           clr);
        pDC->FillSolidRect(rcBand.left, rcBand.top, bVertical ? 1 : rcBand.Width(), bVertical ? rcBand.Height() : 1,
                           clr);
        if (bVertical)
            pDC->FillSolidRect(rcBand.left, rcBand.bottom - 1, rcBand.Width(), 1, clr);
        else
            pDC->FillSolidRect(rcBand.right - 1, rcBand.top, 1, rcBand.Height(), clr);
    }
    pDC->RestoreDC(nSaved);
    DrawCaptionPart(pDC, pButtons, rcBand, strTitle, bHighlight, bVertical);
}

void CXTPDockingPaneOffice2003Theme::DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons,
                                                     CRect rcCaption, const CString& strTitle, BOOL bActive,
                                                     BOOL bVertical)
{
    COLORREF clrText = bActive ? m_clrActiveCaptionText : m_clrNormalCaptionText;
    (bVertical ? rcCaption.bottom : rcCaption.right) -= 4;
    DrawCaptionButtons(pDC, pButtons, rcCaption, clrText, 16, 0, bVertical);
    int nStart = 6;
    if (m_bDrawCaptionGripper)
    {
        // Dots every 4 pixels across the band, 5 pixels in.
        int nAcross = bVertical ? rcCaption.Width() : rcCaption.Height();
        for (int d = 3; d + 2 <= nAcross - 3; d += 4)
        {
            int x = bVertical ? rcCaption.left + d : rcCaption.left + 5;
            int y = bVertical ? rcCaption.top + 5 : rcCaption.top + d;
            pDC->FillSolidRect(x, y, 2, 2, GetIndexedColor(5));
            pDC->FillSolidRect(x - 1, y - 1, 2, 2, GetIndexedColor(38));
        }
        nStart += 8;
    }
    if (bVertical)
        rcCaption.DeflateRect(1, nStart, 0, 2);
    else
        rcCaption.DeflateRect(nStart, 1, 2, 0);
    pDC->SetTextColor(clrText);
    DrawCaptionTitle(pDC, strTitle, rcCaption, bVertical);
}

COLORREF CXTPDockingPaneOffice2003Theme::FillCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton,
                                                           COLORREF clrButton)
{
    CRect rc = pButton->GetRect();
    BOOL bHot = pButton->IsHot(), bPressed = pButton->IsPressed();
    if (!bHot && !bPressed)
        return clrButton;
    COLORREF clrGlyph = clrButton;
    // A pressed look is drawn over the hot one.
    for (int pass = 0; pass < 2; pass++)
    {
        BOOL bThisPressed = pass == 1;
        if ((bThisPressed && !bPressed) || (!bThisPressed && !bHot))
            continue;
        if (m_bLunaTheme)
        {
            COLORREF clrFrom = bThisPressed ? RGB(254, 142, 75) : RGB(255, 242, 200);
            COLORREF clrTo = bThisPressed ? RGB(255, 207, 139) : RGB(255, 212, 151);
            XTPDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, FALSE);
            clrGlyph = RGB(0, 0, 0);
        }
        else
        {
            pDC->FillSolidRect(rc, GetIndexedColor(bThisPressed ? 33 : 31));
            clrGlyph = GetIndexedColor(bThisPressed ? 47 : 45);
        }
        pDC->Draw3dRect(rc, GetIndexedColor(32), GetIndexedColor(32));
    }
    return clrGlyph;
}

void CXTPDockingPaneOffice2003Theme::DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton,
                                                       COLORREF clrButton)
{
    COLORREF clrGlyph = FillCaptionButton(pDC, pButton, clrButton);
    DrawCaptionButtonGlyph(pDC, pButton, pButton->GetRect().CenterPoint(), clrGlyph);
}

void CXTPDockingPaneOffice2003Theme::DrawFloatingFrameRect(CDC* pDC, CRect rc, const CString& strTitle,
                                                           CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive)
{
    int nSaved = pDC->SaveDC();
    XTPExcludeCorners(pDC, rc.left, rc.top, rc.right, rc.bottom);
    for (int i = 0; i < 3; i++)
    {
        pDC->Draw3dRect(rc, GetIndexedColor(43), GetIndexedColor(43));
        rc.DeflateRect(1, 1);
    }
    pDC->RestoreDC(nSaved);
    COLORREF clrEdge = m_clrNormalCaption.clrDark;
    pDC->Draw3dRect(rc, clrEdge, clrEdge);
    rc.DeflateRect(1, 1);

    BOOL bHighlight = bActive && m_bHighlightActiveCaption;
    CRect rcBand(rc.left, rc.top, rc.right, rc.top + m_nTitleHeight + 3);
    DrawBuffered(pDC, rcBand, [&](CDC* pBand) {
        XTPDrawHelpers()->GradientFillByFactor(pBand, rcBand, bHighlight ? m_clrActiveCaption : m_clrNormalCaption,
                                               FALSE, nullptr);
        pBand->FillSolidRect(rcBand.left, rcBand.bottom - 1, rcBand.Width(), 1, clrEdge);
        DrawCaptionPart(pBand, pButtons, rcBand, strTitle, bHighlight, FALSE);
    });
}

CXTPDockingPaneShortcutBar2003Theme::CXTPDockingPaneShortcutBar2003Theme()
{
    m_nCaptionInset = 3;
    m_bDrawCaptionGripper = FALSE;
    m_bRoundedCaption = FALSE;
}

void CXTPDockingPaneShortcutBar2003Theme::RefreshMetrics()
{
    CXTPDockingPaneOffice2003Theme::RefreshMetrics();
    if (m_bUseSystemFont)
    {
        LOGFONT lf = {};
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(LOGFONT), &lf, 0);
        lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = 20;
        SetCaptionFontIndirect(&lf, FALSE);
    }
    if (m_bLunaTheme)
    {
        m_clrNormalCaption.SetStandardFrom(XTPGetColorManager()->GetGradient(0));
        m_clrActiveCaptionText.SetStandardValue(RGB(255, 255, 255));
    }
    else
        m_clrNormalCaption.SetStandardColors(
            CXTPColorManager::MixColorsByWeight(GetIndexedColor(16), GetIndexedColor(5), 205), GetIndexedColor(16));
}
