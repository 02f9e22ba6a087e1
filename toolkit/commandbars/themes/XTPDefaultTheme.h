// The classic look: raised and sunken frames of the system face, shadow and
// highlight colours, no gradients.
#pragma once
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace XTPPaintThemes {

class CXTPDefaultTheme : public CXTPPaintManager
{
public:
    CXTPDefaultTheme();
    ~CXTPDefaultTheme() override;

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw) override;
    void DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc) override;
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
    CSize DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton, CXTPCommandBar* pBar,
                             BOOL bDraw, LPVOID lpParam) override;
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected, BOOL bPressed,
                   BOOL bEnabled = TRUE, BOOL bChecked = FALSE, BOOL bPopuped = FALSE,
                   BOOL bToolBarImage = TRUE) override;
    CSize DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() override { return xtpThemeOffice2000; }

    virtual void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected);
    virtual void DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bDroppedDown);
    // szText: the text's extent when the caller has measured it already.
    virtual CSize DrawControlText(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bDraw, BOOL bSelected,
                                  BOOL bEnabled, CSize szText = CSize(-1, -1));

    int GetPopupBarTextColor() const { return m_nPopupBarTextColor; }

protected:
    // The check and icon column of menu items for a control's bar.
    int GetMenuColumnWidth(CXTPControl* pControl) const;
    // Draws the label and answers the field right of it.
    CRect DrawClassicLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth);
    // Fills with the halftone of face and highlight (checked, idle buttons).
    void FillDither(CDC* pDC, CRect rc);

    int m_nReserved;
    int m_nPopupBarTextColor;
};

} // namespace XTPPaintThemes
