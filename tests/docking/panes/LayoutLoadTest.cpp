// Loading docking layouts from damaged or hostile stores: archives cut
// short, splitters that claim each other outside the docked tree, and the
// node count and nesting limits, in the archive, the registry and XML.
#include <gtest/gtest.h>
#include <msxml.h>
#include <shlwapi.h>
#include <functional>
#include <memory>
#include "LayoutStores.h"
#include "framework/core/CException.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

struct Docking
{
    CXTPDockingPaneManager manager;
    Docking() { manager.AttachSite(nullptr); }
};

// A layout written value by value in the stored format: splitters (with
// their children's numbers) and the client node, numbered from 1.
struct StoredNode
{
    int type;
    std::vector<int> children;
};

struct StoredLayout
{
    std::vector<StoredNode> nodes;
    int top;
    int client;

    void Write(CXTPPropExchange* px) const
    {
        auto section = [px](int number) {
            CString name;
            name.Format(L"Pane-%d", number);
            return px->GetSection(name);
        };
        CXTPPropExchange* summary = px->GetSection(L"Summary");
        int count = static_cast<int>(nodes.size());
        XTPExchangeLong(summary, L"Panes", count);
        for (int i = 1; i <= count; i++)
        {
            CXTPPropExchange* s = section(i);
            int type = nodes[i - 1].type;
            XTPExchangeLong(s, L"Type", type);
            s->InternalRelease();
        }
        for (int i = 1; i <= count; i++)
        {
            CXTPPropExchange* s = section(i);
            int cx = 100, cy = 100;
            XTPExchangeLong(s, L"DockingCX", cx);
            XTPExchangeLong(s, L"DockingCY", cy);
            if (nodes[i - 1].type == xtpPaneTypeSplitterContainer)
            {
                BOOL horiz = i % 2;
                XTPExchangeBoolWithDefault(s, L"Horiz", horiz, FALSE);
                int children = static_cast<int>(nodes[i - 1].children.size());
                XTPExchangeLongWithDefault(s, L"Panes", children, 0);
                for (int c = 0; c < children; c++)
                {
                    int number = nodes[i - 1].children[c];
                    XTPDockingPaneExchangeNumber(s, c + 1, number);
                }
            }
            s->InternalRelease();
        }
        int topNumber = top, clientNumber = client;
        XTPExchangeLong(summary, L"TopContainer", topNumber);
        XTPExchangeLong(summary, L"Client", clientNumber);
        summary->InternalRelease();
    }
};

// Node 1 the client, node 2 the top holding it, then `extra` more nodes.
StoredLayout ClientUnderTop()
{
    return {{{xtpPaneTypeClient, {}}, {xtpPaneTypeSplitterContainer, {1}}}, 2, 1};
}

// A chain of splitters, each holding the next, the deepest holding the
// client: `depth` levels counting the client. Numbered from the client up,
// as saving numbers nodes in creation order.
StoredLayout SplitterChain(int depth)
{
    StoredLayout layout{{{xtpPaneTypeClient, {}}}, depth, 1};
    for (int number = 2; number <= depth; number++)
        layout.nodes.push_back({xtpPaneTypeSplitterContainer, {number - 1}});
    return layout;
}

using Store = layouttest::LayoutStore;

const wchar_t kKey[] = L"Software\\TavrolinTests\\DockingLayoutLoad";

std::vector<Store> Stores(CMemFile& file, IXMLDOMDocument*& document)
{
    return layouttest::LayoutStores(file, document, kKey);
}

// Loads, turning an exception that escapes into a failure of the test.
BOOL LoadCatching(const Store& store, CXTPDockingPaneLayout* layout, const std::string& what)
{
    try
    {
        return store.load(layout);
    }
    catch (CException* e)
    {
        e->Delete();
        ADD_FAILURE() << what << ": an exception escaped the load";
        return FALSE;
    }
}

std::vector<BYTE> Bytes(CMemFile& file)
{
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// The tree as a text: node types top-down, panes by id.
std::wstring Shape(CXTPDockingPaneBase* node)
{
    std::wstring text = std::to_wstring(node->GetType());
    if (auto* splitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(node))
    {
        text += L"(";
        for (CXTPDockingPaneBase* child : splitter->GetChildren())
            text += Shape(child) + L" ";
        text += L")";
    }
    if (auto* tabbed = dynamic_cast<CXTPDockingPaneTabbedContainer*>(node))
        for (CXTPDockingPane* pane : tabbed->GetPanes())
            text += L"#" + std::to_wstring(pane->GetID());
    return text;
}

} // namespace

TEST(LayoutLoad, EveryTruncatedArchiveLeavesTheLayoutEmptyOrWhole)
{
    Docking d;
    CXTPDockingPane* left = d.manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* bottom = d.manager.CreatePane(2, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    d.manager.AttachPane(d.manager.CreatePane(3, CRect(0, 0, 200, 120), xtpPaneDockBottom), bottom);
    d.manager.FloatPane(d.manager.CreatePane(4, CRect(0, 0, 90, 90), xtpPaneDockRight), CRect(300, 200, 400, 300));
    left->SetTitle(L"Spiele");
    CMemFile file;
    IXMLDOMDocument* document = nullptr;
    Store archive = Stores(file, document)[0];
    archive.write([&](CXTPPropExchange* px) { d.manager.GetLayout()->Save(px); });
    const std::vector<BYTE> whole = Bytes(file);
    const std::wstring wholeShape = Shape(d.manager.GetLayout()->GetTopContainer());
    const size_t wholeNodes = d.manager.GetLayout()->m_arrNodes.size();
    ASSERT_GT(whole.size(), 100u);

    int refused = 0;
    for (size_t length = 0; length < whole.size(); length++)
    {
        file.SetLength(0);
        file.Write(whole.data(), static_cast<UINT>(length));
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        const std::string what = "cut at " + std::to_string(length) + " of " + std::to_string(whole.size());
        if (LoadCatching(archive, loaded.get(), what))
        {
            ASSERT_TRUE(loaded->IsValid()) << what;
            EXPECT_EQ(wholeShape, Shape(loaded->GetTopContainer())) << what;
            EXPECT_EQ(wholeNodes, loaded->m_arrNodes.size()) << what;
        }
        else
        {
            refused++;
            EXPECT_TRUE(loaded->m_arrNodes.empty()) << what << ": nothing half built is kept";
            EXPECT_EQ(nullptr, loaded->GetTopContainer()) << what;
            EXPECT_TRUE(loaded->m_arrPanes.empty()) << what;
        }
    }
    EXPECT_GT(refused, 100) << "most cuts lose values the tree needs";
}

TEST(LayoutLoad, SplittersNamingEachOtherAreRefusedInEveryStore)
{
    // 3 and 4 claim each other; neither lies under the top (2).
    StoredLayout loop = ClientUnderTop();
    loop.nodes.push_back({xtpPaneTypeSplitterContainer, {4}});
    loop.nodes.push_back({xtpPaneTypeSplitterContainer, {3}});
    // The same two splitters without the loop load (a loose subtree).
    StoredLayout chain = ClientUnderTop();
    chain.nodes.push_back({xtpPaneTypeSplitterContainer, {4}});
    chain.nodes.push_back({xtpPaneTypeSplitterContainer, {}});

    Docking d;
    CMemFile file;
    IXMLDOMDocument* document = nullptr;
    for (const Store& store : Stores(file, document))
    {
        SCOPED_TRACE(store.name);
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        store.write([&](CXTPPropExchange* px) { chain.Write(px); });
        EXPECT_TRUE(LoadCatching(store, loaded.get(), "chain"));
        EXPECT_EQ(4u, loaded->m_arrNodes.size());

        store.write([&](CXTPPropExchange* px) { loop.Write(px); });
        EXPECT_FALSE(LoadCatching(store, loaded.get(), "loop"));
        EXPECT_TRUE(loaded->m_arrNodes.empty()) << "the refused tree is not kept";
        EXPECT_FALSE(loaded->IsValid());
    }
    if (document)
        document->Release();
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(LayoutLoad, NodeCountAndNestingAtTheirLimitsAndOnePast)
{
    const int depthLimit = CXTPDockingPaneLayout::kMaxLoadedDepth;
    // The widest: every node beyond the client a child of the top.
    auto wide = [](int nodes) {
        StoredLayout layout = ClientUnderTop();
        for (int number = 3; number <= nodes; number++)
        {
            layout.nodes.push_back({xtpPaneTypeSplitterContainer, {}});
            layout.nodes[1].children.push_back(number);
        }
        return layout;
    };
    struct Case
    {
        const char* what;
        StoredLayout layout;
        bool loads;
        size_t nodes;
    } cases[] = {
        {"100,000 nodes", wide(100000), true, 100000},
        {"100,001 nodes", wide(100001), false, 0},
        {"nested to the limit", SplitterChain(depthLimit), true, static_cast<size_t>(depthLimit)},
        {"nested one level more", SplitterChain(depthLimit + 1), false, 0},
        {"nested ten times more", SplitterChain(10 * depthLimit), false, 0},
    };
    Docking d;
    CMemFile file;
    IXMLDOMDocument* document = nullptr;
    Store archive = Stores(file, document)[0];
    for (const Case& c : cases)
    {
        archive.write([&](CXTPPropExchange* px) { c.layout.Write(px); });
        std::unique_ptr<CXTPDockingPaneLayout> loaded(d.manager.CreateLayout());
        EXPECT_EQ(c.loads, !!LoadCatching(archive, loaded.get(), c.what)) << c.what;
        EXPECT_EQ(c.nodes, loaded->m_arrNodes.size()) << c.what;
    }

    // The deepest tree that loads is laid out and saved again like any other.
    archive.write([&](CXTPPropExchange* px) { SplitterChain(depthLimit).Write(px); });
    std::unique_ptr<CXTPDockingPaneLayout> deep(d.manager.CreateLayout());
    ASSERT_TRUE(archive.load(deep.get()));
    deep->OnSizeParent(nullptr, CRect(0, 0, 800, 600), nullptr);
    EXPECT_EQ(CRect(0, 0, 800, 600), deep->GetClientPane()->GetPaneWindowRect());
}
