// Resource ids of the report control.
#pragma once

// Texts of the report's paint manager.
#define IDS_REPORT_GROUPBY_HINT 9503
#define IDS_REPORT_NO_ITEMS 9504
#define IDS_REPORT_NO_FIELDS 9505
#define IDS_REPORT_SORT_BY 9506

// Expand boxes and check boxes, 72 x 12, magenta transparent.
#define IDB_REPORT_GLYPHS 9502
// Shown while a dragged column would be removed, and over a column divider.
#define IDC_REPORT_REMOVE_COLUMN 9500
#define IDC_REPORT_RESIZE_COLUMN 9972
