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

// One stored section, opened once for all its values. Reading never
// creates it.
class CSectionReader
{
public:
    CSectionReader(CWinApp* pApp, LPCTSTR lpszSection) : m_pApp(pApp), m_strSection(lpszSection)
    {
        if (pApp->m_pszRegistryKey == nullptr) {
            // A profile file: its sections are read value by value.
            m_bExists = pApp->GetProfileInt(lpszSection, L"BarID", -1) != static_cast<UINT>(-1);
            return;
        }
        HKEY hApp = pApp->GetAppRegistryKey();
        if (hApp == nullptr)
            return;
        m_bExists = ::RegOpenKeyExW(hApp, lpszSection, 0, KEY_READ, &m_hKey) == ERROR_SUCCESS;
        ::RegCloseKey(hApp);
    }
    ~CSectionReader()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    CSectionReader(const CSectionReader&) = delete;
    CSectionReader& operator=(const CSectionReader&) = delete;

    BOOL Exists() const { return m_bExists; }
    int GetInt(LPCTSTR lpszEntry, int nDefault) const
    {
        if (m_hKey == nullptr)
            return m_bExists ? static_cast<int>(m_pApp->GetProfileInt(m_strSection, lpszEntry, nDefault)) : nDefault;
        DWORD dwType = 0, dwValue = 0, cbData = sizeof(dwValue);
        if (::RegQueryValueExW(m_hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &cbData) !=
                ERROR_SUCCESS ||
            dwType != REG_DWORD || cbData != sizeof(dwValue))
            return nDefault;
        return static_cast<int>(dwValue);
    }

private:
    CWinApp* m_pApp;
    CString m_strSection;
    HKEY m_hKey = nullptr;
    BOOL m_bExists = FALSE;
};

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
    m_rectMRUDockPos = pContext->m_rectMRUDockPos;
    if (pBar->GetSafeHwnd()) {
        CRect rc;
        pBar->GetWindowRect(&rc);
        if (pDockBar && pDockBar->GetSafeHwnd()) {
            rc = pDockBar->DockedRect(pBar);
            // A bar the program docked has no drop place: its own place stands for it.
            if (!pContext->HasDockPlace() && !rc.IsRectEmpty())
                m_rectMRUDockPos = rc;
        }
        m_pointPos = rc.TopLeft();
    } else {
        m_pointPos = pContext->m_ptMRUFloatPos;
    }
    m_uMRUDockID = pDockBar && pDockBar->GetSafeHwnd() ? static_cast<UINT>(pDockBar->GetDlgCtrlID())
                                                        : pContext->m_uMRUDockID;
    m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
    KeepInsideDockBar();
    m_bDialogBar = pBar->IsDialogBar();
    if (auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(pBar)) {
        m_szDialogBarDockingClient = pDialogBar->GetDockingClientSize();
        m_szDialogBarFloatingClient = pDialogBar->GetFloatingClientSize();
    }
}

void CXTPToolBar::CToolBarInfo::KeepInsideDockBar()
{
    // A place before the dock bar's start would clip the bar's first part.
    if (!m_bFloating) {
        m_pointPos.x = std::max(0L, m_pointPos.x);
        m_pointPos.y = std::max(0L, m_pointPos.y);
    }
    m_rectMRUDockPos.OffsetRect(std::max(0L, -m_rectMRUDockPos.left), std::max(0L, -m_rectMRUDockPos.top));
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

BOOL CXTPToolBar::CToolBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex)
{
    CSectionReader section(AfxGetApp(), BarSection(lpszProfileName, nIndex));
    if (!section.Exists())
        return FALSE;
    auto get = [&section](LPCTSTR lpszEntry, int nDefault) { return section.GetInt(lpszEntry, nDefault); };
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
    return TRUE;
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

    // The stored count is only a claim: the records end at the first one
    // missing.
    nBars = std::max(0, std::min(nBars, nMaxRecords));
    m_arrInfo.clear();
    for (int i = 0; i < nBars; i++) {
        CXTPToolBar::CToolBarInfo info;
        if (!info.LoadState(lpszProfileName, i))
            break;
        m_arrInfo.push_back(info);
    }
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

BOOL CXTPToolBarInfoList::IsStoredHidden(UINT nBarID) const
{
    for (const CXTPToolBar::CToolBarInfo& info : m_arrInfo)
        if (info.m_nBarID == nBarID)
            return !info.m_bVisible;
    return FALSE;
}
