// The in-place editors of report cells: the edit box over the cell, the
// drop-down list of constraints and the small buttons beside the cell.
// The control owns one edit, one list and the buttons shown at the moment.
#pragma once
#include "framework/controls/CEdit.h"
#include "framework/controls/CListBox.h"
#include "framework/controls/CStatic.h"
#include "framework/gdi/CFont.h"
#include "toolkit/report/records/XTPReportRecordItemArgs.h"

class CXTPReportRecordItemConstraint;
class CXTPReportRecordItemConstraints;

// The cell being edited; holds a reference on its row.
class CXTPReportInplaceControl : public XTP_REPORTRECORDITEM_ARGS
{
public:
    CXTPReportInplaceControl() = default;
    ~CXTPReportInplaceControl() override;
    // Null clears the cell.
    void SetItemArgs(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
};

class CXTPReportInplaceEdit : public CEdit, public CXTPReportInplaceControl
{
public:
    CXTPReportInplaceEdit();
    ~CXTPReportInplaceEdit() override;

    void Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs);
    void HideWindow();
    CXTPReportRecordItem* GetItem() const { return pItem; }
    CXTPReportRecordItemConstraint* GetChosenConstraint() const { return m_pSelectedConstraint; }

    // Keys typed while editing go to the edit before any frame's
    // accelerators can take them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strValue;
    CFont m_fntEdit;
    CXTPReportRecordItemConstraint* m_pSelectedConstraint;
    COLORREF m_clrText;
    BOOL m_bReentry;
};

class CXTPReportInplaceList : public CListBox, public CXTPReportInplaceControl
{
public:
    CXTPReportInplaceList();
    ~CXTPReportInplaceList() override;

    void Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs, CXTPReportRecordItemConstraints* pConstraints);
    void Apply();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CXTPReportInplaceButton : public CStatic, public CXTPReportInplaceControl
{
public:
    explicit CXTPReportInplaceButton(UINT nID);
    ~CXTPReportInplaceButton() override;

    void Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs, CRect& rcButtons);
    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    BOOL IsPressed() const { return m_bPressed; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nID;
    int m_nWidth;
    BOOL m_bPressed;
    BOOL m_bOver;
};
