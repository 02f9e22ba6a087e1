// The "Symbolleisten" page of the customize sheet: the manager's toolbars
// with a check box each (checked = visible); new, rename, delete and reset.
#pragma once
#include "framework/controls/CButton.h"
#include "framework/dialogs/CPropertyPage.h"
#include "toolkit/customize/XTPCustomizeToolbarsPageCheckListBox.h"

class CXTPCommandBars;
class CXTPCustomizeSheet;
class CXTPToolBar;

class CXTPCustomizeToolbarsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CXTPCustomizeToolbarsPage)
public:
    explicit CXTPCustomizeToolbarsPage(CXTPCustomizeSheet* pSheet = nullptr);

    void RefreshToolbarsList();
    CXTPCustomizeToolbarsPageCheckListBox& GetList() { return m_checkList; }

    BOOL OnInitDialog() override;
    afx_msg void OnSelChangeList();
    afx_msg void OnCheckChangeList();
    afx_msg void OnNewToolbar();
    afx_msg void OnRenameToolbar();
    afx_msg void OnDeleteToolbar();
    afx_msg void OnResetToolbar();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    CXTPCommandBars* GetCommandBars() const;
    // The selected item's toolbar, or null when none or its data is stale.
    CXTPToolBar* GetSelectedToolBar() const;

    CXTPCustomizeSheet* m_pSheet;
    CXTPCustomizeToolbarsPageCheckListBox m_checkList;
    CButton m_btnReset;
    CButton m_btnRename;
    CButton m_btnDelete;
    CButton m_btnNew;
};
