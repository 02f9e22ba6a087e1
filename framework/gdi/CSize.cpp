#include "framework/gdi/CSize.h"
#include "framework/gdi/CPoint.h"

CSize::CSize(DWORD dwSize)
{
    cx = static_cast<short>(LOWORD(dwSize));
    cy = static_cast<short>(HIWORD(dwSize));
}

CPoint CSize::operator+(POINT point) const
{
    return CPoint(cx + point.x, cy + point.y);
}

CPoint CSize::operator-(POINT point) const
{
    return CPoint(cx - point.x, cy - point.y);
}
