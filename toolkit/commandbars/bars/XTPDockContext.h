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
};
