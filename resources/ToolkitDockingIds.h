// Resource ids of the docking panes.
#pragma once

// Caption buttons: their ids are also their tooltip strings.
#define XTP_IDS_DOCKINGPANE_AUTOHIDE    9900
#define XTP_IDS_DOCKINGPANE_CLOSE       9901
#define XTP_IDS_DOCKINGPANE_MAXIMIZE    9907
#define XTP_IDS_DOCKINGPANE_RESTORE     9908
#define XTP_IDS_DOCKINGPANE_MENU        9909
// Docking stickers: the cross background, the arrows in the blue, olive and
// silver schemes, and everything of the second style.
#define XTP_IDB_DOCKINGPANE_STICKER_CROSS   9903
#define XTP_IDB_DOCKINGPANE_STICKERS        9904
#define XTP_IDB_DOCKINGPANE_STICKERS_OLIVE  9905
#define XTP_IDB_DOCKINGPANE_STICKERS_SILVER 9906
#define XTP_IDB_DOCKINGPANE_STICKERS_SECOND 9910
