// The stored form of a collection comes with layout persistence; until then
// nothing is exchanged.
#include "toolkit/commandbars/XTPControls.h"

void CXTPControls::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}
