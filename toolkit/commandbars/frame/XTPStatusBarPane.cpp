#include "toolkit/commandbars/frame/XTPStatusBarPane.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

CXTPStatusBarPane::CXTPStatusBarPane(CXTPStatusBar* pStatusBar)
    : m_pStatusBar(pStatusBar)
{
}

CXTPStatusBarPane::~CXTPStatusBarPane()
{
    ReleaseChildWindow();
}

void CXTPStatusBarPane::ReleaseChildWindow()
{
    CWnd* pWnd = m_pChildWnd;
    m_pChildWnd = nullptr;
    if (pWnd == nullptr)
        return;
    if (pWnd->GetSafeHwnd())
        pWnd->DestroyWindow();
    if (m_bAutoDeleteWnd)
        delete pWnd;
}

void CXTPStatusBarPane::SetChildWindow(CWnd* pWnd, BOOL bAutoDelete)
{
    if (pWnd == m_pChildWnd) {
        m_bAutoDeleteWnd = bAutoDelete;
        return;
    }
    // A window the pane owns goes with it; one the caller owns stays its.
    if (m_bAutoDeleteWnd)
        ReleaseChildWindow();
    m_bAutoDeleteWnd = bAutoDelete;
    m_pChildWnd = pWnd;
    // Over its pane at once, not at the bar's next resize.
    if (m_pStatusBar != nullptr && m_pStatusBar->GetSafeHwnd())
        m_pStatusBar->UpdateAllPanes(TRUE, FALSE);
}

CFont* CXTPStatusBarPane::GetTextFont() const
{
    return m_pFont != nullptr ? m_pFont : m_pStatusBar->GetFont();
}

CXTPImageManagerIcon* CXTPStatusBarPane::GetImage() const
{
    if (m_nIconId == -1)
        return nullptr;
    CXTPCommandBars* pCommandBars = m_pStatusBar->GetCommandBars();
    CXTPImageManager* pImageManager = pCommandBars != nullptr ? pCommandBars->GetImageManager() : XTPImageManager();
    return pImageManager->GetImage(static_cast<UINT>(m_nIconId), 0);
}

void CXTPStatusBarPane::Draw(CDC* pDC, CRect rcItem)
{
    if (CXTPPaintManager* pPaintManager = m_pStatusBar->GetPaintManager())
        pPaintManager->DrawStatusBarPane(pDC, rcItem, this);
}
