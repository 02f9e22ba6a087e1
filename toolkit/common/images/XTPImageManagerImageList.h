// A system image list attached to an image manager: it answers for the
// command ids from its first id on, one id per image.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/collections/CMap.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CSize.h"

class CDC;
class CXTPImageManagerIcon;

class CXTPImageManagerImageList
{
public:
    CXTPImageManagerImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroyImageList);
    ~CXTPImageManagerImageList();
    CXTPImageManagerImageList(const CXTPImageManagerImageList&) = delete;
    CXTPImageManagerImageList& operator=(const CXTPImageManagerImageList&) = delete;

    BOOL HasCommand(UINT nCommand) const;
    CSize GetIconSize() const;
    // The icon of an id, made on first use.
    CXTPImageManagerIcon* GetIcon(UINT nCommand);
    void Draw(CDC* pDC, CPoint pt, CXTPImageManagerIcon* pIcon, CSize szIcon);
    void RemoveCache();

    HIMAGELIST m_hImageList;
    BOOL m_bDestroyImageList;
    UINT m_nBaseCommand;

private:
    CMap<UINT, UINT, CXTPImageManagerIcon*, CXTPImageManagerIcon*> m_mapIcons;
};
