// The stored form of a control comes with layout persistence; until then
// nothing is exchanged.
#include "toolkit/commandbars/XTPControl.h"

void CXTPControl::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}
