// Records and items saved and loaded through property exchange: items come
// back as their own classes with their values, old data keeps captions,
// and data naming a foreign class fails without leaving a half record.
#include "ReportTestSupport.h"

#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"

using namespace reporttest;

namespace {

CXTPReportRecord* MakeRecord()
{
    CXTPReportRecord* pRecord = new CXTPReportRecord();
    pRecord->SetLocked(TRUE);
    CXTPReportRecordItem* pPlain = pRecord->AddItem(new CXTPReportRecordItem());
    pPlain->SetCaption(L"Berlin");
    pPlain->HasCheckbox(TRUE);
    pPlain->SetChecked(TRUE);
    pPlain->SetItemData(0xCAFE);
    pPlain->SetTooltip(L"Tipp");
    pPlain->AddHyperlink(new CXTPReportHyperlink(2, 3));
    pRecord->AddItem(new CXTPReportRecordItemText(L"Köln"));
    pRecord->AddItem(new CXTPReportRecordItemNumber(12.75));
    pRecord->SetPreviewItem(new CXTPReportRecordItemPreview(L"Vorschau"));
    return pRecord;
}

} // namespace

TEST(ReportRecordExchange, ItemsComeBackByClassWithTheirValues)
{
    CXTPReportRecord* pSource = MakeRecord();
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { pSource->DoPropExchange(px); });
    pSource->InternalRelease();

    CXTPReportRecord loaded;
    loaded.AddItem(new CXTPReportRecordItemText(L"replaced"));
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { loaded.DoPropExchange(px); });

    ASSERT_EQ(3, loaded.GetItemCount());
    EXPECT_TRUE(loaded.IsLocked());
    CXTPReportRecordItem* pPlain = loaded.GetItem(0);
    EXPECT_EQ(RUNTIME_CLASS(CXTPReportRecordItem), pPlain->GetRuntimeClass());
    EXPECT_EQ(&loaded, pPlain->GetRecord());
    EXPECT_EQ(CString(L"Berlin"), pPlain->GetCaption(nullptr));
    EXPECT_TRUE(pPlain->HasCheckbox() && pPlain->IsChecked());
    EXPECT_EQ((DWORD_PTR)0xCAFE, pPlain->GetItemData());
    EXPECT_EQ(CString(L"Tipp"), pPlain->GetTooltip());
    ASSERT_EQ(1, pPlain->GetHyperlinks()->GetSize());
    EXPECT_EQ(2, pPlain->GetHyperlinks()->GetAt(0)->m_nHyperTextBegin);
    EXPECT_EQ(3, pPlain->GetHyperlinks()->GetAt(0)->m_nHyperTextLen);
    EXPECT_EQ(RUNTIME_CLASS(CXTPReportRecordItemText), loaded.GetItem(1)->GetRuntimeClass());
    EXPECT_EQ(CString(L"Köln"), loaded.GetItem(1)->GetCaption(nullptr));
    EXPECT_EQ(CString(L"13"), loaded.GetItem(2)->GetCaption(nullptr)) << "12.75 in the default %.0f";
    ASSERT_NE(nullptr, loaded.GetItemPreview());
    EXPECT_EQ(CString(L"Vorschau"), loaded.GetItemPreview()->GetPreviewText());
}

TEST(ReportRecordExchange, OldSchemaKeepsCaptionAndMissingPreviewKeepsPreviewItem)
{
    CXTPReportRecordItem source;
    source.SetCaption(L"stored");
    const std::vector<BYTE> itemBytes = StoreToArchive([&](CXTPPropExchange* px) {
        px->m_nSchema = 16;
        source.DoPropExchange(px);
    });
    CXTPReportRecordItem item;
    item.SetCaption(L"kept");
    LoadFromArchive(itemBytes, [&](CXTPPropExchange* px) {
        px->m_nSchema = 16;
        item.DoPropExchange(px);
    });
    EXPECT_EQ(CString(L"kept"), item.GetCaption(nullptr)) << "schema 16 data has no caption to read";

    CXTPReportRecord withoutPreview;
    withoutPreview.AddItem(new CXTPReportRecordItemText(L"a"));
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { withoutPreview.DoPropExchange(px); });
    CXTPReportRecord record;
    record.SetPreviewItem(new CXTPReportRecordItemPreview(L"bleibt"));
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { record.DoPropExchange(px); });
    ASSERT_NE(nullptr, record.GetItemPreview());
    EXPECT_EQ(CString(L"bleibt"), record.GetItemPreview()->GetPreviewText());
    EXPECT_EQ(1, record.GetItemCount());
}

TEST(ReportRecordExchange, ForeignClassFailsWithBadClass)
{
    // A record whose item section names a record, not an item.
    const std::vector<BYTE> bytes = StoreToArchive([](CXTPPropExchange* px) {
        BOOL bFalse = FALSE;
        XTPExchangeBool(px, L"Locked", bFalse);
        XTPExchangeBool(px, L"Editable", bFalse);
        XTPExchangeBool(px, L"Preview", bFalse);
        CXTPPropExchangeEnumerator enumerator(px, L"Item");
        POSITION pos = enumerator.GetPosition(1);
        CXTPPropExchange* pSection = enumerator.GetNext(pos);
        CXTPReportRecord stranger;
        CObject* pObject = &stranger;
        pSection->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CObject));
        pSection->InternalRelease();
    });
    CXTPReportRecord record;
    record.AddItem(new CXTPReportRecordItemText(L"old"));
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        EXPECT_EQ(CArchiveException::badClass, ArchiveCause([&] { record.DoPropExchange(px); }));
    });
    EXPECT_EQ(0, record.GetItemCount());

    CXTPReportRecord withNullItem;
    withNullItem.AddItem(nullptr);
    StoreToArchive([&](CXTPPropExchange* px) {
        EXPECT_EQ(CArchiveException::badClass, ArchiveCause([&] { withNullItem.DoPropExchange(px); }));
    });
}

TEST(ReportRecordExchange, CollectionRoundTripOwnsTheLoadedRecords)
{
    CXTPReportRecords source;
    source.Add(MakeRecord());
    source.Add(new CXTPReportRecord());
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { source.DoPropExchange(px); });

    CXTPReportRecords loaded;
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { loaded.DoPropExchange(px); });
    ASSERT_EQ(2, loaded.GetCount());
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(i, loaded.GetAt(i)->GetIndex());
        EXPECT_EQ(&loaded, loaded.GetAt(i)->GetRecords());
    }
    EXPECT_EQ(3, loaded.GetAt(0)->GetItemCount());
}
