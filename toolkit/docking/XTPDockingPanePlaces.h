// Where the nodes of a docking layout lay before a layout pass, so that the
// pass can tell whether it moved anything.
#pragma once
#include <utility>
#include <vector>
#include "framework/gdi/CRect.h"

class CXTPDockingPaneBase;
class CXTPDockingPaneLayout;

class CXTPDockingPanePlaces
{
public:
    // Takes the laid-out rectangle of every node of the layout now.
    explicit CXTPDockingPanePlaces(const CXTPDockingPaneLayout* pLayout);

    // Whether a node now lies elsewhere than it did, or was not there.
    BOOL HasChanged() const;

    // A layout pass whose moves are deferred puts windows at new places
    // one after another, each carrying its old pixels along: a view that
    // trades places with a pane takes the pixels the pane just brought to
    // its old place, and keeps them as a dead picture. When the pass moved
    // anything, the site and every window in it are drawn afresh once the
    // moves are done (invalid regions travel with the windows).
    void RedrawSiteIfChanged(HWND hSite, HDWP hDWP) const;

private:
    const CXTPDockingPaneLayout* m_pLayout;
    std::vector<std::pair<CXTPDockingPaneBase*, CRect>> m_places;
};
