// Thrown when memory runs out.
#pragma once
#include "framework/core/CException.h"

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)

public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
    {
    }

    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowMemoryException();
