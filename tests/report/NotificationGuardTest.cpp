// Owners that change the report while it notifies them: a receiver removes
// the columns, destroys the window or deletes the whole control inside a
// header click, a check-box click or a click on a hyperlink. The control
// stops there: no further notification, no use of what went away.
#include "ReportTestSupport.h"

#include <algorithm>

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/records/XTPReportHyperlink.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

using namespace reporttest;

namespace {

enum class Action
{
    RemoveColumns,
    DestroyWindow,
    DeleteControl,
};

enum class Target
{
    HeaderColumn,
    CheckBox,
    Hyperlink,
};

// An owner that runs an action when a chosen notification arrives.
class CReceiverWnd : public COwnerWnd
{
public:
    UINT trigger = 0;
    std::function<void()> action;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const LRESULT lResult = COwnerWnd::WindowProc(message, wParam, lParam);
        if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == trigger && action)
        {
            std::function<void()> once;
            once.swap(action);
            once();
        }
        return lResult;
    }
};

class NotificationGuard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        report = new CXTPReportControl();
        ASSERT_TRUE(report->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 5));
        report->AddColumn(new CXTPReportColumn(0, L"", 30, FALSE));
        report->AddColumn(new CXTPReportColumn(1, L"Spiel", 200, FALSE));
        for (int i = 0; i < 2; ++i)
        {
            CXTPReportRecord* pRecord = report->AddRecord(new CXTPReportRecord());
            pRecord->AddItem(new CXTPReportRecordItem())->HasCheckbox(TRUE);
            CXTPReportRecordItem* pText = pRecord->AddItem(new CXTPReportRecordItemText(L"Karten"));
            pText->AddHyperlink(new CXTPReportHyperlink(0, 6));
        }
        report->Populate();
        report->UpdateWindow();
        owner.notifications.clear();
    }
    void TearDown() override
    {
        if (report)
        {
            report->DestroyWindow();
            delete report;
        }
        owner.DestroyWindow();
    }
    void Click(CPoint pt)
    {
        // The control may be gone after the press: the release goes to
        // whatever window is still there.
        HWND hWnd = report->GetSafeHwnd();
        ::SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        if (::IsWindow(hWnd))
            ::SendMessage(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    CPoint PointOf(Target target)
    {
        CXTPReportRow* pRow = report->GetRows()->GetAt(0);
        CXTPReportRecordItem* pCheck = pRow->GetRecord()->GetItem(0);
        CXTPReportRecordItem* pText = pRow->GetRecord()->GetItem(1);
        switch (target)
        {
        case Target::HeaderColumn:
            return report->GetReportHeader()->ColumnRect(report->GetColumns()->GetAt(1)).CenterPoint();
        case Target::CheckBox:
            return pCheck->GetCheckboxRect().CenterPoint();
        case Target::Hyperlink:
            return pText->GetHyperlinks()->GetAt(0)->m_rcHyperSpot.CenterPoint();
        }
        return CPoint();
    }
    std::function<void()> ActionOf(Action action)
    {
        switch (action)
        {
        case Action::RemoveColumns:
            return [this] { report->GetColumns()->Clear(); };
        case Action::DestroyWindow:
            return [this] { report->DestroyWindow(); };
        case Action::DeleteControl:
            return [this] {
                delete report;
                report = nullptr;
            };
        }
        return {};
    }
    // The codes that came after the first one equal to `trigger`.
    std::vector<UINT> CodesAfter(UINT trigger)
    {
        std::vector<UINT> codes = owner.Codes();
        auto found = std::find(codes.begin(), codes.end(), trigger);
        return found == codes.end() ? std::vector<UINT>{} : std::vector<UINT>(found + 1, codes.end());
    }

    CReceiverWnd owner;
    CXTPReportControl* report = nullptr;
};

struct GuardCase
{
    const char* name;
    Target target;
    UINT trigger;
    Action action;
    std::vector<UINT> forbidden; // none of these may follow the trigger
};

} // namespace

TEST_F(NotificationGuard, ClickHandlersStopWhenTheOwnerTakesAway)
{
    // A reference point for each target first: the first row is focused
    // and selected, so a click reaches its items.
    const std::vector<GuardCase> cases = {
        {"header click, columns removed", Target::HeaderColumn, (UINT)NM_CLICK, Action::RemoveColumns,
         {(UINT)RN_SORTCHANGING, (UINT)RN_SORTCHANGED, (UINT)RN_COLUMNSCHANGED}},
        {"header click, window destroyed", Target::HeaderColumn, (UINT)NM_CLICK, Action::DestroyWindow,
         {(UINT)RN_SORTCHANGING, (UINT)RN_SORTCHANGED}},
        {"header click, control deleted", Target::HeaderColumn, (UINT)NM_CLICK, Action::DeleteControl,
         {(UINT)RN_SORTCHANGING, (UINT)RN_SORTCHANGED}},
        {"sort changing, control deleted", Target::HeaderColumn, (UINT)RN_SORTCHANGING, Action::DeleteControl,
         {(UINT)RN_SORTCHANGED, (UINT)RN_COLUMNSCHANGED}},
        {"check box, columns removed", Target::CheckBox, (UINT)RN_CHECKED, Action::RemoveColumns,
         {(UINT)NM_CLICK, (UINT)RN_HYPERLINK}},
        {"check box, control deleted", Target::CheckBox, (UINT)RN_CHECKED, Action::DeleteControl,
         {(UINT)NM_CLICK, (UINT)RN_HYPERLINK}},
        {"edit request, columns removed", Target::CheckBox, (UINT)RN_REQUESTEDIT, Action::RemoveColumns,
         {(UINT)RN_CHECKED, (UINT)NM_CLICK}},
        {"item click, columns removed", Target::Hyperlink, (UINT)NM_CLICK, Action::RemoveColumns,
         {(UINT)RN_HYPERLINK}},
        {"item click, window destroyed", Target::Hyperlink, (UINT)NM_CLICK, Action::DestroyWindow,
         {(UINT)RN_HYPERLINK}},
        {"item click, control deleted", Target::Hyperlink, (UINT)NM_CLICK, Action::DeleteControl,
         {(UINT)RN_HYPERLINK}},
    };
    for (const GuardCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        report->SetFocusedRow(report->GetRows()->GetAt(0));
        const CPoint pt = PointOf(c.target);
        ASSERT_NE(CPoint(0, 0), pt);
        owner.notifications.clear();
        owner.trigger = c.trigger;
        owner.action = ActionOf(c.action);
        Click(pt);
        ASSERT_FALSE(owner.action) << "the trigger came";
        for (UINT code : CodesAfter(c.trigger))
            EXPECT_TRUE(std::find(c.forbidden.begin(), c.forbidden.end(), code) == c.forbidden.end())
                << "code " << (int)code << " sent after the receiver acted";
        if (report && c.action == Action::RemoveColumns)
        {
            EXPECT_EQ(0, report->GetColumns()->GetSortOrder()->GetCount() +
                             report->GetColumns()->GetGroupsOrder()->GetCount())
                << "no freed column sorted or grouped by";
            report->RedrawControl();
            report->UpdateWindow();
        }
    }
}

TEST_F(NotificationGuard, UntouchedClicksStillNotifyInFull)
{
    // The same clicks with a receiver that does nothing: every step runs.
    report->SetFocusedRow(report->GetRows()->GetAt(0));
    Click(PointOf(Target::HeaderColumn));
    EXPECT_EQ(1, owner.CountOf((UINT)NM_CLICK));
    EXPECT_EQ(1, owner.CountOf((UINT)RN_SORTCHANGING));
    EXPECT_EQ(1, owner.CountOf((UINT)RN_SORTCHANGED));
    EXPECT_EQ(1, report->GetColumns()->GetSortOrder()->GetCount() + report->GetColumns()->GetGroupsOrder()->GetCount());

    report->GetColumns()->GetSortOrder()->Clear();
    report->GetColumns()->GetGroupsOrder()->Clear();
    report->Populate();
    report->SetFocusedRow(report->GetRows()->GetAt(0));
    report->UpdateWindow();
    owner.notifications.clear();
    Click(PointOf(Target::Hyperlink));
    EXPECT_EQ(1, owner.CountOf((UINT)NM_CLICK));
    EXPECT_EQ(1, owner.CountOf((UINT)RN_HYPERLINK));
}
