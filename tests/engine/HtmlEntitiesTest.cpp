// The HTML character reference decoder of the page parsers.
#include <gtest/gtest.h>

#include "engine/HtmlEntities.h"

#include <sstream>
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
// and typographic characters), as runs of names of consecutive characters.
const struct {
    const char* names;
    unsigned first;
} otherNames[] = {
    {"quot", 0x0022}, {"amp", 0x0026}, {"lt", 0x003C}, {"gt", 0x003E}, {"OElig oelig", 0x0152},
    {"Scaron scaron", 0x0160}, {"Yuml", 0x0178}, {"fnof", 0x0192}, {"circ", 0x02C6}, {"tilde", 0x02DC},
    {"Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron Pi Rho", 0x0391},
    {"Sigma Tau Upsilon Phi Chi Psi Omega", 0x03A3},
    {"alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi rho", 0x03B1},
    {"sigmaf sigma tau upsilon phi chi psi omega", 0x03C2},
    {"thetasym upsih", 0x03D1}, {"piv", 0x03D6}, {"ensp emsp", 0x2002}, {"thinsp", 0x2009},
    {"zwnj zwj lrm rlm", 0x200C}, {"ndash mdash", 0x2013}, {"lsquo rsquo sbquo", 0x2018},
    {"ldquo rdquo bdquo", 0x201C}, {"dagger Dagger bull", 0x2020}, {"hellip", 0x2026}, {"permil", 0x2030},
    {"prime Prime", 0x2032}, {"lsaquo rsaquo", 0x2039}, {"oline", 0x203E}, {"frasl", 0x2044}, {"euro", 0x20AC},
    {"image", 0x2111}, {"weierp", 0x2118}, {"real", 0x211C}, {"trade", 0x2122}, {"alefsym", 0x2135},
    {"larr uarr rarr darr harr", 0x2190}, {"crarr", 0x21B5}, {"lArr uArr rArr dArr hArr", 0x21D0}, {"forall", 0x2200},
    {"part exist", 0x2202}, {"empty", 0x2205}, {"nabla isin notin", 0x2207}, {"ni", 0x220B}, {"prod", 0x220F},
    {"sum minus", 0x2211}, {"lowast", 0x2217}, {"radic", 0x221A}, {"prop infin", 0x221D}, {"ang", 0x2220},
    {"and or cap cup int", 0x2227}, {"there4", 0x2234}, {"sim", 0x223C}, {"cong", 0x2245}, {"asymp", 0x2248},
    {"ne equiv", 0x2260}, {"le ge", 0x2264}, {"sub sup nsub", 0x2282}, {"sube supe", 0x2286}, {"oplus", 0x2295},
    {"otimes", 0x2297}, {"perp", 0x22A5}, {"sdot", 0x22C5}, {"lceil rceil lfloor rfloor", 0x2308},
    {"lang rang", 0x2329}, {"loz", 0x25CA}, {"spades", 0x2660}, {"clubs", 0x2663}, {"hearts diams", 0x2665},
};

} // namespace

TEST(HtmlEntities, EveryNamedReferenceOfHtml401Decodes)
{
    ASSERT_EQ(sizeof latin1Names / sizeof latin1Names[0], 96u);
    for (unsigned i = 0; i < 96; ++i)
        EXPECT_EQ(DecodeHtmlEntity(Wide(latin1Names[i]).c_str()), WCHAR(0xA0 + i)) << latin1Names[i];
    size_t nOthers = 0;
    for (const auto& run : otherNames)
    {
        std::istringstream names(run.names);
        unsigned code = run.first;
        for (std::string name; names >> name; ++nOthers)
            EXPECT_EQ(DecodeHtmlEntity(Wide(name.c_str()).c_str()), WCHAR(code++)) << name;
    }
    EXPECT_EQ(nOthers, 156u);
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
