// Windows, bars, input and a sound recorder shared by the command bar tests.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <string>
#include <vector>
#include "framework/gdi/CDC.h"
#include "framework/windows/CWinApp.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

// What a site window was told: message, wParam and the notify code.
struct CSiteMessage
{
    UINT message;
    WPARAM wParam;
    UINT code;
};

// An application whose message boxes the test answers: each prompt and
// type is recorded, every box gets `answer`.
class CAnsweringApp : public CWinApp
{
public:
    explicit CAnsweringApp(LPCTSTR lpszAppName, int nAnswer = IDYES) : CWinApp(lpszAppName), answer(nAnswer) {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        prompts.push_back(lpszPrompt);
        types.push_back(nType);
        return answer;
    }
    std::vector<CString> prompts;
    std::vector<UINT> types;
    int answer;
};

// A top-level window standing in for the frame that hosts the bars.
class CTestSite : public CWnd
{
public:
    BOOL Create(const RECT& rc);
    std::vector<CSiteMessage> received;
    std::vector<UINT> keys;
    int mouseMoves = 0;
    int buttonUps = 0;
    LRESULT notifyAnswer = 0;
    // Runs when a WM_COMMAND arrives (after it is recorded).
    void (*onCommand)(CTestSite* pSite, WPARAM wParam) = nullptr;
    void* context = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A toolbar as a child window of the site; keys reaching it while it tracks
// are recorded and answered with `answer`.
class CTestBar : public CXTPToolBar
{
public:
    BOOL Create(CWnd* pSite, const RECT& rc);
    CXTPControlButton* AddButton(int nId, const RECT& rc, LPCWSTR lpszCaption = L"");
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;

    std::vector<UINT> hookedKeys;
    int answer = 0;
};

// Makes `bar` a visible child toolbar of the site over `rc`, docked at the top.
BOOL CreateTopBar(CXTPToolBar& bar, CWnd& site, const RECT& rc, DWORD dwExtraStyle = 0);

// Adds a caption-only button of type TButton for each caption.
template <class TButton = CXTPControlButton>
void AddCaptionButtons(CXTPCommandBar& bar, std::initializer_list<LPCWSTR> captions)
{
    for (LPCWSTR caption : captions) {
        TButton* pButton = new TButton();
        bar.GetControls()->Add(pButton, 0);
        pButton->SetCaption(caption);
        pButton->SetStyle(xtpButtonCaption);
    }
}

// Lays the bar's controls out in one row `nWidth` long, as docking at the top does.
void LayOutRow(CXTPCommandBar& bar, int nWidth);

// New command bars of the site whose popups show at once (no animation);
// the caller releases them.
CXTPCommandBars* CreateUnanimatedBars(CWnd& site);

// A 32-bit DIB section as a memory DC, read back pixel by pixel.
class CTestCanvas
{
public:
    CTestCanvas(int width, int height, COLORREF background);
    ~CTestCanvas();
    CTestCanvas(const CTestCanvas&) = delete;
    CTestCanvas& operator=(const CTestCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const;
    int CountPixels(const RECT& rc, COLORREF color) const;

private:
    int m_width, m_height;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_bits;
};

// Replaces the sound player's play call by a recorder that can hold the
// first sound until released, as a slow sound device would.
class CSoundRecorder
{
public:
    CSoundRecorder();
    ~CSoundRecorder();
    static std::vector<std::wstring> Played();
    static void HoldNextSound();
    // Waits until a held sound is playing.
    static BOOL WaitUntilHolding();
    static void Release();
    static BOOL IsHolding();
};
