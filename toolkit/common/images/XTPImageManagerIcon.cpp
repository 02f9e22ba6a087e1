#include "toolkit/common/images/XTPImageManagerIcon.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/images/XTPImageBlit.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/images/XTPImageManagerImageList.h"
#include "toolkit/common/images/XTPImagePixels.h"
#include "toolkit/common/images/XTPImageShrink.h"

namespace {

// A copy of the icon in which every opaque pixel (mask 0) of the colour
// image went through the transformation; null when the icon cannot be read.
template <class Transform>
HICON TransformIconPixels(HICON hIcon, Transform transform)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return nullptr;
    BITMAP bm = {};
    if (info.hbmColor != nullptr && info.hbmMask != nullptr && ::GetObject(info.hbmColor, sizeof(bm), &bm) != 0)
    {
        HDC hColor = ::CreateCompatibleDC(nullptr);
        HDC hMask = ::CreateCompatibleDC(nullptr);
        if (hColor != nullptr && hMask != nullptr)
        {
            HGDIOBJ hOldColor = ::SelectObject(hColor, info.hbmColor);
            HGDIOBJ hOldMask = ::SelectObject(hMask, info.hbmMask);
            for (int y = 0; y < bm.bmHeight; ++y)
                for (int x = 0; x < bm.bmWidth; ++x)
                    if (::GetPixel(hMask, x, y) == RGB(0, 0, 0))
                        ::SetPixel(hColor, x, y, transform(::GetPixel(hColor, x, y)));
            ::SelectObject(hColor, hOldColor);
            ::SelectObject(hMask, hOldMask);
        }
        if (hColor != nullptr)
            ::DeleteDC(hColor);
        if (hMask != nullptr)
            ::DeleteDC(hMask);
    }
    HICON hResult = ::CreateIconIndirect(&info);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    return hResult;
}

// A copy of an alpha image with a pass run over its pixels; null on failure.
template <class Pass>
HBITMAP TransformAlphaPixels(HBITMAP hBitmap, Pass pass)
{
    HBITMAP hCopy = XTPCopyAlphaBitmap(hBitmap);
    int nPixels = 0;
    BYTE* pBits = XTPGetDibSectionBits(hCopy, &nPixels);
    if (pBits == nullptr)
    {
        if (hCopy != nullptr)
            ::DeleteObject(hCopy);
        return nullptr;
    }
    pass(pBits, nPixels);
    return hCopy;
}

} // namespace

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerIconSet* pIconSet)
    : m_nID(nID)
    , m_nWidth(nWidth)
    , m_nHeight(nHeight)
    , m_pIconSet(pIconSet)
{
}

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerImageList* pImageList)
    : m_nID(nID)
    , m_nWidth(nWidth)
    , m_nHeight(nHeight)
    , m_pImageList(pImageList)
{
}

CXTPImageManagerIcon::~CXTPImageManagerIcon()
{
    Clear(TRUE);
}

CSize CXTPImageManagerIcon::GetExtent() const
{
    return m_images[imageNormal].GetExtent();
}

BOOL CXTPImageManagerIcon::IsAlphaIcon() const
{
    return m_images[imageNormal].IsAlpha();
}

BOOL CXTPImageManagerIcon::HasExtraStateImage() const
{
    return !m_images[imageDisabled].IsEmpty() || !m_images[imageDisabledAuto].IsEmpty();
}

CXTPImageManager* CXTPImageManagerIcon::GetImageManager() const
{
    return m_pIconSet != nullptr ? m_pIconSet->GetImageManager() : XTPImageManager();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetHotIcon()
{
    return m_images[imageHot].IsEmpty() ? m_images[imageNormal] : m_images[imageHot];
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetCheckedIcon()
{
    return m_images[imageChecked].IsEmpty() ? GetHotIcon() : m_images[imageChecked];
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetPressedIcon()
{
    return m_images[imagePressed].IsEmpty() ? GetHotIcon() : m_images[imagePressed];
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetDisabledIcon(BOOL bCreate)
{
    if (!m_images[imageDisabled].IsEmpty())
        return m_images[imageDisabled];
    if (m_images[imageDisabledAuto].IsEmpty() && bCreate)
        CreateDerivedDisabledImage(static_cast<COLORREF>(-1), static_cast<COLORREF>(-1));
    return m_images[imageDisabledAuto];
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetFadedIcon()
{
    if (m_images[imageFaded].IsEmpty())
        CreateFadedIcon();
    return m_images[imageFaded];
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetShadowIcon()
{
    if (m_images[imageShadow].IsEmpty())
        CreateShadowIcon();
    return m_images[imageShadow];
}

void CXTPImageManagerIcon::SetIcon(const CXTPImageManagerIconHandle& hIcon)
{
    // Copy first: the handle may be one of this icon's own images.
    CXTPImageManagerIconHandle copy;
    copy.CopyHandle(hIcon);
    Clear(TRUE);
    m_images[imageNormal].CopyHandle(copy);
    CSize extent = m_images[imageNormal].GetExtent();
    m_nWidth = extent.cx;
    m_nHeight = extent.cy;
    m_bScaled = FALSE;
    if (m_pIconSet != nullptr)
        m_pIconSet->RefreshAll();
}

void CXTPImageManagerIcon::SetStateImage(ImageIndex index, const CXTPImageManagerIconHandle& hIcon)
{
    CXTPImageManagerIconHandle copy;
    copy.CopyHandle(hIcon);
    Refresh();
    m_images[index].CopyHandle(copy);
    // Given to a scaled copy, the image makes it an icon of its own: a
    // refresh would drop the copy and storing would skip it.
    m_bScaled = FALSE;
}

void CXTPImageManagerIcon::SetHotIcon(const CXTPImageManagerIconHandle& hIcon)
{
    SetStateImage(imageHot, hIcon);
}

void CXTPImageManagerIcon::SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon)
{
    SetStateImage(imageChecked, hIcon);
}

void CXTPImageManagerIcon::SetPressedIcon(const CXTPImageManagerIconHandle& hIcon)
{
    SetStateImage(imagePressed, hIcon);
}

void CXTPImageManagerIcon::SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon)
{
    SetStateImage(imageDisabled, hIcon);
}

void CXTPImageManagerIcon::Refresh()
{
    m_images[imageFaded].Clear();
    m_images[imageShadow].Clear();
    m_images[imageDisabledAuto].Clear();
}

void CXTPImageManagerIcon::Clear(BOOL bWithNormal)
{
    for (int i = imageNormal + 1; i < imageCount; ++i)
        m_images[i].Clear();
    if (bWithNormal)
        m_images[imageNormal].Clear();
}

void CXTPImageManagerIcon::CreateFadedIcon()
{
    CXTPImageManagerIconHandle& hNormal = m_images[imageNormal];
    if (hNormal.IsAlpha())
    {
        HBITMAP hFaded = TransformAlphaPixels(hNormal.GetBitmap(), XTPFadePixels);
        if (hFaded != nullptr)
            m_images[imageFaded].AttachBitmap(hFaded);
    }
    else if (hNormal.GetIcon() != nullptr)
    {
        HICON hFaded = XTPIsLowColorDepth(nullptr)
                           ? ::CopyIcon(hNormal.GetIcon())
                           : TransformIconPixels(hNormal.GetIcon(), XTPFadeColor);
        if (hFaded != nullptr)
            m_images[imageFaded].AttachIcon(hFaded);
    }
}

void CXTPImageManagerIcon::CreateShadowIcon()
{
    COLORREF clrShadow = XTPShadowColor(XTPGetColorManager()->GetColor(31));
    CXTPImageManagerIconHandle& hSource = GetHotIcon();
    if (hSource.IsAlpha())
    {
        HBITMAP hShadow = TransformAlphaPixels(
            hSource.GetBitmap(), [clrShadow](BYTE* pBits, int nCount) { XTPShadowPixels(pBits, nCount, clrShadow); });
        if (hShadow != nullptr)
            m_images[imageShadow].AttachBitmap(hShadow);
    }
    else if (hSource.GetIcon() != nullptr)
    {
        HICON hShadow = TransformIconPixels(hSource.GetIcon(), [clrShadow](COLORREF) { return clrShadow; });
        if (hShadow != nullptr)
            m_images[imageShadow].AttachIcon(hShadow);
    }
}

void CXTPImageManagerIcon::CreateDerivedDisabledImage(COLORREF clrFirst, COLORREF clrSecond)
{
    if (!m_images[imageDisabledAuto].IsEmpty())
        return;
    CXTPImageManagerIconHandle& hNormal = m_images[imageNormal];
    if (hNormal.IsAlpha())
    {
        HBITMAP hDisabled = TransformAlphaPixels(hNormal.GetBitmap(), [=](BYTE* pBits, int nCount) {
            XTPDisablePixels(pBits, nCount, clrFirst, clrSecond);
        });
        if (hDisabled != nullptr)
            m_images[imageDisabledAuto].AttachBitmap(hDisabled);
    }
    else if (hNormal.GetIcon() != nullptr)
    {
        HICON hDisabled = TransformIconPixels(
            hNormal.GetIcon(), [=](COLORREF clr) { return XTPDisabledColor(clr, clrFirst, clrSecond); });
        if (hDisabled != nullptr)
            m_images[imageDisabledAuto].AttachIcon(hDisabled);
    }
}

void CXTPImageManagerIcon::Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon)
{
    // An icon without width has nothing to draw (and no proportions).
    if (pDC->GetSafeHdc() == nullptr || m_nWidth <= 0)
        return;
    int cx = szIcon.cx != 0 ? szIcon.cx : m_nWidth;
    int cy = szIcon.cy != 0 ? szIcon.cy : m_nHeight * cx / m_nWidth;

    if (m_pImageList != nullptr)
    {
        m_pImageList->Draw(pDC, pt, this, CSize(cx, cy));
        return;
    }
    if (hIcon.IsEmpty())
        return;
    if (hIcon.GetIcon() != nullptr)
    {
        int x = pt.x;
        int width = cx;
        if (GetImageManager()->IsDrawMirrored())
        {
            x += width;
            width = -width;
        }
        ::DrawIconEx(pDC->GetSafeHdc(), x, pt.y, hIcon.GetIcon(), width, cy, 0, nullptr, DI_NORMAL);
    }
    else if (hIcon.PreMultiply())
    {
        XTPDrawAlphaBitmap(pDC, hIcon.GetPreMultipliedBitmap(), pt.x, pt.y, cx, cy, 0, 0, m_nWidth, m_nHeight);
    }
}

HICON CXTPImageManagerIcon::ScaleIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth)
{
    if (hIcon == nullptr || nNewWidth <= 0 || nOldWidth <= 0 || nOldHeight <= 0)
        return nullptr;
    if (nNewWidth == nOldWidth)
        return ::CopyIcon(hIcon);
    int nNewHeight = ::MulDiv(nOldHeight, nNewWidth, nOldWidth);
    if (nNewHeight <= 0)
        return nullptr;
    HIMAGELIST hList = ImageList_Create(nNewWidth, nNewHeight, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (hList == nullptr)
        return nullptr;
    HICON hResult = nullptr;
    if (ImageList_AddIcon(hList, hIcon) == 0)
        hResult = ImageList_GetIcon(hList, 0, 0);
    ImageList_Destroy(hList);
    return hResult;
}

CXTPImageManagerIcon* CXTPImageManagerIcon::Scale(int nWidth)
{
    HICON hNormal = m_images[imageNormal].GetIcon();
    CSize extent = m_images[imageNormal].GetExtent();
    if (hNormal == nullptr || nWidth <= 0 || extent.cx <= 0)
        return nullptr;

    // Built without its set, so that storing its images does not refresh
    // (and so delete) the set's other copies; attached once complete.
    CXTPImageManagerIcon* pScaled =
        new CXTPImageManagerIcon(m_nID, nWidth, ::MulDiv(extent.cy, nWidth, extent.cx), static_cast<CXTPImageManagerIconSet*>(nullptr));
    const ImageIndex states[] = {imageNormal, imageDisabled, imageHot, imageChecked, imagePressed};
    for (ImageIndex index : states)
    {
        HICON hState = m_images[index].GetIcon();
        if (hState == nullptr)
            continue;
        HICON hScaledIcon = ScaleIcon(hState, extent.cx, extent.cy, nWidth);
        if (hScaledIcon == nullptr)
            continue;
        CXTPImageManagerIconHandle handle(hScaledIcon);
        if (index == imageNormal)
            pScaled->SetIcon(handle);
        else
            pScaled->SetStateImage(index, handle);
        ::DestroyIcon(hScaledIcon);
    }
    if (pScaled->m_images[imageNormal].IsEmpty())
    {
        delete pScaled;
        return nullptr;
    }
    pScaled->m_pIconSet = m_pIconSet;
    return pScaled;
}

CXTPImageManagerIcon* CXTPImageManagerIcon::Shrink(int nWidth)
{
    const CSize extent = m_images[imageNormal].GetExtent();
    if (nWidth <= 0 || extent.cx <= 0 || extent.cy <= 0)
        return nullptr;
    const int nHeight = std::max(1, ::MulDiv(extent.cy, nWidth, extent.cx));

    // Built without its set, as in Scale.
    CXTPImageManagerIcon* pShrunk =
        new CXTPImageManagerIcon(m_nID, nWidth, nHeight, static_cast<CXTPImageManagerIconSet*>(nullptr));
    const ImageIndex states[] = {imageNormal, imageDisabled, imageHot, imageChecked, imagePressed};
    for (ImageIndex index : states)
    {
        if (m_images[index].IsEmpty())
            continue;
        // An icon the averaging cannot read (a monochrome one has no colour
        // image) is scaled instead.
        CXTPImageManagerIconHandle handle;
        if (HBITMAP hShrunk = XTPCreateShrunkAlphaBitmap(m_images[index], nWidth, nHeight))
            handle.AttachBitmap(hShrunk);
        else if (HICON hScaled = ScaleIcon(m_images[index].GetIcon(), extent.cx, extent.cy, nWidth))
            handle.AttachIcon(hScaled);
        if (handle.IsEmpty())
            continue;
        if (index == imageNormal)
            pShrunk->SetIcon(handle);
        else
            pShrunk->SetStateImage(index, handle);
    }
    if (pShrunk->m_images[imageNormal].IsEmpty())
    {
        delete pShrunk;
        return nullptr;
    }
    pShrunk->m_pIconSet = m_pIconSet;
    return pShrunk;
}

void XTPCreateDerivedIconImage(CXTPImageManagerIcon* pIcon, COLORREF clrFirst, COLORREF clrSecond)
{
    if (pIcon != nullptr)
        pIcon->CreateDerivedDisabledImage(clrFirst, clrSecond);
}

void XTPDrawIconState(CXTPImageManagerIcon* pIcon, CDC* pDC, int x, int y, CXTPImageManagerIconHandle& hIcon,
                      HBRUSH hBrush)
{
    HDC hDC = pDC->GetSafeHdc();
    if (pIcon == nullptr || hDC == nullptr || hIcon.GetIcon() == nullptr)
        return;
    int cx = pIcon->GetWidth();
    int cy = pIcon->GetHeight();
    if (!pIcon->GetImageManager()->IsDrawMirrored())
    {
        ::DrawStateW(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon.GetIcon()), 0, x, y, cx, cy,
                     DST_ICON | DSS_MONO);
        return;
    }
    // Mirrored: the icon goes through a white bitmap drawn mirrored.
    HDC hMem = ::CreateCompatibleDC(hDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, cx, cy);
    if (hMem != nullptr && hBitmap != nullptr)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        RECT rc = {0, 0, cx, cy};
        ::FillRect(hMem, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::DrawIconEx(hMem, cx, 0, hIcon.GetIcon(), -cx, cy, 0, nullptr, DI_NORMAL);
        ::SelectObject(hMem, hOld);
        ::DrawStateW(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, x, y, cx, cy, DST_BITMAP | DSS_MONO);
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMem != nullptr)
        ::DeleteDC(hMem);
}
