// The in-place editors with the program's defaults (focus sub-items off):
// the edit's text colour read from its pixels on a focused, selected row,
// keys offered to the edit before a frame's accelerators, the edit's
// commit when it loses the focus, and the constraint list's keys and
// focus loss.
#include "ReportTestSupport.h"

#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

using namespace reporttest;

namespace {

// An owner whose accelerators take every key that reaches them.
class CAcceleratorOwner : public COwnerWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        ++keysTaken;
        return TRUE;
    }
    int keysTaken = 0;
};

class InplaceEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateInFront());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 5));
        city = report.AddColumn(new CXTPReportColumn(0, L"Stadt", 150));
        report.AddColumn(new CXTPReportColumn(1, L"Spiel", 150));
        report.AllowEdit(TRUE);
        ASSERT_FALSE(report.IsFocusSubItems()) << "the program's default";
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        item = static_cast<CXTPReportRecordItemText*>(pRecord->AddItem(new CXTPReportRecordItemText(L"WWWWWW")));
        pRecord->AddItem(new CXTPReportRecordItemText(L"Spiel 1"));
        report.Populate();
        report.SetFocus();
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetFocus() == report.GetSafeHwnd(); }));
        report.UpdateWindow();
        owner.notifications.clear();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    void BeginEdit()
    {
        XTP_REPORTRECORDITEM_ARGS args(&report, report.GetRows()->GetAt(0), city);
        report.EditItem(&args);
        ASSERT_TRUE(report.IsEditMode());
    }
    CXTPReportInplaceList* OpenList()
    {
        BeginEdit();
        // Alt+Down in the edit presses the combo button.
        report.GetInplaceEdit()->SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        CXTPReportInplaceList* pList = report.GetInplaceList();
        return pList->GetSafeHwnd() ? pList : nullptr;
    }
    // Pixels of the edit in a colour near the given one.
    static int PixelsNear(const testshot::Image& image, COLORREF clr)
    {
        int n = 0;
        for (int y = 0; y < image.height; ++y)
        {
            for (int x = 0; x < image.width; ++x)
            {
                const COLORREF px = image.Pixel(x, y);
                n += abs(GetRValue(px) - GetRValue(clr)) < 60 && abs(GetGValue(px) - GetGValue(clr)) < 60 &&
                     abs(GetBValue(px) - GetBValue(clr)) < 60;
            }
        }
        return n;
    }

    CAcceleratorOwner owner;
    CXTPReportControl report;
    CXTPReportColumn* city = nullptr;
    CXTPReportRecordItemText* item = nullptr;
};

} // namespace

TEST_F(InplaceEdit, TextShowsInItsOwnColoursOnASelectedRow)
{
    ASSERT_TRUE(report.GetRows()->GetAt(0)->IsSelected());
    struct
    {
        const char* name;
        COLORREF clrItem; // -1: the default text colour
        COLORREF clrExpected;
    } const cases[] = {
        {"defaults", (COLORREF)-1, ::GetSysColor(COLOR_WINDOWTEXT)},
        {"the item's colour", RGB(200, 0, 0), RGB(200, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        item->SetTextColor(c.clrItem);
        BeginEdit();
        CXTPReportInplaceEdit* pEdit = report.GetInplaceEdit();
        ASSERT_EQ(pEdit->GetSafeHwnd(), ::GetFocus()) << "selection colours apply to the focused report";
        pEdit->SendMessage(EM_SETSEL, (WPARAM)-1, 0); // no highlighted selection
        const testshot::Image image = testshot::CaptureWindow(pEdit->GetSafeHwnd());
        testshot::Save(image, L"report_inplace_edit.png");
        EXPECT_GT(PixelsNear(image, c.clrExpected), 20) << "the typed text shows";
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(image.width - 2, image.height / 2)) << "on the window colour";
        report.EditItem(nullptr);
        report.SetFocus();
    }
}

TEST_F(InplaceEdit, EditingKeysReachTheEditBeforeAccelerators)
{
    BeginEdit();
    CXTPReportInplaceEdit* pEdit = report.GetInplaceEdit();
    struct
    {
        WORD vk;
        int nCaret; // where the caret ends, from the middle of the text
    } const cases[] = {{VK_END, 6}, {VK_HOME, 0}, {VK_RIGHT, 4}, {VK_LEFT, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.vk);
        pEdit->SendMessage(EM_SETSEL, 3, 3);
        // As the thread's message loop offers a key: from the target window
        // up to the frame.
        MSG msg = {pEdit->GetSafeHwnd(), WM_KEYDOWN, c.vk, 1, ::GetTickCount(), {0, 0}};
        EXPECT_TRUE(CWnd::WalkPreTranslateTree(owner.GetSafeHwnd(), &msg));
        DWORD nStart = 0, nEnd = 0;
        pEdit->SendMessage(EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd);
        EXPECT_EQ((DWORD)c.nCaret, nEnd);
    }
    EXPECT_EQ(0, owner.keysTaken) << "the frame's accelerators saw the editing keys";

    // Keys for other windows still reach the frame.
    MSG msg = {report.GetSafeHwnd(), WM_KEYDOWN, VK_F5, 1, ::GetTickCount(), {0, 0}};
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(owner.GetSafeHwnd(), &msg));
    EXPECT_EQ(1, owner.keysTaken);
}

TEST_F(InplaceEdit, EditCommitsWhenItLosesTheFocus)
{
    BeginEdit();
    report.GetInplaceEdit()->SetWindowText(L"Bonn");
    report.SetFocus();
    EXPECT_TRUE(testpump::PumpUntil([&] { return !report.IsEditMode(); }));
    EXPECT_EQ(CString(L"Bonn"), item->GetValue());
    EXPECT_EQ(1, owner.CountOf((UINT)RN_VALUECHANGED));
}

TEST_F(InplaceEdit, ConstraintListKeysAndFocusLoss)
{
    struct
    {
        const char* name;
        std::function<void(CXTPReportInplaceList*)> act;
        LPCWSTR value;
        int nChanged;
    } const cases[] = {
        {"Alt+Down applies", [](CXTPReportInplaceList* p) { p->SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001); },
         L"Köln", 1},
        {"Alt+Up applies", [](CXTPReportInplaceList* p) { p->SendMessage(WM_SYSKEYDOWN, VK_UP, 0x20000001); },
         L"Köln", 1},
        {"F4 applies", [](CXTPReportInplaceList* p) { p->SendMessage(WM_KEYDOWN, VK_F4, 1); }, L"Köln", 1},
        {"Esc leaves the value", [](CXTPReportInplaceList* p) { p->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1); },
         L"Berlin", 0},
        {"focus elsewhere leaves the value", [&](CXTPReportInplaceList*) { report.SetFocus(); }, L"Berlin", 0},
    };
    CXTPReportRecordItemEditOptions* pOptions = city->GetEditOptions();
    for (LPCWSTR name : {L"Berlin", L"Bonn", L"Köln"})
        pOptions->AddConstraint(name);
    pOptions->AddComboButton();
    item->SetValue(L"Berlin");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        owner.notifications.clear();
        CXTPReportInplaceList* pList = OpenList();
        ASSERT_TRUE(pList);
        ASSERT_EQ(0, pList->GetCurSel()) << "the current value chosen";
        pList->SetCurSel(2);
        c.act(pList);
        EXPECT_TRUE(testpump::PumpUntil([&] { return !report.GetInplaceList()->GetSafeHwnd(); }))
            << "the list closes";
        EXPECT_EQ(CString(c.value), item->GetValue());
        EXPECT_EQ(c.nChanged, owner.CountOf((UINT)RN_VALUECHANGED));
        report.EditItem(nullptr);
        item->SetValue(L"Berlin");
        report.SetFocus();
        testpump::PumpUntilIdle();
    }
}
