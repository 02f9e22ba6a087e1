// The look drawn by the system's visual style (toolbar, rebar and combo box
// classes); while styles are off it is exactly the classic look.
#pragma once
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"

class CXTPWinThemeLibrary;

namespace XTPPaintThemes {

class CXTPNativeXPTheme : public CXTPDefaultTheme
{
public:
    // Without a library the process's visual-style library is used.
    explicit CXTPNativeXPTheme(CXTPWinThemeLibrary* pLibrary = nullptr);
    ~CXTPNativeXPTheme() override;

    void DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked, BOOL bPopuped,
                       BOOL bToolBarStyle, int barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    void FillDockBar(CDC* pDC, CWnd* pBar) override;
    void RefreshMetrics() override;
    CSize DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() override { return xtpThemeNativeWinXP; }
    void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected) override;
    void DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDroppedDown) override;

    // Both the rebar and the toolbar classes are open and themed.
    BOOL IsThemed();
    BOOL IsFlatMenus() const { return m_bFlatMenus; }

protected:
    // The system's flat menu setting; FALSE when it cannot be read.
    virtual BOOL GetSystemFlatMenus();
    // The rebar background over the parent's client area, clipped to the window.
    void FillBandBackground(CDC* pDC, CWnd* pWnd);
    void DrawClassicFrames(CDC* pDC, CRect rc);

    CXTPWinThemeWrapper m_themeRebar;
    CXTPWinThemeWrapper m_themeToolbar;
    CXTPWinThemeWrapper m_themeComboBox;
    COLORREF m_clrEdgeShadowColor;
    BOOL m_bFlatMenus;
};

} // namespace XTPPaintThemes
