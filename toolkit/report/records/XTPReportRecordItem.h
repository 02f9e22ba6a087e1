// One cell value of a report record: its caption, colours, font, icon,
// check box, hyperlinks, sort and group keys and edit rules. It draws
// itself through the paint manager, answers the clicks and characters its
// row forwards, and runs the item's side of in-place editing. Typed items
// derive from it.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/report/records/XTPReportHyperlink.h"
#include "toolkit/report/records/XTPReportRecordItemArgs.h"

class CFont;
class CXTPPropExchange;
class CXTPReportInplaceButton;
class CXTPReportRecordItemConstraint;
class CXTPReportRecordItemEditOptions;

class CXTPReportRecordItem : public CCmdTarget
{
    DECLARE_SERIAL(CXTPReportRecordItem)

public:
    CXTPReportRecordItem();
    ~CXTPReportRecordItem() override;

    // Draws the cell; returns the width its content needs.
    virtual int Draw(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs);
    virtual void DrawCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    virtual void OnClick(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs);
    virtual void OnDblClick(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual CString GetCaption(CXTPReportColumn* pColumn);
    virtual void GetCaptionRect(XTP_REPORTRECORDITEM_ARGS* pDrawArgs, CRect& rcItem);
    virtual CString GetGroupCaption(CXTPReportColumn* pColumn);
    virtual int GetGroupPriority(CXTPReportColumn* pColumn);
    virtual int CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem);
    virtual int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem);
    virtual void SetFont(CFont* pFont);
    virtual CFont* GetFont();
    virtual void SetTextColor(COLORREF clrText);
    virtual void SetBold(BOOL bBold = TRUE);
    virtual void SetBackgroundColor(COLORREF clrBackground);
    virtual CString GetFormatString();
    virtual BOOL IsEditable();
    // Returns the previous flag.
    virtual BOOL SetEditable(BOOL bEditable = TRUE);
    virtual void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    virtual BOOL IsPreviewItem() const;
    virtual void SetChecked(BOOL bChecked);
    virtual BOOL IsChecked() const;
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    // Draws the check box and narrows the rectangle past it.
    virtual int DrawCheckBox(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, CRect& rcItem);
    virtual void OnBeginEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    virtual void OnEndEdit(CXTPReportControl* pControl, BOOL bApply);
    virtual BOOL OnChar(XTP_REPORTRECORDITEM_ARGS* pItemArgs, UINT nChar);
    virtual void OnValidateEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    virtual void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText);
    virtual void OnConstraintChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs,
                                     CXTPReportRecordItemConstraint* pConstraint);
    virtual DWORD_PTR GetSelectedConstraintData(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    virtual void OnInplaceButtonDown(CXTPReportInplaceButton* pButton);

    BOOL IsFocusable() const { return m_bFocusable; }
    void SetFocusable(BOOL bFocusable) { m_bFocusable = bFocusable; }
    CXTPReportRecordItemEditOptions* GetEditOptions(CXTPReportColumn* pColumn);
    // Index of the hyperlink last drawn under the point, -1 when none.
    int HitTestHyperlink(CPoint ptClick);

    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    void SetFormatString(LPCTSTR lpszFormat) { m_strFormatString = lpszFormat; }
    void SetGroupCaption(LPCTSTR lpszCaption) { m_strGroupCaption = lpszCaption; }
    void SetGroupPriority(int nPriority) { m_nGroupPriority = nPriority; }
    int GetSortPriority() const { return m_nSortPriority; }
    void SetSortPriority(int nPriority) { m_nSortPriority = nPriority; }
    int GetIconIndex() const { return m_nIconIndex; }
    void SetIconIndex(int nIconIndex) { m_nIconIndex = nIconIndex; }
    BOOL HasCheckbox() const { return m_bHasCheckbox; }
    void HasCheckbox(BOOL bHasCheckbox) { m_bHasCheckbox = bHasCheckbox; }
    DWORD_PTR GetItemData() const { return m_dwData; }
    void SetItemData(DWORD_PTR dwData) { m_dwData = dwData; }
    CString GetTooltip() const { return m_strTooltip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    BOOL IsBold() const { return m_bBoldText; }
    CXTPReportRecord* GetRecord() const { return m_pRecord; }
    CXTPReportHyperlinks* GetHyperlinks() { return &m_hyperlinks; }
    int AddHyperlink(CXTPReportHyperlink* pHyperlink) { return m_hyperlinks.Add(pHyperlink); }
    CRect GetCheckboxRect() const { return m_rcGlyph; }

    // The control allows editing and the item and its column (or, without
    // one, the item's own options) let this cell be edited.
    BOOL CanEditValue(XTP_REPORTRECORDITEM_ARGS* pItemArgs);

protected:
    // Asks the owner (RN_REQUESTEDIT); TRUE when it did not cancel.
    BOOL RequestEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    // The check-box path shared by a click and a typed space.
    BOOL CanToggleCheck(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    void ToggleCheck(XTP_REPORTRECORDITEM_ARGS* pItemArgs, const CPoint* pPoint);
    // The in-place edit of the control, when it edits this item.
    BOOL IsEditingThis(CXTPReportControl* pControl) const;
    void PlaceCaret(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs);

public:
    CRect m_rcGlyph;
    CFont* m_pFontCaption;
    COLORREF m_clrText;
    COLORREF m_clrBackground;
    BOOL m_bBoldText;
    CString m_strFormatString;
    BOOL m_bEditable;
    CXTPReportHyperlinks m_hyperlinks;
    CXTPReportRecord* m_pRecord;
    int m_nIconIndex;
    int m_nSortPriority;
    int m_nGroupPriority;
    CString m_strGroupCaption;
    CString m_strCaption;
    BOOL m_bFocusable;
    BOOL m_bChecked;
    BOOL m_bHasCheckbox;
    DWORD_PTR m_dwData;
    CString m_strTooltip;
    CXTPReportRecordItemEditOptions* m_pEditOptions;
};
