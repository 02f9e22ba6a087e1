#include "framework/ole/COleException.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/text/CString.h"

IMPLEMENT_DYNAMIC(COleException, CException)

SCODE COleException::Process(const CException* pException)
{
    if (pException == nullptr)
        return E_UNEXPECTED;
    if (pException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pException)->m_sc;
    if (pException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pException->IsKindOf(RUNTIME_CLASS(CInvalidArgException)))
        return E_INVALIDARG;
    if (pException->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    LPWSTR systemText = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(m_sc), 0, reinterpret_cast<LPWSTR>(&systemText), 0, nullptr);
    CString message;
    if (length > 0 && systemText != nullptr) {
        message = systemText;
        message.TrimRight();
    } else {
        message.Format(L"OLE-Fehler 0x%08X", static_cast<unsigned>(m_sc));
    }
    if (systemText != nullptr)
        LocalFree(systemText);
    return CopyMessage(message, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}
