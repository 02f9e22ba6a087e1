// The tip a bar shows for the control under the mouse.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"

namespace {
// Control flag: shows its tip also on a popup bar.
const DWORD kFlagPopupTip = 64;
} // namespace

INT_PTR CXTPCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPCommandBarsOptions* pOptions = pCommandBars ? pCommandBars->GetOptions() : nullptr;
    if ((m_bTracking == xtpTrackingPopup && m_barType != xtpBarTypePopup) || pMouseManager->IsMouseLocked() ||
        pMouseManager->IsTrackingElsewhere(const_cast<CXTPCommandBar*>(this)) ||
        (pOptions && !pOptions->bToolBarScreenTips))
        return -1;
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl)
        return -1;
    if (m_barType == xtpBarTypePopup &&
        (!pOptions || !(pOptions->bShowPopupBarToolTips || (pControl->GetFlags() & kFlagPopupTip))))
        return -1;
    // The tip and its title are built afresh each time: hovering again
    // must not append the shortcut a second time.
    CString strTip = pControl->GetTooltip();
    if (strTip.IsEmpty())
        return -1;
    CString strTitle = pControl->GetCaption();
    if (pOptions && pOptions->bToolBarAccelTips) {
        CString strShortcut = pControl->GetCurrentShortcutText();
        if (!strShortcut.IsEmpty()) {
            strTip += L" (" + strShortcut + L")";
            strTitle += L" (" + strShortcut + L")";
        }
    }
    CRect rc = pControl->GetRect();
    int nId = pControl->GetID();
    if (pTI)
        CXTPToolTipContext::FillInToolInfo(pTI, GetSafeHwnd(), rc.left, rc.top, rc.right, rc.bottom,
                                           static_cast<UINT>(nId), strTip, strTitle, pControl->GetDescription());
    return nId == 0 ? -1 : nId;
}
