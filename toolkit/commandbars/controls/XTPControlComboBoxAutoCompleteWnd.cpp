#include "toolkit/commandbars/controls/XTPControlComboBoxAutoCompleteWnd.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

namespace {

typedef HRESULT(WINAPI* PFNSHAUTOCOMPLETE)(HWND, DWORD);

// One watch per process: the one of the edit part that has the focus.
CXTPControlComboBoxAutoCompleteWnd* g_pWatching = nullptr;
HHOOK g_hHook = nullptr;

BOOL IsSuggestWindow(HWND hWnd)
{
    WCHAR szClass[32] = {};
    return hWnd && ::GetClassNameW(hWnd, szClass, 32) && ::lstrcmpW(szClass, L"Auto-Suggest Dropdown") == 0;
}

} // namespace

CXTPControlComboBoxAutoCompleteWnd::CXTPControlComboBoxAutoCompleteWnd()
    : m_hEdit(nullptr)
    , m_hWndSuggest(nullptr)
{
}

CXTPControlComboBoxAutoCompleteWnd::~CXTPControlComboBoxAutoCompleteWnd()
{
    if (m_hWndSuggest)
        XTPMouseManager()->RemoveTrustedWindow(m_hWndSuggest);
    if (g_pWatching == this) {
        if (g_hHook)
            ::UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
        g_pWatching = nullptr;
        XTPKeyboardManager()->UnhookKeyboard(this);
    }
}

BOOL CXTPControlComboBoxAutoCompleteWnd::SetupEditWindow(HWND hEdit, DWORD dwFlags)
{
    if (!hEdit || !dwFlags)
        return FALSE;
    HMODULE hShell = ::LoadLibraryW(L"shlwapi.dll");
    if (!hShell)
        return FALSE;
    auto pfnAutoComplete = reinterpret_cast<PFNSHAUTOCOMPLETE>(
        reinterpret_cast<void*>(::GetProcAddress(hShell, "SHAutoComplete")));
    HRESULT hr = pfnAutoComplete ? pfnAutoComplete(hEdit, dwFlags) : E_FAIL;
    ::FreeLibrary(hShell);
    if (FAILED(hr))
        return FALSE;
    m_hEdit = hEdit;
    if (g_pWatching && g_pWatching != this) {
        if (g_hHook)
            ::UnhookWindowsHookEx(g_hHook);
        XTPKeyboardManager()->UnhookKeyboard(g_pWatching);
        g_hHook = nullptr;
    }
    g_pWatching = this;
    if (!g_hHook)
        g_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CallWndProc, nullptr, ::GetCurrentThreadId());
    XTPKeyboardManager()->HookKeyboard(this);
    return TRUE;
}

void CXTPControlComboBoxAutoCompleteWnd::OnWindowPosChanging(HWND hWnd, UINT nFlags)
{
    if ((nFlags & SWP_SHOWWINDOW) && hWnd != m_hWndSuggest && IsSuggestWindow(hWnd)) {
        if (m_hWndSuggest)
            XTPMouseManager()->RemoveTrustedWindow(m_hWndSuggest);
        m_hWndSuggest = hWnd;
        XTPMouseManager()->AddTrustedWindow(hWnd);
        if (m_hEdit)
            ::PostMessageW(m_hEdit, XTP_WM_SUGGEST_SHOWN, 0, 0);
    } else if ((nFlags & SWP_HIDEWINDOW) && hWnd == m_hWndSuggest) {
        XTPMouseManager()->RemoveTrustedWindow(hWnd);
        m_hWndSuggest = nullptr;
    }
}

LRESULT CALLBACK CXTPControlComboBoxAutoCompleteWnd::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = g_hHook;
    const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage && pMessage->message == WM_WINDOWPOSCHANGING && g_pWatching) {
        const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(pMessage->lParam);
        if (pPos)
            g_pWatching->OnWindowPosChanging(pMessage->hwnd, pPos->flags);
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CXTPControlComboBoxAutoCompleteWnd::ForwardKey(UINT nChar, LPARAM lParam)
{
    if (!m_hWndSuggest)
        return;
    MSG msg = {m_hWndSuggest, WM_KEYDOWN, nChar, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    ::IsDialogMessageW(m_hWndSuggest, &msg);
}

void CXTPControlComboBoxAutoCompleteWnd::HideSuggest()
{
    if (m_hWndSuggest && ::IsWindow(m_hWndSuggest))
        ::ShowWindow(m_hWndSuggest, SW_HIDE);
}

int CXTPControlComboBoxAutoCompleteWnd::OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& /*wParam*/,
                                                     LPARAM& /*lParam*/, LRESULT& /*lResult*/)
{
    return nMessage == WM_MOUSEWHEEL && m_hWndSuggest ? 2 : 0;
}
