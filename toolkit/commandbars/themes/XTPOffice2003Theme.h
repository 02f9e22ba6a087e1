// The gradient looks: bars and hot buttons painted with colour gradients
// taken from the visual style's colour scheme; everything they do not draw
// themselves is the flat look's.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "toolkit/commandbars/themes/XTPOfficeTheme.h"

namespace XTPPaintThemes {

class CXTPOffice2003Theme : public CXTPOfficeTheme
{
public:
    CXTPOffice2003Theme();
    ~CXTPOffice2003Theme() override;

    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked, BOOL bPopuped,
                       BOOL bToolBarStyle, int barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw = TRUE) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rcClient) override;
    void FillDockBar(CDC* pDC, CWnd* pBar) override;
    void RefreshMetrics() override;
    // Kind 0 answers no size but places the control in the bar's last 12
    // pixels; lpParam, when given, points to a BOOL "the bar hides controls".
    CSize DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton, CXTPCommandBar* pBar,
                             BOOL bDraw, LPVOID lpParam) override;
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    // Without the bar's window the gripper fills the DC's clip box.
    CSize DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() override { return xtpThemeOffice2003; }
    void FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL bAlternative) override;
    virtual BOOL IsDockableBar(CXTPCommandBar* pBar);

    BOOL IsLunaApplied() const { return m_bLunaApplied; }
    HIMAGELIST GetGlyphImageList() const { return m_hGlyphs; }

protected:
    void ApplyLunaScheme(int nScheme);
    void RebuildGlyphs();
    // The bar gradient over a rectangle as wide as the window (at least half
    // the screen), so that neighbouring bars continue one gradient.
    void FillBarGradient(CDC* pDC, CRect rcClient, CRect rcSpan);
    void FillDockedToolBar(CDC* pDC, CXTPCommandBar* pBar, CRect rc);
    void DrawGripperDots(CDC* pDC, int nFrom, int nTo, int nAcross, BOOL bVertical);
    void DrawExpandGlyph(CDC* pDC, CRect rc, BOOL bVertical, BOOL bHiddenControls, COLORREF clr);
    void DrawGradientRect(CDC* pDC, CRect rc, const CXTPGradientValue& gradient, int nBorder, int barPosition);

public:
    CXTPGradientValue m_grcBar;
    CXTPGradientValue m_grcToolBar;
    CXTPGradientValue m_grcExpandButton;
    CXTPGradientValue m_grcGlyph;
    CXTPGradientValue m_grcExpanded;
    CXTPGradientValue m_grcPopupOpen;
    CXTPColorValue m_clrToolbarBorder;
    CXTPColorValue m_clrPaneBorder;
    CXTPColorValue m_clrTearOff;

protected:
    BOOL m_bLunaApplied;
    BOOL m_bWhidbey;
    HIMAGELIST m_hGlyphs;

public:
    CXTPGradientValue m_grcChecked;
    CXTPGradientValue m_grcPressed;
    CXTPGradientValue m_grcHover;
};

// The default look of the program: the gradient look without its own
// colour scheme, coloured by the visual style's scheme in force.
class CXTPWhidbeyTheme : public CXTPOffice2003Theme
{
public:
    CXTPWhidbeyTheme();

    void RefreshMetrics() override;
    int GetCurrentTheme() override { return xtpThemeWhidbey; }
};

} // namespace XTPPaintThemes
