// Hash map from string (case-sensitive) to pointer (not owned).
#pragma once
#include "framework/collections/CMap.h"
#include "framework/text/CString.h"

class CMapStringToPtr : public CMap<CString, LPCWSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)

public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCWSTR, void*, void*>(nBlockSize)
    {
    }
};
