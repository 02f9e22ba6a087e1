#include "framework/regex/CAtlRegExp.h"

#include "framework/regex/CAtlRegExpCompiler.h"

#include <new>

CAtlRegExp::CAtlRegExp()
{
}

REParseError CAtlRegExp::Parse(LPCTSTR szPattern, BOOL bCaseSensitive)
{
    CAtlRegExpCompiler compiler(bCaseSensitive != FALSE);
    return compiler.Compile(szPattern, m_program);
}

BOOL CAtlRegExp::Match(LPCTSTR szIn, CAtlREMatchContext* pContext, LPCTSTR* ppszEnd) const
{
    if (!pContext)
        return FALSE;
    const UINT groups = m_program.GroupCount();
    try
    {
        if (!szIn || !pContext->m_matcher.Search(m_program, szIn))
        {
            pContext->SetFailed(szIn, groups);
            return FALSE;
        }
        pContext->SetMatched(pContext->m_matcher, groups);
    }
    catch (const std::bad_alloc&)
    {
        // A pattern too large for the memory at hand matches nothing.
        pContext->ForgetAfterFailure(szIn);
        return FALSE;
    }
    if (ppszEnd)
        *ppszEnd = pContext->m_Match.szEnd;
    return TRUE;
}
