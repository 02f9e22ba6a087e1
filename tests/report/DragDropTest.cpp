// Drops that bring no records, and a real drag of records from one report
// to another: a move lands the records in the target and on the clipboard
// and deletes them at the source, also when the clipboard cannot be had;
// a drop the target refuses leaves the source as it was.
#include "ReportTestSupport.h"

#include <ole2.h>

#include "framework/ole/COleDataSource.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

const wchar_t kDragFormat[] = L"TavrolinReportDragTest";

class DragDrop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::OleInitialize(nullptr);
        ASSERT_TRUE(sourceOwner.CreateOwner(L"Source"));
        ASSERT_TRUE(targetOwner.CreateOwner(L"Target"));
        sourceOwner.SetWindowPos(nullptr, 0, 0, 420, 260, SWP_NOZORDER | SWP_NOACTIVATE);
        targetOwner.SetWindowPos(nullptr, 440, 0, 420, 260, SWP_NOZORDER | SWP_NOACTIVATE);
        for (CXTPReportControl* pReport : {&source, &target})
        {
            COwnerWnd& owner = pReport == &source ? sourceOwner : targetOwner;
            ASSERT_TRUE(pReport->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 7));
            pReport->AddColumn(new CXTPReportColumn(0, L"Spiel", 200));
            owner.ShowWindow(SW_SHOWNOACTIVATE);
        }
        for (LPCWSTR name : {L"Derby", L"Pokal", L"Finale"})
            source.AddRecord(new CXTPReportRecord())->AddItem(new CXTPReportRecordItemText(name));
        target.AddRecord(new CXTPReportRecord())->AddItem(new CXTPReportRecordItemText(L"Testspiel"));
        source.Populate();
        target.Populate();
        source.EnableDragDrop(kDragFormat, CXTPReportControl::xtpReportAllowDragCopy |
                                               CXTPReportControl::xtpReportAllowDragMove);
        target.EnableDragDrop(kDragFormat, CXTPReportControl::xtpReportAllowDrop);
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        source.DestroyWindow();
        target.DestroyWindow();
        sourceOwner.DestroyWindow();
        targetOwner.DestroyWindow();
        ::OleUninitialize();
    }
    // Selects the source's first two rows and drags them onto the target's
    // empty rows area with no button held: the drag drops at once.
    void DragFirstTwo()
    {
        source.GetSelectedRows()->SelectBlock(0, 1);
        CPoint ptDrop(200, 150);
        target.ClientToScreen(&ptDrop);
        testinput::MoveMouseTo(ptDrop);
        testpump::PumpUntil([&] {
            POINT pt;
            return ::GetCursorPos(&pt) && pt.x == ptDrop.x && pt.y == ptDrop.y;
        });
        source.OnBeginDrag(source.GetRows()->GetAt(0)->GetRect().CenterPoint());
        testpump::PumpUntilIdle();
    }
    static std::vector<std::wstring> Captions(CXTPReportControl& report)
    {
        std::vector<std::wstring> captions;
        for (int i = 0; i < report.GetRecords()->GetCount(); ++i)
            captions.push_back((LPCWSTR)report.GetRecords()->GetAt(i)->GetItem(0)->GetCaption(nullptr));
        return captions;
    }
    static std::wstring ClipboardText()
    {
        std::wstring text;
        if (!::OpenClipboard(nullptr))
            return L"<closed>";
        if (HGLOBAL hText = ::GetClipboardData(CF_UNICODETEXT))
        {
            text = (LPCWSTR)::GlobalLock(hText);
            ::GlobalUnlock(hText);
        }
        ::CloseClipboard();
        return text;
    }
    static void PutTextOnClipboard(HWND hWnd, LPCWSTR pszText)
    {
        ASSERT_TRUE(::OpenClipboard(hWnd));
        ::EmptyClipboard();
        const size_t nBytes = (wcslen(pszText) + 1) * sizeof(WCHAR);
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
        memcpy(::GlobalLock(hText), pszText, nBytes);
        ::GlobalUnlock(hText);
        ::SetClipboardData(CF_UNICODETEXT, hText);
        ::CloseClipboard();
    }
    // Offers bytes under the drag format to the target's drop target.
    DWORD DropBytes(const std::vector<BYTE>& bytes)
    {
        COleDataSource data;
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1);
        if (!bytes.empty())
            memcpy(::GlobalLock(hData), bytes.data(), bytes.size());
        ::GlobalUnlock(hData);
        data.CacheGlobalData((CLIPFORMAT)::RegisterClipboardFormat(kDragFormat), hData);
        IDataObject* pData = data.GetDataObject(FALSE);
        IDropTarget* pTarget = target.GetDropTarget()->GetInterface();
        CPoint ptScreen(200, 150);
        target.ClientToScreen(&ptScreen);
        POINTL pt = {ptScreen.x, ptScreen.y};
        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        pTarget->DragEnter(pData, 0, pt, &dwEffect);
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        pTarget->Drop(pData, 0, pt, &dwEffect);
        return dwEffect;
    }

    COwnerWnd sourceOwner, targetOwner;
    CXTPReportControl source, target;
};

} // namespace

TEST_F(DragDrop, DropWithoutReadableRecordsIsNoDrop)
{
    // Records written by a report with nothing selected: a valid block of
    // no records.
    CXTPReportControl empty;
    const std::vector<BYTE> noRecords =
        StoreToArchive([&](CXTPPropExchange* px) { empty.WriteSelectedRecords(px); });
    struct
    {
        const char* name;
        std::vector<BYTE> bytes;
    } const cases[] = {
        {"eight junk bytes", {0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0x02, 0x03, 0x04}},
        {"an empty block", {}},
        {"a block of no records", noRecords},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        targetOwner.notifications.clear();
        EXPECT_EQ((DWORD)DROPEFFECT_NONE, DropBytes(c.bytes));
        EXPECT_EQ(0, targetOwner.CountOf((UINT)RN_DROP));
        EXPECT_EQ((std::vector<std::wstring>{L"Testspiel"}), Captions(target));
    }
}

TEST_F(DragDrop, MovedRecordsLeaveTheSourceAndReachTheClipboard)
{
    PutTextOnClipboard(sourceOwner.GetSafeHwnd(), L"vorher");
    DragFirstTwo();
    EXPECT_EQ((std::vector<std::wstring>{L"Testspiel", L"Derby", L"Pokal"}), Captions(target));
    EXPECT_EQ((std::vector<std::wstring>{L"Finale"}), Captions(source));
    EXPECT_EQ(L"Derby\r\nPokal\r\n", ClipboardText());
}

TEST_F(DragDrop, MoveDeletesEvenWhenTheClipboardIsHeld)
{
    PutTextOnClipboard(sourceOwner.GetSafeHwnd(), L"vorher");
    COwnerWnd holder;
    ASSERT_TRUE(holder.CreateOwner(L"Holder"));
    ASSERT_TRUE(::OpenClipboard(holder.GetSafeHwnd()));
    DragFirstTwo();
    ::CloseClipboard();
    holder.DestroyWindow();
    EXPECT_EQ((std::vector<std::wstring>{L"Testspiel", L"Derby", L"Pokal"}), Captions(target));
    EXPECT_EQ((std::vector<std::wstring>{L"Finale"}), Captions(source)) << "the drop holds the records";
    EXPECT_EQ(L"vorher", ClipboardText());
}

TEST_F(DragDrop, RefusedDropKeepsTheSource)
{
    targetOwner.replies.push_back({(UINT)RN_DROP, -1});
    DragFirstTwo();
    EXPECT_EQ(1, targetOwner.CountOf((UINT)RN_DROP)) << "the drag reached the target";
    EXPECT_EQ((std::vector<std::wstring>{L"Testspiel"}), Captions(target));
    EXPECT_EQ((std::vector<std::wstring>{L"Derby", L"Pokal", L"Finale"}), Captions(source));
}
