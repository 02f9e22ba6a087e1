#include <gtest/gtest.h>
#include "framework/core/CInvalidArgException.h"
#include "framework/text/CString.h"
#include "framework/text/CStringA.h"
#include "framework/core/ModuleState.h"
#include "tests/framework/Printers.h"

#include <cstring>

TEST(CString, CopiesAreIndependent)
{
    CString original(L"Original");
    CString copy(original);
    EXPECT_EQ(static_cast<LPCWSTR>(copy), static_cast<LPCWSTR>(original));  // shared until written

    LPWSTR buffer = copy.GetBuffer(30);
    wcscpy(buffer, L"Changed through buffer");
    copy.ReleaseBuffer();
    EXPECT_EQ(original, L"Original");
    EXPECT_EQ(copy, L"Changed through buffer");

    CString third = original;
    third.SetAt(0, L'o');
    third += L"!";
    EXPECT_EQ(original, L"Original");
    EXPECT_EQ(third, L"original!");

    CString assigned;
    assigned = original;
    assigned.MakeUpper();
    original.Replace(L'i', L'I');
    EXPECT_EQ(assigned, L"ORIGINAL");
    EXPECT_EQ(original, L"OrIgInal");
}

TEST(CString, BufferAccess)
{
    CString s;
    LPWSTR p = s.GetBufferSetLength(3);
    p[0] = L'a';
    p[1] = L'b';
    p[2] = L'c';
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.GetLength(), 3);

    p = s.GetBuffer(10);
    p[1] = 0;  // the writer shortens the text
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"a");

    p = s.GetBuffer(5);
    wcscpy(p, L"hello");
    s.ReleaseBuffer(4);
    EXPECT_EQ(s, L"hell");

    // Repeated appends keep the earlier text.
    CString grown;
    for (int i = 0; i < 1000; ++i)
        grown += static_cast<WCHAR>(L'a' + i % 26);
    EXPECT_EQ(grown.GetLength(), 1000);
    EXPECT_EQ(grown.Mid(26, 3), L"abc");
    // Appending its own text.
    CString self(L"ab");
    self += self;
    self.Append(self.GetString() + 1, 2);
    EXPECT_EQ(self, L"ababba");
}

TEST(CString, IndexingOutOfRangeThrows)
{
    CString s(L"ab");
    EXPECT_EQ(s[1], L'b');
    EXPECT_EQ(s.GetAt(2), L'\0');
    for (int index : {-1, 3}) {
        try {
            s.GetAt(index);
            ADD_FAILURE() << "no exception for index " << index;
        } catch (CInvalidArgException* e) {
            e->Delete();
        }
    }
    try {
        s.SetAt(2, L'x');
        ADD_FAILURE() << "SetAt at the length";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(s, L"ab");
}

TEST(CString, ExtractionClampsOutOfRangeArguments)
{
    CString s(L"Weltmeister");
    EXPECT_EQ(s.Mid(4), L"meister");
    EXPECT_EQ(s.Mid(4, 3), L"mei");
    EXPECT_EQ(s.Mid(20), L"");
    EXPECT_EQ(s.Mid(-3, 4), L"Welt");
    EXPECT_EQ(s.Mid(8, 100), L"ter");
    EXPECT_EQ(s.Mid(2, -1), L"");
    EXPECT_EQ(s.Left(4), L"Welt");
    EXPECT_EQ(s.Left(50), s);
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(3), L"ter");
    EXPECT_EQ(s.Right(50), s);
    EXPECT_EQ(s.SpanIncluding(L"WEel"), L"Wel");
    EXPECT_EQ(s.SpanExcluding(L"m"), L"Welt");
}

TEST(CString, FindingText)
{
    CString s(L"abcabc");
    EXPECT_EQ(s.Find(L'b'), 1);
    EXPECT_EQ(s.Find(L'b', 2), 4);
    EXPECT_EQ(s.Find(L'b', 6), -1);
    EXPECT_EQ(s.Find(L'b', 100), -1);
    EXPECT_EQ(s.Find(L"ca"), 2);
    EXPECT_EQ(s.Find(L"abc", 1), 3);
    EXPECT_EQ(s.Find(L"abc", 4), -1);
    EXPECT_EQ(s.Find(L"abc", 7), -1);
    EXPECT_EQ(s.Find(L"", 2), 2);
    EXPECT_EQ(s.Find(L"", 7), -1);
    EXPECT_EQ(s.Find(L"x"), -1);
    EXPECT_EQ(s.Find(L"b", -5), 1);
    EXPECT_EQ(s.ReverseFind(L'a'), 3);
    EXPECT_EQ(s.ReverseFind(L'z'), -1);
    EXPECT_EQ(s.FindOneOf(L"xc"), 2);
    EXPECT_EQ(s.FindOneOf(L"xyz"), -1);
    EXPECT_EQ(CString().Find(L'a'), -1);
}

TEST(CString, ReplacingRemovingInsertingDeleting)
{
    CString s(L"a.b.c");
    EXPECT_EQ(s.Replace(L'.', L'/'), 2);
    EXPECT_EQ(s, L"a/b/c");
    EXPECT_EQ(s.Replace(L"/", L"::"), 2);
    EXPECT_EQ(s, L"a::b::c");
    EXPECT_EQ(s.Replace(L"::", L""), 2);
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    EXPECT_EQ(s.Replace(L"zz", L"x"), 0);
    EXPECT_EQ(s, L"abc");
    CString repeat(L"aaaa");
    EXPECT_EQ(repeat.Replace(L"aa", L"a"), 2);  // no overlapping matches
    EXPECT_EQ(repeat, L"aa");
    CString html(L"&amp;&amp;");
    EXPECT_EQ(html.Replace(L"&amp;", L"&"), 2);
    EXPECT_EQ(html, L"&&");

    CString r(L"x-y-z");
    EXPECT_EQ(r.Remove(L'-'), 2);
    EXPECT_EQ(r, L"xyz");
    EXPECT_EQ(r.Insert(1, L"12"), 5);
    EXPECT_EQ(r, L"x12yz");
    EXPECT_EQ(r.Insert(99, L'!'), 6);
    EXPECT_EQ(r, L"x12yz!");
    EXPECT_EQ(r.Insert(-4, L'<'), 7);
    EXPECT_EQ(r, L"<x12yz!");
    EXPECT_EQ(r.Delete(1, 3), 4);
    EXPECT_EQ(r, L"<yz!");
    EXPECT_EQ(r.Delete(2, 100), 2);
    EXPECT_EQ(r, L"<y");
    EXPECT_EQ(r.Delete(5), 2);
}

TEST(CString, CaseTrimAndComparison)
{
    CString s(L"\x00C4rger \x00DC");
    EXPECT_EQ(CString(s).MakeLower(), L"\x00E4rger \x00FC");
    EXPECT_EQ(CString(L"stra\x00DF" L"e").MakeUpper(), L"STRA\x00DF" L"E");
    EXPECT_EQ(CString(L"abc").MakeReverse(), L"cba");

    EXPECT_EQ(CString(L" \t x y \r\n").Trim(), L"x y");
    EXPECT_EQ(CString(L"  x ").TrimLeft(), L"x ");
    EXPECT_EQ(CString(L"  x ").TrimRight(), L"  x");
    EXPECT_EQ(CString(L"--x--").Trim(L'-'), L"x");
    EXPECT_EQ(CString(L"<>x<>").TrimLeft(L"<>"), L"x<>");
    EXPECT_EQ(CString(L"   ").Trim(), L"");

    CString a(L"Abc");
    EXPECT_LT(a.Compare(L"abc"), 0);
    EXPECT_EQ(a.CompareNoCase(L"aBC"), 0);
    EXPECT_GT(a.CompareNoCase(L"ab"), 0);
    EXPECT_EQ(CString(L"\x00C4RGER").CompareNoCase(L"\x00E4rger"), 0);  // in any run-time locale
    EXPECT_TRUE(a == L"Abc");
    EXPECT_TRUE(L"Abc" == a);
    EXPECT_TRUE(a != CString(L"abc"));
    EXPECT_TRUE(a < CString(L"B"));
    EXPECT_TRUE(CString(L"b") > a);
    EXPECT_TRUE(a <= L"Abc" && a >= L"Abc");
    EXPECT_EQ(CString(L"a") + L"b" + CString(L"c") + L'd', L"abcd");
    EXPECT_EQ(L'x' + CString(L"y"), L"xy");
}

TEST(CString, Tokenize)
{
    CString s(L";;eins;zwei;;drei;");
    int pos = 0;
    CString parts;
    for (CString token = s.Tokenize(L";", pos); pos != -1; token = s.Tokenize(L";", pos))
        parts += L"[" + token + L"]";
    EXPECT_EQ(parts, L"[eins][zwei][drei]");

    pos = 0;
    EXPECT_EQ(CString(L"abc").Tokenize(L"", pos), L"abc");
    EXPECT_EQ(CString(L"abc").Tokenize(L"", pos), L"");
    EXPECT_EQ(pos, -1);
    pos = 0;
    EXPECT_EQ(CString(L";;;").Tokenize(L";", pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(CString, NarrowTextUsesTheAnsiCodePage)
{
    // German user locale: code page 1252.
    ASSERT_EQ(GetACP(), 1252u);
    const char narrow[] = "Gr\xFC\xDF" "e aus M\xFCnchen: \xC4\xD6\xDC\xE4\xF6\xFC";
    CString wide(narrow);
    EXPECT_EQ(wide, L"Gr\x00FC\x00DF" L"e aus M\x00FCnchen: \x00C4\x00D6\x00DC\x00E4\x00F6\x00FC");
    CStringA back(wide);
    EXPECT_STREQ(back, narrow);
    EXPECT_EQ(back.GetLength(), static_cast<int>(strlen(narrow)));

    // A counted narrow text may hold a 0 byte and need not be terminated.
    const char body[] = {'a', '\0', '\xE4'};
    CString counted(body, 3);
    EXPECT_EQ(counted.GetLength(), 3);
    EXPECT_EQ(counted.GetAt(2), L'\x00E4');
    CString assigned;
    assigned = "\xF6l";
    EXPECT_EQ(assigned, L"\x00F6l");
    // Characters outside the code page do not break the conversion.
    EXPECT_EQ(CStringA(L"a\x4E2D" L"b").GetLength(), 3);
}

TEST(CString, SystemStringsAndResources)
{
    CString s(L"Bj\x00F6rn");
    BSTR bstr = s.AllocSysString();
    EXPECT_EQ(SysStringLen(bstr), 5u);
    EXPECT_STREQ(bstr, L"Bj\x00F6rn");
    CString(L"neu").SetSysString(&bstr);
    EXPECT_STREQ(bstr, L"neu");
    SysFreeString(bstr);

    CString missing(L"unchanged");
    EXPECT_FALSE(missing.LoadString(0xFFF0));
    EXPECT_EQ(missing, L"unchanged");
}

TEST(CString, LoadStringReadsTheResourceModulesStringTable)
{
    // A system module's string table is the reference: every string the
    // system loader finds must come out the same, through the framework's
    // resource handle.
    HINSTANCE module = LoadLibraryExW(L"user32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    int found = 0;
    for (UINT id = 0; id < 4096; ++id) {
        WCHAR expected[2048];
        int length = LoadStringW(module, id, expected, 2048);
        CString loaded(L"unchanged");
        BOOL ok = loaded.LoadString(id);
        if (length > 0) {
            ++found;
            ASSERT_TRUE(ok) << id;
            ASSERT_EQ(loaded, expected) << id;
        } else {
            ASSERT_FALSE(ok) << id;
            ASSERT_EQ(loaded, L"unchanged") << id;
        }
    }
    AfxSetResourceHandle(previous);
    FreeLibrary(module);
    EXPECT_GT(found, 0);
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
}
