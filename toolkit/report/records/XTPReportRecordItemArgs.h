// The records that pass one cell between the report's parts: the cell's
// control, row, column, item and rectangle, extended for clicks (the
// point) and for drawing (the DC and the text alignment), and the metrics
// that drawing fills in.
#pragma once
#include <windows.h>

#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/report/XTPReportDefines.h"

class CDC;
class CFont;

struct XTP_REPORTRECORDITEM_ARGS
{
    XTP_REPORTRECORDITEM_ARGS();
    // The item is the row's record's item for the column, the rectangle
    // the row's rectangle of that item.
    XTP_REPORTRECORDITEM_ARGS(CXTPReportControl* pControl, CXTPReportRow* pRow, CXTPReportColumn* pColumn);
    virtual ~XTP_REPORTRECORDITEM_ARGS() = default;
    XTP_REPORTRECORDITEM_ARGS(const XTP_REPORTRECORDITEM_ARGS&) = default;
    XTP_REPORTRECORDITEM_ARGS& operator=(const XTP_REPORTRECORDITEM_ARGS&) = default;

    CXTPReportControl* pControl;
    CXTPReportRow* pRow;
    CXTPReportColumn* pColumn;
    CXTPReportRecordItem* pItem;
    CRect rcItem;
};

struct XTP_REPORTRECORDITEM_CLICKARGS : XTP_REPORTRECORDITEM_ARGS
{
    XTP_REPORTRECORDITEM_CLICKARGS() : ptClient(0, 0) {}
    CPoint ptClient;
};

struct XTP_REPORTRECORDITEM_DRAWARGS : XTP_REPORTRECORDITEM_ARGS
{
    XTP_REPORTRECORDITEM_DRAWARGS() : pDC(nullptr), nTextAlign(DT_LEFT) {}
    CDC* pDC;
    int nTextAlign;
};

// What a cell is drawn with: filled by the paint manager's defaults, the
// record, the item and the owner in turn.
struct XTP_REPORTRECORDITEM_METRICS
{
    CFont* pFont = nullptr;
    COLORREF clrForeground = (COLORREF)-1;
    COLORREF clrBackground = (COLORREF)-1; // -1: the cell is left unfilled
    CString strText;
    int nGroupRowIcon = -1;
    int nGroupRowIconAlign = 0x208; // the group row's icon placement word
};
