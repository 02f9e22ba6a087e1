// Drags a splitter bar: an inverted tracker rectangle on the desktop follows
// the mouse inside the allowed range until the button is released (accepted)
// or Esc is pressed (cancelled).
#pragma once
#include "framework/gdi/CRect.h"

class CDC;
class CWnd;

class CXTPSplitterTracker
{
public:
    explicit CXTPSplitterTracker(BOOL bSolid = FALSE);

    // TRUE only when the left button was released; the tracker rectangle is
    // where the last mouse move put it either way.
    BOOL Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rectTracker, CPoint point, BOOL bHoriz);
    // Drawing the same rectangle twice erases it.
    void InvertTracker(CRect rect);
    // Drawn and erased together with the tracker.
    void SetBoundRect(const CRect& rcBound) { m_rcBoundRect = rcBound; }

private:
    CDC* m_pDC;
    BOOL m_bSolid;
    CRect m_rcBoundRect;
};
