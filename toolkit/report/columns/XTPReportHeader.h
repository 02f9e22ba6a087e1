// The column header of the report with its group-by box and footer: lays
// the columns out, hit-tests items, dividers and group-by items, and lets
// the user resize, sort, reorder, group and remove columns with the mouse.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "toolkit/report/XTPReportDefines.h"

class CDC;
class CXTPPropExchange;
class CXTPReportHeaderDragWnd;
class CXTPReportHeaderDropWnd;
class CXTPReportColumnListBox;

class CXTPReportHeader : public CCmdTarget
{
public:
    CXTPReportHeader(CXTPReportControl* pControl, CXTPReportColumns* pColumns);
    ~CXTPReportHeader() override;

    void DoPropExchange(CXTPPropExchange* pPX);
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI);

    void Draw(CDC* pDC, CRect rcHeader, int nLeftOffset);
    void DrawFooter(CDC* pDC, CRect rcFooter, int nLeftOffset);
    void DrawGroupByControl(CDC* pDC, CRect rcGroupBy);
    int GetGroupByHeight() const;

    void AdjustColumnsWidth(int nTotalWidth, int nFirstIndex = 0);
    // Lays the column rectangles out from their widths, in scrolled
    // coordinates: frozen columns stay, the others move with the offset.
    void PlaceColumns();
    void ResizeColumn(CXTPReportColumn* pColumn, int nWidth);
    void BestFit(CXTPReportColumn* pColumn);
    void CancelDrag();
    // A press while a column is still pressed or dragged: that press's
    // release went elsewhere. It ends as released where the mouse last was.
    void EndPressWithLostRelease();
    void OnColumnsChanged();

    CXTPReportColumn* HitTest(CPoint ptPoint) const;
    CXTPReportColumn* DividerHitTest(CPoint ptPoint) const;
    int FindGroupByColumn(CPoint ptPoint) const;
    int FindHeaderColumn(CPoint ptPoint) const;
    int FindGroupByInsertPosition(int x) const;
    CRect ColumnRect(CXTPReportColumn* pColumn) const;
    void SetColumnListBox(CXTPReportColumnListBox* pListBox) { m_pColumnListBox = pListBox; }
    CXTPReportColumn* GetNextVisibleColumn(CXTPReportColumn* pColumn, int nDirection) const;
    BOOL IsLastVisibleColumn(CXTPReportColumn* pColumn) const;
    BOOL IsLastResizebleColumn(CXTPReportColumn* pColumn) const;

    void OnLButtonDown(CPoint ptClick);
    void OnLButtonUp(UINT nFlags, CPoint ptClick);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(CPoint ptDblClick);
    void OnContextMenu(CPoint ptClick);

    void SetHeaderRect(const CRect& rc) { m_rcHeader = rc; }
    void SetGroupByRect(const CRect& rc) { m_rcGroupBy = rc; }
    CRect GetHeaderRect() const { return m_rcHeader; }
    CRect GetGroupByRect() const { return m_rcGroupBy; }
    int GetTotalWidth() const { return m_nTotalWidth; }
    int GetDragState() const { return m_nDragState; }
    CXTPReportColumn* GetHotTrackingColumn() const { return m_pHotTrackingColumn; }
    CXTPReportColumn* GetTrackingColumn() const { return m_pTrackingColumn; }
    BOOL IsDragHeader() const { return m_bDragHeader; }
    BOOL IsDragGroupBox() const { return m_bDragGroupBox; }

    BOOL IsColumnAutoSizing() const { return m_bAutoColumnSizing; }
    void SetAutoColumnSizing(BOOL bAutoColumnSizing);
    void AllowColumnRemove(BOOL bAllow) { m_bAllowColumnRemove = bAllow; }
    void AllowColumnResize(BOOL bAllow) { m_bAllowColumnResize = bAllow; }
    void AllowColumnReorder(BOOL bAllow) { m_bAllowColumnReorder = bAllow; }
    void AllowColumnSort(BOOL bAllow) { m_bAllowColumnSort = bAllow; }
    void ShowItemsInGroups(BOOL bShow) { m_bShowItemsInGroups = bShow; }

protected:
    int VisibleIndexOf(CXTPReportColumn* pColumn) const;
    int GroupByItemHeight() const;
    CRect GroupByItemRect(int nIndex) const;
    void TrackResize(CXTPReportColumn* pColumn, CPoint ptClick);
    void OnDragMove(CPoint point);
    // Places the drop marker at a visible header position or a group-by
    // insert position; -1 hides it.
    void SetDropIndex(int nIndex, BOOL bHeader);
    void OnColumnClick(CXTPReportColumn* pColumn, UINT nFlags, CPoint ptClick);
    void OnColumnDrop(CXTPReportColumn* pColumn, UINT nFlags);

public:
    CXTPReportControl* m_pControl;
    CXTPReportColumns* m_pColumns;
    int m_nDropIndex;
    CXTPReportHeaderDropWnd* m_pDropWnd;
    CXTPReportHeaderDragWnd* m_pDragWnd;
    HCURSOR m_hDontDropCursor;
    HCURSOR m_hResizeCursor;
    CXTPReportColumn* m_pTrackingColumn;
    CXTPReportColumn* m_pHotTrackingColumn;
    BOOL m_bDragHeader;
    BOOL m_bDragGroupBox;
    CRect m_rcGroupBy;
    CRect m_rcHeader;
    CPoint m_ptMouse;
    // Where the mouse last was while a column is pressed or dragged.
    CPoint m_ptLastMove;
    BOOL m_bAllowColumnRemove;
    BOOL m_bAllowColumnResize;
    BOOL m_bAllowColumnReorder;
    BOOL m_bAllowColumnSort;
    BOOL m_bAutoColumnSizing;
    int m_nResizeCaptureRange;
    BOOL m_bShowItemsInGroups;
    int m_nTotalWidth;
    int m_nDragState;
    CXTPReportColumnListBox* m_pColumnListBox;
};
