// The grid window of the toolkit: shows the records of its record
// collection as rows under its columns, lets the user scroll, focus,
// select, expand and collapse rows, and tells its owner window what
// happens through WM_NOTIFY notifications.
#pragma once
#include "framework/gdi/CBitmap.h"
#include "framework/ole/COleDropTarget.h"
#include "framework/windows/CWnd.h"
#include "toolkit/report/records/XTPReportRecordItemArgs.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/report/XTPReportTip.h"

class CXTPImageManager;
class CXTPPropExchange;
class CXTPReportHeader;
class CXTPReportInplaceEdit;
class CXTPReportInplaceList;
class CXTPReportInplaceButtons;
class CXTPReportNavigator;
class CXTPReportPaintManager;
class CXTPReportSelectedRows;
class CXTPReportGroupRow;
class CXTPToolTipContext;
class CStringArray;
class COleDataObject;

class CXTPReportControl : public CWnd
{
    DECLARE_DYNAMIC(CXTPReportControl)

public:
    CXTPReportControl();
    ~CXTPReportControl() override;

    // Creates the window and registers it as a drop target.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The window's own tools, then the header's, then the row's.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // Hides the tip once the cursor left it or input arrives; feeds the
    // tooltip context.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Saves or loads the layout: columns, orders, group-by box, frozen
    // columns and header options; loading re-lays and repopulates.
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    // Rebuilds the rows from the records: filtering, the row tree, sorting,
    // group rows and the displayed list.
    virtual void Populate();
    virtual CString GetFilterText();
    virtual BOOL IsEditMode();
    virtual void OnDraw(CDC* pDC);
    virtual BOOL IsRecordFiltered(CXTPReportRecord* pRecord, const CString& strFilterText, BOOL bIncludePreview);
    virtual void OnSelectionChanged();
    virtual void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    virtual CXTPReportRow* CreateRow();
    virtual CXTPReportGroupRow* CreateGroupRow();
    // FALSE when the owner cancelled the key; it may also change it.
    virtual BOOL OnPreviewKeyDown(UINT& rnChar, UINT nRepCnt, UINT nFlags);
    virtual void DrawDropMarker(CDC* pDC);
    // A drag gesture started at the point: LVN_BEGINDRAG to the owner, then
    // an OLE drag of the selected records when dragging is enabled.
    virtual void OnBeginDrag(CPoint point);

    // Clipboard: plain text and the records themselves.
    virtual BOOL CanCut();
    virtual BOOL CanCopy();
    virtual BOOL CanPaste();
    // Deletes the records only when they reached the clipboard.
    virtual void Cut();
    // FALSE when the clipboard could not be had.
    virtual BOOL Copy();
    virtual void Paste();
    // Nonzero replies: leave the record out / take the owner's record / drop it.
    virtual BOOL OnBeforeCopyToText(CXTPReportRecord* pRecord, CStringArray& arStrings);
    virtual BOOL OnBeforePasteFromText(CStringArray& arStrings, CXTPReportRecord** ppRecord);
    virtual BOOL OnBeforePasteRecord(CXTPReportRecord** ppRecord);
    virtual void GetSelectedRowsText(CString& strText);
    virtual BOOL ParseRecordsFromText(const CString& strText, CXTPReportRecords* pRecords);
    virtual CXTPReportRecord* CreateRecordFromText(const CString& strLine);
    virtual BOOL WriteSelectedRecords(CXTPPropExchange* pPX);
    // Empties the list first; FALSE for another version or a storing exchange.
    virtual BOOL ReadRecords(CXTPPropExchange* pPX, CXTPReportRecords* pRecords);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

    // Drag flags: drops accepted, copying allowed, moving allowed.
    enum
    {
        xtpReportAllowDrop = 1,
        xtpReportAllowDragCopy = 2,
        xtpReportAllowDragMove = 4,
    };
    // Turns drag and drop on under the format name (null or 0 flags: off).
    CLIPFORMAT EnableDragDrop(LPCTSTR lpszClipboardFormat, DWORD dwFlags);
    static CLIPFORMAT GetRecordsFormat();

    // The control's OLE drop target, handing drags to the control.
    class CReportDropTarget : public COleDropTarget
    {
    public:
        explicit CReportDropTarget(CXTPReportControl* pControl) : m_pControl(pControl) {}
        DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
        DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
        void OnDragLeave(CWnd* pWnd) override;
        BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    private:
        CXTPReportControl* m_pControl;
    };
    CReportDropTarget* GetDropTarget() const { return m_pDropTarget; }

    // Drawing is held off while the lock is held; the outermost unlock
    // renumbers the rows when asked to and redraws.
    void BeginUpdate();
    void EndUpdate();
    BOOL IsLocked() const { return m_nLockUpdateCount > 0; }
    void RedrawControl();
    // Renumbers the displayed rows now, or when the lock ends.
    void UpdateRowIndexes();

    CXTPReportColumn* AddColumn(CXTPReportColumn* pColumn);
    CXTPReportRecord* AddRecord(CXTPReportRecord* pRecord);

    CXTPReportRow* GetFocusedRow();
    void SetFocusedRow(CXTPReportRow* pRow, BOOL bKeepSelection = FALSE);
    void SetFocusedRow(CXTPReportRow* pRow, BOOL bShiftKey, BOOL bControlKey);
    CXTPReportColumn* GetFocusedColumn() const { return m_pFocusedColumn; }
    void SetFocusedColumn(CXTPReportColumn* pColumn);

    void EnsureVisible(CXTPReportRow* pRow);
    void SetTopRowIndex(int nIndex);
    int GetTopRowIndex() const { return m_nTopRow; }
    void SetLeftOffset(int nOffset);
    int GetLeftOffset() const { return m_nLeftOffset; }

    void EditItem(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    CXTPReportRow* HitTest(CPoint pt) const;

    LRESULT SendNotifyMessage(UINT nMessage, NMHDR* pNMHDR = nullptr) const;
    LRESULT SendMessageToParent(CXTPReportRow* pRow, CXTPReportRecordItem* pItem, CXTPReportColumn* pColumn,
                                UINT nMessage, CPoint* pPoint, int nHyperlink = -1) const;

    // Shows or hides the displayed descendants of a row that expands or
    // collapses.
    void ExpandRow(CXTPReportRow* pRow);
    void CollapseRow(CXTPReportRow* pRow);
    // Inserts a row (or only its shown descendants) into the displayed
    // rows; returns how many went in.
    int InsertRow(int nPosition, CXTPReportRow* pRow, BOOL bChildrenOnly);

    // Lays out the group-by box, header, rows area and footer.
    void AdjustLayout();
    void AdjustScrollBars();

    CXTPReportRecords* GetRecords() const { return m_pRecords; }
    CXTPReportColumns* GetColumns() const { return m_pColumns; }
    CXTPReportRows* GetRows() const { return m_pRows; }
    CXTPReportRows* GetPlainTree() const { return m_pPlainTree; }
    CXTPReportSelectedRows* GetSelectedRows() const { return m_pSelectedRows; }
    CXTPReportPaintManager* GetPaintManager() const { return m_pPaintManager; }
    CXTPReportNavigator* GetNavigator() const { return m_pNavigator; }
    CXTPReportHeader* GetReportHeader() const { return m_pReportHeader; }
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    CXTPReportInplaceEdit* GetInplaceEdit() const { return m_pInplaceEdit; }
    CXTPReportInplaceList* GetInplaceList() const { return m_pInplaceList; }
    CXTPReportInplaceButtons* GetInplaceButtons() const { return m_pInplaceButtons; }
    CXTPReportRecordItem* GetActiveItem() const { return m_pActiveItem; }
    CXTPReportColumn* GetTreeColumn() const;
    BOOL IsVirtualMode() const;
    BOOL GetSelectedRecords(CXTPReportRecords* pRecords);

    CRect GetReportRectangle() const { return m_rcReportArea; }
    CRect GetHeaderRect() const { return m_rcHeaderArea; }
    CRect GetGroupByRect() const { return m_rcGroupByArea; }
    CRect GetFooterRect() const { return m_rcFooterArea; }

    void ShowGroupBy(BOOL bEnable = TRUE);
    BOOL IsGroupByVisible() const { return m_bGroupByEnabled; }
    void ShowHeader(BOOL bShow = TRUE);
    BOOL IsHeaderVisible() const { return m_bHeaderVisible; }
    void ShowFooter(BOOL bShow = TRUE);
    BOOL IsFooterVisible() const { return m_bFooterVisible; }

    void SetFilterText(LPCTSTR lpszFilterText) { m_strFilterText = lpszFilterText; }
    int GetPopulatedRowCount() const { return m_nPopulatedRows; }

    void SetMultipleSelection(BOOL bMultiple) { m_bMultipleSelection = bMultiple; }
    BOOL IsMultipleSelection() const { return m_bMultipleSelection; }
    void EnableToolTips(BOOL bEnable) { m_bShowTooltips = bEnable; }
    BOOL IsSkipGroupsFocusEnabled() const { return m_bSkipGroupsFocus; }
    void SkipGroupsFocus(BOOL bSkip) { m_bSkipGroupsFocus = bSkip; }
    void FocusSubItems(BOOL bFocus) { m_bFocusSubItems = bFocus; }
    BOOL IsFocusSubItems() const { return m_bFocusSubItems; }
    void AllowEdit(BOOL bAllow) { m_bAllowEdit = bAllow; }
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    void EditOnClick(BOOL bEditOnClick) { m_bEditOnClick = bEditOnClick; }
    BOOL IsEditOnClick() const { return m_bEditOnClick; }
    void SetAutoCheckItems(BOOL bAutoCheck) { m_bAutoCheckItems = bAutoCheck; }
    BOOL IsAutoCheckItems() const { return m_bAutoCheckItems; }
    int GetFreezeColumnsCount() const { return m_nFreezeColumnsCount; }
    void SetFreezeColumnsCount(int nCount);
    int GetMouseMode() const { return m_mouseMode; }
    void SetMouseMode(int nMode) { m_mouseMode = nMode; }
    // Indent of the first visible column: one tree indent per group level.
    int GetIndent(int nLevel) const;
    // Whether the changed flag asks the next paint to draw afresh.
    BOOL IsChanged() const { return m_bChanged; }
    int GetWheelScrollLines() const { return m_nWheelScrollLines; }
    int GetDropMarkerPosition() const { return m_nDropPos; }

    // The wheel line count of the system (-1: page scrolling).
    static int ReadWheelScrollLines();

    // Rows that fit from a start row in a direction (+1 down, -1 up).
    int GetPageRowCount(int nStartRow, int nDirection);
    // Asks for WM_MOUSELEAVE, only while the pointer is over the control
    // and not while a leave is handled: the thread tracks the mouse for one
    // window at a time, so asking for it elsewhere would take the tracking
    // (and the hover) from the window under the pointer.
    void TrackMouseLeave();
    void ExpandAll();
    void CollapseAll();

protected:
    // The highest useful top row for the rows-area height.
    int GetMaxTopRow(CDC* pDC);
    void SetScrollInfoIfChanged(int nBar, SCROLLINFO& si);
    void DrawRows(CDC* pDC, CRect& rcClient);
    void MoveVertical(UINT nSBCode);
    void MoveHorizontal(UINT nSBCode);
    // Adds rows for the records (and their children) to the list.
    void BuildTree(CXTPReportRecords* pRecords, CXTPReportRow* pParentRow, CXTPReportRows* pTarget);
    // Replaces the sorted top level by group rows holding it.
    void BuildGroups();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnSysColorChange();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void HandleKey(UINT nChar);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

public:
    BOOL m_bChanged;
    BOOL m_bRefreshIndexes;
    int m_nLockUpdateCount;
    CRect m_rcGroupByArea;
    CRect m_rcHeaderArea;
    CRect m_rcFooterArea;
    CRect m_rcReportArea;
    CXTPReportRows* m_pRows;
    CXTPReportRows* m_pPlainTree;
    CXTPReportRecords* m_pRecords;
    CXTPReportColumns* m_pColumns;
    CXTPReportPaintManager* m_pPaintManager;
    CXTPReportNavigator* m_pNavigator;
    int m_nTopRow;
    int m_nLeftOffset;
    int m_nFreezeColumnsCount;
    int m_nFocusedRow;
    CXTPReportSelectedRows* m_pSelectedRows;
    CXTPReportRow* m_pHotRow;
    int m_nWheelScrollLines;
    CXTPReportTip m_wndTip;
    CBitmap m_bmpCache;
    BOOL m_bGroupByEnabled;
    int m_mouseMode;
    BOOL m_bMultipleSelection;
    BOOL m_bShowTooltips;
    BOOL m_bSkipGroupsFocus;
    BOOL m_bFocusSubItems;
    BOOL m_bHeaderVisible;
    BOOL m_bFooterVisible;
    CXTPReportColumn* m_pFocusedColumn;
    CXTPToolTipContext* m_pToolTipContext;
    CXTPImageManager* m_pImageManager;
    CXTPReportRecordItem* m_pActiveItem;
    CXTPReportInplaceEdit* m_pInplaceEdit;
    CXTPReportInplaceButtons* m_pInplaceButtons;
    CXTPReportInplaceList* m_pInplaceList;
    BOOL m_bVScrollBarVisible;
    BOOL m_bHScrollBarVisible;
    CPoint m_pointDrag;
    BOOL m_bPrepareDrag;
    CXTPReportRows m_arrScreenRows;
    CString m_strFilterText;
    CXTPReportHeader* m_pReportHeader;
    int m_nPopulatedRows;
    CLIPFORMAT m_cfReport;
    DWORD m_dwDragDropFlags;
    int m_nDropPos;
    CXTPReportRow* m_pSelectOnUpRow;

    // Editing rules the record items read.
    BOOL m_bAllowEdit;
    BOOL m_bEditOnClick;
    BOOL m_bAutoCheckItems;
    // A bar changed without being drawn; the outermost unlock draws it.
    BOOL m_bScrollBarsChanged;
    // Notifications may repopulate or destroy the control: set while it
    // lives, cleared by the destructor.
    BOOL* m_pbDestroyed;
    BOOL m_bDragSource;
    BOOL m_bInTipFilter;
    BOOL m_bInMouseLeave;
    CReportDropTarget* m_pDropTarget;

protected:
    // Selects the rows of the records and focuses the last one.
    void SelectRecords(CXTPReportRecords* pRecords);
    // Reads serialised records from a global block; FALSE (and nothing
    // read) when the data is bad.
    BOOL ReadRecordsFromGlobal(HGLOBAL hData, CXTPReportRecords* pRecords);
    HGLOBAL WriteSelectedRecordsToGlobal();
};
