#include "framework/regex/CAtlRegExpMatcher.h"

#include <algorithm>
#include <new>
#include <utility>

CAtlRegExpMatcher::CAtlRegExpMatcher()
    : m_program(nullptr), m_slots(0)
{
    for (ThreadList& list : m_lists)
    {
        list.stamp = 1;
        list.count = 0;
    }
}

void CAtlRegExpMatcher::Prepare(const CAtlRegExpProgram& program)
{
    m_program = &program;
    m_slots = program.SlotCount();
    const size_t size = size_t(program.Size());
    if (size != 0 && size_t(m_slots) > MAX_CAPTURE_CELLS / size)
        throw std::bad_alloc();
    for (ThreadList& list : m_lists)
    {
        if (list.marks.size() < size)
        {
            list.marks.assign(size, 0);
            list.stamp = 1;
            list.pcs.resize(size);
        }
        if (list.caps.size() < size * m_slots)
            list.caps.resize(size * m_slots);
        list.count = 0;
    }
    // Every visit pushes at most one frame.
    if (m_stack.size() < size + 1)
        m_stack.resize(size + 1);
    m_start.assign(m_slots, nullptr);
    m_result.assign(m_slots, nullptr);
}

void CAtlRegExpMatcher::Release()
{
    for (ThreadList& list : m_lists)
    {
        std::vector<int>().swap(list.pcs);
        std::vector<const wchar_t*>().swap(list.caps);
        std::vector<unsigned>().swap(list.marks);
        list.stamp = 1;
        list.count = 0;
    }
    std::vector<Frame>().swap(m_stack);
    std::vector<const wchar_t*>().swap(m_start);
    std::vector<const wchar_t*>().swap(m_result);
    m_slots = 0;
}

void CAtlRegExpMatcher::Reset(ThreadList& list)
{
    list.count = 0;
    if (++list.stamp == 0)
    {
        std::fill(list.marks.begin(), list.marks.end(), 0u);
        list.stamp = 1;
    }
}

// Follows the branches that consume nothing from pc, depth first in
// priority order, and files every consuming instruction reached as a
// thread with the captures valid on the way there (for patterns whose
// branches were not worked out in advance).
void CAtlRegExpMatcher::WalkBranches(ThreadList& list, int pc, const wchar_t** caps, const wchar_t* at)
{
    const CAtlRegExpProgram& program = *m_program;
    Frame* stack = m_stack.data();
    int top = 0;
    stack[top++] = Frame{pc, 0, nullptr};
    while (top > 0)
    {
        const Frame frame = stack[--top];
        if (frame.pc < 0)
        {
            caps[frame.slot] = frame.old;
            continue;
        }
        pc = frame.pc;
        for (;;)
        {
            if (list.marks[pc] == list.stamp)
                break;
            list.marks[pc] = list.stamp;
            const CAtlRegExpProgram::Instruction& in = program.At(pc);
            if (in.op == CAtlRegExpProgram::OP_JUMP)
            {
                pc = in.x;
                continue;
            }
            if (in.op == CAtlRegExpProgram::OP_SPLIT)
            {
                stack[top++] = Frame{in.y, 0, nullptr};
                pc = in.x;
                continue;
            }
            if (in.op == CAtlRegExpProgram::OP_SAVE)
            {
                stack[top++] = Frame{-1, in.arg, caps[in.arg]};
                caps[in.arg] = at;
                ++pc;
                continue;
            }
            const int index = list.count++;
            list.pcs[index] = pc;
            std::copy(caps, caps + m_slots, &list.caps[size_t(index) * m_slots]);
            break;
        }
    }
}

bool CAtlRegExpMatcher::Search(const CAtlRegExpProgram& program, const wchar_t* from)
{
    Prepare(program);
    if (program.IsEmpty() || !from)
        return false;

    ThreadList* current = &m_lists[0];
    ThreadList* next = &m_lists[1];
    Reset(*current);
    bool matched = false;
    const wchar_t* at = from;
    for (;;)
    {
        // A thread begun here has lower priority than every thread begun
        // further left; none is begun once a match is known.
        if (!matched)
        {
            if (current->count == 0)
            {
                at = program.FindStart(at);
                if (!at)
                    break;
                AddThread(*current, 0, m_start.data(), at);
            }
            else if (program.MayStartAt(at))
            {
                AddThread(*current, 0, m_start.data(), at);
            }
        }
        else if (current->count == 0)
        {
            break;
        }

        const wchar_t ch = *at;
        Reset(*next);
        for (int i = 0; i < current->count; ++i)
        {
            const CAtlRegExpProgram::Instruction& in = program.At(current->pcs[i]);
            const wchar_t** caps = &current->caps[size_t(i) * m_slots];
            if (in.op == CAtlRegExpProgram::OP_MATCH)
            {
                // Threads of lower priority can no longer win.
                std::copy(caps, caps + m_slots, m_result.begin());
                matched = true;
                break;
            }
            if (ch != 0 && program.Accepts(in, ch))
                AddThread(*next, current->pcs[i] + 1, caps, at + 1);
        }
        if (ch == 0)
            break;
        std::swap(current, next);
        ++at;
    }
    return matched;
}
