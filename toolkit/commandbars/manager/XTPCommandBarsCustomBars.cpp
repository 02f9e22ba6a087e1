// Toolbars the user makes and removes from the customize dialog.
#include "toolkit/commandbars/XTPCreateOfClass.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

CXTPToolBar* CXTPCommandBars::AddCustomBar(LPCTSTR lpszName, UINT nID, BOOL bTearOffBar)
{
    auto* pBar = XTPCreateOfClass<CXTPToolBar>(m_pToolBarClass);
    if (pBar == nullptr)
        return nullptr;
    pBar->SetCommandBars(this);
    // The site may set the bar up before it gets its window.
    if (m_pFrame && m_pFrame->GetSafeHwnd()) {
        XTPCreateCommandBarRequest request = {pBar, 0, 0, TRUE, bTearOffBar, lpszName, nID};
        m_pFrame->SendMessage(WM_XTP_CREATE_COMMANDBAR, 0, reinterpret_cast<LPARAM>(&request));
    }
    if ((pBar->GetFlags() & XTP_BARFLAG_DOCKMASK) == 0)
        pBar->EnableDocking(0x3F);
    pBar->SetTitle(lpszName);
    pBar->SetVisible(TRUE);
    BOOL bPlaced;
    if (bTearOffBar)
        bPlaced = FloatCommandBar(pBar);
    else if (GetDockBar(xtpBarTop) != nullptr)
        bPlaced = DockCommandBar(pBar, xtpBarTop);
    else {
        // A site without dock bars keeps the bar as a child of its own.
        bPlaced = pBar->Create(m_pFrame, FALSE);
        pBar->SetBarPosition(xtpBarTop);
    }
    if (!bPlaced) {
        if (pBar->GetSafeHwnd())
            pBar->DestroyWindow();
        pBar->InternalRelease();
        return nullptr;
    }
    AppendBar(pBar);
    pBar->SetBarID(nID);
    pBar->SetBuiltIn(FALSE);
    pBar->m_bTearOff = bTearOffBar;
    if (!bTearOffBar)
        RecalcFrameLayout(FALSE);
    AddToRebar(pBar);
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
