// Thrown when a system resource (handle, resource data) cannot be had.
#pragma once
#include "framework/core/CException.h"

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)

public:
    explicit CResourceException(BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
    {
    }

    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowResourceException();
