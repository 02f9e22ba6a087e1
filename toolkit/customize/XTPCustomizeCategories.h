// The command categories the commands and keyboard pages list: one per
// top-level submenu of a menu resource, plus those the program adds.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/text/CString.h"

class CMenu;
class CXTPCommandBars;
class CXTPControls;

// One category: its name and its commands (owned).
struct XTP_COMMANDBARS_CATEGORYINFO
{
    XTP_COMMANDBARS_CATEGORYINFO(const CString& strCategory, CXTPCommandBars* pCommandBars);
    ~XTP_COMMANDBARS_CATEGORYINFO();
    XTP_COMMANDBARS_CATEGORYINFO(const XTP_COMMANDBARS_CATEGORYINFO&) = delete;
    XTP_COMMANDBARS_CATEGORYINFO& operator=(const XTP_COMMANDBARS_CATEGORYINFO&) = delete;

    CString strCategory;
    CXTPControls* pControls;
};

// The categories in display order, owned.
class CXTPCustomizeCategories
{
public:
    explicit CXTPCustomizeCategories(CXTPCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}
    ~CXTPCustomizeCategories();
    CXTPCustomizeCategories(const CXTPCustomizeCategories&) = delete;
    CXTPCustomizeCategories& operator=(const CXTPCustomizeCategories&) = delete;

    // One category per top-level submenu with a text (same names share one);
    // with bListSubItems the contents of popups are listed as well. FALSE
    // when the menu cannot be loaded.
    BOOL AddCategories(UINT nIDResource, BOOL bListSubItems);
    // The controls of the category of exactly that name; a new empty one is
    // inserted at nIndex (-1: at the end) when there is none.
    CXTPControls* GetControls(LPCTSTR lpszCategory, int nIndex = -1);
    XTP_COMMANDBARS_CATEGORYINFO* GetCategoryInfo(int nIndex) const;
    XTP_COMMANDBARS_CATEGORYINFO* FindCategory(LPCTSTR lpszCategory) const;
    int GetCount() const { return static_cast<int>(m_arrCategories.GetSize()); }

    // A category holding one new popup named after it.
    void InsertNewMenuCategory(UINT nIDCategory, int nIndex = -1);
    // A category with every top-level item of the menu as the bars make it.
    BOOL InsertBuiltInMenus(UINT nIDResource, UINT nIDCategory, int nIndex = -1);
    // A category with copies of every command of every category so far.
    CXTPControls* InsertAllCommandsCategory(UINT nIDCategory, int nIndex = -1);

private:
    XTP_COMMANDBARS_CATEGORYINFO* Insert(const CString& strCategory, int nIndex);
    void AddCategory(const CString& strCategory, CMenu* pMenu, BOOL bListSubItems);

    CXTPCommandBars* m_pCommandBars;
    CArray<XTP_COMMANDBARS_CATEGORYINFO*, XTP_COMMANDBARS_CATEGORYINFO*> m_arrCategories;
};
