// One vertical band of a report: caption, the record item index it shows,
// width rules, alignment, visibility, and its place in the sort and group
// orders.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPPropExchange;
class CXTPReportRecordItemEditOptions;

class CXTPReportColumn : public CCmdTarget
{
public:
    CXTPReportColumn(int nItemIndex, LPCTSTR strName, int nWidth, BOOL bAutoSize = TRUE, int nIconID = -1,
                     BOOL bSortable = TRUE, BOOL bVisible = TRUE);
    ~CXTPReportColumn() override;

    // Mirrored when the paint manager draws right to left.
    int GetAlignment() const;
    int GetHeaderAlignment() const;
    int GetFooterAlignment() const;
    void SetAlignment(int nAlignment) { m_nAlignment = AlignmentBits(nAlignment); }
    void SetHeaderAlignment(int nAlignment) { m_nHeaderAlignment = nAlignment == -1 ? -1 : AlignmentBits(nAlignment); }
    void SetFooterAlignment(int nAlignment) { m_nFooterAlignment = nAlignment == -1 ? -1 : AlignmentBits(nAlignment); }
    // The bits a column's alignment may carry into text drawing: left,
    // centre, right and word break. Others (modify string, ellipses) would
    // let DrawText write into the caption or fail.
    static int AlignmentBits(int nAlignment) { return nAlignment & (DT_CENTER | DT_RIGHT | DT_WORDBREAK); }
    // Placement bits of the icon and the check box in the cells.
    int GetIconAlignment() const;

    CRect GetRect() const { return m_rcColumn; }
    int GetIndex() const;
    CXTPReportControl* GetControl() const;
    CXTPReportColumns* GetColumns() const { return m_pColumns; }
    int GetItemIndex() const { return m_nItemIndex; }
    CString GetCaption() const { return m_strName; }
    void SetCaption(LPCTSTR lpszCaption) { m_strName = lpszCaption; }
    CString GetFooterText() const { return m_strFooterText; }
    void SetFooterText(LPCTSTR lpszText) { m_strFooterText = lpszText; }
    CString GetTooltip() const { return m_strTooltip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltip = lpszTooltip; }
    int GetIconID() const { return m_nIconID; }

    BOOL IsSortedIncreasing() const { return m_bSortIncreasing; }
    BOOL IsSortedDecreasing() const { return !m_bSortIncreasing; }
    void SetSortIncreasing(BOOL bIncreasing) { m_bSortIncreasing = bIncreasing; }
    BOOL IsSorted() const;
    BOOL IsSortedOrGrouped() const;
    BOOL IsSortable() const { return m_bSortable; }
    BOOL IsGroupable() const { return m_bGroupable; }
    void SetGroupable(BOOL bGroupable) { m_bGroupable = bGroupable; }
    BOOL IsDraggable() const { return m_bDrag; }
    void SetDraggable(BOOL bDraggable) { m_bDrag = bDraggable; }
    BOOL IsAllowRemove() const { return m_bAllowRemove; }
    void AllowRemove(BOOL bAllow) { m_bAllowRemove = bAllow; }
    BOOL IsFilterable() const { return m_bFilterable; }
    BOOL IsEditable() const { return m_bEditable; }
    void SetEditable(BOOL bEditable) { m_bEditable = bEditable; }
    BOOL IsTreeColumn() const;
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible = TRUE);
    BOOL IsAutoSize() const { return m_bAutoSize; }
    BOOL IsResizable() const { return m_bIsResizable; }
    void EnableResize(BOOL bResizable) { m_bIsResizable = bResizable; }
    BOOL IsShowInFieldChooser() const { return m_bShowInFieldChooser; }
    void SetShowInFieldChooser(BOOL bShow) { m_bShowInFieldChooser = bShow; }

    int GetIndent() const;
    int GetWidth() const;
    int SetWidth(int nNewWidth);
    int GetMinWidth() const;
    void SetMinWidth(int nMinWidth) { m_nMinWidth = nMinWidth; }
    int GetBestFitWidth();
    int GetDistributedWidth(int nTotalWidth) const;
    CXTPReportRecordItemEditOptions* GetEditOptions() const { return m_pEditOptions; }

    void DoPropExchange(CXTPPropExchange* pPX);

public:
    CString m_strName;
    CString m_strInternalName;
    int m_nItemIndex;
    CString m_strFooterText;
    BOOL m_bSortIncreasing;
    BOOL m_bSortable;
    BOOL m_bGroupable;
    BOOL m_bDrag;
    BOOL m_bAllowRemove;
    CXTPReportColumns* m_pColumns;
    int m_nIconID;
    BOOL m_bVisible;
    BOOL m_bFilterable;
    BOOL m_bAutoSize;
    CRect m_rcColumn;
    // Where the column was last drawn in the group-by box.
    CRect m_rcGroupBy;
    int m_nMinWidth;
    int m_nMaxItemWidth;
    int m_nAlignment;
    int m_nHeaderAlignment;
    int m_nFooterAlignment;
    int m_nColumnAutoWidth;
    int m_nColumnStaticWidth;
    BOOL m_bIsResizable;
    BOOL m_bShowInFieldChooser;
    BOOL m_bLastFlag;
    CXTPReportRecordItemEditOptions* m_pEditOptions;
    CString m_strTooltip;
    BOOL m_bEditable;
};
