// The HTML character reference decoder of the page parsers.
#include <gtest/gtest.h>

#include "engine/HtmlEntities.h"

TEST(HtmlEntities, NamedReferencesAcrossTheTableDecodeCaseSensitively)
{
    // The table's first and last names, pairs that differ only in case, and
    // names that begin with another name: where a sorted search goes wrong.
    const struct { LPCWSTR pszName; WCHAR ch; } cases[] = {
        {L"AElig", 0xC6}, {L"zwnj", 0x200C}, {L"zwj", 0x200D}, {L"nbsp", 0xA0}, {L"yuml", 0xFF},
        {L"Dagger", 0x2021}, {L"dagger", 0x2020}, {L"Prime", 0x2033}, {L"prime", 0x2032},
        {L"Scaron", 0x160}, {L"scaron", 0x161}, {L"uArr", 0x21D1}, {L"uarr", 0x2191}, {L"Yuml", 0x178},
        {L"theta", 0x3B8}, {L"thetasym", 0x3D1}, {L"sigma", 0x3C3}, {L"sigmaf", 0x3C2}, {L"sup", 0x2283},
        {L"sup1", 0xB9}, {L"sup3", 0xB3}, {L"supe", 0x2287}, {L"uuml", 0xFC}, {L"Uuml", 0xDC}, {L"euro", 0x20AC},
        {L"quot", 0x22}, {L"amp", 0x26}, {L"lt", 0x3C}, {L"gt", 0x3E},
        // Names around the first and the last of the table, and near misses.
        {L"AAA", 0}, {L"zzzz", 0}, {L"Amp", 0}, {L"amp ", 0}, {L"am", 0}, {L"ampx", 0}, {L"", 0}, {L"Sup", 0},
    };
    for (const auto& test : cases)
        EXPECT_EQ(DecodeHtmlEntity(test.pszName), test.ch) << test.pszName;
}

TEST(HtmlEntities, NumericReferencesDecimalAndHexadecimal)
{
    EXPECT_EQ(DecodeHtmlEntity(L"#252"), WCHAR(0xFC));
    EXPECT_EQ(DecodeHtmlEntity(L"#xFC"), WCHAR(0xFC));
    EXPECT_EQ(DecodeHtmlEntity(L"#Xfc"), WCHAR(0xFC));
    EXPECT_EQ(DecodeHtmlEntity(L"#x20ac"), WCHAR(0x20AC));
    EXPECT_EQ(DecodeHtmlEntity(L"#65601"), WCHAR('A'));  // the low 16 bits
    // Nothing readable, or the value 0: no character.
    for (LPCWSTR pszName : {L"#", L"#x", L"#abc", L"#xZZ", L"#0", L"#65536"})
        EXPECT_EQ(DecodeHtmlEntity(pszName), 0) << pszName;
}

TEST(HtmlEntities, TextDecodesKnownReferencesAndKeepsUnknownOnesAsWritten)
{
    const struct { LPCWSTR pszText; LPCWSTR pszDecoded; } cases[] = {
        {L"Gr&uuml;&szlig;e &amp; K&#246;ln &#xE4; &euro;", L"Gr\u00fc\u00dfe & K\u00f6ln \u00e4 \u20ac"},
        {L"&amp;amp;", L"&amp;"},
        {L"", L""},
        // Unknown: names are case-sensitive, and "apos" is not in HTML 4.01.
        {L"a &unknown; b", L"a &unknown; b"},
        {L"&AMP;&amp;", L"&AMP;&"},
        {L"&apos;x&apos;", L"&apos;x&apos;"},
        {L"&;&#;", L"&;&#;"},
        // Without a ";" the rest stays, unless it is itself a known name.
        {L"AT&T wins", L"AT&T wins"},
        {L"trailing &", L"trailing &"},
        {L"x &amp", L"x &"},
        {L"&#252", L"\u00fc"},
        // A stray "&" reaches to the next ";", which follows as plain text.
        {L"R&B; &amp;", L"R&B; &"},
    };
    for (const auto& test : cases)
    {
        CString strText = test.pszText;
        DecodeHtmlEntities(strText);
        EXPECT_EQ(strText, test.pszDecoded) << test.pszText;
    }
}
