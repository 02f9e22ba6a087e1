// An icon's record: height, version, then its user-given images.
#include "toolkit/common/images/XTPImageManagerIcon.h"

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/images/XTPImageManagerPersistBitmap.h"

namespace {

const DWORD ICON_RECORD_VERSION = 17;
// Older records end before the checked image (up to 7) or the pressed image.
const DWORD FIRST_VERSION_WITH_CHECKED = 8;
const DWORD FIRST_VERSION_WITH_PRESSED = 17;

} // namespace

void CXTPImageManagerIcon::Serialize(CArchive& ar)
{
    const ImageIndex stored[] = {imageNormal, imageDisabled, imageHot, imageChecked, imagePressed};
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nHeight);
        ar << ICON_RECORD_VERSION;
        for (ImageIndex index : stored)
            m_images[index].Serialize(ar);
        return;
    }

    DWORD nHeight = 0, nVersion = 0;
    ar >> nHeight;
    ar >> nVersion;
    if (nHeight > static_cast<DWORD>(XTP_BITMAP_BLOCK_MAX_EXTENT))
        AfxThrowArchiveException(CArchiveException::genericException);
    Clear(TRUE);
    m_nHeight = static_cast<int>(nHeight);
    for (ImageIndex index : stored) {
        if (index == imageChecked && nVersion < FIRST_VERSION_WITH_CHECKED)
            continue;
        if (index == imagePressed && nVersion < FIRST_VERSION_WITH_PRESSED)
            continue;
        m_images[index].Serialize(ar);
    }
}
