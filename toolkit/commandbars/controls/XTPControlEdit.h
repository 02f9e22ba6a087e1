// The edit box control (type 6): a hosted edit window over the control.
#pragma once
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEditHost.h"

class CXTPControlEdit : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlEdit)
public:
    CXTPControlEdit();
    ~CXTPControlEdit() override;

    int GetWidth() const { return m_nWidth; }
    void SetWidth(int nWidth) override;
    BOOL GetShowLabel() const { return m_bLabel; }
    void ShowLabel(BOOL bShow) { m_bLabel = bShow; }
    int GetLabelWidth() const { return m_nLabelWidth; }
    // A changed label width makes the next placement move the edit window.
    void SetLabelWidth(int nWidth);
    BOOL IsPlacementPending() const { return m_editHost.IsPlacementPending(); }

    // The text; never the hint. An empty text shows the hint.
    CString GetEditText() const;
    void SetEditText(const CString& strText);
    CString GetEditHint() const { return m_strEditHint; }
    void SetEditHint(const CString& strHint);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly);
    DWORD GetShellAutoComplete() const { return m_dwShellAutoCompleteFlags; }
    void SetShellAutoComplete(DWORD dwFlags);
    CXTPControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_editHost.GetAutoCompleteWnd(); }
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle);
    CXTPControlEditCtrl* GetEditCtrl() const { return m_pEdit; }
    BOOL IsHintShown() const { return m_editHost.IsHintShown(); }

    virtual CXTPControlEditCtrl* CreateEditControl();
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnEditChanged();
    virtual void GetDefaultCharFormat(void* pCharFormat2);

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
    void SetParent(CXTPCommandBar* pParent) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnMouseHover() override;
    BOOL SetSelected(int bSelected) override;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override;
    BOOL IsCaptionVisible() const override;

protected:
    friend class CXTPControlEditCtrl;
    friend class CXTPControlEditHostFor<CXTPControlEdit>;

    CXTPControlEditCtrl* m_pEdit;
    CXTPControlEditHostFor<CXTPControlEdit> m_editHost;
    int m_nWidth;
    BOOL m_bLabel;
    BOOL m_bReadOnly;
    int m_nLabelWidth;
    CString m_strEditHint;
    BOOL m_bFocused;
    CString m_strLastText;
    DWORD m_dwShellAutoCompleteFlags;
    DWORD m_dwEditStyle;
};
