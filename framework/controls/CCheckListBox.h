// A list box whose items carry a check box: owner-drawn with strings, the
// check state (0, 1 or 2 for indeterminate) and an enabled flag kept per
// item beside the caller's item data. A click on the check (or Space)
// toggles it for the automatic styles and tells the parent with
// CLBN_CHKCHANGE. The check images come from the framework's bitmap
// AFX_IDB_CHECKLISTBOX (unchecked, checked, indeterminate side by side).
#pragma once
#include "framework/controls/CListBox.h"

#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)

public:
    CCheckListBox();
    ~CCheckListBox() override;

    // The style must hold LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE and LBS_HASSTRINGS.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE.
    void SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const { return m_nStyle; }
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // The caller's item data, kept beside the check state.
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);

    // Where the check box of an item goes (both rectangles in client
    // coordinates; rectCheckBox is where it goes by default).
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);

    // Draws the check, then the item through DrawItem with its rectangle
    // moved right past the check.
    virtual void PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void PreMeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void PreDeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // The item's text in the list's colours.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Size of one check image.
    CSize m_sizeCheck;
    HBITMAP m_hCheckBitmap = nullptr;

private:
    struct ItemData
    {
        int check = 0;
        BOOL enabled = TRUE;
        DWORD_PTR userData = 0;
    };
    ItemData* Record(int nIndex) const;
    ItemData* EnsureRecord(int nIndex);
    CRect CheckRect(int nIndex, const CRect& rectItem);
    // Toggles or cycles the check of an enabled item and tells the parent.
    void ClickCheck(int nIndex);

    UINT m_nStyle = BS_AUTOCHECKBOX;
};
