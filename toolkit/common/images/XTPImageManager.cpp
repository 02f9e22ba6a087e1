#include "toolkit/common/images/XTPImageManager.h"

#include <vector>

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CImageList.h"
#include "framework/core/ModuleState.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/images/XTPImageManagerImageList.h"

namespace {

// The toolbar resource type.
LPCTSTR const RT_XTP_TOOLBAR = MAKEINTRESOURCEW(241);

// Whether entry i of a load takes an image: a zero id is a separator only
// when ids are given and the number of images differs from the count.
bool IsSeparator(const UINT* pCommands, int i, int nImages, int nCount)
{
    return pCommands != nullptr && nImages != nCount && pCommands[i] == 0;
}

} // namespace

CXTPImageManager::CXTPImageManager()
    : m_mapImages(10)
{
    m_hMsImg32 = ::LoadLibraryW(L"msimg32.dll");
    if (m_hMsImg32 != nullptr)
    {
        m_pfnAlphaBlend = reinterpret_cast<PFNALPHABLEND>(::GetProcAddress(m_hMsImg32, "AlphaBlend"));
        m_pfnTransparentBlt = reinterpret_cast<PFNTRANSPARENTBLT>(::GetProcAddress(m_hMsImg32, "TransparentBlt"));
    }
}

CXTPImageManager::~CXTPImageManager()
{
    RemoveAll();
    if (m_hMsImg32 != nullptr)
        ::FreeLibrary(m_hMsImg32);
}

COLORREF CXTPImageManager::SetMaskColor(COLORREF clrMask)
{
    COLORREF clrOld = m_clrMask;
    m_clrMask = clrMask;
    return clrOld;
}

BOOL CXTPImageManager::SetIcon(CXTPImageManagerIconHandle hIcon, UINT nCommand, CSize szIcon, int nState)
{
    if (hIcon.IsEmpty())
        return FALSE;
    // A bitmap of another depth than 32 bits is stored as an opaque 32-bit
    // copy, as the other sources' images are; one that cannot be converted
    // is not stored.
    CXTPImageManagerIconHandle hConverted;
    if (hIcon.IsAlpha() && hIcon.GetIcon() == nullptr)
    {
        BITMAP bm = {};
        if (::GetObject(hIcon.GetBitmap(), sizeof(bm), &bm) == 0)
            return FALSE;
        if (bm.bmBitsPixel != 32)
        {
            HBITMAP hCopy = XTPCreateOpaqueAlphaBitmap(hIcon.GetBitmap());
            if (hCopy == nullptr)
                return FALSE;
            hConverted.AttachBitmap(hCopy);
            return SetIcon(hConverted, nCommand, szIcon, nState);
        }
    }
    if (szIcon == CSize(0, 0))
        szIcon = hIcon.GetExtent();
    // Without a width the icon could neither be drawn nor scaled.
    if (szIcon.cx <= 0)
        return FALSE;
    UINT nWidth = static_cast<UINT>(szIcon.cx);

    CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand);
    if (pIconSet != nullptr)
    {
        switch (nState)
        {
        case xtpImageNormal: pIconSet->SetIcon(hIcon, nWidth); break;
        case xtpImageDisabled: pIconSet->SetDisabledIcon(hIcon, nWidth); break;
        case xtpImageHot: pIconSet->SetHotIcon(hIcon, nWidth); break;
        case xtpImageChecked: pIconSet->SetCheckedIcon(hIcon, nWidth); break;
        case xtpImagePressed: pIconSet->SetPressedIcon(hIcon, nWidth); break;
        default: break;
        }
        return TRUE;
    }
    if (nState != xtpImageNormal)
        return FALSE; // a state image needs a normal image first
    pIconSet = new CXTPImageManagerIconSet(nCommand, this);
    pIconSet->SetIcon(hIcon, nWidth);
    m_mapImages.SetAt(nCommand, pIconSet);
    return TRUE;
}

BOOL CXTPImageManager::SetIcons(UINT nIDResourceBitmap, const UINT* pCommands, int nCount, CSize szIcon, int nState)
{
    BOOL bAlpha = IsAlphaBitmapResource(nIDResourceBitmap);
    HBITMAP hBitmap = bAlpha ? LoadAlphaBitmap(nIDResourceBitmap)
                             : ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResourceBitmap));
    if (hBitmap == nullptr)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    BITMAP bm = {};
    if (bitmap.GetBitmap(&bm) == 0)
        return FALSE;
    if (szIcon == CSize(0, 0))
    {
        // Neither a size nor a count: the images cannot be told apart.
        if (nCount <= 0)
            return FALSE;
        szIcon = CSize(bm.bmWidth / nCount, bm.bmHeight);
    }
    if (nCount == 0 && szIcon.cx > 0)
        nCount = bm.bmWidth / szIcon.cx;
    return SetIconsFromBitmap(bitmap, pCommands, nCount, szIcon, nState, bAlpha);
}

BOOL CXTPImageManager::SetIconsFromBitmap(CBitmap& bitmap, const UINT* pCommands, int nCount, CSize szIcon,
                                          int nState, BOOL bAlpha)
{
    if (szIcon.cx <= 0)
        return FALSE;
    BITMAP bm = {};
    if (bitmap.GetSafeHandle() == nullptr || bitmap.GetBitmap(&bm) == 0)
        return FALSE;

    if (!bAlpha)
    {
        CImageList imageList;
        if (!imageList.Create(szIcon.cx, szIcon.cy, ILC_COLOR24 | ILC_MASK, 0, 1))
            return FALSE;
        COLORREF clrMask = m_clrMask != static_cast<COLORREF>(-1) ? m_clrMask
                                                                   : XTPGetBitmapPixel(bitmap, 0, 0);
        imageList.Add(&bitmap, clrMask);
        return SetIconsFromImageList(imageList, pCommands, nCount, szIcon, nState);
    }

    if (bm.bmWidth % szIcon.cx != 0)
        return FALSE;
    int nImages = bm.bmWidth / szIcon.cx;
    if (nImages <= 0)
        return FALSE;
    std::vector<HBITMAP> parts(static_cast<size_t>(nImages), nullptr);
    if (!XTPSplitAlphaBitmap(bitmap, nImages, parts.data()))
        return FALSE;
    int k = 0;
    for (int i = 0; i < nCount && k < nImages; ++i)
    {
        if (IsSeparator(pCommands, i, nImages, nCount))
            continue;
        SetIcon(CXTPImageManagerIconHandle(parts[static_cast<size_t>(k)]),
                pCommands != nullptr ? pCommands[i] : static_cast<UINT>(i), szIcon, nState);
        ++k;
    }
    for (HBITMAP hPart : parts)
        ::DeleteObject(hPart);
    return TRUE;
}

BOOL CXTPImageManager::SetIconsFromImageList(CImageList& imageList, const UINT* pCommands, int nCount, CSize szIcon,
                                             int nState)
{
    if (imageList.GetSafeHandle() == nullptr)
        return FALSE;
    int nImages = imageList.GetImageCount();
    if (pCommands == nullptr && nCount == 0)
        nCount = nImages;
    if (szIcon == CSize(0, 0) && nCount >= 1)
    {
        IMAGEINFO info = {};
        if (imageList.GetImageInfo(0, &info))
            szIcon = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    }
    int k = 0;
    for (int i = 0; i < nCount && k < nImages; ++i)
    {
        if (IsSeparator(pCommands, i, nImages, nCount))
            continue;
        HICON hIcon = ImageList_GetIcon(imageList.GetSafeHandle(), k, 0);
        if (hIcon == nullptr)
            return FALSE;
        SetIcon(CXTPImageManagerIconHandle(hIcon), pCommands != nullptr ? pCommands[i] : static_cast<UINT>(i), szIcon,
                nState);
        ::DestroyIcon(hIcon);
        ++k;
    }
    return TRUE;
}

BOOL CXTPImageManager::SetIconsFromToolBar(UINT nIDResourceToolBar, UINT nIDResourceBitmap, int nState)
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDResourceToolBar), RT_XTP_TOOLBAR);
    if (hRes == nullptr)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    DWORD nSize = ::SizeofResource(hModule, hRes);
    const WORD* pData = hData != nullptr ? static_cast<const WORD*>(::LockResource(hData)) : nullptr;
    if (pData == nullptr || nSize < 4 * sizeof(WORD))
        return FALSE;
    // version, width, height, item count, then the ids
    WORD nItems = pData[3];
    if (nSize < (4 + static_cast<DWORD>(nItems)) * sizeof(WORD))
        return FALSE;
    std::vector<UINT> commands;
    for (WORD i = 0; i < nItems; ++i)
        if (pData[4 + i] != 0)
            commands.push_back(pData[4 + i]);
    // A toolbar without buttons has no images to cut.
    if (commands.empty())
        return FALSE;
    return SetIcons(nIDResourceBitmap, commands.data(), static_cast<int>(commands.size()), CSize(0, 0), nState);
}

BOOL CXTPImageManager::SetIconsFromToolBar(UINT nIDResourceToolBar)
{
    return SetIconsFromToolBar(nIDResourceToolBar, nIDResourceToolBar, xtpImageNormal);
}

UINT CXTPImageManager::AddIconWithNewSet(CXTPImageManagerIconHandle hIcon)
{
    CSize extent = hIcon.GetExtent();
    if (hIcon.IsEmpty() || extent.cx <= 0)
        return 0;
    UINT nCommand = ++m_nNextCommand;
    CXTPImageManagerIconSet* pIconSet = new CXTPImageManagerIconSet(nCommand, this);
    pIconSet->SetIcon(hIcon, static_cast<UINT>(extent.cx));
    m_mapImages.SetAt(nCommand, pIconSet);
    return nCommand;
}

void CXTPImageManager::SetImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroyImageList)
{
    if (hImageList != nullptr)
        m_arrImageList.Add(new CXTPImageManagerImageList(hImageList, nBaseCommand, bDestroyImageList));
}

CXTPImageManagerIconSet* CXTPImageManager::GetIconSet(UINT nCommand) const
{
    CXTPImageManagerIconSet* pIconSet = nullptr;
    return m_mapImages.Lookup(nCommand, pIconSet) ? pIconSet : nullptr;
}

CXTPImageManagerIcon* CXTPImageManager::GetImage(UINT nCommand, int nWidth)
{
    if (CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand))
        return pIconSet->GetIcon(static_cast<UINT>(nWidth), TRUE);
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        if (m_arrImageList[i]->HasCommand(nCommand))
            return m_arrImageList[i]->GetIcon(nCommand);
    return nullptr;
}

BOOL CXTPImageManager::HasExactImage(UINT nCommand, int nWidth)
{
    if (CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand))
    {
        CXTPImageManagerIcon* pIcon = pIconSet->GetIcon(static_cast<UINT>(nWidth), FALSE);
        if (pIcon != nullptr && !pIcon->IsScaled())
            return TRUE;
    }
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        if (m_arrImageList[i]->HasCommand(nCommand))
            return nWidth == 0 || m_arrImageList[i]->GetIconSize().cx == nWidth;
    return FALSE;
}

void CXTPImageManager::RefreshAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nCommand = 0;
        CXTPImageManagerIconSet* pIconSet = nullptr;
        m_mapImages.GetNextAssoc(pos, nCommand, pIconSet);
        pIconSet->RefreshAll();
    }
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        m_arrImageList[i]->RemoveCache();
}

void CXTPImageManager::RemoveAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nCommand = 0;
        CXTPImageManagerIconSet* pIconSet = nullptr;
        m_mapImages.GetNextAssoc(pos, nCommand, pIconSet);
        pIconSet->InternalRelease();
    }
    m_mapImages.RemoveAll();
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        delete m_arrImageList[i];
    m_arrImageList.RemoveAll();
}

BOOL CXTPImageManager::IsAlphaBitmapResource(UINT nIDResourceBitmap)
{
    return XTPIsAlphaBitmapResource(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResourceBitmap));
}

HBITMAP CXTPImageManager::LoadAlphaBitmap(UINT nIDResourceBitmap)
{
    return XTPLoadAlphaBitmapResource(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResourceBitmap));
}

namespace {

// Built during static initialisation, destroyed at exit.
CXTPImageManager g_imageManager;

} // namespace

CXTPImageManager* XTPImageManager()
{
    return &g_imageManager;
}
