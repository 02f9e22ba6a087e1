// A frame with docking panes for tests: each pane gets a list box when it
// is first shown, and the frame records the notifications it receives.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "PaneListBoxes.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"

class CDockingTestFrame : public CFrameWnd
{
public:
    CXTPDockingPaneManager manager;
    std::vector<int> actions;
    // wParam 2 and 5: what lParam named, and whether the menu button was
    // drawn pressed while the owner handled it.
    std::vector<CXTPDockingPaneBase*> rightClicks;
    std::vector<CXTPDockingPane*> activeAtRightClick;
    std::vector<XTP_DOCKINGPANE_CLICK> menus;
    std::vector<BOOL> menuPressed;

    // A frame of this class, or of one derived from it, with its manager.
    template <class FRAME = CDockingTestFrame>
    static FRAME* New()
    {
        auto* frame = new FRAME;
        frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420));
        frame->manager.InstallDockingPanes(frame);
        return frame;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CPaneListBoxes m_lists;
};

// A test frame destroyed (its window, and with it the object) at scope's end.
struct DockingTestFrameCloser
{
    void operator()(CDockingTestFrame* frame) const { frame->DestroyWindow(); }
};
using DockingTestFramePtr = std::unique_ptr<CDockingTestFrame, DockingTestFrameCloser>;

// A shown, active test frame that is the application's main window, so
// that the idle passes reach it as they reach the program's frame; its
// window goes at scope's end unless a test destroyed it already.
class CMainTestFrameScope
{
public:
    explicit CMainTestFrameScope(LPCWSTR appName) : app(appName), frame(CDockingTestFrame::New()), hFrame(frame->m_hWnd)
    {
        app.m_pMainWnd = frame;
        ::SetForegroundWindow(hFrame);
        testpump::PumpUntilIdle();
    }
    ~CMainTestFrameScope()
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hFrame))
            frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    CMainTestFrameScope(const CMainTestFrameScope&) = delete;
    CMainTestFrameScope& operator=(const CMainTestFrameScope&) = delete;

    CWinApp app;
    CDockingTestFrame* frame;
    HWND hFrame;
};

// The tabbed container (group) the pane lies in.
inline CXTPDockingPaneTabbedContainer* GroupOf(CXTPDockingPane* pane)
{
    return static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
}

// "left,top,right,bottom", for comparisons that print what differed.
inline std::string RectText(const CRect& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

// The window's rectangle in its parent's client coordinates.
inline CRect ParentRect(HWND wnd)
{
    CRect rc;
    ::GetWindowRect(wnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(wnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Panes 1 "Spiele" and 2 "Statistik" of the width docked left as one group,
// then the group hidden: the left side's auto-hide panel.
inline CXTPDockingPaneAutoHidePanel* HideTwoPaneGroupLeft(CFrameWnd* frame, CXTPDockingPaneManager& manager,
                                                          int nWidth)
{
    CXTPDockingPane* first = manager.CreatePane(1, CRect(0, 0, nWidth, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = manager.CreatePane(2, CRect(0, 0, nWidth, 100), xtpPaneDockLeft);
    first->SetTitle(L"Spiele");
    second->SetTitle(L"Statistik");
    manager.AttachPane(second, first);
    frame->RecalcLayout();
    manager.HidePane(first->GetContainer());
    frame->RecalcLayout();
    return static_cast<CXTPDockingPaneAutoHidePanel*>(manager.GetLayout()->m_wndPanels[xtpPaneDockLeft]);
}
