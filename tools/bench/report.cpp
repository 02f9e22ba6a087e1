// Times the report control against the common controls' list view in report
// mode: records added under one lock, populated sorted by date (and grouped
// by a text), full repaints at the top and in the middle (median of 20);
// the list view gets the same texts, is sorted by LVM_SORTITEMSEX on the
// same dates and repainted. Both orders are checked.
// Usage: bench_report.exe [report rows, default 100000] [list view rows, default 5000]
// (the list view's sort finds both items linearly per comparison under Wine).
// Then pastes 23,000, 46,000 and 92,000 lines of text into an empty report.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/ole/COleDateTime.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

namespace {

const int kWidth = 800;
const int kHeight = 600;
const int kRepaints = 20;
const int kCities = 12;

class CStopwatch
{
public:
    CStopwatch()
    {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    double Milliseconds() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * (double)(now.QuadPart - m_start.QuadPart) / (double)m_frequency.QuadPart;
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

struct Row
{
    CString team;
    CString city;
    double number;
    DATE date;
};

std::vector<Row> MakeRows(int nCount)
{
    std::vector<Row> rows(nCount);
    unsigned seed = 12345;
    for (int i = 0; i < nCount; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        rows[i].team.Format(L"Team %d", (int)(seed % 32));
        rows[i].city.Format(L"Stadt %d", i % kCities);
        rows[i].number = (double)(seed % 1000);
        // Dates over a month, to the minute, with repeats.
        rows[i].date = COleDateTime(2006, 6, 9, 0, 0, 0).m_dt + (double)((seed >> 8) % 43200) / 1440.0;
    }
    return rows;
}

HWND MakeFrame(LPCWSTR pszTitle)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ReportBenchFrame";
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    RECT rc = {0, 0, kWidth, kHeight};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hWnd = CreateWindowW(L"ReportBenchFrame", pszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                              0, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    return hWnd;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

template <class F> double MedianRepaint(F invalidate, HWND hWnd)
{
    std::vector<double> times;
    for (int i = 0; i < kRepaints; ++i)
    {
        Pump();
        CStopwatch watch;
        invalidate();
        UpdateWindow(hWnd);
        times.push_back(watch.Milliseconds());
    }
    std::sort(times.begin(), times.end());
    return (times[kRepaints / 2 - 1] + times[kRepaints / 2]) / 2;
}

struct Times
{
    double add = 0, sort = 0, group = 0, paintTop = 0, paintMiddle = 0;
    bool ordered = false;
    int inversions = 0;
};

Times TimeReport(const std::vector<Row>& rows)
{
    Times t;
    HWND hFrame = MakeFrame(L"Report");
    CXTPReportControl report;
    report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(hFrame), 1);
    report.AddColumn(new CXTPReportColumn(0, L"Team", 200));
    CXTPReportColumn* pCity = report.AddColumn(new CXTPReportColumn(1, L"Stadt", 200));
    report.AddColumn(new CXTPReportColumn(2, L"Zahl", 100));
    CXTPReportColumn* pDate = report.AddColumn(new CXTPReportColumn(3, L"Datum", 300));

    CStopwatch addWatch;
    report.BeginUpdate();
    for (const Row& row : rows)
    {
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        pRecord->AddItem(new CXTPReportRecordItemText(row.team));
        pRecord->AddItem(new CXTPReportRecordItemText(row.city));
        pRecord->AddItem(new CXTPReportRecordItemNumber(row.number));
        pRecord->AddItem(new CXTPReportRecordItemDateTime(COleDateTime(row.date)));
    }
    report.EndUpdate();
    t.add = addWatch.Milliseconds();

    report.GetColumns()->SetSortColumn(pDate, TRUE);
    CStopwatch sortWatch;
    report.Populate();
    t.sort = sortWatch.Milliseconds();

    t.ordered = report.GetRows()->GetCount() == (int)rows.size();
    DATE dtLast = -1e9;
    for (int i = 0; i < report.GetRows()->GetCount() && t.ordered; ++i)
    {
        const DATE dt = static_cast<CXTPReportRecordItemDateTime*>(
                            report.GetRows()->GetAt(i)->GetRecord()->GetItem(pDate))->GetValue().m_dt;
        t.ordered = dt >= dtLast;
        dtLast = dt;
    }

    auto redraw = [&] { report.RedrawControl(); };
    t.paintTop = MedianRepaint(redraw, report.GetSafeHwnd());
    report.SetTopRowIndex((int)rows.size() / 2);
    t.paintMiddle = MedianRepaint(redraw, report.GetSafeHwnd());

    report.GetColumns()->GetGroupsOrder()->Add(pCity);
    CStopwatch groupWatch;
    report.Populate();
    t.group = groupWatch.Milliseconds();

    report.DestroyWindow();
    DestroyWindow(hFrame);
    return t;
}

// Counts rows whose date is earlier than the row before.
int ListInversions(HWND hList, int nRows)
{
    int nInversions = 0;
    DATE dtLast = -1e9;
    for (int i = 0; i < nRows; ++i)
    {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SendMessageW(hList, LVM_GETITEMW, 0, (LPARAM)&item);
        const DATE dt = ((const Row*)item.lParam)->date;
        nInversions += dt < dtLast ? 1 : 0;
        dtLast = dt;
    }
    return nInversions;
}

int CALLBACK CompareListParams(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/)
{
    const DATE dt1 = ((const Row*)lParam1)->date, dt2 = ((const Row*)lParam2)->date;
    return dt1 < dt2 ? -1 : dt1 > dt2 ? 1 : 0;
}

int CALLBACK CompareListItems(LPARAM nIndex1, LPARAM nIndex2, LPARAM lParamSort)
{
    HWND hList = (HWND)lParamSort;
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = (int)nIndex1;
    SendMessageW(hList, LVM_GETITEMW, 0, (LPARAM)&item);
    const Row* pRow1 = (const Row*)item.lParam;
    item.iItem = (int)nIndex2;
    SendMessageW(hList, LVM_GETITEMW, 0, (LPARAM)&item);
    const Row* pRow2 = (const Row*)item.lParam;
    return pRow1->date < pRow2->date ? -1 : pRow1->date > pRow2->date ? 1 : 0;
}

Times TimeListView(const std::vector<Row>& rows)
{
    Times t;
    HWND hFrame = MakeFrame(L"ListView");
    HWND hList = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, kWidth, kHeight, hFrame,
                               (HMENU)1, GetModuleHandleW(nullptr), nullptr);
    const wchar_t* captions[] = {L"Team", L"Stadt", L"Zahl", L"Datum"};
    const int widths[] = {200, 200, 100, 300};
    for (int i = 0; i < 4; ++i)
    {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = (LPWSTR)captions[i];
        column.cx = widths[i];
        SendMessageW(hList, LVM_INSERTCOLUMNW, i, (LPARAM)&column);
    }

    CStopwatch addWatch;
    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < (int)rows.size(); ++i)
    {
        const Row& row = rows[i];
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = (LPWSTR)(LPCWSTR)row.team;
        item.lParam = (LPARAM)&row;
        const int nItem = (int)SendMessageW(hList, LVM_INSERTITEMW, 0, (LPARAM)&item);
        CString texts[3];
        texts[0] = row.city;
        texts[1].Format(L"%.0f", row.number);
        texts[2] = COleDateTime(row.date).Format(L"%a %b/%d/%Y %I:%M %p");
        for (int j = 0; j < 3; ++j)
        {
            LVITEMW sub = {};
            sub.iSubItem = j + 1;
            sub.pszText = (LPWSTR)(LPCWSTR)texts[j];
            SendMessageW(hList, LVM_SETITEMTEXTW, nItem, (LPARAM)&sub);
        }
    }
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    t.add = addWatch.Milliseconds();

    CStopwatch sortWatch;
    SendMessageW(hList, LVM_SORTITEMSEX, (WPARAM)hList, (LPARAM)CompareListItems);
    t.sort = sortWatch.Milliseconds();

    t.inversions = ListInversions(hList, (int)rows.size());

    // The same order through the plain sort, whose callback gets the
    // lParams themselves.
    CStopwatch plainWatch;
    SendMessageW(hList, LVM_SORTITEMS, 0, (LPARAM)CompareListParams);
    t.group = plainWatch.Milliseconds();
    t.ordered = ListInversions(hList, (int)rows.size()) == 0 &&
                (int)SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0) == (int)rows.size();

    auto redraw = [&] { InvalidateRect(hList, nullptr, TRUE); };
    t.paintTop = MedianRepaint(redraw, hList);
    SendMessageW(hList, LVM_ENSUREVISIBLE, rows.size() / 2, FALSE);
    t.paintMiddle = MedianRepaint(redraw, hList);

    DestroyWindow(hFrame);
    return t;
}

void PrintLine(const char* pszWhat, double dReport, double dList, bool bList)
{
    if (bList)
        printf("%-34s %12.1f %12.1f %8.2f\n", pszWhat, dReport, dList, dList > 0 ? dReport / dList : 0.0);
    else
        printf("%-34s %12.1f %12s %8s\n", pszWhat, dReport, "-", "-");
}

void PrintTimes(int nRows, const Times& report, const Times* pList)
{
    printf("\n%d rows                               report     listview  ratio (ms)\n", nRows);
    PrintLine("add records (one lock)", report.add, pList ? pList->add : 0, pList != nullptr);
    PrintLine("populate sorted by date / sort", report.sort, pList ? pList->sort : 0, pList != nullptr);
    if (pList)
        PrintLine("grouped populate / LVM_SORTITEMS", report.group, pList->group, true);
    else
        PrintLine("populate grouped by city + date", report.group, 0, false);
    PrintLine("repaint at top (median of 20)", report.paintTop, pList ? pList->paintTop : 0, pList != nullptr);
    PrintLine("repaint in the middle (median)", report.paintMiddle, pList ? pList->paintMiddle : 0, pList != nullptr);
    printf("%-34s %12s %12s\n", "order checked (report, SORTITEMS)", report.ordered ? "ok" : "WRONG",
           pList ? (pList->ordered ? "ok" : "WRONG") : "-");
    if (pList && pList->inversions)
        printf("rows out of order after LVM_SORTITEMSEX: %d of %d\n", pList->inversions, nRows);
}

// Pastes nRows lines of text into an empty report: records made from text,
// added, populated and selected. Answers the milliseconds, or -1 when not
// every line arrived selected.
double TimePaste(int nRows)
{
    HWND hFrame = MakeFrame(L"Paste");
    CXTPReportControl report;
    report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(hFrame), 1);
    report.AddColumn(new CXTPReportColumn(0, L"Team", 200));
    report.AddColumn(new CXTPReportColumn(1, L"Stadt", 200));
    CString strText;
    CString strLine;
    for (int i = 0; i < nRows; ++i)
    {
        strLine.Format(L"Team %d\tStadt %d\r\n", i % 32, i % kCities);
        strText += strLine;
    }
    double dMs = -1;
    if (OpenClipboard(hFrame))
    {
        EmptyClipboard();
        const SIZE_T nBytes = (SIZE_T)(strText.GetLength() + 1) * sizeof(WCHAR);
        HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE, nBytes);
        memcpy(GlobalLock(hText), (LPCWSTR)strText, nBytes);
        GlobalUnlock(hText);
        SetClipboardData(CF_UNICODETEXT, hText);
        CloseClipboard();
        CStopwatch watch;
        report.Paste();
        dMs = watch.Milliseconds();
        if (report.GetRecords()->GetCount() != nRows || report.GetSelectedRows()->GetCount() != nRows)
            dMs = -1;
    }
    report.DestroyWindow();
    DestroyWindow(hFrame);
    return dMs;
}

void PrintPasteTimes()
{
    printf("\ntext paste into an empty report (records made, added, populated, selected)\n");
    printf("%-10s %12s %14s\n", "rows", "ms", "us per row");
    for (int nRows : {23000, 46000, 92000})
    {
        const double dMs = TimePaste(nRows);
        if (dMs < 0)
            printf("%-10d %12s\n", nRows, "WRONG");
        else
            printf("%-10d %12.1f %14.2f\n", nRows, dMs, 1000.0 * dMs / nRows);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    setlocale(LC_ALL, "C");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    const int nReportRows = argc > 1 ? _wtoi(argv[1]) : 100000;
    const int nListRows = argc > 2 ? _wtoi(argv[2]) : 5000;

    const std::vector<Row> many = MakeRows(nReportRows);
    const Times report = TimeReport(many);
    PrintTimes(nReportRows, report, nullptr);

    const std::vector<Row> few = MakeRows(nListRows);
    const Times reportFew = TimeReport(few);
    const Times list = TimeListView(few);
    PrintTimes(nListRows, reportFew, &list);
    PrintPasteTimes();
    return report.ordered && reportFew.ordered && list.ordered ? 0 : 1;
}
