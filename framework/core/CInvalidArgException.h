// Thrown for an argument outside its valid range, such as an array index.
#pragma once
#include "framework/core/CException.h"

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)

public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
    {
    }

    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowInvalidArgException();
