// The "Tastatur" page of the customize sheet: a command's shortcuts, a box
// to press a new one in, and buttons that change the bars' current
// accelerator table directly, so that every change works at once.
#pragma once
#include "framework/controls/CComboBox.h"
#include "framework/controls/CListBox.h"
#include "framework/dialogs/CPropertyPage.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/customize/XTPCustomizeCategories.h"

class CXTPCommandBars;
class CXTPControl;
class CXTPCustomizeSheet;

class CXTPCustomizeKeyboardPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CXTPCustomizeKeyboardPage)
public:
    explicit CXTPCustomizeKeyboardPage(CXTPCustomizeSheet* pSheet);

    BOOL AddCategories(UINT nIDResource, BOOL bListSubItems = FALSE)
    {
        return m_categories.AddCategories(nIDResource, bListSubItems);
    }
    CXTPControls* GetControls(LPCTSTR lpszCategory, int nIndex = -1)
    {
        return m_categories.GetControls(lpszCategory, nIndex);
    }
    XTP_COMMANDBARS_CATEGORYINFO* FindCategory(LPCTSTR lpszCategory) const
    {
        return m_categories.FindCategory(lpszCategory);
    }

    CXTPCommandBars* GetCommandBars() const;
    CXTPShortcutManager::CKeyAssign& GetKeyAssign() { return m_editShortcutKey; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnCategoryChanged();
    afx_msg void OnCommandChanged();
    afx_msg void UpdateButtons();
    afx_msg void OnAssign();
    afx_msg void OnRemove();
    afx_msg void OnResetAll();
    DECLARE_MESSAGE_MAP()

private:
    CXTPShortcutManager* GetShortcutManager() const;
    CXTPControl* GetSelectedCommand() const;
    void FillCommands();
    void FillKeys();

    CListBox m_lstKeys;
    CListBox m_lstCommands;
    CComboBox m_cmbCategory;
    CString m_strDescription;
    int m_nCategory = 0;
    CXTPShortcutManager::CKeyAssign m_editShortcutKey;
    CXTPCustomizeCategories m_categories;
    CXTPCustomizeSheet* m_pSheet;
};
