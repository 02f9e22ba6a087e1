#include "customize/customize/CustomizeTestSupport.h"

#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"

namespace custtest {

namespace {
CDialogScript* g_pScript = nullptr;

std::vector<HWND> VisibleDialogs()
{
    return testwindows::VisibleThreadWindows(L"#32770");
}
} // namespace

CString WindowText(HWND hWnd)
{
    WCHAR szText[512] = L"";
    ::GetWindowTextW(hWnd, szText, 512);
    return szText;
}

CTestSite::CTestSite()
{
    CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1)),
             L"Site", WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 700, 520, nullptr, nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ViewProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"CustomizeTestView";
    ::RegisterClassW(&wc);
    m_hWndView = ::CreateWindowW(L"CustomizeTestView", L"", WS_CHILD | WS_VISIBLE, 0, 60, 700, 400, m_hWnd, nullptr,
                                 wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_hWndView, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetForegroundWindow(m_hWnd);
    testpump::PumpUntilIdle();
}

CTestSite::~CTestSite()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

LRESULT CTestSite::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_XTP_TOOLBAR_ADDED || message == WM_XTP_TOOLBAR_DELETING)
        notifications.emplace_back(message, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CTestSite::ViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        if (auto* pSite = reinterpret_cast<CTestSite*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)))
            pSite->viewClicks++;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

CXTPToolBar* AddBar(CXTPCommandBars* pCommandBars, const BarSpec& spec)
{
    auto* pBar = new CXTPToolBar();
    pBar->SetTitle(spec.title);
    pCommandBars->AppendBar(pBar);
    pBar->SetBarID(spec.id);
    pBar->SetBuiltIn(spec.builtIn);
    pBar->SetCloseable(spec.closeable);
    pBar->SetVisible(spec.visible);
    pBar->SetCustomizeDialogPresent(spec.listed);
    return pBar;
}

CPageHost::CPageHost(CPropertyPage* pPage, CWnd* pParent)
{
    m_sheet.AddPage(pPage);
    m_sheet.Create(pParent, WS_POPUP | WS_CAPTION | WS_VISIBLE);
    testpump::PumpUntilIdle();
}

CPageHost::~CPageHost()
{
    if (m_sheet.GetSafeHwnd() != nullptr)
        m_sheet.DestroyWindow();
}

BarsTest::BarsTest() : pBars(new CXTPCommandBars())
{
    pBars->SetSite(&site);
}

BarsTest::~BarsTest()
{
    Unhost();
    pBars->InternalRelease();
}

void BarsTest::Host(CPropertyPage* pPage)
{
    pHost = new CPageHost(pPage, &site);
}

void BarsTest::Unhost()
{
    delete pHost;
    pHost = nullptr;
}

CDialogScript::CDialogScript(std::vector<Step> steps) : m_steps(std::move(steps))
{
    m_handled = VisibleDialogs();
    g_pScript = this;
    m_nTimer = testtimer::Set(50, &CDialogScript::OnTimer);
}

CDialogScript::~CDialogScript()
{
    testtimer::Kill(m_nTimer);
    if (g_pScript == this)
        g_pScript = nullptr;
}

void CALLBACK CDialogScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CDialogScript* pScript = g_pScript;
    if (pScript == nullptr)
        return;
    std::vector<HWND> dialogs = VisibleDialogs();
    auto isNew = [pScript](HWND hWnd) {
        return std::find(pScript->m_handled.begin(), pScript->m_handled.end(), hWnd) == pScript->m_handled.end();
    };
    // The active dialog first (a message box over its dialog), else the
    // topmost one the script did not find there at the start.
    HWND hWndNext = nullptr;
    HWND hWndActive = ::GetActiveWindow();
    if (std::find(dialogs.begin(), dialogs.end(), hWndActive) != dialogs.end() && isNew(hWndActive))
        hWndNext = hWndActive;
    for (size_t i = 0; hWndNext == nullptr && i < dialogs.size(); i++) {
        if (isNew(dialogs[i]))
            hWndNext = dialogs[i];
    }
    // A window acted on waits until something else shows or it goes.
    if (hWndNext != nullptr && hWndNext != pScript->m_hWndLast && pScript->m_nNext < pScript->m_steps.size()) {
        pScript->m_hWndLast = hWndNext;
        pScript->m_nTicks = 0;
        pScript->m_steps[pScript->m_nNext++](hWndNext);
        return;
    }
    if (hWndNext == nullptr || !::IsWindowVisible(pScript->m_hWndLast))
        pScript->m_hWndLast = nullptr;
    HWND hWndNew = pScript->m_nNext < pScript->m_steps.size() ? nullptr : hWndNext;
    if (++pScript->m_nTicks < 200)
        return;
    // Something was not answered: cancel every dialog the script did not find there.
    pScript->m_bTimedOut = pScript->m_nNext < pScript->m_steps.size() || hWndNew != nullptr;
    pScript->m_nTicks = 0;
    for (HWND hWnd : dialogs)
        ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
}

CDialogScript::Step Shot(const wchar_t* lpszName, CDialogScript::Step then)
{
    return [lpszName, then](HWND hDlg) {
        testpump::PumpUntilIdle();
        ctltest::ShootWindow(hDlg, lpszName);
        then(hDlg);
    };
}

CDialogScript::Step Press(int nID)
{
    return [nID](HWND hDlg) { ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); };
}

CDialogScript::Step TypeAndPress(int nEdit, LPCWSTR lpszText, int nID)
{
    CString strText = lpszText;
    return [nEdit, strText, nID](HWND hDlg) {
        ::SetDlgItemTextW(hDlg, nEdit, strText);
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
    };
}

CDialogScript::Step ReadMessage(CString* pText, int nID)
{
    return [pText, nID](HWND hDlg) {
        *pText = WindowText(::GetDlgItem(hDlg, 0xFFFF));
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
    };
}

CDialogScript::Step ReadEdit(int nEdit, CString* pText, CString* pCaption, int nID)
{
    return [nEdit, pText, pCaption, nID](HWND hDlg) {
        *pText = WindowText(::GetDlgItem(hDlg, nEdit));
        if (pCaption != nullptr)
            *pCaption = WindowText(hDlg);
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
    };
}

} // namespace custtest
