// Rows of a dock bar as the layout store brings them back.
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

void CXTPDockBar::PlaceEntries(const CToolBarArray& arrEntries)
{
    CArray<CXTPToolBar*, CXTPToolBar*> arrBars;
    arrBars.Add(nullptr);
    auto append = [&arrBars](CXTPToolBar* pBar) {
        if (pBar == nullptr && arrBars[arrBars.GetSize() - 1] == nullptr)
            return;
        arrBars.Add(pBar);
    };
    for (CXTPToolBar* pBar : arrEntries)
        append(pBar);
    append(nullptr);
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); i++)
        append(m_arrBars[i]);
    append(nullptr);
    m_arrBars.RemoveAll();
    m_arrBars.Append(arrBars);

    for (CXTPToolBar* pBar : arrEntries) {
        if (pBar == nullptr)
            continue;
        if (pBar->GetSafeHwnd() && GetSafeHwnd() && ::GetParent(pBar->GetSafeHwnd()) != GetSafeHwnd())
            ::SetParent(pBar->GetSafeHwnd(), GetSafeHwnd());
        pBar->SetDockBar(this);
        pBar->SetBarPosition(GetPosition());
    }
}
