// Times the docking layout of a 100-pane tree: one layout pass, a save and a
// load through an archive, beside moving 100 plain windows with one
// DeferWindowPos batch (what a layout pass of real windows costs at least).
// Then loads stored splitter trees up to the node limit: chains nested as
// deep as loading allows and deeper (refused), and wide trees.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
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

// A stored layout of n nodes: node 1 the client; splitters 2..n. In a chain
// each splitter holds the one numbered below it and n is the top; in a wide
// tree splitter 2 is the top and holds the client and every other splitter.
void WriteSplitters(CMemFile& file, int n, bool chain)
{
    file.SetLength(0);
    CArchive ar(&file, CArchive::store);
    CXTPPropExchangeArchive px(ar);
    CXTPPropExchange* summary = px.GetSection(L"Summary");
    XTPExchangeLong(summary, L"Panes", n);
    for (int i = 1; i <= n; i++)
    {
        int type = i == 1 ? 4 : 2;
        XTPExchangeLong(&px, L"Type", type);
    }
    for (int i = 1; i <= n; i++)
    {
        int cx = 100, cy = 100;
        XTPExchangeLong(&px, L"DockingCX", cx);
        XTPExchangeLong(&px, L"DockingCY", cy);
        if (i == 1)
            continue;
        BOOL horiz = i % 2;
        XTPExchangeBool(&px, L"Horiz", horiz);
        int count = chain ? 1 : (i == 2 ? n - 1 : 0);
        XTPExchangeLong(&px, L"Panes", count);
        for (int c = 0; c < count; c++)
        {
            int child = chain ? i - 1 : (c == 0 ? 1 : c + 2);
            XTPExchangeLong(&px, L"Pane", child);
        }
    }
    int top = chain ? n : 2, client = 1;
    XTPExchangeLong(summary, L"TopContainer", top);
    XTPExchangeLong(summary, L"Client", client);
    summary->InternalRelease();
    ar.Close();
}

// Loads the stored layout once: milliseconds, and whether it was taken.
double LoadStored(CXTPDockingPaneManager& manager, CMemFile& file, BOOL& loaded)
{
    file.SeekToBegin();
    double start = Now();
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    std::unique_ptr<CXTPDockingPaneLayout> layout(manager.CreateLayout());
    loaded = layout->Load(&px);
    layout.reset();
    return Now() - start;
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

    // Loading (and freeing) stored splitter trees; the nesting limit and
    // the node limit are the loader's.
    const int depthLimit = CXTPDockingPaneLayout::kMaxLoadedDepth;
    struct Tree
    {
        const char* shape;
        int nodes;
        bool chain;
    } trees[] = {
        {"chain", depthLimit / 2, true},  {"chain", depthLimit, true},  {"chain", 10000, true},
        {"chain", 100000, true},          {"wide", 10000, false},       {"wide", 100000, false},
    };
    std::printf("\n%-40s %10s %14s\n", "stored splitter trees (load, free)", "ms", "us per node");
    for (const Tree& tree : trees)
    {
        WriteSplitters(file, tree.nodes, tree.chain);
        BOOL taken = FALSE;
        double best = 0;
        for (int round = 0; round < 3; round++)
        {
            double ms = LoadStored(manager, file, taken);
            best = round == 0 || ms < best ? ms : best;
        }
        char label[64];
        std::snprintf(label, sizeof(label), "%s of %d nodes (%s)", tree.shape, tree.nodes, taken ? "loaded" : "refused");
        std::printf("%-40s %10.3f %14.3f\n", label, best, best * 1000.0 / tree.nodes);
    }
    return 0;
}
