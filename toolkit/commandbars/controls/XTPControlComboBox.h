// The combo box control (type 5): an optional edit part and a drop-down
// list (a popup bar holding a list box).
#pragma once
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEditHost.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"

class CXTPControlComboBoxList;

class CXTPControlComboBox : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPControlComboBox)
public:
    CXTPControlComboBox();
    ~CXTPControlComboBox() override;

    CXTPControlComboBoxList* GetListBox() const;
    // The list is open and was opened by this combo box.
    virtual BOOL IsDroppedDown() const;

    int GetWidth() const { return m_nWidth; }
    void SetWidth(int nWidth) override;
    int GetComboStyle() const { return m_comboStyle; }
    void SetComboStyle(int nStyle) { m_comboStyle = nStyle; }
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth);
    int GetThumbWidth() const { return m_nThumbWidth; }
    void SetThumbWidth(int nWidth);
    BOOL IsPlacementPending() const { return m_editHost.IsPlacementPending(); }

    // Drop-down style: the combo has an edit part; else a drop-down list.
    BOOL GetDropDown() const { return m_bDropDown; }
    void SetDropDown(BOOL bDropDown);
    int GetDropDownItemCount() const { return m_nDropDownItemCount; }
    void SetDropDownItemCount(int nCount);
    BOOL GetAutoComplete() const { return m_bAutoComplete; }
    void SetAutoComplete(BOOL bAutoComplete) { m_bAutoComplete = bAutoComplete; }
    DWORD GetShellAutoComplete() const { return m_dwShellAutoCompleteFlags; }
    void SetShellAutoComplete(DWORD dwFlags);
    int GetEditIconId() const { return m_nEditIconId; }
    void SetEditIconId(int nId);
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle);
    CString GetEditHint() const { return m_strEditHint; }
    void SetEditHint(const CString& strHint);
    BOOL IsHintShown() const { return m_editHost.IsHintShown(); }
    CXTPControlComboBoxEditCtrl* GetEditCtrl() const { return m_pEdit; }
    CXTPControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_editHost.GetAutoCompleteWnd(); }

    // The list's entries.
    int AddString(LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int DeleteItem(int nIndex);
    void ResetContent();
    int GetCount() const;
    int FindStringExact(int nStartAfter, LPCTSTR lpszItem) const;

    int GetCurSel() const;
    // A different selection takes the entry's text and tells the site.
    void SetCurSel(int nIndex);
    // The text; never the hint. An empty text shows the hint.
    CString GetEditText() const;
    void SetEditText(const CString& strText);

    virtual CString GetListBoxText() const;
    virtual void GetDefaultCharFormat(void* pCharFormat2);
    // The edit icon, and for a drop-down list the selected entry's text.
    virtual void DrawEditIcon(CDC* pDC, CRect rc);
    // The edit part's text, or the selected entry's.
    virtual CString GetText() const;
    virtual CXTPControlComboBoxEditCtrl* CreateEditControl();
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnSelChanged();
    virtual void OnEditChanged();
    // Narrows the edit part by the edit icon's width.
    virtual void AddEditIconWidth(CRect& rcText);

    // Moves the list's selection by a key, as the list box would.
    void SelectByKey(UINT nChar);

    void DoPropExchange(CXTPPropExchange* pPX) override;
    void SetEnabled(BOOL bEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    void SetRect(CRect rcControl) override;
    BOOL Compare(CXTPControl* pOther) override;
    void SetHideFlags(DWORD dwFlags) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void OnMnemonicActivate() override { SetFocused(TRUE); }
    BOOL IsFocusable() const override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    int OnHookMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    void SetParent(CXTPCommandBar* pParent) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnMouseHover() override;
    BOOL SetSelected(int bSelected) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnExecute() override;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override;
    BOOL IsCaptionVisible() const override;

protected:
    friend class CXTPControlComboBoxEditCtrl;
    friend class CXTPControlEditHostFor<CXTPControlComboBox>;
    // Puts the selection back without telling the site of a change.
    void RestoreSelection(int nIndex);
    void MarkBarChanged();
    void CompleteFromList();

    CXTPControlComboBoxEditCtrl* m_pEdit;
    CXTPControlEditHostFor<CXTPControlComboBox> m_editHost;
    BOOL m_bDropDown;
    int m_comboStyle;
    int m_nWidth;
    int m_nLastSel;
    CString m_strLastText;
    int m_nLabelWidth;
    int m_nThumbWidth;
    CString m_strEditHint;
    BOOL m_bAutoComplete;
    // The last key was Delete or Backspace: no completion this time.
    BOOL m_bIgnoreAutoComplete;
    DWORD m_dwShellAutoCompleteFlags;
    BOOL m_bFocused;
    int m_nEditIconId;
    // The current selection was confirmed: closing sends no cancel.
    BOOL m_bSelEndOk;
    int m_nDropDownItemCount;
    DWORD m_dwEditStyle;
    int m_nCurSel;
};
