#include "toolkit/commandbars/controls/XTPEdit.h"
#include <richedit.h>

namespace {

XTP_RICHEDIT_LOADER* g_pLoader = nullptr;

XTP_RICHEDIT_LOADER LoadRichEdit(PFNXTPLOADLIBRARY pfnLoadLibrary)
{
    XTP_RICHEDIT_LOADER loader = {nullptr, L"EDIT", FALSE};
    if ((loader.hModule = pfnLoadLibrary(L"RICHED20.DLL")) != nullptr) {
        loader.strClassName = L"RichEdit20W";
        loader.bRichEdit2 = TRUE;
    } else if ((loader.hModule = pfnLoadLibrary(L"RICHED32.DLL")) != nullptr) {
        loader.strClassName = L"RICHEDIT";
    }
    return loader;
}

HMODULE WINAPI SystemLoadLibrary(LPCWSTR lpszName)
{
    return ::LoadLibraryW(lpszName);
}

} // namespace

const XTP_RICHEDIT_LOADER& XTPGetRichEditLoader()
{
    if (!g_pLoader)
        XTPResetRichEditLoader(nullptr);
    return *g_pLoader;
}

void XTPResetRichEditLoader(PFNXTPLOADLIBRARY pfnLoadLibrary)
{
    XTP_RICHEDIT_LOADER loader = LoadRichEdit(pfnLoadLibrary ? pfnLoadLibrary : SystemLoadLibrary);
    if (!g_pLoader)
        g_pLoader = new XTP_RICHEDIT_LOADER(loader);
    else
        *g_pLoader = loader;
}

CXTPEdit::CXTPEdit()
    : m_bComposited(FALSE)
{
}

void CXTPEdit::ShowContextMenu(CPoint /*point*/)
{
}

BOOL CXTPEdit::CreateEdit(DWORD dwStyle, CWnd* pParentWnd)
{
    const XTP_RICHEDIT_LOADER& loader = XTPGetRichEditLoader();
    if (!CreateEx(0, loader.hModule ? static_cast<LPCWSTR>(loader.strClassName) : L"EDIT", L"", dwStyle, 0, 0, 0, 0,
                  pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    if (loader.hModule) {
        SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
        SendMessage(EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO, 0);
    }
    return TRUE;
}

LRESULT CXTPEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_IME_STARTCOMPOSITION:
        m_bComposited = TRUE;
        break;
    case WM_IME_ENDCOMPOSITION:
    case WM_KILLFOCUS:
        m_bComposited = FALSE;
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
