// Linked list of untyped pointers (the list does not own them).
#pragma once
#include "framework/collections/CList.h"

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)

public:
    explicit CPtrList(INT_PTR nBlockSize = 10)
        : CList<void*, void*>(nBlockSize)
    {
    }
};
