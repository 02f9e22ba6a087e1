// What a toolbar remembers about its docked place: the rectangle at which it
// was docked (its position along the row, in the dock bar's client area) and
// the side it was last laid out on.
#pragma once
#include "framework/gdi/CRect.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPDockContext
{
public:
    CRect m_rectMRUDockPos;
    XTPBarPosition m_uMRUDockPosition = xtpBarTop;
    // The dock bar (its window id) the toolbar was last docked at; 0: none.
    UINT m_uMRUDockID = 0;
    // Where it last floated (screen coordinates).
    CPoint m_ptMRUFloatPos = CPoint(0, 0);
};
