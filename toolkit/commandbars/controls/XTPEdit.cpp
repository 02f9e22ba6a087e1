#include "toolkit/commandbars/controls/XTPEdit.h"
#include <richedit.h>
#include "framework/windows/CCmdUI.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

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

BEGIN_MESSAGE_MAP(CXTPEdit, CEdit)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCutCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCutCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
END_MESSAGE_MAP()

BOOL CXTPEdit::HasSelection() const
{
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(GetSafeHwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    // A rich edit's selection may take in the closing paragraph mark that no text holds.
    DWORD dwLength = static_cast<DWORD>(::GetWindowTextLengthW(GetSafeHwnd()));
    return (dwStart < dwLength ? dwStart : dwLength) != (dwEnd < dwLength ? dwEnd : dwLength);
}

void CXTPEdit::ShowContextMenu(CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !GetSafeHwnd())
        return;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    struct
    {
        UINT nId;
        LPCWSTR lpszCaption;
        BOOL bEnabled;
    } items[] = {
        {ID_EDIT_CUT, L"&Ausschneiden", HasSelection()},
        {ID_EDIT_COPY, L"&Kopieren", HasSelection()},
        {ID_EDIT_PASTE, L"&Einf\u00FCgen", ::IsClipboardFormatAvailable(CF_TEXT)},
    };
    for (const auto& item : items) {
        CXTPControl* pControl = pPopup->GetControls()->Add(xtpControlButton, static_cast<int>(item.nId));
        pControl->SetCaption(item.lpszCaption);
        pControl->SetEnabled(item.bEnabled);
    }
    UINT nFlags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RECURSE;
    if (::GetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL)
        nFlags |= TPM_RIGHTALIGN;
    HWND hWnd = GetSafeHwnd();
    // The menu wants the mouse that the focused edit part holds locked.
    XTPMouseManager()->UnlockMouseMove();
    int nCommand = CXTPCommandBars::TrackPopupBar(pPopup, nFlags, point.x, point.y, this);
    XTPMouseManager()->LockMouseMove();
    pPopup->InternalRelease();
    if (!::IsWindow(hWnd))
        return;
    switch (nCommand) {
    case ID_EDIT_CUT:
        ::SendMessageW(hWnd, WM_CUT, 0, 0);
        break;
    case ID_EDIT_COPY:
        ::SendMessageW(hWnd, WM_COPY, 0, 0);
        break;
    case ID_EDIT_PASTE:
        ::SendMessageW(hWnd, WM_PASTE, 0, 0);
        break;
    default:
        break;
    }
}

void CXTPEdit::OnEditCut()
{
    SendMessage(WM_CUT, 0, 0);
}

void CXTPEdit::OnEditCopy()
{
    SendMessage(WM_COPY, 0, 0);
}

void CXTPEdit::OnEditPaste()
{
    SendMessage(WM_PASTE, 0, 0);
}

void CXTPEdit::OnUpdateEditCutCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CXTPEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT));
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
