// Hash map from 16-bit value to pointer (not owned).
#pragma once
#include "framework/collections/CMap.h"

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)

public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10)
        : CMap<WORD, WORD, void*, void*>(nBlockSize)
    {
    }
};
