// One image of the image manager: an icon or a 32-bit bitmap with straight
// alpha, plus a premultiplied copy of it made on first alpha drawing.
#pragma once
#include <windows.h>

#include "framework/gdi/CSize.h"

class CArchive;

class CXTPImageManagerIconHandle
{
public:
    // Empty; owns what it will be given.
    CXTPImageManagerIconHandle();
    // These hold the handle without owning it.
    CXTPImageManagerIconHandle(HICON hIcon);
    CXTPImageManagerIconHandle(HBITMAP hBitmap);
    // The same icon and bitmap handles, not owned, without the cached copy.
    CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& handle);
    CXTPImageManagerIconHandle& operator=(const CXTPImageManagerIconHandle&) = delete;
    ~CXTPImageManagerIconHandle();

    BOOL IsEmpty() const;
    BOOL IsAlpha() const { return m_hBitmap != nullptr; }
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    // The premultiplied copy, once PreMultiply made it.
    HBITMAP GetPreMultipliedBitmap() const { return m_hPreMultiplied; }
    CSize GetExtent() const;

    // Clear, then hold and own.
    void AttachIcon(HICON hIcon);
    void AttachBitmap(HBITMAP hBitmap);
    // Clear, then own copies of the other's images.
    void CopyHandle(const CXTPImageManagerIconHandle& handle);
    void CopyBitmap(HBITMAP hBitmap);
    void Clear();
    // Makes the premultiplied copy once; TRUE when it exists.
    BOOL PreMultiply();
    // From the current resource module: a group of icons (fromGroup, the
    // entry of that size) or one icon image. A 32-bit image becomes an
    // alpha bitmap, any other an icon.
    // Two bitmap blocks (XTPImageManagerPersistIconHandle.cpp).
    void Serialize(CArchive& ar);
    BOOL LoadIconResource(UINT nIDResource, int cx, int cy, BOOL bFromGroup);

private:
    BOOL LoadIconImage(HMODULE hModule, UINT nIDImage, int cx, int cy);

    HICON m_hIcon = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HBITMAP m_hPreMultiplied = nullptr;
    BOOL m_bOwned = TRUE;
};
