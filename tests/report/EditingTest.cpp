// In-place editing by real messages: committing, Esc, typing through
// constraints, the constraint list, its size and place, and Tab.
#include "ReportTestSupport.h"

#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/rows/XTPReportNavigator.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"

using namespace reporttest;

namespace {

class Editing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 5));
        city = report.AddColumn(new CXTPReportColumn(0, L"Stadt", 150));
        report.AddColumn(new CXTPReportColumn(1, L"Spiel", 150));
        report.AllowEdit(TRUE);
        report.FocusSubItems(TRUE);
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        item = static_cast<CXTPReportRecordItemText*>(pRecord->AddItem(new CXTPReportRecordItemText(L"Berlin")));
        pRecord->AddItem(new CXTPReportRecordItemText(L"Spiel 1"));
        report.Populate();
        report.UpdateWindow();
        owner.notifications.clear();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    void Constraints(int n = 0)
    {
        CXTPReportRecordItemEditOptions* pOptions = city->GetEditOptions();
        pOptions->m_bConstraintEdit = TRUE;
        for (LPCWSTR name : {L"Berlin", L"Bonn", L"Köln"})
            pOptions->AddConstraint(name);
        for (int i = 0; i < n; ++i)
        {
            CString name;
            name.Format(L"Ort %d", i);
            pOptions->AddConstraint(name);
        }
    }
    CXTPReportInplaceEdit* Edit() { return report.GetInplaceEdit(); }
    CString EditText()
    {
        CString text;
        Edit()->GetWindowText(text);
        return text;
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* city = nullptr;
    CXTPReportRecordItemText* item = nullptr;
};

} // namespace

TEST_F(Editing, CommitSendsValueChanged)
{
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    ASSERT_TRUE(report.IsEditMode());
    EXPECT_EQ(CString(L"Berlin"), EditText());
    Edit()->SetWindowText(L"Bonn");
    report.EditItem(nullptr);
    EXPECT_EQ(CString(L"Bonn"), item->GetValue());
    EXPECT_EQ(1, owner.CountOf((UINT)RN_VALUECHANGED));
    EXPECT_FALSE(report.IsEditMode());
}

TEST_F(Editing, EscEndsWithoutApplying)
{
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    Edit()->SetWindowText(L"Bonn");
    Edit()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    Edit()->SendMessage(WM_CHAR, VK_ESCAPE, 1);
    EXPECT_EQ(CString(L"Berlin"), item->GetValue());
    EXPECT_EQ(0, owner.CountOf((UINT)RN_VALUECHANGED));

    // Typing in a constraint cell chooses a constraint; Esc drops it too.
    Constraints();
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    Edit()->SendMessage(WM_CHAR, 'b', 1);
    EXPECT_EQ(CString(L"Bonn"), EditText());
    Edit()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    Edit()->SendMessage(WM_CHAR, VK_ESCAPE, 1);
    EXPECT_EQ(CString(L"Berlin"), item->GetValue());
    EXPECT_EQ(0, owner.CountOf((UINT)RN_VALUECHANGED));
}

TEST_F(Editing, TypingCyclesThroughConstraints)
{
    Constraints();
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    const struct
    {
        WPARAM ch;
        LPCWSTR text;
    } steps[] = {{'b', L"Bonn"}, {'b', L"Berlin"}, {'B', L"Bonn"}, {'x', L"Bonn"}, {'k', L"Köln"}};
    for (const auto& step : steps)
    {
        Edit()->SendMessage(WM_CHAR, step.ch, 1);
        EXPECT_EQ(CString(step.text), EditText()) << (char)step.ch;
    }
    report.EditItem(nullptr);
    EXPECT_EQ(CString(L"Köln"), item->GetValue());
    EXPECT_EQ(1, owner.CountOf((UINT)RN_VALUECHANGED));
}

TEST_F(Editing, ConstraintListSizeSelectionAndEnter)
{
    Constraints(22);
    city->GetEditOptions()->AddComboButton();
    item->SetValue(L"Hamburg"); // matches no constraint
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    CXTPReportInplaceButtons* pButtons = report.GetInplaceButtons();
    ASSERT_EQ(1, (int)pButtons->GetSize());
    item->OnInplaceButtonDown(pButtons->GetAt(0));
    CXTPReportInplaceList* pList = report.GetInplaceList();
    ASSERT_TRUE(pList->GetSafeHwnd());
    CRect rcList;
    pList->GetWindowRect(rcList);
    EXPECT_EQ(pList->GetItemHeight(0) * 10 + 2, rcList.Height()) << "25 constraints show 10 rows";
    EXPECT_EQ(LB_ERR, pList->GetCurSel());
    pList->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(CString(L"Hamburg"), item->GetValue()) << "nothing selected: nothing applied";
    EXPECT_EQ(0, owner.CountOf((UINT)RN_VALUECHANGED));
}

TEST_F(Editing, ListNearTheScreenBottomOpensAbove)
{
    Constraints();
    city->GetEditOptions()->AddComboButton();
    const CRect rcWork = XTPGetWorkAreaOfWindow(&owner);
    owner.SetWindowPos(nullptr, 100, rcWork.bottom - 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    report.UpdateWindow();
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    item->OnInplaceButtonDown(report.GetInplaceButtons()->GetAt(0));
    CRect rcList, rcCell = report.GetRows()->GetAt(0)->GetItemRect(item);
    report.GetInplaceList()->GetWindowRect(rcList);
    report.ClientToScreen(&rcCell);
    EXPECT_EQ(rcCell.top, rcList.bottom) << "above the cell";
    EXPECT_LE(rcList.bottom, rcWork.bottom);
}

TEST_F(Editing, TabMovesToTheNextCell)
{
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    ASSERT_TRUE(report.IsEditMode());
    Edit()->SendMessage(WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(report.GetColumns()->GetAt(1), report.GetFocusedColumn());
    EXPECT_FALSE(report.IsEditMode());
}
