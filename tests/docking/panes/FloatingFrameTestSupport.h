// What the floating frame tests share: finding a pane's frame and a frame's
// caption button, and sending the frame's timers by hand.
#pragma once
#include <windows.h>
#include "framework/gdi/CRect.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"

namespace floatingframe {

inline CXTPDockingPaneMiniWnd* FrameOf(CXTPDockingPane* pane)
{
    for (CXTPDockingPaneBase* up = pane->GetContainer(); up; up = up->GetContainer())
    {
        if (up->GetType() == xtpPaneTypeMiniWnd)
            return static_cast<CXTPDockingPaneMiniWnd*>(up);
    }
    return nullptr;
}

inline CXTPDockingPaneCaptionButton* ButtonOf(CXTPDockingPaneMiniWnd* frame, int id)
{
    for (INT_PTR i = 0; i < frame->GetCaptionButtons()->GetSize(); i++)
    {
        if (frame->GetCaptionButtons()->GetAt(i)->GetId() == id)
            return frame->GetCaptionButtons()->GetAt(i);
    }
    return nullptr;
}

inline CRect WindowRectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// The real timer is dropped so that only the checks sent here count.
inline void Tick(HWND hWnd, UINT_PTR id)
{
    ::KillTimer(hWnd, id);
    ::SendMessageW(hWnd, WM_TIMER, id, 0);
}

inline void Ticks(HWND hWnd, UINT_PTR id, int count)
{
    for (int i = 0; i < count; i++)
        Tick(hWnd, id);
}

inline POINT FarCorner()
{
    return {::GetSystemMetrics(SM_CXSCREEN) - 3, ::GetSystemMetrics(SM_CYSCREEN) - 3};
}

} // namespace floatingframe
