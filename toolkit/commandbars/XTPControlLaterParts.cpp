// Control behaviour that needs the bar's hover timer, the customize drag
// helper and layout persistence; those come with their own parts and until
// then these do nothing.
#include "toolkit/commandbars/XTPControl.h"

void CXTPControl::OnMouseHover()
{
}

void CXTPControl::CustomizeStartDrag(CPoint /*pt*/)
{
}

BOOL CXTPControl::CustomizeStartResize(CPoint /*point*/)
{
    return FALSE;
}

void CXTPControl::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}
