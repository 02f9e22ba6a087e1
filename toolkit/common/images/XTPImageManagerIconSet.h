// The icons of one command id, one per width, with the scaled copies made
// for widths that were asked for but not loaded.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/collections/CMap.h"

class CXTPImageManager;
class CXTPImageManagerIcon;
class CXTPImageManagerIconHandle;

class CXTPImageManagerIconSet : public CCmdTarget
{
public:
    typedef CMap<UINT, UINT, CXTPImageManagerIcon*, CXTPImageManagerIcon*> CIconMap;

    CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager);
    ~CXTPImageManagerIconSet() override;

    UINT GetID() const { return m_nID; }
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }
    const CIconMap& GetIcons() const { return m_mapIcons; }

    // The icon stored under exactly this width; else, when allowed, a scaled
    // copy of the nearest loaded icon (kept until the next refresh), or the
    // nearest itself when it cannot be scaled (not tried again until the
    // next refresh). Null for an empty set.
    CXTPImageManagerIcon* GetIcon(UINT nWidth, BOOL bScaled = TRUE);
    // The stored icon of this width, made empty (height 15) when missing. A
    // scaled copy kept under the width gives way to it: what is set on the
    // icon must outlive the next refresh and be stored.
    CXTPImageManagerIcon* GetOrCreateIcon(UINT nWidth);

    // The images are copied before the icon of the width is looked up, so
    // an image of the scaled copy that gives way can be handed in.
    void SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetPressedIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);

    // Deletes the scaled copies and drops the derived images of the others.
    void RefreshAll();
    void RemoveAll();

private:
    typedef void (CXTPImageManagerIcon::*StateSetter)(const CXTPImageManagerIconHandle&);

    CXTPImageManagerIcon* FindNearest(UINT nWidth) const;
    void SetImage(const CXTPImageManagerIconHandle& hIcon, UINT nWidth, StateSetter pfnSetter);

    UINT m_nID;
    CXTPImageManager* m_pImageManager;
    CIconMap m_mapIcons;
    // Widths whose copy could not be made, until the next refresh.
    CMap<UINT, UINT, BOOL, BOOL> m_mapRefusedWidths;
};
