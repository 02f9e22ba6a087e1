// Edit and combo box controls of the classic look; the native look uses them
// with its own frame and drop button.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/common/dc/XTPFontDC.h"

using XTPPaintThemes::CXTPDefaultTheme;

namespace {

BOOL IsInPopup(const CXTPControl* pControl)
{
    return pControl->GetParent() && pControl->GetParent()->GetType() == xtpBarTypePopup;
}

} // namespace

int CXTPDefaultTheme::GetMenuColumnWidth(CXTPControl* pControl) const
{
    CXTPCommandBar* pBar = pControl->GetParent();
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    return std::max(static_cast<int>(szIcon.cx) + 4, m_nTextHeight);
}

CRect CXTPDefaultTheme::DrawClassicLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth)
{
    CRect rc = pControl->GetRect();
    pDC->SetBkMode(TRANSPARENT);
    if (!bLabel)
        return rc;
    BOOL bEnabled = pControl->GetEnabled();
    pDC->SetTextColor(GetColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    CRect rcLabel = rc;
    rcLabel.left += IsInPopup(pControl) ? GetMenuColumnWidth(pControl) + 4 : 2;
    CString strCaption = pControl->GetCaption();
    UINT nFormat = 0;
    if (!pControl->GetParent()->IsKeyboardCuesVisible()) {
        StripMnemonics(strCaption);
        nFormat = DT_NOPREFIX;
    }
    DrawControlText(pDC, strCaption, rcLabel, nFormat, TRUE, FALSE, bEnabled);
    rc.left += nLabelWidth;
    return rc;
}

CSize CXTPDefaultTheme::DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw)
{
    if (!bDraw)
        return MeasureEditControl(pDC, pEdit, GetMenuColumnWidth(pEdit) + 9);
    CXTPFontDC font(pDC, m_fontIcon);
    BOOL bLabel = IsInPopup(pEdit) || pEdit->GetShowLabel();
    if (bLabel)
        font.SetFont(&m_fontRegular);
    CRect rc = DrawClassicLabel(pDC, pEdit, bLabel, pEdit->GetLabelWidth());
    if (pEdit->GetEnabled())
        pDC->FillSolidRect(rc, GetColor(COLOR_WINDOW));
    DrawEditFrame(pDC, rc, pEdit->GetEnabled(), pEdit->GetSelected());
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw)
{
    if (!bDraw)
        return MeasureEditControl(pDC, pComboBox, GetMenuColumnWidth(pComboBox) + 9);
    CXTPFontDC font(pDC, m_fontIcon);
    BOOL bLabel = IsInPopup(pComboBox) || pComboBox->GetComboStyle() == 1;
    if (bLabel)
        font.SetFont(&m_fontRegular);
    CRect rc = DrawClassicLabel(pDC, pComboBox, bLabel, pComboBox->GetLabelWidth());
    BOOL bEnabled = pComboBox->GetEnabled();
    CRect rcButton(rc.right - pComboBox->GetThumbWidth(), rc.top, rc.right, rc.bottom);
    if (bEnabled)
        Rectangle(pDC, rc, COLOR_WINDOW, COLOR_WINDOW);
    pComboBox->DrawEditIcon(pDC, CRect(rc.left + 3, rc.top + 1, rcButton.left + 1, rc.bottom - 1));
    DrawComboDropButton(pDC, rcButton, bEnabled, pComboBox->GetSelected(), pComboBox->IsDroppedDown());
    DrawEditFrame(pDC, rc, bEnabled, pComboBox->GetSelected());
    return CSize(0, 0);
}
