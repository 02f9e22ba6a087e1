// The control wrappers over the system and common controls, and owner-drawn
// items reflected to the control's own object.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Framework.h"

namespace {

class CMeasuredList : public CListBox
{
public:
    int measured = 0;
    int drawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        ++measured;
        lpMeasureItemStruct->itemHeight = 23;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
};

class WndControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"Controls", WS_POPUP, 0, 0, 300, 300, nullptr,
                                    nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }
    CWnd parent;
};

} // namespace

TEST_F(WndControls, ButtonsEditsAndStatics)
{
    CButton check;
    ASSERT_TRUE(check.Create(L"Beep", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &parent, 10));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(check.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_AUTOCHECKBOX));

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 30, 120, 50), &parent, 11));
    edit.SetWindowText(L"Intervall");
    edit.SetSel(0, 5);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    edit.SetModify(FALSE);
    edit.ReplaceSel(L"Abfrage");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, L"Abfragevall");
    EXPECT_TRUE(edit.GetModify());
    edit.SetLimitText(4);
    EXPECT_EQ(edit.GetLimitText(), 4u);

    CStatic label;
    ASSERT_TRUE(label.Create(L"Sekunden", WS_CHILD, CRect(0, 60, 80, 80), &parent));
    label.GetWindowText(text);
    EXPECT_STREQ(text, L"Sekunden");
    EXPECT_EQ(label.GetDlgCtrlID(), 0xFFFF);
}

TEST_F(WndControls, ListsAndCombos)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_NOTIFY, CRect(0, 0, 100, 100), &parent, 20));
    EXPECT_EQ(list.AddString(L"Berlin"), 0);
    EXPECT_EQ(list.AddString(L"München"), 1);
    EXPECT_EQ(list.InsertString(0, L"Köln"), 0);
    EXPECT_EQ(list.GetCount(), 3);
    CString text;
    list.GetText(2, text);
    EXPECT_STREQ(text, L"München");
    list.SetItemData(1, 42);
    EXPECT_EQ(list.GetItemData(1), 42u);
    EXPECT_EQ(list.FindStringExact(-1, L"Berlin"), 1);
    list.SetCurSel(2);
    EXPECT_EQ(list.GetCurSel(), 2);
    list.GetText(7, text);  // out of range: empty, no garbage
    EXPECT_TRUE(text.IsEmpty());

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 110, 100, 200), &parent, 21));
    combo.AddString(L"Klassisch");
    combo.AddString(L"Office 2003");
    combo.SetItemData(1, 2);
    EXPECT_EQ(combo.SelectString(-1, L"Office"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.GetLBText(1, text);
    EXPECT_STREQ(text, L"Office 2003");
    EXPECT_EQ(combo.GetItemData(1), 2u);
    EXPECT_FALSE(combo.GetDroppedState());
}

TEST_F(WndControls, OwnerDrawnItemsAreMeasuredAndDrawnByTheControlObject)
{
    CMeasuredList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(0, 0, 100, 100),
                            &parent, 22));
    // The fixed height is asked for while the list is being created.
    EXPECT_GE(list.measured, 1);
    EXPECT_EQ(list.GetItemHeight(0), 23);
    list.AddString(L"eins");
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = 22;
    dis.hwndItem = list.m_hWnd;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 22, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(list.drawn, 1);
}

TEST_F(WndControls, CommonControls)
{
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | UDS_SETBUDDYINT, CRect(0, 0, 16, 20), &parent, 30));
    spin.SetRange32(10, 3600);
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 3600);
    spin.SetPos32(5000);
    EXPECT_EQ(spin.GetPos32(), 3600);  // clamped to the range

    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent, TTS_ALWAYSTIP));
    CRect area(0, 0, 50, 50);
    EXPECT_TRUE(tips.AddTool(&parent, L"Suche starten", &area, 1));
    EXPECT_EQ(tips.GetToolCount(), 1);
    tips.UpdateTipText(L"Suche anhalten", &parent, 1);
    WCHAR buffer[64] = {};
    TOOLINFO ti;
    CToolTipCtrl::FillInToolInfo(ti, &parent, 1);
    ti.lpszText = buffer;
    tips.SendMessage(TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(buffer, L"Suche anhalten");
    tips.DelTool(&parent, 1);
    EXPECT_EQ(tips.GetToolCount(), 0);
    tips.DestroyWindow();

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 30, 100, 46), &parent, 31));
    bar.SetScrollRange(0, 50);
    bar.SetScrollPos(20);
    EXPECT_EQ(bar.GetScrollPos(), 20);

    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | ES_MULTILINE, CRect(0, 50, 200, 150), &parent, 32));
    EXPECT_TRUE(rich.SetTextMode(TM_PLAINTEXT | TM_SINGLELEVELUNDO));
    rich.SetEventMask(ENM_CHANGE);
    EXPECT_EQ(rich.GetEventMask(), static_cast<DWORD>(ENM_CHANGE));
    rich.SetWindowText(L"Informationen");
    EXPECT_EQ(rich.GetTextLength(), 13);
}
