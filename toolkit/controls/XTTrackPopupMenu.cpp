#include "toolkit/controls/XTTrackPopupMenu.h"

#include "framework/windows/CMenu.h"
#include "framework/windows/CWnd.h"

UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, UINT /*nIDBitmap*/)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return 0;
    // The command bars' popup bar is not part of this build yet: the
    // system's menu shows the items (without their toolbar images).
    return static_cast<UINT>(pMenu->TrackPopupMenu(nFlags, x, y, pWndOwner));
}
