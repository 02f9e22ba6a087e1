// The tab control window in a real parent: insertion, owner notification,
// page switching and sizing, keys, the close button, focus after a mouse
// selection, OLE drags over tabs, and a picture of the program's view.
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "framework/controls/CEdit.h"
#include "framework/controls/CListBox.h"
#include "framework/ole/COleDataSource.h"
#include "support/Screenshot.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/tabs/XTPTabControl.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

const UINT kTabId = 1234;

// A top-level parent that records the tab notifications it receives.
class CNotifyParent : public CWnd
{
public:
    CNotifyParent()
    {
        CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"Ansicht",
                 WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(30, 30, 530, 380), nullptr, 0);
        ::SetForegroundWindow(m_hWnd);
    }
    ~CNotifyParent() override { DestroyWindow(); }

    std::vector<NMHDR> notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY)
            notes.push_back(*reinterpret_cast<NMHDR*>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A page: a plain child window holding one edit box (its first tab stop).
class CPage : public CWnd
{
public:
    explicit CPage(CWnd* parent)
    {
        CreateEx(WS_EX_CONTROLPARENT, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                 L"", WS_CHILD, CRect(0, 0, 10, 10), parent, 0);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(10, 10, 150, 32), this, 1);
    }
    CEdit edit;
};

struct Fixture
{
    CNotifyParent parent;
    CXTPTabControl tabs;
    bool created = tabs.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, CRect(10, 10, 410, 310),
                               &parent, kTabId) != FALSE;
    CPage first{&tabs}, second{&tabs};

    void Fill()
    {
        tabs.InsertItem(0, L"WM Tickets", first.m_hWnd);
        tabs.InsertItem(1, L"Online Statistik", second.m_hWnd);
    }
};

BOOL PageVisible(const CWnd& page)
{
    return ::IsWindowVisible(page.m_hWnd);
}

} // namespace

TEST(TabControl, InsertingAtZeroSelectsAndEverySelectionIsReported)
{
    Fixture f;
    f.tabs.InsertItem(1, L"Online Statistik", f.second.m_hWnd);
    EXPECT_EQ(-1, f.tabs.GetCurSel()) << "index 1 into an empty control";
    EXPECT_TRUE(f.parent.notes.empty());
    EXPECT_FALSE(PageVisible(f.second));

    f.tabs.InsertItem(0, L"WM Tickets", f.first.m_hWnd);
    EXPECT_EQ(0, f.tabs.GetCurSel());
    ASSERT_EQ(1u, f.parent.notes.size());
    EXPECT_EQ(f.tabs.m_hWnd, f.parent.notes[0].hwndFrom);
    EXPECT_EQ(kTabId, f.parent.notes[0].idFrom);
    EXPECT_EQ(static_cast<UINT>(TCN_SELCHANGE), f.parent.notes[0].code);

    f.tabs.SetSelectedItem(f.tabs.GetItem(0));
    EXPECT_EQ(2u, f.parent.notes.size()) << "the same tab again is reported again";
    f.tabs.SetCurSel(1);
    EXPECT_EQ(3u, f.parent.notes.size());
    EXPECT_TRUE(PageVisible(f.second));
    EXPECT_FALSE(PageVisible(f.first)) << "only the selected page is shown";
}

TEST(TabControl, SelectedPageFollowsTheClientRectangleOnResize)
{
    Fixture f;
    f.Fill();
    f.tabs.MoveWindow(10, 10, 300, 200);
    CRect expected = CXTPClientRect(&f.tabs);
    f.tabs.GetPaintManager()->AdjustClientRect(&f.tabs, expected);
    CRect inTabs;
    ::GetWindowRect(f.first.m_hWnd, &inTabs);
    ::MapWindowPoints(nullptr, f.tabs.m_hWnd, reinterpret_cast<POINT*>(&inTabs), 2);
    EXPECT_EQ(expected, inTabs);
    EXPECT_LT(inTabs.bottom, 200);
}

TEST(TabControl, KeysAndTheCloseButton)
{
    Fixture f;
    f.Fill();
    f.tabs.SetCurSel(1);
    size_t before = f.parent.notes.size();
    EXPECT_TRUE(f.tabs.PerformKeyDown(f.tabs.m_hWnd, VK_RIGHT)) << "handled on the last tab";
    EXPECT_EQ(1, f.tabs.GetCurSel());
    EXPECT_EQ(before, f.parent.notes.size());

    f.tabs.SetCurSel(0);
    before = f.parent.notes.size();
    f.tabs.OnNavigateButtonClick(xtpTabNavigateButtonClose);
    EXPECT_EQ(1, f.tabs.GetItemCount());
    EXPECT_EQ(CString(L"Online Statistik"), f.tabs.GetItem(0)->GetCaption()) << "its successor";
    EXPECT_EQ(0, f.tabs.GetCurSel());
    EXPECT_GT(f.parent.notes.size(), before);
    EXPECT_TRUE(PageVisible(f.second));
    EXPECT_FALSE(PageVisible(f.first));

    f.tabs.GetItem(0)->SetClosable(FALSE);
    f.tabs.OnNavigateButtonClick(xtpTabNavigateButtonClose);
    EXPECT_EQ(1, f.tabs.GetItemCount()) << "not closable";
}

TEST(TabControl, MouseSelectionMovesTheFocusIntoThePage)
{
    Fixture f;
    f.Fill();
    f.parent.SetFocus();
    CPoint onSecond = f.tabs.GetItem(1)->GetRect().CenterPoint();
    f.tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onSecond.x, onSecond.y));
    EXPECT_EQ(1, f.tabs.GetCurSel());
    EXPECT_EQ(f.second.edit.m_hWnd, ::GetFocus());
}

TEST(TabControl, DraggingDataOverATabSelectsItWithoutAcceptingTheDrop)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    {
        Fixture f;
        f.Fill();
        ASSERT_EQ(f.tabs.m_hWnd, f.tabs.GetDropTarget()->GetRegisteredWindow());
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8));
        IDataObject* data = source.GetDataObject(TRUE);
        IDropTarget* target = f.tabs.GetDropTarget()->GetInterface();
        CPoint onSecond = f.tabs.GetItem(1)->GetRect().CenterPoint();
        f.tabs.ClientToScreen(&onSecond);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, target->DragEnter(data, MK_LBUTTON, {onSecond.x, onSecond.y}, &effect));
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
        EXPECT_EQ(1, f.tabs.GetCurSel());

        CPoint onFirst = f.tabs.GetItem(0)->GetRect().CenterPoint();
        f.tabs.ClientToScreen(&onFirst);
        effect = DROPEFFECT_COPY;
        target->DragOver(MK_LBUTTON, {onFirst.x, onFirst.y}, &effect);
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
        EXPECT_EQ(0, f.tabs.GetCurSel());
        target->DragLeave();
        data->Release();
    }
    ::OleUninitialize();
}

TEST(TabControl, HandingInTheInstalledPaintManagerKeepsIt)
{
    Fixture f;
    f.Fill();
    CXTPTabPaintManager* paint = f.tabs.GetPaintManager();
    f.tabs.SetPaintManager(paint);
    EXPECT_EQ(paint, f.tabs.GetPaintManager());
    paint->SetAppearance(xtpTabAppearanceVisualStudio);
    f.tabs.Reposition();
    EXPECT_FALSE(f.tabs.GetHeaderRect().IsRectEmpty());
}

TEST(TabScreenshot, ProgramViewWithTwoPages)
{
    Fixture f;
    f.tabs.GetPaintManager()->SetAppearance(xtpTabAppearancePropertyPage2003);
    CListBox games, statistic;
    games.Create(WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &f.tabs, 2);
    statistic.Create(WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &f.tabs, 3);
    games.AddString(L"1  Deutschland - Costa Rica   München");
    games.AddString(L"2  Polen - Ecuador   Gelsenkirchen");
    statistic.AddString(L"Kategorie 1: 3 Angebote");
    f.tabs.InsertItem(0, L"WM Tickets", games.m_hWnd);
    f.tabs.InsertItem(1, L"Online Statistik", statistic.m_hWnd);
    f.tabs.MoveWindow(0, 0, 500, 350);
    f.parent.UpdateWindow();
    f.tabs.UpdateWindow();
    testshot::Image shot = testshot::CaptureWindow(f.parent.m_hWnd);
    EXPECT_FALSE(testshot::Save(shot, L"tabs_program_view.png").empty());
    CRect page;
    ::GetWindowRect(games.m_hWnd, &page);
    ::MapWindowPoints(nullptr, f.parent.m_hWnd, reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(page.right - 20, page.bottom - 20)) << "the first page shows";
    CRect tab = f.tabs.GetItem(0)->GetRect();
    ::MapWindowPoints(f.tabs.m_hWnd, f.parent.m_hWnd, reinterpret_cast<POINT*>(&tab), 2);
    int dark = 0;
    for (int y = tab.top; y < tab.bottom; y++)
        for (int x = tab.left; x < tab.right; x++)
            dark += shot.Pixel(x, y) == ::GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(dark, 20) << "the selected tab's caption in the text colour";
    EXPECT_TRUE(f.tabs.GetPaintManager()->m_bDisableLunaColors);
}

TEST(TabControl, OptionsOfItsOwnPaintManagerLayItOutAtOnce)
{
    Fixture f;
    f.Fill();
    CXTPTabPaintManager* paint = f.tabs.GetPaintManager();
    CRect client = CXTPClientRect(&f.tabs);
    ASSERT_EQ(client.top, f.tabs.GetHeaderRect().top);

    paint->SetPosition(xtpTabPositionBottom);
    EXPECT_EQ(client.bottom, f.tabs.GetHeaderRect().bottom) << "the strip moved without a resize";
    CRect expected = client;
    paint->AdjustClientRect(&f.tabs, expected);
    CRect page;
    ::GetWindowRect(f.first.m_hWnd, &page);
    ::MapWindowPoints(nullptr, f.tabs.m_hWnd, reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(expected, page) << "the page moved above the strip";
    EXPECT_LT(page.top, 5);

    paint->SetLayout(xtpTabLayoutFixed);
    for (int i = 0; i < 2; i++)
        EXPECT_EQ(70, f.tabs.GetItem(i)->GetRect().Width()) << "fixed width at once, tab " << i;

    f.parent.UpdateWindow();
    f.tabs.UpdateWindow();
    testshot::Image shot = testshot::CaptureWindow(f.parent.m_hWnd);
    testshot::Save(shot, L"tabs_control_moved_to_bottom.png");
    // The parent's client holds the control at (10, 10).
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(10 + expected.left + 200, 10 + expected.top + 3))
        << "the page where the strip was";
    CRect tab = f.tabs.GetItem(0)->GetRect();
    EXPECT_NE(::GetSysColor(COLOR_WINDOW), shot.Pixel(10 + tab.CenterPoint().x, 10 + client.bottom - 5))
        << "a tab at the bottom";
}

TEST(TabControl, APaintManagerHandedOnLaysOutEveryControlUsingIt)
{
    Fixture f;
    f.Fill();
    auto other = std::make_unique<CXTPTabControl>();
    ASSERT_TRUE(other->Create(WS_CHILD | WS_VISIBLE, CRect(10, 320, 410, 345), &f.parent, kTabId + 1));
    other->InsertItem(0, L"Info");
    CXTPTabPaintManager* own = other->GetPaintManager();
    own->InternalAddRef();
    CXTPTabPaintManager* shared = f.tabs.GetPaintManager();
    shared->InternalAddRef();
    other->SetPaintManager(shared);
    EXPECT_EQ(0, own->m_arrAtoms.GetSize()) << "the control left its old paint manager's list";
    own->InternalRelease();
    EXPECT_EQ(2, shared->m_arrAtoms.GetSize());

    shared->SetPosition(xtpTabPositionBottom);
    EXPECT_EQ(CXTPClientRect(&f.tabs).bottom, f.tabs.GetHeaderRect().bottom);
    EXPECT_EQ(CXTPClientRect(other.get()).bottom, other->GetHeaderRect().bottom);

    other.reset();
    EXPECT_EQ(1, shared->m_arrAtoms.GetSize()) << "a control that goes leaves the list";
    shared->SetLayout(xtpTabLayoutFixed);
    EXPECT_EQ(70, f.tabs.GetItem(0)->GetRect().Width());
}
