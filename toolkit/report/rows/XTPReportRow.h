// The on-screen form of one record: its place in the row tree and in the
// displayed list, the drawing of the record's cells, its height, cell hit
// tests, and the mouse actions it turns into item calls and owner
// notifications. Rows are reference counted; each list holding one holds
// a reference.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "toolkit/report/records/XTPReportRecordItemArgs.h"

class CDC;
class CXTPReportTip;

class CXTPReportRow : public CCmdTarget
{
public:
    CXTPReportRow();
    ~CXTPReportRow() override;

    virtual void Draw(CDC* pDC, CRect rcRow, int nLeftOffset);
    virtual int GetHeight(CDC* pDC, int nWidth);
    virtual void SetExpanded(BOOL bExpanded);
    virtual BOOL IsGroupRow() const;
    virtual void OnClick(CPoint ptClicked);
    // The owner's reply to RN_ITEMPRESS; nonzero ends the control's handling.
    virtual LRESULT OnLButtonDown(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs);
    virtual void OnDblClick(CPoint ptClicked);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnContextMenu(CPoint ptClick);
    virtual BOOL IsShown() const;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI);

    void InitRow(CXTPReportControl* pControl, CXTPReportRecord* pRecord);
    void CopyFrom(CXTPReportRow* pRow);

    CXTPReportRecord* GetRecord() const { return m_pRecord; }
    CXTPReportControl* GetControl() const { return m_pControl; }
    // The position in the displayed rows (-1 when not displayed).
    int GetIndex() const { return m_nIndex; }
    void SetIndex(int nIndex) { m_nIndex = nIndex; }
    CRect GetRect() const { return m_rcRow; }
    CXTPReportRow* GetParentRow() const { return m_pParentRow; }
    CXTPReportRows* GetParentRows() const { return m_pParentRows; }
    int GetTreeDepth() const { return m_nRowLevel; }
    int GetGroupLevel() const { return m_nGroupLevel; }
    BOOL IsVisible() const { return m_bVisible; }
    CXTPReportRows* GetChilds();
    BOOL HasChildren() const;
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL HasParent(CXTPReportRow* pRow) const;
    BOOL IsLastChild() const;
    BOOL IsSelected() const;
    BOOL IsFocused() const;
    BOOL HasPreview() const;
    int GetChildIndex() const { return m_nChildIndex; }
    CRect GetItemRect(CXTPReportRecordItem* pItem);
    CXTPReportRecordItem* HitTest(CPoint ptPoint, CRect* pRectItem = nullptr, CXTPReportColumn** ppColumn = nullptr);
    void SelectChildren();
    void FillMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    // The in-place editor's metrics: the cell's without the selection
    // colours (the editor paints on the window colour).
    void FillEditingMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem,
                            XTP_REPORTRECORDITEM_METRICS* pMetrics);
    // Cell metrics: paint-manager defaults, the record, the item, the owner,
    // then the selection colours.
    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    void ShowToolTip(CPoint ptTip, CXTPReportTip* pTipWnd);

protected:
    void FillCellMetrics(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem, XTP_REPORTRECORDITEM_METRICS* pMetrics,
                         BOOL bSelectionColors);
    void GetPlainItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    // The item, column and cell under the point; FALSE when no item is there.
    BOOL MakeClickArgs(CPoint ptClicked, XTP_REPORTRECORDITEM_CLICKARGS& clickArgs);
    void DrawCell(CDC* pDC, CXTPReportColumn* pColumn, int nIndent, const CRect& rcClip, BOOL bFrozen);

public:
    CXTPReportRecord* m_pRecord;
    CXTPReportControl* m_pControl;
    int m_nIndex;
    CRect m_rcRow;
    CRect m_rcCollapse;
    CXTPReportRow* m_pParentRow;
    CXTPReportRows* m_pParentRows;
    int m_nRowLevel;
    int m_nGroupLevel;
    BOOL m_bVisible;
    CXTPReportRows* m_pChilds;
    BOOL m_bExpanded;
    int m_nPreviewHeight;
    int m_nChildIndex;
};
