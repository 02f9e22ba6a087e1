// Thrown for a failed COM/OLE call; carries the status code.
#pragma once
#include "framework/core/CException.h"

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)

public:
    explicit COleException(SCODE sc = E_FAIL, BOOL bAutoDelete = TRUE)
        : CException(bAutoDelete)
        , m_sc(sc)
    {
    }

    // The status code of any framework exception (E_OUTOFMEMORY for memory,
    // E_INVALIDARG for arguments, E_NOTIMPL for unsupported operations).
    static SCODE Process(const CException* pException);

    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    SCODE m_sc;
};

[[noreturn]] void AfxThrowOleException(SCODE sc);
