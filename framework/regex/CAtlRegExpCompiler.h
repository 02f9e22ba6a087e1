// Turns a pattern text into a CAtlRegExpProgram. The parser keeps its open
// groups on a heap stack of its own, so deeply nested patterns cannot
// exhaust the thread's stack. All code goes into one buffer as it is read:
// a group leaves room in front of itself for a quantifier and each
// alternative for its branch, so closing a group never copies what it holds
// and compiling takes time linear in the pattern's length. Groups nested
// deeper than MAX_NESTING are refused.
#pragma once

#include <vector>

#include "framework/regex/CAtlRegExpErrors.h"
#include "framework/regex/CAtlRegExpProgram.h"

class CAtlRegExpCompiler
{
public:
    enum
    {
        MAX_NESTING = 20000
    };

    explicit CAtlRegExpCompiler(bool caseSensitive);

    REParseError Compile(const wchar_t* pattern, CAtlRegExpProgram& program);

private:
    typedef CAtlRegExpProgram::Instruction Instruction;
    // Code of one stretch of the pattern; jump targets are relative to the
    // jumping instruction, so stretches can be moved and nested freely.
    typedef std::vector<Instruction> Fragment;

    enum LevelKind
    {
        LEVEL_PATTERN,
        LEVEL_PAREN,
        LEVEL_BRACE
    };

    struct Level
    {
        LevelKind kind;
        unsigned group;
        int start;          // room for a quantifier in front of the group, -1: none
        int alternative;    // room for the branch in front of the current alternative
        std::vector<int> exits; // jumps from the end of each earlier alternative
        int lastElement;    // start of the element a quantifier would repeat, -1: none
    };

    REParseError ParseEscape(const wchar_t*& p, Fragment& element);
    REParseError ParseSet(const wchar_t*& p, Fragment& element);
    REParseError OpenLevel(LevelKind kind);
    void NextAlternative(Level& level);
    void EndAlternatives(Level& level);
    REParseError CloseLevel(LevelKind kind);
    REParseError Repeat(Level& level, wchar_t quantifier, bool lazy);
    void AddElement(Level& level, const Fragment& element);
    void Finish(CAtlRegExpProgram& program);

    Fragment Literal(wchar_t ch) const;
    Fragment SetOf(CAtlRegExpCharSet& set);
    Fragment ClassOf(unsigned classes);
    static Fragment Alternate(std::vector<Fragment>& alternatives);
    static Instruction Make(CAtlRegExpProgram::Opcode op, int arg = 0, int x = 0, int y = 0);

    // The program so far; jump targets relative to the jumping instruction.
    Fragment m_code;
    bool m_caseSensitive;
    std::vector<Level> m_levels;
    std::vector<CAtlRegExpCharSet> m_sets;
    unsigned m_groupCount;
};
