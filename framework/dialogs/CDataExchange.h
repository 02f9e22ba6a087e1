// Data exchange between a dialog's members and its controls. One exchange
// runs in one direction: loading fills the controls from the members,
// saving reads and validates them. A failed validation has told the user
// why, puts the focus on the control in question (an edit gets its text
// selected) and throws CUserException, which UpdateData turns into FALSE.
#pragma once
#include <windows.h>

#include "framework/text/CString.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control the last exchange touched: validation failures point there.
    HWND m_idLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control's window (a missing control is a programming error:
    // CNotSupportedException).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last control and throws CUserException.
    [[noreturn]] void Fail();
};

// Text of a control: numbers are refused with the framework's message when
// they are not whole numbers or do not fit.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Check state of a check box (0, 1 or 2 for indeterminate).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button in the group that starts with nIDC
// (-1: none).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Subclasses the control into rControl the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Selected index of a combo box (-1: none).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// Range checks, made while saving, on the value the last DDX_Text read.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
