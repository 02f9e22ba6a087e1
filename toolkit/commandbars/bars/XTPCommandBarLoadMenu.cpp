// Filling a bar from a menu.
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CMenu.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

BOOL CXTPCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls)
{
    HMENU hMenu = pMenu ? pMenu->GetSafeHmenu() : nullptr;
    if (!hMenu || !::IsMenu(hMenu))
        return FALSE;
    if (bRemoveControls)
        m_pControls->RemoveAll();
    BOOL bBeginGroup = FALSE;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &info))
            continue;
        if ((info.fType & MFT_SEPARATOR) || (info.wID == 0 && !info.hSubMenu)) {
            bBeginGroup = TRUE;
            continue;
        }
        CXTPControl* pControl = m_pControls->AddMenuItem(pMenu, i);
        if (!pControl)
            continue;
        pControl->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
        if (info.fState & MFS_CHECKED)
            pControl->SetChecked(TRUE);
        if (info.fState & (MFS_DISABLED | MFS_GRAYED))
            pControl->SetEnabled(FALSE);
    }
    CFrameWnd* pFrame = GetSiteFrame();
    if (pFrame && pFrame->GetSafeHwnd())
        pFrame->DelayRecalcLayout();
    return TRUE;
}
