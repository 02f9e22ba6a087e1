// Moves a toolbar as the user drags it: between dock bars and floating, and
// resizes it by a border (a floating toolbar, a dialog bar docked or
// floating). It remembers the most recent docked place (the rectangle in the
// dock bar's client area, the side and the dock bar's id) and the most recent
// floating position (screen; 0, 0 for none), which the saved layouts keep.
#pragma once
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPToolBar;
class CXTPCommandBars;

class CXTPDockContext
{
public:
    explicit CXTPDockContext(CXTPToolBar* pBar = nullptr)
        : m_pBar(pBar)
    {
    }
    virtual ~CXTPDockContext() = default;
    CXTPDockContext(const CXTPDockContext&) = delete;
    CXTPDockContext& operator=(const CXTPDockContext&) = delete;

    // The mouse loop of a drag from the screen point; the bar docks where the
    // mouse nears a dock bar it may dock on, else it floats.
    virtual void StartDrag(CPoint pt);
    // The mouse loop resizing the bar by the border of the hit code (HTLEFT
    // to HTBOTTOMRIGHT) while the left button is held.
    virtual void StartResize(int nHitTest, CPoint pt);
    // A docked bar floats (with "DblClickFloat" on), a floating one docks
    // where it was docked last. FALSE when nothing happened.
    virtual BOOL ToggleDocking();
    // Pumps until the button is released, Escape, a quit or the capture
    // goes; FALSE when another window holds the capture.
    virtual BOOL Track();

    // A docked place is known. "None" is all zero, as docking without a
    // place leaves it; a rectangle empty by its edges is still a place.
    BOOL HasDockPlace() const { return !m_rectMRUDockPos.IsRectNull(); }

    CRect m_rectMRUDockPos;
    XTPBarPosition m_uMRUDockPosition = xtpBarTop;
    // The dock bar (its window id) the toolbar was last docked at; 0: none.
    UINT m_uMRUDockID = 0;
    CPoint m_ptMRUFloatPos = CPoint(0, 0);

protected:
    // Moves or resizes the bar for the pointer at the screen point.
    void Follow(CPoint pt);
    // Where no pointer input waits, the pointer's place from the system.
    void FollowPointerWithoutInput();
    void Move(CPoint pt);
    // A toolbar's length follows the border within its layouts; a dialog
    // bar takes the dragged rectangle down to its minimum size.
    void Resize(CPoint pt);
    void ResizeToolBar(CPoint pt);
    void ResizeDialogBar(CPoint pt);
    BOOL MayDock(XTPBarPosition position) const;
    CXTPCommandBars* GetCommandBars() const;
    // Notes the dock bar the bar leaves as its most recent docked place.
    void RememberDockBar(UINT nDockID, XTPBarPosition position, const CRect& rcDock);

    CXTPToolBar* m_pBar;
    // 1 while dragging, else the hit code of the border being dragged.
    int m_nTrackMode = 0;
    CPoint m_ptLast;
    // Where the press took the bar, from its top-left: a bar that floats
    // keeps that point under the pointer, also after docking on the way.
    CSize m_sizeGrab;
    CRect m_rectDragFrame;
    CRect m_rectWindow;
};
