// Makes an allocation through operator new fail on demand, on the calling
// thread only: memory shortage at a chosen point, without exhausting memory.
#pragma once

#include <cstddef>

// The n-th allocation (from 1) of this thread from now on fails, unless the
// scope has ended before.
class CFailingAllocations
{
public:
    explicit CFailingAllocations(int nFirstFailing);
    ~CFailingAllocations();
    CFailingAllocations(const CFailingAllocations&) = delete;
    CFailingAllocations& operator=(const CFailingAllocations&) = delete;

    // Whether an allocation was refused in this scope so far.
    bool Refused() const;
};
