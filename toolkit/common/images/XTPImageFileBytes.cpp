#include "toolkit/common/images/XTPImageFileBytes.h"

BOOL XTPReadImageFile(LPCWSTR lpszPath, DWORD nMaxSize, std::vector<BYTE>& bytes)
{
    if (lpszPath == nullptr)
        return FALSE;
    HANDLE hFile = ::CreateFileW(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nHigh = 0;
    const DWORD nSize = ::GetFileSize(hFile, &nHigh);
    BOOL bRead = FALSE;
    if (nSize != INVALID_FILE_SIZE && nHigh == 0 && nSize <= nMaxSize) {
        bytes.resize(nSize);
        DWORD nRead = 0;
        bRead = nSize == 0 || (::ReadFile(hFile, bytes.data(), nSize, &nRead, nullptr) && nRead == nSize);
    }
    ::CloseHandle(hFile);
    return bRead;
}
