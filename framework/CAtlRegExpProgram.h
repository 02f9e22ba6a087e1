// A compiled pattern: the instructions of a matching automaton with
// prioritised branches, its character sets, and what the automaton needs to
// find quickly where a match may begin.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/CAtlRegExpCharSet.h"

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
        OP_MATCH   // the whole pattern matched
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

    // Whether a consuming instruction accepts the character.
    bool Accepts(const Instruction& instruction, wchar_t ch) const
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

    // First position at or after p where a match may begin, NULL when none
    // (the text ends at its terminating zero). Without a usable start
    // condition every position qualifies.
    const wchar_t* FindStart(const wchar_t* p) const;
    bool MayStartAt(const wchar_t* p) const;

private:
    static bool FoldedEquals(wchar_t input, wchar_t folded);
    void AnalyseStart();
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
};
