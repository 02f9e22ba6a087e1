#include "toolkit/docking/XTPDockingPanePlaces.h"
#include <algorithm>
#include "toolkit/docking/XTPDockingPaneBase.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"

CXTPDockingPanePlaces::CXTPDockingPanePlaces(const CXTPDockingPaneLayout* pLayout)
    : m_pLayout(pLayout)
{
    if (!pLayout)
        return;
    for (CXTPDockingPaneBase* pNode : pLayout->m_arrNodes)
        m_places.emplace_back(pNode, pNode->GetPaneWindowRect());
}

BOOL CXTPDockingPanePlaces::HasChanged() const
{
    if (!m_pLayout)
        return FALSE;
    for (CXTPDockingPaneBase* pNode : m_pLayout->m_arrNodes)
    {
        auto it = std::find_if(m_places.begin(), m_places.end(),
                               [pNode](const std::pair<CXTPDockingPaneBase*, CRect>& place) {
                                   return place.first == pNode;
                               });
        if (it == m_places.end() || it->second != pNode->GetPaneWindowRect())
            return TRUE;
    }
    return FALSE;
}

void CXTPDockingPanePlaces::RedrawSiteIfChanged(HWND hSite, HDWP hDWP) const
{
    // Only a pass that moves windows (a deferred-positioning handle) needs it.
    if (!hSite || !hDWP || !HasChanged())
        return;
    ::RedrawWindow(hSite, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
