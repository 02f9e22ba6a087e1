// The browse edit in a dialog shaped like the program's options dialog:
// the button it glues to the edit, the file, folder and popup browsers it
// opens, and what lands in the edit.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "customize/controls/ControlsDialogs.h"
#include "framework/dialogs/CDataExchange.h"
#include "framework/dialogs/CDialog.h"
#include "resources/ToolkitControlsIds.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/controls/XTBrowseDialog.h"
#include "toolkit/controls/XTButtonTheme.h"
#include "toolkit/controls/XTBrowseEdit.h"

using namespace ctltest;

namespace {

class CSoundDialog : public CDialog
{
public:
    explicit CSoundDialog(DWORD dwBrowseStyle, UINT nMenu = 0) : m_dwBrowseStyle(dwBrowseStyle), m_nMenu(nMenu) {}

    CXTBrowseEdit m_sound;
    CXTButton m_play;
    BOOL m_bInitialized = FALSE;
    int m_nPlayClicks = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == IDC_CONTROLS_PLAY && HIWORD(wParam) == BN_CLICKED)
            m_nPlayClicks++;
        return CDialog::OnCommand(wParam, lParam);
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_CONTROLS_SOUND, m_sound);
        DDX_Control(pDX, IDC_CONTROLS_PLAY, m_play);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_sound.SetDefaultExtension(L".wav");
        m_sound.SetFilter(L"Wav Dateien(*.wav)|*.wav||");
        m_sound.SetFolderPrompt(L"Wählen Sie bitte eine Sounddatei aus.");
        m_bInitialized = m_sound.Initialize(this, m_dwBrowseStyle, m_nMenu, 1);
        m_play.SetIcon(CSize(0, 0), static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                                  MAKEINTRESOURCEW(IDI_TOOLKIT_PLAIN2), IMAGE_ICON,
                                                                  16, 16, LR_SHARED)));
        m_play.SetXButtonStyle(BS_XT_WINXP_COMPAT);
        return TRUE;
    }

private:
    DWORD m_dwBrowseStyle;
    UINT m_nMenu;
};

// The dialog, shown modeless at a fixed place.
class BrowseEdit : public testing::Test
{
protected:
    void Open(DWORD dwStyle, UINT nMenu = 0)
    {
        m_dialog = std::make_unique<CSoundDialog>(dwStyle, nMenu);
        ASSERT_TRUE(m_dialog->Create(IDD_CONTROLS_OPTIONS));
        m_dialog->SetWindowPos(nullptr, 80, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_dialog->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_dialog->GetSafeHwnd());
        testpump::PumpUntilIdle();
        ASSERT_TRUE(m_dialog->m_bInitialized);
    }
    void TearDown() override
    {
        if (m_dialog && m_dialog->GetSafeHwnd())
            m_dialog->DestroyWindow();
    }
    CRect EditRect() { return ChildRect(m_dialog->m_sound); }
    CRect ButtonRect() { return ChildRect(m_dialog->m_sound.GetBrowseButton()); }
    CRect ChildRect(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_dialog->ScreenToClient(&rc);
        return rc;
    }
    // The template's edit, in client coordinates.
    CRect TemplateEditRect()
    {
        CRect rc(14, 102, 14 + 190, 102 + 12);
        m_dialog->MapDialogRect(&rc);
        return rc;
    }
    CXTBrowseEdit& Edit() { return m_dialog->m_sound; }

    std::unique_ptr<CSoundDialog> m_dialog;
};

CString CurrentFolder()
{
    WCHAR szDir[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, szDir);
    return szDir;
}

} // namespace

TEST_F(BrowseEdit, InitializeNarrowsTheEditAndPlacesTheButtonBeside)
{
    Open(BES_XT_CHOOSEFILE);
    const int nGap = GetSystemMetrics(SM_CXEDGE);
    const int nWidth = GetSystemMetrics(SM_CXHTHUMB) + 2 * nGap;
    CRect full = TemplateEditRect(), edit = EditRect(), button = ButtonRect();
    EXPECT_EQ(full.left, edit.left);
    EXPECT_EQ(full.right - nGap - nWidth, edit.right);
    EXPECT_EQ(CRect(edit.right + nGap, edit.top, edit.right + nGap + nWidth, edit.bottom), button);

    CXTBrowseButton& browse = Edit().GetBrowseButton();
    CString strCaption;
    browse.GetWindowText(strCaption);
    EXPECT_STREQ(L"...", strCaption);
    EXPECT_EQ(XT_IDC_BROWSE_BUTTON, browse.GetDlgCtrlID());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), browse.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(Edit().GetSafeHwnd(), ::GetWindow(browse.GetSafeHwnd(), GW_HWNDPREV)) << "right after the edit";
    Shoot(m_dialog->GetSafeHwnd(), L"browse_edit_dialog_classic.png");

    // The play button in the visual style (which needs the newer common
    // controls, declared by the library here).
    static CXTPWinThemeLibrary styles(L"UxTheme.dll", MAKELONG(0, 6));
    m_dialog->m_play.SetTheme(new CXTButtonTheme(&styles));
    Shoot(m_dialog->GetSafeHwnd(), L"browse_edit_dialog_themed.png");
}

TEST_F(BrowseEdit, ButtonFromTheTemplateCountsADoubleClickAsTwo)
{
    Open(BES_XT_CHOOSEFILE);
    CXTButton& play = m_dialog->m_play;
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), play.GetStyle() & BS_TYPEMASK) << "made owner-drawn by DDX_Control";
    ASSERT_TRUE(testinput::MoveMouseAndWait(CentreOf(play))) << "the cursor did not move";
    testinput::DoubleClickAt(CentreOf(play));
    testpump::PumpUntil([&] { return m_dialog->m_nPlayClicks >= 2; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(2, m_dialog->m_nPlayClicks);
    testinput::MoveMouseTo({700, 700});
}

TEST_F(BrowseEdit, MovingHidingAndDisablingTheEditCarriesTheButton)
{
    Open(BES_XT_CHOOSEFILE);
    CRect before = ButtonRect();
    Edit().SetWindowPos(nullptr, 20, 30, EditRect().Width(), EditRect().Height(), SWP_NOZORDER);
    EXPECT_EQ(EditRect().right + GetSystemMetrics(SM_CXEDGE), ButtonRect().left);
    EXPECT_EQ(30, ButtonRect().top);
    EXPECT_EQ(before.Width(), ButtonRect().Width());

    Edit().ShowWindow(SW_HIDE);
    EXPECT_FALSE(Edit().GetBrowseButton().IsWindowVisible());
    Edit().ShowWindow(SW_SHOW);
    EXPECT_TRUE(Edit().GetBrowseButton().IsWindowVisible());
    Edit().EnableWindow(FALSE);
    EXPECT_FALSE(Edit().GetBrowseButton().IsWindowEnabled());
    Edit().EnableWindow(TRUE);
    EXPECT_TRUE(Edit().GetBrowseButton().IsWindowEnabled());
}

TEST_F(BrowseEdit, ClickEnterAndSpaceOpenTheFileDialog)
{
    Open(BES_XT_CHOOSEFILE);
    const CString strFile = FullPath(L"alarm.wav", true);
    CXTBrowseButton& browse = Edit().GetBrowseButton();

    // Enter and Space while the button has the focus.
    for (WORD wKey : {VK_RETURN, VK_SPACE})
    {
        Edit().SetWindowText(L"vorher");
        browse.SetFocus();
        CModalDriver driver(L"#32770", AnswerFileDialog(strFile, IDOK));
        testinput::SendKey(wKey);
        testpump::PumpUntil([&] { return driver.Ran(); });
        testpump::PumpUntilIdle();
        EXPECT_TRUE(driver.Ran()) << "key " << wKey;
        CString strText;
        Edit().GetWindowText(strText);
        EXPECT_STREQ(strFile, strText);
        EXPECT_EQ(Edit().GetSafeHwnd(), ::GetFocus()) << "the edit takes the focus";
        int nStart = -1, nEnd = -1;
        Edit().GetSel(nStart, nEnd);
        EXPECT_EQ(0, nStart);
        EXPECT_EQ(strText.GetLength(), nEnd) << "the whole path is selected";
        EXPECT_FALSE(Edit().IsBrowsing());
    }

    // Cancel keeps the text; a click opens the dialog too.
    Edit().SetWindowText(L"bleibt");
    CModalDriver cancel(L"#32770", AnswerFileDialog(strFile, IDCANCEL));
    ASSERT_TRUE(testinput::MoveMouseAndWait(CentreOf(browse))) << "the cursor did not move";
    testinput::ClickAt(CentreOf(browse));
    testpump::PumpUntil([&] { return cancel.Ran(); });
    testpump::PumpUntilIdle();
    EXPECT_TRUE(cancel.Ran());
    CString strText;
    Edit().GetWindowText(strText);
    EXPECT_STREQ(L"bleibt", strText);
}

TEST_F(BrowseEdit, FolderBrowserStartsAtTheEditsPathElseTheCurrentFolder)
{
    Open(BES_XT_CHOOSEDIR);
    CBrowsableCurrentFolder folder;
    CString strWindows;
    GetWindowsDirectoryW(strWindows.GetBuffer(MAX_PATH), MAX_PATH);
    strWindows.ReleaseBuffer();
    struct Case
    {
        CString start, chosen;
    } cases[] = {
        {strWindows, strWindows},
        {L"", CurrentFolder()},
        {CString(L'x', 300), CurrentFolder()},
    };
    for (const Case& c : cases)
    {
        Edit().SetWindowText(c.start);
        CModalDriver driver(L"#32770", [](HWND hDlg) { PostMessageW(hDlg, WM_COMMAND, IDOK, 0); });
        Edit().OnBrowse();
        EXPECT_TRUE(driver.Ran());
        CString strText;
        Edit().GetWindowText(strText);
        EXPECT_STREQ(c.chosen, strText) << "starting at " << c.start.GetLength() << " characters";
    }
}

TEST_F(BrowseEdit, NoButtonWithoutAModeAndNothingForTwoModes)
{
    for (DWORD dwStyle : {0ul, 8ul})
    {
        Open(dwStyle);
        EXPECT_EQ(nullptr, Edit().GetBrowseButton().GetSafeHwnd()) << "style " << dwStyle;
        EXPECT_EQ(TemplateEditRect().left, EditRect().left);
        EXPECT_EQ(TemplateEditRect().right, EditRect().right) << "full width";
        m_dialog->DestroyWindow();
    }

    Open(BES_XT_CHOOSEDIR | BES_XT_CHOOSEFILE);
    ASSERT_NE(nullptr, Edit().GetBrowseButton().GetSafeHwnd());
    Edit().SetWindowText(L"bleibt");
    CModalDriver driver(L"#32770", [](HWND hDlg) { PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0); });
    Edit().OnBrowse();  // a browser would be modal: it would have run by now
    testpump::PumpUntilIdle();
    EXPECT_FALSE(driver.Ran()) << "no browser opens";
    CString strText;
    Edit().GetWindowText(strText);
    EXPECT_STREQ(L"bleibt", strText);
}

TEST_F(BrowseEdit, PopupModeShowsTheGlyphAndOneMenuAtTheButtonsCorner)
{
    Open(BES_XT_POPUPMENU, XT_IDM_EDIT_POPUP);
    CXTBrowseButton& browse = Edit().GetBrowseButton();
    EXPECT_TRUE(browse.GetStyle() & BS_ICON);
    EXPECT_EQ(CSize(10, 10), browse.GetImageSize());
    CString strCaption;
    browse.GetWindowText(strCaption);
    EXPECT_TRUE(strCaption.IsEmpty());

    CRect rcButton;
    browse.GetWindowRect(&rcButton);
    CRect rcMenu;
    bool bSecondReturned = false;
    UINT nState = 0;
    CModalDriver driver(PopupMenuClass(), [&](HWND hMenu) {
        ::GetWindowRect(hMenu, &rcMenu);
        nState = browse.GetState();
        Edit().PopupMenu();  // returns at once: a menu is open already
        bSecondReturned = true;
        EndPopupMenu();
    });
    Edit().OnBrowse();
    EXPECT_TRUE(driver.Ran());
    EXPECT_TRUE(bSecondReturned);
    EXPECT_EQ(rcButton.right, rcMenu.left);
    EXPECT_EQ(rcButton.top, rcMenu.top);
    EXPECT_TRUE(nState & BST_PUSHED) << "the button shows pressed while the menu is open";
    EXPECT_FALSE(browse.GetState() & BST_PUSHED);
    EXPECT_FALSE(Edit().IsBrowsing());
}

TEST_F(BrowseEdit, PopupModeWithAMissingMenuShowsNothing)
{
    for (UINT nMenu : {4711u, static_cast<UINT>(IDR_TOOLKIT_TRAY)})
    {
        Open(BES_XT_POPUPMENU, nMenu);  // the tray menu has no submenu 1
        CModalDriver driver(PopupMenuClass(), [](HWND) { EndPopupMenu(); });
        Edit().PopupMenu();  // a menu would be modal: it would have run by now
        testpump::PumpUntilIdle();
        EXPECT_FALSE(driver.Ran()) << "menu " << nMenu;
        EXPECT_FALSE(Edit().IsBrowsing());
        m_dialog->DestroyWindow();
    }
}
