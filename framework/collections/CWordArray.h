// Growable array of 16-bit unsigned values.
#pragma once
#include "framework/collections/CArray.h"

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)

public:
    CWordArray() = default;
};
