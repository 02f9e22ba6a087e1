// The common controls' tab control.
#pragma once
#include "framework/windows/CWnd.h"

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEMW* pTabCtrlItem) const;
    // The item's text (empty when there is no such item).
    CString GetItemText(int nItem) const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
};
