// Runs a compiled pattern over a text. All threads of the automaton advance
// together one character at a time, in the priority order a backtracking
// search would try them, so the first match found is the one backtracking
// would find, while the work stays linear in the text (each instruction
// holds at most one thread per position). A repetition is not continued by
// an iteration that matched the empty text. Nothing here recurses; the
// buffers are kept between searches.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/regex/CAtlRegExpProgram.h"

class CAtlRegExpMatcher
{
public:
    // Each thread list holds a capture block per instruction; a program
    // needing more cells than this is treated as too large for memory
    // (std::bad_alloc) before anything is allocated.
    enum
    {
        MAX_CAPTURE_CELLS = 1 << 24
    };

    CAtlRegExpMatcher();

    // Finds the leftmost match that begins at or after from (the text ends
    // at its terminating zero). Afterwards Slot(i) holds the capture slots
    // of the match; a group that took no part holds NULL.
    bool Search(const CAtlRegExpProgram& program, const wchar_t* from);
    const wchar_t* Slot(int index) const { return m_result[index]; }
    // Gives the buffers back.
    void Release();

private:
    struct ThreadList
    {
        std::vector<int> pcs;             // consuming instructions, by priority
        std::vector<const wchar_t*> caps; // slots of each thread, one block per thread
        std::vector<unsigned> marks;      // instruction visited when == stamp
        unsigned stamp;
        int count;
    };

    struct Frame
    {
        int pc;             // instruction to visit, or -1 to restore a slot
        int slot;
        const wchar_t* old;
    };

    void Prepare(const CAtlRegExpProgram& program);
    static void Reset(ThreadList& list);
    void AddThread(ThreadList& list, int pc, const wchar_t** caps, const wchar_t* at)
    {
        int begin, end;
        if (m_program->Closure(pc, &begin, &end))
            FileSteps(list, begin, end, caps, at);
        else
            WalkBranches(list, pc, caps, at);
    }
    void FileSteps(ThreadList& list, int begin, int end, const wchar_t* const* caps, const wchar_t* at);
    void WalkBranches(ThreadList& list, int pc, const wchar_t** caps, const wchar_t* at);

    const CAtlRegExpProgram* m_program;
    int m_slots;
    ThreadList m_lists[2];
    std::vector<Frame> m_stack;
    std::vector<const wchar_t*> m_start;
    std::vector<const wchar_t*> m_result;
};

// Files the threads worked out in advance; only instructions a thread of
// higher priority already holds are skipped.
inline void CAtlRegExpMatcher::FileSteps(ThreadList& list, int begin, int end, const wchar_t* const* caps,
                                         const wchar_t* at)
{
    const CAtlRegExpProgram& program = *m_program;
    const int slots = m_slots;
    unsigned* const marks = list.marks.data();
    const unsigned stamp = list.stamp;
    for (int k = begin; k < end; ++k)
    {
        const CAtlRegExpProgram::ClosureStep& step = program.Step(k);
        if (marks[step.target] == stamp)
            continue;
        marks[step.target] = stamp;
        const int index = list.count++;
        list.pcs[index] = step.target;
        const wchar_t** copy = &list.caps[size_t(index) * slots];
        for (int i = 0; i < slots; ++i)
            copy[i] = caps[i];
        for (int s = step.saveBegin; s < step.saveEnd; ++s)
            copy[program.SaveSlot(s)] = at;
    }
}
