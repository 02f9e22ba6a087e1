// One pattern of the page parsers, searched through a page text match after
// match. Patterns are compiled once per process and shared by all threads;
// each search keeps its own match context.
#pragma once
#include "framework/Framework.h"

class CPagePattern
{
public:
    // The ticket pages' patterns ignore case, the statistics arrays' do not.
    explicit CPagePattern(LPCWSTR pszPattern, BOOL bCaseSensitive = FALSE);

    // FALSE when the pattern did not compile; it then finds nothing.
    BOOL IsValid() const { return m_pRegExp != nullptr; }

    // Starts the search at the beginning of the text; the text must outlive
    // the search.
    void Begin(LPCWSTR pszText);

    // Finds the next match behind the previous one; TRUE when found.
    BOOL FindNext();

    // The text of group nGroup of the last match; empty when the group took
    // no part in it.
    CString GetGroup(UINT nGroup) const;

private:
    const CAtlRegExp* m_pRegExp;
    CAtlREMatchContext m_context;
    LPCWSTR m_pszNext;
};
