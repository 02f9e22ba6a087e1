// Measuring edit and combo box controls, shared by the looks: the looks
// differ only in how much room a label takes in menus.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

CSize CXTPPaintManager::MeasureEditControl(CDC* pDC, CXTPControl* pControl, int nPopupLabelExtra)
{
    CXTPControlComboBox* pCombo =
        pControl->GetType() == xtpControlComboBox ? static_cast<CXTPControlComboBox*>(pControl) : nullptr;
    CXTPControlEdit* pEdit = pCombo ? nullptr : static_cast<CXTPControlEdit*>(pControl);
    BOOL bPopup = pControl->GetParent() && pControl->GetParent()->GetType() == xtpBarTypePopup;
    BOOL bLabel = bPopup || (pCombo ? pCombo->GetComboStyle() == 1 : pEdit->GetShowLabel());
    CXTPFontDC font(pDC, m_fontIcon);
    int h = pDC->GetTextExtent(CString(L" ")).cy + 1;
    if (pCombo) {
        TEXTMETRIC tm = {};
        pDC->GetTextMetrics(&tm);
        pCombo->SetThumbWidth(std::max(2 * static_cast<int>(tm.tmAveCharWidth) + 4, 15));
    }
    font.SetFont(&m_fontRegular);
    int nLabel = 0;
    if (bLabel) {
        h = std::max(h, static_cast<int>(pDC->GetTextExtent(CString(L" ")).cy) + 1);
        CString strCaption = pControl->GetCaption();
        StripMnemonics(strCaption);
        nLabel = strCaption.IsEmpty() ? 0 : pDC->GetTextExtent(strCaption).cx;
        nLabel += bPopup ? nPopupLabelExtra : 5;
    }
    if (pCombo)
        pCombo->SetLabelWidth(nLabel);
    else
        pEdit->SetLabelWidth(nLabel);
    int nWidth = pCombo ? pCombo->GetWidth() : pEdit->GetWidth();
    return CSize(nWidth + (bPopup ? nLabel : 0), h + 7);
}
