#include "engine/PagePattern.h"

#include <memory>
#include <vector>

namespace {

struct CompiledPattern
{
    CString strPattern;
    BOOL bCaseSensitive;
    BOOL bValid;
    CAtlRegExp regExp;
};

// The parsers use a handful of fixed patterns; compiling them for every row
// and page would cost more than searching.
const CAtlRegExp* FindCompiled(LPCWSTR pszPattern, BOOL bCaseSensitive)
{
    static CCriticalSection lock;
    static std::vector<std::unique_ptr<CompiledPattern>> compiled;
    CSingleLock guard(&lock, TRUE);
    for (const auto& entry : compiled)
    {
        if (entry->bCaseSensitive == bCaseSensitive && entry->strPattern == pszPattern)
            return entry->bValid ? &entry->regExp : nullptr;
    }
    std::unique_ptr<CompiledPattern> entry(new CompiledPattern);
    entry->strPattern = pszPattern;
    entry->bCaseSensitive = bCaseSensitive;
    entry->bValid = entry->regExp.Parse(pszPattern, bCaseSensitive) == REPARSE_ERROR_OK;
    compiled.push_back(std::move(entry));
    return compiled.back()->bValid ? &compiled.back()->regExp : nullptr;
}

} // namespace

CPagePattern::CPagePattern(LPCWSTR pszPattern, BOOL bCaseSensitive)
    : m_pRegExp(FindCompiled(pszPattern, bCaseSensitive != FALSE))
    , m_pszNext(nullptr)
{
}

void CPagePattern::Begin(LPCWSTR pszText)
{
    m_pszNext = pszText;
}

BOOL CPagePattern::FindNext()
{
    if (m_pRegExp == nullptr || m_pszNext == nullptr || *m_pszNext == L'\0')
        return FALSE;
    LPCWSTR pszEnd = m_pszNext;
    if (!m_pRegExp->Match(m_pszNext, &m_context, &pszEnd))
    {
        m_pszNext = nullptr;
        return FALSE;
    }
    // An empty match must not hold the search on one spot.
    m_pszNext = pszEnd > m_pszNext || *pszEnd == L'\0' ? pszEnd : pszEnd + 1;
    return TRUE;
}

CString CPagePattern::GetGroup(UINT nGroup) const
{
    LPCWSTR pszStart = nullptr;
    LPCWSTR pszEnd = nullptr;
    m_context.GetMatch(nGroup, &pszStart, &pszEnd);
    if (pszStart == nullptr || pszEnd <= pszStart)
        return CString();
    return CString(pszStart, (int)(pszEnd - pszStart));
}
