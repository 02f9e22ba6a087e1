// Times one full repaint of the program's bars in the Whidbey look (theme
// 4): the toolbar (32 x 32 alpha icons with captions, the logo button at the
// far end with flags 17), the menu bar and the status bar, beside the
// platform's toolbar and status bar controls painting the same content.
// Goal: under 16 ms per repaint.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "framework/gdi/CDC.h"
#include "framework/windows/CWnd.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

const int ROUNDS = 300;
const int WIDTH = 800;
const UINT COMMAND_IDS[] = {ID_START_SEARCH, ID_STOP_SEARCH, ID_INFO_SINGLE_TICKET, ID_INFO_TST_TICKET, ID_OPTIONS,
                            ID_LOGO};
const LPCWSTR CAPTIONS[] = {L"Suche starten", L"Suche anhalten", L"Einzel-Ticket", L"TST-Ticket", L"Optionen", L""};
const LPCWSTR MENUS[] = {L"&Datei", L"&Ansicht", L"&Suche", L"&Hilfe"};
const LPCWSTR PANES[] = {L"Bereit", L"42 Tickets", L"NUM"};
const int PANE_RIGHTS[] = {560, 700, -1};
const double BUDGET_MS = 16.0;
// The logo button: at the far end of its row, not movable.
const DWORD LOGO_FLAGS = xtpFlagRightAlign | xtpFlagNoMovable;

double Milliseconds(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

class CMenuPopup : public CXTPControlPopup
{
public:
    CMenuPopup() { m_controlType = xtpControlPopup; }
};

// The status bar as the look draws it: background, pane frames, texts, gripper.
void PaintStatusBar(CDC* pDC, CWnd* pStatus)
{
    CXTPPaintManager* pPaint = XTPPaintManager();
    pPaint->FillStatusBar(pDC, pStatus);
    CXTPClientRect rc(pStatus->GetSafeHwnd());
    CXTPFontDC font(pDC, pPaint->GetIconFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pPaint->m_clrStatusTextColor);
    int left = 2;
    for (int i = 0; i < 3; i++) {
        int right = PANE_RIGHTS[i] < 0 ? rc.right - 18 : PANE_RIGHTS[i];
        CRect rcPane(left, 2, right, rc.bottom);
        pPaint->DrawStatusBarPaneBorder(pDC, rcPane, FALSE);
        rcPane.DeflateRect(3, 1);
        pDC->DrawText(PANES[i], -1, &rcPane, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        left = right + 2;
    }
    pPaint->DrawStatusBarGripper(pDC, rc);
}

void Place(CXTPCommandBar& bar, int pos)
{
    HDC hScreen = GetDC(nullptr);
    CDC* pDC = CDC::FromHandle(hScreen);
    for (int i = 0; i < bar.GetControlCount(); i++) {
        CXTPControl* pControl = bar.GetControl(i);
        CXTPFontDC font(pDC, XTPPaintManager()->GetCommandBarFont(&bar));
        CSize size = pControl->GetSize(pDC);
        int left = (pControl->GetFlags() & xtpFlagRightAlign) ? WIDTH - 4 - size.cx : pos;
        pControl->SetRect(CRect(left, 2, left + size.cx, 2 + size.cy));
        pos += size.cx;
    }
    ReleaseDC(nullptr, hScreen);
}

} // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    CXTPPaintManager::SetTheme(xtpThemeWhidbey);
    XTPImageManager()->SetIconsFromToolBar(IDR_TOOLBAR_ALPHA);

    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0), L"Bench", WS_POPUP, 0, 0, WIDTH, 300, nullptr, nullptr);

    CXTPToolBar menuBar;
    menuBar.SetType(xtpBarTypeMenuBar);
    menuBar.SetBarPosition(xtpBarTop);
    menuBar.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 0, 0, WIDTH, 24, host.GetSafeHwnd(),
                     nullptr);
    for (LPCWSTR caption : MENUS)
        menuBar.GetControls()->Add(new CMenuPopup(), 0)->SetCaption(caption);
    Place(menuBar, 3);

    CXTPToolBar toolBar;
    toolBar.SetBarPosition(xtpBarTop);
    toolBar.SetBarStyle(CBRS_GRIPPER);
    toolBar.SetIconSize(CSize(32, 32));
    toolBar.CreateEx(0, AfxRegisterWndClass(0), L"Bar", WS_CHILD | WS_VISIBLE, 0, 24, WIDTH, 44, host.GetSafeHwnd(),
                     nullptr);
    for (int i = 0; i < 6; i++) {
        CXTPControl* pButton = toolBar.GetControls()->Add(new CXTPControlButton(), static_cast<int>(COMMAND_IDS[i]));
        pButton->SetCaption(CAPTIONS[i]);
        pButton->SetStyle(CAPTIONS[i][0] ? xtpButtonIconAndCaption : xtpButtonIcon);
        if (COMMAND_IDS[i] == ID_LOGO)
            pButton->SetFlags(LOGO_FLAGS);
    }
    Place(toolBar, 9);

    CWnd status;
    status.CreateEx(0, AfxRegisterWndClass(0), L"Status", WS_CHILD | WS_VISIBLE, 0, 274, WIDTH, 26,
                    host.GetSafeHwnd(), nullptr);

    // The platform's controls with the same content.
    HWND hMenu = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST |
                                 CCS_NORESIZE | CCS_NODIVIDER, 0, 80, WIDTH, 24, host.GetSafeHwnd(), nullptr, nullptr,
                                 nullptr);
    HWND hToolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST |
                                    CCS_NORESIZE, 0, 110, WIDTH, 44, host.GetSafeHwnd(), nullptr, nullptr, nullptr);
    HWND hStatus = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NOPARENTALIGN,
                                   0, 160, WIDTH, 26, host.GetSafeHwnd(), nullptr, nullptr, nullptr);
    HIMAGELIST hImages = ImageList_Create(32, 32, ILC_COLOR32, 6, 0);
    HBITMAP hStrip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TOOLBAR_ALPHA),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ImageList_Add(hImages, hStrip, nullptr);
    for (HWND hBar : {hMenu, hToolbar})
        SendMessageW(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hToolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    TBBUTTON buttons[6] = {};
    for (int i = 0; i < 6; i++) {
        buttons[i] = {i, static_cast<int>(COMMAND_IDS[i]), TBSTATE_ENABLED,
                      static_cast<BYTE>(BTNS_BUTTON | (CAPTIONS[i][0] ? BTNS_SHOWTEXT : 0)), {}, 0,
                      reinterpret_cast<INT_PTR>(CAPTIONS[i])};
    }
    SendMessageW(hToolbar, TB_ADDBUTTONSW, 6, reinterpret_cast<LPARAM>(buttons));
    TBBUTTON menus[4] = {};
    for (int i = 0; i < 4; i++)
        menus[i] = {I_IMAGENONE, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_SHOWTEXT | BTNS_AUTOSIZE, {}, 0,
                    reinterpret_cast<INT_PTR>(MENUS[i])};
    SendMessageW(hMenu, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(menus));
    int parts[3] = {PANE_RIGHTS[0], PANE_RIGHTS[1], -1};
    SendMessageW(hStatus, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    for (int i = 0; i < 3; i++)
        SendMessageW(hStatus, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(PANES[i]));

    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    HDC hScreen = GetDC(nullptr);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, WIDTH, 50);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(memDC.GetSafeHdc(), hBitmap);

    LARGE_INTEGER start = Now();
    for (int i = 0; i < ROUNDS; i++) {
        menuBar.DrawCommandBar(&memDC, CRect(0, 0, WIDTH, 24));
        toolBar.DrawCommandBar(&memDC, CRect(0, 0, WIDTH, 44));
        PaintStatusBar(&memDC, &status);
    }
    double ours = Milliseconds(start) / ROUNDS;
    start = Now();
    for (int i = 0; i < ROUNDS; i++) {
        for (HWND hWnd : {hMenu, hToolbar, hStatus})
            SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    }
    double platform = Milliseconds(start) / ROUNDS;

    std::printf("%-48s %14s %14s %14s\n", "menu bar, program toolbar and status bar", "Whidbey (4)", "platform",
                "budget");
    std::printf("%-48s %14.3f %14.3f %14.3f\n", "  milliseconds per full repaint", ours, platform, BUDGET_MS);
    std::printf("%-48s %14.0f %14.0f %14.0f\n", "  repaints per second", 1000.0 / ours, 1000.0 / platform,
                1000.0 / BUDGET_MS);
    std::printf("%-48s %14s\n", "  within the 16 ms budget", ours < BUDGET_MS ? "yes" : "NO");

    SelectObject(memDC.GetSafeHdc(), hOld);
    DeleteObject(hBitmap);
    DeleteObject(hStrip);
    ImageList_Destroy(hImages);
    for (CWnd* pWnd : {static_cast<CWnd*>(&menuBar), static_cast<CWnd*>(&toolBar), &status, &host})
        pWnd->DestroyWindow();
    return 0;
}
