// A bracketed character set of a compiled pattern: single characters,
// ranges and classes, possibly complemented. Membership of ASCII characters
// is a bit test; the table is built once the set is complete.
#pragma once

#include <vector>

class CAtlRegExpCharSet
{
public:
    CAtlRegExpCharSet();

    void AddRange(wchar_t first, wchar_t last);
    void AddChar(wchar_t ch) { AddRange(ch, ch); }
    void AddClasses(unsigned classes) { m_classes |= classes; }
    void SetNegated(bool negated) { m_negated = negated; }
    bool IsEmpty() const { return m_ranges.empty() && m_classes == 0; }
    // Fixes the case rule and builds the ASCII table; call before Contains.
    void Complete(bool caseSensitive);

    bool Contains(wchar_t ch) const
    {
        if (ch < 128)
            return (m_ascii[ch >> 5] >> (ch & 31)) & 1;
        return ContainsOther(ch);
    }

private:
    struct Range
    {
        wchar_t first;
        wchar_t last;
    };

    bool HoldsExactly(wchar_t ch) const;
    bool ContainsOther(wchar_t ch) const;

    std::vector<Range> m_ranges;
    unsigned m_classes;
    bool m_negated;
    bool m_caseSensitive;
    unsigned m_ascii[4];
};
