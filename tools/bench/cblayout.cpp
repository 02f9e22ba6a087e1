// Times the command bars' row layout and idle update: 1,000 controls wrapped
// at a width beside the platform's toolbar wrapping as many buttons, the
// idle update of a 30-control bar beside the framework's update of a
// 30-item menu through the same handlers, and filling a toolbar with 5,000,
// 10,000 and 20,000 buttons as a toolbar resource does.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "framework/gdi/CDC.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

const int LAYOUT_CONTROLS = 1000;
const int LAYOUT_ROUNDS = 20;
const int UPDATE_CONTROLS = 30;
const int UPDATE_ROUNDS = 2000;
const UINT FIRST_COMMAND = 41000;
const int WRAP_WIDTH = 600;

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

// A button of a fixed size, as the platform's toolbar buttons are.
class CFixedButton : public CXTPControlButton
{
public:
    CSize GetSize(CDC*) override { return CSize(23, 22); }
};

// Enables every second command and checks every third.
class CHandlerSite : public CWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID < FIRST_COMMAND || nID >= FIRST_COMMAND + UPDATE_CONTROLS)
            return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pExtra) {
            CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
            pCmdUI->Enable(nID % 2 == 0);
            pCmdUI->SetCheck(nID % 3 == 0);
        }
        return TRUE;
    }
};

} // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    CXTPPaintManager::SetTheme(0);
    CHandlerSite host;
    host.CreateEx(0, AfxRegisterWndClass(0), L"Bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr);

    CXTPToolBar bar;
    bar.SetBarPosition(xtpBarTop);
    bar.CreateEx(0, AfxRegisterWndClass(0), L"Bar", WS_CHILD | WS_VISIBLE, 0, 0, WRAP_WIDTH, 30,
                 host.GetSafeHwnd(), nullptr);
    for (int i = 0; i < LAYOUT_CONTROLS; i++) {
        CXTPControl* pControl = bar.GetControls()->Add(new CFixedButton(), 0);
        pControl->SetBeginGroup(i % 7 == 0);
    }
    HWND hToolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_WRAPABLE |
                                                                   CCS_NORESIZE | CCS_NOPARENTALIGN,
                                    0, 100, WRAP_WIDTH, 300, host.GetSafeHwnd(), nullptr, nullptr, nullptr);
    SendMessageW(hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON* buttons = new TBBUTTON[LAYOUT_CONTROLS]();
    for (int i = 0; i < LAYOUT_CONTROLS; i++) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = 1000 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
    }
    SendMessageW(hToolbar, TB_ADDBUTTONSW, LAYOUT_CONTROLS, reinterpret_cast<LPARAM>(buttons));
    delete[] buttons;

    HDC hScreen = GetDC(nullptr);
    CDC* pDC = CDC::FromHandle(hScreen);
    LARGE_INTEGER start = Now();
    CSize size;
    for (int i = 0; i < LAYOUT_ROUNDS; i++)
        size = bar.GetControls()->CalcDynamicSize(pDC, WRAP_WIDTH, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
    double ours = Seconds(start);
    start = Now();
    RECT rcRows = {};
    for (int i = 0; i < LAYOUT_ROUNDS; i++) {
        // Changing the row count makes the control wrap its buttons again.
        SendMessageW(hToolbar, TB_SETROWS, MAKEWPARAM(i % 2 ? 40 : 41, TRUE), reinterpret_cast<LPARAM>(&rcRows));
        SendMessageW(hToolbar, TB_AUTOSIZE, 0, 0);
    }
    double platform = Seconds(start);
    ReleaseDC(nullptr, hScreen);

    std::printf("%-44s %12s %12s\n", "1,000 controls wrapped at 600 pixels", "command bar", "platform");
    std::printf("%-44s %12.3f %12.3f\n", "  milliseconds per layout", 1000.0 * ours / LAYOUT_ROUNDS,
                1000.0 * platform / LAYOUT_ROUNDS);
    std::printf("%-44s %12ld\n", "  command bar rows' height", static_cast<long>(size.cy));

    CXTPToolBar updated;
    updated.SetBarPosition(xtpBarTop);
    updated.CreateEx(0, AfxRegisterWndClass(0), L"Updated", WS_CHILD | WS_VISIBLE, 0, 400, 700, 30,
                     host.GetSafeHwnd(), nullptr);
    CMenu menu;
    menu.CreatePopupMenu();
    for (int i = 0; i < UPDATE_CONTROLS; i++) {
        updated.GetControls()->Add(new CXTPControlButton(), static_cast<int>(FIRST_COMMAND + i));
        menu.AppendMenu(MF_STRING, FIRST_COMMAND + i, L"Eintrag");
    }
    start = Now();
    for (int i = 0; i < UPDATE_ROUNDS; i++)
        updated.OnIdleUpdateCmdUI(TRUE, 0);
    double barUpdate = Seconds(start);
    start = Now();
    for (int i = 0; i < UPDATE_ROUNDS; i++) {
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndexMax = static_cast<UINT>(UPDATE_CONTROLS);
        for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
            state.m_nID = menu.GetMenuItemID(static_cast<int>(state.m_nIndex));
            state.DoUpdate(&host, TRUE);
        }
    }
    double menuUpdate = Seconds(start);
    std::printf("%-44s %12s %12s\n", "update of 30 commands", "command bar", "menu");
    std::printf("%-44s %12.3f %12.3f\n", "  microseconds per update", 1e6 * barUpdate / UPDATE_ROUNDS,
                1e6 * menuUpdate / UPDATE_ROUNDS);

    CXTPToolBar filled;
    filled.SetBarPosition(xtpBarTop);
    filled.CreateEx(0, AfxRegisterWndClass(0), L"Filled", WS_CHILD | WS_VISIBLE, 0, 450, 700, 30,
                    host.GetSafeHwnd(), nullptr);
    std::printf("%-44s %12s %12s\n", "buttons added as from a toolbar resource", "ms", "us/button");
    for (int nButtons : {5000, 10000, 20000}) {
        std::vector<UINT> ids(static_cast<size_t>(nButtons));
        for (int i = 0; i < nButtons; i++)
            ids[static_cast<size_t>(i)] = i % 10 == 9 ? 0 : FIRST_COMMAND + 100 + static_cast<UINT>(i);
        filled.GetControls()->RemoveAll();
        start = Now();
        filled.AddButtons(ids.data(), nButtons);
        double seconds = Seconds(start);
        char label[64];
        std::snprintf(label, sizeof(label), "  %d ids (%d controls)", nButtons, filled.GetControls()->GetCount());
        std::printf("%-44s %12.1f %12.2f\n", label, 1000.0 * seconds, 1e6 * seconds / nButtons);
    }

    filled.DestroyWindow();
    updated.DestroyWindow();
    bar.DestroyWindow();
    DestroyWindow(hToolbar);
    host.DestroyWindow();
    return 0;
}
