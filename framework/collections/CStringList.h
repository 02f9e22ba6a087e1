// Linked list of strings.
#pragma once
#include "framework/collections/CList.h"
#include "framework/text/CString.h"

class CStringList : public CList<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringList)

public:
    explicit CStringList(INT_PTR nBlockSize = 10)
        : CList<CString, const CString&>(nBlockSize)
    {
    }
};
