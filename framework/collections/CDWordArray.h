// Growable array of 32-bit unsigned values.
#pragma once
#include "framework/collections/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)

public:
    CDWordArray() = default;
};
