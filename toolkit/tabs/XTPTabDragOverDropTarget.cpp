#include "toolkit/tabs/XTPTabDragOverDropTarget.h"

DROPEFFECT CXTPTabDragOverDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                                  CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CXTPTabDragOverDropTarget::OnDragOver(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/,
                                                 DWORD /*dwKeyState*/, CPoint point)
{
    OnDragOverTab(point);
    return DROPEFFECT_NONE;
}
