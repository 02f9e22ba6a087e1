// A compiled pattern: the instructions of a matching automaton with
// prioritised branches, its character sets, and what the automaton needs to
// find quickly where a match may begin.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "framework/regex/CAtlRegExpCharSet.h"

class CAtlRegExpProgram
{
public:
    enum Opcode
    {
        OP_CHAR,   // one character (or its case partner)
        OP_ANY,    // any character
        OP_SET,    // a member of m_sets[arg]
        OP_SPLIT,  // continue at x, else (lower priority) at y
        OP_JUMP,   // continue at x
        OP_SAVE,   // record the position in capture slot arg
        OP_MATCH,  // the whole pattern matched
        OP_NOP     // room the compiler keeps for a branch; never in a finished program
    };

    struct Instruction
    {
        Opcode op;
        wchar_t ch;     // OP_CHAR: the character, case-folded when case is ignored
        wchar_t chAlt;  // OP_CHAR: its other case (== ch when case matters)
        bool foldOther; // OP_CHAR: non-ASCII input must be folded before comparing
        int arg;        // OP_SET: set index; OP_SAVE: slot
        int x;          // OP_SPLIT/OP_JUMP: preferred target
        int y;          // OP_SPLIT: other target
        unsigned ascii[4]; // consuming instructions: the ASCII characters accepted
    };

    // One thread the branches that consume nothing lead to from some
    // instruction: the consuming instruction reached and the capture slots
    // set on the way (they all take the position where the branches start).
    struct ClosureStep
    {
        int target;
        int saveBegin; // range in SaveSlot()
        int saveEnd;
    };

    CAtlRegExpProgram();

    void Clear();
    // Takes the instructions and sets (jump targets absolute) and prepares
    // the start search.
    void Assign(std::vector<Instruction>& code, std::vector<CAtlRegExpCharSet>& sets, unsigned groupCount);

    bool IsEmpty() const { return m_code.empty(); }
    unsigned GroupCount() const { return m_groupCount; }
    // Capture slots: start and end of the whole match, then of each group.
    int SlotCount() const { return 2 * int(m_groupCount + 1); }
    int Size() const { return int(m_code.size()); }
    const Instruction& At(int pc) const { return m_code[pc]; }

    // Whether a consuming instruction accepts the character (never called
    // with the terminating zero).
    bool Accepts(const Instruction& instruction, wchar_t ch) const
    {
        if (ch < 128)
            return (instruction.ascii[ch >> 5] >> (ch & 31)) & 1;
        return AcceptsOther(instruction, ch);
    }

    // The threads reached from pc without consuming, in priority order, as
    // [*begin, *end) of Step(). False when they were not worked out in
    // advance (a pattern too large for that); the caller then follows the
    // branches itself. Defined for 0 and for the instruction after every
    // consuming one.
    bool Closure(int pc, int* begin, int* end) const
    {
        if (m_closures.empty())
            return false;
        *begin = m_closures[pc].first;
        *end = m_closures[pc].second;
        return true;
    }
    const ClosureStep& Step(int index) const { return m_steps[index]; }
    int SaveSlot(int index) const { return m_saveSlots[index]; }

    // First position at or after p where a match may begin, NULL when none
    // (the text ends at its terminating zero). Without a usable start
    // condition every position qualifies.
    const wchar_t* FindStart(const wchar_t* p) const;
    bool MayStartAt(const wchar_t* p) const;

    // Beyond these sizes the branches are followed while searching.
    enum
    {
        MAX_CLOSURE_PROGRAM = 4096,
        MAX_CLOSURE_ENTRIES = 1 << 16
    };

private:
    bool AcceptsOther(const Instruction& instruction, wchar_t ch) const
    {
        switch (instruction.op)
        {
        case OP_CHAR:
            if (ch == instruction.ch || ch == instruction.chAlt)
                return true;
            return instruction.foldOther && ch >= 128 && FoldedEquals(ch, instruction.ch);
        case OP_ANY:
            return true;
        case OP_SET:
            return m_sets[instruction.arg].Contains(ch);
        default:
            return false;
        }
    }

    static bool FoldedEquals(wchar_t input, wchar_t folded);
    void BuildAsciiTables();
    void AnalyseStart();
    void BuildClosures();
    bool AddClosure(int pc, std::vector<char>& seen, std::vector<int>& path,
                    std::vector<std::pair<int, int> >& stack);
    bool PrefixAt(const wchar_t* p) const;

    std::vector<Instruction> m_code;
    std::vector<CAtlRegExpCharSet> m_sets;
    unsigned m_groupCount;

    // Start condition: a match must begin with an ASCII character of this
    // table (or with any non-ASCII one when m_startOther), followed by the
    // rest of m_prefix. Off when the pattern can match the empty text or
    // can begin with any character.
    bool m_hasStart;
    bool m_startOther;
    unsigned m_startAscii[4];
    std::vector<Instruction> m_prefix;

    // Worked-out branches, indexed by instruction; empty when too large.
    std::vector<std::pair<int, int> > m_closures;
    std::vector<ClosureStep> m_steps;
    std::vector<int> m_saveSlots;
};
