// The skin look: toolbar buttons, split buttons and menu items drawn from
// skin bitmaps of the resource module; the gradient look with fixed colours
// wherever a bitmap is missing.
#pragma once
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2007Images.h"

class CXTPOffice2007Theme : public XTPPaintThemes::CXTPOffice2003Theme
{
public:
    CXTPOffice2007Theme();
    ~CXTPOffice2007Theme() override;

    void DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked, BOOL bPopuped,
                       int barPosition) override;
    void DrawControlState(CDC* pDC, CXTPControl* pButton) override;
    void DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked, BOOL bPopuped,
                       BOOL bToolBarStyle, int barPosition) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    void RefreshMetrics() override;
    int GetCurrentTheme() override { return xtpThemeOffice2007; }
    void FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL bAlternative) override;

    CXTPOffice2007Images* GetImages() { return m_pImages; }
    // The cell of a button skin for a state: 0 hot, 1 pressed, 2 open or
    // checked, 3 checked and hot; -1 for no background.
    static int GetButtonCell(BOOL bEnabled, int bSelected, int bPressed, int bChecked, BOOL bPopuped);

private:
    // Draws the cell (cells lie one below the other); FALSE without the image.
    BOOL DrawSkinCell(CDC* pDC, LPCWSTR lpszImage, CRect rc, CSize szCell, int nCell, int nMargin);

    CXTPOffice2007Images* m_pImages;
};
