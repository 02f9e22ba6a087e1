// What the layout tests share: a text of a layout that two layouts can be
// compared by (the docked tree, then the floating frames and auto-hide
// panels), a layout saved to and loaded from bytes, bytes in files.
#pragma once
#include <cwchar>
#include <string>
#include <vector>
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"

namespace layouttest {

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

inline std::vector<BYTE> SaveToBytes(CXTPDockingPaneLayout* layout)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        layout->Save(&px);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

inline BOOL LoadFromBytes(CXTPDockingPaneLayout* layout, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    return layout->Load(&px);
}

inline std::vector<BYTE> ReadFileBytes(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::vector<BYTE> bytes(::GetFileSize(file, nullptr));
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

inline void WriteFileBytes(const std::wstring& path, const void* data, size_t size)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    ::CloseHandle(file);
}

} // namespace layouttest
