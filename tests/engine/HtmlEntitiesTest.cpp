// The HTML character reference decoder of the page parsers.
#include <gtest/gtest.h>

#include "engine/HtmlEntities.h"

#include <string>

namespace {

std::wstring Wide(const char* ascii)
{
    return std::wstring(ascii, ascii + strlen(ascii));
}

// The named references of HTML 4.01 whose characters are U+00A0 to U+00FF,
// in the order of those characters.
const char* const latin1Names[] = {
    "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf",
    "laquo", "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para",
    "middot", "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc",
    "Euml", "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc",
    "Otilde", "Ouml", "times", "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN",
    "szlig", "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil", "egrave",
    "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth", "ntilde", "ograve",
    "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc", "uuml",
    "yacute", "thorn", "yuml",
};

// The other named references of HTML 4.01 (symbols, Greek letters, markup
// and typographic characters).
const struct {
    const char* name;
    unsigned code;
} otherNames[] = {
    {"quot", 0x0022}, {"amp", 0x0026}, {"lt", 0x003C}, {"gt", 0x003E}, {"OElig", 0x0152},
    {"oelig", 0x0153}, {"Scaron", 0x0160}, {"scaron", 0x0161}, {"Yuml", 0x0178}, {"fnof", 0x0192},
    {"circ", 0x02C6}, {"tilde", 0x02DC}, {"Alpha", 0x0391}, {"Beta", 0x0392}, {"Gamma", 0x0393},
    {"Delta", 0x0394}, {"Epsilon", 0x0395}, {"Zeta", 0x0396}, {"Eta", 0x0397}, {"Theta", 0x0398},
    {"Iota", 0x0399}, {"Kappa", 0x039A}, {"Lambda", 0x039B}, {"Mu", 0x039C}, {"Nu", 0x039D},
    {"Xi", 0x039E}, {"Omicron", 0x039F}, {"Pi", 0x03A0}, {"Rho", 0x03A1}, {"Sigma", 0x03A3},
    {"Tau", 0x03A4}, {"Upsilon", 0x03A5}, {"Phi", 0x03A6}, {"Chi", 0x03A7}, {"Psi", 0x03A8},
    {"Omega", 0x03A9}, {"alpha", 0x03B1}, {"beta", 0x03B2}, {"gamma", 0x03B3}, {"delta", 0x03B4},
    {"epsilon", 0x03B5}, {"zeta", 0x03B6}, {"eta", 0x03B7}, {"theta", 0x03B8}, {"iota", 0x03B9},
    {"kappa", 0x03BA}, {"lambda", 0x03BB}, {"mu", 0x03BC}, {"nu", 0x03BD}, {"xi", 0x03BE},
    {"omicron", 0x03BF}, {"pi", 0x03C0}, {"rho", 0x03C1}, {"sigmaf", 0x03C2}, {"sigma", 0x03C3},
    {"tau", 0x03C4}, {"upsilon", 0x03C5}, {"phi", 0x03C6}, {"chi", 0x03C7}, {"psi", 0x03C8},
    {"omega", 0x03C9}, {"thetasym", 0x03D1}, {"upsih", 0x03D2}, {"piv", 0x03D6}, {"ensp", 0x2002},
    {"emsp", 0x2003}, {"thinsp", 0x2009}, {"zwnj", 0x200C}, {"zwj", 0x200D}, {"lrm", 0x200E},
    {"rlm", 0x200F}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"sbquo", 0x201A}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"dagger", 0x2020},
    {"Dagger", 0x2021}, {"bull", 0x2022}, {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032},
    {"Prime", 0x2033}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"oline", 0x203E}, {"frasl", 0x2044},
    {"euro", 0x20AC}, {"image", 0x2111}, {"weierp", 0x2118}, {"real", 0x211C}, {"trade", 0x2122},
    {"alefsym", 0x2135}, {"larr", 0x2190}, {"uarr", 0x2191}, {"rarr", 0x2192}, {"darr", 0x2193},
    {"harr", 0x2194}, {"crarr", 0x21B5}, {"lArr", 0x21D0}, {"uArr", 0x21D1}, {"rArr", 0x21D2},
    {"dArr", 0x21D3}, {"hArr", 0x21D4}, {"forall", 0x2200}, {"part", 0x2202}, {"exist", 0x2203},
    {"empty", 0x2205}, {"nabla", 0x2207}, {"isin", 0x2208}, {"notin", 0x2209}, {"ni", 0x220B},
    {"prod", 0x220F}, {"sum", 0x2211}, {"minus", 0x2212}, {"lowast", 0x2217}, {"radic", 0x221A},
    {"prop", 0x221D}, {"infin", 0x221E}, {"ang", 0x2220}, {"and", 0x2227}, {"or", 0x2228},
    {"cap", 0x2229}, {"cup", 0x222A}, {"int", 0x222B}, {"there4", 0x2234}, {"sim", 0x223C},
    {"cong", 0x2245}, {"asymp", 0x2248}, {"ne", 0x2260}, {"equiv", 0x2261}, {"le", 0x2264},
    {"ge", 0x2265}, {"sub", 0x2282}, {"sup", 0x2283}, {"nsub", 0x2284}, {"sube", 0x2286},
    {"supe", 0x2287}, {"oplus", 0x2295}, {"otimes", 0x2297}, {"perp", 0x22A5}, {"sdot", 0x22C5},
    {"lceil", 0x2308}, {"rceil", 0x2309}, {"lfloor", 0x230A}, {"rfloor", 0x230B}, {"lang", 0x2329},
    {"rang", 0x232A}, {"loz", 0x25CA}, {"spades", 0x2660}, {"clubs", 0x2663}, {"hearts", 0x2665},
    {"diams", 0x2666},
};

} // namespace

TEST(HtmlEntities, EveryNamedReferenceOfHtml401Decodes)
{
    ASSERT_EQ(sizeof latin1Names / sizeof latin1Names[0], 96u);
    ASSERT_EQ(sizeof otherNames / sizeof otherNames[0], 156u);
    for (unsigned i = 0; i < 96; ++i)
        EXPECT_EQ(DecodeHtmlEntity(Wide(latin1Names[i]).c_str()), WCHAR(0xA0 + i)) << latin1Names[i];
    for (const auto& entity : otherNames)
        EXPECT_EQ(DecodeHtmlEntity(Wide(entity.name).c_str()), WCHAR(entity.code)) << entity.name;
    // Names around the first and the last of the table, and near misses.
    for (LPCWSTR pszName : {L"AAA", L"zzzz", L"Amp", L"amp ", L"am", L"ampx", L""})
        EXPECT_EQ(DecodeHtmlEntity(pszName), 0) << pszName;
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
