#include "toolkit/controls/XTTrackPopupMenu.h"

#include "framework/windows/CMenu.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, UINT /*nIDBitmap*/)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return 0;
    // The menu is drawn by the command bars' current look; the classic one
    // is made when there is none yet.
    if (XTPPaintManagerIfAny() == nullptr)
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    // The command bars cannot track a popup bar of their own yet: the
    // system's menu shows the items (without the toolbar's images).
    return static_cast<UINT>(pMenu->TrackPopupMenu(nFlags, x, y, pWndOwner));
}
