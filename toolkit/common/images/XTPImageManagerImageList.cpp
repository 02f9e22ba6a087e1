#include "toolkit/common/images/XTPImageManagerImageList.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

CXTPImageManagerImageList::CXTPImageManagerImageList(HIMAGELIST hImageList, UINT nBaseCommand,
                                                     BOOL bDestroyImageList)
    : m_hImageList(hImageList)
    , m_bDestroyImageList(bDestroyImageList)
    , m_nBaseCommand(nBaseCommand)
{
}

CXTPImageManagerImageList::~CXTPImageManagerImageList()
{
    RemoveCache();
    if (m_bDestroyImageList && m_hImageList != nullptr)
        ImageList_Destroy(m_hImageList);
}

BOOL CXTPImageManagerImageList::HasCommand(UINT nCommand) const
{
    if (m_hImageList == nullptr || nCommand < m_nBaseCommand)
        return FALSE;
    return nCommand - m_nBaseCommand < static_cast<UINT>(ImageList_GetImageCount(m_hImageList));
}

CSize CXTPImageManagerImageList::GetIconSize() const
{
    int cx = 0;
    int cy = 0;
    if (m_hImageList != nullptr)
        ImageList_GetIconSize(m_hImageList, &cx, &cy);
    return CSize(cx, cy);
}

CXTPImageManagerIcon* CXTPImageManagerImageList::GetIcon(UINT nCommand)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (m_mapIcons.Lookup(nCommand, pIcon))
        return pIcon;
    CSize size = GetIconSize();
    pIcon = new CXTPImageManagerIcon(nCommand, size.cx, size.cy, this);
    m_mapIcons.SetAt(nCommand, pIcon);
    return pIcon;
}

void CXTPImageManagerImageList::Draw(CDC* pDC, CPoint pt, CXTPImageManagerIcon* pIcon, CSize szIcon)
{
    if (pIcon == nullptr || m_hImageList == nullptr)
        return;
    ImageList_DrawEx(m_hImageList, static_cast<int>(pIcon->GetID() - m_nBaseCommand), pDC->GetSafeHdc(), pt.x, pt.y,
                     szIcon.cx, szIcon.cy, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

void CXTPImageManagerImageList::RemoveCache()
{
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos != nullptr)
    {
        UINT nCommand = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nCommand, pIcon);
        pIcon->InternalRelease();
    }
    m_mapIcons.RemoveAll();
}
