// The colours and fills of a tab strip: text per tab state, tab, header,
// client and navigate-button fills. The base holds every colour as a
// themable value and the shared fills; the sets differ in their values
// and a few fill overrides.
#pragma once
#include "toolkit/tabs/XTPTabPaintManager.h"

class CXTPTabPaintManager::CColorSet
{
public:
    CColorSet() = default;
    virtual ~CColorSet() = default;
    CColorSet(const CColorSet&) = delete;
    CColorSet& operator=(const CColorSet&) = delete;

    virtual void RefreshMetrics();
    virtual void SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual void FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pManager);
    virtual COLORREF FillClient(CDC* pDC, CRect rc, CXTPTabManager* pManager);
    virtual void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
    virtual COLORREF FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
    virtual void FillHeaderExtra(CDC* /*pDC*/, CRect /*rc*/, CXTPTabManager* /*pManager*/) {}
    virtual void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc) = 0;
    virtual COLORREF GetItemColor(CXTPTabManagerItem* pItem);
    virtual BOOL IsThemed() { return FALSE; }

    // A gradient across the strip's depth, outer edge first (turned for
    // bottom and right strips and by the invert option); -2 as the first
    // colour gives the dither pattern.
    void GradientFill(CDC* pDC, CRect rc, const CXTPGradientValue& grc, int nPosition);
    static void FillDither(CDC* pDC, CRect rc);
    int GetPosition() const;
    int GetAppearance() const;

protected:
    // Classic 3D frame of a navigate button, and the glyph colour.
    void FrameNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc, COLORREF clrLight,
                             COLORREF clrDark, COLORREF clrGlyph);

public:
    CXTPGradientValue m_clrHeaderFace;
    CXTPGradientValue m_clrButtonFace;
    CXTPColorValue m_clrFrameBorder;
    CXTPColorValue m_clrControlFace;
    CXTPColorValue m_clrClientFace;
    CXTPColorValue m_clrLight;
    CXTPColorValue m_clrButtonSelected;
    CXTPColorValue m_clrButtonNormal;
    CXTPColorValue m_clrButtonText;
    CXTPColorValue m_clrInactiveText;
    CXTPColorValue m_clrSelectedText;
    CXTPColorValue m_clrHighlightText;
    CXTPColorValue m_clrDisabledText;
    CXTPGradientValue m_clrStateFill;
    CXTPGradientValue m_clrStateFrame;
    CXTPColorValue m_clrHighlight;
    CXTPColorValue m_clrShadow;
    CXTPColorValue m_clrDarkShadow;
    CXTPColorValue m_clrFurther[3];
    CXTPColorValue m_clrSeparator;
    CXTPColorValue m_clrLinesSelected[6];
    CXTPColorValue m_clrLinesNormal[6];
    CXTPTabPaintManager* m_pPaintManager = nullptr;
};
