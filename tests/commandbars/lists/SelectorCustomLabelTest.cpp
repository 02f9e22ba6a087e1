// The grid selector, the window-hosting custom control and the label.
#include <gtest/gtest.h>
#include <iterator>
#include "commandbars/CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/controls/XTPControlLabel.h"
#include "toolkit/commandbars/lists/XTPControlSelector.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

namespace {

class SpecialControls : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(50, 50, 650, 650)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 560, 560)));
        m_bar.SetCommandBars(&m_commandBars);
        m_commandBars.SetSite(&m_site);
    }
    void TearDown() override
    {
        SetLeftButton(FALSE);
        m_commandBars.SetCustomizeMode(FALSE);
        m_bar.SetCommandBars(nullptr);
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    // The thread's view of the left button, as a drag holding it has.
    static void SetLeftButton(BOOL bDown)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_LBUTTON] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    void PointerAtBar(int x, int y)
    {
        CPoint point(x, y);
        m_bar.ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
    }
    int Notified(UINT nCode) const
    {
        int nCount = 0;
        for (const CSiteMessage& message : m_site.received)
            nCount += message.message == WM_XTP_CONTROL_NOTIFY && message.code == nCode;
        return nCount;
    }

    CTestSite m_site;
    CXTPCommandBars m_commandBars;
    CTestBar m_bar;
};

} // namespace

TEST_F(SpecialControls, SelectorSelectsCellsLeftAndAboveThePointer)
{
    CXTPControlSelector* pSelector = new CXTPControlSelector();
    m_bar.GetControls()->Add(pSelector, 500);
    pSelector->OnCalcDynamicSize(0);
    pSelector->SetRect(CRect(10, 10, 150, 122));
    const struct
    {
        CPoint point;
        CSize selection;
    } moves[] = {
        {{10, 10}, {0, 0}}, {{11, 11}, {1, 1}}, {{38, 38}, {1, 1}}, {{39, 39}, {2, 2}},
        {{149, 121}, {5, 4}}, {{400, 400}, {5, 4}},
    };
    for (const auto& move : moves) {
        pSelector->OnMouseMove(move.point);
        EXPECT_EQ(move.selection, pSelector->GetSelection()) << move.point.x << "," << move.point.y;
    }
    m_site.received.clear();
    pSelector->OnMouseMove(CPoint(39, 39));
    pSelector->OnMouseMove(CPoint(40, 40));
    EXPECT_EQ(1, Notified(0x1006)) << "only a changed selection notifies";
    pSelector->OnLButtonUp(CPoint(40, 40));
    EXPECT_EQ(CSize(2, 2), pSelector->GetResult());
}

TEST_F(SpecialControls, SelectorGrowsPastItsEdgeUpToTheMaximum)
{
    const struct
    {
        CSize itemSize;
        CPoint pointer;
        CSize grid;
    } drags[] = {
        {{28, 28}, {10 + 200, 50}, {8, 4}},
        {{28, 28}, {100, 10 + 140}, {5, 6}},
        {{28, 28}, {2000, 2000}, {12, 12}},
        {{0, 0}, {10 + 3, 10 + 2}, {5, 4}},      // stored 0 counts as 1 pixel: no division by zero
        {{0, -4}, {10 + 8, 10 + 7}, {9, 8}},
    };
    for (const auto& drag : drags) {
        CXTPControlSelector* pSelector = new CXTPControlSelector();
        m_bar.GetControls()->Add(pSelector, 500);
        pSelector->SetItemSize(drag.itemSize);
        pSelector->OnCalcDynamicSize(0);
        CSize size = pSelector->GetSize(nullptr);
        pSelector->SetRect(CRect(CPoint(10, 10), size));
        pSelector->SetSelected(TRUE);
        PointerAtBar(drag.pointer.x, drag.pointer.y);
        SetLeftButton(TRUE);
        pSelector->SetSelected(FALSE);
        SetLeftButton(FALSE);
        EXPECT_EQ(drag.grid, pSelector->GetGrid()) << drag.pointer.x << "," << drag.pointer.y;
        pSelector->OnCalcDynamicSize(0);
        EXPECT_EQ(CSize(5, 4), pSelector->GetGrid()) << "each opening starts from the items count";
        m_bar.GetControls()->Remove(pSelector);
    }
}

TEST_F(SpecialControls, SelectorInAnOpenPopupGrowsUnderPostedMovesAndReportsTheCellsReleasedOn)
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(&m_commandBars);
    CXTPControlSelector* pSelector = new CXTPControlSelector();
    pPopup->GetControls()->Add(pSelector, 500);
    m_site.ShowWindow(SW_SHOWNA);
    ASSERT_TRUE(pPopup->Popup(100, 100));
    HWND hPopup = pPopup->GetSafeHwnd();
    ASSERT_NE(nullptr, hPopup);
    ASSERT_EQ(CSize(5, 4), pSelector->GetGrid());
    CRect rcCells = pSelector->GetRect();
    m_site.received.clear();

    // The drag as the popup sees it: the button held, the pointer put
    // where each posted move says.
    SetLeftButton(TRUE);
    auto post = [&](UINT message, CPoint offset) {
        CPoint point = rcCells.TopLeft() + offset;
        CPoint screen = point;
        ::ClientToScreen(hPopup, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageW(hPopup, message, message == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
        testpump::PumpPending();
    };
    const struct
    {
        CPoint offset;  // from the grid's top-left corner
        CSize grid;
        CSize selection;
    } moves[] = {
        {{30, 30}, {5, 4}, {2, 2}},
        {{6 * 28 + 5, 30}, {7, 4}, {7, 2}},       // past the right edge: the grid reaches the pointer
        {{6 * 28 + 5, 5 * 28 + 5}, {7, 6}, {7, 6}},
        {{50 * 28, 50 * 28}, {12, 12}, {12, 12}},  // never beyond the maximum
        {{40, 40}, {12, 12}, {2, 2}},             // back inside: the grown grid stays
    };
    for (const auto& move : moves) {
        post(WM_MOUSEMOVE, move.offset);
        EXPECT_EQ(move.grid, pSelector->GetGrid()) << move.offset.x << "," << move.offset.y;
        EXPECT_EQ(move.selection, pSelector->GetSelection()) << move.offset.x << "," << move.offset.y;
        rcCells = pSelector->GetRect();
    }
    CRect rcWindow;
    ::GetWindowRect(hPopup, &rcWindow);
    EXPECT_GE(rcWindow.Width(), 12 * 28) << "the popup grew with its grid";
    EXPECT_EQ(static_cast<int>(std::size(moves)), Notified(0x1006)) << "one notice per changed selection";
    testshot::Image image = testshot::CaptureWindow(hPopup);
    testshot::Save(image, L"commandbars_selector_grown.png");
    CPoint ptFirst = rcCells.TopLeft() + CPoint(14, 14), ptFar = rcCells.TopLeft() + CPoint(11 * 28 + 14, 11 * 28 + 14);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), image.Pixel(ptFirst.x, ptFirst.y)) << "selected cell";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(ptFar.x, ptFar.y)) << "the last grown cell, not selected";

    post(WM_LBUTTONUP, CPoint(40, 40));
    SetLeftButton(FALSE);
    EXPECT_EQ(CSize(2, 2), pSelector->GetResult());
    if (::IsWindow(hPopup))
        pPopup->EndTracking();
    pPopup->InternalRelease();
}

TEST_F(SpecialControls, CustomControlFollowsTheVerticalOptions)
{
    const struct
    {
        CXTPControlCustom::XTPVerticalOptions options;
        DWORD hideOnVertical;
        BOOL shownOnVertical;
    } rows[] = {
        {CXTPControlCustom::xtpVerticalHide, xtpHideDockingPosition, FALSE},
        {CXTPControlCustom::xtpVerticalShow, 0, TRUE},
        {CXTPControlCustom::xtpVerticalButton, 0, FALSE},
    };
    for (const auto& row : rows) {
        CWnd edit;
        ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, m_site.GetSafeHwnd(), nullptr));
        CXTPControl* pControl = m_bar.GetControls()->Add(xtpControlCustom, 600);
        CXTPControlCustom* pCustom = dynamic_cast<CXTPControlCustom*>(pControl);
        ASSERT_TRUE(pCustom);
        EXPECT_EQ(xtpControlButton, pCustom->GetType());
        pCustom->SetControl(&edit);
        pCustom->SetBorders(2, 3, 4, 5);
        pCustom->SetVerticalPositionOption(row.options);
        EXPECT_EQ(CSize(86, 28), pCustom->GetSize(nullptr));
        pCustom->SetRect(CRect(10, 10, 96, 38));
        EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetParent(edit.GetSafeHwnd())) << "taken over by the bar";
        CRect rcEdit;
        ::GetWindowRect(edit.GetSafeHwnd(), &rcEdit);
        m_bar.ScreenToClient(&rcEdit);
        EXPECT_EQ(CRect(12, 13, 92, 33), rcEdit);
        EXPECT_TRUE(::IsWindowVisible(edit.GetSafeHwnd()));

        pCustom->OnCalcDynamicSize(LM_VERTDOCK);
        EXPECT_EQ(row.hideOnVertical, pCustom->GetHideFlags()) << row.options;
        EXPECT_EQ(row.shownOnVertical, ::IsWindowVisible(edit.GetSafeHwnd())) << row.options;
        pCustom->OnCalcDynamicSize(LM_HORZDOCK);
        EXPECT_EQ(0u, pCustom->GetHideFlags());
        EXPECT_TRUE(::IsWindowVisible(edit.GetSafeHwnd())) << row.options;

        pCustom->SetEnabled(FALSE);
        EXPECT_FALSE(::IsWindowEnabled(edit.GetSafeHwnd()));
        m_bar.GetControls()->Remove(pCustom);
        edit.DestroyWindow();
    }
}

TEST_F(SpecialControls, CustomControlFindsItsWindowAgainAfterARoundTrip)
{
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, m_site.GetSafeHwnd(),
                              reinterpret_cast<HMENU>(4711)));
    CXTPControlCustom* pStored = new CXTPControlCustom();
    m_bar.GetControls()->Add(pStored, 600);
    pStored->SetControl(&edit);
    pStored->SetBorders(1, 2, 3, 4);
    pStored->SetVerticalPositionOption(CXTPControlCustom::xtpVerticalButton);

    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinTests\\CustomControl", &hKey));
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, L"Control");
        pStored->DoPropExchange(&px);
    }
    CXTPControlCustom* pLoaded = new CXTPControlCustom();
    m_bar.GetControls()->Add(pLoaded, 601);
    {
        CXTPPropExchangeRegistry px(TRUE, hKey, L"Control");
        pLoaded->DoPropExchange(&px);
    }
    ::RegCloseKey(hKey);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinTests\\CustomControl\\Control");
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinTests\\CustomControl");

    EXPECT_EQ(edit.GetSafeHwnd(), pLoaded->GetControlWindow());
    EXPECT_EQ(4711, pLoaded->GetControlId());
    EXPECT_EQ(pStored->GetSize(nullptr), pLoaded->GetSize(nullptr)) << "borders and size came back";
    pLoaded->OnCalcDynamicSize(LM_VERTDOCK);
    EXPECT_FALSE(pLoaded->IsShownInOrientation()) << "vertical option 2 came back";
    m_bar.GetControls()->RemoveAll();
    edit.DestroyWindow();
}

TEST_F(SpecialControls, LabelStartsADragOnlyWhenCustomizingAndMovable)
{
    CXTPControl* pLabel = m_bar.GetControls()->Add(xtpControlLabel, 700);
    ASSERT_TRUE(pLabel->IsKindOf(RUNTIME_CLASS(CXTPControlLabel)));
    m_bar.SetSelected(pLabel->GetIndex());
    pLabel->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(pLabel->GetIndex(), m_bar.GetSelectedIndex()) << "outside customization a click does nothing";
    m_commandBars.SetCustomizeMode(TRUE);
    pLabel->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(pLabel->GetIndex(), m_bar.GetSelectedIndex()) << "not movable: no drag";
}
