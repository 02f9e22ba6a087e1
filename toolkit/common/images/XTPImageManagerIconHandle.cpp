#include "toolkit/common/images/XTPImageManagerIconHandle.h"

#include <cstring>

#include "framework/core/ModuleState.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"

namespace {

const BYTE* ResourceData(HMODULE hModule, LPCTSTR lpszName, LPCTSTR lpszType, DWORD& nSize)
{
    HRSRC hRes = ::FindResourceW(hModule, lpszName, lpszType);
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    if (hData == nullptr)
        return nullptr;
    nSize = ::SizeofResource(hModule, hRes);
    return static_cast<const BYTE*>(::LockResource(hData));
}

} // namespace

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle() = default;

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HICON hIcon)
    : m_hIcon(hIcon)
    , m_bOwned(FALSE)
{
}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HBITMAP hBitmap)
    : m_hBitmap(hBitmap)
    , m_bOwned(FALSE)
{
}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& handle)
    : m_hIcon(handle.m_hIcon)
    , m_hBitmap(handle.m_hBitmap)
    , m_bOwned(FALSE)
{
}

CXTPImageManagerIconHandle::~CXTPImageManagerIconHandle()
{
    Clear();
}

BOOL CXTPImageManagerIconHandle::IsEmpty() const
{
    return m_hIcon == nullptr && m_hBitmap == nullptr;
}

CSize CXTPImageManagerIconHandle::GetExtent() const
{
    if (m_hIcon != nullptr)
        return XTPGetIconSize(m_hIcon);
    BITMAP bm = {};
    if (m_hBitmap != nullptr && ::GetObject(m_hBitmap, sizeof(bm), &bm) != 0)
        return CSize(bm.bmWidth, bm.bmHeight);
    return CSize(0, 0);
}

void CXTPImageManagerIconHandle::AttachIcon(HICON hIcon)
{
    Clear();
    m_hIcon = hIcon;
}

void CXTPImageManagerIconHandle::AttachBitmap(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = hBitmap;
}

void CXTPImageManagerIconHandle::CopyHandle(const CXTPImageManagerIconHandle& handle)
{
    if (&handle == this)
        return;
    HICON hIcon = handle.m_hIcon != nullptr ? ::CopyIcon(handle.m_hIcon) : nullptr;
    HBITMAP hBitmap = handle.m_hBitmap != nullptr ? XTPCopyAlphaBitmap(handle.m_hBitmap) : nullptr;
    Clear();
    m_hIcon = hIcon;
    m_hBitmap = hBitmap;
}

void CXTPImageManagerIconHandle::CopyBitmap(HBITMAP hBitmap)
{
    HBITMAP hCopy = XTPCopyAlphaBitmap(hBitmap);
    Clear();
    m_hBitmap = hCopy;
}

void CXTPImageManagerIconHandle::Clear()
{
    if (m_bOwned)
    {
        if (m_hIcon != nullptr)
            ::DestroyIcon(m_hIcon);
        if (m_hBitmap != nullptr)
            ::DeleteObject(m_hBitmap);
    }
    if (m_hPreMultiplied != nullptr)
        ::DeleteObject(m_hPreMultiplied);
    m_hIcon = nullptr;
    m_hBitmap = nullptr;
    m_hPreMultiplied = nullptr;
    m_bOwned = TRUE;
}

BOOL CXTPImageManagerIconHandle::PreMultiply()
{
    if (m_hPreMultiplied != nullptr)
        return TRUE;
    if (m_hBitmap != nullptr)
    {
        m_hPreMultiplied = XTPPreMultiplyAlphaBitmap(m_hBitmap);
    }
    else if (m_hIcon != nullptr)
    {
        ICONINFO info = {};
        if (::GetIconInfo(m_hIcon, &info))
        {
            if (info.hbmColor != nullptr)
                m_hPreMultiplied = XTPPreMultiplyAlphaBitmap(info.hbmColor);
            if (info.hbmColor != nullptr)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask != nullptr)
                ::DeleteObject(info.hbmMask);
        }
    }
    return m_hPreMultiplied != nullptr;
}

BOOL CXTPImageManagerIconHandle::LoadIconResource(UINT nIDResource, int cx, int cy, BOOL bFromGroup)
{
    HMODULE hModule = AfxGetResourceHandle();
    if (!bFromGroup)
        return LoadIconImage(hModule, nIDResource, cx, cy);

    DWORD nSize = 0;
    const BYTE* pData = ResourceData(hModule, MAKEINTRESOURCEW(nIDResource), RT_GROUP_ICON, nSize);
    if (pData == nullptr || nSize < sizeof(XTP_ICONDIR))
        return FALSE;
    const XTP_ICONDIR* pDir = reinterpret_cast<const XTP_ICONDIR*>(pData);
    int nCount = pDir->idCount;
    if (sizeof(XTP_ICONDIR) + static_cast<size_t>(nCount) * sizeof(XTP_ICONGROUPENTRY) > nSize)
        return FALSE;
    const XTP_ICONGROUPENTRY* pEntries = reinterpret_cast<const XTP_ICONGROUPENTRY*>(pData + sizeof(XTP_ICONDIR));
    for (int i = nCount - 1; i >= 0; --i)
    {
        if (pEntries[i].bWidth == cx && pEntries[i].bHeight == cy &&
            LoadIconImage(hModule, pEntries[i].nID, cx, cy))
            return TRUE;
    }
    return FALSE;
}

BOOL CXTPImageManagerIconHandle::LoadIconImage(HMODULE hModule, UINT nIDImage, int cx, int cy)
{
    DWORD nSize = 0;
    const BYTE* pData = ResourceData(hModule, MAKEINTRESOURCEW(nIDImage), RT_ICON, nSize);
    if (pData == nullptr || nSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, pData, sizeof(bih));
    if (bih.biBitCount == 32)
    {
        // The stored height covers the colour image and the mask.
        bih.biHeight /= 2;
        if (bih.biWidth <= 0 || bih.biHeight <= 0)
            return FALSE;
        DWORD nPixelBytes = static_cast<DWORD>(bih.biWidth) * bih.biHeight * 4;
        if (nSize < bih.biSize + nPixelBytes)
            return FALSE;
        bih.biSizeImage = nPixelBytes;
        void* pBits = nullptr;
        HBITMAP hBitmap =
            ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &pBits, nullptr, 0);
        if (hBitmap == nullptr)
            return FALSE;
        std::memcpy(pBits, pData + bih.biSize, nPixelBytes);
        AttachBitmap(hBitmap);
    }
    else
    {
        HICON hIcon = ::CreateIconFromResourceEx(const_cast<BYTE*>(pData), nSize, TRUE, 0x30000, cx, cy, 0);
        if (hIcon != nullptr)
            AttachIcon(hIcon);
    }
    return !IsEmpty();
}
