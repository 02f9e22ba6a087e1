// What cells and rows hold when drawn: icons that do not fit, preview
// text under a row, the colours of a selection without focus, and the one
// virtual row standing for many records.
#include "ReportTestSupport.h"

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

const UINT kIconId = 500;

class CellContent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &owner, 5));
        column = report.AddColumn(new CXTPReportColumn(0, L"Text", 200));
        const UINT ids[] = {kIconId};
        ASSERT_TRUE(report.GetImageManager()->SetIcons(IDB_TOOLKIT_GREEN_STRIP, ids, 1, CSize(16, 16)));
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    CXTPReportRecord* Add(LPCWSTR text)
    {
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        pRecord->AddItem(new CXTPReportRecordItemText(text));
        return pRecord;
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* column = nullptr;
};

} // namespace

TEST_F(CellContent, IconsThatDoNotFitAreLeftOut)
{
    CDC dc;
    dc.Attach(::GetDC(nullptr));
    XTP_REPORTRECORDITEM_DRAWARGS args;
    args.pDC = &dc;
    args.pControl = &report;
    args.pColumn = column;
    struct IconCase
    {
        int height, align, left, right;
    };
    const IconCase cases[] = {
        {40, DT_LEFT, 117, 300}, // drawn at the left, the caption after it
        {40, DT_RIGHT, 100, 283},
        {16, DT_LEFT, 100, 300}, // as high as the icon: not drawn, no room taken
        {12, DT_RIGHT, 100, 300},
    };
    for (const IconCase& c : cases)
    {
        column->SetAlignment(c.align);
        CRect rc(100, 0, 300, c.height);
        report.GetPaintManager()->DrawItemBitmap(&args, rc, kIconId);
        EXPECT_EQ(c.left, rc.left) << c.height << "/" << c.align;
        EXPECT_EQ(c.right, rc.right) << c.height << "/" << c.align;
    }
    ::ReleaseDC(nullptr, dc.Detach());
}

TEST_F(CellContent, PreviewTextMakesRowsTaller)
{
    CXTPReportRecord* pRecord = Add(L"Zeile");
    pRecord->SetPreviewItem(new CXTPReportRecordItemPreview(L"eins zwei drei vier fünf sechs sieben acht neun zehn"));
    Add(L"ohne");
    report.Populate();
    CDC dc;
    dc.Attach(::GetDC(report.GetSafeHwnd()));
    CXTPReportRow* pWith = report.GetRows()->GetAt(0);
    CXTPReportRow* pWithout = report.GetRows()->GetAt(1);
    const int nPlain = pWithout->GetHeight(&dc, 400);
    EXPECT_EQ(nPlain, pWith->GetHeight(&dc, 400)) << "preview mode off";
    report.GetPaintManager()->EnablePreviewMode(TRUE);
    const int nWide = pWith->GetHeight(&dc, 400);
    const int nNarrow = pWith->GetHeight(&dc, 120);
    EXPECT_GT(nWide, nPlain);
    EXPECT_GT(nNarrow, nWide) << "more lines in a narrower row";
    EXPECT_EQ(nPlain, pWithout->GetHeight(&dc, 400)) << "a record without preview keeps its height";
    EXPECT_EQ(nPlain, pWith->GetHeight(&dc, 15)) << "no room beside the indents: no preview lines";
    ::ReleaseDC(report.GetSafeHwnd(), dc.Detach());
}

TEST_F(CellContent, SelectionColoursFollowTheFocus)
{
    Add(L"a");
    report.Populate();
    CXTPReportRow* pRow = report.GetRows()->GetAt(0);
    ASSERT_TRUE(pRow->IsSelected());
    CXTPReportPaintManager* pm = report.GetPaintManager();
    XTP_REPORTRECORDITEM_DRAWARGS args;
    args.pControl = &report;
    args.pRow = pRow;
    args.pColumn = column;
    args.pItem = pRow->GetRecord()->GetItem(column);
    struct ColourCase
    {
        bool focus, hide;
        COLORREF back;
    };
    const ColourCase cases[] = {{true, false, pm->m_clrHighlight},
                                {false, false, pm->m_clrBtnFace},
                                {false, true, (COLORREF)-1}};
    for (const ColourCase& c : cases)
    {
        c.focus ? report.SetFocus() : owner.SetFocus();
        pm->m_bHideSelection = c.hide;
        XTP_REPORTRECORDITEM_METRICS metrics;
        pRow->GetItemMetrics(&args, &metrics);
        EXPECT_EQ(c.back, metrics.clrBackground) << c.focus << c.hide;
    }
}

TEST_F(CellContent, OneVirtualRowStandsForAllRecords)
{
    CXTPReportRecord* pVirtual = new CXTPReportRecord();
    pVirtual->AddItem(new CXTPReportRecordItemText(L"virtuell"));
    report.GetRecords()->SetVirtualMode(pVirtual, 1000);
    report.Populate();
    EXPECT_EQ(1000, report.GetRows()->GetCount());
    EXPECT_EQ(1000, report.GetPopulatedRowCount());
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    report.SetTopRowIndex(500);
    report.UpdateWindow();
    ASSERT_GT(report.m_arrScreenRows.GetCount(), 2);
    // Each drawn position has a row of its own with its own index.
    EXPECT_NE(report.m_arrScreenRows.GetAt(0), report.m_arrScreenRows.GetAt(1));
    EXPECT_EQ(500, report.m_arrScreenRows.GetAt(0)->GetIndex());
    EXPECT_EQ(501, report.m_arrScreenRows.GetAt(1)->GetIndex());
}
