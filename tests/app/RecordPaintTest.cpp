// The program's rows as a report draws them: every second row light grey
// (not its preview text), watched matches bold; judged from the pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "AppTestSupport.h"
#include "app/records/MatchRecord.h"
#include "app/records/RowShading.h"
#include "app/records/StatRecord.h"
#include "app/records/TicketRecord.h"
#include "engine/StatRow.h"
#include "framework/windows/CWnd.h"
#include "support/Screenshot.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

namespace {

CMatchRecord* NewMatch(long id, LPCWSTR team1, LPCWSTR team2)
{
    return apptest::NewArchivedMatch(id, team1, team2, L"Berlin");
}

class RecordPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        ASSERT_TRUE(owner.CreateEx(0, cls, L"Rows", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 620, 260,
                                   nullptr, nullptr));
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 240), &owner, 100));
        for (int i = 0; i < 7; ++i)
            report.AddColumn(new CXTPReportColumn(i, L"Spalte", 85, FALSE));
    }
    void TearDown() override { owner.DestroyWindow(); }

    testshot::Image Draw(const wchar_t* shot)
    {
        report.Populate();
        // Selection has a look of its own; these rows show their own.
        report.GetSelectedRows()->Clear();
        report.RedrawControl();
        report.UpdateWindow();
        testshot::Image image = testshot::CaptureWindow(report.GetSafeHwnd());
        testshot::Save(image, shot);
        return image;
    }
    // A blank spot at the right end of a row's cell of the column.
    COLORREF Background(const testshot::Image& image, int row, int column)
    {
        CRect rcRow = report.GetRows()->GetAt(row)->GetRect();
        CRect rcColumn = report.GetColumns()->GetAt(column)->GetRect();
        return image.Pixel(rcColumn.right - 4, rcRow.top + 3);
    }
    int DarkPixels(const testshot::Image& image, int row, int column)
    {
        CRect rcRow = report.GetRows()->GetAt(row)->GetRect();
        CRect rcColumn = report.GetColumns()->GetAt(column)->GetRect();
        int dark = 0;
        for (int y = rcRow.top; y < rcRow.bottom; ++y)
            for (int x = rcColumn.left; x < rcColumn.right; ++x)
                dark += GetRValue(image.Pixel(x, y)) < 100;
        return dark;
    }

    CWnd owner;
    CXTPReportControl report;
};

} // namespace

TEST_F(RecordPaint, EveryKindOfRowShadesItsOddRows)
{
    StatRow stat;
    stat.strTeam1 = L"Ghana";
    stat.strTeam2 = L"USA";
    stat.strCity = L"Köln";
    const std::function<CXTPReportRecord*()> kinds[] = {
        [] { return NewMatch(1, L"Japan", L"Brasilien"); },
        [] { return new CTicketRecord(COleDateTime(2006, 6, 1, 9, 0, 0), L"Japan", L"Brasilien", L"Dortmund",
                                      L"", L"1 ", L"http://example.invalid/"); },
        [stat] { return new CStatRecord(stat); },
    };
    const wchar_t* shots[] = {L"app_rows_match.png", L"app_rows_ticket.png", L"app_rows_statistic.png"};
    for (int kind = 0; kind < 3; ++kind) {
        const auto& make = kinds[kind];
        report.GetRecords()->RemoveAll();
        for (int i = 0; i < 3; ++i)
            report.AddRecord(make());
        testshot::Image image = Draw(shots[kind]);
        const COLORREF plain = report.GetPaintManager()->GetControlBackColor(&report);
        EXPECT_EQ(plain, Background(image, 0, 5)) << "kind " << kind;
        EXPECT_EQ(RGB(0xF5, 0xF5, 0xF5), Background(image, 1, 5)) << "kind " << kind;
        EXPECT_EQ(plain, Background(image, 2, 5)) << "kind " << kind;
    }
}

TEST_F(RecordPaint, WatchedMatchesAreBoldAndPreviewTextIsNotShaded)
{
    CMatchRecord* pRows[4];
    for (int i = 0; i < 4; ++i)
        pRows[i] = static_cast<CMatchRecord*>(report.AddRecord(NewMatch(i + 1, L"Deutschland", L"Costa Rica")));
    pRows[2]->GetCheckItem()->SetChecked(TRUE);
    testshot::Image image = Draw(L"app_rows_watched.png");
    // The same texts, drawn heavier in the watched row, in every column.
    for (int column : {CMatchRecord::itemRound, CMatchRecord::itemCountry1, CMatchRecord::itemCity})
        EXPECT_GT(DarkPixels(image, 2, column), DarkPixels(image, 0, column) * 11 / 10) << "column " << column;

    // Unchecking returns the normal font at the next drawing.
    pRows[2]->GetCheckItem()->SetChecked(FALSE);
    image = Draw(L"app_rows_unwatched.png");
    EXPECT_EQ(DarkPixels(image, 0, CMatchRecord::itemCountry1), DarkPixels(image, 2, CMatchRecord::itemCountry1));

    // An odd row's preview text keeps the plain background.
    report.GetPaintManager()->EnablePreviewMode(TRUE);
    pRows[1]->SetPreviewItem(new CXTPReportRecordItemPreview(L"Vorschau"));
    image = Draw(L"app_rows_preview.png");
    CRect rcRow = report.GetRows()->GetAt(1)->GetRect();
    int x = report.GetColumns()->GetAt(5)->GetRect().right - 4;
    const COLORREF plain = report.GetPaintManager()->GetControlBackColor(&report);
    EXPECT_EQ(RGB(0xF5, 0xF5, 0xF5), image.Pixel(x, rcRow.top + 3));
    EXPECT_EQ(plain, image.Pixel(x, rcRow.bottom - 3));
}
