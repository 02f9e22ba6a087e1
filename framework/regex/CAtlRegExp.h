// A compiled search pattern of the page parsers' pattern language.
//
// Compile once with Parse, then search as often as needed with Match. Match
// scans forward from the pointer it is given and finds the leftmost match
// at or after it (the text ends at its terminating zero); *ppszEnd receives
// the end of that match, so passing it back in continues the search behind
// the previous match. Searching takes time linear in the text scanned, so a
// hostile page cannot stall a parser, and it uses no stack per character.
// One compiled pattern may be searched from several threads at once, each
// with its own match context.
#pragma once

#include <windows.h>

#include "framework/regex/CAtlREMatchContext.h"
#include "framework/regex/CAtlRegExpErrors.h"
#include "framework/regex/CAtlRegExpProgram.h"

class CAtlRegExp
{
public:
    CAtlRegExp();

    // Compiles the pattern; on an error the object matches nothing.
    REParseError Parse(LPCTSTR szPattern, BOOL bCaseSensitive = TRUE);

    // TRUE when a match was found; pContext then describes it. On FALSE the
    // context reads as empty and *ppszEnd is left as it was.
    BOOL Match(LPCTSTR szIn, CAtlREMatchContext* pContext, LPCTSTR* ppszEnd = NULL) const;

    UINT GetNumGroups() const { return m_program.GroupCount(); }

private:
    CAtlRegExpProgram m_program;
};
