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
        // A bar the program built floating has a pop-up window: it becomes a
        // child first, or it would stay a pop-up that cannot float off again.
        if (pBar->GetSafeHwnd() && GetSafeHwnd()) {
            if (pBar->GetStyle() & WS_POPUP)
                pBar->Create(this, FALSE);
            if (::GetParent(pBar->GetSafeHwnd()) != GetSafeHwnd())
                ::SetParent(pBar->GetSafeHwnd(), GetSafeHwnd());
        }
        pBar->SetDockBar(this);
        pBar->SetBarPosition(GetPosition());
    }
}
