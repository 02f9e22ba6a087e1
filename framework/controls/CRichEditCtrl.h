// The rich edit control (version 2 and later, "RichEdit20W").
#pragma once
#include <richedit.h>

#include "framework/windows/CWnd.h"

// Loads the rich edit library once; FALSE when it is missing.
BOOL AfxInitRichEdit2();

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD dwEventMask);
    void GetSel(CHARRANGE& cr) const;
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void LimitText(long nChars = 0);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    BOOL SetDefaultCharFormat(CHARFORMAT2& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT2& cf);
    DWORD GetDefaultCharFormat(CHARFORMAT2& cf) const;
    long GetTextLength() const;
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    BOOL SetTextMode(UINT fMode);
    void HideSelection(BOOL bHide, BOOL bPerm);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    int GetLineCount() const;
    // Formats (and with bDisplay draws) a range onto the record's device;
    // a null record frees the control's cached formatting. Answers the
    // first character that did not fit.
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
    // Asks the control for its natural size (answered with EN_REQUESTRESIZE).
    void RequestResize();
    void SetRect(LPCRECT lpRect);
    void GetRect(LPRECT lpRect) const;
};
