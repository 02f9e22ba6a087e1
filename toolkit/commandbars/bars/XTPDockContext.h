// What a toolbar remembers about its docked place: the rectangle at which it
// was docked (its position along the row, in the dock bar's client area) and
// the side it was last laid out on; and the mouse loop that resizes the bar
// by a border.
#pragma once
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPToolBar;

class CXTPDockContext
{
public:
    explicit CXTPDockContext(CXTPToolBar* pBar = nullptr) : m_pBar(pBar) {}
    virtual ~CXTPDockContext() = default;

    // Resizes by the border of the hit-test code (HTLEFT to HTBOTTOMRIGHT)
    // while the left button is held.
    virtual void StartResize(int nHitTest, CPoint pt);
    // The capture loop; FALSE when another window holds the capture.
    virtual BOOL Track();

    CRect m_rectMRUDockPos;
    XTPBarPosition m_uMRUDockPosition = xtpBarTop;
    // The dock bar (its window id) the toolbar was last docked at; 0: none.
    UINT m_uMRUDockID = 0;
    // Top-left of the most recent floating place (screen); (0, 0): none.
    CPoint m_ptMRUFloatPos = CPoint(0, 0);

protected:
    void OnResize(CPoint pt);

    CXTPToolBar* m_pBar;
    int m_nHitTest = 0;
    CPoint m_ptLast;
    CRect m_rectDrag;
};
