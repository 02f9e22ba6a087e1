// What a toolbar's expand popup lists: the controls of its dock row that did
// not fit, and the add-or-remove entries of each bar of that row.
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

const int kCustomizeCommand = 35001;

// The visible bars sharing the toolbar's dock row; none when it is not docked.
CXTPDockBar::CToolBarArray DockRowOf(CXTPToolBar* pToolBar)
{
    CXTPDockBar::CToolBarArray arrRow;
    CXTPDockBar* pDockBar = pToolBar ? pToolBar->GetDockBar() : nullptr;
    if (pDockBar == nullptr)
        return arrRow;
    int nPos = pDockBar->FindBar(pToolBar);
    if (nPos >= 0)
        pDockBar->GetRowBars(nPos, arrRow);
    return arrRow;
}

} // namespace

void CXTPCommandBars::GetHiddenControls(CXTPToolBar* pToolBar, CXTPCommandBar* pExpandBar)
{
    if (pExpandBar == nullptr)
        return;
    for (CXTPToolBar* pBar : DockRowOf(pToolBar)) {
        for (int i = 0; i < pBar->GetControlCount(); i++) {
            CXTPControl* pControl = pBar->GetControl(i);
            if (pControl->GetHideFlags() != xtpHideWrap)
                continue;
            CXTPControl* pClone = pExpandBar->GetControls()->AddClone(pControl, -1, TRUE);
            pClone->SetHideFlags(0);
            pClone->SetBeginGroup(FALSE);
        }
    }
}

void CXTPCommandBars::GetAddOrRemoveControls(CXTPToolBar* pToolBar, CXTPCommandBar* pExpandBar)
{
    if (pToolBar == nullptr || pExpandBar == nullptr)
        return;
    CXTPDockBar::CToolBarArray arrBars = DockRowOf(pToolBar);
    if (pToolBar->GetPosition() == xtpBarFloating)
        arrBars.assign(1, pToolBar);
    for (CXTPToolBar* pBar : arrBars) {
        auto* pEntry = static_cast<CXTPControlPopup*>(pExpandBar->GetControls()->Add(xtpControlPopup, 0, CString()));
        pEntry->SetFlags(pEntry->GetFlags() | xtpFlagManualUpdate);
        pEntry->SetCaption(pBar->GetTitle());
        BOOL bEnabled = m_bCustomizeAvail && pBar->IsBuiltIn() && pBar->IsCustomizable();
        pEntry->SetEnabled(bEnabled);
        if (!bEnabled)
            continue;
        CXTPCommandBar* pList = pEntry->GetCommandBar();
        if (pList == nullptr) {
            CXTPPopupBar* pNew = CXTPPopupBar::CreatePopupBar(this);
            pEntry->SetCommandBar(pNew);
            pNew->InternalRelease();
            pList = pNew;
        }
        pBar->FillAddOrRemoveList(pList);
        if (auto* pPopupList = dynamic_cast<CXTPPopupBar*>(pList))
            pPopupList->SetDoubleGripper(TRUE);
    }
    if (m_bCustomizeAvail) {
        CXTPControl* pCustomize = pExpandBar->GetControls()->Add(xtpControlButton, kCustomizeCommand, CString());
        pCustomize->SetBeginGroup(TRUE);
    }
}
