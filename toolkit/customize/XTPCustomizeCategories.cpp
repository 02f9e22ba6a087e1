#include "toolkit/customize/XTPCustomizeCategories.h"

#include "framework/windows/CMenu.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

XTP_COMMANDBARS_CATEGORYINFO::XTP_COMMANDBARS_CATEGORYINFO(const CString& strName, CXTPCommandBars* pCommandBars)
    : strCategory(strName), pControls(new CXTPControls())
{
    pControls->SetCommandBars(pCommandBars);
}

XTP_COMMANDBARS_CATEGORYINFO::~XTP_COMMANDBARS_CATEGORYINFO()
{
    pControls->InternalRelease();
}

CXTPCustomizeCategories::~CXTPCustomizeCategories()
{
    for (INT_PTR i = 0; i < m_arrCategories.GetSize(); i++)
        delete m_arrCategories[i];
}

XTP_COMMANDBARS_CATEGORYINFO* CXTPCustomizeCategories::GetCategoryInfo(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrCategories[nIndex] : nullptr;
}

XTP_COMMANDBARS_CATEGORYINFO* CXTPCustomizeCategories::FindCategory(LPCTSTR lpszCategory) const
{
    for (INT_PTR i = 0; i < m_arrCategories.GetSize(); i++) {
        if (m_arrCategories[i]->strCategory == lpszCategory)
            return m_arrCategories[i];
    }
    return nullptr;
}

XTP_COMMANDBARS_CATEGORYINFO* CXTPCustomizeCategories::Insert(const CString& strCategory, int nIndex)
{
    auto* pInfo = new XTP_COMMANDBARS_CATEGORYINFO(strCategory, m_pCommandBars);
    if (nIndex < 0 || nIndex > GetCount())
        m_arrCategories.Add(pInfo);
    else
        m_arrCategories.InsertAt(nIndex, pInfo);
    return pInfo;
}

CXTPControls* CXTPCustomizeCategories::GetControls(LPCTSTR lpszCategory, int nIndex)
{
    if (XTP_COMMANDBARS_CATEGORYINFO* pInfo = FindCategory(lpszCategory))
        return pInfo->pControls;
    return Insert(lpszCategory, nIndex)->pControls;
}

BOOL CXTPCustomizeCategories::AddCategories(UINT nIDResource, BOOL bListSubItems)
{
    CMenu menu;
    if (!XTPGetResourceManager()->LoadMenu(&menu, nIDResource))
        return FALSE;
    const int nCount = menu.GetMenuItemCount();
    for (int i = 0; i < nCount; i++) {
        CString strName;
        menu.GetMenuString(static_cast<UINT>(i), strName, MF_BYPOSITION);
        CMenu* pSubMenu = menu.GetSubMenu(i);
        if (strName.IsEmpty() || pSubMenu == nullptr)
            continue;
        XTPStripMnemonics(strName);
        AddCategory(strName, pSubMenu, bListSubItems);
    }
    return TRUE;
}

void CXTPCustomizeCategories::AddCategory(const CString& strCategory, CMenu* pMenu, BOOL bListSubItems)
{
    CXTPControls* pControls = GetControls(strCategory);
    const int nFirst = pControls->GetCount();
    // Loaded as a menu is loaded into a bar: separators start groups.
    BOOL bBeginGroup = FALSE;
    const int nCount = pMenu->GetMenuItemCount();
    for (int i = 0; i < nCount; i++) {
        const UINT nState = pMenu->GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
        if (nState & MF_SEPARATOR) {
            bBeginGroup = TRUE;
            continue;
        }
        if (CXTPControl* pControl = pControls->AddMenuItem(pMenu, i)) {
            pControl->SetBeginGroup(bBeginGroup);
            bBeginGroup = FALSE;
        }
    }
    if (!bListSubItems)
        return;
    const int nLoaded = pControls->GetCount();
    for (int i = nFirst; i < nLoaded; i++) {
        CXTPCommandBar* pPopup = pControls->GetAt(i)->GetCommandBar();
        if (pPopup == nullptr)
            continue;
        for (int j = 0; j < pPopup->GetControlCount(); j++)
            pControls->AddClone(pPopup->GetControl(j));
    }
}

void CXTPCustomizeCategories::InsertNewMenuCategory(UINT nIDCategory, int nIndex)
{
    CString strCategory;
    XTPGetResourceManager()->LoadString(&strCategory, nIDCategory);
    XTP_COMMANDBARS_CATEGORYINFO* pInfo = Insert(strCategory, nIndex);
    CXTPControl* pControl = pInfo->pControls->Add(xtpControlPopup, 0);
    if (pControl != nullptr)
        pControl->SetCaption(strCategory);
}

BOOL CXTPCustomizeCategories::InsertBuiltInMenus(UINT nIDResource, UINT nIDCategory, int nIndex)
{
    CMenu menu;
    if (!XTPGetResourceManager()->LoadMenu(&menu, nIDResource))
        return FALSE;
    CString strCategory;
    XTPGetResourceManager()->LoadString(&strCategory, nIDCategory);
    CXTPControls* pControls = Insert(strCategory, nIndex)->pControls;
    for (int i = 0; i < menu.GetMenuItemCount(); i++)
        pControls->AddMenuItem(&menu, i);
    return TRUE;
}

CXTPControls* CXTPCustomizeCategories::InsertAllCommandsCategory(UINT nIDCategory, int nIndex)
{
    CString strCategory;
    XTPGetResourceManager()->LoadString(&strCategory, nIDCategory);
    auto* pInfo = new XTP_COMMANDBARS_CATEGORYINFO(strCategory, m_pCommandBars);
    for (INT_PTR i = 0; i < m_arrCategories.GetSize(); i++) {
        CXTPControls* pSource = m_arrCategories[i]->pControls;
        for (int j = 0; j < pSource->GetCount(); j++)
            pInfo->pControls->AddClone(pSource->GetAt(j));
    }
    if (nIndex < 0 || nIndex > GetCount())
        m_arrCategories.Add(pInfo);
    else
        m_arrCategories.InsertAt(nIndex, pInfo);
    return pInfo->pControls;
}
