// Resource, command and control ids of the application. Plain #defines
// only: resources/app.rc includes this too.
#pragma once

// Resources
#define IDR_MAINFRAME               128     // menu, accelerators, icon, document string
#define IDR_TOOLBAR_ALPHA           130     // toolbar and its 32-bit strip (32 x 32)
#define IDR_TRAYMENU                133
#define IDD_OPTIONS                 134
#define IDR_TOOLBAR_COLOR           135     // the same toolbar with 24-bit images on green
#define IDI_POPUP_CLOSE             136
#define IDB_FLAGS                   141     // 32 team flags of 16 x 16, 32 bits
#define IDR_CONTEXTMENU             143
#define IDB_PLAY_SOUND              144
#define IDD_INFO                    146
#define IDB_WEB_ICONS               147     // icons of 32802 and 32801, 16 x 16 on green
#define IDD_INFO_TICKET             148
#define IDR_RTF_SINGLE_TICKET       150
#define IDR_RTF_TST_TICKET          151
#define IDD_ABOUTBOX                8953

// Strings
#define IDS_OLE_INIT_FAILED         100
#define IDS_STARTUP_INFO            102
#define IDS_OFFLINE                 103
#define IDS_TICKETINFO_LOADED       104
#define IDS_TICKETINFO_LOADING      105
#define IDS_TICKETINFO_FAILED       106
#define IDS_DATABASE_FAILED         107
#define IDS_PANE_TICKETS            108
#define IDS_MENUBAR                 110
#define IDS_TOOLBAR_STANDARD        111
#define IDS_NO_TICKETS              112
#define IDS_COLUMN_AVAILABLE_FROM   113
#define IDS_COLUMN_TEAM1            114
#define IDS_COLUMN_TEAM2            115
#define IDS_COLUMN_CITY             116
#define IDS_COLUMN_DATE             117
#define IDS_COLUMN_CATEGORY         118
#define IDS_ALREADY_RUNNING         119
#define IDS_SOUND_FILTER            120
#define IDS_SOUND_PROMPT            121
#define IDS_TAB_MATCHES             122
#define IDS_TAB_STATISTIC           123
#define IDS_COLUMN_WATCH            124
#define IDS_COLUMN_NUMBER           125
#define IDS_COLUMN_ROUND            126
#define IDS_GAMES_UNREADABLE        127
#define IDS_COLUMN_FROM             129
#define IDS_COLUMN_TO               130
#define IDS_STATISTIC_FAILED        131
#define IDS_STATISTIC_LOADING       132

// Commands
#define ID_START_SEARCH             32771
#define ID_STOP_SEARCH              32772
#define ID_OPTIONS                  32773
#define ID_INFO_SINGLE_TICKET       32775
#define ID_TRAY_OPEN                32789
#define ID_ABOUT                    32791
#define ID_SELECT_ALL               32796
#define ID_DESELECT_ALL             32797
#define ID_CHECK_ROW                32798
#define ID_UNCHECK_ROW              32799
#define ID_WEB_PAGES                32800
#define ID_WEB_PAGE                 32801
#define ID_WEB_GLOBE                32802
#define ID_REFRESH_STATISTIC        32803
#define ID_INFO_TST_TICKET          32804
#define ID_SELECT_GERMANY           32812
#define ID_SELECT_CITY              32814
#define ID_SELECT_SEMI_FINALS       32819
#define ID_SELECT_QUARTER_FINALS    32820
#define ID_SELECT_ROUND_OF_16       32822
#define ID_LOGO                     32823
#define ID_CUSTOMIZE                35001

// Controls of the options dialog
#define IDC_RUN_AT_STARTUP          1004
#define IDC_AUTO_SCAN               1005
#define IDC_INTERVAL                1006
#define IDC_START_MINIMIZED         1007
#define IDC_INTERVAL_SPIN           1008
#define IDC_FIND_YELLOW             1009
#define IDC_BEEP                    1010
#define IDC_OPEN_WEB                1011
#define IDC_SOUND_PATH              1012
#define IDC_PLAY_SOUND              1013
#define IDC_FIND_TST                1014
#define IDC_FIND_RESALE             1015

// Controls of the information dialogs
#define IDC_DONT_SHOW_AGAIN         1016
#define IDC_INFO_TEXT               1017
#define IDC_RTF_TEXT                1019
#define IDC_FAQ                     149

// Labels and frames that no code reaches
#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif
