#include "toolkit/tabs/XTPTabClientWorkspace.h"
#include "toolkit/tabs/XTPTabClientWnd.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

CXTPTabClientWorkspace::CXTPTabClientWorkspace(CXTPTabClientWnd* pClient) : m_pClient(pClient)
{
    // Dragging tabs would reorder windows the MDI client keeps its own order of.
    m_bAllowReorder = FALSE;
    m_registration.Register(pClient->GetPaintManager());
}

CXTPTabManagerItem* CXTPTabClientWorkspace::FindItem(HWND hWndChild) const
{
    for (int i = 0; i < GetItemCount(); i++)
        if (GetItem(i)->GetHandle() == hWndChild)
            return GetItem(i);
    return nullptr;
}

CXTPTabManagerItem* CXTPTabClientWorkspace::AddChild(HWND hWndChild, int nIndex)
{
    CXTPTabManagerItem* pItem = AddItem(nIndex);
    pItem->SetHandle(hWndChild);
    WCHAR szTitle[256] = L"";
    ::GetWindowTextW(hWndChild, szTitle, 256);
    pItem->m_strCaption = szTitle;
    return pItem;
}

CXTPTabPaintManager* CXTPTabClientWorkspace::GetPaintManager() const
{
    return m_pClient->GetPaintManager();
}

void CXTPTabClientWorkspace::RedrawControl()
{
    if (m_pClient->GetSafeHwnd())
        m_pClient->InvalidateRect(m_rcControl, FALSE);
}

void CXTPTabClientWorkspace::Reposition()
{
    m_pClient->Reposition();
}

BOOL CXTPTabClientWorkspace::DrawItemIcon(CDC* /*pDC*/, CPoint /*pt*/, CXTPTabManagerItem* /*pItem*/, BOOL /*bDraw*/,
                                          CSize& /*szIcon*/)
{
    return FALSE;
}

void CXTPTabClientWorkspace::SelectItem(CXTPTabManagerItem* pItem)
{
    if (pItem && ::IsWindow(pItem->GetHandle()) && m_pClient->GetSafeHwnd())
        m_pClient->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pItem->GetHandle()), 0);
}

void CXTPTabClientWorkspace::OnNavigateButtonClick(int nId)
{
    CXTPTabManagerItem* pSelected = GetSelectedItem();
    if (nId == xtpTabNavigateButtonClose && pSelected && ::IsWindow(pSelected->GetHandle()))
        ::PostMessageW(pSelected->GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}
