#include "toolkit/tabs/XTPMoveRectToPoint.h"

void XTPMoveRectToPoint(RECT& rc, POINT pt)
{
    // Right and bottom are exclusive: the last inside pixel is one before.
    int dx = pt.x < rc.left ? pt.x - rc.left : pt.x >= rc.right ? pt.x - rc.right + 1 : 0;
    int dy = pt.y < rc.top ? pt.y - rc.top : pt.y >= rc.bottom ? pt.y - rc.bottom + 1 : 0;
    ::OffsetRect(&rc, dx, dy);
}
