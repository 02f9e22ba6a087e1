// Toolbars the user makes and removes from the customize dialog.
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

CXTPToolBar* CXTPCommandBars::AddCustomBar(LPCTSTR lpszName, UINT nID, BOOL bTearOffBar)
{
    auto* pBar = new CXTPToolBar();
    pBar->SetTitle(lpszName);
    pBar->SetBarPosition(bTearOffBar ? xtpBarFloating : xtpBarTop);
    AppendBar(pBar);
    pBar->SetBarID(nID);
    pBar->SetBuiltIn(FALSE);
    pBar->m_bTearOff = bTearOffBar;
    pBar->SetVisible(TRUE);
    return pBar;
}

void CXTPCommandBars::Remove(CXTPToolBar* pBar)
{
    const int nIndex = FindIndex(pBar);
    if (nIndex < 0)
        return;
    // Out of the list first: hiding a tear-off bar removes it again.
    m_arrBars.RemoveAt(nIndex);
    if (pBar->GetSafeHwnd() != nullptr)
        pBar->ShowWindow(SW_HIDE);
    pBar->SetVisible(FALSE);
    if (pBar->GetDockBar() != nullptr)
        pBar->GetDockBar()->RemoveCommandBar(pBar);
    RemoveFromRebar(pBar);
    if (m_pDragSelected != nullptr && m_pDragSelected->GetParent() == pBar)
        SetDragControl(nullptr);
    pBar->InternalRelease();
}
