// The paint manager's metrics and drawing, checked by pixels on a memory
// bitmap: heights, grid patterns, the sorted column's shade, the sort
// triangle, preview lines and hyperlinks over a date caption.
#include "ReportTestSupport.h"

#include "support/Screenshot.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportGroupRow.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"

using namespace reporttest;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// A white 200 x 60 bitmap to draw on.
class Canvas
{
public:
    Canvas()
    {
        CDC screen;
        screen.Attach(::GetDC(nullptr));
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, 200, 60);
        ::ReleaseDC(nullptr, screen.Detach());
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(CRect(0, 0, 200, 60), kWhite);
    }
    ~Canvas() { dc.SelectObject(pOld); }
    testshot::Image Image() { return testshot::CaptureDC(dc.GetSafeHdc(), CRect(0, 0, 200, 60)); }
    // The pixels of one row (or column) as 1 for not white, 0 for white.
    std::string Line(int fixed, int from, int to, bool vertical)
    {
        const testshot::Image image = Image();
        std::string bits;
        for (int i = from; i < to; ++i)
            bits += (vertical ? image.Pixel(fixed, i) : image.Pixel(i, fixed)) == kWhite ? '0' : '1';
        return bits;
    }

    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld;
};

// The pattern in some phase: brushes line up with the bitmap, not the line.
bool SamePattern(const std::string& line, const std::string& pattern)
{
    const std::string twice = pattern + pattern;
    for (size_t shift = 0; shift < 8; ++shift)
    {
        if (twice.compare(shift, line.size(), line) == 0)
            return true;
    }
    return false;
}

} // namespace

TEST(ReportPaintManager, HeightsFollowTheFonts)
{
    CXTPReportPaintManager pm;
    for (int lfHeight : {-11, -30})
    {
        LOGFONT lf = {};
        lf.lfHeight = lfHeight;
        lstrcpyW(lf.lfFaceName, L"Tahoma");
        pm.SetTextFont(lf);
        pm.SetCaptionFont(lf);
        CFont font;
        font.CreateFontIndirect(&lf);
        Canvas canvas;
        CFont* pOld = canvas.dc.SelectObject(&font);
        const int h = canvas.dc.GetTextExtent(L" ", 1).cy;
        canvas.dc.SelectObject(pOld);
        EXPECT_EQ(std::max(18, h + 4), pm.m_nRowHeight) << "font height " << h;
        EXPECT_EQ(std::max(22, h + 8), pm.GetFixedHeaderHeight()) << "font height " << h;
        if (h == 13)
        {
            EXPECT_EQ(18, pm.m_nRowHeight);
            EXPECT_EQ(22, pm.GetFixedHeaderHeight());
        }
    }

    CXTPReportControl report;
    CXTPReportRow* pRow = report.CreateRow();
    CXTPReportGroupRow* pGroup = report.CreateGroupRow();
    CXTPReportPaintManager* pPm = report.GetPaintManager();
    const int nRecord = pPm->GetFixedRowHeight(nullptr, pRow);
    EXPECT_EQ(pPm->m_nRowHeight + 1, nRecord);
    EXPECT_EQ(pPm->m_nRowHeight + 16, pPm->GetFixedRowHeight(nullptr, pGroup));
    pPm->m_bShadeGroupHeadings = TRUE;
    EXPECT_EQ(pPm->m_nRowHeight + 6, pPm->GetFixedRowHeight(nullptr, pGroup));
    pPm->SetGridStyle(FALSE, xtpReportGridNone);
    EXPECT_EQ(nRecord - 1, pPm->GetFixedRowHeight(nullptr, pRow));
    pRow->InternalRelease();
    pGroup->InternalRelease();
}

TEST(ReportPaintManager, CustomGridColourSurvivesSystemColourChange)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner());
    CXTPReportControl report;
    ASSERT_TRUE(report.Create(WS_CHILD, CRect(0, 0, 100, 100), &owner, 1));
    report.GetPaintManager()->m_clrGridLine.SetCustomValue(RGB(1, 2, 3));
    report.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(1, 2, 3), (COLORREF)report.GetPaintManager()->m_clrGridLine);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), report.GetPaintManager()->m_clrControlBack.GetStandardColor());
    report.DestroyWindow();
    owner.DestroyWindow();
}

TEST(ReportPaintManager, GridPatternsAndSortShade)
{
    CXTPReportPaintManager pm;
    pm.m_clrGridLine.SetCustomValue(RGB(0, 0, 0));
    pm.m_clrControlBack.SetCustomValue(kWhite);
    struct GridCase
    {
        int style;
        const char* pattern; // 16 pixels along the line
    };
    const GridCase cases[] = {
        {xtpReportGridSolid, "1111111111111111"},
        {xtpReportGridSmallDots, "1010101010101010"},
        {xtpReportGridLargeDots, "1100110011001100"},
        {xtpReportGridDashes, "1111000011110000"},
        {xtpReportGridNone, "0000000000000000"},
    };
    for (const GridCase& c : cases)
    {
        Canvas horizontal;
        pm.SetGridStyle(FALSE, c.style);
        pm.DrawGrid(&horizontal.dc, FALSE, CRect(0, 0, 16, 10));
        const std::string line = horizontal.Line(10, 0, 16, false);
        EXPECT_TRUE(SamePattern(line, c.pattern)) << "horizontal style " << c.style << ": " << line;
        EXPECT_EQ("0000000000000000", horizontal.Line(9, 0, 16, false));
    }
    Canvas vertical;
    pm.SetGridStyle(TRUE, xtpReportGridSmallDots);
    pm.DrawGrid(&vertical.dc, TRUE, CRect(0, 0, 10, 16));
    EXPECT_TRUE(SamePattern(vertical.Line(9, 0, 16, true), "1010101010101010"));

    Canvas shade;
    pm.FillItemShade(&shade.dc, CRect(0, 0, 10, 10));
    EXPECT_EQ(RGB(0xF5, 0xF5, 0xF5), shade.Image().Pixel(5, 5));
    pm.m_bShadeSortColumn = FALSE;
    pm.FillItemShade(&shade.dc, CRect(20, 0, 30, 10));
    EXPECT_EQ(kWhite, shade.Image().Pixel(25, 5));
}

TEST(ReportPaintManager, SortTriangleNeedsMoreThanFifteenPixels)
{
    CXTPReportPaintManager pm;
    pm.m_clrControlDark.SetCustomValue(RGB(0, 0, 0));
    pm.m_clrControlLightLight.SetCustomValue(RGB(0, 0, 0));
    for (int width : {15, 16})
    {
        Canvas canvas;
        pm.DrawSortTriangle(&canvas.dc, CRect(0, 0, width, 20), TRUE);
        const std::string column = canvas.Line(9, 0, 20, true); // the apex column
        EXPECT_EQ(width > 15, column.find('1') != std::string::npos) << width;
    }
    Canvas up, down;
    pm.DrawSortTriangle(&up.dc, CRect(0, 0, 40, 20), TRUE);
    pm.DrawSortTriangle(&down.dc, CRect(0, 0, 40, 20), FALSE);
    EXPECT_EQ("1", up.Line(7, 9, 10, false)) << "apex up";
    EXPECT_EQ("1", down.Line(13, 9, 10, false)) << "apex down";
}

TEST(ReportPaintManager, PreviewLinesAreCapped)
{
    CXTPReportPaintManager pm;
    Canvas canvas;
    CFont* pOld = canvas.dc.SelectObject(pm.GetPreviewFont());
    const CString strFive = L"eins\nzwei\ndrei\nvier\nfünf";
    EXPECT_EQ(3, pm.CalculatePreviewLines(&canvas.dc, CRect(0, 0, 150, 0), strFive));
    EXPECT_EQ(2, pm.CalculatePreviewLines(&canvas.dc, CRect(0, 0, 150, 0), L"eins\nzwei"));
    EXPECT_EQ(0, pm.CalculatePreviewLines(&canvas.dc, CRect(10, 0, 10, 0), strFive)) << "no room, no lines";
    EXPECT_EQ(0, pm.CalculatePreviewLines(&canvas.dc, CRect(30, 0, 10, 0), strFive));
    canvas.dc.SelectObject(pOld);
}

TEST(ReportPaintManager, HyperlinkRangesStayInsideTheCaption)
{
    CXTPReportControl report;
    CXTPReportColumn* pColumn = report.AddColumn(new CXTPReportColumn(0, L"Datum", 190));
    CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
    CXTPReportRecordItem* pItem = pRecord->AddItem(new CXTPReportRecordItemDateTime(COleDateTime(2006, 6, 9, 18, 0, 0)));
    pItem->AddHyperlink(new CXTPReportHyperlink(0, 254));      // the program's whole-caption link
    pItem->AddHyperlink(new CXTPReportHyperlink(-5, 3));       // before the caption: nothing left
    pItem->AddHyperlink(new CXTPReportHyperlink(3, 0x7FFFFFFF)); // overlaps the first
    CXTPReportRow* pRow = AddDisplayedRow(report, pRecord);

    Canvas canvas;
    XTP_REPORTRECORDITEM_DRAWARGS args;
    args.pDC = &canvas.dc;
    args.pControl = &report;
    args.pRow = pRow;
    args.pColumn = pColumn;
    args.pItem = pItem;
    args.rcItem = CRect(0, 0, 190, 20);
    XTP_REPORTRECORDITEM_METRICS metrics;
    metrics.strText = pItem->GetCaption(pColumn);
    metrics.clrForeground = RGB(0, 0, 0);
    CFont* pOld = canvas.dc.SelectObject(report.GetPaintManager()->GetTextFont());
    const int nTextWidth = canvas.dc.GetTextExtent(metrics.strText).cx;
    report.GetPaintManager()->DrawItemCaption(&args, &metrics);
    canvas.dc.SelectObject(pOld);

    const CRect rcSpot = pItem->GetHyperlinks()->GetAt(0)->m_rcHyperSpot;
    EXPECT_EQ(2, rcSpot.left);
    EXPECT_EQ(2 + nTextWidth, rcSpot.right) << "the link ends with the caption";
    EXPECT_TRUE(pItem->GetHyperlinks()->GetAt(1)->m_rcHyperSpot.IsRectEmpty());
    EXPECT_TRUE(pItem->GetHyperlinks()->GetAt(2)->m_rcHyperSpot.IsRectEmpty());
    EXPECT_EQ(0, pItem->HitTestHyperlink(CPoint(10, 10)));
    EXPECT_EQ(-1, pItem->HitTestHyperlink(CPoint(rcSpot.right + 5, 10)));
    const testshot::Image image = canvas.Image();
    bool blue = false;
    for (int x = 0; x < 190; ++x)
        for (int y = 0; y < 20; ++y)
            blue |= image.Pixel(x, y) == RGB(0, 0, 255);
    EXPECT_TRUE(blue) << "drawn in the hyperlink colour";
}

TEST(ReportPaintManager, PrintingLeavesHitRectanglesAndSelectionAlone)
{
    CXTPReportControl report;
    CXTPReportColumn* pColumn = report.AddColumn(new CXTPReportColumn(0, L"Datum", 190));
    report.GetColumns()->SetTreeColumn(pColumn);
    report.GetColumns()->SetSortColumn(pColumn, TRUE);
    CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
    CXTPReportRecordItem* pItem = pRecord->AddItem(new CXTPReportRecordItemDateTime(COleDateTime(2006, 6, 9, 18, 0, 0)));
    pItem->HasCheckbox(TRUE);
    pItem->AddHyperlink(new CXTPReportHyperlink(0, 5));
    pRecord->GetChilds()->Add(new CXTPReportRecord());
    report.Populate();
    CXTPReportRow* pRow = report.GetRows()->GetAt(0);
    ASSERT_TRUE(pRow->IsSelected());

    const CRect rcMarker(1, 2, 3, 4);
    pItem->GetHyperlinks()->GetAt(0)->m_rcHyperSpot = rcMarker;
    pItem->m_rcGlyph = rcMarker;
    pRow->m_rcCollapse = rcMarker;
    Canvas canvas;
    canvas.dc.m_bPrinting = TRUE;
    pRow->Draw(&canvas.dc, CRect(0, 0, 190, 20), 0);
    EXPECT_EQ(rcMarker, pItem->GetHyperlinks()->GetAt(0)->m_rcHyperSpot);
    EXPECT_EQ(rcMarker, pItem->GetCheckboxRect());
    EXPECT_EQ(rcMarker, pRow->m_rcCollapse);

    XTP_REPORTRECORDITEM_DRAWARGS args;
    args.pDC = &canvas.dc;
    args.pControl = &report;
    args.pRow = pRow;
    args.pColumn = pColumn;
    args.pItem = pItem;
    XTP_REPORTRECORDITEM_METRICS metrics;
    pRow->GetItemMetrics(&args, &metrics);
    EXPECT_EQ((COLORREF)-1, metrics.clrBackground) << "no selection colours on paper";

    canvas.dc.m_bPrinting = FALSE;
    pRow->Draw(&canvas.dc, CRect(0, 0, 190, 20), 0);
    EXPECT_NE(rcMarker, pItem->GetHyperlinks()->GetAt(0)->m_rcHyperSpot);
    EXPECT_NE(rcMarker, pItem->GetCheckboxRect());
}

TEST(ReportPaintManager, WrappedCellsMakeRowsTallerWithoutFixedHeights)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner());
    CXTPReportControl report;
    ASSERT_TRUE(report.Create(WS_CHILD, CRect(0, 0, 300, 200), &owner, 1));
    CXTPReportColumn* pColumn = report.AddColumn(new CXTPReportColumn(0, L"Lang und umbrochen", 60));
    pColumn->SetAlignment(DT_LEFT | DT_WORDBREAK);
    pColumn->SetHeaderAlignment(DT_LEFT | DT_WORDBREAK);
    report.AddColumn(new CXTPReportColumn(1, L"B", 60));
    report.GetReportHeader()->SetAutoColumnSizing(FALSE);
    CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
    pRecord->AddItem(new CXTPReportRecordItemDateTime(COleDateTime(2006, 6, 9, 18, 0, 0)));
    report.Populate();
    CDC dc;
    dc.Attach(::GetDC(report.GetSafeHwnd()));
    CXTPReportPaintManager* pm = report.GetPaintManager();
    CXTPReportRow* pRow = report.GetRows()->GetAt(0);
    const int nFixedRow = pm->GetRowHeight(&dc, pRow, 300);
    const int nFixedHeader = pm->GetHeaderHeight(&report, &dc, 300);
    pm->m_bFixedRowHeight = FALSE;
    EXPECT_GT(pm->GetRowHeight(&dc, pRow, 300), nFixedRow) << "the date wraps in 60 pixels";
    EXPECT_GT(pm->GetHeaderHeight(&report, &dc, 300), nFixedHeader);
    pColumn->SetAlignment(DT_LEFT);
    EXPECT_EQ(nFixedRow, pm->GetRowHeight(&dc, pRow, 300)) << "one line is the fixed height";
    ::ReleaseDC(report.GetSafeHwnd(), dc.Detach());
    report.DestroyWindow();
    owner.DestroyWindow();
}
