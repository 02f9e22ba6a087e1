// The toolkit's icon store: for every command id a set of icons of
// different widths, loaded from bitmaps, toolbars, image lists and single
// images, with scaled copies for widths that were not loaded.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/collections/CMap.h"
#include "framework/gdi/CSize.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

class CArchive;
class CBitmap;
class CXTPPropExchange;
struct IDataObject;
class CImageList;
class CXTPImageManagerIcon;
class CXTPImageManagerIconSet;
class CXTPImageManagerImageList;

// Image states of CXTPImageManager::SetIcon.
enum XTPImageState
{
    xtpImageNormal = 0,
    xtpImageDisabled = 1,
    xtpImageHot = 2,
    xtpImageChecked = 3,
    xtpImagePressed = 4,
};

class CXTPImageManager : public CCmdTarget
{
public:
    typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL(WINAPI* PFNTRANSPARENTBLT)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

    CXTPImageManager();
    ~CXTPImageManager() override;

    // The colour that is transparent when icons are cut from colour
    // bitmaps; -1 (none) takes each bitmap's top-left pixel.
    COLORREF SetMaskColor(COLORREF clrMask);
    COLORREF GetMaskColor() const { return m_clrMask; }

    // Stores one image (copied) under an id at a width (size (0, 0): the
    // image's own). A state image needs the id's normal image first.
    BOOL SetIcon(CXTPImageManagerIconHandle hIcon, UINT nCommand, CSize szIcon = CSize(0, 0),
                 int nState = xtpImageNormal);
    // Cuts a bitmap resource into images for the ids (null: 0, 1, 2 ...);
    // a zero id is a separator when the counts differ.
    BOOL SetIcons(UINT nIDResourceBitmap, const UINT* pCommands, int nCount, CSize szIcon,
                  int nState = xtpImageNormal);
    BOOL SetIconsFromBitmap(CBitmap& bitmap, const UINT* pCommands, int nCount, CSize szIcon, int nState,
                            BOOL bAlpha);
    BOOL SetIconsFromImageList(CImageList& imageList, const UINT* pCommands, int nCount, CSize szIcon,
                               int nState = xtpImageNormal);
    // The icons of a toolbar resource over a bitmap resource (the same id
    // in the one-id form).
    BOOL SetIconsFromToolBar(UINT nIDResourceToolBar, UINT nIDResourceBitmap, int nState = xtpImageNormal);
    BOOL SetIconsFromToolBar(UINT nIDResourceToolBar);
    // Stores the image under a fresh id and returns the id (0 for an empty image).
    UINT AddIconWithNewSet(CXTPImageManagerIconHandle hIcon);
    // Attaches a system image list that answers for nBaseCommand onwards;
    // with bDestroy the manager destroys it.
    void SetImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroyImageList);

    // The icon to draw for an id at a width, or null.
    CXTPImageManagerIcon* GetImage(UINT nCommand, int nWidth = 16);
    BOOL HasExactImage(UINT nCommand, int nWidth);
    CXTPImageManagerIconSet* GetIconSet(UINT nCommand) const;

    // Drops scaled copies and derived images (after colour or theme changes).
    void RefreshAll();
    void RemoveAll();

    static BOOL IsAlphaBitmapResource(UINT nIDResourceBitmap);
    static HBITMAP LoadAlphaBitmap(UINT nIDResourceBitmap);
    // Alpha images are drawn everywhere: by the system's blend where it has
    // one, else by the toolkit's own.
    static BOOL IsAlphaImagesSupported() { return TRUE; }

    BOOL IsDrawMirrored() const { return m_bDrawMirrored; }
    void SetDrawMirrored(BOOL bMirrored) { m_bDrawMirrored = bMirrored; }
    UINT GetNextCommand() const { return m_nNextCommand; }

    // Persistence and the clipboard (XTPImageManagerPersist.cpp). Loading
    // the icons of an id replaces that id's icons; loading all sets
    // replaces everything.
    void DoPropExchangeCommandIcons(UINT nCommand, CXTPPropExchange* pPX);
    void DoPropExchange(CXTPPropExchange* pPX);
    void Serialize(CArchive& ar) override;
    void SerializeCommandIcons(UINT nCommand, CArchive& ar);
    // The caller has opened and emptied the clipboard.
    BOOL CopyToClipboard(UINT nCommand);
    // Loads the pasted icons under a new id and returns it; 0 when the data
    // object holds none or the data is refused.
    UINT PasteFromClipboard(IDataObject* pDataObject);

    PFNALPHABLEND GetAlphaBlendProc() const { return m_pfnAlphaBlend; }
    PFNTRANSPARENTBLT GetTransparentBltProc() const { return m_pfnTransparentBlt; }

private:
    COLORREF m_clrMask = static_cast<COLORREF>(-1);
    CMap<UINT, UINT, CXTPImageManagerIconSet*, CXTPImageManagerIconSet*> m_mapImages;
    CArray<CXTPImageManagerImageList*, CXTPImageManagerImageList*> m_arrImageList;
    UINT m_nNextCommand = 0x10AAA;
    HMODULE m_hMsImg32 = nullptr;
    PFNALPHABLEND m_pfnAlphaBlend = nullptr;
    PFNTRANSPARENTBLT m_pfnTransparentBlt = nullptr;
    BOOL m_bDrawMirrored = FALSE;
};

// The process-wide image manager.
CXTPImageManager* XTPImageManager();
