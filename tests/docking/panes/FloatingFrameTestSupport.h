// What the floating frame tests share: a site with one pane floated in a
// frame, finding a pane's frame and a frame's caption button, and sending
// the frame's timers by hand.
#pragma once
#include <windows.h>
#include "DockingTestFrame.h"
#include "framework/gdi/CRect.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
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

// The last floating frame of a layout.
inline CXTPDockingPaneMiniWnd* OnlyFrameOf(CXTPDockingPaneLayout* layout)
{
    CXTPDockingPaneMiniWnd* found = nullptr;
    for (CXTPDockingPaneBase* node : layout->m_arrNodes)
    {
        if (node->GetType() == xtpPaneTypeMiniWnd)
            found = static_cast<CXTPDockingPaneMiniWnd*>(node);
    }
    return found;
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

// The window redrawn (frame and children unless other flags are given) and
// its pixels as the screen shows them.
inline testshot::Image RedrawAndShoot(HWND hWnd, UINT redrawFlags = RDW_INVALIDATE | RDW_FRAME | RDW_ERASE |
                                                                    RDW_ALLCHILDREN | RDW_UPDATENOW)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, redrawFlags);
    testpump::PumpUntilIdle();
    HDC screen = ::GetDC(nullptr);
    testshot::Image shot = testshot::CaptureDC(screen, WindowRectOf(hWnd));
    ::ReleaseDC(nullptr, screen);
    return shot;
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

// A site (right to left with WS_EX_LAYOUTRTL) whose one pane floats in a
// 220 x 180 frame at 300, 200.
struct FloatingSetup
{
    CWinApp app{L"FloatingFrameApp"};
    CDockingTestFrame* frame = nullptr;
    CXTPDockingPane* pane = nullptr;
    CXTPDockingPaneMiniWnd* floating = nullptr;
    HWND hFloating = nullptr;
    int caption = 0;

    explicit FloatingSetup(BOOL ownCaption = TRUE, int theme = 0, DWORD siteExStyle = 0)
    {
        frame = new CDockingTestFrame;
        frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420), nullptr,
                      nullptr, siteExStyle);
        frame->manager.InstallDockingPanes(frame);
        frame->manager.SetTheme(theme);
        frame->manager.SetFloatingFrameCaption(ownCaption);
        pane = frame->manager.CreatePane(31, CRect(0, 0, 200, 120), xtpPaneDockLeft);
        pane->SetTitle(L"Verfügbare Tickets");
        frame->RecalcLayout();
        frame->manager.FloatPane(pane, CRect(300, 200, 520, 380));
        floating = FrameOf(pane);
        hFloating = floating ? floating->m_hWnd : nullptr;
        caption = frame->manager.GetPaintManager()->GetCaptionHeight();
    }
    ~FloatingSetup() { frame->DestroyWindow(); }
    FloatingSetup(const FloatingSetup&) = delete;
    FloatingSetup& operator=(const FloatingSetup&) = delete;

    // A second container below the first one, in the same frame.
    CXTPDockingPane* AddBelow(int id)
    {
        return frame->manager.CreatePane(id, CRect(0, 0, 200, 100), xtpPaneDockBottom, pane->GetContainer());
    }
};

} // namespace floatingframe
