// A text of a docking layout that two layouts can be compared by: the
// docked tree, then the floating frames and auto-hide panels.
#pragma once
#include <cwchar>
#include <string>
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"

namespace panetree {

// A text of the tree: types, orientation, docking sizes and panes by id.
inline std::wstring Describe(CXTPDockingPaneBase* node)
{
    wchar_t buffer[64];
    switch (node->GetType())
    {
    case xtpPaneTypeClient: return L"C";
    case xtpPaneTypeTabbedContainer:
    {
        auto* tabbed = static_cast<CXTPDockingPaneTabbedContainer*>(node);
        std::wstring text = L"T[";
        for (CXTPDockingPane* pane : tabbed->GetPanes())
        {
            swprintf(buffer, 64, L"%d%ls ", pane->GetID(), pane == tabbed->GetSelected() ? L"*" : L"");
            text += buffer;
        }
        swprintf(buffer, 64, L"%ldx%ld]", node->m_szDocking.cx, node->m_szDocking.cy);
        return text + buffer;
    }
    case xtpPaneTypeSplitterContainer:
    {
        auto* splitter = static_cast<CXTPDockingPaneSplitterContainer*>(node);
        std::wstring text = splitter->IsHoriz() ? L"H(" : L"V(";
        for (CXTPDockingPaneBase* child : splitter->GetChildren())
            text += Describe(child) + L" ";
        return text + L")";
    }
    case xtpPaneTypeMiniWnd:
    {
        auto* frame = static_cast<CXTPDockingPaneMiniWnd*>(node);
        return L"F{" + (frame->GetTopContainer() ? Describe(frame->GetTopContainer()) : std::wstring()) + L"}";
    }
    case xtpPaneTypeAutoHidePanel:
    {
        auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(node);
        swprintf(buffer, 64, L"P%d<", panel->GetDirection());
        std::wstring text = buffer;
        for (CXTPDockingPaneTabbedContainer* group : panel->GetGroups())
            text += Describe(group) + L" ";
        return text + L">";
    }
    default: return L"?";
    }
}

// The docked tree, then floating frames and panels in node order.
inline std::wstring Describe(CXTPDockingPaneLayout* layout)
{
    std::wstring text = Describe(layout->GetTopContainer());
    for (CXTPDockingPaneBase* node : layout->m_arrNodes)
        if (node->GetType() == xtpPaneTypeMiniWnd || node->GetType() == xtpPaneTypeAutoHidePanel)
            text += L" " + Describe(node);
    return text;
}

} // namespace panetree
