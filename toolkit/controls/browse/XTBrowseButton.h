// The small push button a browse edit glues to its right edge: "..." in
// folder and file mode, a down-arrow glyph in popup-menu mode. Clicking it,
// or Enter or Space while it has the focus, lets the edit browse.
#pragma once
#include "toolkit/common/images/XTIconHandle.h"
#include "toolkit/controls/buttons/XTButton.h"

class CXTBrowseEdit;

class CXTBrowseButton : public CXTButton
{
    DECLARE_DYNAMIC(CXTBrowseButton)

public:
    CXTBrowseButton();
    ~CXTBrowseButton() override;

    // A child of the edit's parent with an empty rectangle (the edit places
    // it); enabled and visible as the edit is.
    virtual BOOL Create(CXTBrowseEdit* pEditWnd, DWORD dwBStyle, UINT nID, UINT nMenu = 0, int nSubMenuIndx = 0);
    virtual void OnBrowseClicked();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The width of every browse button (thumb width and two edges).
    static int GetButtonWidth();

protected:
    afx_msg void OnClicked();
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

    CXTBrowseEdit* m_pEditWnd = nullptr;
    DWORD m_dwBStyle = 0;
    UINT m_nMenu = 0;
    int m_nSubMenuIndx = 0;
    CXTIconHandle m_hIcon;
};
