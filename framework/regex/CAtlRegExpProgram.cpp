#include "framework/regex/CAtlRegExpProgram.h"

#include "framework/regex/CAtlRegExpCharClass.h"

#include <algorithm>

CAtlRegExpProgram::CAtlRegExpProgram()
    : m_groupCount(0), m_hasStart(false), m_startOther(false), m_startAscii{0, 0, 0, 0}
{
}

void CAtlRegExpProgram::Clear()
{
    m_code.clear();
    m_sets.clear();
    m_prefix.clear();
    m_closures.clear();
    m_steps.clear();
    m_saveSlots.clear();
    m_groupCount = 0;
    m_hasStart = false;
}

void CAtlRegExpProgram::Assign(std::vector<Instruction>& code, std::vector<CAtlRegExpCharSet>& sets,
                               unsigned groupCount)
{
    m_code.swap(code);
    m_sets.swap(sets);
    m_groupCount = groupCount;
    BuildAsciiTables();
    AnalyseStart();
    BuildClosures();
}

void CAtlRegExpProgram::BuildAsciiTables()
{
    for (Instruction& in : m_code)
    {
        for (unsigned& bits : in.ascii)
            bits = 0;
        for (wchar_t ch = 1; ch < 128; ++ch)
        {
            if (AcceptsOther(in, ch))
                in.ascii[ch >> 5] |= 1u << (ch & 31);
        }
    }
}

// Works out, for every place a thread can continue from, which consuming
// instructions it reaches and which slots it sets on the way, following
// the branches depth first in priority order just as a search would. The
// search then files these threads without walking the branches. An
// instruction reached a second time is not entered again, so a repetition
// is not continued by an iteration that consumed nothing. If a thread of
// the same step already holds an instruction, every consuming instruction
// reachable from there is taken too, so skipping taken targets gives the
// same threads as walking the branches would.
void CAtlRegExpProgram::BuildClosures()
{
    m_closures.clear();
    m_steps.clear();
    m_saveSlots.clear();
    // Large patterns with many branches could need quadratic room and time.
    const int size = int(m_code.size());
    if (size > MAX_CLOSURE_PROGRAM)
        return;
    m_closures.assign(size_t(size), std::make_pair(0, 0));
    std::vector<char> seen(size_t(size), 0);
    std::vector<int> path;
    std::vector<std::pair<int, int> > stack;
    for (int pc = 0; pc < size; ++pc)
    {
        const bool resumes = pc == 0 || (m_code[pc - 1].op == OP_CHAR || m_code[pc - 1].op == OP_ANY ||
                                         m_code[pc - 1].op == OP_SET);
        if (!resumes)
            continue;
        if (!AddClosure(pc, seen, path, stack))
        {
            m_closures.clear();
            m_steps.clear();
            m_saveSlots.clear();
            return;
        }
    }
}

bool CAtlRegExpProgram::AddClosure(int pc, std::vector<char>& seen, std::vector<int>& path,
                                   std::vector<std::pair<int, int> >& stack)
{
    std::fill(seen.begin(), seen.end(), 0);
    path.clear();
    stack.clear();
    const int begin = int(m_steps.size());
    // A frame is an instruction to visit, or (-1, slot count) to forget the
    // slots set since.
    stack.push_back(std::make_pair(pc, 0));
    while (!stack.empty())
    {
        const std::pair<int, int> frame = stack.back();
        stack.pop_back();
        if (frame.first < 0)
        {
            path.resize(size_t(frame.second));
            continue;
        }
        int at = frame.first;
        for (;;)
        {
            if (at >= int(m_code.size()) || seen[at])
                break;
            seen[at] = 1;
            const Instruction& in = m_code[at];
            if (in.op == OP_JUMP)
            {
                at = in.x;
                continue;
            }
            if (in.op == OP_SPLIT)
            {
                stack.push_back(std::make_pair(in.y, 0));
                at = in.x;
                continue;
            }
            if (in.op == OP_SAVE)
            {
                stack.push_back(std::make_pair(-1, int(path.size())));
                path.push_back(in.arg);
                ++at;
                continue;
            }
            ClosureStep step;
            step.target = at;
            step.saveBegin = int(m_saveSlots.size());
            m_saveSlots.insert(m_saveSlots.end(), path.begin(), path.end());
            step.saveEnd = int(m_saveSlots.size());
            m_steps.push_back(step);
            if (m_steps.size() + m_saveSlots.size() > MAX_CLOSURE_ENTRIES)
                return false;
            break;
        }
    }
    m_closures[pc] = std::make_pair(begin, int(m_steps.size()));
    return true;
}

bool CAtlRegExpProgram::FoldedEquals(wchar_t input, wchar_t folded)
{
    return CAtlRegExpCharClass::ToLower(input) == folded;
}

// Walks the branches that consume nothing from the first instruction and
// collects the characters the consuming instructions reached accept.
void CAtlRegExpProgram::AnalyseStart()
{
    m_hasStart = false;
    m_startOther = false;
    for (int i = 0; i < 4; ++i)
        m_startAscii[i] = 0;
    m_prefix.clear();
    if (m_code.empty())
        return;

    std::vector<char> seen(m_code.size(), 0);
    std::vector<int> pending(1, 0);
    std::vector<int> firsts;
    while (!pending.empty())
    {
        const int pc = pending.back();
        pending.pop_back();
        if (seen[pc])
            continue;
        seen[pc] = 1;
        const Instruction& in = m_code[pc];
        switch (in.op)
        {
        case OP_SPLIT:
            pending.push_back(in.y);
            pending.push_back(in.x);
            break;
        case OP_JUMP:
            pending.push_back(in.x);
            break;
        case OP_SAVE:
            pending.push_back(pc + 1);
            break;
        case OP_MATCH:
        case OP_ANY:
            return; // the empty text or any character can start a match
        default:
            firsts.push_back(pc);
            break;
        }
    }

    for (int pc : firsts)
    {
        const Instruction& in = m_code[pc];
        for (wchar_t ch = 1; ch < 128; ++ch)
        {
            if (Accepts(in, ch))
                m_startAscii[ch >> 5] |= 1u << (ch & 31);
        }
        if (in.op == OP_SET || in.foldOther || in.ch >= 128 || in.chAlt >= 128)
            m_startOther = true;
    }
    m_hasStart = true;

    // A single literal beginning: collect the straight run of literals.
    if (firsts.size() == 1 && m_code[firsts[0]].op == OP_CHAR)
    {
        int pc = firsts[0];
        while (pc < int(m_code.size()))
        {
            const Instruction& in = m_code[pc];
            if (in.op == OP_CHAR)
                m_prefix.push_back(in);
            else if (in.op != OP_SAVE)
                break;
            ++pc;
        }
    }
}

bool CAtlRegExpProgram::PrefixAt(const wchar_t* p) const
{
    // The first character has passed the start table already.
    for (size_t i = 1; i < m_prefix.size(); ++i)
    {
        const wchar_t ch = p[i];
        if (ch == 0 || !Accepts(m_prefix[i], ch))
            return false;
    }
    return true;
}

bool CAtlRegExpProgram::MayStartAt(const wchar_t* p) const
{
    if (!m_hasStart)
        return true;
    const wchar_t ch = *p;
    if (ch < 128 ? !((m_startAscii[ch >> 5] >> (ch & 31)) & 1) : !m_startOther)
        return false;
    return m_prefix.size() < 2 || PrefixAt(p);
}

const wchar_t* CAtlRegExpProgram::FindStart(const wchar_t* p) const
{
    if (!m_hasStart)
        return p;
    for (;; ++p)
    {
        const wchar_t ch = *p;
        if (ch == 0)
            return nullptr;
        if (ch < 128 ? ((m_startAscii[ch >> 5] >> (ch & 31)) & 1) : m_startOther)
        {
            if (m_prefix.size() < 2 || PrefixAt(p))
                return p;
        }
    }
}
