// Which document type's menu the menu bar shows.
#include "framework/docview/CDocument.h"
#include "framework/docview/CMultiDocTemplate.h"
#include "framework/windows/CMDIChildWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CView.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

UINT CXTPCommandBars::GetActiveDocTemplate() const
{
    auto* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(m_pFrame);
    if (pMDIFrame == nullptr || !pMDIFrame->GetSafeHwnd())
        return 0;
    CMDIChildWnd* pChild = pMDIFrame->MDIGetActive();
    if (pChild == nullptr)
        return m_nIDMenu;
    CView* pView = pChild->GetActiveView();
    CDocument* pDocument = pView ? pView->GetDocument() : nullptr;
    if (pDocument == nullptr)
        return pChild->m_nIDHelp;
    auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pDocument->GetDocTemplate());
    if (pTemplate != nullptr && pTemplate->m_hMenuShared == pChild->m_hMenuShared)
        return pTemplate->GetResourceId();
    // A child showing another type's menu: the template that shares it.
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return 0;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        auto* pOther = dynamic_cast<CMultiDocTemplate*>(pApp->GetNextDocTemplate(pos));
        if (pOther != nullptr && pOther->m_hMenuShared == pChild->m_hMenuShared)
            return pOther->GetResourceId();
    }
    return 0;
}
