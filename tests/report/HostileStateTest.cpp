// Stored and pasted data taken as input: a saved column alignment with bits
// that would let the text drawing write into a caption, sort and group
// orders that claim 65,535 entries, and pasted text in a report whose
// columns have scattered or absurd item indexes.
#include "ReportTestSupport.h"

#include <map>

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumnOrder.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecordItemVariant.h"
#include "toolkit/report/records/XTPReportRecords.h"

using namespace reporttest;

namespace {

// A loading exchange over named 32-bit values ("Section/Name"), as a
// registry key or XML node would hold them; a value not in the map is
// missing. Counts every value asked for.
class CMapExchange : public CXTPPropExchange
{
public:
    CMapExchange(const std::map<CString, long>& values, int& nReads, const CString& strPath = CString())
        : m_values(values), m_nReads(nReads), m_strPath(strPath)
    {
        m_bLoading = TRUE;
    }
    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override
    {
        ++m_nReads;
        auto found = m_values.find(m_strPath + pszPropName);
        const int nSize = GetTypeSize(vtProp);
        if (found == m_values.end() || nSize == 0 || nSize > (int)sizeof(long))
            return CopyDefault(vtProp, pvProp, pvDefault);
        memcpy(pvProp, &found->second, (size_t)nSize);
        return TRUE;
    }
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override
    {
        CMapExchange* pSection = new CMapExchange(m_values, m_nReads, m_strPath + pszSection + L"/");
        InitSection(pSection);
        return pSection;
    }

private:
    const std::map<CString, long>& m_values;
    int& m_nReads;
    CString m_strPath;
};

class HostileState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 5));
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    std::vector<int> ItemIndexes(CXTPReportColumnOrder* pOrder)
    {
        std::vector<int> indexes;
        for (int i = 0; i < pOrder->GetCount(); ++i)
            indexes.push_back(pOrder->GetAt(i)->GetItemIndex());
        return indexes;
    }
    static BOOL AllHeapsValid()
    {
        HANDLE heaps[64];
        const DWORD nHeaps = ::GetProcessHeaps(64, heaps);
        for (DWORD i = 0; i < nHeaps && i < 64; ++i)
        {
            if (!::HeapValidate(heaps[i], 0, nullptr))
                return FALSE;
        }
        return TRUE;
    }

    COwnerWnd owner;
    CXTPReportControl report;
};

} // namespace

TEST_F(HostileState, StoredAlignmentKeepsOnlyItsDrawingBits)
{
    const CString strText = L"Borussia Dortmund gegen Schalke am Samstag";
    report.AddColumn(new CXTPReportColumn(0, L"Spiel", 60, FALSE));
    report.AddColumn(new CXTPReportColumn(1, L"Ort", 60, FALSE));
    CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
    CXTPReportRecordItem* pItem = pRecord->AddItem(new CXTPReportRecordItemText(strText));
    pRecord->AddItem(new CXTPReportRecordItemText(strText));
    report.Populate();

    struct
    {
        long nStored;
        int nKept;
    } const cases[] = {
        {0x18010, DT_WORDBREAK},                       // word break, modify string, end ellipsis
        {0x18000, DT_LEFT},                            // modify string, end ellipsis
        {0x1C002, DT_RIGHT},                           // path and end ellipsis, modify string
        {0x50011, DT_WORDBREAK | DT_CENTER},           // word ellipsis, modify string
        {(long)0xFFFFFFFF, DT_CENTER | DT_RIGHT | DT_WORDBREAK},
        {DT_RIGHT, DT_RIGHT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << std::hex << c.nStored);
        std::map<CString, long> values = {
            {L"Columns/Count", 2},
            {L"Columns/Column0/ItemIndex", 0},  {L"Columns/Column0/Alignment", c.nStored},
            {L"Columns/Column0/StaticWidth", 60}, {L"Columns/Column0/AutoWidth", 60},
            {L"Columns/Column1/ItemIndex", 1},  {L"Columns/Column1/StaticWidth", 60},
            {L"Columns/Column1/AutoWidth", 60}, {L"Header/AutoColumnSizing", FALSE},
        };
        int nReads = 0;
        CMapExchange px(values, nReads);
        report.DoPropExchange(&px);
        CXTPReportColumn* pColumn = report.GetColumns()->Find(0);
        EXPECT_EQ(c.nKept, pColumn->GetAlignment());

        report.RedrawControl();
        report.UpdateWindow();
        EXPECT_TRUE(AllHeapsValid());
        EXPECT_EQ(strText, pItem->GetCaption(pColumn)) << "the drawing wrote into the caption";
    }

    // Set by code the same bits are kept.
    CXTPReportColumn* pColumn = report.GetColumns()->Find(1);
    pColumn->SetAlignment(0x18010);
    pColumn->SetHeaderAlignment(DT_END_ELLIPSIS | DT_CENTER);
    EXPECT_EQ(DT_WORDBREAK, pColumn->GetAlignment());
    EXPECT_EQ(DT_CENTER, pColumn->GetHeaderAlignment());
    report.RedrawControl();
    report.UpdateWindow();
    EXPECT_TRUE(AllHeapsValid());
    EXPECT_EQ(strText, pRecord->GetItem(1)->GetCaption(pColumn));
}

TEST_F(HostileState, StoredOrderEndsAtItsLastEntry)
{
    for (int i = 0; i < 3; ++i)
        report.AddColumn(new CXTPReportColumn(i, L"Spalte", 100));
    struct
    {
        const char* name;
        std::map<CString, long> values;
        std::vector<int> order;
        int nMaxReads;
    } const cases[] = {
        {"a count of 65,535 and no entries", {{L"Count", 0xFFFF}}, {0}, 4},
        {"a count of 65,535 and two entries", {{L"Count", 0xFFFF}, {L"Column0", 2}, {L"Column1", 1}}, {2, 1, 0}, 5},
        {"every column listed", {{L"Count", 0xFFFF}, {L"Column0", 2}, {L"Column1", 1}, {L"Column2", 0}}, {2, 1, 0}, 4},
        {"a zero left out as the default", {{L"Count", 2}, {L"Column1", 2}}, {0, 2}, 3},
        {"an entry twice", {{L"Count", 3}, {L"Column0", 1}, {L"Column1", 1}, {L"Column2", 2}}, {1, 2}, 4},
        {"a count beyond the cap", {{L"Count", 0x10000}, {L"Column0", 1}}, {}, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (CXTPReportColumnOrder* pOrder :
             {report.GetColumns()->GetSortOrder(), report.GetColumns()->GetGroupsOrder()})
        {
            int nReads = 0;
            CMapExchange px(c.values, nReads);
            pOrder->DoPropExchange(&px);
            EXPECT_EQ(c.order, ItemIndexes(pOrder));
            EXPECT_LE(nReads, c.nMaxReads) << "values looked up one by one";
        }
    }
}

TEST_F(HostileState, PastedTextMakesOneItemPerColumnAtItsIndex)
{
    // Columns showing items 0, 5 and 2, in that display order.
    report.AddColumn(new CXTPReportColumn(0, L"A", 100));
    report.AddColumn(new CXTPReportColumn(5, L"F", 100));
    report.AddColumn(new CXTPReportColumn(2, L"C", 100));
    CXTPReportRecord* pRecord = report.CreateRecordFromText(L"a\tf\tc");
    ASSERT_TRUE(pRecord);
    ASSERT_EQ(6, pRecord->GetItemCount());
    int nItems = 0;
    for (int i = 0; i < pRecord->GetItemCount(); ++i)
        nItems += pRecord->GetItem(i) != nullptr;
    EXPECT_EQ(3, nItems) << "one item per column";
    for (int i = 0; i < report.GetColumns()->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = report.GetColumns()->GetAt(i);
        ASSERT_TRUE(DYNAMIC_DOWNCAST(CXTPReportRecordItemVariant, pRecord->GetItem(pColumn)));
        EXPECT_EQ(CString(i == 0 ? L"a" : i == 1 ? L"f" : L"c"), pRecord->GetItem(pColumn)->GetCaption(pColumn));
    }
    pRecord->InternalRelease();
}

TEST_F(HostileState, AbsurdItemIndexRefusesThePaste)
{
    report.AddColumn(new CXTPReportColumn(0, L"A", 100));
    report.AddColumn(new CXTPReportColumn(100000, L"Weit", 100));
    EXPECT_EQ(nullptr, report.CreateRecordFromText(L"a\tb"));

    const CString strText = L"a\tb\r\nc\td\r\n";
    ASSERT_TRUE(::OpenClipboard(owner.GetSafeHwnd()));
    ::EmptyClipboard();
    const SIZE_T nBytes = (SIZE_T)(strText.GetLength() + 1) * sizeof(WCHAR);
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hText), (LPCWSTR)strText, nBytes);
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_UNICODETEXT, hText);
    ::CloseClipboard();
    report.Paste();
    EXPECT_EQ(0, report.GetRecords()->GetCount());
}
