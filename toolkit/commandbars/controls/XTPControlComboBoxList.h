// The drop-down list of a combo box control: a popup bar that is itself a
// list box window, kept (hidden) while closed so that its items live on.
#pragma once
#include "toolkit/commandbars/bars/XTPPopupBar.h"

class CXTPControlComboBox;

class CXTPControlComboBoxList : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CXTPControlComboBoxList)
public:
    CXTPControlComboBoxList();
    ~CXTPControlComboBoxList() override;

    // The combo box that opened the list; null while it is closed.
    CXTPControlComboBox* GetComboBox() const;
    int GetPreferredWidth() const { return m_nListWidth; }
    void SetPreferredWidth(int nWidth) { m_nListWidth = nWidth; }

    int GetCount() const;
    CString GetText(int nIndex) const;
    int AddString(LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int DeleteString(int nIndex);
    void ResetContent();
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    int GetItemHeight() const;

    BOOL Popup(CXTPControl* pControl, BOOL bSelectFirst = FALSE) override;
    BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

protected:
    // The window's messages take and drop references: it goes while one is held.
    void OnFinalRelease() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL CreateListWindow();
    void DrawBorder();
    void ApplyReadingOrder();

    int m_nListWidth;
};
