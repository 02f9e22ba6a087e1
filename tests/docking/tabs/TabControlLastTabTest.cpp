// The tab control after its last tab goes, by the close button, by deleting
// it or by deleting all: no page stays on screen and none is named shown.
#include <gtest/gtest.h>
#include <functional>
#include "framework/windows/CWnd.h"
#include "toolkit/tabs/XTPTabControl.h"
#include "toolkit/tabs/XTPTabManagerNavigateButton.h"

namespace {

class CLastTabParent : public CWnd
{
public:
    CLastTabParent()
    {
        CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"Ansicht",
                 WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 440, 340), nullptr, 0);
    }
    ~CLastTabParent() override { DestroyWindow(); }
};

CWnd* NewPage(CWnd* parent)
{
    CWnd* page = new CWnd;
    page->CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), L"", WS_CHILD,
                   CRect(0, 0, 10, 10), parent, 0);
    return page;
}

} // namespace

TEST(TabControlLastTab, NoPageIsLeftShownOnceTheLastTabIsGone)
{
    struct Case
    {
        const char* how;
        std::function<void(CXTPTabControl&)> removeLast;
    } cases[] = {
        {"close button", [](CXTPTabControl& tabs) { tabs.OnNavigateButtonClick(xtpTabNavigateButtonClose); }},
        {"delete the selected tab", [](CXTPTabControl& tabs) { tabs.DeleteItem(tabs.GetCurSel()); }},
        {"delete all", [](CXTPTabControl& tabs) { tabs.DeleteAllItems(); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.how);
        CLastTabParent parent;
        CXTPTabControl tabs;
        ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(10, 10, 390, 290), &parent, 77));
        std::unique_ptr<CWnd> first(NewPage(&tabs)), second(NewPage(&tabs));
        tabs.InsertItem(0, L"WM Tickets", first->m_hWnd);
        tabs.InsertItem(1, L"Online Statistik", second->m_hWnd);
        tabs.SetCurSel(1);

        // The selected second tab first: its neighbour takes its place.
        tabs.OnNavigateButtonClick(xtpTabNavigateButtonClose);
        ASSERT_EQ(1, tabs.GetItemCount());
        EXPECT_EQ(first->m_hWnd, tabs.GetShownWindow());
        EXPECT_TRUE(::IsWindowVisible(first->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(second->m_hWnd));

        c.removeLast(tabs);
        ASSERT_EQ(0, tabs.GetItemCount());
        EXPECT_EQ(-1, tabs.GetCurSel());
        EXPECT_EQ(nullptr, tabs.GetShownWindow());
        EXPECT_FALSE(::IsWindowVisible(first->m_hWnd)) << "the last tab's page is hidden";

        // Resizing lays out no page over the empty control.
        CRect before;
        ::GetWindowRect(first->m_hWnd, &before);
        tabs.MoveWindow(10, 10, 300, 200);
        CRect after;
        ::GetWindowRect(first->m_hWnd, &after);
        EXPECT_EQ(before, after);
        first->DestroyWindow();
        second->DestroyWindow();
    }
}
