#include "framework/core/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CNotSupportedException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(L"Der Vorgang wird nicht unterst\u00fctzt.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
