// An image as two bitmap blocks: an alpha bitmap and an empty block, an
// icon's colour and mask bitmaps, or two empty blocks.
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

#include <commctrl.h>

#include <cstdlib>

#include "framework/files/CArchive.h"
#include "toolkit/common/images/XTPImageManagerPersistBitmap.h"

namespace {

// Deletes the bitmaps of a block pair unless they were handed on.
struct XTP_BITMAP_PAIR
{
    HBITMAP hFirst = nullptr;
    HBITMAP hSecond = nullptr;

    ~XTP_BITMAP_PAIR()
    {
        if (hFirst)
            ::DeleteObject(hFirst);
        if (hSecond)
            ::DeleteObject(hSecond);
    }
};

HICON IconFromColorAndMask(HBITMAP hColor, HBITMAP hMask)
{
    BITMAP bm = {};
    if (!::GetObjectW(hColor, sizeof(bm), &bm))
        return nullptr;
    HIMAGELIST hImageList = ::ImageList_Create(bm.bmWidth, std::abs(bm.bmHeight), ILC_COLOR24 | ILC_MASK, 1, 1);
    if (!hImageList)
        return nullptr;
    HICON hIcon = nullptr;
    if (::ImageList_Add(hImageList, hColor, hMask) == 0)
        hIcon = ::ImageList_GetIcon(hImageList, 0, ILD_NORMAL);
    ::ImageList_Destroy(hImageList);
    return hIcon;
}

} // namespace

void CXTPImageManagerIconHandle::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (m_hBitmap) {
            XTPWriteBitmapBlock(ar, m_hBitmap);
            XTPWriteBitmapBlock(ar, nullptr);
            return;
        }
        ICONINFO info = {};
        if (!m_hIcon || !::GetIconInfo(m_hIcon, &info) || !info.hbmColor) {
            // Monochrome icons (no colour bitmap) and unreadable ones store
            // as no image.
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
            XTPWriteBitmapBlock(ar, nullptr);
            XTPWriteBitmapBlock(ar, nullptr);
            return;
        }
        XTPWriteBitmapBlock(ar, info.hbmColor);
        XTPWriteBitmapBlock(ar, info.hbmMask);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return;
    }

    Clear();
    XTP_BITMAP_PAIR pair;
    pair.hFirst = XTPReadBitmapBlock(ar);
    pair.hSecond = XTPReadBitmapBlock(ar);
    if (!pair.hFirst)
        return;
    if (!pair.hSecond) {
        AttachBitmap(pair.hFirst);
        pair.hFirst = nullptr;
        return;
    }
    HICON hIcon = IconFromColorAndMask(pair.hFirst, pair.hSecond);
    if (hIcon)
        AttachIcon(hIcon);
}
