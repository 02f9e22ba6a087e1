// CPU time to parse one scan's pages: a full resale list page (64 rows),
// the TST list page (32 teams) and the 64 resale detail pages, in the shape
// the simulated ticket site serves them; then statistics pages as large as a
// response may be (8 MB), and the page's dates read directly beside the
// system's date parser.
#include "framework/Framework.h"
#include "engine/StatisticDate.h"
#include "engine/TeamTable.h"
#include "engine/ThreadScan.h"
#include "engine/ThreadStatistic.h"

#include <stdio.h>
#include <string>

namespace {

const LPCWSTR ICONS[] = {L"tickets_no", L"tickets_yes", L"tickets_ltl"};

CString Head(LPCWSTR title)
{
    CString head;
    head.Format(L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
                L"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n<title>%s</title>\r\n"
                L"<link rel=\"stylesheet\" type=\"text/css\" href=\"/wmd/css/tickets.css\">\r\n</head>\r\n<body>\r\n"
                L"<div id=\"kopf\"><img src=\"/wmd/img/logo.gif\" width=\"180\" height=\"60\" alt=\"Ticketportal\"></div>\r\n"
                L"<div id=\"navigation\"><ul><li><a href=\"/cgi-bin/ds_wmd?fun=start\">Startseite</a></li>"
                L"<li><a href=\"/cgi-bin/ds_wmd?fun=faq\">H&auml;ufige Fragen</a></li></ul></div>\r\n<div id=\"inhalt\">\r\n",
                title);
    return head;
}

const LPCWSTR FOOT = L"</div>\r\n<div id=\"fuss\">Alle Angaben ohne Gew&auml;hr.</div>\r\n</body>\r\n</html>\r\n";

CString Icon(int state, LPCWSTR alt)
{
    CString tag;
    tag.Format(L"<img src=\"/wmd/img/%s.gif\" width=\"16\" height=\"16\" border=\"0\" alt=\"%s\">", ICONS[state], alt);
    return tag;
}

CString ResaleListPage()
{
    CString page = Head(L"Einzeltickets") + L"<h1>Einzeltickets nach Spielen</h1>\r\n<table class=\"liste\">\r\n"
                                            L"<tr class=\"kopf\"><th>Nr.</th><th>Datum</th><th>Begegnung</th></tr>\r\n";
    for (int match = 1; match <= 64; ++match)
    {
        page.AppendFormat(L"<tr>\r\n<td class=\"nr\">#%d</td>\r\n<td class=\"datum\">Fr %02d.06.2006<br>18:00 Uhr</td>\r\n"
                          L"<td class=\"ort\">M\u00FCnchen</td>\r\n<td class=\"spiel\">Deutschland - Costa Rica</td>\r\n",
                          match, 9 + match % 20);
        for (int category = 0; category < 4; ++category)
            page += L"<td class=\"kat\">" + Icon((match + category) % 3, L"Kat.") + L"</td>\r\n";
        page += match % 5 == 0 ? L"<td class=\"resale\"><a href=\"x\"><img src=\"/wmd/img/resale_yes_de.gif\"></a></td>\r\n"
                               : L"<td class=\"resale\"><img src=\"/wmd/img/resale_no_de.gif\" alt=\"kein Resale\"></td>\r\n";
        for (int category = 0; category < 4; ++category)
            page += L"<td class=\"kat sb\">" + Icon((match * category) % 3, L"Kat. s.b.") + L"</td>\r\n";
        page += L"<td class=\"hinweis\"><div class=\"hinweis\">&nbsp;</div></td>\r\n</tr>\r\n";
    }
    return page + L"</table>\r\n" + FOOT;
}

CString TstListPage()
{
    CString page = Head(L"Team-Tickets") + L"<h1>Team-Tickets (TST)</h1>\r\n";
    for (int team = 1; team <= TEAM_COUNT; ++team)
    {
        if (team % 4 == 1)
            page += L"<table class=\"tst\">\r\n<tr class=\"kopf\"><td>Mannschaft</td><td>TST 3</td><td>TST 4</td>"
                    L"<td>TST 5</td><td>TST 6</td><td>TST 7</td><td>Resale</td></tr>\r\n";
        CString name = GetTeamNameById(team);
        name.Replace(L"\u00FC", L"&uuml;");
        page += L"<tr class=\"z1\">\r\n<td class=\"team\">\r\n" + name + L"\r\n</td>\r\n";
        for (int series = 0; series < 5; ++series)
            page += L"<td class=\"tst\">" + Icon((team + series) % 3, L"TST") + L"</td>\r\n";
        page.AppendFormat(team % 3 == 0 ? L"<td class=\"resale\"><a href=\"ds_wmd?fun=list_resale_packages&doc=rs_tst1"
                                          L"&key=%d\"><img src=\"/wmd/img/resale_yes_de.gif\"></a></td>\r\n</tr>\r\n"
                                        : L"<td class=\"resale\"><img src=\"/wmd/img/resale_no_de.gif\"></td>\r\n</tr>\r\n",
                          team);
        if (team % 4 == 0)
            page += L"</table>\r\n";
    }
    return page + FOOT;
}

CString ResaleDetailPage(int match)
{
    CString page = Head(L"Resale");
    page.AppendFormat(L"<h1>Resale: Spiel #%d</h1>\r\n<form action=\"/cgi-bin/ds_wmd\" method=\"post\">\r\n"
                      L"<table class=\"resale\">\r\n",
                      match);
    for (int block = 0; block < 8; ++block)
    {
        page.AppendFormat(L"<tr><td colspan=\"3\" class=\"kat\"><strong>Platzkategorie %d%s</strong></td></tr>\r\n",
                          block / 2 + 1, block % 2 ? L" s.b." : L"");
        page += (match + block) % 4 == 0
                    ? L"<tr><td><input type=\"radio\" name=\"paket\" value=\"1\"></td><td>2 Tickets</td><td>160,00 EUR</td></tr>\r\n"
                    : L"<tr><td colspan=\"3\">Zur Zeit keine Tickets in dieser Kategorie.</td></tr>\r\n";
    }
    return page + L"</table>\r\n</form>\r\n" + FOOT;
}

const size_t PAGE_CAP = 8 * 1024 * 1024;

std::wstring Stamp(int n)
{
    wchar_t stamp[32];
    swprintf(stamp, 32, L"%02d.%02d.2006 %02d:%02d:%02d", 1 + n % 28, 1 + n / 28 % 12, n / 60 % 24, n % 60, n * 7 % 60);
    return stamp;
}

std::wstring ArrayText(const wchar_t* name, const std::wstring& items)
{
    return std::wstring(L"var ") + name + L" = new Array(" + items + L");\r\n";
}

// The nine arrays in the site's shape, as many rows as fit under the cap.
CString NineArrayStatisticPage(int& rows)
{
    static const wchar_t* const names[] = {L"sdf", L"sdt", L"sC1", L"sC2", L"sc", L"sd", L"stst", L"sC", L"srsl"};
    std::wstring items[9];
    size_t total = 0;
    for (rows = 0; total < PAGE_CAP - 4096; ++rows)
    {
        const std::wstring row[9] = {Stamp(rows), Stamp(rows + 3), GetTeamNameById(1 + rows % 32).GetString(),
                                     GetTeamNameById(1 + rows * 7 % 32).GetString(), L"Gelsenkirchen",
                                     Stamp(rows / 500), rows % 9 ? L"0" : L"1", std::to_wstring(1 + rows % 8),
                                     rows % 3 ? L"0" : L"1"};
        for (int i = 0; i < 9; ++i)
        {
            items[i] += L"'" + row[i] + L"',";
            total += row[i].size() + 3;
        }
    }
    std::wstring page = L"<html><head><script type=\"text/javascript\">\r\n";
    for (int i = 0; i < 9; ++i)
        page += ArrayText(names[i], items[i]);
    return CString((page + L"</script></head><body></body></html>").c_str());
}

// One array holding nearly the whole page, the other eight with one item.
CString OneArrayStatisticPage(int& rows)
{
    std::wstring items;
    for (rows = 0; items.size() < PAGE_CAP - 4096; ++rows)
        items += L"'" + Stamp(rows) + L"',";
    std::wstring page = L"<html><head><script type=\"text/javascript\">\r\n" + ArrayText(L"sdf", items);
    for (const wchar_t* name : {L"sdt", L"sC1", L"sC2", L"sc", L"sd", L"stst", L"sC", L"srsl"})
        page += ArrayText(name, L"'1',");
    return CString((page + L"</script></head><body></body></html>").c_str());
}

double CpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (double)(k.QuadPart + u.QuadPart) / 10000.0;
}

double WallMilliseconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

} // namespace

int wmain()
{
    const CString resaleList = ResaleListPage();
    const CString tstList = TstListPage();
    CString details[64];
    int detailChars = 0;
    for (int match = 0; match < 64; ++match)
    {
        details[match] = ResaleDetailPage(match + 1);
        detailChars += details[match].GetLength();
    }

    const int runs = 200;
    int failures = 0;
    CThreadScan scan;
    struct Part
    {
        const char* name;
        double cpu;
        double wall;
    } parts[] = {{"resale list", 0, 0}, {"TST list", 0, 0}, {"64 resale detail pages", 0, 0}};
    for (int run = 0; run < runs; ++run)
    {
        for (int part = 0; part < 3; ++part)
        {
            const double cpuStart = CpuMilliseconds();
            const double wallStart = WallMilliseconds();
            if (part == 0)
                failures += !scan.ParseResaleList(resaleList);
            else if (part == 1)
                failures += !scan.ParseTstList(tstList);
            else
                for (int match = 0; match < 64; ++match)
                    failures += !scan.ParseResaleDetailPage(details[match], match + 1);
            parts[part].cpu += CpuMilliseconds() - cpuStart;
            parts[part].wall += WallMilliseconds() - wallStart;
        }
    }

    printf("pages of one scan: resale list %d chars, TST list %d chars, 64 detail pages %d chars\n",
           resaleList.GetLength(), tstList.GetLength(), detailChars);
    printf("%-40s %12s %12s\n", "parse, mean of 200 runs", "CPU ms", "wall ms");
    double cpu = 0, wall = 0;
    for (const Part& part : parts)
    {
        printf("%-40s %12.3f %12.3f\n", part.name, part.cpu / runs, part.wall / runs);
        cpu += part.cpu / runs;
        wall += part.wall / runs;
    }
    printf("%-40s %12.3f %12.3f\n", "one scan's pages", cpu, wall);

    // Statistics pages at the response cap, parsed once each.
    printf("\n%-40s %12s %12s %10s\n", "statistics page of 8 MB, one parse", "CPU ms", "wall ms", "rows");
    for (int shape = 0; shape < 2; ++shape)
    {
        int rows = 0;
        const CString page = shape == 0 ? NineArrayStatisticPage(rows) : OneArrayStatisticPage(rows);
        CThreadStatistic statistic;
        const double cpuStart = CpuMilliseconds();
        const double wallStart = WallMilliseconds();
        failures += !statistic.ParseStatisticPage(page) || statistic.GetRows().GetCount() != (size_t)rows;
        printf("%-40s %12.1f %12.1f %10d\n", shape == 0 ? "nine arrays" : "one long array",
               CpuMilliseconds() - cpuStart, WallMilliseconds() - wallStart, rows);
    }

    // The page's dates: read directly, and through the system's parser.
    const int dates = 20000;
    double perDate[2] = {};
    for (int way = 0; way < 2; ++way)
    {
        const double wallStart = WallMilliseconds();
        for (int n = 0; n < dates; ++n)
        {
            COleDateTime date;
            const CString text(Stamp(n).c_str());
            if (way == 0)
                ParseStatisticDate(text, date);
            else
                date.ParseDateTime(text, 0, LANG_USER_DEFAULT);
            failures += date.GetStatus() != COleDateTime::valid;
        }
        perDate[way] = (WallMilliseconds() - wallStart) * 1000.0 / dates;
    }
    printf("\n%-40s %12s %12s\n", "one page date, mean of 20000", "direct us", "system us");
    printf("%-40s %12.3f %12.3f\n", "\"dd.mm.yyyy hh:mm:ss\"", perDate[0], perDate[1]);
    if (failures)
        printf("%d pages did not parse\n", failures);
    return failures ? 1 : 0;
}
