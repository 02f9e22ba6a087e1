#include "framework/core/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(L"Eine Systemressource ist nicht verf\u00fcgbar.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}
