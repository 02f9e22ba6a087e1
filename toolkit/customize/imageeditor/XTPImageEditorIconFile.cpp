#include "toolkit/customize/imageeditor/XTPImageEditorIconFile.h"

#include <cstring>
#include <vector>

#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageFileBytes.h"

BOOL XTPIsSoundIconFile(LPCWSTR lpszPath)
{
    std::vector<BYTE> file;
    if (!XTPReadImageFile(lpszPath, XTP_MAX_ICON_FILE_SIZE, file) || file.size() < sizeof(XTP_ICONDIR))
        return FALSE;
    XTP_ICONDIR dir;
    std::memcpy(&dir, file.data(), sizeof(dir));
    const ULONGLONG nDirectoryEnd = sizeof(XTP_ICONDIR) + static_cast<ULONGLONG>(dir.idCount) * sizeof(XTP_ICONFILEENTRY);
    if (dir.idReserved != 0 || dir.idType != 1 || dir.idCount == 0 || nDirectoryEnd > file.size())
        return FALSE;
    for (WORD i = 0; i < dir.idCount; i++) {
        XTP_ICONFILEENTRY entry;
        std::memcpy(&entry, file.data() + sizeof(XTP_ICONDIR) + static_cast<size_t>(i) * sizeof(entry), sizeof(entry));
        const ULONGLONG nEnd = static_cast<ULONGLONG>(entry.dwImageOffset) + entry.dwBytesInRes;
        if (entry.dwBytesInRes < sizeof(BITMAPINFOHEADER) || entry.dwImageOffset < nDirectoryEnd || nEnd > file.size())
            return FALSE;
    }
    return TRUE;
}
