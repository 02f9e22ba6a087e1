// What the dialog tests share: a script that answers the modal dialogs a
// call shows, the settings store and its registry put back after a test,
// recorders of the platform calls the dialogs make, and the check that the
// texts of a dialog fit their controls.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/text/CString.h"
#include "framework/windows/CWinApp.h"
#include "support/ImportPatch.h"

namespace dlgtest {

// Each step runs on the next dialog ("#32770") this thread shows, the active
// one first (a message box over its dialog); a dialog acted on waits until
// another shows or it goes. Ten seconds without a step cancel what is open.
class CModalScript
{
public:
    using Step = std::function<void(HWND)>;
    explicit CModalScript(std::vector<Step> steps);
    ~CModalScript();
    size_t StepsRun() const { return m_nNext; }
    bool TimedOut() const { return m_bTimedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> m_steps;
    std::vector<HWND> m_before;
    size_t m_nNext = 0;
    HWND m_hWndLast = nullptr;
    int m_nIdleTicks = 0;
    bool m_bTimedOut = false, m_bInStep = false;
    UINT_PTR m_nTimer = 0;
};

// Runs `first` on the dialog, then posts a click of button nID.
CModalScript::Step Then(std::function<void(HWND)> first, int nID);
CString ItemText(HWND hDlg, int nID);  // 0xFFFF: a message box's text
RECT ItemRect(HWND hDlg, int nID);     // in the dialog's client coordinates
inline void ClickCheck(HWND hDlg, int nID) { ::SendDlgItemMessageW(hDlg, nID, BM_CLICK, 0, 0); }

// A registry key of the test's own for the settings; the store's values and
// the Run value put back at the end.
class SettingsTest : public testing::Test
{
protected:
    SettingsTest();
    ~SettingsTest() override;
    static int SavedDword(LPCWSTR lpszName);  // -1: not saved
    static bool RunValueExists();

    CWinApp m_app{L"DialogsTestApp"};

private:
    CString m_sound;
    int m_values[11];
    bool m_bRun;
    WCHAR m_szRun[520] = L"";
};

// ShellExecuteW, PlaySoundW and MessageBeep recorded instead of made.
struct RecordedCall
{
    CString text, verb;
    UINT flags;
};
class CCallRecorder
{
public:
    CCallRecorder();
    ~CCallRecorder();
    bool IsActive() const { return m_shell.IsActive() && m_sound.IsActive() && m_beep.IsActive(); }
    std::vector<RecordedCall> shellOpens, sounds, beeps;

private:
    testpatch::CImportPatch m_shell, m_sound, m_beep;
};

// The check boxes, buttons and one-line labels whose text is wider than
// their room in the dialog's font.
std::vector<CString> TextsThatDoNotFit(HWND hDlg);

} // namespace dlgtest
