// The manager's bars as bands of the site's rebar.
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/frame/XTPReBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

CXTPReBar* SiteReBar(CWnd* pSite)
{
    if (pSite == nullptr || pSite->GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hReBar = ::GetDlgItem(pSite->GetSafeHwnd(), AFX_IDW_REBAR);
    return dynamic_cast<CXTPReBar*>(CWnd::FromHandlePermanent(hReBar));
}

}  // namespace

BOOL CXTPCommandBars::AddToRebar(CXTPToolBar* pBar)
{
    CXTPReBar* pReBar = SiteReBar(GetSite());
    return pReBar != nullptr && pReBar->AddBar(pBar, XTP_REBAR_BANDSTYLE);
}

void CXTPCommandBars::RemoveFromRebar(CXTPToolBar* pBar)
{
    if (CXTPReBar* pReBar = SiteReBar(GetSite()))
        pReBar->DeleteBar(pBar);
}
