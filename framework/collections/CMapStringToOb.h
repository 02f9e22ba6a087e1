// Hash map from string (case-sensitive) to object pointer (not owned).
#pragma once
#include "framework/collections/CMap.h"
#include "framework/text/CString.h"

class CMapStringToOb : public CMap<CString, LPCWSTR, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)

public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCWSTR, CObject*, CObject*>(nBlockSize)
    {
    }
};
