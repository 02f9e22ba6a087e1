// A drop target for tab strips that never takes a drop: an OLE drag held
// over a tab only brings that tab's page forward, so that what is dragged
// can be dropped into the page itself.
#pragma once
#include "framework/ole/COleDropTarget.h"

class CXTPTabDragOverDropTarget : public COleDropTarget
{
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

protected:
    // Brings forward the tab under the point (client coordinates), if any.
    virtual void OnDragOverTab(CPoint point) = 0;
};
