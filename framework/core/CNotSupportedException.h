// Thrown for an operation the object does not support.
#pragma once
#include "framework/core/CException.h"

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)

public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
    {
    }

    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowNotSupportedException();
