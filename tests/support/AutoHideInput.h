// Driving auto-hidden panes by real input: clicking a strip's tab until its
// group has slid out, the places of a slid-out group's caption and caption
// buttons, and the pointer kept away while the program's idle passes run.
#pragma once
#include <windows.h>
#include <functional>
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitDockingIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabManagerItem.h"

namespace autohideinput {

// Far from every window the tests make.
const POINT kAway = {1250, 1000};

// The program's loop between messages: the idle update of the main window
// (delayed layouts, the panes' focus tracking).
inline void Idle(CWinApp& app)
{
    app.OnIdle(0);
}

// Pumps with idle passes until the condition holds (the deadline at most).
inline bool PumpWithIdleUntil(CWinApp& app, const std::function<bool()>& condition)
{
    return testpump::PumpUntil([&] {
        Idle(app);
        return condition();
    });
}

// Clicks tab `item` of the strip's group `group` and waits until a group has
// slid out all the way; the slide-out window, null when none came.
inline CXTPDockingPaneAutoHideWnd* SlideOutByClick(CWinApp& app, CXTPDockingPaneAutoHidePanel* panel, int group,
                                                   int item)
{
    if (static_cast<int>(panel->GetTabManagers().size()) <= group)
        return nullptr;
    CRect tab = panel->GetTabManagers()[group]->GetItem(item)->GetRect();
    POINT pt = testinput::ClientToScreenPoint(panel->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
    if (!testinput::MoveMouseAndWait(pt))
        return nullptr;
    testinput::ClickAt(pt);
    PumpWithIdleUntil(app, [&] {
        return panel->m_pActiveWnd && panel->m_pActiveWnd->GetStep() == panel->m_pActiveWnd->GetStepCount() - 1;
    });
    return panel->m_pActiveWnd;
}

// Gives the slide-out `count` ticks of one of its timers. Its own timers are
// stopped before each: the test alone decides how many ticks it gets, however
// long a slow machine takes between them (a pump would deliver real ones).
inline void Tick(CWnd* slide, UINT_PTR timer, int count)
{
    for (int i = 0; i < count && slide->GetSafeHwnd(); i++)
    {
        for (UINT_PTR own : {CXTPDockingPaneAutoHideWnd::timerCheck, CXTPDockingPaneAutoHideWnd::timerSlideOut,
                             CXTPDockingPaneAutoHideWnd::timerSlideIn})
            ::KillTimer(slide->m_hWnd, own);
        ::SendMessageW(slide->m_hWnd, WM_TIMER, timer, 0);
    }
}

// The centre of a visible caption button on screen; {-1, -1} when hidden.
inline POINT CaptionButtonPoint(CXTPDockingPaneTabbedContainer* container, int id)
{
    for (INT_PTR i = 0; i < container->GetCaptionButtons()->GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* button = container->GetCaptionButtons()->GetAt(i);
        if (button->GetId() == id && button->IsVisible() && !button->GetRect().IsRectEmpty())
            return testinput::ClientToScreenPoint(container->m_hWnd, button->GetRect().CenterPoint().x,
                                                  button->GetRect().CenterPoint().y);
    }
    return {-1, -1};
}

// A point of the caption strip near its start, clear of the buttons
// (container client coordinates).
inline CPoint CaptionClientPoint(CXTPDockingPaneTabbedContainer* container)
{
    CRect rc;
    ::GetClientRect(container->m_hWnd, &rc);
    container->GetDockingPaneManager()->GetPaintManager()->AdjustCaptionRect(container, rc);
    return CPoint(12, rc.top / 2);
}

// The group's pin (or a double click on its caption) by real input: the
// way a user docks a slid-out group back. FALSE when it is not there.
inline bool DockBackByInput(CXTPDockingPaneTabbedContainer* container, bool bPin)
{
    POINT pt;
    if (bPin)
        pt = CaptionButtonPoint(container, XTP_IDS_DOCKINGPANE_AUTOHIDE);
    else
    {
        CPoint caption = CaptionClientPoint(container);
        if (container->HitTestArea(caption) != -2)
            return false;
        pt = testinput::ClientToScreenPoint(container->m_hWnd, caption.x, caption.y);
    }
    if (pt.x == -1 || !testinput::MoveMouseAndWait(pt))
        return false;
    if (bPin)
        testinput::ClickAt(pt);
    else
        testinput::DoubleClickAt(pt);
    return true;
}

// The pointer leaves every window and stays away for `ms` while the
// program's loop runs (timers, posted messages, idle passes).
inline void PointerAwayFor(CWinApp& app, DWORD ms)
{
    testinput::MoveMouseAndWait(kAway);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms)
    {
        testpump::PumpFor(20);
        Idle(app);
    }
}

} // namespace autohideinput
