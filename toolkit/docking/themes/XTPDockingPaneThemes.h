// The Office families of docking themes: gradient or plain captions with
// their own text colours, scheme palettes, and the tab colour sets the
// themes give their pane and auto-hide tabs.
#pragma once
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"

namespace XTPDockingPanePaintThemes {

class CXTPDockingPaneOfficeTheme : public CXTPDockingPaneGripperedTheme
{
public:
    // Pane tabs of the Office look: VisualStudio colours, dark for flat tabs.
    class COfficePanelColorSet;

    CXTPDockingPaneOfficeTheme();
    void RefreshMetrics() override;
    void DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton) override;
    void DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect rcCaption,
                         const CString& strTitle, BOOL bActive, BOOL bVertical) override;
    // Draws the caption band; answers the glyph colour.
    virtual COLORREF FillCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical);

    CXTPGradientValue m_clrActiveCaption;
    CXTPGradientValue m_clrNormalCaption;
    CXTPColorValue m_clrActiveCaptionText;
    CXTPColorValue m_clrNormalCaptionText;
    BOOL m_bGradientCaption = FALSE;
};

class CXTPDockingPaneOfficeTheme::COfficePanelColorSet : public CXTPTabPaintManager::CColorSetVisualStudio
{
public:
    void RefreshMetrics() override;
};

class CXTPDockingPaneVisioTheme : public CXTPDockingPaneOfficeTheme
{
public:
    CXTPDockingPaneVisioTheme();
};

class CXTPDockingPaneNativeXPTheme : public CXTPDockingPaneOfficeTheme
{
public:
    CXTPDockingPaneNativeXPTheme();
    ~CXTPDockingPaneNativeXPTheme() override;
    void RefreshMetrics() override;

    CXTPWinThemeWrapper* m_pThemeWindow;
    CXTPWinThemeWrapper* m_pThemeExplorer;
};

class CXTPDockingPaneOffice2003Theme : public CXTPDockingPaneOfficeTheme
{
public:
    CXTPDockingPaneOffice2003Theme();
    void RefreshMetrics() override;
    void DrawCaptionBar(CDC* pDC, CRect rcCaption, const CString& strTitle, CXTPDockingPaneCaptionButtons* pButtons,
                        BOOL bActive, BOOL bVertical) override;
    void DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect rcCaption,
                         const CString& strTitle, BOOL bActive, BOOL bVertical) override;
    void DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton) override;
    void DrawFloatingFrameRect(CDC* pDC, CRect rc, const CString& strTitle, CXTPDockingPaneCaptionButtons* pButtons,
                               BOOL bActive) override;
    // Draws the hot or pressed background; answers the glyph colour.
    virtual COLORREF FillCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton);

    BOOL m_bDrawCaptionGripper = TRUE;
    BOOL m_bRoundedCaption = TRUE;
    BOOL m_bLunaTheme = FALSE;
};

class CXTPDockingPaneShortcutBar2003Theme : public CXTPDockingPaneOffice2003Theme
{
public:
    CXTPDockingPaneShortcutBar2003Theme();
    void RefreshMetrics() override;
};

class CXTPDockingPaneWhidbeyTheme : public CXTPDockingPaneOfficeTheme
{
public:
    // Tabs of the 2005 look; the pane variant selects with the window colour.
    class CColorSetWhidbey;
    class CColorSetVisualStudio2005;

    CXTPDockingPaneWhidbeyTheme();
    void RefreshMetrics() override;
};

class CXTPDockingPaneWhidbeyTheme::CColorSetWhidbey : public CXTPTabPaintManager::CColorSetOffice2003
{
public:
    CColorSetWhidbey(CXTPDockingPanePaintManager* pDockingPaint, BOOL bPaneVariant)
        : m_pDockingPaint(pDockingPaint), m_bPaneVariant(bPaneVariant)
    {
    }
    void RefreshMetrics() override;

protected:
    CXTPDockingPanePaintManager* m_pDockingPaint;
    BOOL m_bPaneVariant;
};

class CXTPDockingPaneWhidbeyTheme::CColorSetVisualStudio2005 : public CXTPDockingPaneWhidbeyTheme::CColorSetWhidbey
{
public:
    using CColorSetWhidbey::CColorSetWhidbey;
    void RefreshMetrics() override;
};

class CXTPDockingPaneVisualStudio2005SecondTheme : public CXTPDockingPaneWhidbeyTheme
{
public:
    CXTPDockingPaneVisualStudio2005SecondTheme();
    void RefreshMetrics() override;
    COLORREF FillCaptionBackground(CDC* pDC, CRect rc, BOOL bActive, BOOL bVertical) override;

    CXTPColorValue m_clrCaptionBorder;
};

class CXTPDockingPaneVisualStudio2005Theme : public CXTPDockingPaneVisualStudio2005SecondTheme
{
public:
    CXTPDockingPaneVisualStudio2005Theme();
};

} // namespace XTPDockingPanePaintThemes

// The paint manager of a docking theme number (unknown numbers: Default).
CXTPDockingPanePaintManager* XTPCreateDockingPaneTheme(int nTheme);
