// Moves a toolbar as the user drags it: between dock bars and floating, and
// resizes a floating one by its borders. It remembers the most recent docked
// place (the rectangle in the dock bar's client area and the side) and the
// most recent floating position (screen; 0, 0 for none).
#pragma once
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
    // The mouse loop resizing a floating bar by the border of the hit code.
    virtual void StartResize(int nHitTest, CPoint pt);
    // A docked bar floats (with "DblClickFloat" on), a floating one docks
    // where it was docked last. FALSE when nothing happened.
    virtual BOOL ToggleDocking();

    CRect m_rectMRUDockPos;
    XTPBarPosition m_uMRUDockPosition = xtpBarTop;
    CPoint m_ptMRUFloatPos = CPoint(0, 0);

protected:
    // Pumps until the button is released, Escape or the capture goes.
    virtual void Track();
    void Move(CPoint pt);
    void Resize(CPoint pt);
    BOOL MayDock(XTPBarPosition position) const;
    CXTPCommandBars* GetCommandBars() const;

    CXTPToolBar* m_pBar;
    int m_nTrackMode = 0;
    CPoint m_ptLast;
    CRect m_rectDragFrame;
    CRect m_rectWindow;
};
