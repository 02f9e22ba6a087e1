// The framework's file dialog over the system's open and save dialogs, and
// pictures of the file and folder browsers the browse edit opens.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "customize/controls/ControlsTestSupport.h"
#include "framework/dialogs/CFileDialog.h"
#include "toolkit/controls/XTBrowseDialog.h"

using namespace ctltest;

TEST(FileDialog, FilterAndDefaultExtensionAsTheSystemWantsThem)
{
    CFileDialog wav(TRUE, L".wav", L"alarm", OFN_HIDEREADONLY, L"Wav Dateien(*.wav)|*.wav|Alle|*.*||");
    const WCHAR* pFilter = wav.m_ofn.lpstrFilter;
    std::vector<CString> parts;
    for (const WCHAR* p = pFilter; *p != L'\0'; p += wcslen(p) + 1)
        parts.push_back(p);
    EXPECT_EQ((std::vector<CString>{L"Wav Dateien(*.wav)", L"*.wav", L"Alle", L"*.*"}), parts);
    EXPECT_STREQ(L"wav", wav.m_ofn.lpstrDefExt) << "the dialog adds its own dot";
    EXPECT_STREQ(L"alarm", wav.m_ofn.lpstrFile);

    CFileDialog any(TRUE, L"*.*");
    EXPECT_EQ(nullptr, any.m_ofn.lpstrDefExt) << "a pattern is no extension";
    EXPECT_EQ(nullptr, any.m_ofn.lpstrFilter);
}

TEST(FileDialog, OpenAndSaveReturnThePathChosen)
{
    CTestParent parent(60, 60, 200, 80);
    const CString strFile = FullPath(L"signal.wav", true);

    CFileDialog open(TRUE, L".wav", nullptr, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     L"Wav Dateien(*.wav)|*.wav||", &parent);
    open.m_ofn.lStructSize = 88;
    CModalDriver driver(L"#32770", AnswerFileDialog(strFile, IDOK, L"file_dialog.png"));
    EXPECT_EQ(IDOK, open.DoModal());
    EXPECT_FALSE(driver.Stuck());
    EXPECT_STREQ(strFile, open.GetPathName());
    EXPECT_STREQ(L"signal.wav", open.GetFileName());
    EXPECT_STREQ(L"wav", open.GetFileExt());

    CFileDialog save(FALSE, L".wav", nullptr, OFN_EXPLORER | OFN_HIDEREADONLY, L"Wav Dateien(*.wav)|*.wav||",
                     &parent);
    CModalDriver saving(L"#32770", AnswerFileDialog(FullPath(L"neu"), IDOK));
    EXPECT_EQ(IDOK, save.DoModal());
    EXPECT_STREQ(FullPath(L"neu.wav"), save.GetPathName()) << "the default extension is added";

    CFileDialog cancelled(TRUE, nullptr, nullptr, OFN_EXPLORER, nullptr, &parent);
    CModalDriver cancel(L"#32770", AnswerFileDialog(strFile, IDCANCEL));
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

namespace
{
CString SelectedFolderName(HWND hDlg)
{
    HWND hTree = FindWindowExW(hDlg, nullptr, WC_TREEVIEWW, nullptr);
    HTREEITEM hItem = hTree ? TreeView_GetSelection(hTree) : nullptr;
    WCHAR szText[MAX_PATH] = {};
    TVITEMW item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = szText;
    item.cchTextMax = MAX_PATH;
    if (hItem == nullptr || !TreeView_GetItem(hTree, &item))
        return CString();
    return szText;
}
} // namespace

TEST(FolderDialog, ChosenFolderComesBackAsAPath)
{
    CTestParent parent(60, 60, 200, 80);
    CXTBrowseDialog dialog(&parent);
    dialog.SetTitle(L"Ordnername:");
    CBrowsableCurrentFolder folder;
    const CString& strStart = folder.Path();
    dialog.SetSelPath(strStart);
    CModalDriver driver(L"#32770", [](HWND hDlg) {
        // The browser fills its tree and walks to the start folder at its
        // own pace; answer once the selection has arrived, so that a busy
        // machine does not decide the result.
        testpump::PumpUntil([&] { return SelectedFolderName(hDlg) == L"tavrolin-browse"; });
        ShootWindow(hDlg, L"folder_dialog.png");
        PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ(strStart, dialog.GetSelPath());

    CModalDriver cancel(L"#32770", [](HWND hDlg) { PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}
