#include "BarsTestSupport.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "app/frame/AlertPopups.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPNewToolbarDlg.h"

namespace barstest {

namespace {

const wchar_t kRegistryKey[] = L"TavrolinTests";
const wchar_t kAppName[] = L"TavrolinBars";

std::vector<CString> g_opened;

void RecordOpenedPage(const CString& strAddress)
{
    g_opened.push_back(strAddress);
}

std::function<void(HWND)> g_modalAction;
bool g_modalRun = false;
UINT_PTR g_modalTimer = 0;

void CALLBACK RunModalAction(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hBox = testwindows::FindThreadWindow(L"#32770");
    if (hBox == nullptr || g_modalRun)
        return;
    testtimer::Kill(g_modalTimer);
    g_modalTimer = 0;
    g_modalRun = true;
    g_modalAction(hBox);
}

std::vector<TimedStep> g_steps;
size_t g_nNextStep = 0;
UINT_PTR g_stepTimer = 0;

void EndStepTimer()
{
    testtimer::Kill(g_stepTimer);
    g_stepTimer = 0;
}

void CALLBACK RunReadyStep(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_nNextStep >= g_steps.size())
    {
        testtimer::Kill(nTimer);
        if (nTimer == g_stepTimer)
            g_stepTimer = 0;
        return;
    }
    if (!g_steps[g_nNextStep].ready())
        return;
    // The step may start a loop of its own, which runs this timer again.
    g_steps[g_nNextStep++].act();
}

} // namespace

CInModal::CInModal(std::function<void(HWND)> action)
{
    g_modalAction = std::move(action);
    g_modalRun = false;
    g_modalTimer = testtimer::Set(50, RunModalAction);
}

CInModal::~CInModal()
{
    testtimer::Kill(g_modalTimer);
    g_modalTimer = 0;
    g_modalAction = nullptr;
}

bool CInModal::HasRun() const
{
    return g_modalRun;
}

CString TestPicturePath(LPCWSTR name)
{
    const char* source = getenv("TAVROLIN_SOURCE_DIR");
    CString path = CString(L"Z:") + CString(source ? source : "") + L"/tests/app/bars/pics/" + name;
    path.Replace(L'/', L'\\');
    return path;
}

CRect WindowRectOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

HWND ShowPageByClick(HWND hSheet, int nTab, int nControlOnPage)
{
    HWND hTabs = ::FindWindowExW(hSheet, nullptr, WC_TABCONTROLW, nullptr);
    RECT rcTab = {};
    ::SendMessageW(hTabs, TCM_GETITEMRECT, static_cast<WPARAM>(nTab), reinterpret_cast<LPARAM>(&rcTab));
    POINT pt = {(rcTab.left + rcTab.right) / 2, (rcTab.top + rcTab.bottom) / 2};
    ::ClientToScreen(hTabs, &pt);
    EXPECT_TRUE(testinput::ClickOn(hTabs, pt)) << "the sheet was not what a click on tab " << nTab << " reached";
    HWND hPage = nullptr;
    // Steps that go on after a lost click would work on a page that was
    // never made: its lists answer nothing and a later step fails far away.
    EXPECT_TRUE(testpump::PumpUntil([&] {
        hPage = reinterpret_cast<HWND>(::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        return hPage != nullptr && ::GetDlgItem(hPage, nControlOnPage) != nullptr;
    })) << "the click on tab " << nTab << " at " << pt.x << "," << pt.y << " showed no page with control "
        << nControlOnPage;
    testpump::PumpUntilIdle();
    return hPage;
}

bool ClickCategory(CXTPCustomizeCommandsPage& page, LPCWSTR pszCategory)
{
    CListBox& categories = page.GetCategoriesList();
    const int nCategory = categories.FindStringExact(-1, pszCategory);
    CRect rcItem;
    categories.GetItemRect(nCategory, &rcItem);
    POINT pt = rcItem.CenterPoint();
    categories.ClientToScreen(&pt);
    EXPECT_TRUE(testinput::ClickOn(categories.GetSafeHwnd(), pt)) << "the sheet was not what a click on a category reached";
    const bool bChosen = testpump::PumpUntil([&] { return categories.GetCurSel() == nCategory; });
    testpump::PumpUntilIdle();
    return bChosen;
}

void RunSteps(std::vector<TimedStep> steps)
{
    EndStepTimer();
    g_steps = std::move(steps);
    g_nNextStep = 0;
    g_stepTimer = testtimer::Set(20, RunReadyStep);
}

bool StepsDone()
{
    return g_nNextStep == g_steps.size();
}

size_t StepsRun()
{
    return g_nNextStep;
}

void DropSteps()
{
    EndStepTimer();
    g_steps.clear();
    g_nNextStep = 0;
}

CBarsApp::CBarsApp(BOOL bFresh)
    : CWinApp(kAppName)
{
    SetRegistryKey(kRegistryKey);
    if (bFresh)
        DeleteStoredKey();
}

CBarsApp::~CBarsApp()
{
    DeleteStoredKey();
}

CLaterProcess::CLaterProcess()
{
    if (CDatabaseManager::GetInstance().OpenOrCreate(m_folder.Path().c_str()))
        m_pFrame = frametest::CreateFrame();
}

CLaterProcess::~CLaterProcess()
{
    if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->DestroyWindow();
    CDatabaseManager::GetInstance().Close();
}

void CBarsApp::DeleteStoredKey()
{
    ::SHDeleteKeyW(HKEY_CURRENT_USER, (CString(L"Software\\") + kRegistryKey).GetString());
}

void CBarsApp::WriteSetting(LPCWSTR pszName, LPCWSTR pszValue)
{
    AfxGetApp()->WriteProfileString(L"Settings", pszName, pszValue);
}

CInfoFile::CInfoFile()
    : m_path(CSettingsStore::GetProgramFolder() + L"wm-info.xml")
{
    // The file is read through the system's XML objects.
    ::CoInitialize(nullptr);
}

CInfoFile::~CInfoFile()
{
    ::DeleteFileW(m_path);
    ::CoUninitialize();
}

void CInfoFile::Write(const std::string& utf8) const
{
    HANDLE hFile = ::CreateFileW(m_path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(hFile, utf8.data(), (DWORD)utf8.size(), &nWritten, nullptr);
    ::CloseHandle(hFile);
}

std::string CInfoFile::Document(const std::vector<std::pair<const char*, const char*>>& pages)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Info>\n";
    for (const auto& page : pages)
    {
        text += "  <WebPage>\n";
        if (page.first != nullptr)
            text += std::string("    <Name>") + page.first + "</Name>\n";
        if (page.second != nullptr)
            text += std::string("    <Url>") + page.second + "</Url>\n";
        text += "  </WebPage>\n";
    }
    return text + "</Info>\n";
}

COpenedPages::COpenedPages()
{
    g_opened.clear();
    CAlertPopups::s_pfnOpenPage = &RecordOpenedPage;
}

COpenedPages::~COpenedPages()
{
    CAlertPopups::s_pfnOpenPage = &CAlertPopups::OpenPageInBrowser;
    g_opened.clear();
}

std::vector<CString>& COpenedPages::Opened()
{
    return g_opened;
}

void FrameBars::SetUp()
{
    folder = frametest::OpenTestHistory(L"tavrolin_bars", false);
    ASSERT_FALSE(folder.IsEmpty());
    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
}

void FrameBars::TearDown()
{
    DropSteps();
    if (pFrame != nullptr && pFrame->GetCommandBars() != nullptr && ::IsWindow(hFrame))
        pFrame->GetCommandBars()->ClosePopups();
    if (::IsWindow(hFrame))
        pFrame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    frametest::DispatchAllButQuit();
    CDatabaseManager::GetInstance().Close();
}

void FrameBars::ShowFrame()
{
    pFrame->SetWindowPos(nullptr, 20, 20, 800, 560, SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetForegroundWindow(hFrame);
    ASSERT_TRUE(testpump::PumpUntil([this] { return ::GetActiveWindow() == hFrame; }));
    frametest::ViewOf(pFrame)->SetFocus();
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
}

void FrameBars::Restart()
{
    pFrame->SendMessage(WM_CLOSE);
    frametest::DispatchAllButQuit();
    ASSERT_FALSE(::IsWindow(hFrame));
    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
    ShowFrame();
}

CXTPToolBar* FrameBars::AddFloatingUserBar()
{
    CXTPToolBar* pBar = pFrame->GetCommandBars()->Add(L"Eigene", xtpBarFloating);
    if (pBar == nullptr)
        return nullptr;
    // With the id "Neu..." gives a user's bar: the stored places are matched
    // to the bars by id, and a bar without one comes back at the default place.
    pBar->SetBarID(CXTPNewToolbarDlg::FindFreeBarID(pFrame->GetCommandBars()));
    pBar->GetControls()->Add(xtpControlButton, ID_ABOUT);
    pBar->OnRecalcLayout();
    pBar->SetWindowPos(nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    return pBar;
}

CXTPToolBar* FrameBars::ToolBar() const
{
    return pFrame->GetStandardToolBar();
}

CXTPMenuBar* FrameBars::MenuBar() const
{
    return static_cast<CXTPMenuBar*>(pFrame->GetCommandBars()->GetMenuBar());
}

CXTPControl* FrameBars::ToolBarButton(int nID) const
{
    return ToolBar()->GetControls()->FindControl(nID);
}

CRect FrameBars::ScreenRect(CXTPControl* pControl) const
{
    CRect rc = pControl->GetRect();
    ::MapWindowPoints(pControl->GetParent()->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

CXTPPopupBar* FrameBars::OpenMenu(int nIndex)
{
    return OpenMenuByClick(pFrame, nIndex);
}

CXTPPopupBar* OpenMenuByClick(CMainFrame* pFrame, int nIndex)
{
    CXTPControl* pTitle = pFrame->GetCommandBars()->GetMenuBar()->GetControls()->GetAt(nIndex);
    CRect rc = pTitle->GetRect();
    ::MapWindowPoints(pTitle->GetParent()->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    testinput::MoveMouseAndWait(rc.CenterPoint());
    testinput::ClickAt(rc.CenterPoint());
    CXTPPopupBar* pPopup = static_cast<CXTPPopupBar*>(pTitle->GetCommandBar());
    if (!testpump::PumpUntil([pPopup] { return pPopup != nullptr && ::IsWindowVisible(pPopup->GetSafeHwnd()); }))
        return nullptr;
    testpump::PumpUntilIdle();
    return pPopup;
}

void FrameBars::CloseMenus()
{
    pFrame->GetCommandBars()->ClosePopups();
    testpump::PumpUntilIdle();
}

void FrameBars::LoadWideLogo()
{
    ASSERT_TRUE(CMainFrame::LoadLogoBitmap(TestPicturePath(L"wide.jpg"), pFrame->GetLogoBitmap()));
    ToolBar()->DelayLayout();
    pFrame->GetCommandBars()->RecalcFrameLayout();
    testpump::PumpUntilIdle();
}

std::vector<int> FrameBars::VisibleIds(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    CXTPControls* pControls = pBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); ++i)
        if (pControls->GetAt(i)->IsVisible())
            ids.push_back(pControls->GetAt(i)->GetID());
    return ids;
}

bool FrameBars::PumpAppUntil(const std::function<bool()>& condition)
{
    return frametest::PumpAppUntil(app, condition);
}

} // namespace barstest
