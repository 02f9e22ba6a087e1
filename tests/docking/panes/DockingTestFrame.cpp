#include "DockingTestFrame.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "resources/ToolkitDockingIds.h"

LRESULT CDockingTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_XTP_PANE_ACTION)
        return CFrameWnd::WindowProc(message, wParam, lParam);
    switch (wParam)
    {
    case XTP_DPN_SHOWWINDOW:
    {
        m_lists.AttachTo(reinterpret_cast<CXTPDockingPane*>(lParam), this,
                         WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, 500, {L"Kategorie 2  Dortmund"});
        break;
    }
    case XTP_DPN_RCLICK:
        rightClicks.push_back(reinterpret_cast<CXTPDockingPaneBase*>(lParam));
        activeAtRightClick.push_back(manager.GetActivePane());
        break;
    case XTP_DPN_CONTEXTMENU:
    {
        auto* menu = reinterpret_cast<XTP_DOCKINGPANE_CLICK*>(lParam);
        menus.push_back(*menu);
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(menu->pPane->GetContainer());
        for (INT_PTR i = 0; i < container->GetCaptionButtons()->GetSize(); i++)
        {
            CXTPDockingPaneCaptionButton* button = container->GetCaptionButtons()->GetAt(i);
            if (button->GetId() == XTP_IDS_DOCKINGPANE_MENU)
                menuPressed.push_back(button->IsPressed());
        }
        break;
    }
    case XTP_DPN_ACTION: actions.push_back(reinterpret_cast<XTP_DOCKINGPANE_ACTION*>(lParam)->action); break;
    }
    return 0;
}
