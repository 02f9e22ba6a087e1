// One icon of the image manager at one width: the normal image, the state
// images given by the user (hot, checked, pressed, disabled) and the images
// derived from them on demand (faded, shadow, computed disabled).
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CSize.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

class CArchive;
class CDC;
class CBrush;
class CXTPImageManager;
class CXTPImageManagerIconSet;
class CXTPImageManagerImageList;

class CXTPImageManagerIcon : public CCmdTarget
{
public:
    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerIconSet* pIconSet = nullptr);
    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerImageList* pImageList);
    ~CXTPImageManagerIcon() override;

    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CSize GetExtent() const;
    BOOL IsScaled() const { return m_bScaled; }
    BOOL IsAlphaIcon() const;
    BOOL HasExtraStateImage() const;
    CXTPImageManagerIconSet* GetIconSet() const { return m_pIconSet; }
    CXTPImageManagerImageList* GetImageList() const { return m_pImageList; }
    // The owning set's manager, else the process-wide one.
    CXTPImageManager* GetImageManager() const;

    CXTPImageManagerIconHandle& GetIcon() { return m_images[imageNormal]; }
    // Hot image, else the normal one.
    CXTPImageManagerIconHandle& GetHotIcon();
    // Checked image, else the hot one (else normal).
    CXTPImageManagerIconHandle& GetCheckedIcon();
    // Pressed image, else the hot one (else normal).
    CXTPImageManagerIconHandle& GetPressedIcon();
    // The user's disabled image; else the computed one, made first when
    // asked to.
    CXTPImageManagerIconHandle& GetDisabledIcon(BOOL bCreate = TRUE);
    CXTPImageManagerIconHandle& GetFadedIcon();
    CXTPImageManagerIconHandle& GetShadowIcon();

    // Replaces every image by a copy of this one and rebuilds the set's
    // scaled copies from it.
    void SetIcon(const CXTPImageManagerIconHandle& hIcon);
    // A state image given to a scaled copy makes it an icon of its own.
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetPressedIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon);

    // Drops the derived images.
    void Refresh();
    // Clears the images after the normal one, and that one too when asked.
    void Clear(BOOL bWithNormal = FALSE);

    // Draws one of this icon's images; a size of (0, 0) is the icon's own,
    // a height of 0 keeps the proportions.
    void Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, CSize szIcon = CSize(0, 0));
    void Draw(CDC* pDC, CPoint pt, CSize szIcon = CSize(0, 0)) { Draw(pDC, pt, GetIcon(), szIcon); }

    // A copy at another width (for the set); null unless the normal image is an icon.
    CXTPImageManagerIcon* Scale(int nWidth);
    static HICON ScaleIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth);
    // A smaller copy (for the set) whose images are averaged alpha images,
    // alpha and plain icons alike; an icon that cannot be averaged is scaled.
    // Null when the normal image can be neither.
    CXTPImageManagerIcon* Shrink(int nWidth);

    // Puts the icons of this icon's set (or this icon alone, outside a set)
    // on the clipboard in the image manager's format; the caller has opened
    // and emptied the clipboard.
    BOOL CopyToClipboard();
    // Height, version and the user-given images (XTPImageManagerPersistIcon.cpp).
    void Serialize(CArchive& ar) override;

    // The computed disabled image; two colours (not -1) blend light pixels
    // to the first and dark ones to the second, else grey.
    void CreateDerivedDisabledImage(COLORREF clrFirst, COLORREF clrSecond);

private:
    enum ImageIndex
    {
        imageNormal,
        imageFaded,
        imageShadow,
        imageHot,
        imageChecked,
        imagePressed,
        imageDisabled,
        imageDisabledAuto,
        imageCount
    };

    void SetStateImage(ImageIndex index, const CXTPImageManagerIconHandle& hIcon);
    void CreateFadedIcon();
    void CreateShadowIcon();

    friend class CXTPImageManagerIconSet;

    UINT m_nID;
    int m_nWidth;
    int m_nHeight;
    CXTPImageManagerIconHandle m_images[imageCount];
    BOOL m_bScaled = FALSE;
    CXTPImageManagerIconSet* m_pIconSet = nullptr;
    CXTPImageManagerImageList* m_pImageList = nullptr;
};

// Computes the icon's disabled image (see CreateDerivedDisabledImage).
void XTPCreateDerivedIconImage(CXTPImageManagerIcon* pIcon, COLORREF clrFirst, COLORREF clrSecond);
// Paints the silhouette of an icon image with the brush (nothing for alpha images).
void XTPDrawIconState(CXTPImageManagerIcon* pIcon, CDC* pDC, int x, int y, CXTPImageManagerIconHandle& hIcon,
                      HBRUSH hBrush);
