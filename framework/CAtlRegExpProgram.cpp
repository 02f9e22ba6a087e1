#include "framework/CAtlRegExpProgram.h"

#include "framework/CAtlRegExpCharClass.h"

CAtlRegExpProgram::CAtlRegExpProgram()
    : m_groupCount(0), m_hasStart(false), m_startOther(false), m_startAscii{0, 0, 0, 0}
{
}

void CAtlRegExpProgram::Clear()
{
    m_code.clear();
    m_sets.clear();
    m_prefix.clear();
    m_groupCount = 0;
    m_hasStart = false;
}

void CAtlRegExpProgram::Assign(std::vector<Instruction>& code, std::vector<CAtlRegExpCharSet>& sets,
                               unsigned groupCount)
{
    m_code.swap(code);
    m_sets.swap(sets);
    m_groupCount = groupCount;
    AnalyseStart();
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
