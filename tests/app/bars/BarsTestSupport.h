// The main frame with its command bars, shown on screen for real input, an
// application whose registry key holds nothing but what these tests store,
// and the frame's bars and controls found by their ids.
#pragma once
#include <gtest/gtest.h>

#include "app/frame/FrameTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/SiteSimulation.h"

#include <functional>
#include <string>
#include <vector>

class CXTPCommandBar;
class CXTPControl;
class CXTPCustomizeCommandsPage;
class CXTPMenuBar;
class CXTPPopupBar;
class CXTPToolBar;

namespace barstest {

// Software\TavrolinTests\TavrolinBars of HKEY_CURRENT_USER: emptied when the
// application is made and when it goes.
class CBarsApp : public CWinApp
{
public:
    // A later process of the program finds what the first one stored.
    explicit CBarsApp(BOOL bFresh = TRUE);
    ~CBarsApp() override;
    static void DeleteStoredKey();
    // A value in the application key's section "Settings".
    static void WriteSetting(LPCWSTR pszName, LPCWSTR pszValue);
};

// A later process of the program: the application finding what the first
// one stored, the settings, a history database and the frame (null when it
// could not be made). The frame and the database go with it.
class CLaterProcess
{
public:
    CLaterProcess();
    ~CLaterProcess();
    CLaterProcess(const CLaterProcess&) = delete;
    CLaterProcess& operator=(const CLaterProcess&) = delete;
    CMainFrame* Frame() const { return m_pFrame; }

private:
    CBarsApp m_app{FALSE};
    frametest::CPollSettings m_settings{60};
    CTestFolder m_folder{"bars"};
    CMainFrame* m_pFrame = nullptr;
};

// The file the frame's web-page list reads: written for a test, gone after it.
class CInfoFile
{
public:
    CInfoFile();
    ~CInfoFile();
    void Write(const std::string& utf8) const;
    // The usual document: one "WebPage" element per (name, url) pair; a null
    // member leaves that value out.
    static std::string Document(const std::vector<std::pair<const char*, const char*>>& pages);
    const CString& Path() const { return m_path; }

private:
    CString m_path;
};

// Records the addresses handed to the browser instead of opening them.
class COpenedPages
{
public:
    COpenedPages();
    ~COpenedPages();
    static std::vector<CString>& Opened();
};

// Runs the action once on the first dialog box of this thread that shows up,
// from a timer: inside the dialog's own modal loop. The action ends the box.
class CInModal
{
public:
    explicit CInModal(std::function<void(HWND)> action);
    ~CInModal();
    bool HasRun() const;
};

// tests/app/bars/pics/<name> of the source folder, through Wine's Z: drive.
CString TestPicturePath(LPCWSTR name);

// A window's rectangle on the screen.
CRect WindowRectOf(CWnd* pWnd);

// Clicks the sheet's tab of that index and waits for its page to show the
// control; the page shown then.
HWND ShowPageByClick(HWND hSheet, int nTab, int nControlOnPage);

// Clicks the entry of the commands page's category list that has the name
// and waits until it is chosen; whether it was.
bool ClickCategory(CXTPCustomizeCommandsPage& page, LPCWSTR pszCategory);

// Steps run in turn from a timer, inside whatever loop runs (menus, sheets,
// boxes, editors): each waits for its condition, then acts once.
struct TimedStep
{
    std::function<bool()> ready;
    std::function<void()> act;
};
// Starts the steps; the input that opens the first loop follows.
void RunSteps(std::vector<TimedStep> steps);
bool StepsDone();
// How many steps have acted.
size_t StepsRun();
// Forgets the steps (their captures may be gone) and ends their timer.
void DropSteps();


// The frame's menu of that index opened by a click on its title; its popup
// once shown, else null.
CXTPPopupBar* OpenMenuByClick(CMainFrame* pFrame, int nIndex);

class FrameBars : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The frame shown at (20, 20), 800 x 560, in the foreground.
    void ShowFrame();
    // The program ended through its frame (its layout and options stored)
    // and started again, the new frame shown.
    void Restart();
    CXTPToolBar* ToolBar() const;
    CXTPMenuBar* MenuBar() const;
    CXTPControl* ToolBarButton(int nID) const;
    // A control's rectangle on the screen.
    CRect ScreenRect(CXTPControl* pControl) const;
    // Clicks the menu bar's title and waits for its popup bar.
    CXTPPopupBar* OpenMenu(int nIndex);
    void CloseMenus();
    // The frame's logo taken from the test picture (400 x 100 pixels).
    void LoadWideLogo();
    // A toolbar of the user's, "Eigene" with the "Über" button and a bar id
    // as the user's bars have, floating with its top left at (300, 300)
    // over the shown frame.
    CXTPToolBar* AddFloatingUserBar();
    // The commands of a bar's visible controls, in order.
    static std::vector<int> VisibleIds(CXTPCommandBar* pBar);
    // The application's pump until the condition holds (the frame's keys
    // and accelerators work only through it).
    bool PumpAppUntil(const std::function<bool()>& condition);

    CBarsApp app;
    frametest::CPollSettings settings{60};
    CMainFrame* pFrame = nullptr;
    HWND hFrame = nullptr;
    CString folder;
};

} // namespace barstest
