// Hash map from string to string (case-sensitive).
#pragma once
#include "framework/collections/CMap.h"
#include "framework/text/CString.h"

class CMapStringToString : public CMap<CString, LPCWSTR, CString, LPCWSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)

public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCWSTR, CString, LPCWSTR>(nBlockSize)
    {
    }
};
