// Shared pieces of the customize dialog tests: a site window with a view
// that counts clicks and records toolbar notifications, a manager with
// toolbars of chosen flags, a page shown in a plain modeless sheet, and a
// script that answers the dialogs a modal call shows, one step per window.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "customize/controls/ControlsTestSupport.h"
#include "framework/dialogs/CPropertySheet.h"
#include "framework/text/CString.h"
#include "framework/windows/CWnd.h"

class CXTPCommandBars;
class CXTPToolBar;

namespace custtest {

class CTestSite : public CWnd
{
public:
    CTestSite();
    ~CTestSite() override;

    HWND GetView() const { return m_hWndView; }
    int viewClicks = 0;
    std::vector<std::pair<UINT, LPARAM>> notifications;  // toolbar added / deleting

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWndView = nullptr;
};

struct BarSpec
{
    LPCWSTR title;
    UINT id;
    BOOL builtIn = TRUE;
    BOOL closeable = TRUE;
    BOOL visible = TRUE;
    BOOL listed = TRUE;
};
CXTPToolBar* AddBar(CXTPCommandBars* pCommandBars, const BarSpec& spec);

// A page shown in a plain modeless sheet on the parent.
class CPageHost
{
public:
    CPageHost(CPropertyPage* pPage, CWnd* pParent);
    ~CPageHost();
    CPropertySheet& Sheet() { return m_sheet; }

private:
    CPropertySheet m_sheet;
};

// Each step runs on the next dialog ("#32770") this thread shows on top of
// those there were; a watchdog cancels what is still open ten seconds after
// the last step should have run.
class CDialogScript
{
public:
    using Step = std::function<void(HWND)>;
    explicit CDialogScript(std::vector<Step> steps);
    ~CDialogScript();
    CDialogScript(const CDialogScript&) = delete;
    CDialogScript& operator=(const CDialogScript&) = delete;

    size_t StepsRun() const { return m_nNext; }
    bool TimedOut() const { return m_bTimedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> m_steps;
    std::vector<HWND> m_handled;
    size_t m_nNext = 0;
    HWND m_hWndLast = nullptr;
    int m_nTicks = 0;
    bool m_bTimedOut = false;
    UINT_PTR m_nTimer = 0;
};

// Steps: press a button of the dialog; type a name into an edit, then press.
CDialogScript::Step Press(int nID);
CDialogScript::Step TypeAndPress(int nEdit, LPCWSTR lpszText, int nID);
// Records the message box's text, then presses the button.
CDialogScript::Step ReadMessage(CString* pText, int nID);
// Records the edit's text and the caption, then presses the button.
CDialogScript::Step ReadEdit(int nEdit, CString* pText, CString* pCaption, int nID);

// Saves a picture of the window (frame included), then runs the step.
CDialogScript::Step Shot(const wchar_t* lpszName, CDialogScript::Step then);

CString WindowText(HWND hWnd);

// A site with a command bars manager on it; pages shown through Host go
// with the fixture.
struct BarsTest : testing::Test
{
    CTestSite site;
    CXTPCommandBars* pBars;
    CPageHost* pHost = nullptr;

    BarsTest();
    ~BarsTest() override;
    void Host(CPropertyPage* pPage);
    void Unhost();
};

} // namespace custtest
