#include "customize/controls/ControlsTestSupport.h"

#include <algorithm>
#include <commdlg.h>
#include <dlgs.h>
#include <vector>
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "support/ThreadTimer.h"

namespace ctltest {

namespace {

CModalDriver* g_pDriver = nullptr;

struct WindowSearch
{
    const std::wstring* pClass;
    const std::vector<HWND>* pSkip;
    HWND hFound;
    std::vector<HWND> all;
};

BOOL CALLBACK FindVisibleOfClass(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    WCHAR szClass[64] = L"";
    ::GetClassNameW(hWnd, szClass, 64);
    if (*pSearch->pClass != szClass || !::IsWindowVisible(hWnd))
        return TRUE;
    pSearch->all.push_back(hWnd);
    if (pSearch->pSkip == nullptr || std::find(pSearch->pSkip->begin(), pSearch->pSkip->end(), hWnd) != pSearch->pSkip->end())
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// Every pump of the program offers messages to PreTranslateMessage first.
const testpump::ScopedMessageFilter g_preTranslate([](MSG& msg) {
    return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE;
});

} // namespace

CTestParent::CTestParent(int x, int y, int cx, int cy, LPCWSTR lpszTitle)
{
    CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1)),
             lpszTitle, WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, x, y, cx, cy, nullptr, nullptr);
    ::SetForegroundWindow(m_hWnd);
    testpump::PumpUntilIdle();
}

CTestParent::~CTestParent()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CTestParent::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED)
        clicks[LOWORD(wParam)]++;
    return CWnd::OnCommand(wParam, lParam);
}

std::function<void(HWND)> AnswerFileDialog(const CString& strName, int nButton, const wchar_t* lpszShot)
{
    return [strName, nButton, lpszShot](HWND hDlg) {
        // The name box of the older layout, then of the newer one.
        for (int nID : {edt1, cmb13})
            SendMessageW(hDlg, CDM_SETCONTROLTEXT, nID, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(strName)));
        if (lpszShot != nullptr)
        {
            testpump::PumpUntilIdle();
            ShootWindow(hDlg, lpszShot);
        }
        PostMessageW(hDlg, WM_COMMAND, nButton, 0);
    };
}

CString FullPath(LPCWSTR lpszName, bool bCreateEmpty)
{
    WCHAR szPath[MAX_PATH];
    GetFullPathNameW(lpszName, MAX_PATH, szPath, nullptr);
    if (bCreateEmpty)
        CloseHandle(CreateFileW(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return szPath;
}

CBrowsableCurrentFolder::CBrowsableCurrentFolder()
{
    WCHAR szDir[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, szDir);
    m_strPrevious = szDir;
    // Right below the drive's root: the browser expands each level on the
    // way to a selection, and deeper walks were seen to stop short.
    WCHAR szWindows[MAX_PATH];
    GetWindowsDirectoryW(szWindows, MAX_PATH);
    m_strPath = CString(szWindows).Left(3) + L"tavrolin-browse";
    CreateDirectoryW(m_strPath, nullptr);
    SetCurrentDirectoryW(m_strPath);
}

CBrowsableCurrentFolder::~CBrowsableCurrentFolder()
{
    SetCurrentDirectoryW(m_strPrevious);
}

POINT CentreOf(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

CModalDriver::CModalDriver(LPCWSTR lpszClass, std::function<void(HWND)> action)
    : m_strClass(lpszClass)
    , m_action(std::move(action))
{
    WindowSearch search = {&m_strClass, nullptr, nullptr, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    m_existing = search.all;
    g_pDriver = this;
    m_nTimer = testtimer::Set(50, &CModalDriver::OnTimer);
}

CModalDriver::~CModalDriver()
{
    testtimer::Kill(m_nTimer);
    if (g_pDriver == this)
        g_pDriver = nullptr;
}

void CALLBACK CModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CModalDriver* pDriver = g_pDriver;
    if (pDriver == nullptr)
        return;
    if (pDriver->m_bRan)
    {
        // A window still open long after the action (a message box the
        // action did not expect) is cancelled, so that the test ends.
        // Generous: a loaded machine may take seconds to close a dialog.
        if (++pDriver->m_nTicksAfter < static_cast<int>(testpump::kDeadline / 50))
            return;
        WindowSearch search = {&pDriver->m_strClass, &pDriver->m_existing, nullptr, {}};
        ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleOfClass, reinterpret_cast<LPARAM>(&search));
        if (search.hFound != nullptr)
        {
            pDriver->m_bStuck = true;
            ::PostMessageW(search.hFound, WM_COMMAND, IDCANCEL, 0);
            ::EndMenu();
            EndPopupMenu();
        }
        return;
    }
    WindowSearch search = {&pDriver->m_strClass, &pDriver->m_existing, nullptr, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    if (search.hFound == nullptr)
        return;
    pDriver->m_bRan = true;
    pDriver->m_action(search.hFound);
}

testshot::Image Shoot(HWND hWnd, const wchar_t* lpszName)
{
    testshot::Image image = testshot::CaptureWindow(hWnd);
    testshot::Save(image, lpszName);
    return image;
}

testshot::Image ShootWindow(HWND hWnd, const wchar_t* lpszName)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    HDC hScreen = ::GetDC(nullptr);
    testshot::Image image = testshot::CaptureDC(hScreen, rc);
    ::ReleaseDC(nullptr, hScreen);
    testshot::Save(image, lpszName);
    return image;
}

CString PopupMenuClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS | CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW));
}

void EndPopupMenu()
{
    XTPMouseManager()->EndAllTracking();
}

} // namespace ctltest
