// Shows a menu for an owner window and answers what the menu tracking
// answers (the chosen command with TPM_RETURNCMD).
#pragma once
#include <windows.h>

class CMenu;
class CWnd;

// nIDBitmap names a toolbar resource whose images the menu's items show
// (0: none).
UINT XTTrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, UINT nIDBitmap = 0);
