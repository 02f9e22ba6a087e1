// Resource ids of the toolkit's standalone controls (themed button, edits,
// browse button, folder dialog). Plain #defines only: resource scripts
// include this too.
#pragma once

// Eight 11 x 11 glyphs on magenta; the popup-mode browse button shows glyph 4.
#define XT_IDB_BROWSE_GLYPHS        9000
// The edit context menu (submenu 1) and the toolbar whose images it shows.
#define XT_IDM_EDIT_POPUP           9014
#define XT_IDR_EDIT_TOOLBAR         9017

#define XT_IDS_SELECT_FOLDER        9030
#define XT_IDS_BROWSE_CAPTION       9032
#define XT_IDS_DEFAULT_EXT          9033
#define XT_IDS_DEFAULT_FILTER       9034
#define XT_IDS_FOLDER_PROMPT        9035

// Control id of the button a browse edit makes.
#define XT_IDC_BROWSE_BUTTON        9124
