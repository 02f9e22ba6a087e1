// Times one step of dragging a toolbar: docking it at a new place in the top
// dock bar and laying the frame out again, with the program's bars plus 20
// toolbars docked; printed beside the platform's rebar with as many bands,
// one band moved and the rebar sized again per step.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

const int BAR_COUNT = 22;  // menu bar, the program's toolbar, 20 more
const int BAR_LENGTH = 180;
const int STEPS = 2000;

double Seconds(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// A toolbar of fixed size, as a laid-out toolbar of buttons answers.
class CFixedBar : public CXTPToolBar
{
public:
    CSize CalcDynamicLayout(int, DWORD dwMode) override
    {
        return (dwMode & LM_VERTDOCK) ? CSize(24, BAR_LENGTH) : CSize(BAR_LENGTH, 24);
    }
};

void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

double TimeDockBars()
{
    auto* frame = new CXTPFrameWnd();
    frame->Create(nullptr, L"Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 700));
    frame->CreateCommandBars();
    CXTPCommandBars* pBars = frame->GetCommandBars();
    CXTPDockBar* pTop = pBars->GetDockBar(xtpBarTop);
    CXTPToolBar* bars[BAR_COUNT];
    for (int i = 0; i < BAR_COUNT; i++) {
        bars[i] = new CFixedBar();
        bars[i]->SetCommandBars(pBars);
        bars[i]->SetVisible(TRUE);
        pBars->AppendBar(bars[i]);
        // Five bars a row, side by side.
        CRect rcTop;
        pTop->GetWindowRect(&rcTop);
        int x = rcTop.left + (i % 5) * (BAR_LENGTH + 10);
        int y = rcTop.top + (i / 5) * 24 + (i % 5 == 0 ? 24 + 5 : 5);
        CRect rc(x, y, x + BAR_LENGTH, y + 24);
        pBars->DockCommandBar(bars[i], i == 0 ? nullptr : &rc, pTop);
        frame->RecalcLayout();
    }
    frame->RecalcLayout();
    PumpPending();

    CXTPToolBar* pDragged = bars[BAR_COUNT - 1];
    LARGE_INTEGER start = Now();
    for (int i = 0; i < STEPS; i++) {
        CRect rcTop;
        pTop->GetWindowRect(&rcTop);
        int x = rcTop.left + (i * 37) % 800;
        int y = rcTop.top + (i % 3) * 24 + 5;
        CRect rc(x, y, x + BAR_LENGTH, y + 24);
        pTop->DockCommandBar(pDragged, &rc);
        frame->RecalcLayout();
    }
    double seconds = Seconds(start);
    frame->DestroyWindow();
    return seconds;
}

double TimeRebar()
{
    HWND hFrame = CreateWindowExW(0, L"STATIC", L"Rebar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 700,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND hRebar = CreateWindowExW(0, REBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT | CCS_NODIVIDER, 0,
                                  0, 1000, 0, hFrame, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < BAR_COUNT; i++) {
        HWND hChild = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, BAR_LENGTH, 24, hRebar,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        REBARBANDINFOW band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
        band.fStyle = RBBS_GRIPPERALWAYS | (i % 4 == 0 ? RBBS_BREAK : 0);
        band.hwndChild = hChild;
        band.cxMinChild = BAR_LENGTH;
        band.cyMinChild = 24;
        band.cx = BAR_LENGTH;
        SendMessageW(hRebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
    PumpPending();
    LARGE_INTEGER start = Now();
    for (int i = 0; i < STEPS; i++) {
        SendMessageW(hRebar, RB_MOVEBAND, BAR_COUNT - 1 - (i % 2), (i * 7) % BAR_COUNT);
        SendMessageW(hRebar, WM_SIZE, 0, MAKELPARAM(1000, 0));
    }
    double seconds = Seconds(start);
    DestroyWindow(hFrame);
    return seconds;
}

}  // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    CXTPPaintManager::SetTheme(0);
    double dock = TimeDockBars();
    double rebar = TimeRebar();
    printf("drag step with %d bars (%d steps)\n", BAR_COUNT, STEPS);
    printf("  dock bar: dock + frame layout   %8.1f us/step\n", dock * 1e6 / STEPS);
    printf("  rebar:    move band + size      %8.1f us/step\n", rebar * 1e6 / STEPS);
    return 0;
}
