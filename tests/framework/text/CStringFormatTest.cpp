// The formatter is written here, not taken from the run-time library, so
// its output is checked against what the platform's wide formatter gives.
#include <gtest/gtest.h>
#include "framework/core/CMemoryException.h"
#include "framework/text/CString.h"
#include "framework/text/CStringA.h"
#include "tests/framework/Printers.h"

#include <clocale>

namespace
{
CString Fmt(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString s;
    s.FormatV(format, args);
    va_end(args);
    return s;
}
}

TEST(CStringFormat, IntegersWithWidthsFlagsAndSizes)
{
    EXPECT_EQ(Fmt(L"%d|%i|%u", -42, 7, 4000000000u), L"-42|7|4000000000");
    EXPECT_EQ(Fmt(L"[%5d][%-5d][%05d][%+d][% d]", 42, 42, -42, 42, 42), L"[   42][42   ][-0042][+42][ 42]");
    EXPECT_EQ(Fmt(L"%x %X %08x %#x %o", 0xbeefu, 0xbeefu, 0x1au, 255u, 8u), L"beef BEEF 0000001a 0xff 10");
    EXPECT_EQ(Fmt(L"%ld %lu %lx", -5L, 5UL, 0xABCUL), L"-5 5 abc");
    EXPECT_EQ(Fmt(L"%I64d %I64u %lld", -1234567890123LL, 18446744073709551615ULL, 9000000000LL),
              L"-1234567890123 18446744073709551615 9000000000");
    EXPECT_EQ(Fmt(L"%.3d|%.0d|%5.3d", 5, 0, 7), L"005||  007");
    EXPECT_EQ(Fmt(L"%d", INT_MIN), L"-2147483648");
    EXPECT_EQ(Fmt(L"%*d|%-*d|", 4, 1, 3, 2), L"   1|2  |");
    EXPECT_EQ(Fmt(L"%hd %hu", 70000, 70000), L"4464 4464");
    // Two 32-bit halves, as the instance name is built.
    EXPECT_EQ(Fmt(L"-%08x%08x", 0x1u, 0x3e7u), L"-00000001000003e7");
}

TEST(CStringFormat, StringsAndCharacters)
{
    EXPECT_EQ(Fmt(L"[%s]", L"abc"), L"[abc]");
    EXPECT_EQ(Fmt(L"[%-30s]", L"links"), CString(L"[links") + CString(L' ', 25) + L"]");
    EXPECT_EQ(Fmt(L"[%20s]", L"rechts"), CString(L"[") + CString(L' ', 14) + L"rechts]");
    EXPECT_EQ(Fmt(L"[%.2s][%5.1s]", L"abc", L"xyz"), L"[ab][    x]");
    EXPECT_EQ(Fmt(L"[%-3s]", L"longer than width"), L"[longer than width]");
    // %S and %hs take narrow text, %ls wide, whatever the function's own width.
    EXPECT_EQ(Fmt(L"%S/%hs/%ls", "narrow", "hs", L"ls"), L"narrow/hs/ls");
    EXPECT_EQ(Fmt(L"%c%C%lc%hc", L'\x20AC', 'b', L'c', 'd'), L"\x20AC" L"bcd");
    EXPECT_EQ(Fmt(L"%s", static_cast<LPCWSTR>(nullptr)), L"(null)");
    EXPECT_EQ(Fmt(L"100%% %s%%", L"sicher"), L"100% sicher%");
    EXPECT_EQ(Fmt(L"%s%d %s%s", L"TST ", 3, L"s.b. ", L"R"), L"TST 3 s.b. R");
    // String objects may be passed as they are.
    CString name(L"Team");
    CString message;
    message.Format(L"%s[%d]: %s|%S", name, 1000, L"Invalid scalar query", CStringA("narrow"));
    EXPECT_EQ(message, L"Team[1000]: Invalid scalar query|narrow");
    WCHAR buffer[8] = L"buf";
    message.AppendFormat(L"+%s%s", buffer, message.Left(4));
    EXPECT_EQ(message, L"Team[1000]: Invalid scalar query|narrow+bufTeam");
}

TEST(CStringFormat, FloatingPointFollowsTheRuntimeLocale)
{
    EXPECT_EQ(Fmt(L"%.2f|%f|%.0f|%8.3f|%-8.1f|", 1234.4, 0.5, 2.6, 3.14159, 2.0),
              L"1234.40|0.500000|3|   3.142|2.0     |");
    EXPECT_EQ(Fmt(L"%d %.1f %s", 1, 2.26, L"x"), L"1 2.3 x");
    // The program sets the run-time locale to German at start; numbers then
    // use its decimal comma, as the platform's formatter does.
    setlocale(LC_ALL, "german");
    CString german = Fmt(L"%.2f", 1234.4);
    setlocale(LC_ALL, "C");
    EXPECT_EQ(german, L"1234,40");
}

TEST(CStringFormat, LongOutputAndAppending)
{
    CString big(L'x', 3000);
    CString s;
    s.Format(L"<%s>%-113s|%d", static_cast<LPCWSTR>(big), L"pad", 5);
    ASSERT_EQ(s.GetLength(), 1 + 3000 + 1 + 113 + 2);
    EXPECT_EQ(s.Left(2), L"<x");
    EXPECT_EQ(s.Right(2), L"|5");
    EXPECT_EQ(s.Mid(3002, 5), L"pad  ");

    CString line(L"a");
    line.AppendFormat(L"-%d-%s", 2, L"b");
    EXPECT_EQ(line, L"a-2-b");
    // The string's own text as an argument of its own formatting.
    line.AppendFormat(L"+%s", static_cast<LPCWSTR>(line));
    EXPECT_EQ(line, L"a-2-b+a-2-b");
    line.Format(L"%s!", static_cast<LPCWSTR>(line));
    EXPECT_EQ(line, L"a-2-b+a-2-b!");
    // Unknown conversions come out as written; %n writes nothing.
    int ignored = 0;
    EXPECT_EQ(Fmt(L"%y%n.", &ignored), L"y.");
    EXPECT_EQ(ignored, 0);
}

// Formats reach Format from stored data, so widths and precisions can be
// anything a field holds; they are clamped to a million characters.
TEST(CStringFormat, ExtremeWidthsAndPrecisionsAreClamped)
{
    const int clamp = 1 << 20;
    struct Case
    {
        const wchar_t* name;
        CString text;
        wchar_t first;
        wchar_t last;
    } cases[] = {
        {L"INT_MIN star width", Fmt(L"%*d", INT_MIN, 5), L'5', L' '},
        {L"INT_MAX star width", Fmt(L"%*s", INT_MAX, L"x"), L' ', L'x'},
        {L"written width", Fmt(L"%999999999d", 7), L' ', L'7'},
        {L"written precision", Fmt(L"%.999999999d", 7), L'0', L'7'},
        {L"star precision", Fmt(L"%.*u", INT_MAX, 3u), L'0', L'3'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.text.GetLength(), clamp);
        EXPECT_EQ(c.text[0], c.first);
        EXPECT_EQ(c.text[clamp - 1], c.last);
    }
}

TEST(CStringFormat, OversizedResultThrowsMemoryExceptionAndKeepsTheString)
{
    CString s(L"vorher");
    try {
        s.Format(L"%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d"
                 L"%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d%1000000d",
                 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17);
        ADD_FAILURE() << "no exception";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(s, L"vorher");
}
