// Growable array of unsigned integers.
#pragma once
#include "framework/collections/CArray.h"

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)

public:
    CUIntArray() = default;
};
