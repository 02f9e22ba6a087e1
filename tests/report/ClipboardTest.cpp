// Records on the clipboard and through drops: the text form, pasting text,
// the private format's round trip, bad data refused with the clipboard
// closed, a cut that could not copy, and drops through the registered
// drop target.
#include "ReportTestSupport.h"

#include <ole2.h>

#include "framework/files/CArchive.h"
#include "framework/files/CSharedFile.h"
#include "framework/ole/COleDataSource.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecordItemVariant.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

class Clipboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::OleInitialize(nullptr);
        ASSERT_TRUE(owner.CreateOwner());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &owner, 5));
        report.AddColumn(new CXTPReportColumn(0, L"A", 100));
        report.AddColumn(new CXTPReportColumn(1, L"B", 100));
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
        ::OleUninitialize();
    }
    CXTPReportRecord* Add(CXTPReportControl& target, LPCWSTR a, LPCWSTR b)
    {
        CXTPReportRecord* pRecord = target.AddRecord(new CXTPReportRecord());
        pRecord->AddItem(new CXTPReportRecordItemText(a));
        pRecord->AddItem(new CXTPReportRecordItemText(b));
        return pRecord;
    }
    void SelectAll()
    {
        report.GetSelectedRows()->SelectBlock(0, report.GetRows()->GetCount() - 1);
    }
    std::vector<std::wstring> Captions(CXTPReportControl& target)
    {
        std::vector<std::wstring> captions;
        for (int i = 0; i < target.GetRecords()->GetCount(); ++i)
        {
            CXTPReportRecord* pRecord = target.GetRecords()->GetAt(i);
            std::wstring line;
            for (int j = 0; j < pRecord->GetItemCount(); ++j)
                line += std::wstring(j ? L"|" : L"") + (LPCWSTR)pRecord->GetItem(j)->GetCaption(nullptr);
            captions.push_back(line);
        }
        return captions;
    }
    void PutOnClipboard(UINT format, const void* pData, size_t nBytes)
    {
        ASSERT_TRUE(::OpenClipboard(owner.GetSafeHwnd()));
        ::EmptyClipboard();
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
        memcpy(::GlobalLock(hData), pData, nBytes);
        ::GlobalUnlock(hData);
        ::SetClipboardData(format, hData);
        ::CloseClipboard();
    }
    // The private format's bytes as a storing exchange writes them.
    std::vector<BYTE> RecordsBytes(const std::function<void(CXTPPropExchange*)>& write)
    {
        return StoreToArchive(write);
    }

    COwnerWnd owner;
    CXTPReportControl report;
};

} // namespace

TEST_F(Clipboard, TextOfTheSelectedRows)
{
    Add(report, L"1", L"x");
    Add(report, L"2", L"");
    report.Populate();
    SelectAll();
    CString strText;
    report.GetSelectedRowsText(strText);
    EXPECT_EQ(CString(L"1\tx\r\n2\t\r\n"), strText);
    ASSERT_TRUE(report.Copy());
    ASSERT_TRUE(::OpenClipboard(nullptr));
    EXPECT_EQ(CString(L"1\tx\r\n2\t\r\n"), CString((LPCWSTR)::GlobalLock(::GetClipboardData(CF_UNICODETEXT))));
    ::CloseClipboard();
}

TEST_F(Clipboard, PastedTextMakesVariantRecords)
{
    report.AddColumn(new CXTPReportColumn(2, L"C", 100, TRUE, -1, TRUE, FALSE));
    const wchar_t text[] = L"7\t8\r\n\r\n9";
    PutOnClipboard(CF_UNICODETEXT, text, sizeof(text));
    report.Paste();
    ASSERT_EQ(2, report.GetRecords()->GetCount());
    EXPECT_EQ((std::vector<std::wstring>{L"7|8|", L"9||"}), Captions(report));
    EXPECT_EQ(RUNTIME_CLASS(CXTPReportRecordItemVariant), report.GetRecords()->GetAt(1)->GetItem(2)->GetRuntimeClass());
    EXPECT_EQ(2, report.GetSelectedRows()->GetCount()) << "the pasted rows are selected";
}

TEST_F(Clipboard, RecordsRoundTripThroughThePrivateFormat)
{
    CXTPReportRecord* pRecord = Add(report, L"Bonn", L"Berlin");
    pRecord->AddItem(new CXTPReportRecordItemNumber(3));
    report.Populate();
    SelectAll();
    ASSERT_TRUE(report.Copy());

    CXTPReportControl target;
    ASSERT_TRUE(target.Create(WS_CHILD, CRect(0, 0, 100, 100), &owner, 6));
    target.AddColumn(new CXTPReportColumn(0, L"A", 100));
    target.Paste();
    EXPECT_EQ((std::vector<std::wstring>{L"Bonn|Berlin|3"}), Captions(target));
    EXPECT_EQ(RUNTIME_CLASS(CXTPReportRecordItemNumber), target.GetRecords()->GetAt(0)->GetItem(2)->GetRuntimeClass());
    target.DestroyWindow();
}

TEST_F(Clipboard, BadDataIsRefusedAndTheClipboardClosed)
{
    Add(report, L"a", L"b");
    report.Populate();
    SelectAll();
    const std::vector<BYTE> good = RecordsBytes([&](CXTPPropExchange* px) { report.WriteSelectedRecords(px); });
    const std::vector<BYTE> wrongVersion = RecordsBytes([](CXTPPropExchange* px) {
        long nVersion = 2, nLocale = 0;
        XTPExchangeLong(px, L"Version", nVersion);
        XTPExchangeLong(px, L"Locale", nLocale);
    });
    const std::vector<BYTE> badClass = RecordsBytes([](CXTPPropExchange* px) {
        long nVersion = 1, nLocale = 0;
        XTPExchangeLong(px, L"Version", nVersion);
        XTPExchangeLong(px, L"Locale", nLocale);
        CXTPReportRecords records;
        CXTPReportRecordItemText stranger(L"no record");
        CXTPPropExchange* pSection = px->GetSection(L"ReportRecords");
        CXTPPropExchangeEnumerator enumerator(pSection, L"Record");
        POSITION pos = enumerator.GetPosition(1);
        CXTPPropExchange* pRecord = enumerator.GetNext(pos);
        CObject* pObject = &stranger;
        pRecord->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CObject));
        pRecord->InternalRelease();
        pSection->InternalRelease();
    });
    const int nLocale = CXTPPropExchange::m_nLocale;
    const std::vector<BYTE> truncated(good.begin(), good.begin() + good.size() / 2);
    for (const std::vector<BYTE>* pBytes : {&truncated, &wrongVersion, &badClass})
    {
        PutOnClipboard(CXTPReportControl::GetRecordsFormat(), pBytes->data(), pBytes->size());
        report.Paste();
        EXPECT_EQ(1, report.GetRecords()->GetCount());
        EXPECT_TRUE(::OpenClipboard(nullptr)) << "left open";
        ::CloseClipboard();
    }
    EXPECT_EQ(nLocale, CXTPPropExchange::m_nLocale);

    PutOnClipboard(CXTPReportControl::GetRecordsFormat(), good.data(), good.size());
    report.Paste();
    EXPECT_EQ(2, report.GetRecords()->GetCount()) << "good data still pastes";
}

TEST_F(Clipboard, CutWithoutTheClipboardDeletesNothing)
{
    Add(report, L"a", L"b");
    report.Populate();
    SelectAll();
    COwnerWnd holder;
    ASSERT_TRUE(holder.CreateOwner(L"Holder"));
    ASSERT_TRUE(::OpenClipboard(holder.GetSafeHwnd()));
    report.Cut();
    ::CloseClipboard();
    EXPECT_EQ(1, report.GetRecords()->GetCount());
    report.Cut();
    EXPECT_EQ(0, report.GetRecords()->GetCount());
    holder.DestroyWindow();
}

TEST_F(Clipboard, DropsThroughTheRegisteredTarget)
{
    for (LPCWSTR name : {L"r0", L"r1", L"r2"})
        Add(report, name, L"");
    report.Populate();
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    report.UpdateWindow(); // rows get their places on screen
    ASSERT_EQ(3, report.m_arrScreenRows.GetCount());
    IDropTarget* pTarget = report.GetDropTarget()->GetInterface();

    // Another control's records, as its drag would offer them.
    CXTPReportControl source;
    Add(source, L"neu", L"");
    source.Populate();
    source.GetSelectedRows()->Select(source.GetRows()->GetAt(0));
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { source.WriteSelectedRecords(px); });
    const CLIPFORMAT cf = (CLIPFORMAT)::RegisterClipboardFormat(L"TavrolinReportDrag");
    COleDataSource data;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(::GlobalLock(hData), bytes.data(), bytes.size());
    ::GlobalUnlock(hData);
    data.CacheGlobalData(cf, hData);
    IDataObject* pData = data.GetDataObject(FALSE);

    const CRect rcRow1 = report.GetRows()->GetAt(1)->GetRect();
    CPoint ptClient(20, rcRow1.top + 2); // upper half of row 1
    CPoint ptScreen(ptClient);
    report.ClientToScreen(&ptScreen);
    POINTL pt = {ptScreen.x, ptScreen.y};

    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragEnter(pData, 0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect) << "drag and drop is off until enabled";
    pTarget->DragLeave();

    report.EnableDragDrop(L"TavrolinReportDrag", CXTPReportControl::xtpReportAllowDrop |
                                                      CXTPReportControl::xtpReportAllowDragMove);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragEnter(pData, 0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, dwEffect);
    EXPECT_EQ(rcRow1.top - 1, report.GetDropMarkerPosition());
    pTarget->Drop(pData, 0, pt, &dwEffect);
    EXPECT_EQ((std::vector<std::wstring>{L"r0|", L"neu|", L"r1|", L"r2|"}), Captions(report));
    EXPECT_EQ(-1, report.GetDropMarkerPosition());

    // A move inside the control reorders and keeps the count.
    report.UpdateWindow();
    report.GetSelectedRows()->Select(report.GetRows()->GetAt(0));
    report.m_bDragSource = TRUE;
    const CRect rcLast = report.GetRows()->GetAt(3)->GetRect();
    CPoint ptBelow(20, rcLast.bottom - 2);
    report.ClientToScreen(&ptBelow);
    POINTL ptl = {ptBelow.x, ptBelow.y};
    dwEffect = DROPEFFECT_MOVE;
    pTarget->DragEnter(pData, 0, ptl, &dwEffect);
    pTarget->Drop(pData, 0, ptl, &dwEffect);
    report.m_bDragSource = FALSE;
    EXPECT_EQ((std::vector<std::wstring>{L"neu|", L"r1|", L"r2|", L"r0|"}), Captions(report));

    report.EnableDragDrop(nullptr, 0);
    dwEffect = DROPEFFECT_MOVE;
    pTarget->DragEnter(pData, 0, pt, &dwEffect);
    pTarget->Drop(pData, 0, pt, &dwEffect);
    EXPECT_EQ(4, report.GetRecords()->GetCount()) << "format 0 refuses drops";
}
