#include "toolkit/controls/XTTrackPopupMenu.h"

#include "framework/windows/CMenu.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, UINT nIDBitmap)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return 0;
    // The menu is drawn by the command bars' current look; the classic one
    // is made when there is none yet.
    if (XTPPaintManagerIfAny() == nullptr)
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    if (XTPPaintManagerIfAny() == nullptr)
        return static_cast<UINT>(pMenu->TrackPopupMenu(nFlags, x, y, pWndOwner));

    CXTPPopupBar* pPopupBar = CXTPPopupBar::CreatePopupBar(nullptr);
    if (nIDBitmap > 0) {
        CXTPImageManager* pImageManager = new CXTPImageManager();
        pImageManager->SetIconsFromToolBar(nIDBitmap);
        pPopupBar->SetImageManager(pImageManager);
    }
    UINT nResult = 0;
    pPopupBar->SetNotifyWindow(pWndOwner);
    if (pPopupBar->LoadMenu(pMenu, TRUE))
        nResult = static_cast<UINT>(
            CXTPCommandBars::TrackPopupBar(pPopupBar, nFlags | TPM_NONOTIFY, x, y, pWndOwner));
    pPopupBar->InternalRelease();
    return nResult;
}
