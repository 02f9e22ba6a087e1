// Hash map from pointer to pointer (owns neither).
#pragma once
#include "framework/collections/CMap.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)

public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10)
        : CMap<void*, void*, void*, void*>(nBlockSize)
    {
    }
};
