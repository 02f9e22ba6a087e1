// The check list box: check states and the caller's item data kept apart,
// clicks and Space on the check, disabled items, the parent told of each
// change, deleted items handing back their data; and how it looks.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/Framework.h"
#include "support/Screenshot.h"

namespace
{
class CCheckParent : public CWnd
{
public:
    std::vector<int> changes;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == CLBN_CHKCHANGE)
            changes.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

class CRecordingCheckList : public CCheckListBox
{
public:
    std::vector<DWORD_PTR> deleted;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override { deleted.push_back(lpDeleteItemStruct->itemData); }
};

LPARAM At(CListBox& list, int index, int x)
{
    CRect rect;
    list.GetItemRect(index, rect);
    return MAKELPARAM(rect.left + x, rect.CenterPoint().y);
}
} // namespace

TEST(CheckListBox, ClicksOnTheCheckToggleEnabledItemsAndTellTheParent)
{
    CCheckParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_BTNFACE + 1)), L"Liste",
                                WS_POPUP | WS_VISIBLE, 0, 0, 220, 120, nullptr, nullptr));
    CRecordingCheckList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(10, 10, 210, 110), &parent, 77));
    for (const wchar_t* name : {L"Standard", L"Web", L"Menüleiste"})
        list.AddString(name);
    for (int i = 0; i < 3; ++i)
        list.SetItemData(i, 10 * (i + 1));
    list.SetCheck(1, 1);
    list.Enable(2, FALSE);
    EXPECT_EQ(list.GetItemData(1), 20u);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(0), 0);

    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(list, 0, 4));
    list.SendMessage(WM_LBUTTONUP, 0, At(list, 0, 4));
    EXPECT_EQ(list.GetCheck(0), 1);
    // On the text: selects, does not toggle.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(list, 1, 100));
    list.SendMessage(WM_LBUTTONUP, 0, At(list, 1, 100));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    // A disabled item keeps its check.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(list, 2, 4));
    list.SendMessage(WM_LBUTTONUP, 0, At(list, 2, 4));
    EXPECT_EQ(list.GetCheck(2), 0);
    // Space on the caret item.
    list.SetCurSel(1);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_EQ(parent.changes, (std::vector<int>{77, 77}));

    list.SetCheck(2, 2);
    list.SetCurSel(0);
    parent.UpdateWindow();
    testshot::Save(testshot::CaptureWindow(parent.m_hWnd), L"framework_check_list_box.png");

    // Three states cycle with the automatic three-state style.
    list.SetCheckStyle(BS_AUTO3STATE);
    std::vector<int> states;
    for (int i = 0; i < 3; ++i) {
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(list, 0, 4));
        list.SendMessage(WM_LBUTTONUP, 0, At(list, 0, 4));
        states.push_back(list.GetCheck(0));
    }
    EXPECT_EQ(states, (std::vector<int>{2, 0, 1}));

    // Deleting hands the caller's data to DeleteItem, not the check record.
    list.DeleteString(1);
    EXPECT_EQ(list.deleted, (std::vector<DWORD_PTR>{20}));
    EXPECT_EQ(list.GetItemData(1), 30u);
    list.ResetContent();
    std::sort(list.deleted.begin() + 1, list.deleted.end());
    EXPECT_EQ(list.deleted, (std::vector<DWORD_PTR>{20, 10, 30}));
}
