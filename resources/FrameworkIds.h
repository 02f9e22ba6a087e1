// Numbers the framework itself uses for strings, command ids and child
// window ids. Plain #defines only: resource scripts include this too.
#pragma once

// Toolbar resources have no statement of their own in resource scripts;
// they are raw data of this type: version, bitmap width, bitmap height,
// item count, then one command id per item (0 for a separator):
//     IDR_MAINFRAME RT_TOOLBAR BEGIN 1, 16, 15, 3, ID_A, 0, ID_B END
#ifndef RT_TOOLBAR
#define RT_TOOLBAR 241
#endif

// Strings of the framework
#define AFX_IDS_APP_TITLE           0xE000
#define AFX_IDS_IDLEMESSAGE         0xE001
#define AFX_IDS_HELPMODEMESSAGE     0xE002
#define AFX_IDS_HIDE                0xF011

// Descriptions of the system commands: AFX_IDS_SCFIRST + (SC_xxx - 0xF000) / 16
#define AFX_IDS_SCFIRST             0xEF00
#define AFX_IDS_SCSIZE              0xEF00
#define AFX_IDS_SCMOVE              0xEF01
#define AFX_IDS_SCMINIMIZE          0xEF02
#define AFX_IDS_SCMAXIMIZE          0xEF03
#define AFX_IDS_SCNEXTWINDOW        0xEF04
#define AFX_IDS_SCPREVWINDOW        0xEF05
#define AFX_IDS_SCCLOSE             0xEF06
#define AFX_IDS_SCRESTORE           0xEF12
#define AFX_IDS_SCTASKLIST          0xEF13

// Status bar indicators
#define ID_INDICATOR_EXT            0xE700
#define ID_INDICATOR_CAPS           0xE701
#define ID_INDICATOR_NUM            0xE702
#define ID_INDICATOR_SCRL           0xE703
#define ID_INDICATOR_OVR            0xE704
#define ID_INDICATOR_REC            0xE705
#define ID_INDICATOR_KANA           0xE706
#define ID_SEPARATOR                0

// Standard commands
#define ID_FILE_NEW                 0xE100
#define ID_FILE_OPEN                0xE101
#define ID_FILE_CLOSE               0xE102
#define ID_FILE_SAVE                0xE103
#define ID_FILE_SAVE_AS             0xE104
#define ID_FILE_PRINT               0xE107
#define ID_FILE_PRINT_PREVIEW       0xE109
#define ID_EDIT_CLEAR               0xE120
#define ID_EDIT_COPY                0xE122
#define ID_EDIT_CUT                 0xE123
#define ID_EDIT_PASTE               0xE125
#define ID_EDIT_SELECT_ALL          0xE12A
#define ID_EDIT_UNDO                0xE12B
#define ID_APP_ABOUT                0xE140
#define ID_APP_EXIT                 0xE141
#define ID_HELP_INDEX               0xE142
#define ID_HELP_FINDER              0xE143
#define ID_HELP_USING               0xE144
#define ID_CONTEXT_HELP             0xE145
#define ID_HELP                     0xE146
#define ID_DEFAULT_HELP             0xE147
#define ID_VIEW_TOOLBAR             0xE800
#define ID_VIEW_STATUS_BAR          0xE801

// Child windows of a frame
#define AFX_IDW_CONTROLBAR_FIRST    0xE800
#define AFX_IDW_CONTROLBAR_LAST     0xE8FF
#define AFX_IDW_TOOLBAR             0xE800
#define AFX_IDW_STATUS_BAR          0xE801
#define AFX_IDW_PREVIEW_BAR         0xE802
#define AFX_IDW_RESIZE_BAR          0xE803
#define AFX_IDW_REBAR               0xE804
#define AFX_IDW_DIALOGBAR           0xE805
#define AFX_IDW_DOCKBAR_TOP         0xE81B
#define AFX_IDW_DOCKBAR_LEFT        0xE81C
#define AFX_IDW_DOCKBAR_RIGHT       0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM      0xE81E
#define AFX_IDW_DOCKBAR_FLOAT       0xE81F
#define AFX_IDW_PANE_FIRST          0xE900
#define AFX_IDW_PANE_LAST           0xE9FF
#define AFX_IDW_SIZE_BOX            0xEA20
#define AFX_IDW_PANE_SAVE           0xEA21

// Messages of the data validation and of the help
#define AFX_IDP_PARSE_INT           0xF110
#define AFX_IDP_PARSE_UINT          0xF111
#define AFX_IDP_PARSE_INT_RANGE     0xF112
#define AFX_IDP_PARSE_UINT_RANGE    0xF113
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107

// The MDI client window and the first MDI child's command id
#define AFX_IDW_MDICLIENT           AFX_IDW_PANE_FIRST
#define AFX_IDM_FIRST_MDICHILD      0xFF00

// The check list box's check images
#define AFX_IDB_CHECKLISTBOX        30996
