// Resource ids of the report control.
#pragma once

// Texts of the report's paint manager.
#define IDS_REPORT_GROUPBY_HINT 9503
#define IDS_REPORT_NO_ITEMS 9504
#define IDS_REPORT_NO_FIELDS 9505
#define IDS_REPORT_SORT_BY 9506
