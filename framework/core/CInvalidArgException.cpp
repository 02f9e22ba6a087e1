#include "framework/core/CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

BOOL CInvalidArgException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(L"Ung\u00fcltiges Argument.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
