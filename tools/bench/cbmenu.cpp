// Times opening a 40-item drop-down: the command bars' popup opened from its
// title on a bar until it is painted, beside the platform's menu shown by
// TrackPopupMenu until it idles (WM_ENTERIDLE), each closed again.
#include <windows.h>

#include <cstdio>

#include "framework/gdi/CClientDC.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

const int ITEM_COUNT = 40;
const int ROUNDS = 100;

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER g_idle;

// The owner of the platform's menu: notes when the menu first idles.
LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
        g_idle = Now();
        EndMenu();
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

int wmain()
{
    CXTPPaintManager::SetTheme(0);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchMenuOwner";
    RegisterClassW(&wc);
    HWND hOwner = CreateWindowExW(0, wc.lpszClassName, L"Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 600, 400,
                                  nullptr, nullptr, wc.hInstance, nullptr);

    // The command bars' side: a bar with one title and its 40-item menu.
    CXTPToolBar bar;
    bar.SetBarPosition(xtpBarTop);
    bar.CreateEx(0, AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW)), L"Bar", WS_CHILD | WS_VISIBLE, 0, 0, 600,
                 24, hOwner, nullptr);
    CXTPControlPopup* pTitle = new CXTPControlPopup();
    bar.GetControls()->Add(pTitle, 0);
    pTitle->SetCaption(L"&Datei");
    pTitle->SetStyle(xtpButtonCaption);
    CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(nullptr);
    pMenu->SetNoUpdate(TRUE);
    HMENU hMenu = CreatePopupMenu();
    for (int i = 0; i < ITEM_COUNT; i++) {
        wchar_t text[32];
        swprintf(text, 32, L"Eintrag %d\tStrg+%d", i + 1, i % 10);
        pMenu->GetControls()->Add(new CXTPControlButton(), 1000 + i)->SetCaption(text);
        AppendMenuW(hMenu, MF_STRING, static_cast<UINT_PTR>(1000 + i), text);
    }
    pTitle->SetCommandBar(pMenu);
    pMenu->InternalRelease();
    {
        CClientDC dc(&bar);
        bar.GetControls()->CalcDynamicSize(&dc, 600, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
    }
    Pump();

    double ours = 0;
    for (int i = 0; i < ROUNDS; i++) {
        LARGE_INTEGER start = Now();
        bar.SetPopuped(pTitle->GetIndex());
        UpdateWindow(pMenu->GetSafeHwnd());
        LARGE_INTEGER painted = Now();
        ours += Milliseconds(start, painted);
        XTPMouseManager()->EndAllTracking();
        Pump();
    }

    double platform = 0;
    int idled = 0;
    for (int i = 0; i < ROUNDS; i++) {
        g_idle.QuadPart = 0;
        LARGE_INTEGER start = Now();
        TrackPopupMenu(hMenu, TPM_RETURNCMD, 60, 80, 0, hOwner, nullptr);
        if (g_idle.QuadPart) {
            platform += Milliseconds(start, g_idle);
            idled++;
        }
        Pump();
    }

    std::printf("40-item drop-down, %d openings each (milliseconds per opening)\n", ROUNDS);
    std::printf("%-44s %10s %10s\n", "", "popup bar", "platform");
    std::printf("%-44s %10.3f %10.3f\n", "open to painted (platform: to first idle)", ours / ROUNDS,
                idled ? platform / idled : 0.0);
    if (idled < ROUNDS)
        std::printf("(the platform's menu idled in %d of %d openings)\n", idled, ROUNDS);
    DestroyMenu(hMenu);
    bar.DestroyWindow();
    DestroyWindow(hOwner);
    return 0;
}
