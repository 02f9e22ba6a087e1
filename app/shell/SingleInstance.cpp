#include "app/shell/SingleInstance.h"

#include <vector>

volatile DWORD SharedMainWindow __attribute__((section(".shared"), shared)) = 0;

namespace {
const wchar_t PRODUCT_NAME[] = L"Tavrolin";
}

CString FormatSingleInstanceMutexName(LONG nHighPart, DWORD dwLowPart)
{
    CString strName;
    strName.Format(L"%s-%08x%08x", PRODUCT_NAME, (DWORD)nHighPart, dwLowPart);
    return strName;
}

CString BuildSingleInstanceMutexName()
{
    HANDLE hToken = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return PRODUCT_NAME;
    CString strName = PRODUCT_NAME;
    DWORD cbNeeded = 0;
    ::GetTokenInformation(hToken, TokenStatistics, nullptr, 0, &cbNeeded);
    if (cbNeeded >= sizeof(TOKEN_STATISTICS))
    {
        std::vector<BYTE> buffer(cbNeeded);
        if (::GetTokenInformation(hToken, TokenStatistics, buffer.data(), cbNeeded, &cbNeeded))
        {
            const TOKEN_STATISTICS* pStatistics = reinterpret_cast<const TOKEN_STATISTICS*>(buffer.data());
            strName = FormatSingleInstanceMutexName(pStatistics->AuthenticationId.HighPart,
                                                    pStatistics->AuthenticationId.LowPart);
        }
    }
    ::CloseHandle(hToken);
    return strName;
}

HWND GetSharedMainWindow()
{
    return (HWND)(UINT_PTR)SharedMainWindow;
}

void SetSharedMainWindow(HWND hWnd)
{
    SharedMainWindow = (DWORD)(UINT_PTR)hWnd;
}
