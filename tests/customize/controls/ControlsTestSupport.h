// Shared pieces of the standalone-control tests: a parent window that counts
// clicks and a driver that acts on a modal window once it shows. The
// program's pumps (support/TestPump.h) offer each message to the windows'
// PreTranslateMessage first, as the application's loop does.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/text/CString.h"
#include "framework/windows/CWnd.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace ctltest {

// A visible top-level window whose children report to it.
class CTestParent : public CWnd
{
public:
    CTestParent(int x, int y, int cx, int cy, LPCWSTR lpszTitle = L"Controls");
    ~CTestParent() override;

    std::map<UINT, int> clicks;  // BN_CLICKED per control id

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// A test suite whose cases share one parent window at the given place.
template <int X, int Y, int CX, int CY>
class ParentSuite : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_parent = new CTestParent(X, Y, CX, CY); }
    static void TearDownTestSuite()
    {
        delete s_parent;
        s_parent = nullptr;
    }
    static CTestParent* s_parent;
};

template <int X, int Y, int CX, int CY>
CTestParent* ParentSuite<X, Y, CX, CY>::s_parent = nullptr;

// The centre of a window in screen coordinates.
POINT CentreOf(HWND hWnd);

// The window class of the command bars' popup menus, and closing them (the
// themed context menus are popup bars, not system menus).
CString PopupMenuClass();
void EndPopupMenu();

// Runs action once on the first visible window of the class (a dialog
// "#32770", a menu "#32768") that this thread shows after the driver was
// made, from a timer, so that it runs inside a modal loop. Cancelled when
// the object goes.
class CModalDriver
{
public:
    CModalDriver(LPCWSTR lpszClass, std::function<void(HWND)> action);
    ~CModalDriver();
    CModalDriver(const CModalDriver&) = delete;
    CModalDriver& operator=(const CModalDriver&) = delete;

    bool Ran() const { return m_bRan; }
    // A window of the class was still open long after the action (the
    // tests' deadline).
    bool Stuck() const { return m_bStuck; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::wstring m_strClass;
    std::vector<HWND> m_existing;
    std::function<void(HWND)> m_action;
    UINT_PTR m_nTimer;
    bool m_bRan = false;
    bool m_bStuck = false;
    int m_nTicksAfter = 0;
};

// A file dialog's answer: the name typed in, then the button pressed; a
// picture of the dialog first when a name for it is given.
std::function<void(HWND)> AnswerFileDialog(const CString& strName, int nButton, const wchar_t* lpszShot = nullptr);
// The full path of a name in the working folder; an empty file is made
// there when asked.
CString FullPath(LPCWSTR lpszName, bool bCreateEmpty = false);

// Makes a folder on the prefix's own drive the current folder while it
// lives. The system's folder browser cannot select every folder of the
// host's root drive (a folder it cannot read on the way ends the walk at
// the drive), so the folder tests must not depend on where the build is.
class CBrowsableCurrentFolder
{
public:
    CBrowsableCurrentFolder();
    ~CBrowsableCurrentFolder();
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    CString m_strPrevious;
};

// A window's client area as it is on screen now, saved under the name.
testshot::Image Shoot(HWND hWnd, const wchar_t* lpszName);
// The whole window, frame included (dialogs), saved under the name.
testshot::Image ShootWindow(HWND hWnd, const wchar_t* lpszName);

} // namespace ctltest
