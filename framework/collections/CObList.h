// Linked list of object pointers (the list does not own the objects).
#pragma once
#include "framework/collections/CList.h"

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObList)

public:
    explicit CObList(INT_PTR nBlockSize = 10)
        : CList<CObject*, CObject*>(nBlockSize)
    {
    }
};
