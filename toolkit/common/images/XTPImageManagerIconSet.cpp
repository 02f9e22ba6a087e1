#include "toolkit/common/images/XTPImageManagerIconSet.h"

#include "toolkit/common/images/XTPImageManagerIcon.h"

CXTPImageManagerIconSet::CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager)
    : m_nID(nID)
    , m_pImageManager(pImageManager)
    , m_mapIcons(10)
{
}

CXTPImageManagerIconSet::~CXTPImageManagerIconSet()
{
    RemoveAll();
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::FindNearest(UINT nWidth) const
{
    // Scaled copies are not scaled again. An icon that holds only state
    // images (given at a width without a normal image) has nothing to copy
    // from, so it is the source only when no icon has a normal image.
    CXTPImageManagerIcon* pNearest = nullptr;
    long long nBestDistance = 0;
    BOOL bBestHasNormal = FALSE;
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nIconWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nIconWidth, pIcon);
        if (pIcon->IsScaled())
            continue;
        const BOOL bHasNormal = !pIcon->GetIcon().IsEmpty();
        long long nDistance = static_cast<long long>(nIconWidth) - static_cast<long long>(nWidth);
        if (nDistance < 0)
            nDistance = -nDistance;
        if (pNearest == nullptr || (bHasNormal && !bBestHasNormal) ||
            (bHasNormal == bBestHasNormal && nDistance < nBestDistance))
        {
            pNearest = pIcon;
            nBestDistance = nDistance;
            bBestHasNormal = bHasNormal;
        }
    }
    return pNearest;
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::GetIcon(UINT nWidth, BOOL bScaled)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (m_mapIcons.Lookup(nWidth, pIcon))
        return pIcon;
    if (!bScaled)
        return nullptr;

    CXTPImageManagerIcon* pNearest = FindNearest(nWidth);
    BOOL bRefused = FALSE;
    if (pNearest == nullptr || nWidth == 0 || m_mapRefusedWidths.Lookup(nWidth, bRefused))
        return pNearest;

    // Smaller than the nearest icon: an averaged copy, alpha or not. A
    // stretch while drawing would keep only some of the source pixels, and
    // which ones depends on where they lie (a menu's 16 pixels from a
    // toolbar's 32). Alpha icons are not made larger.
    const BOOL bSmaller = nWidth < static_cast<UINT>(pNearest->GetWidth());
    if (!bSmaller && pNearest->IsAlphaIcon())
        return pNearest;
    CXTPImageManagerIcon* pScaled =
        bSmaller ? pNearest->Shrink(static_cast<int>(nWidth)) : pNearest->Scale(static_cast<int>(nWidth));
    if (pScaled == nullptr)
    {
        // Drawing asks on every paint: a copy that cannot be made is not
        // tried again until the set changes or is refreshed.
        m_mapRefusedWidths.SetAt(nWidth, TRUE);
        return pNearest;
    }
    pScaled->m_bScaled = TRUE;
    m_mapIcons.SetAt(nWidth, pScaled);
    return pScaled;
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::GetOrCreateIcon(UINT nWidth)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (m_mapIcons.Lookup(nWidth, pIcon))
    {
        if (!pIcon->IsScaled())
            return pIcon;
        // The copy goes; the next lookup of the width finds the stored icon.
        m_mapIcons.RemoveKey(nWidth);
        pIcon->InternalRelease();
    }
    pIcon = new CXTPImageManagerIcon(m_nID, static_cast<int>(nWidth), 15, this);
    m_mapIcons.SetAt(nWidth, pIcon);
    // A new icon can be the nearest for widths whose copy failed.
    m_mapRefusedWidths.RemoveAll();
    return pIcon;
}

void CXTPImageManagerIconSet::SetImage(const CXTPImageManagerIconHandle& hIcon, UINT nWidth, StateSetter pfnSetter)
{
    CXTPImageManagerIconHandle copy;
    copy.CopyHandle(hIcon);
    (GetOrCreateIcon(nWidth)->*pfnSetter)(copy);
}

void CXTPImageManagerIconSet::SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    SetImage(hIcon, nWidth, &CXTPImageManagerIcon::SetIcon);
}

void CXTPImageManagerIconSet::SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    SetImage(hIcon, nWidth, &CXTPImageManagerIcon::SetDisabledIcon);
}

void CXTPImageManagerIconSet::SetHotIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    SetImage(hIcon, nWidth, &CXTPImageManagerIcon::SetHotIcon);
}

void CXTPImageManagerIconSet::SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    SetImage(hIcon, nWidth, &CXTPImageManagerIcon::SetCheckedIcon);
}

void CXTPImageManagerIconSet::SetPressedIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    SetImage(hIcon, nWidth, &CXTPImageManagerIcon::SetPressedIcon);
}

void CXTPImageManagerIconSet::RefreshAll()
{
    m_mapRefusedWidths.RemoveAll();
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nWidth, pIcon);
        if (pIcon->IsScaled())
        {
            m_mapIcons.RemoveKey(nWidth);
            pIcon->InternalRelease();
        }
        else
        {
            pIcon->Refresh();
        }
    }
}

void CXTPImageManagerIconSet::RemoveAll()
{
    m_mapRefusedWidths.RemoveAll();
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nWidth, pIcon);
        pIcon->InternalRelease();
    }
    m_mapIcons.RemoveAll();
}
