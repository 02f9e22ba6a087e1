// Growable array of 16-bit unsigned values.
#pragma once
#include "framework/CArray.h"

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)

public:
    CWordArray() = default;
};
