// Draws what the docking panes show around their windows: captions with
// their buttons and glyphs, splitters, floating frames, and, through two
// tab paint managers, pane tabs and auto-hide tabs; measures caption and
// tab strip heights. The themes derive from it and differ in their data
// and a few drawing overrides.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CRect.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPGradientValue.h"
#include "toolkit/docking/XTPDockingPaneCaptionButton.h"

class CDC;
class CXTPTabPaintManager;
class CXTPDockingPaneMiniWnd;
class CXTPDockingPaneSplitterWnd;
class CXTPDockingPaneTabbedContainer;
class CXTPWinThemeWrapper;

// Theme numbers of the docking pane manager.
enum XTPDockingPanePaintTheme
{
    xtpPaneThemeDefault = 0,
    xtpPaneThemeOffice = 1,
    xtpPaneThemeOffice2003 = 2,
    xtpPaneThemeNativeWinXP = 3,
    xtpPaneThemeGrippered = 4,
    xtpPaneThemeVisio = 5,
    xtpPaneThemeWhidbey = 6,
    xtpPaneThemeShortcutBar2003 = 7,
    xtpPaneThemeExplorer = 8,
    xtpPaneThemeVisualStudio2005 = 9,
};

// Splitter style bits.
enum XTPDockingPaneSplitterStyle
{
    xtpPaneSplitterFlat = 0,
    xtpPaneSplitter3D = 1,
    xtpPaneSplitterSoft3D = 2,
    xtpPaneSplitterGradient = 4,
    xtpPaneSplitterCross = 0x100,
    xtpPaneSplitterGripper = 0x200,
};

class CXTPDockingPanePaintManager : public CCmdTarget
{
public:
    CXTPDockingPanePaintManager();
    ~CXTPDockingPanePaintManager() override;

    virtual void DrawPane(CDC* pDC, CXTPDockingPaneTabbedContainer* pPane, CRect rc);
    virtual void DrawCaption(CDC* pDC, CXTPDockingPaneTabbedContainer* pPane, CRect rc);
    virtual void DrawCaptionButtons(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect& rcCaption,
                                    COLORREF clr, int nButtonSize, int nButtonGap, BOOL bVertical);
    virtual void DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton);
    virtual void RefreshMetrics();
    virtual void AdjustClientRect(CXTPDockingPaneTabbedContainer* pPane, CRect& rect, BOOL bApply);
    // The caption's room off the top, or off the left for a vertical caption.
    virtual void AdjustCaptionRect(const CXTPDockingPaneTabbedContainer* pPane, CRect& rc);
    // A floating frame's whole window rectangle (at the origin).
    virtual void DrawFloatingFrame(CDC* pDC, CXTPDockingPaneMiniWnd* pFrame, CRect rc);
    // A splitter bar's client area.
    virtual void DrawSplitter(CDC* pDC, CXTPDockingPaneSplitterWnd* pSplitter);
    virtual void DrawCaptionButtonGlyph(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, CPoint pt,
                                        COLORREF clrButton);

    // What a container's caption draws, given its caption rectangle (caption
    // height plus margins), the selected pane's title and the buttons.
    virtual void DrawCaptionBar(CDC* pDC, CRect rcCaption, const CString& strTitle,
                                CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive, BOOL bVertical);
    // A floating frame's border and own caption band, from its title,
    // caption buttons and active state.
    virtual void DrawFloatingFrameRect(CDC* pDC, CRect rc, const CString& strTitle,
                                       CXTPDockingPaneCaptionButtons* pButtons, BOOL bActive);
    // A splitter's client area; rcFrame is the extent of the frame that the
    // gradient style spreads over (both in the same coordinates).
    virtual void DrawSplitterRect(CDC* pDC, CRect rc, BOOL bHorizontal, CRect rcFrame);

    // An index 0 to 61 from the own table; anything larger is a colour.
    COLORREF GetIndexedColor(UINT nIndex) const;
    void SetCaptionFontIndirect(LOGFONT* pLogFont, BOOL bUseTahoma = FALSE);

    int GetCaptionHeight() const { return m_nTitleHeight; }
    int GetTabsHeight() const { return m_nTabsHeight; }
    CXTPTabPaintManager* GetTabPaintManager() const { return m_pTabPaintManager; }
    CXTPTabPaintManager* GetPanelPaintManager() const { return m_pPanelPaintManager; }
    CFont* GetCaptionFont(BOOL bVertical) { return bVertical ? &m_fntTitleVertical : &m_fntTitle; }
    // The scheme in force by the scheme mode.
    int GetCurrentScheme() const;
    int GetSplitterSize() const { return m_nSplitterSize; }

public:
    BOOL m_bBoldCaption = TRUE;
    BOOL m_bHighlightActiveCaption = TRUE;
    int m_nSplitterSize = 4;
    BOOL m_bShowCaption = TRUE;
    CXTPColorValue m_clrSplitter;
    CXTPColorValue m_clrSplitterBackground;
    CXTPGradientValue m_clrSplitterGradient;
    int m_nSplitterStyle = 0;
    int m_nTitleHeight = 0;
    int m_nCaptionInset = 5;
    int m_nTabsHeight = 0;
    CFont m_fntTitle;
    CFont m_fntTitleVertical;
    BOOL m_bUseTahomaFont = FALSE;
    BOOL m_bUseSystemFont = TRUE;
    CXTPTabPaintManager* m_pTabPaintManager;
    CXTPTabPaintManager* m_pPanelPaintManager;
    COLORREF m_arrColor[XTP_COLOR_COUNT];
    int m_nTheme = 0;
    CString m_strTahomaFaceName{L"Tahoma"};
    CRect m_rcCaptionMargin{0, 2, 0, 1};
    int m_nSchemeMode = 5;

protected:
    // A line of one colour (a one-pixel filled rectangle).
    void Line(CDC* pDC, int x, int y, int cx, int cy, UINT nColor);
    // Runs the drawing on an off-screen copy of the rectangle (same
    // coordinates), then shows it with one copy: the band never flickers.
    template <class DRAW>
    void DrawBuffered(CDC* pDC, const CRect& rc, DRAW draw);
    // Title text in the caption font, horizontal or running upwards.
    void DrawCaptionTitle(CDC* pDC, const CString& strTitle, CRect rc, BOOL bVertical);
};

template <class DRAW>
void CXTPDockingPanePaintManager::DrawBuffered(CDC* pDC, const CRect& rc, DRAW draw)
{
    if (rc.IsRectEmpty())
        return;
    CDC dcBuffer;
    dcBuffer.CreateCompatibleDC(pDC);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(pDC, rc.Width(), rc.Height());
    HGDIOBJ hOld = dcBuffer.SelectObject(bmp.GetSafeHandle());
    dcBuffer.SetViewportOrg(-rc.left, -rc.top);
    draw(&dcBuffer);
    dcBuffer.SetViewportOrg(0, 0);
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcBuffer, 0, 0, SRCCOPY);
    dcBuffer.SelectObject(hOld);
}

namespace XTPDockingPanePaintThemes {

// The classic caption, buttons and frame.
class CXTPDockingPaneDefaultTheme : public CXTPDockingPanePaintManager
{
public:
    CXTPDockingPaneDefaultTheme() = default;
    void DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton) override;
    void DrawCaptionBar(CDC* pDC, CRect rcCaption, const CString& strTitle, CXTPDockingPaneCaptionButtons* pButtons,
                        BOOL bActive, BOOL bVertical) override;
    void DrawFloatingFrame(CDC* pDC, CXTPDockingPaneMiniWnd* pFrame, CRect rc) override;
    void DrawFloatingFrameRect(CDC* pDC, CRect rc, const CString& strTitle, CXTPDockingPaneCaptionButtons* pButtons,
                               BOOL bActive) override;
    virtual void DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect rcCaption,
                                 const CString& strTitle, BOOL bActive, BOOL bVertical);
};

// No caption fill: the title followed by two raised bars.
class CXTPDockingPaneGripperedTheme : public CXTPDockingPaneDefaultTheme
{
public:
    void DrawCaptionPart(CDC* pDC, CXTPDockingPaneCaptionButtons* pButtons, CRect rcCaption,
                         const CString& strTitle, BOOL bActive, BOOL bVertical) override;
};

// Grippered captions; tabs by the visual style in force.
class CXTPDockingPaneExplorerTheme : public CXTPDockingPaneGripperedTheme
{
public:
    CXTPDockingPaneExplorerTheme();
    ~CXTPDockingPaneExplorerTheme() override;
    void RefreshMetrics() override;
    void DrawCaptionButton(CDC* pDC, CXTPDockingPaneCaptionButton* pButton, COLORREF clrButton) override;

    CXTPWinThemeWrapper* m_pThemeRebar;
    CXTPWinThemeWrapper* m_pThemeToolbar;
};

} // namespace XTPDockingPanePaintThemes
