// Times the page parsers' row and image searches with our pattern engine and
// with std::wregex (the equivalent ECMAScript patterns) on generated resale
// list pages: a realistic one of about 300 KB with 64 rows, and two of about
// 5 MB (many rows; 64 very long rows). Our engine runs first; std::wregex
// runs the 5 MB pages in child processes, so that its crash cannot hide our
// figures, once with the 1 MB stack a thread usually gets and once with
// 16 MB, and reports how each child ended.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <regex>
#include <string>

#include "framework/regex/CAtlRegExp.h"
#include "framework/regex/CAtlRegExpCompiler.h"

namespace
{
const wchar_t kRowPattern[] =
    L"<tr>[^<]*<td[^>]*>{\\b*#.*?</div[^>]*>[^<]*</td[^>]*>}[^<]*</tr[^>]*>";
const wchar_t kImagePattern[] = L"{<img[^>]*>}";
const wchar_t kRowEcma[] =
    L"<tr>[^<]*<td[^>]*>([ \\t]*#[\\s\\S]*?</div[^>]*>[^<]*</td[^>]*>)[^<]*</tr[^>]*>";
const wchar_t kImageEcma[] = L"(<img[^>]*>)";

const wchar_t* const kTeams[] = {
    L"Deutschland", L"Costa Rica", L"Polen", L"Ecuador", L"England", L"Paraguay", L"Trinidad und Tobago",
    L"Schweden", L"Argentinien", L"Elfenbeinküste", L"Serbien und Montenegro", L"Niederlande", L"Mexiko",
    L"Iran", L"Angola", L"Portugal", L"Italien", L"Ghana", L"USA", L"Tschechien", L"Brasilien", L"Kroatien",
    L"Australien", L"Japan", L"Frankreich", L"Schweiz", L"Südkorea", L"Togo", L"Spanien", L"Ukraine",
    L"Tunesien", L"Saudi-Arabien"};
const wchar_t* const kCities[] = {L"Berlin", L"Dortmund", L"Frankfurt", L"Gelsenkirchen", L"Hamburg",
                                  L"Hannover", L"Kaiserslautern", L"Köln", L"Leipzig", L"München",
                                  L"Nürnberg", L"Stuttgart"};

std::wstring Format(const wchar_t* format, ...)
{
    wchar_t buffer[2048];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buffer, 2047, format, args);
    va_end(args);
    buffer[2047] = 0;
    return buffer;
}

std::wstring IconCell(int category, const wchar_t* state, int number)
{
    return Format(L"<td class=\"kat\" align=\"center\" valign=\"middle\"><div class=\"icon\">"
                  L"<img src=\"/images/icons/%s.gif\" width=\"16\" height=\"16\" border=\"0\" "
                  L"alt=\"Kategorie %d\" title=\"Kategorie %d: Spiel %d\" "
                  L"onmouseover=\"zeigeHinweis(this, 'Kategorie %d', 'Tickets dieser Kategorie im "
                  L"Weiterverkauf: Stand der letzten Aktualisierung, Angaben ohne Gewähr.');\" "
                  L"onmouseout=\"versteckeHinweis();\"></div></td>\r\n",
                  state, category, category, number, category);
}

// One match row: number cell, pairing, four icons, resale icon, four icons,
// notes. notesSize pads the notes cell with paragraphs.
std::wstring Row(int number, size_t notesSize)
{
    const wchar_t* states[] = {L"tickets_yes", L"tickets_ltl", L"tickets_no"};
    std::wstring row = Format(
        L"<tr>\r\n<td class=\"nr\" valign=\"top\" align=\"center\">#%d</td>\r\n"
        L"<td class=\"spiel\" valign=\"top\"><div class=\"paarung\"><a href=\"/cgi-bin/ds_wmd?affiliate=wmd&amp;"
        L"id=WMD_NO_SESSION&amp;fun=match&amp;key=%d\" title=\"Spielinformationen\">%s - %s</a></div>"
        L"<div class=\"ort\">%s, %02d.06.2006, %d:00 Uhr</div></td>\r\n",
        number, number, kTeams[number % 32], kTeams[(number * 7 + 3) % 32], kCities[number % 12],
        9 + number % 22, 15 + number % 3 * 3);
    for (int k = 1; k <= 4; ++k)
        row += IconCell(k, states[(number + k) % 3], number);
    row += Format(L"<td class=\"resale\" align=\"center\"><div class=\"icon\"><a href=\"/cgi-bin/ds_wmd?"
                  L"affiliate=wmd&amp;fun=list_resale_packages&amp;key=%d\"><img src=\"/images/icons/%s.gif\" "
                  L"width=\"20\" height=\"16\" border=\"0\" alt=\"Weiterverkauf\"></a></div></td>\r\n",
                  number, number % 4 ? L"resale_yes" : L"resale_no_offer");
    for (int k = 1; k <= 4; ++k)
        row += IconCell(k, states[(number + 2 * k) % 3], number);
    row += L"<td class=\"hinweis\" valign=\"top\"><div class=\"info\">";
    const std::wstring paragraph = L"<p class=\"klein\">Hinweis: Tickets aus dem Weiterverkauf werden "
                                   L"personalisiert. <span class=\"fett\">Bitte beachten Sie</span> die "
                                   L"Teilnahmebedingungen &amp; Fristen.</p>\r\n";
    size_t padded = 0;
    do
    {
        row += paragraph;
        padded += paragraph.size();
    } while (padded < notesSize);
    row += L"</div></td>\r\n</tr>\r\n";
    return row;
}

// A page whose rows are numbered 1..rows; group headings every 6 rows.
std::wstring Page(int rows, size_t notesSize, size_t targetSize)
{
    std::wstring page = L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html><head>"
                        L"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
                        L"<title>Ticketweiterverkauf - Übersicht</title>\r\n<style type=\"text/css\">\r\n";
    for (int i = 0; page.size() < 12000; ++i)
        page += Format(L".k%d { font-family: Verdana, Arial, sans-serif; font-size: 11px; color: #%06x; "
                       L"background-color: #f4f4f4; border-bottom: 1px solid #cccccc; }\r\n", i, i * 2654435u % 0xffffff);
    page += L"</style>\r\n<script type=\"text/javascript\">\r\nvar hinweise = new Array(\r\n";
    for (int i = 0; page.size() < 34000; ++i)
        page += Format(L"  'Hinweis %d: Die Vergabe erfolgt in der Reihenfolge der Eingänge.',\r\n", i);
    page += L"  '');\r\nfunction zeigeHinweis(e, t, h) { var d = document.getElementById('tip'); "
            L"d.innerHTML = '<b>' + t + '</b><br>' + h; d.style.display = 'block'; }\r\n</script>\r\n"
            L"</head>\r\n<body>\r\n<div id=\"kopf\"><img src=\"/images/logo.gif\" width=\"180\" height=\"60\" "
            L"alt=\"Logo\"><ul class=\"navi\">\r\n";
    for (int i = 0; i < 40; ++i)
        page += Format(L"<li><a href=\"/cgi-bin/ds_wmd?affiliate=wmd&amp;doc=seite%d\">Bereich %d</a></li>\r\n", i, i);
    page += L"</ul></div>\r\n<table class=\"liste\" cellspacing=\"0\" cellpadding=\"2\">\r\n"
            L"<tr><th>Nr.</th><th>Spiel</th><th colspan=\"4\">Kategorien</th><th>WV</th>"
            L"<th colspan=\"4\">Kategorien s.b.</th><th>Hinweis</th></tr>\r\n";
    for (int n = 1; n <= rows; ++n)
    {
        if (n % 6 == 1)
            page += Format(L"<tr><td colspan=\"12\" class=\"gruppe\"><div>Spieltag %d</div></td></tr>\r\n", n / 6 + 1);
        page += Row(n, notesSize);
    }
    page += L"</table>\r\n<div id=\"fuss\">";
    while (page.size() < targetSize)
        page += L"<p>Alle Angaben ohne Gewähr. Änderungen vorbehalten. <a href=\"/agb\">AGB</a></p>\r\n";
    return page + L"</div>\r\n</body></html>\r\n";
}

struct Outcome
{
    int rows = 0;
    int tags = 0;
    double ms = 0;
};

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// The list parser's work: every row, then every image tag of the row's text.
Outcome RunOurs(const std::wstring& page, int repeat)
{
    CAtlRegExp rowRe, imageRe;
    rowRe.Parse(kRowPattern, FALSE);
    imageRe.Parse(kImagePattern, FALSE);
    Outcome outcome;
    const double start = Now();
    for (int r = 0; r < repeat; ++r)
    {
        outcome = Outcome();
        CAtlREMatchContext rowContext, imageContext;
        LPCTSTR at = page.c_str();
        while (rowRe.Match(at, &rowContext, &at))
        {
            ++outcome.rows;
            LPCTSTR from, to;
            rowContext.GetMatch(0, &from, &to);
            const std::wstring row(from, to);
            LPCTSTR tagAt = row.c_str();
            while (imageRe.Match(tagAt, &imageContext, &tagAt))
                ++outcome.tags;
        }
    }
    outcome.ms = (Now() - start) / repeat;
    return outcome;
}

Outcome RunWregex(const std::wstring& page, int repeat)
{
    const std::wregex rowRe(kRowEcma, std::regex::ECMAScript | std::regex::icase);
    const std::wregex imageRe(kImageEcma, std::regex::ECMAScript | std::regex::icase);
    Outcome outcome;
    const double start = Now();
    for (int r = 0; r < repeat; ++r)
    {
        outcome = Outcome();
        std::wsmatch rowMatch, imageMatch;
        std::wstring::const_iterator at = page.begin();
        while (std::regex_search(at, page.end(), rowMatch, rowRe))
        {
            ++outcome.rows;
            at = rowMatch[0].second;
            const std::wstring row = rowMatch[1].str();
            std::wstring::const_iterator tagAt = row.begin();
            while (std::regex_search(tagAt, row.end(), imageMatch, imageRe))
            {
                ++outcome.tags;
                tagAt = imageMatch[0].second;
            }
        }
    }
    outcome.ms = (Now() - start) / repeat;
    return outcome;
}

std::wstring PageOf(const wchar_t* kind)
{
    if (wcscmp(kind, L"many") == 0)
        return Page(1360, 400, 5u << 20);
    if (wcscmp(kind, L"long") == 0)
        return Page(64, 80000, 5u << 20);
    return Page(64, 400, 300000);
}

// std::wregex on a thread of its own with the given stack size.
struct WregexJob
{
    const std::wstring* page;
    int repeat;
    Outcome outcome;
    bool done;
};

DWORD WINAPI WregexThread(void* parameter)
{
    WregexJob* job = static_cast<WregexJob*>(parameter);
    job->outcome = RunWregex(*job->page, job->repeat);
    job->done = true;
    return 0;
}

// The first fatal exception of the process, noted before it unwinds.
volatile LONG g_fatalException = 0;

LONG CALLBACK NoteFatalException(EXCEPTION_POINTERS* info)
{
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code == EXCEPTION_STACK_OVERFLOW || code == EXCEPTION_ACCESS_VIOLATION)
        InterlockedCompareExchange(&g_fatalException, LONG(code), 0);
    return EXCEPTION_CONTINUE_SEARCH;
}

// The thread's exit code tells whether it ended normally (0) or of what.
Outcome RunWregexOnThread(const std::wstring& page, int repeat, unsigned stackSize, DWORD& exitCode)
{
    WregexJob job{&page, repeat, Outcome(), false};
    HANDLE thread = CreateThread(nullptr, stackSize, WregexThread, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    WaitForSingleObject(thread, INFINITE);
    exitCode = 0;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    if (!job.done && exitCode == 0)
        exitCode = g_fatalException ? DWORD(g_fatalException) : 0xE0000001;
    return job.outcome;
}

// Child mode: run std::wregex on one page, print "rows tags ms".
int RunChild(const wchar_t* kind, unsigned stackMb)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    AddVectoredExceptionHandler(1, NoteFatalException);
    const std::wstring page = PageOf(kind);
    DWORD exitCode;
    const Outcome o = RunWregexOnThread(page, 1, stackMb << 20, exitCode);
    if (exitCode != 0)
        return int(exitCode);
    std::printf("%d %d %.3f\n", o.rows, o.tags, o.ms);
    std::fflush(stdout);
    return 0;
}

// Starts this program in child mode; returns its output, or a description of
// how it ended when it did not end normally.
bool RunInChild(const wchar_t* kind, unsigned stackMb, Outcome& outcome, std::string& failure)
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" --wregex " + kind + L" " + std::to_wstring(stackMb);
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(exe, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    {
        failure = "could not start the child process";
        return false;
    }
    CloseHandle(writeEnd);
    std::string output;
    char buffer[256];
    DWORD got;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (code != 0 || std::sscanf(output.c_str(), "%d %d %lf", &outcome.rows, &outcome.tags, &outcome.ms) != 3)
    {
        char text[128];
        std::snprintf(text, sizeof(text), "crashed (exit code 0x%08lX%s)", static_cast<unsigned long>(code),
                      code == 0xC00000FD ? ", stack overflow" : code == 0xE0000001 ? ", thread died" : "");
        failure = text;
        return false;
    }
    return true;
}

// Compile time of a pattern nested depth levels deep in braces (each a
// group) around one alternation; it should grow in proportion to the depth.
void PrintNestingCompile()
{
    std::printf("Compiling deeply nested groups (ms per pattern; linear growth keeps ms per 1000 levels flat)\n\n");
    for (int depth : {1000, 5000, 16000, int(CAtlRegExpCompiler::MAX_NESTING) + 1})
    {
        const std::wstring pattern = std::wstring(size_t(depth), L'{') + L"a|b" + std::wstring(size_t(depth), L'}');
        const int repeat = 5;
        REParseError result = REPARSE_ERROR_OK;
        const double start = Now();
        for (int r = 0; r < repeat; ++r)
        {
            CAtlRegExp re;
            result = re.Parse(pattern.c_str());
        }
        const double ms = (Now() - start) / repeat;
        std::printf("nesting %6d: %9.3f ms, %7.3f ms per 1000 levels, %s\n", depth, ms, ms * 1000.0 / depth,
                    result == REPARSE_ERROR_OK ? "compiled" : result == REPARSE_ERROR_TOO_DEEP ? "refused: too deep"
                                                                                               : "other error");
    }
    std::printf("\n");
    std::fflush(stdout);
}

void PrintOurs(const char* name, const std::wstring& page, const Outcome& o)
{
    std::printf("%-30s %8u chars  %5d rows %6d tags   CAtlRegExp  %10.3f ms\n", name, unsigned(page.size()), o.rows,
                o.tags, o.ms);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && wcscmp(argv[1], L"--wregex") == 0)
        return RunChild(argv[2], unsigned(_wtoi(argv[3])));

    PrintNestingCompile();

    const std::wstring normal = PageOf(L"normal");
    const std::wstring many = PageOf(L"many");
    const std::wstring longRows = PageOf(L"long");

    std::printf("Row and image-tag search of a resale list page (ms per page)\n\n");
    const Outcome oursNormal = RunOurs(normal, 50);
    PrintOurs("resale list, 64 rows", normal, oursNormal);
    const Outcome oursMany = RunOurs(many, 3);
    PrintOurs("5 MB, many rows", many, oursMany);
    const Outcome oursLong = RunOurs(longRows, 3);
    PrintOurs("5 MB, 64 rows of ~80 KB", longRows, oursLong);
    std::fflush(stdout);

    DWORD exitCode;
    const Outcome wregexNormal = RunWregexOnThread(normal, 5, 16u << 20, exitCode);
    std::printf("%-30s %8u chars  %5d rows %6d tags   std::wregex %10.3f ms\n", "resale list, 64 rows",
                unsigned(normal.size()), wregexNormal.rows, wregexNormal.tags, wregexNormal.ms);
    std::printf("\nresale list, 64 rows: CAtlRegExp %.3f ms, std::wregex %.3f ms, ratio %.1fx%s\n\n", oursNormal.ms,
                wregexNormal.ms, wregexNormal.ms / oursNormal.ms,
                oursNormal.rows == wregexNormal.rows && oursNormal.tags == wregexNormal.tags ? ""
                                                                                              : "  (COUNTS DIFFER)");
    std::fflush(stdout);

    // The 5 MB pages with a thread's usual 1 MB stack and with 16 MB.
    const struct
    {
        const wchar_t* kind;
        const char* name;
        const Outcome* ours;
    } big[] = {{L"many", "5 MB, many rows", &oursMany}, {L"long", "5 MB, 64 rows of ~80 KB", &oursLong}};
    for (const auto& b : big)
    {
        for (unsigned stackMb : {1u, 16u})
        {
            Outcome theirs;
            std::string failure;
            std::printf("%-24s %2u MB stack: CAtlRegExp %9.3f ms, std::wregex ", b.name, stackMb, b.ours->ms);
            std::fflush(stdout);
            if (RunInChild(b.kind, stackMb, theirs, failure))
                std::printf("%9.3f ms, ratio %.1fx%s\n", theirs.ms, theirs.ms / b.ours->ms,
                            b.ours->rows == theirs.rows && b.ours->tags == theirs.tags ? "" : "  (COUNTS DIFFER)");
            else
                std::printf("%s\n", failure.c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
