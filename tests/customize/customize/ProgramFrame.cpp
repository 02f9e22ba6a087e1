#include "customize/customize/ProgramFrame.h"

#include <shlwapi.h>

#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeKeyboardPage.h"
#include "toolkit/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

namespace custtest {

const wchar_t kProgramProfile[] = L"CommandBars2";

namespace {
const wchar_t kVendor[] = L"TavrolinCustomizeTests";
constexpr int kWhidbeyTheme = 4;
constexpr DWORD kStretchedBar = 64;
constexpr UINT kPrintPreview = 0xE109;
} // namespace

CProgramApp::CProgramApp() : CWinApp(L"CustomizeProgram")
{
    SetRegistryKey(kVendor);
}

void CProgramApp::DeleteStored()
{
    CString strKey;
    strKey.Format(L"Software\\%s", kVendor);
    ::SHDeleteKeyW(HKEY_CURRENT_USER, strKey);
}

BEGIN_MESSAGE_MAP(CProgramFrame, CXTPFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(kCustomizeCommand, OnCustomize)
END_MESSAGE_MAP()

CProgramFrame::~CProgramFrame()
{
    // The look is process-wide: the tests after this one keep theirs.
    if (m_nThemeBefore >= 0)
        CXTPPaintManager::SetTheme(m_nThemeBefore);
}

BOOL CProgramFrame::Open()
{
    CRect rc(20, 20, 620, 420);
    return Create(nullptr, L"Programm", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, rc);
}

int CProgramFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this, 0x50008200, kStatusBarId) || !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    if (!CreateCommandBars() || GetCommandBars() == nullptr)
        return -1;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CString strMenuBar, strToolBar;
    strMenuBar.LoadString(IDS_MENUBAR);
    strToolBar.LoadString(IDS_TOOLBAR_STANDARD);
    if (pCommandBars->SetMenu(strMenuBar, IDR_MAINFRAME) == nullptr)
        return -1;
    CXTPToolBar* pToolBar = pCommandBars->Add(strToolBar, xtpBarTop);
    if (pToolBar == nullptr || !pToolBar->LoadToolBar(IDR_TOOLBAR_ALPHA))
        return -1;
    pToolBar->SetFlags(kStretchedBar);
    m_nThemeBefore = XTPPaintManager()->GetCurrentTheme();
    CXTPPaintManager::SetTheme(kWhidbeyTheme);
    static const UINT hidden[] = {ID_FILE_PRINT, kPrintPreview};
    pCommandBars->HideCommands(hidden, 2);
    pCommandBars->GetOptions()->bAlwaysShowFullMenus = FALSE;
    pCommandBars->GetShortcutManager()->SetAccelerators(IDR_MAINFRAME);
    if (m_bLoad) {
        pCommandBars->LoadOptions(kProgramProfile);
        pCommandBars->LoadBarState(kProgramProfile, FALSE);
        pCommandBars->GetShortcutManager()->LoadShortcuts(kProgramProfile);
    }
    // The view fills what the bars leave; it counts the clicks that reach it.
    m_hWndView = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 10, 10,
                                   m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                   ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(m_hWndView, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(m_hWndView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc));
    return 0;
}

LRESULT CALLBACK CProgramFrame::ViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pFrame = reinterpret_cast<CProgramFrame*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (message == WM_LBUTTONDOWN && pFrame != nullptr)
        pFrame->viewClicks++;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

void CProgramFrame::Save()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    pCommandBars->SaveOptions(kProgramProfile);
    pCommandBars->SaveBarState(kProgramProfile, TRUE);
    pCommandBars->GetShortcutManager()->SaveShortcuts(kProgramProfile);
}

CXTPToolBar* CProgramFrame::ToolBar()
{
    return GetCommandBars()->FindToolBar(IDR_TOOLBAR_ALPHA);
}

void CProgramFrame::OnCustomize()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return;
    CXTPCustomizeSheet sheet(pCommandBars, this);
    CXTPCustomizeKeyboardPage keyboard(&sheet);
    sheet.AddPage(&keyboard);
    keyboard.AddCategories(IDR_MAINFRAME);
    CXTPCustomizeOptionsPage options(&sheet);
    sheet.AddPage(&options);
    CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
    pCommands->AddCategories(IDR_MAINFRAME);
    pCommands->InsertAllCommandsCategory(XTP_IDS_ALLCOMMANDS);
    pCommands->InsertBuiltInMenus(IDR_MAINFRAME, XTP_IDS_BUILTINMENUS);
    pCommands->InsertNewMenuCategory(XTP_IDS_NEWMENU);
    m_pSheet = &sheet;
    sheet.DoModal();
    m_pSheet = nullptr;
}

} // namespace custtest
