// Resource ids of the command bars: the menu bar's window buttons and their
// glyphs, the reset question. Plain #defines only: resource scripts include
// this too.
#pragma once

#define XTP_IDS_CONFIRM_RESET 9349
#define XTP_ID_MENUBAR_CLOSE_TIP 9403
#define XTP_ID_MENUBAR_RESTORE_TIP 9404
#define XTP_ID_MENUBAR_MINIMIZE_TIP 9405
#define XTP_IDB_MENUBAR_GLYPHS 9407
