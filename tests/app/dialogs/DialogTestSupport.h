// What the dialog tests share: a script that answers the modal dialogs a
// call shows, the settings store and its registry put back after a test,
// recorders of the platform calls the dialogs make, and a check that the
// texts of a dialog fit their controls.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/text/CString.h"
#include "framework/windows/CWinApp.h"
#include "support/ImportPatch.h"

namespace dlgtest {

// Each step runs on the next dialog ("#32770") this thread shows: the active
// one first (a message box over its dialog). A dialog acted on waits until
// another shows or it goes; after ten seconds without a step what is still
// open is cancelled.
class CModalScript
{
public:
    using Step = std::function<void(HWND)>;
    explicit CModalScript(std::vector<Step> steps);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    size_t StepsRun() const { return m_nNext; }
    bool TimedOut() const { return m_bTimedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    std::vector<HWND> m_before;
    size_t m_nNext = 0;
    HWND m_hWndLast = nullptr;
    int m_nIdleTicks = 0;
    bool m_bTimedOut = false;
    bool m_bInStep = false;
    UINT_PTR m_nTimer = 0;
};

// Steps: press a button (the dialog handles it as a click); click a check
// box as the user would (it toggles and notifies); set a control's text.
CModalScript::Step Press(int nID);
CModalScript::Step Then(std::function<void(HWND)> first, CModalScript::Step then);
void ClickCheck(HWND hDlg, int nID);
void SetText(HWND hDlg, int nID, LPCWSTR lpszText);
CString ItemText(HWND hDlg, int nID);
// The message box's text.
CString MessageText(HWND hBox);
bool IsChecked(HWND hDlg, int nID);
bool IsEnabled(HWND hDlg, int nID);
// The control's rectangle in the dialog's client coordinates.
RECT ItemRect(HWND hDlg, int nID);

// An application object with a registry key of its own (deleted before and
// after), the settings store's values and the Run value put back at the end.
class SettingsTest : public testing::Test
{
protected:
    SettingsTest();
    ~SettingsTest() override;

    // The value the store last saved under "Settings"; -1 when missing.
    static int SavedDword(LPCWSTR lpszName);
    static bool SettingsSaved();
    static bool RunValueExists();
    static void DeleteRunValue();

    CWinApp m_app{L"DialogsTestApp"};

private:
    struct Saved;
    std::unique_ptr<Saved> m_saved;
};

// The calls the dialogs hand to the platform, recorded instead of made.
struct RecordedCall
{
    CString text;     // file or path
    CString verb;
    UINT flags = 0;   // show command, sound flags or beep type
};
class CCallRecorder
{
public:
    CCallRecorder();
    ~CCallRecorder();
    bool IsActive() const;

    std::vector<RecordedCall> shellOpens;
    std::vector<RecordedCall> sounds;
    std::vector<RecordedCall> beeps;

private:
    testpatch::CImportPatch m_shell;
    testpatch::CImportPatch m_sound;
    testpatch::CImportPatch m_beep;
};

// Every visible text control of the dialog shows its whole text in the
// dialog's font (check boxes less their box); answers the ones that do not.
std::vector<CString> TextsThatDoNotFit(HWND hDlg);

} // namespace dlgtest
