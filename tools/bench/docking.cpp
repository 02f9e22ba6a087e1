// Times the docking layout of a 100-pane tree: one layout pass, a save and a
// load through an archive, beside moving 100 plain windows with one
// DeferWindowPos batch (what a layout pass of real windows costs at least).
#include <windows.h>

#include <cstdio>
#include <memory>

#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"

namespace
{
const int kPanes = 100;
const int kRounds = 20;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}
} // namespace

int wmain()
{
    CXTPDockingPaneManager manager;
    manager.AttachSite(nullptr);
    // Panes in pairs: one docked at a side, the next tabbed with it.
    CXTPDockingPane* previous = nullptr;
    for (int i = 1; i <= kPanes; i++)
    {
        CXTPDockingPane* pane = manager.CreatePane(i, CRect(0, 0, 60, 40), i % 4, i % 3 == 0 ? previous : nullptr);
        if (i % 2 == 0 && previous)
            manager.AttachPane(pane, previous);
        previous = pane;
    }
    CXTPDockingPaneLayout* layout = manager.GetLayout();

    double start = Now();
    for (int i = 0; i < kRounds; i++)
        layout->OnSizeParent(nullptr, CRect(0, 0, 1600 + i, 1200), nullptr);
    double pass = (Now() - start) / kRounds;

    CMemFile file;
    start = Now();
    for (int i = 0; i < kRounds; i++)
    {
        file.SetLength(0);
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        layout->Save(&px);
        ar.Close();
    }
    double save = (Now() - start) / kRounds;
    ULONGLONG bytes = file.GetLength();

    start = Now();
    BOOL loaded = TRUE;
    for (int i = 0; i < kRounds; i++)
    {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        std::unique_ptr<CXTPDockingPaneLayout> copy(manager.CreateLayout());
        loaded &= copy->Load(&px);
    }
    double load = (Now() - start) / kRounds;

    // 100 plain windows in one top-level window, moved in one batch.
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1600, 1200, nullptr, nullptr, nullptr, nullptr);
    HWND windows[kPanes];
    for (int i = 0; i < kPanes; i++)
        windows[i] = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr, nullptr,
                                       nullptr);
    start = Now();
    for (int round = 0; round < kRounds; round++)
    {
        HDWP hdwp = ::BeginDeferWindowPos(kPanes);
        for (int i = 0; i < kPanes; i++)
            hdwp = ::DeferWindowPos(hdwp, windows[i], nullptr, (i % 10) * 160, (i / 10) * 120, 150 + round, 110,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
        ::EndDeferWindowPos(hdwp);
    }
    double defer = (Now() - start) / kRounds;
    ::DestroyWindow(parent);

    std::printf("%d panes (%zu nodes), average of %d rounds\n\n", kPanes, layout->m_arrNodes.size(), kRounds);
    std::printf("%-40s %10s\n", "docking layout", "ms");
    std::printf("%-40s %10.3f\n", "layout pass (tree only)", pass);
    std::printf("%-40s %10.3f   (%llu bytes)\n", "save to an archive", save, bytes);
    std::printf("%-40s %10.3f   (%s)\n", "load from the archive", load, loaded ? "ok" : "FAILED");
    std::printf("\n%-40s %10s\n", "plain windows", "ms");
    std::printf("%-40s %10.3f\n", "move 100 windows (DeferWindowPos)", defer);
    return 0;
}
