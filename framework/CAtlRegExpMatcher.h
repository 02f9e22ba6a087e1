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

#include "framework/CAtlRegExpProgram.h"

class CAtlRegExpMatcher
{
public:
    CAtlRegExpMatcher();

    // Finds the leftmost match that begins at or after from (the text ends
    // at its terminating zero). Afterwards Slot(i) holds the capture slots
    // of the match; a group that took no part holds NULL.
    bool Search(const CAtlRegExpProgram& program, const wchar_t* from);
    const wchar_t* Slot(int index) const { return m_result[index]; }

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
    void AddThread(ThreadList& list, int pc, const wchar_t** caps, const wchar_t* at);

    const CAtlRegExpProgram* m_program;
    int m_slots;
    ThreadList m_lists[2];
    std::vector<Frame> m_stack;
    std::vector<const wchar_t*> m_start;
    std::vector<const wchar_t*> m_result;
};
