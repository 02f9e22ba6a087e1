#include "toolkit/docking/XTPDockingPaneCaptionButton.h"
#include "toolkit/common/resources/XTPResourceManager.h"

CXTPDockingPaneCaptionButton::CXTPDockingPaneCaptionButton(int nId, CXTPDockingPaneBase* pOwner)
    : m_nId(nId)
    , m_pOwner(pOwner)
{
}

CString CXTPDockingPaneCaptionButton::GetTooltip() const
{
    CString strTip;
    XTPGetResourceManager()->LoadString(&strTip, static_cast<UINT>(m_nId));
    return strTip;
}
