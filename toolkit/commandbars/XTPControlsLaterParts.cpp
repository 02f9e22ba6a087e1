// The control factory, menu loading and persistence of the collection come
// with the row layout; until then creation by type knows the push button only.
#include "toolkit/commandbars/XTPControlButton.h"
#include "toolkit/commandbars/XTPControls.h"

CXTPControl* CXTPControls::Add(XTPControlType controlType, int nId, const CString& strParameter, int nBefore,
                               BOOL bTemporary)
{
    if (controlType != xtpControlButton)
        return nullptr;
    return Add(new CXTPControlButton(), nId, strParameter, nBefore, bTemporary);
}

CXTPControl* CXTPControls::AddMenuItem(CMenu* /*pMenu*/, int /*nIndex*/)
{
    return nullptr;
}

void CXTPControls::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}
