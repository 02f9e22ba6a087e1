// How a cell may be edited: free text or a choice among constraints (a
// caption and a data word each), and the in-place buttons beside it.
// Columns carry one set for their cells; an item may carry its own.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"

class CXTPReportInplaceButton;

class CXTPReportRecordItemConstraint : public CCmdTarget
{
public:
    CXTPReportRecordItemConstraint() = default;
    int GetIndex() const { return m_nIndex; }

    CString m_strConstraint;
    DWORD_PTR m_dwData = 0;
    int m_nIndex = 0;
};

class CXTPReportRecordItemConstraints : public CCmdTarget
{
public:
    CXTPReportRecordItemConstraints() = default;
    ~CXTPReportRecordItemConstraints() override;

    int GetCount() const { return (int)m_arrConstraints.GetSize(); }
    CXTPReportRecordItemConstraint* GetAt(int nIndex) const;
    CXTPReportRecordItemConstraint* Add(LPCTSTR lpszCaption, DWORD_PTR dwData);
    void RemoveAll();
    // The first constraint with this data, or null.
    CXTPReportRecordItemConstraint* FindConstraint(DWORD_PTR dwData) const;
    // The first constraint whose caption equals the text exactly, or null.
    CXTPReportRecordItemConstraint* FindConstraint(LPCTSTR lpszCaption) const;

private:
    CArray<CXTPReportRecordItemConstraint*, CXTPReportRecordItemConstraint*> m_arrConstraints;
};

// Owns its buttons.
class CXTPReportInplaceButtons : public CArray<CXTPReportInplaceButton*, CXTPReportInplaceButton*>
{
};

class CXTPReportRecordItemEditOptions : public CCmdTarget
{
public:
    CXTPReportRecordItemEditOptions();
    ~CXTPReportRecordItemEditOptions() override;

    CXTPReportRecordItemConstraints* GetConstraints() { return &m_constraints; }
    CXTPReportRecordItemConstraint* AddConstraint(LPCTSTR lpszCaption, DWORD_PTR dwData = 0);
    CXTPReportRecordItemConstraint* FindConstraint(DWORD_PTR dwData) const;
    CXTPReportRecordItemConstraint* FindConstraint(LPCTSTR lpszCaption) const;
    // Buttons that open the constraint list and that expand the cell.
    CXTPReportInplaceButton* AddComboButton();
    CXTPReportInplaceButton* AddExpandButton();
    CXTPReportInplaceButton* GetButton(int nIndex) const;
    void RemoveButtons();

    BOOL m_bAllowEdit;
    BOOL m_bConstraintEdit;
    CXTPReportRecordItemConstraints m_constraints;
    CXTPReportInplaceButtons arrInplaceButtons;
    BOOL m_bSelectTextOnEdit;
    DWORD m_dwEditStyle;
    int m_nMaxLength;
};
