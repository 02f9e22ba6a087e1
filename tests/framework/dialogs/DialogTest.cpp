// Dialogs: modal from a resource with data exchange both ways, refused
// values that keep the dialog open, the loop's ends (OK, Cancel, EndDialog
// before the loop, WM_QUIT), and a modeless dialog from a template in memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "DialogTests.h"
#include "framework/Framework.h"
#include "support/Screenshot.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "tests/framework/Printers.h"

namespace
{
const UINT WM_TEST_STEP = WM_APP + 1;

class CRecordingApp : public CWinApp
{
public:
    CRecordingApp() : CWinApp(L"DialogTestApp") {}
    std::vector<CString> prompts;

    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

class COptionsTestDlg : public CDialog
{
public:
    explicit COptionsTestDlg(CWnd* pParent) : CDialog(IDD_TEST_OPTIONS, pParent) {}

    UINT m_nNumber = 0;
    int m_nSigned = 0;
    CString m_strName;
    int m_nCheck = 0;
    int m_nRadio = -1;
    int m_nCombo = -1;
    CComboBox m_combo;

    // Run one after another from posted messages; a step that presses a
    // button does so before the next step runs.
    std::vector<std::function<void(COptionsTestDlg&)>> steps;
    int endInInit = 0;

    void Press(int id) { PostMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(m_hWnd, id)); }
    CString Text(int id) const
    {
        CString text;
        GetDlgItemText(id, text);
        return text;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_COMBO, m_combo);
        DDX_Text(pDX, IDC_TEST_NUMBER, m_nNumber);
        DDV_MinMaxUInt(pDX, m_nNumber, 1, 100000);
        DDX_Text(pDX, IDC_TEST_SIGNED, m_nSigned);
        DDV_MinMaxInt(pDX, m_nSigned, -50, 50);
        DDX_Text(pDX, IDC_TEST_NAME, m_strName);
        DDX_Check(pDX, IDC_TEST_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_TEST_RADIO1, m_nRadio);
        DDX_CBIndex(pDX, IDC_TEST_COMBO, m_nCombo);
    }

    BOOL OnInitDialog() override
    {
        for (const wchar_t* item : {L"Null", L"Eins", L"Zwei"})
            SendDlgItemMessage(IDC_TEST_COMBO, CB_ADDSTRING, 0, (LPARAM)item);
        CDialog::OnInitDialog();
        if (endInInit != 0)
            EndDialog(endInInit);
        else if (!steps.empty())
            PostMessage(WM_TEST_STEP, 0);
        return TRUE;
    }

    afx_msg LRESULT OnStep(WPARAM index, LPARAM)
    {
        steps[index](*this);
        if (index + 1 < steps.size())
            PostMessage(WM_TEST_STEP, index + 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COptionsTestDlg, CDialog)
    ON_MESSAGE(WM_TEST_STEP, OnStep)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), L"Besitzer", WS_OVERLAPPEDWINDOW, 0, 0,
                                   300, 200, nullptr, nullptr));
    }

    CRecordingApp app;
    CWnd owner;
};
} // namespace

TEST_F(DialogTest, ModalFromResourceLoadsTheControlsAndOkSavesThem)
{
    COptionsTestDlg dlg(&owner);
    dlg.m_nNumber = 42;
    dlg.m_nSigned = -7;
    dlg.m_strName = L"Karl";
    dlg.m_nCheck = 1;
    dlg.m_nRadio = 2;
    dlg.m_nCombo = 1;
    BOOL ownerEnabledDuringLoop = TRUE;
    dlg.steps.push_back([&](COptionsTestDlg& d) {
        ownerEnabledDuringLoop = owner.IsWindowEnabled();
        EXPECT_EQ(d.Text(IDC_TEST_NUMBER), L"42");
        EXPECT_EQ(d.Text(IDC_TEST_SIGNED), L"-7");
        EXPECT_EQ(d.Text(IDC_TEST_NAME), L"Karl");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_TEST_CHECK), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_TEST_RADIO1) + d.IsDlgButtonChecked(IDC_TEST_RADIO2), 0u);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_TEST_RADIO3), 1u);
        EXPECT_EQ(d.m_combo.GetCurSel(), 1);
        // What a user would change.
        d.SetDlgItemText(IDC_TEST_NUMBER, L" 30 ");
        d.SetDlgItemText(IDC_TEST_SIGNED, L"-12");
        d.SetDlgItemText(IDC_TEST_NAME, L"Neu");
        d.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
        d.CheckDlgButton(IDC_TEST_RADIO3, BST_UNCHECKED);
        d.CheckDlgButton(IDC_TEST_RADIO1, BST_CHECKED);
        d.m_combo.SetCurSel(2);
        d.ShowWindow(SW_SHOW);
        testshot::Save(testshot::CaptureWindow(d.m_hWnd), L"framework_dialog_options.png");
        d.Press(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(ownerEnabledDuringLoop);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nNumber, 30u);
    EXPECT_EQ(dlg.m_nSigned, -12);
    EXPECT_EQ(dlg.m_strName, L"Neu");
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nCombo, 2);
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(DialogTest, RefusedValueShowsTheMessageKeepsTheDialogAndFocusesTheField)
{
    const struct
    {
        int field;
        const wchar_t* text;
        const wchar_t* message;
    } cases[] = {
        {IDC_TEST_NUMBER, L"0", L"Geben Sie eine positive ganze Zahl zwischen 1 und 100000 ein."},
        {IDC_TEST_NUMBER, L"100001", L"Geben Sie eine positive ganze Zahl zwischen 1 und 100000 ein."},
        {IDC_TEST_NUMBER, L"12a", L"Geben Sie eine positive ganze Zahl ein."},
        {IDC_TEST_NUMBER, L"-5", L"Geben Sie eine positive ganze Zahl ein."},
        {IDC_TEST_NUMBER, L"4294967296", L"Geben Sie eine positive ganze Zahl ein."},
        {IDC_TEST_NUMBER, L"", L"Geben Sie eine positive ganze Zahl ein."},
        {IDC_TEST_SIGNED, L"2147483648", L"Geben Sie eine ganze Zahl ein."},
        {IDC_TEST_SIGNED, L"-51", L"Geben Sie eine ganze Zahl zwischen -50 und 50 ein."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        app.prompts.clear();
        COptionsTestDlg dlg(&owner);
        dlg.m_nNumber = 5;
        dlg.m_strName = L"alt";
        dlg.steps.push_back([&](COptionsTestDlg& d) {
            d.SetDlgItemText(IDC_TEST_NAME, L"geaendert");
            d.SetDlgItemText(c.field, c.text);
            d.Press(IDOK);
        });
        dlg.steps.push_back([&](COptionsTestDlg& d) {
            EXPECT_TRUE(::IsWindow(d.m_hWnd));
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, c.field));
            ASSERT_EQ(app.prompts.size(), 1u);
            EXPECT_EQ(app.prompts[0], c.message);
            d.SetDlgItemText(c.field, L"30");
            d.Press(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(app.prompts.size(), 1u);
        EXPECT_EQ(dlg.m_strName, L"geaendert");
    }
}

TEST_F(DialogTest, CancelEndDialogBeforeTheLoopAndQuitEachEndTheDialog)
{
    COptionsTestDlg cancelled(&owner);
    cancelled.m_strName = L"alt";
    cancelled.steps.push_back([](COptionsTestDlg& d) {
        d.SetDlgItemText(IDC_TEST_NAME, L"verworfen");
        d.Press(IDCANCEL);
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.m_strName, L"alt");

    COptionsTestDlg early(&owner);
    early.endInInit = 77;
    bool stepRan = false;
    early.steps.push_back([&](COptionsTestDlg&) { stepRan = true; });
    EXPECT_EQ(early.DoModal(), 77);
    EXPECT_FALSE(stepRan);

    // WM_QUIT ends the loop and stays queued for the program's own loop.
    COptionsTestDlg quitting(&owner);
    quitting.steps.push_back([](COptionsTestDlg&) { ::PostQuitMessage(5); });
    EXPECT_EQ(quitting.DoModal(), -1);
    EXPECT_TRUE(owner.IsWindowEnabled());
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);

    // A template that does not exist creates nothing.
    CDialog missing(0x7EFF, &owner);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

namespace
{
class CModelessDlg : public CDialog
{
public:
    int initCalls = 0;
    int m_nRadio = -1;
    CEdit m_edit;

protected:
    BOOL OnInitDialog() override
    {
        ++initCalls;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 10, m_edit);
        DDX_Radio(pDX, 11, m_nRadio);
    }
};
} // namespace

TEST_F(DialogTest, ModelessFromMemoryTemplateSubclassesControlsOnceAndReadsRadioGroups)
{
    dialogtest::TemplateBuilder builder(WS_POPUP | WS_CAPTION, L"Ohne Modus", 160, 80);
    builder.Add(0x81, 10, WS_TABSTOP | WS_BORDER, L"", 5, 5, 80, 12)
        .Add(0x80, 11, BS_AUTORADIOBUTTON | WS_GROUP, L"a", 5, 25, 40, 10)
        .Add(0x80, 12, BS_AUTORADIOBUTTON, L"b", 50, 25, 40, 10)
        .Add(0x80, 13, BS_AUTORADIOBUTTON, L"c", 95, 25, 40, 10)
        .Add(0x80, 14, BS_AUTORADIOBUTTON | WS_GROUP, L"fremd", 5, 45, 40, 10);
    CModelessDlg dlg;
    ASSERT_TRUE(dlg.CreateIndirect(builder.Get(), &owner));
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, 10)), &dlg.m_edit);
    EXPECT_TRUE(owner.IsWindowEnabled());

    // Nothing checked reads as -1; a button of the next group does not count.
    dlg.CheckDlgButton(14, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nRadio, -1);
    dlg.CheckDlgButton(13, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nRadio, 2);
    dlg.m_nRadio = 1;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.IsDlgButtonChecked(12), 1u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(13), 0u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(14), 1u);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, 10)), &dlg.m_edit);

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, WindowsTheMainFrameOwnsTakeNoInputWhileTheDialogRuns)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Hauptfenster"));
    app.m_pMainWnd = frame;
    CWnd floating, alreadyDisabled;
    ASSERT_TRUE(floating.CreateEx(0, AfxRegisterWndClass(0), L"schwebend", WS_POPUP, 0, 0, 50, 50, frame->m_hWnd,
                                  nullptr));
    ASSERT_TRUE(alreadyDisabled.CreateEx(0, AfxRegisterWndClass(0), L"gesperrt", WS_POPUP | WS_DISABLED, 0, 0, 50,
                                         50, frame->m_hWnd, nullptr));

    COptionsTestDlg dlg(frame);
    dlg.m_nNumber = 3;
    BOOL floatingEnabled = TRUE, frameEnabled = TRUE;
    dlg.steps.push_back([&](COptionsTestDlg& d) {
        floatingEnabled = floating.IsWindowEnabled();
        frameEnabled = frame->IsWindowEnabled();
        d.Press(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(floatingEnabled);
    EXPECT_FALSE(frameEnabled);
    EXPECT_TRUE(floating.IsWindowEnabled());
    EXPECT_FALSE(alreadyDisabled.IsWindowEnabled());
    EXPECT_TRUE(frame->IsWindowEnabled());
    EXPECT_FALSE(frame->InModalState());

    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
}

namespace
{
// States read from inside a message box, from a timer of its own loop.
struct BoxStates
{
    HWND hFrame = nullptr, hFloating = nullptr, hBox = nullptr;
    BOOL frameEnabled = TRUE, floatingEnabled = TRUE, boxEnabled = FALSE;
};
BoxStates* g_pBoxStates = nullptr;

void CALLBACK ReadStatesAndAnswerBox(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hBox = testwindows::FindThreadWindow(L"#32770");
    if (hBox == nullptr || g_pBoxStates->hBox != nullptr)
        return;
    testtimer::Kill(nTimer);
    g_pBoxStates->hBox = hBox;
    g_pBoxStates->frameEnabled = ::IsWindowEnabled(g_pBoxStates->hFrame);
    g_pBoxStates->floatingEnabled = ::IsWindowEnabled(g_pBoxStates->hFloating);
    g_pBoxStates->boxEnabled = ::IsWindowEnabled(hBox);
    ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
}
} // namespace

// The customize sheet of the command bars disables the application's
// modeless windows and expects the frame's bars to stay usable; a box the
// frame owns still takes the frame's windows out of reach, but not itself.
TEST_F(DialogTest, EnableModelessLeavesTheFrameUsableAndABoxOverTheFrameStillDisablesItsWindows)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Hauptfenster"));
    app.m_pMainWnd = frame;
    CWnd floating;
    ASSERT_TRUE(floating.CreateEx(0, AfxRegisterWndClass(0), L"schwebend", WS_POPUP, 0, 0, 50, 50, frame->m_hWnd,
                                  nullptr));

    app.EnableModeless(FALSE);
    EXPECT_TRUE(frame->IsWindowEnabled());
    EXPECT_TRUE(floating.IsWindowEnabled());
    EXPECT_FALSE(frame->InModalState());
    app.EnableModeless(TRUE);

    frame->ShowWindow(SW_SHOW);
    BoxStates states;
    states.hFrame = frame->m_hWnd;
    states.hFloating = floating.m_hWnd;
    g_pBoxStates = &states;
    testtimer::Set(20, ReadStatesAndAnswerBox);
    EXPECT_EQ(IDOK, ::MessageBoxW(frame->m_hWnd, L"Frage", L"Box", MB_OKCANCEL));
    g_pBoxStates = nullptr;
    ASSERT_NE(states.hBox, nullptr);
    EXPECT_FALSE(states.frameEnabled);
    EXPECT_FALSE(states.floatingEnabled);
    EXPECT_TRUE(states.boxEnabled);
    EXPECT_TRUE(frame->IsWindowEnabled());
    EXPECT_TRUE(floating.IsWindowEnabled());
    EXPECT_FALSE(frame->InModalState());

    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
}
