// The pane tree without windows: docking beside the client and beside a
// container, splitter layout, panes' titles and tab colours, closing and
// showing again, themes by number, and the layout saved and loaded in the
// three back ends, corrupt layouts refused.
#include <gtest/gtest.h>
#include "LayoutTestSupport.h"
#include "LayoutStores.h"
#include "support/SecondProcess.h"
#include <msxml.h>
#include <shlwapi.h>
#include <functional>
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"

using layouttest::Describe;

namespace {

CXTPDockingPaneSplitterContainer* AsSplitter(CXTPDockingPaneBase* node)
{
    return dynamic_cast<CXTPDockingPaneSplitterContainer*>(node);
}

struct Docking
{
    CXTPDockingPaneManager manager;
    Docking() { manager.AttachSite(nullptr); }
    CXTPDockingPaneLayout* Layout() { return manager.GetLayout(); }
    CXTPDockingPaneSplitterContainer* Top() { return Layout()->GetTopContainer(); }
};

// Saves with one exchanger and loads with another, in each back end.
struct Backend
{
    const char* name;
    std::function<void(CXTPDockingPaneLayout*, int schema)> save;
    std::function<BOOL(CXTPDockingPaneLayout*)> load;
};

CMemFile g_file;
IXMLDOMDocument* g_document = nullptr;
const wchar_t kKey[] = L"Software\\TavrolinTests\\DockingLayout";

std::vector<Backend> Backends()
{
    std::vector<Backend> backends;
    for (const layouttest::LayoutStore& store : layouttest::LayoutStores(g_file, g_document, kKey))
    {
        auto save = [store](CXTPDockingPaneLayout* layout, int schema) {
            store.write([&](CXTPPropExchange* px) {
                px->m_nSchema = schema;
                layout->Save(px);
            });
        };
        backends.push_back({store.name, save, store.load});
    }
    return backends;
}

// Three panes: 1 at the left, 2 at the bottom, 3 tabbed with 2 and selected.
void BuildSample(Docking& d)
{
    CXTPDockingPane* left = d.manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* bottom = d.manager.CreatePane(2, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    CXTPDockingPane* tabbed = d.manager.CreatePane(3, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    d.manager.AttachPane(tabbed, bottom);
    left->GetContainer()->m_szDocking = {170, 100};
    left->SetTitle(L"Spiele\nSp");
    ASSERT_EQ(tabbed, static_cast<CXTPDockingPaneTabbedContainer*>(bottom->GetContainer())->GetSelected());
}

} // namespace

TEST(PaneTree, DockingBesideTheClientAndBesideAContainer)
{
    Docking d;
    CXTPDockingPane* first = d.manager.CreatePane(1, CRect(0, 0, 100, 80), xtpPaneDockRight);
    EXPECT_EQ(L"H(C T[1* 100x80] )", Describe(d.Layout()));
    d.manager.CreatePane(2, CRect(0, 0, 60, 50), xtpPaneDockTop, first);
    EXPECT_EQ(L"H(C V(T[2* 60x50] T[1* 100x80] ) )", Describe(d.Layout()));
    EXPECT_EQ(xtpPaneDockRight, d.manager.GetPaneDirection(first));

    // Across the top's orientation: a new vertical top.
    d.manager.CreatePane(3, CRect(0, 0, 40, 40), xtpPaneDockBottom);
    EXPECT_EQ(L"V(H(C V(T[2* 60x50] T[1* 100x80] ) ) T[3* 40x40] )", Describe(d.Layout()));
    EXPECT_EQ(xtpPaneDockBottom, d.manager.GetPaneDirection(d.manager.FindPane(3)));
    EXPECT_EQ(nullptr, d.manager.FindPane(99));
}

TEST(PaneTree, SplitterGivesTheClientWhatThePanesLeave)
{
    Docking d;
    d.manager.CreatePane(1, CRect(0, 0, 100, 50), xtpPaneDockLeft);
    d.manager.CreatePane(2, CRect(0, 0, 100, 50), xtpPaneDockRight);
    d.Top()->OnSizeParent(nullptr, CRect(0, 0, 500, 300), nullptr);
    const auto& children = d.Top()->GetChildren();
    ASSERT_EQ(3u, children.size());
    EXPECT_EQ(CRect(0, 0, 100, 300), children[0]->GetPaneWindowRect());
    EXPECT_EQ(CRect(104, 0, 396, 300), children[1]->GetPaneWindowRect()) << "292 for the client";
    EXPECT_EQ(CRect(400, 0, 500, 300), children[2]->GetPaneWindowRect());

    d.manager.FindPane(1)->m_ptMaxTrackSize.x = 50;
    d.Top()->OnSizeParent(nullptr, CRect(0, 0, 500, 300), nullptr);
    EXPECT_EQ(50, children[0]->GetPaneWindowRect().Width()) << "the maximum holds";
    EXPECT_EQ(342, children[1]->GetPaneWindowRect().Width());
}

TEST(PaneTree, PaneTitlesAndTabColours)
{
    Docking d;
    CXTPDockingPane* pane = d.manager.CreatePane(11, CRect(0, 0, 10, 10), xtpPaneDockLeft);
    pane->SetTitle(L"Verfügbare Tickets\nTickets");
    EXPECT_EQ(CString(L"Verfügbare Tickets"), pane->GetShortTitle());
    EXPECT_EQ(CString(L"Tickets"), pane->GetTabCaption());
    pane->SetTitle(L"Tickets");
    EXPECT_EQ(pane->GetShortTitle(), pane->GetTabCaption());
    EXPECT_EQ(11, pane->GetIconId());

    CWnd silent;
    silent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
    pane->Attach(&silent);
    EXPECT_EQ(0x1000003u, pane->GetItemColor()) << "id 11 -> colour 3";
    pane->m_clrItemTab = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), pane->GetItemColor());
    silent.DestroyWindow();
}

TEST(PaneTree, AClosedPaneComesBackIntoItsContainer)
{
    Docking d;
    CXTPDockingPane* pane = d.manager.CreatePane(108, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    CXTPDockingPaneBase* container = pane->GetContainer();
    for (int round = 0; round < 2; round++)
    {
        d.manager.ClosePane(pane);
        EXPECT_TRUE(pane->IsClosed());
        EXPECT_TRUE(container->IsEmpty());
        EXPECT_TRUE(d.Top()->ContainsPane(container)) << "the emptied container stays in the tree";
        d.manager.ShowPane(pane);
        EXPECT_EQ(container, pane->GetContainer()) << "round " << round;
    }
}

TEST(PaneTree, ThemesByNumber)
{
    using namespace XTPDockingPanePaintThemes;
    Docking d;
    for (int theme = -1; theme <= 10; theme++)
    {
        d.manager.SetTheme(theme);
        CXTPDockingPanePaintManager* paint = d.manager.GetPaintManager();
        bool expected = false;
        switch (theme)
        {
        case 1: expected = typeid(*paint) == typeid(CXTPDockingPaneOfficeTheme); break;
        case 2: expected = typeid(*paint) == typeid(CXTPDockingPaneOffice2003Theme); break;
        case 3: expected = typeid(*paint) == typeid(CXTPDockingPaneNativeXPTheme); break;
        case 4: expected = typeid(*paint) == typeid(CXTPDockingPaneGripperedTheme); break;
        case 5: expected = typeid(*paint) == typeid(CXTPDockingPaneVisioTheme); break;
        case 6: expected = typeid(*paint) == typeid(CXTPDockingPaneWhidbeyTheme); break;
        case 7: expected = typeid(*paint) == typeid(CXTPDockingPaneShortcutBar2003Theme); break;
        case 8: expected = typeid(*paint) == typeid(CXTPDockingPaneExplorerTheme); break;
        case 9: expected = typeid(*paint) == typeid(CXTPDockingPaneVisualStudio2005Theme); break;
        default: expected = typeid(*paint) == typeid(CXTPDockingPaneDefaultTheme); break;
        }
        EXPECT_TRUE(expected) << "theme " << theme;
        EXPECT_EQ(theme == 9, !!d.manager.m_bSecondStyle);
    }
}

TEST(PaneTree, LayoutsSurviveEveryBackEnd)
{
    Docking d;
    BuildSample(d);
    EXPECT_EQ(L"V(H(T[1* 170x100] C ) T[2 3* 200x120] T[200x120] )", Describe(d.Layout()));
    Backends()[0].save(d.Layout(), 10);
    const std::wstring before = Describe(d.Layout());
    EXPECT_EQ(L"V(H(T[1* 170x100] C ) T[2 3* 200x120] )", before) << "saving drops the emptied container";
    for (const Backend& backend : Backends())
    {
        SCOPED_TRACE(backend.name);
        backend.save(d.Layout(), 10);
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        ASSERT_TRUE(backend.load(loaded.get()));
        EXPECT_EQ(before, Describe(loaded.get()));
        EXPECT_EQ(CString(L"Spiele\nSp"), loaded->m_arrPanes[0].pPane->GetTitle());
        EXPECT_EQ(loaded->m_arrPanes[0].pPane->GetContainer(), loaded->m_arrPanes[0].pDockingHolder);
    }

    // A fresh layout: the client is number 1, the top number 2.
    Docking fresh;
    Backends()[0].save(fresh.Layout(), 10);
    g_file.SeekToBegin();
    CArchive ar(&g_file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    std::unique_ptr<CXTPDockingPaneLayout> loaded(fresh.manager.CreateLayout());
    ASSERT_TRUE(loaded->Load(&px));
    EXPECT_EQ(2u, loaded->m_arrNodes.size());
    EXPECT_EQ(xtpPaneTypeClient, loaded->m_arrNodes[0]->GetType());
    EXPECT_EQ(loaded->GetTopContainer(), loaded->m_arrNodes[1]);
    if (g_document)
        g_document->Release(), g_document = nullptr;
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(PaneTree, SchemaNineLeavesOutTheNewerPaneValues)
{
    Docking d;
    CXTPDockingPane* pane = d.manager.CreatePane(5, CRect(0, 0, 50, 50), xtpPaneDockLeft);
    pane->m_clrItemTab = RGB(9, 8, 7);
    pane->m_nHelpId = 77;
    Backend registry = Backends()[1];
    for (int schema : {9, 10})
    {
        registry.save(d.Layout(), schema);
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        ASSERT_TRUE(registry.load(loaded.get()));
        CXTPDockingPane* copy = loaded->m_arrPanes[0].pPane;
        EXPECT_EQ(schema > 9 ? RGB(9, 8, 7) : COLORREF(-1), copy->m_clrItemTab) << "schema " << schema;
        EXPECT_EQ(schema > 9 ? 77 : 0, copy->m_nHelpId);
    }
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(PaneTree, CorruptLayoutsAreRefused)
{
    // Each case edits a saved sample in the registry before loading it.
    struct Case
    {
        const char* what;
        LPCWSTR section;
        LPCWSTR value;
        DWORD data;
    } cases[] = {
        {"unknown type", L"Pane-1", L"Type", 42},
        {"number out of range", L"Summary", L"TopContainer", 99},
        {"client names a splitter", L"Summary", L"Client", 0},
        {"a splitter inside itself", nullptr, L"Pane-1", 0},
        {"a pane in two containers", nullptr, L"Pane-2", 0},
        {"a huge count", L"Summary", L"Panes", 0x7FFFFFFF},
        {"a container claiming millions of children", nullptr, L"Panes", 0x7FFFFFFF},
    };
    Docking d;
    BuildSample(d);
    Backend registry = Backends()[1];
    for (const Case& c : cases)
    {
        registry.save(d.Layout(), 10);
        // Find the sections of the top splitter and of a tabbed container.
        int top = d.Top()->m_nIndex;
        CXTPDockingPaneTabbedContainer* tabbed = nullptr;
        for (CXTPDockingPaneBase* node : d.Layout()->m_arrNodes)
            if (!tabbed && node->GetType() == xtpPaneTypeTabbedContainer)
                tabbed = static_cast<CXTPDockingPaneTabbedContainer*>(node);
        wchar_t section[64];
        DWORD data = c.data;
        if (std::string(c.what) == "client names a splitter")
            swprintf(section, 64, L"Summary"), data = top;
        else if (std::string(c.what) == "a splitter inside itself")
            swprintf(section, 64, L"Pane-%d", top), data = top;
        else if (std::string(c.what) == "a container claiming millions of children")
            swprintf(section, 64, L"Pane-%d", tabbed->m_nIndex);
        else if (std::string(c.what) == "a pane in two containers")
        {
            // Another container claims the sample's first pane too.
            CXTPDockingPaneTabbedContainer* other = nullptr;
            for (CXTPDockingPaneBase* node : d.Layout()->m_arrNodes)
                if (node->GetType() == xtpPaneTypeTabbedContainer && node != tabbed)
                    other = static_cast<CXTPDockingPaneTabbedContainer*>(node);
            ASSERT_NE(nullptr, other);
            swprintf(section, 64, L"Pane-%d", other->m_nIndex);
            data = tabbed->GetPanes()[0]->m_nIndex;
        }
        else
            lstrcpyW(section, c.section);
        std::wstring path = std::wstring(kKey) + L"\\Layout\\" + section;
        LPCWSTR value = c.value;
        if (std::string(c.what) == "a splitter inside itself")
            value = L"Pane-1";
        if (std::string(c.what) == "a pane in two containers")
            value = L"Pane-1";
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyW(HKEY_CURRENT_USER, path.c_str(), &key)) << c.what;
        ::RegSetValueExW(key, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
        ::RegCloseKey(key);
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        EXPECT_FALSE(registry.load(loaded.get())) << c.what;
        EXPECT_TRUE(loaded->m_arrNodes.empty()) << c.what << ": nothing half built is kept";
    }
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

namespace {

const wchar_t kLayoutFileVariable[] = L"TAVROLIN_DOCKING_LAYOUT_FILE";

} // namespace

// Run by the test below in a second process: loads what the first saved.
TEST(PaneTree, SecondProcessLoadsTheSavedLayout)
{
    wchar_t path[MAX_PATH] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kLayoutFileVariable, path, MAX_PATH))
        << "runs as the second process of LayoutCrossesProcesses";
    std::vector<BYTE> saved = layouttest::ReadFileBytes(path);

    Docking d;
    std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
    ASSERT_TRUE(layouttest::LoadFromBytes(loaded.get(), saved));
    EXPECT_EQ(L"V(H(T[1* 230x100] C ) T[2 3* 200x95] )", Describe(loaded.get()));
    EXPECT_EQ(saved, layouttest::SaveToBytes(loaded.get())) << "saved again, the same bytes";
}

TEST(PaneTree, LayoutCrossesProcesses)
{
    Docking d;
    BuildSample(d);
    d.manager.FindPane(1)->GetContainer()->m_szDocking = {230, 100};
    d.manager.FindPane(2)->GetContainer()->m_szDocking = {200, 95};
    std::vector<BYTE> bytes = layouttest::SaveToBytes(d.Layout());

    wchar_t folder[MAX_PATH], path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"dck", 0, path);
    layouttest::WriteFileBytes(path, bytes.data(), bytes.size());

    const DWORD code = testprocess::RunTestInChild(L"PaneTree.SecondProcessLoadsTheSavedLayout", kLayoutFileVariable, path);
    ::DeleteFileW(path);
    EXPECT_EQ(0u, code) << "the second process found the same tree";
}

TEST(PaneTree, FloatingFramesAndHiddenGroupsAreSavedToo)
{
    Docking d;
    CXTPDockingPane* left = d.manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = d.manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    d.manager.AttachPane(second, left);
    CXTPDockingPane* floating = d.manager.CreatePane(3, CRect(0, 0, 120, 90), xtpPaneDockBottom);
    d.manager.FloatPane(floating, CRect(300, 200, 500, 400));
    d.manager.HidePane(left);
    EXPECT_EQ(xtpPaneDockLeft, d.manager.GetPaneDirection(second));
    EXPECT_TRUE(left->GetContainer()->IsHidden());
    XTP_DOCKINGPANE_INFO* info = d.Layout()->FindPaneInfo(floating);
    ASSERT_NE(nullptr, info->pFloatingHolder);
    EXPECT_EQ(floating->GetContainer(), info->pFloatingHolder);

    Backends()[0].save(d.Layout(), 10);
    const std::wstring before = Describe(d.Layout());
    EXPECT_NE(std::wstring::npos, before.find(L"F{H(T[3* 120x90] )}")) << before;
    EXPECT_NE(std::wstring::npos, before.find(L"P0<T[1 2* 150x100] >")) << before;
    for (const Backend& backend : Backends())
    {
        SCOPED_TRACE(backend.name);
        backend.save(d.Layout(), 10);
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        ASSERT_TRUE(backend.load(loaded.get()));
        EXPECT_EQ(before, Describe(loaded.get()));
        EXPECT_NE(nullptr, loaded->m_wndPanels[xtpPaneDockLeft]);
    }
    if (g_document)
        g_document->Release(), g_document = nullptr;

    // A frame that names the layout's top as its own tree is refused.
    Backend registry = Backends()[1];
    registry.save(d.Layout(), 10);
    int frameNumber = 0;
    for (CXTPDockingPaneBase* node : d.Layout()->m_arrNodes)
        if (node->GetType() == xtpPaneTypeMiniWnd)
            frameNumber = node->m_nIndex;
    wchar_t section[64];
    swprintf(section, 64, L"%ls\\Layout\\Pane-%d", kKey, frameNumber);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyW(HKEY_CURRENT_USER, section, &key));
    DWORD top = static_cast<DWORD>(d.Top()->m_nIndex);
    ::RegSetValueExW(key, L"TopContaner", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&top), sizeof(top));
    ::RegCloseKey(key);
    std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
    EXPECT_FALSE(registry.load(loaded.get()));
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(PaneTree, CleanUpLiftsLoneChildrenAndDropsEmptyNodes)
{
    Docking d;
    CXTPDockingPane* pane = d.manager.CreatePane(1, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    CXTPDockingPaneBase* container = pane->GetContainer();
    // A splitter with one child inside a splitter with one child.
    auto* outer = AsSplitter(d.manager.OnCreatePane(xtpPaneTypeSplitterContainer, d.Layout()));
    auto* inner = AsSplitter(d.manager.OnCreatePane(xtpPaneTypeSplitterContainer, d.Layout()));
    d.Top()->ReplaceChild(container, outer);
    outer->Init(inner, FALSE, nullptr);
    inner->Init(container, TRUE, nullptr);
    EXPECT_EQ(L"H(V(H(T[1* 80x80] ) ) C )", Describe(d.Layout()));
    d.Layout()->RemoveUnusedNodes();
    EXPECT_EQ(L"H(V(T[1* 80x80] ) C )", Describe(d.Layout())) << "the inner splitter's child moved up";

    // An emptied splitter leaves its parent.
    auto* empty = AsSplitter(d.manager.OnCreatePane(xtpPaneTypeSplitterContainer, d.Layout()));
    CXTPDockingPaneBase* client = d.Layout()->GetClientPane();
    d.Top()->ReplaceChild(client, empty);
    empty->Init(client, FALSE, nullptr);
    empty->RemovePane(client);
    EXPECT_FALSE(d.Top()->ContainsPane(empty));
    EXPECT_EQ(nullptr, empty->GetContainer());
}

TEST(PaneTree, ClosedNeighboursAndRemovedHoldersFallBack)
{
    Docking d;
    CXTPDockingPane* closed = d.manager.CreatePane(1, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    d.manager.ClosePane(closed);
    d.manager.CreatePane(2, CRect(0, 0, 60, 60), xtpPaneDockRight, closed);
    EXPECT_EQ(L"H(T[80x80] C T[2* 60x60] )", Describe(d.Layout())) << "a closed neighbour: docked at the top level";

    // Its container removed meanwhile: showing keeps the pane closed.
    XTP_DOCKINGPANE_INFO* info = d.Layout()->FindPaneInfo(closed);
    info->pDockingHolder = nullptr;
    d.Layout()->RemoveUnusedNodes();
    EXPECT_EQ(nullptr, info->pLastHolder);
    d.manager.ShowPane(closed);
    EXPECT_TRUE(closed->IsClosed());
}

TEST(PaneTree, FloatingAContainerMovesItsPanesAndHidingJoinsGroups)
{
    Docking d;
    CXTPDockingPane* first = d.manager.CreatePane(1, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    CXTPDockingPane* second = d.manager.CreatePane(2, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    d.manager.AttachPane(second, first);
    CXTPDockingPaneBase* docked = first->GetContainer();
    d.manager.FloatPane(docked, CRect(0, 0, 200, 200));
    EXPECT_TRUE(docked->IsEmpty()) << "the panes moved into the copy";
    EXPECT_NE(docked, first->GetContainer());
    EXPECT_EQ(second->GetContainer(), first->GetContainer());
    EXPECT_EQ(docked, d.Layout()->FindPaneInfo(first)->pDockingHolder) << "the docked place is remembered";

    Docking h;
    h.manager.m_bHideGroupOnButtonClick = FALSE;
    CXTPDockingPane* a = h.manager.CreatePane(1, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    CXTPDockingPane* b = h.manager.CreatePane(2, CRect(0, 0, 80, 80), xtpPaneDockLeft);
    h.manager.AttachPane(b, a);
    b->SetOptions(0);
    h.manager.HidePane(a);
    h.manager.HidePane(b);
    auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(h.Layout()->m_wndPanels[xtpPaneDockLeft]);
    ASSERT_NE(nullptr, panel);
    ASSERT_EQ(1u, panel->GetGroups().size()) << "the second pane joins the first one's group";
    EXPECT_EQ(2u, panel->GetGroups()[0]->GetPanes().size());
}
