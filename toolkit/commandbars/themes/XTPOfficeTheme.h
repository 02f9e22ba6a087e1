// The flat look: bars in plain colours of the colour table, hot and pressed
// controls as a filled rectangle with a one-pixel frame, popup menus with a
// coloured icon column. The gradient looks build on it.
#pragma once
#include "toolkit/commandbars/themes/XTPPaintManager.h"

class CXTPPopupBar;

namespace XTPPaintThemes {

class CXTPOfficeTheme : public CXTPPaintManager
{
public:
    CXTPOfficeTheme();
    ~CXTPOfficeTheme() override;

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw) override;
    CSize DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw) override;
    CSize DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw) override;
    CSize DrawListBoxControl(CDC* pDC, CXTPControl* pButton, CRect rc, BOOL bSelected, BOOL bDraw) override;
    void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked, BOOL bPopuped,
                       int barPosition) override;
    void DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked, BOOL bPopuped,
                       BOOL bToolBarStyle, int barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected, BOOL bPressed,
                   BOOL bEnabled = TRUE, BOOL bChecked = FALSE, BOOL bPopuped = FALSE,
                   BOOL bToolBarImage = TRUE) override;
    CSize DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() override { return xtpThemeOfficeXP; }

    // The icon column of popup menus (the alternative fill: the part shown by expanding).
    virtual void FillGradientRect(CDC* pDC, int x, int y, int cx, int cy, BOOL bAlternative);
    int GetPopupBarIconColumnWidth(CXTPCommandBar* pBar);
    // Fills where an open popup touches the control that opened it.
    void FillPopupJoin(CDC* pDC, CXTPPopupBar* pPopupBar, int nColor);

protected:
    void FillGradient(CDC* pDC, CRect rc, const CXTPGradientValue& gradient, BOOL bHorz, LPCRECT lpClip = nullptr);
    // The Office XP body of a bar, used as the fallback of the gradient looks.
    void FillFlatBarEntry(CDC* pDC, CXTPCommandBar* pBar);
    // Two frames of colour 43 with the corner pixels of a floating bar.
    void DrawFloatingFrame(CDC* pDC, CRect rc);
    CSize DrawFloatingTitle(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw);
    // Draws the label of an edit or combo box and answers the field right of it.
    CRect DrawEditLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth);
    void DrawMenuArrow(CDC* pDC, CRect rc, COLORREF clr);
};

} // namespace XTPPaintThemes
