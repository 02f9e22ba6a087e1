// Resource ids of the command bars: the menu bar's window buttons and their
// glyphs, the toolbar's special buttons,
// the add-or-remove list, the reset question and the customize drag cursors. Plain #defines only: resource scripts include
// this too.
#pragma once

#define XTP_IDS_ADDORREMOVE 9300
#define XTP_IDC_COMMANDBARS_DRAGCOPY 9301
#define XTP_IDC_COMMANDBARS_DRAGMOVE 9302
#define XTP_IDC_COMMANDBARS_DRAGNONE 9303
#define XTP_IDS_CONFIRM_RESET 9349
#define XTP_IDS_TOOLBAR_RESET 9395
#define XTP_ID_TOOLBAR_EXPAND_TIP 9400
#define XTP_ID_TOOLBAR_HIDE_TIP 9401
#define XTP_ID_MENUBAR_CLOSE_TIP 9403
#define XTP_ID_MENUBAR_RESTORE_TIP 9404
#define XTP_ID_MENUBAR_MINIMIZE_TIP 9405
#define XTP_IDB_MENUBAR_GLYPHS 9407
