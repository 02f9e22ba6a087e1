// Where a dragged node would go: the manager's preview rectangles.
#include <algorithm>
#include "framework/windows/CFrameWnd.h"
#include "toolkit/docking/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterSizes.h"

CRect CXTPDockingPaneManager::GetDockingRect(CXTPDockingPaneBase* pNode, int direction,
                                             CXTPDockingPaneBase* pNeighbour) const
{
    CRect rc = CXTPDockingPaneContext::GetNodeScreenRect(pNeighbour);
    if (!pNode || rc.IsRectEmpty())
        return rc;
    BOOL bHoriz = direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
    // The node and the neighbour share the neighbour's place as a splitter
    // of the two would share it.
    XTP_DOCKINGPANE_SPLIT_CHILD children[2] = {};
    MINMAXINFO mmi;
    pNode->GetMinMaxInfo(&mmi);
    CSize szNode = pNode->GetDockingSize();
    CRect rcNode = CXTPDockingPaneContext::GetNodeScreenRect(pNode);
    children[0].nWanted = bHoriz ? (szNode.cx ? szNode.cx : rcNode.Width()) : (szNode.cy ? szNode.cy : rcNode.Height());
    children[0].nMin = bHoriz ? mmi.ptMinTrackSize.x : mmi.ptMinTrackSize.y;
    children[0].nMax = bHoriz ? mmi.ptMaxTrackSize.x : mmi.ptMaxTrackSize.y;
    pNeighbour->GetMinMaxInfo(&mmi);
    CXTPDockingPaneBase* pClient = m_pLayout ? m_pLayout->GetClientPane() : nullptr;
    children[1].nWanted = bHoriz ? rc.Width() : rc.Height();
    children[1].nMin = bHoriz ? mmi.ptMinTrackSize.x : mmi.ptMinTrackSize.y;
    children[1].nMax = bHoriz ? mmi.ptMaxTrackSize.x : mmi.ptMaxTrackSize.y;
    children[1].bStretch = pClient && pNeighbour->ContainsPane(pClient);
    int nLength = bHoriz ? rc.Width() : rc.Height();
    XTPDockingPaneDistributeSizes(children, 2, nLength, m_pPaintManager->GetSplitterSize());
    int nSize = std::max(0, std::min(children[0].nLength, nLength));
    switch (direction)
    {
    case xtpPaneDockLeft: rc.right = rc.left + nSize; break;
    case xtpPaneDockRight: rc.left = rc.right - nSize; break;
    case xtpPaneDockTop: rc.bottom = rc.top + nSize; break;
    default: rc.top = rc.bottom - nSize; break;
    }
    return rc;
}

void CXTPDockingPaneManager::OnDragDropped()
{
    UpdateFloatingFrames();
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
    if (m_hWnd)
        PostMessage(WM_XTP_REMOVEUNUSEDNODES);
}
