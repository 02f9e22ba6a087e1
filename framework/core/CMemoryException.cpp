#include "framework/core/CMemoryException.h"

#include <new>

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(L"Nicht gen\u00fcgend Arbeitsspeicher.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowMemoryException()
{
    // Allocating the exception itself may fail when memory is short; a
    // static one that Delete() leaves alone stands in then.
    static CMemoryException reserve(FALSE);
    CMemoryException* e = new (std::nothrow) CMemoryException;
    if (e == nullptr)
        e = &reserve;
    throw e;
}
