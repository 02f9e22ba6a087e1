// Times opening a 40-item drop-down: the command bars' popup opened from its
// title on a bar until it is painted, beside the platform's menu shown by
// TrackPopupMenu until it idles (WM_ENTERIDLE), each closed again; and
// repainting the program-like toolbar (its 32 x 32 alpha images with
// captions) beside the platform's toolbar with the same images and captions.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "framework/gdi/CClientDC.h"
#include "framework/windows/CWnd.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

namespace {

const int ITEM_COUNT = 40;
const int ROUNDS = 100;
const int MEASURED_ROUNDS = 3;
const int REPAINTS = 1000;
const int TOOLBAR_WIDTH = 900, TOOLBAR_HEIGHT = 60;
const wchar_t* const CAPTIONS[] = {L"Suche starten", L"Anhalten", L"Einzel", L"TST", L"Optionen", L"Hilfe", L"Logo"};

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

// Milliseconds per repaint of the program-like toolbar and of the platform's.
void ToolbarRepaint(HWND hOwner, double& ours, double& platform)
{
    CXTPToolBar bar;
    bar.SetBarPosition(xtpBarTop);
    bar.CreateEx(0, AfxRegisterWndClass(0), L"Standard", WS_CHILD | WS_VISIBLE, 0, 30, TOOLBAR_WIDTH, TOOLBAR_HEIGHT,
                 hOwner, nullptr);
    bar.LoadToolBar(IDR_TOOLBAR_ALPHA);
    int nButtons = 0;
    for (int i = 0; i < bar.GetControlCount() && i < 7; i++) {
        bar.GetControl(i)->SetCaption(CAPTIONS[i]);
        bar.GetControl(i)->SetStyle(xtpButtonIconAndCaption);
        nButtons++;
    }
    {
        CClientDC dc(&bar);
        CXTPFontDC font(&dc, XTPPaintManager()->GetCommandBarFont(&bar));
        bar.GetControls()->CalcDynamicSize(&dc, TOOLBAR_WIDTH, LM_HORZDOCK | LM_COMMIT, CRect(9, 2, 2, 2));
    }

    HWND hToolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST |
                                    CCS_NORESIZE | CCS_NODIVIDER, 0, 100, TOOLBAR_WIDTH, TOOLBAR_HEIGHT, hOwner,
                                    nullptr, nullptr, nullptr);
    HIMAGELIST hImages = ImageList_Create(32, 32, ILC_COLOR32, nButtons, 0);
    HBITMAP hStrip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TOOLBAR_ALPHA),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ImageList_Add(hImages, hStrip, nullptr);
    SendMessageW(hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hToolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    TBBUTTON buttons[7] = {};
    for (int i = 0; i < nButtons; i++)
        buttons[i] = {i, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_SHOWTEXT, {}, 0,
                      reinterpret_cast<INT_PTR>(CAPTIONS[i])};
    SendMessageW(hToolbar, TB_ADDBUTTONSW, static_cast<WPARAM>(nButtons), reinterpret_cast<LPARAM>(buttons));

    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    HDC hScreen = GetDC(nullptr);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, TOOLBAR_WIDTH, TOOLBAR_HEIGHT);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(memDC.GetSafeHdc(), hBitmap);

    LARGE_INTEGER start = Now();
    for (int i = 0; i < REPAINTS; i++)
        bar.DrawCommandBar(&memDC, CRect(0, 0, TOOLBAR_WIDTH, TOOLBAR_HEIGHT));
    ours = Milliseconds(start, Now()) / REPAINTS;
    start = Now();
    for (int i = 0; i < REPAINTS; i++)
        SendMessageW(hToolbar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    platform = Milliseconds(start, Now()) / REPAINTS;

    SelectObject(memDC.GetSafeHdc(), hOld);
    DeleteObject(hBitmap);
    DeleteObject(hStrip);
    ImageList_Destroy(hImages);
    DestroyWindow(hToolbar);
    bar.DestroyWindow();
}

} // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
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

    // Rounds alternate between the two so that a load on the machine that
    // comes and goes falls on both.
    std::printf("40-item drop-down, %d openings each per round (milliseconds per opening)\n", ROUNDS);
    std::printf("%-44s %10s %10s\n", "open to painted (platform: to first idle)", "popup bar", "platform");
    for (int round = 1; round <= MEASURED_ROUNDS; round++) {
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
        std::printf("%-44s %10.3f %10.3f\n", (std::string("round ") + std::to_string(round)).c_str(),
                    ours / ROUNDS, idled ? platform / idled : 0.0);
        if (idled < ROUNDS)
            std::printf("(the platform's menu idled in %d of %d openings)\n", idled, ROUNDS);
    }

    double toolbarOurs = 0, toolbarPlatform = 0;
    ToolbarRepaint(hOwner, toolbarOurs, toolbarPlatform);
    std::printf("\nprogram-like toolbar (32 x 32 alpha images, captions), %d repaints each\n", REPAINTS);
    std::printf("%-44s %10s %10s\n", "", "toolbar", "platform");
    std::printf("%-44s %10.3f %10.3f\n", "milliseconds per repaint", toolbarOurs, toolbarPlatform);
    DestroyMenu(hMenu);
    bar.DestroyWindow();
    DestroyWindow(hOwner);
    return 0;
}
