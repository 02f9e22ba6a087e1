// Moves or copies a control between bars in customize mode: captures the
// mouse, runs its own loop, shows the drop position on the bar under the
// cursor and lets that bar take the drop.
#pragma once
#include <windows.h>
#include "framework/collections/CArray.h"
#include "framework/gdi/CPoint.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;

// The drag ended without a drop (cancelled, or released where it started).
const DROPEFFECT XTP_DROPEFFECT_CANCELLED = 5;

class CXTPCustomizeDragHelper
{
public:
    explicit CXTPCustomizeDragHelper(CXTPCommandBars* pCommandBars);
    ~CXTPCustomizeDragHelper();
    CXTPCustomizeDragHelper(const CXTPCustomizeDragHelper&) = delete;
    CXTPCustomizeDragHelper& operator=(const CXTPCustomizeDragHelper&) = delete;

    void AddDropTarget(CXTPCommandBar* pBar);
    void RemoveDropTarget(CXTPCommandBar* pBar);
    // A window of its own to capture the mouse (the customize sheet); null:
    // the manager's site.
    void SetCaptureWindow(CWnd* pWnd) { m_pWndCapture = pWnd; }
    DROPEFFECT DragControl(CXTPControl* pControl, BOOL bCopyOnly = FALSE);
    CXTPCommandBar* GetDropTarget() const { return m_pTarget; }

private:
    DROPEFFECT RunLoop();
    void UpdateTarget(CPoint ptScreen);
    void UpdateCursor();

    HWND m_hWndCapture;
    CXTPControl* m_pControl;
    BOOL m_bMove;
    BOOL m_bCopyOnly;
    CXTPCommandBar* m_pTarget;
    // The pointer lies over a bar that refused the control.
    BOOL m_bRefused;
    CWnd* m_pWndCapture;
    CPoint m_ptStart;
    CPoint m_ptLast;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrTargets;
    CXTPCommandBars* m_pCommandBars;
    HCURSOR m_hCursorNone;
    HCURSOR m_hCursorMove;
    HCURSOR m_hCursorCopy;
};
