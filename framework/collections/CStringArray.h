// Growable array of strings.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/text/CString.h"

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)

public:
    CStringArray() = default;
};
