// The application's help command and OLE start.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/Framework.h"
#include "tests/framework/Printers.h"
#include "support/ThreadJoin.h"

namespace
{
class CHelpApp : public CWinApp
{
public:
    CHelpApp() : CWinApp(L"HelpApp") {}
    std::vector<CString> prompts;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

DWORD WINAPI OleOnThread(LPVOID result)
{
    BOOL* results = static_cast<BOOL*>(result);
    // A thread already in the multithreaded apartment cannot have OLE.
    ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    results[0] = AfxOleInit();
    ::CoUninitialize();
    results[1] = AfxOleInit() && AfxOleInit();
    AfxOleTerm();
    // Ended for good: OLE starts afresh (S_OK, not S_FALSE for a nested start).
    results[2] = ::OleInitialize(nullptr) == S_OK;
    ::OleUninitialize();
    return 0;
}
} // namespace

TEST(AppHelp, HelpCommandWithoutHelpFileShowsTheMessage)
{
    CHelpApp app;
    CString path = app.m_pszHelpFilePath;
    WCHAR exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    CString expected = exe;
    expected = expected.Left(expected.ReverseFind(L'.')) + L".HLP";
    EXPECT_EQ(path, expected);

    ASSERT_TRUE(app.OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, nullptr));
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], L"Die Hilfedatei konnte nicht gefunden werden.");
}

TEST(AppHelp, OleStartsOncePerThreadAndEndsWithTheApplication)
{
    BOOL results[3] = {TRUE, FALSE, FALSE};
    HANDLE thread = ::CreateThread(nullptr, 0, OleOnThread, results, 0, nullptr);
    testthread::JoinAndClose(thread, 10000);
    EXPECT_FALSE(results[0]);
    EXPECT_TRUE(results[1]);
    EXPECT_TRUE(results[2]);
}
