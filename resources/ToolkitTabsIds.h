// Resource ids of the tab strips.
#pragma once

// Tooltips of the navigate buttons.
#define XTP_IDS_TABNAVIGATEBUTTON_LEFT  9200
#define XTP_IDS_TABNAVIGATEBUTTON_RIGHT 9201
#define XTP_IDS_TABNAVIGATEBUTTON_CLOSE 9202
