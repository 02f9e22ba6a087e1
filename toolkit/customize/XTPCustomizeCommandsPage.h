// The "Befehle" page of the customize sheet: the program's commands by
// category; a command dragged from the list onto a toolbar is copied there.
#pragma once
#include "framework/controls/CListBox.h"
#include "framework/dialogs/CPropertyPage.h"
#include "toolkit/customize/XTPCustomizeCategories.h"

class CXTPCommandBars;
class CXTPControl;
class CXTPCustomizeSheet;

class CXTPCustomizeCommandsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CXTPCustomizeCommandsPage)
public:
    // The command list: items are the selected category's controls, drawn
    // by the bars' paint manager; a press starts a copying drag.
    class CCommandsListBox : public CListBox
    {
    public:
        CXTPCustomizeCommandsPage* m_pPage = nullptr;

        void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
        // The item height the paint manager wants for a command.
        int MeasureCommandHeight();

    protected:
        afx_msg BOOL OnEraseBkgnd(CDC* pDC);
        afx_msg void OnPaint();
        afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
        DECLARE_MESSAGE_MAP()
    };

    explicit CXTPCustomizeCommandsPage(CXTPCustomizeSheet* pSheet = nullptr);

    BOOL AddCategories(UINT nIDResource, BOOL bListSubItems = FALSE)
    {
        return m_categories.AddCategories(nIDResource, bListSubItems);
    }
    CXTPControls* GetControls(LPCTSTR lpszCategory, int nIndex = -1)
    {
        return m_categories.GetControls(lpszCategory, nIndex);
    }
    XTP_COMMANDBARS_CATEGORYINFO* GetCategoryInfo(int nIndex) const { return m_categories.GetCategoryInfo(nIndex); }
    XTP_COMMANDBARS_CATEGORYINFO* FindCategory(LPCTSTR lpszCategory) const
    {
        return m_categories.FindCategory(lpszCategory);
    }
    void InsertNewMenuCategory(UINT nIDCategory, int nIndex = -1)
    {
        m_categories.InsertNewMenuCategory(nIDCategory, nIndex);
    }
    BOOL InsertBuiltInMenus(UINT nIDResource, UINT nIDCategory, int nIndex = -1)
    {
        return m_categories.InsertBuiltInMenus(nIDResource, nIDCategory, nIndex);
    }
    CXTPControls* InsertAllCommandsCategory(UINT nIDCategory, int nIndex = -1)
    {
        return m_categories.InsertAllCommandsCategory(nIDCategory, nIndex);
    }

    CXTPCommandBars* GetCommandBars() const;
    CCommandsListBox& GetCommandsList() { return m_lstCommands; }
    CListBox& GetCategoriesList() { return m_lstCategories; }

    BOOL OnInitDialog() override;
    afx_msg void OnCategoriesSelectionChanged();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CCommandsListBox m_lstCommands;
    CListBox m_lstCategories;
    CXTPCustomizeSheet* m_pSheet;
    CXTPCustomizeCategories m_categories;
};
