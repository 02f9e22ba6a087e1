// Times the command bars' drawing and hooks: a 20-button toolbar painted by
// the classic look beside the platform's toolbar control with the same
// buttons, and messages sent through a hooked window beside an unhooked one.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "framework/gdi/CDC.h"
#include "framework/windows/CWnd.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

const int BUTTON_COUNT = 20;
const int PAINT_ROUNDS = 2000;
const int MESSAGE_ROUNDS = 200000;
const UINT COMMAND_IDS[] = {ID_START_SEARCH, ID_STOP_SEARCH, ID_INFO_SINGLE_TICKET, ID_INFO_TST_TICKET, ID_OPTIONS};

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

class CPassingClient : public CXTPHookManagerHookAble
{
public:
    int OnHookMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) override { return 0; }
};

} // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    CXTPPaintManager::SetTheme(0);
    // The same five 16 x 16 icons for both bars.
    const LPCWSTR SYSTEM_ICONS[] = {IDI_APPLICATION, IDI_INFORMATION, IDI_WARNING, IDI_ERROR, IDI_QUESTION};
    HICON icons[5];
    for (int i = 0; i < 5; i++) {
        icons[i] = static_cast<HICON>(LoadImageW(nullptr, SYSTEM_ICONS[i], IMAGE_ICON, 16, 16, LR_SHARED));
        XTPImageManager()->SetIcon(CXTPImageManagerIconHandle(icons[i]), COMMAND_IDS[i], CSize(16, 16));
    }

    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0), L"Bench", WS_POPUP, 0, 0, 800, 200, nullptr, nullptr);

    // Our toolbar: 20 buttons of 23 x 23 with 16 x 16 icons.
    CXTPToolBar bar;
    bar.SetBarPosition(xtpBarTop);
    bar.CreateEx(0, AfxRegisterWndClass(0), L"Bar", WS_CHILD | WS_VISIBLE, 0, 0, 20 * 23 + 6, 29,
                 host.GetSafeHwnd(), nullptr);
    for (int i = 0; i < BUTTON_COUNT; i++) {
        CXTPControl* pButton = bar.GetControls()->Add(new CXTPControlButton(), static_cast<int>(COMMAND_IDS[i % 5]));
        pButton->SetRect(CRect(3 + i * 23, 3, 26 + i * 23, 26));
    }

    // The platform's toolbar with the same icons.
    HWND hToolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE,
                                    0, 40, 20 * 23 + 6, 29, host.GetSafeHwnd(), nullptr, nullptr, nullptr);
    SendMessageW(hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST hImages = ImageList_Create(16, 16, ILC_COLOR32, 5, 0);
    for (HICON hIcon : icons)
        ImageList_AddIcon(hImages, hIcon);
    SendMessageW(hToolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    TBBUTTON buttons[BUTTON_COUNT] = {};
    for (int i = 0; i < BUTTON_COUNT; i++) {
        buttons[i].iBitmap = i % 5;
        buttons[i].idCommand = static_cast<int>(COMMAND_IDS[i % 5]);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
    }
    SendMessageW(hToolbar, TB_ADDBUTTONSW, BUTTON_COUNT, reinterpret_cast<LPARAM>(buttons));

    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    HDC hScreen = GetDC(nullptr);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 800, 40);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(memDC.GetSafeHdc(), hBitmap);

    LARGE_INTEGER start = Now();
    for (int i = 0; i < PAINT_ROUNDS; i++)
        bar.DrawCommandBar(&memDC, CRect(0, 0, 466, 29));
    double ours = Seconds(start);
    start = Now();
    for (int i = 0; i < PAINT_ROUNDS; i++)
        SendMessageW(hToolbar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    double platform = Seconds(start);

    std::printf("%-44s %12s %12s\n", "20-button toolbar painted", "command bar", "platform");
    std::printf("%-44s %12.0f %12.0f\n", "  paints per second", PAINT_ROUNDS / ours, PAINT_ROUNDS / platform);
    std::printf("%-44s %12.3f %12.3f\n", "  milliseconds per paint", 1000.0 * ours / PAINT_ROUNDS,
                1000.0 * platform / PAINT_ROUNDS);

    // Messages through one passing hook client beside none.
    CWnd plain, hooked;
    plain.CreateEx(0, AfxRegisterWndClass(0), L"Plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    hooked.CreateEx(0, AfxRegisterWndClass(0), L"Hooked", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    CPassingClient client;
    XTPHookManager()->SetHook(hooked.GetSafeHwnd(), &client);
    start = Now();
    for (int i = 0; i < MESSAGE_ROUNDS; i++)
        SendMessageW(hooked.GetSafeHwnd(), WM_USER + 1, 0, 0);
    double hookedTime = Seconds(start);
    start = Now();
    for (int i = 0; i < MESSAGE_ROUNDS; i++)
        SendMessageW(plain.GetSafeHwnd(), WM_USER + 1, 0, 0);
    double plainTime = Seconds(start);
    XTPHookManager()->RemoveAll(&client);

    std::printf("%-44s %12s %12s\n", "messages sent to a window", "hooked", "unhooked");
    std::printf("%-44s %12.0f %12.0f\n", "  messages per second", MESSAGE_ROUNDS / hookedTime,
                MESSAGE_ROUNDS / plainTime);

    SelectObject(memDC.GetSafeHdc(), hOld);
    DeleteObject(hBitmap);
    ImageList_Destroy(hImages);
    bar.DestroyWindow();
    plain.DestroyWindow();
    hooked.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
