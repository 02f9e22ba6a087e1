#include "toolkit/customize/XTPCustomizeButtonImage.h"

#include <commctrl.h>
#include <ole2.h>

#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"
#include "toolkit/common/images/XTPImageManagerPersist.h"

namespace
{
// A plain image drawn onto the button face, as big as the icon.
HBITMAP DrawOnFace(CXTPImageManagerIcon* pIcon)
{
    const int cx = pIcon->GetWidth(), cy = pIcon->GetHeight();
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap == nullptr || hDC == nullptr) {
        if (hDC != nullptr)
            ::DeleteDC(hDC);
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, cx, cy};
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawStateW(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(pIcon->GetIcon().GetIcon()), 0, 0, 0, cx, cy,
                 DST_ICON | DSS_NORMAL);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}

// A masked icon from a plain bitmap: the face colour becomes transparent.
HICON MaskedIconOf(HBITMAP hBitmap, const BITMAP& bm)
{
    // The image list writes its mask into the bitmap it adds: work on a copy.
    HBITMAP hCopy = static_cast<HBITMAP>(::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0));
    if (hCopy == nullptr)
        return nullptr;
    HICON hIcon = nullptr;
    if (HIMAGELIST hList = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0)) {
        if (::ImageList_AddMasked(hList, hCopy, ::GetSysColor(COLOR_BTNFACE)) == 0)
            hIcon = ::ImageList_GetIcon(hList, 0, ILD_NORMAL);
        ::ImageList_Destroy(hList);
    }
    ::DeleteObject(hCopy);
    return hIcon;
}

UINT PasteIconData(CXTPImageManager* pImageManager)
{
    IDataObject* pDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&pDataObject)) || pDataObject == nullptr)
        return 0;
    UINT nId = pImageManager->PasteFromClipboard(pDataObject);
    pDataObject->Release();
    return nId;
}

UINT PasteBitmap(HWND hWndOwner, CXTPImageManager* pImageManager)
{
    if (!::OpenClipboard(hWndOwner))
        return 0;
    UINT nId = 0;
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    BITMAP bm = {};
    // Sizes beyond a button image are refused rather than handed on.
    if (hBitmap != nullptr && ::GetObjectW(hBitmap, sizeof(bm), &bm) == sizeof(bm) && bm.bmWidth > 0 &&
        bm.bmHeight > 0 && bm.bmWidth <= 256 && bm.bmHeight <= 256) {
        const BOOL bMarked = ::IsClipboardFormatAvailable(XTPGetImageClipboardFormat());
        if (XTPIsAlphaClipboardBitmap(hBitmap, bMarked)) {
            CXTPImageManagerIconHandle handle;
            handle.CopyBitmap(hBitmap);
            if (!handle.IsEmpty())
                nId = pImageManager->AddIconWithNewSet(handle);
        } else if (HICON hIcon = MaskedIconOf(hBitmap, bm)) {
            nId = pImageManager->AddIconWithNewSet(CXTPImageManagerIconHandle(hIcon));
            ::DestroyIcon(hIcon);
        }
    }
    ::CloseClipboard();
    return nId;
}
} // namespace

BOOL XTPIsAlphaClipboardBitmap(HBITMAP hBitmap, BOOL bMarked)
{
    BITMAP bm = {};
    return bMarked && hBitmap != nullptr && ::GetObjectW(hBitmap, sizeof(bm), &bm) == sizeof(bm) &&
           bm.bmBitsPixel == 32;
}

BOOL XTPCopyButtonImage(HWND hWndOwner, CXTPImageManager* pImageManager, UINT nImageId)
{
    CXTPImageManagerIcon* pIcon = pImageManager->GetImage(nImageId, 16);
    if (pIcon == nullptr)
        return FALSE;
    const BOOL bAlpha = pIcon->IsAlphaIcon();
    HBITMAP hBitmap = bAlpha ? XTPCopyAlphaBitmap(pIcon->GetIcon().GetBitmap()) : DrawOnFace(pIcon);
    if (hBitmap == nullptr)
        return FALSE;
    if (!::OpenClipboard(hWndOwner)) {
        ::DeleteObject(hBitmap);
        return FALSE;
    }
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_BITMAP, hBitmap))
        ::DeleteObject(hBitmap);
    if (bAlpha) {
        if (HGLOBAL hMarker = ::GlobalAlloc(GMEM_MOVEABLE, 1)) {
            if (!::SetClipboardData(XTPGetImageClipboardFormat(), hMarker))
                ::GlobalFree(hMarker);
        }
    }
    if (pImageManager->GetIconSet(nImageId) != nullptr)
        pImageManager->CopyToClipboard(nImageId);
    ::CloseClipboard();
    return TRUE;
}

UINT XTPPasteButtonImage(HWND hWndOwner, CXTPImageManager* pImageManager)
{
    // The icon data first; a bare marker under the same name holds none.
    if (::IsClipboardFormatAvailable(XTPGetImageClipboardFormat())) {
        if (UINT nId = PasteIconData(pImageManager))
            return nId;
    }
    return PasteBitmap(hWndOwner, pImageManager);
}
