// Resource ids of the tab strips.
#pragma once

// Tooltips of the navigate buttons.
#define XTP_IDS_TABNAVIGATEBUTTON_LEFT  9200
#define XTP_IDS_TABNAVIGATEBUTTON_RIGHT 9201
#define XTP_IDS_TABNAVIGATEBUTTON_CLOSE 9202

// Tab group commands of the tabbed MDI client.
#define XTP_ID_WORKSPACE_MOVEPREVIOUS 9420
#define XTP_ID_WORKSPACE_MOVENEXT     9421
#define XTP_ID_WORKSPACE_NEWHORIZONTAL 9422
#define XTP_ID_WORKSPACE_NEWVERTICAL  9423
