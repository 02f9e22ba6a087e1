// Notification codes, notification records and shared constants of the
// report control. Every notification goes to the owner as WM_NOTIFY and
// starts with the system NMHDR.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CXTPReportControl;
class CXTPReportColumn;
class CXTPReportColumns;
class CXTPReportRecord;
class CXTPReportRecords;
class CXTPReportRecordItem;
class CXTPReportRow;
class CXTPReportRows;
class CStringArray;
struct XTP_REPORTRECORDITEM_DRAWARGS;
struct XTP_REPORTRECORDITEM_METRICS;

// Codes the control adds to the common NM_CLICK, NM_DBLCLK, NM_RCLICK,
// NM_KEYDOWN, NM_CHAR and LVN_BEGINDRAG.
#define RN_HEADERRCLICK (-51)
#define RN_SELCHANGED (-52)
#define RN_CHECKED (-53)
#define RN_HYPERLINK (-54)
#define RN_COLUMNSCHANGED (-55)
#define RN_SORTCHANGED (-56)
#define RN_VALUECHANGED (-57)
#define RN_INPLACEBUTTON (-58)
#define RN_ROWEXPANDED (-59)
#define RN_ITEMPRESS (-60)
#define RN_ITEMMETRICS (-61)
#define RN_REQUESTEDIT (-62)
#define RN_BEFORECOPYTEXT (-63)
#define RN_BEFOREPASTETEXT (-64)
#define RN_BEFOREPASTE (-65)
#define RN_SORTCHANGING (-67)
#define RN_COLUMNWIDTHS (-68)
#define RN_PREVIEWKEYDOWN (-69)
#define RN_BEGINDRAG (-70)
#define RN_DROP (-71)
#define XTP_NM_REPORT_HYPERLINK RN_HYPERLINK

// A row, item, column, hyperlink index (-1 none) and point.
struct XTP_REPORTNOTIFY_ITEM
{
    NMHDR hdr;
    CXTPReportRow* pRow;
    CXTPReportRecordItem* pItem;
    CXTPReportColumn* pColumn;
    int nHyperlink;
    POINT pt;
};
typedef XTP_REPORTNOTIFY_ITEM XTP_NM_REPORTRECORDITEM;

// The owner sets bCancel to refuse the change.
struct XTP_REPORTNOTIFY_REQUESTEDIT : XTP_REPORTNOTIFY_ITEM
{
    BOOL bCancel;
};

struct XTP_REPORTNOTIFY_METRICS
{
    NMHDR hdr;
    XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs;
    XTP_REPORTRECORDITEM_METRICS* pMetrics;
};

// The owner may change the key or set bCancel to stop it.
struct XTP_REPORTNOTIFY_KEY
{
    NMHDR hdr;
    UINT nChar;
    UINT nRepCnt;
    UINT nFlags;
    BOOL bCancel;
};

struct XTP_REPORTNOTIFY_RECORDTEXT
{
    NMHDR hdr;
    CXTPReportRecord** ppRecord;
    CStringArray* pStrings;
};

struct XTP_REPORTNOTIFY_DRAGDROP
{
    NMHDR hdr;
    CXTPReportRecords* pRecords;
};

// Glyphs of the paint manager's glyph image list.
enum XTPReportGlyph
{
    xtpReportGlyphCollapsed = 0,
    xtpReportGlyphExpanded = 1,
    xtpReportGlyphUnchecked = 2,
    xtpReportGlyphChecked = 3,
    xtpReportGlyphUncheckedDisabled = 4,
    xtpReportGlyphCheckedDisabled = 5,
};

enum XTPReportGridStyle
{
    xtpReportGridNone = 0,
    xtpReportGridSmallDots = 1,
    xtpReportGridLargeDots = 2,
    xtpReportGridDashes = 3,
    xtpReportGridSolid = 4,
};

enum XTPReportColumnStyle
{
    xtpReportColumnShaded = 0,
    xtpReportColumnFlat = 1,
    xtpReportColumnThemed = 2,
    xtpReportColumnGradient = 3,
};

enum XTPReportTreeStyle
{
    xtpReportTreeNone = 0,
    xtpReportTreeSolid = 1,
    xtpReportTreeDotted = 2,
};

// The header's mouse modes.
enum XTPReportMouseMode
{
    xtpReportMouseIdle = 0,
    xtpReportMouseOverDivider = 1,
    xtpReportMouseColumnPressed = 2,
    xtpReportMouseColumnDragging = 3,
};

// Ids of the in-place buttons.
#define XTP_ID_REPORT_EXPANDBUTTON 100
#define XTP_ID_REPORT_COMBOBUTTON 101

// Schema from which record items store their caption.
#define XTP_REPORT_SCHEMA_CAPTION 17

// Window class of the control.
#define XTPREPORTCTRL_CLASSNAME L"XTPReport"
