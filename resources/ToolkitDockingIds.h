// Resource ids of the docking panes.
#pragma once

// Caption buttons: their ids are also their tooltip strings.
#define XTP_IDS_DOCKINGPANE_AUTOHIDE    9900
#define XTP_IDS_DOCKINGPANE_CLOSE       9901
#define XTP_IDS_DOCKINGPANE_MAXIMIZE    9907
#define XTP_IDS_DOCKINGPANE_RESTORE     9908
#define XTP_IDS_DOCKINGPANE_MENU        9909
