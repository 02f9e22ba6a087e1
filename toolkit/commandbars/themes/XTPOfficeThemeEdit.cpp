// Edit and combo box controls of the flat look; the gradient looks use them
// unchanged.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/themes/XTPOfficeTheme.h"
#include "toolkit/common/dc/XTPFontDC.h"

using XTPPaintThemes::CXTPOfficeTheme;

namespace {

BOOL IsInPopup(const CXTPControl* pControl)
{
    return pControl->GetParent() && pControl->GetParent()->GetType() == xtpBarTypePopup;
}

} // namespace

CRect CXTPOfficeTheme::DrawEditLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth)
{
    CRect rc = pControl->GetRect();
    pDC->SetBkMode(TRANSPARENT);
    if (!bLabel)
        return rc;
    BOOL bPopup = IsInPopup(pControl);
    BOOL bEnabled = pControl->GetEnabled();
    int bSelected = pControl->GetSelected();
    CRect rcLabel = rc;
    rcLabel.left += bPopup ? GetPopupBarIconColumnWidth(pControl->GetParent()) + 7 : 2;
    if (bPopup) {
        if (bSelected)
            DrawRectangle(pDC, rc, bSelected, FALSE, bEnabled, FALSE, FALSE, FALSE, xtpBarPopup);
        pDC->SetTextColor(GetColor(!bEnabled ? 35 : (bSelected ? 45 : 44)));
    } else {
        pDC->SetTextColor(GetColor(bEnabled ? 46 : 60));
    }
    CString strCaption = pControl->GetCaption();
    UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (!pControl->GetParent()->IsKeyboardCuesVisible()) {
        StripMnemonics(strCaption);
        nFormat |= DT_NOPREFIX;
    }
    pDC->DrawText(strCaption, &rcLabel, nFormat);
    rc.left += nLabelWidth;
    return rc;
}

CSize CXTPOfficeTheme::DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw)
{
    if (!bDraw)
        return MeasureEditControl(pDC, pEdit, GetPopupBarIconColumnWidth(pEdit->GetParent()) + 12);
    BOOL bPopup = IsInPopup(pEdit);
    BOOL bLabel = bPopup || pEdit->GetShowLabel();
    CXTPFontDC font(pDC, &m_fontRegular);
    CRect rc = DrawEditLabel(pDC, pEdit, bLabel, pEdit->GetLabelWidth());
    int bSelected = pEdit->GetSelected();
    if (!pEdit->GetEnabled()) {
        Rectangle(pDC, CRect(rc.left + 1, rc.top, rc.right, rc.bottom), bSelected == 2 ? 32 : 40, COLOR_3DFACE);
        return CSize(0, 0);
    }
    pDC->FillSolidRect(CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1), GetColor(COLOR_WINDOW));
    if (bSelected)
        Rectangle(pDC, rc, 32, COLOR_WINDOW);
    else if (bPopup)
        Draw3dRect(pDC, rc, 53, 53);
    return CSize(0, 0);
}

CSize CXTPOfficeTheme::DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw)
{
    if (!bDraw)
        return MeasureEditControl(pDC, pComboBox, GetPopupBarIconColumnWidth(pComboBox->GetParent()) + 12);
    BOOL bPopup = IsInPopup(pComboBox);
    BOOL bLabel = bPopup || pComboBox->GetComboStyle() == 1;
    CXTPFontDC font(pDC, &m_fontRegular);
    CRect rc = DrawEditLabel(pDC, pComboBox, bLabel, pComboBox->GetLabelWidth());
    int bSelected = pComboBox->GetSelected();
    BOOL bEnabled = pComboBox->GetEnabled();
    BOOL bDropped = pComboBox->IsDroppedDown();
    int nThumb = pComboBox->GetThumbWidth();
    CRect rcButton(rc.right - nThumb, rc.top, rc.right, rc.bottom);
    if (!bEnabled) {
        Rectangle(pDC, CRect(rc.left + 1, rc.top, rc.right, rc.bottom), bSelected == 2 ? 32 : 40, COLOR_3DFACE);
        rcButton.DeflateRect(1, 1);
    } else {
        pDC->FillSolidRect(CRect(rc.left + 1, rc.top + 1, rc.right - nThumb + 1, rc.bottom - 1),
                           GetColor(COLOR_WINDOW));
        if (bSelected) {
            Rectangle(pDC, rc, 32, COLOR_WINDOW);
            Rectangle(pDC, rcButton, 32, bDropped ? 33 : 31);
            rcButton.DeflateRect(1, 1);
        } else {
            rcButton.DeflateRect(1, 1);
            if (bPopup) {
                Draw3dRect(pDC, rc, 53, 53);
                Rectangle(pDC, rcButton, COLOR_WINDOW, 53);
            } else {
                Draw3dRect(pDC, rcButton, COLOR_WINDOW, COLOR_WINDOW);
            }
        }
    }
    pComboBox->DrawEditIcon(pDC, CRect(rc.left + 3, rc.top + 1, rc.right - nThumb, rc.bottom - 1));
    int nArrow = !bEnabled ? 40 : (bDropped ? 47 : (bSelected ? 45 : 46));
    DrawDropDownArrow(pDC, rcButton, GetColor(nArrow));
    return CSize(0, 0);
}
