#include "ToolBarTestSupport.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

CXTPToolBar* CToolBarFrame::AddProgramToolBar(XTPBarPosition position)
{
    CXTPToolBar* pBar = GetCommandBars()->Add(L"Standard", position);
    if (!pBar || !pBar->LoadToolBar(IDR_TOOLBAR_ALPHA))
        return nullptr;
    const wchar_t* captions[] = {L"Suche starten", L"Anhalten", L"Einzel", L"TST", L"Optionen", L"Hilfe", L"Logo"};
    for (int i = 0; i < pBar->GetControlCount() && i < 7; i++) {
        pBar->GetControl(i)->SetCaption(captions[i]);
        pBar->GetControl(i)->SetStyle(xtpButtonIconAndCaption);
    }
    pBar->OnRecalcLayout();
    return pBar;
}

CXTPToolBar* CToolBarFrame::AddHiddenBar()
{
    CXTPToolBar* pBar = GetCommandBars()->Add(L"Extra", xtpBarTop);
    if (pBar)
        pBar->SetVisible(FALSE);
    return pBar;
}

CXTPToolBar* CToolBarFrame::AddFixedBar()
{
    CXTPToolBar* pBar = GetCommandBars()->Add(L"Fest", xtpBarTop);
    if (pBar)
        pBar->SetCloseable(FALSE);
    return pBar;
}

LRESULT CToolBarFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_XTP_TOOLBAR_VISIBLE)
        visibilityNotices.emplace_back(reinterpret_cast<CXTPToolBar*>(wParam), static_cast<BOOL>(lParam));
    if (message == WM_XTP_TOOLBARS_CONTEXTMENU) {
        toolbarsMenuOffers++;
        toolbarsMenuBar = reinterpret_cast<CXTPCommandBar*>(wParam);
        toolbarsMenu = reinterpret_cast<CXTPCommandBar*>(lParam);
    }
    return CTestFrame::WindowProc(message, wParam, lParam);
}

CRect ScreenRectOf(CXTPToolBar* pBar, CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    pBar->ClientToScreen(&rc);
    return rc;
}

CRect WindowRectOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}
