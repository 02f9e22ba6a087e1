#include "framework/regex/CAtlRegExpCompiler.h"

#include <cstddef>
#include <new>

#include "framework/regex/CAtlRegExpCharClass.h"

namespace
{
bool IsAsciiLetter(wchar_t ch)
{
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
}

// The abbreviations that stand for one character of a class.
unsigned ClassOfAbbreviation(wchar_t letter)
{
    switch (letter)
    {
    case L'a': return CAtlRegExpCharClass::CLASS_LETTER | CAtlRegExpCharClass::CLASS_DIGIT;
    case L'b': return CAtlRegExpCharClass::CLASS_BLANK;
    case L'c': return CAtlRegExpCharClass::CLASS_LETTER;
    case L'd': return CAtlRegExpCharClass::CLASS_DIGIT;
    case L'h': return CAtlRegExpCharClass::CLASS_HEXDIGIT;
    default: return 0;
    }
}
} // namespace

CAtlRegExpCompiler::CAtlRegExpCompiler(bool caseSensitive)
    : m_caseSensitive(caseSensitive), m_groupCount(0)
{
}

CAtlRegExpCompiler::Instruction CAtlRegExpCompiler::Make(CAtlRegExpProgram::Opcode op, int arg, int x, int y)
{
    Instruction in;
    in.op = op;
    in.ch = 0;
    in.chAlt = 0;
    in.foldOther = false;
    in.arg = arg;
    in.x = x;
    in.y = y;
    for (unsigned& bits : in.ascii)
        bits = 0;
    return in;
}

REParseError CAtlRegExpCompiler::Compile(const wchar_t* pattern, CAtlRegExpProgram& program)
{
    program.Clear();
    if (!pattern)
        return REPARSE_ERROR_NO_PATTERN;
    REParseError result = REPARSE_ERROR_OK;
    try
    {
        m_levels.clear();
        m_sets.clear();
        m_code.clear();
        m_groupCount = 0;
        // Whole match in slots 0 and 1.
        m_code.push_back(Make(CAtlRegExpProgram::OP_SAVE, 0));
        m_levels.push_back(Level{LEVEL_PATTERN, 0, -1, int(m_code.size()), {}, -1});
        m_code.push_back(Make(CAtlRegExpProgram::OP_NOP));

        for (const wchar_t* p = pattern; *p && result == REPARSE_ERROR_OK;)
        {
            const wchar_t ch = *p++;
            Fragment element;
            switch (ch)
            {
            case L'(':
                result = OpenLevel(LEVEL_PAREN);
                break;
            case L'{':
                result = OpenLevel(LEVEL_BRACE);
                break;
            case L')':
                result = CloseLevel(LEVEL_PAREN);
                break;
            case L'}':
                result = CloseLevel(LEVEL_BRACE);
                break;
            case L'|':
                NextAlternative(m_levels.back());
                break;
            case L'*':
            case L'+':
            case L'?':
            {
                const bool lazy = ch == L'*' && *p == L'?';
                if (lazy)
                    ++p;
                result = Repeat(m_levels.back(), ch, lazy);
                break;
            }
            case L'.':
                element.push_back(Make(CAtlRegExpProgram::OP_ANY));
                break;
            case L'[':
                result = ParseSet(p, element);
                break;
            case L']':
                result = REPARSE_ERROR_UNBALANCED_BRACKET;
                break;
            case L'\\':
                result = ParseEscape(p, element);
                break;
            default:
                element = Literal(ch);
                break;
            }
            if (result == REPARSE_ERROR_OK && !element.empty())
                AddElement(m_levels.back(), element);
        }

        if (result == REPARSE_ERROR_OK && m_levels.size() > 1)
            result = m_levels.back().kind == LEVEL_BRACE ? REPARSE_ERROR_UNBALANCED_BRACE : REPARSE_ERROR_UNBALANCED_PAREN;
        if (result == REPARSE_ERROR_OK)
            Finish(program);
    }
    catch (const std::bad_alloc&)
    {
        program.Clear();
        result = REPARSE_ERROR_OUTOFMEMORY;
    }
    m_levels.clear();
    m_sets.clear();
    Fragment().swap(m_code);
    return result;
}

// Closes the pattern, drops the room no quantifier or branch took, and makes
// jump targets absolute.
void CAtlRegExpCompiler::Finish(CAtlRegExpProgram& program)
{
    EndAlternatives(m_levels.back());
    m_code.push_back(Make(CAtlRegExpProgram::OP_SAVE, 1));
    m_code.push_back(Make(CAtlRegExpProgram::OP_MATCH));

    // An instruction's new place; room left free leads to what follows it.
    std::vector<int> moved(m_code.size());
    int kept = 0;
    for (size_t pc = 0; pc < m_code.size(); ++pc)
    {
        moved[pc] = kept;
        if (m_code[pc].op != CAtlRegExpProgram::OP_NOP)
            ++kept;
    }
    std::vector<Instruction> code;
    code.reserve(size_t(kept));
    for (int pc = 0; pc < int(m_code.size()); ++pc)
    {
        Instruction in = m_code[pc];
        if (in.op == CAtlRegExpProgram::OP_NOP)
            continue;
        if (in.op == CAtlRegExpProgram::OP_SPLIT || in.op == CAtlRegExpProgram::OP_JUMP)
        {
            in.x = moved[pc + in.x];
            in.y = in.op == CAtlRegExpProgram::OP_SPLIT ? moved[pc + in.y] : 0;
        }
        code.push_back(in);
    }
    program.Assign(code, m_sets, m_groupCount);
}

REParseError CAtlRegExpCompiler::OpenLevel(LevelKind kind)
{
    if (m_levels.size() > MAX_NESTING)
        return REPARSE_ERROR_TOO_DEEP;
    const int start = int(m_code.size());
    m_code.push_back(Make(CAtlRegExpProgram::OP_NOP));
    unsigned group = 0;
    if (kind == LEVEL_BRACE)
    {
        group = m_groupCount++;
        m_code.push_back(Make(CAtlRegExpProgram::OP_SAVE, 2 * int(group) + 2));
    }
    m_levels.push_back(Level{kind, group, start, int(m_code.size()), {}, -1});
    m_code.push_back(Make(CAtlRegExpProgram::OP_NOP));
    return REPARSE_ERROR_OK;
}

// Ends the current alternative with a jump to the group's end (set when the
// group closes) and makes its room a branch to the next one.
void CAtlRegExpCompiler::NextAlternative(Level& level)
{
    level.exits.push_back(int(m_code.size()));
    m_code.push_back(Make(CAtlRegExpProgram::OP_JUMP));
    const int next = int(m_code.size());
    m_code[level.alternative] = Make(CAtlRegExpProgram::OP_SPLIT, 0, 1, next - level.alternative);
    level.alternative = next;
    m_code.push_back(Make(CAtlRegExpProgram::OP_NOP));
    level.lastElement = -1;
}

void CAtlRegExpCompiler::EndAlternatives(Level& level)
{
    const int end = int(m_code.size());
    for (int at : level.exits)
        m_code[at].x = end - at;
}

REParseError CAtlRegExpCompiler::CloseLevel(LevelKind kind)
{
    Level& level = m_levels.back();
    if (level.kind != kind)
    {
        // A closer with nothing open is the unbalanced one; otherwise the
        // group still open is.
        const LevelKind culprit = level.kind == LEVEL_PATTERN ? kind : level.kind;
        return culprit == LEVEL_BRACE ? REPARSE_ERROR_UNBALANCED_BRACE : REPARSE_ERROR_UNBALANCED_PAREN;
    }
    EndAlternatives(level);
    if (kind == LEVEL_BRACE)
        m_code.push_back(Make(CAtlRegExpProgram::OP_SAVE, 2 * int(level.group) + 3));
    const int start = level.start;
    m_levels.pop_back();
    m_levels.back().lastElement = start;
    return REPARSE_ERROR_OK;
}

void CAtlRegExpCompiler::AddElement(Level& level, const Fragment& element)
{
    level.lastElement = int(m_code.size());
    m_code.insert(m_code.end(), element.begin(), element.end());
}

REParseError CAtlRegExpCompiler::Repeat(Level& level, wchar_t quantifier, bool lazy)
{
    // Also refuses a quantifier right after another one: the element is gone.
    if (level.lastElement < 0)
        return REPARSE_ERROR_NOTHING_TO_REPEAT;
    const int start = level.lastElement;
    // A group brings its own room; a single element is short enough to move.
    if (m_code[start].op != CAtlRegExpProgram::OP_NOP)
        m_code.insert(m_code.begin() + start, Make(CAtlRegExpProgram::OP_NOP));
    const int length = int(m_code.size()) - start - 1;
    switch (quantifier)
    {
    case L'*':
        if (lazy)
            m_code[start] = Make(CAtlRegExpProgram::OP_SPLIT, 0, length + 2, 1);
        else
            m_code[start] = Make(CAtlRegExpProgram::OP_SPLIT, 0, 1, length + 2);
        m_code.push_back(Make(CAtlRegExpProgram::OP_JUMP, 0, -(length + 1)));
        break;
    case L'+':
        m_code.push_back(Make(CAtlRegExpProgram::OP_SPLIT, 0, -length, 1));
        break;
    default: // '?'
        m_code[start] = Make(CAtlRegExpProgram::OP_SPLIT, 0, 1, length + 1);
        break;
    }
    level.lastElement = -1;
    return REPARSE_ERROR_OK;
}

CAtlRegExpCompiler::Fragment CAtlRegExpCompiler::Alternate(std::vector<Fragment>& alternatives)
{
    if (alternatives.size() == 1)
        return Fragment(alternatives[0]);
    Fragment out;
    std::vector<int> exits;
    for (size_t i = 0; i + 1 < alternatives.size(); ++i)
    {
        const Fragment& alt = alternatives[i];
        out.push_back(Make(CAtlRegExpProgram::OP_SPLIT, 0, 1, int(alt.size()) + 2));
        out.insert(out.end(), alt.begin(), alt.end());
        exits.push_back(int(out.size()));
        out.push_back(Make(CAtlRegExpProgram::OP_JUMP));
    }
    out.insert(out.end(), alternatives.back().begin(), alternatives.back().end());
    for (int at : exits)
        out[at].x = int(out.size()) - at;
    return out;
}

CAtlRegExpCompiler::Fragment CAtlRegExpCompiler::Literal(wchar_t ch) const
{
    Instruction in = Make(CAtlRegExpProgram::OP_CHAR);
    in.ch = ch;
    in.chAlt = ch;
    if (!m_caseSensitive && CAtlRegExpCharClass::HasCase(ch))
    {
        in.ch = CAtlRegExpCharClass::ToLower(ch);
        in.chAlt = CAtlRegExpCharClass::ToUpper(ch);
        in.foldOther = true;
    }
    return Fragment(1, in);
}

CAtlRegExpCompiler::Fragment CAtlRegExpCompiler::SetOf(CAtlRegExpCharSet& set)
{
    set.Complete(m_caseSensitive);
    m_sets.push_back(set);
    return Fragment(1, Make(CAtlRegExpProgram::OP_SET, int(m_sets.size()) - 1));
}

CAtlRegExpCompiler::Fragment CAtlRegExpCompiler::ClassOf(unsigned classes)
{
    CAtlRegExpCharSet set;
    set.AddClasses(classes);
    return SetOf(set);
}

REParseError CAtlRegExpCompiler::ParseEscape(const wchar_t*& p, Fragment& element)
{
    const wchar_t ch = *p;
    if (ch == 0)
        return REPARSE_ERROR_TRAILING_BACKSLASH;
    ++p;
    if (!IsAsciiLetter(ch))
    {
        element = Literal(ch);
        return REPARSE_ERROR_OK;
    }
    if (const unsigned classes = ClassOfAbbreviation(ch))
    {
        element = ClassOf(classes);
        return REPARSE_ERROR_OK;
    }
    switch (ch)
    {
    case L'n':
    {
        // CR LF is one line break and is preferred over a lone CR.
        std::vector<Fragment> breaks(3);
        breaks[0] = Literal(L'\r');
        breaks[0].push_back(Literal(L'\n')[0]);
        breaks[1] = Literal(L'\r');
        breaks[2] = Literal(L'\n');
        element = Alternate(breaks);
        return REPARSE_ERROR_OK;
    }
    case L'q':
    {
        std::vector<Fragment> quoted;
        for (wchar_t quote : {L'"', L'\''})
        {
            CAtlRegExpCharSet inside;
            inside.AddChar(quote);
            inside.SetNegated(true);
            Fragment alt = Literal(quote);
            alt.push_back(Make(CAtlRegExpProgram::OP_SPLIT, 0, 1, 3));
            alt.push_back(SetOf(inside)[0]);
            alt.push_back(Make(CAtlRegExpProgram::OP_JUMP, 0, -2));
            alt.push_back(Literal(quote)[0]);
            quoted.push_back(alt);
        }
        element = Alternate(quoted);
        return REPARSE_ERROR_OK;
    }
    case L'w':
    case L'z':
        element = ClassOf(ch == L'w' ? CAtlRegExpCharClass::CLASS_LETTER : CAtlRegExpCharClass::CLASS_DIGIT);
        element.push_back(Make(CAtlRegExpProgram::OP_SPLIT, 0, -1, 1));
        return REPARSE_ERROR_OK;
    default:
        return REPARSE_ERROR_UNKNOWN_ABBREVIATION;
    }
}

// p points behind the '['.
REParseError CAtlRegExpCompiler::ParseSet(const wchar_t*& p, Fragment& element)
{
    CAtlRegExpCharSet set;
    if (*p == L'^')
    {
        set.SetNegated(true);
        ++p;
    }
    for (;;)
    {
        wchar_t first = *p++;
        if (first == 0)
            return REPARSE_ERROR_UNBALANCED_BRACKET;
        if (first == L']')
            break;
        if (first == L'\\')
        {
            first = *p++;
            if (first == 0)
                return REPARSE_ERROR_TRAILING_BACKSLASH;
            if (IsAsciiLetter(first))
            {
                // Only the one-character classes make sense inside a set.
                const unsigned classes = ClassOfAbbreviation(first);
                if (!classes)
                    return REPARSE_ERROR_UNKNOWN_ABBREVIATION;
                if (*p == L'-' && p[1] != L']' && p[1] != 0)
                    return REPARSE_ERROR_INVALID_RANGE;
                set.AddClasses(classes);
                continue;
            }
        }
        wchar_t last = first;
        // A '-' first or last in the set stands for itself.
        if (*p == L'-' && p[1] != L']' && p[1] != 0)
        {
            ++p;
            last = *p++;
            if (last == L'\\')
            {
                last = *p++;
                if (last == 0)
                    return REPARSE_ERROR_TRAILING_BACKSLASH;
                if (IsAsciiLetter(last))
                    return REPARSE_ERROR_INVALID_RANGE;
            }
            if (last < first)
                return REPARSE_ERROR_INVALID_RANGE;
        }
        set.AddRange(first, last);
    }
    if (set.IsEmpty())
        return REPARSE_ERROR_EMPTY_SET;
    element = SetOf(set);
    return REPARSE_ERROR_OK;
}
