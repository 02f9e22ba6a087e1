// Thrown to stop an operation after the user was already told why (a data
// validation that showed its message); catchers report nothing further.
#pragma once
#include "framework/core/CException.h"

class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)

public:
    explicit CUserException(BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
    {
    }
};

[[noreturn]] void AfxThrowUserException();
