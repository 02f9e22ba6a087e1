#include "framework/regex/CAtlRegExpCharSet.h"

#include "framework/regex/CAtlRegExpCharClass.h"

CAtlRegExpCharSet::CAtlRegExpCharSet()
    : m_classes(0), m_negated(false), m_caseSensitive(true), m_ascii{0, 0, 0, 0}
{
}

void CAtlRegExpCharSet::AddRange(wchar_t first, wchar_t last)
{
    m_ranges.push_back(Range{first, last});
}

void CAtlRegExpCharSet::Complete(bool caseSensitive)
{
    m_caseSensitive = caseSensitive;
    for (int i = 0; i < 4; ++i)
        m_ascii[i] = 0;
    // The terminating zero is never a member, complemented or not.
    for (wchar_t ch = 1; ch < 128; ++ch)
    {
        if (ContainsOther(ch))
            m_ascii[ch >> 5] |= 1u << (ch & 31);
    }
}

bool CAtlRegExpCharSet::HoldsExactly(wchar_t ch) const
{
    for (const Range& range : m_ranges)
    {
        if (ch >= range.first && ch <= range.last)
            return true;
    }
    return m_classes != 0 && CAtlRegExpCharClass::IsInClasses(ch, m_classes);
}

bool CAtlRegExpCharSet::ContainsOther(wchar_t ch) const
{
    bool member = HoldsExactly(ch);
    if (!member && !m_caseSensitive)
    {
        const wchar_t lower = CAtlRegExpCharClass::ToLower(ch);
        const wchar_t upper = CAtlRegExpCharClass::ToUpper(ch);
        member = (lower != ch && HoldsExactly(lower)) || (upper != ch && HoldsExactly(upper));
    }
    return member != m_negated;
}
