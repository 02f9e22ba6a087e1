// Growable array of bytes.
#pragma once
#include "framework/collections/CArray.h"

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_DYNAMIC(CByteArray)

public:
    CByteArray() = default;
};
