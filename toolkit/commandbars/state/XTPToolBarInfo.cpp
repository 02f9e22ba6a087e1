#include "toolkit/commandbars/state/XTPToolBarInfo.h"
#include <algorithm>
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"

namespace {

CString BarSection(LPCTSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format(L"%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

} // namespace

CXTPToolBar::CToolBarInfo::CToolBarInfo()
    : m_nBarID(0)
    , m_bVisible(TRUE)
    , m_bFloating(FALSE)
    , m_pointPos(kNotSet, kNotSet)
    , m_nMRUWidth(kNoWidth)
    , m_uMRUDockID(0)
    , m_rectMRUDockPos(0, 0, 0, 0)
    , m_ptMRUFloatPos(0, 0)
    , m_pBar(nullptr)
    , m_bDialogBar(FALSE)
    , m_szDialogBarDockingClient(kDialogBarSize, kDialogBarSize)
    , m_szDialogBarFloatingClient(kDialogBarSize, kDialogBarSize)
{
}

void CXTPToolBar::CToolBarInfo::FromBar(CXTPToolBar* pBar)
{
    m_pBar = pBar;
    m_nBarID = pBar->GetBarID();
    m_bVisible = pBar->IsVisible();
    m_bFloating = pBar->GetPosition() == xtpBarFloating;
    m_nMRUWidth = pBar->GetWidth();
    CXTPDockContext* pContext = pBar->GetDockContext();
    CXTPDockBar* pDockBar = pBar->GetDockBar();
    if (pBar->GetSafeHwnd()) {
        CRect rc;
        pBar->GetWindowRect(&rc);
        if (pDockBar && pDockBar->GetSafeHwnd())
            pDockBar->ScreenToClient(&rc);
        m_pointPos = rc.TopLeft();
    } else {
        m_pointPos = pContext->m_ptMRUFloatPos;
    }
    m_uMRUDockID = pDockBar && pDockBar->GetSafeHwnd() ? static_cast<UINT>(pDockBar->GetDlgCtrlID())
                                                        : pContext->m_uMRUDockID;
    m_rectMRUDockPos = pContext->m_rectMRUDockPos;
    m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
    m_bDialogBar = pBar->IsDialogBar();
    if (auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(pBar)) {
        m_szDialogBarDockingClient = pDialogBar->GetDockingClientSize();
        m_szDialogBarFloatingClient = pDialogBar->GetFloatingClientSize();
    }
}

void CXTPToolBar::CToolBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex) const
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = BarSection(lpszProfileName, nIndex);
    pApp->WriteProfileString(strSection, nullptr, nullptr);
    pApp->WriteProfileInt(strSection, L"BarID", static_cast<int>(m_nBarID));
    if (!m_bVisible)
        pApp->WriteProfileInt(strSection, L"Visible", 0);
    if (m_bFloating)
        pApp->WriteProfileInt(strSection, L"Floating", TRUE);
    if (m_pointPos.x != kNotSet)
        pApp->WriteProfileInt(strSection, L"XPos", m_pointPos.x);
    if (m_pointPos.y != kNotSet)
        pApp->WriteProfileInt(strSection, L"YPos", m_pointPos.y);
    if (m_nMRUWidth != kNoWidth)
        pApp->WriteProfileInt(strSection, L"MRUWidth", m_nMRUWidth);
    pApp->WriteProfileInt(strSection, L"MRUDockID", static_cast<int>(m_uMRUDockID));
    pApp->WriteProfileInt(strSection, L"MRUDockLeftPos", m_rectMRUDockPos.left);
    pApp->WriteProfileInt(strSection, L"MRUDockTopPos", m_rectMRUDockPos.top);
    pApp->WriteProfileInt(strSection, L"MRUDockRightPos", m_rectMRUDockPos.right);
    pApp->WriteProfileInt(strSection, L"MRUDockBottomPos", m_rectMRUDockPos.bottom);
    pApp->WriteProfileInt(strSection, L"MRUFloatXPos", m_ptMRUFloatPos.x);
    pApp->WriteProfileInt(strSection, L"MRUFloatYPos", m_ptMRUFloatPos.y);
    pApp->WriteProfileInt(strSection, L"DialogBar", m_bDialogBar);
    if (m_bDialogBar) {
        pApp->WriteProfileInt(strSection, L"DialogBarDockingClientCx", m_szDialogBarDockingClient.cx);
        pApp->WriteProfileInt(strSection, L"DialogBarDockingClientCy", m_szDialogBarDockingClient.cy);
        pApp->WriteProfileInt(strSection, L"DialogBarFloatingClientCx", m_szDialogBarFloatingClient.cx);
        pApp->WriteProfileInt(strSection, L"DialogBarFloatingClientCy", m_szDialogBarFloatingClient.cy);
    }
}

void CXTPToolBar::CToolBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = BarSection(lpszProfileName, nIndex);
    auto get = [&](LPCTSTR lpszEntry, int nDefault) {
        return static_cast<int>(pApp->GetProfileInt(strSection, lpszEntry, nDefault));
    };
    m_nBarID = static_cast<UINT>(get(L"BarID", 0));
    m_bVisible = get(L"Visible", TRUE) != 0;
    m_bFloating = get(L"Floating", FALSE) != 0;
    m_pointPos.x = get(L"XPos", kNotSet);
    m_pointPos.y = get(L"YPos", kNotSet);
    m_nMRUWidth = get(L"MRUWidth", kNoWidth);
    m_uMRUDockID = static_cast<UINT>(get(L"MRUDockID", 0));
    m_rectMRUDockPos.left = get(L"MRUDockLeftPos", 0);
    m_rectMRUDockPos.top = get(L"MRUDockTopPos", 0);
    m_rectMRUDockPos.right = get(L"MRUDockRightPos", 0);
    m_rectMRUDockPos.bottom = get(L"MRUDockBottomPos", 0);
    m_ptMRUFloatPos.x = get(L"MRUFloatXPos", 0);
    m_ptMRUFloatPos.y = get(L"MRUFloatYPos", 0);
    m_bDialogBar = get(L"DialogBar", FALSE) != 0;
    if (m_bDialogBar) {
        m_szDialogBarDockingClient.cx = get(L"DialogBarDockingClientCx", kDialogBarSize);
        m_szDialogBarDockingClient.cy = get(L"DialogBarDockingClientCy", kDialogBarSize);
        m_szDialogBarFloatingClient.cx = get(L"DialogBarFloatingClientCx", kDialogBarSize);
        m_szDialogBarFloatingClient.cy = get(L"DialogBarFloatingClientCy", kDialogBarSize);
    }
}

CXTPToolBarInfoList::CXTPToolBarInfoList()
    : m_szScreen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN))
    , m_ptMaxPos(m_szScreen.cx - ::GetSystemMetrics(SM_CXICON), m_szScreen.cy - ::GetSystemMetrics(SM_CYICON))
    , m_szStoredScreen(0, 0)
    , m_bScaling(FALSE)
{
}

void CXTPToolBarInfoList::SaveState(LPCTSTR lpszProfileName) const
{
    for (size_t i = 0; i < m_arrInfo.size(); i++)
        m_arrInfo[i].SaveState(lpszProfileName, static_cast<int>(i));
    CWinApp* pApp = AfxGetApp();
    CString strSection;
    strSection.Format(L"%s-Summary", lpszProfileName);
    pApp->WriteProfileInt(strSection, L"Bars", static_cast<int>(m_arrInfo.size()));
    pApp->WriteProfileInt(strSection, L"ScreenCX", m_szScreen.cx);
    pApp->WriteProfileInt(strSection, L"ScreenCY", m_szScreen.cy);
}

void CXTPToolBarInfoList::LoadState(LPCTSTR lpszProfileName, int nMaxRecords)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection;
    strSection.Format(L"%s-Summary", lpszProfileName);
    int nBars = static_cast<int>(pApp->GetProfileInt(strSection, L"Bars", 0));
    m_szStoredScreen.cx = static_cast<int>(pApp->GetProfileInt(strSection, L"ScreenCX", 0));
    m_szStoredScreen.cy = static_cast<int>(pApp->GetProfileInt(strSection, L"ScreenCY", 0));
    m_bScaling = m_szStoredScreen != m_szScreen;

    nBars = std::max(0, std::min(nBars, nMaxRecords));
    m_arrInfo.assign(static_cast<size_t>(nBars), CXTPToolBar::CToolBarInfo());
    for (int i = 0; i < nBars; i++)
        m_arrInfo[static_cast<size_t>(i)].LoadState(lpszProfileName, i);
    if (m_bScaling)
        ScaleRecords();
}

int CXTPToolBarInfoList::ScaleX(int x) const
{
    return m_szStoredScreen.cx > 0 ? ::MulDiv(x, m_szScreen.cx, m_szStoredScreen.cx) : x;
}

int CXTPToolBarInfoList::ScaleY(int y) const
{
    return m_szStoredScreen.cy > 0 ? ::MulDiv(y, m_szScreen.cy, m_szStoredScreen.cy) : y;
}

CPoint CXTPToolBarInfoList::Clamp(CPoint pt) const
{
    return CPoint(std::min(pt.x, m_ptMaxPos.x), std::min(pt.y, m_ptMaxPos.y));
}

void CXTPToolBarInfoList::ScaleRecords()
{
    for (CXTPToolBar::CToolBarInfo& info : m_arrInfo) {
        using Info = CXTPToolBar::CToolBarInfo;
        if (info.m_pointPos.x != Info::kNotSet)
            info.m_pointPos.x = ScaleX(info.m_pointPos.x);
        if (info.m_pointPos.y != Info::kNotSet)
            info.m_pointPos.y = ScaleY(info.m_pointPos.y);
        info.m_ptMRUFloatPos = CPoint(ScaleX(info.m_ptMRUFloatPos.x), ScaleY(info.m_ptMRUFloatPos.y));
        CRect& rc = info.m_rectMRUDockPos;
        rc.OffsetRect(ScaleX(rc.left) - rc.left, ScaleY(rc.top) - rc.top);

        info.m_pointPos = Clamp(info.m_pointPos);
        info.m_ptMRUFloatPos = Clamp(info.m_ptMRUFloatPos);
        CPoint ptCorner = Clamp(rc.TopLeft());
        rc.OffsetRect(ptCorner.x - rc.left, ptCorner.y - rc.top);
    }
}
