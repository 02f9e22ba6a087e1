#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"

IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)

CXTPToolBar::CXTPToolBar()
    : m_dockContext(this)
{
}

CXTPToolBar::~CXTPToolBar() = default;

BOOL CXTPToolBar::IsTextBelowIcons() const
{
    return m_nTextBelowIcons == 1;
}

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = nIDResource;
    if (!CXTPCommandBar::LoadToolBar(nIDResource, bLoadIcons))
        return FALSE;
    m_pControls->CreateInitialControls();
    return TRUE;
}
