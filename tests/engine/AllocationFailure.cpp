#include "AllocationFailure.h"

#include <cstdlib>
#include <new>

namespace {

// 0: not armed; otherwise allocations left up to the failing one.
thread_local int t_nLeft = 0;
thread_local bool t_bRefused = false;

void* Allocate(std::size_t nBytes)
{
    if (t_nLeft > 0 && --t_nLeft == 0)
    {
        t_bRefused = true;
        return nullptr;
    }
    return std::malloc(nBytes ? nBytes : 1);
}

} // namespace

CFailingAllocations::CFailingAllocations(int nFirstFailing)
{
    t_nLeft = nFirstFailing;
    t_bRefused = false;
}

CFailingAllocations::~CFailingAllocations()
{
    t_nLeft = 0;
}

bool CFailingAllocations::Refused() const
{
    return t_bRefused;
}

// The program's allocation functions; freeing stays with the library's
// operator delete, which releases with free().
void* operator new(std::size_t nBytes)
{
    if (void* p = Allocate(nBytes))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t nBytes)
{
    return operator new(nBytes);
}

void* operator new(std::size_t nBytes, const std::nothrow_t&) noexcept
{
    return Allocate(nBytes);
}

void* operator new[](std::size_t nBytes, const std::nothrow_t&) noexcept
{
    return Allocate(nBytes);
}
