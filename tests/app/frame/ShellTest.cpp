// The single-instance name, the window handle shared between instances and
// a second start of the application, and a start whose OLE is refused.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"

#include <locale.h>
#include <objbase.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/shell/SingleInstance.h"
#include "app/shell/TavrolinApp.h"
#include "framework/ole/AfxOleInit.h"
#include "resources/AppIds.h"

TEST(SingleInstance, NameCarriesTheLogonSessionHighPartFirst)
{
    const struct
    {
        LONG high;
        DWORD low;
        const wchar_t* name;
    } cases[] = {
        {0, 0, L"Tavrolin-0000000000000000"},
        {0x12, 0xABCDEF01, L"Tavrolin-00000012abcdef01"},
        {-1, 0x3E7, L"Tavrolin-ffffffff000003e7"},
    };
    for (const auto& test : cases)
        EXPECT_STREQ(FormatSingleInstanceMutexName(test.high, test.low), test.name);
    // This process's own token is readable: the name has its sixteen digits.
    const CString strName = BuildSingleInstanceMutexName();
    EXPECT_EQ(strName.GetLength(), 25) << strName.GetString();
    EXPECT_EQ(strName.Left(9), CString(L"Tavrolin-"));
}

TEST(SingleInstance, SharedWindowLivesInASectionSharedByAllProcesses)
{
    // Only a section marked shared in the image keeps one copy for every
    // process started from the file.
    const BYTE* pBase = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
    const IMAGE_NT_HEADERS* pNt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_SECTION_HEADER* pSection = IMAGE_FIRST_SECTION(pNt);
    const BYTE* pVariable = reinterpret_cast<const BYTE*>(const_cast<const DWORD*>(&SharedMainWindow));
    const IMAGE_SECTION_HEADER* pHolder = nullptr;
    for (WORD i = 0; i < pNt->FileHeader.NumberOfSections; ++i, ++pSection)
        if (pVariable >= pBase + pSection->VirtualAddress &&
            pVariable < pBase + pSection->VirtualAddress + pSection->Misc.VirtualSize)
            pHolder = pSection;
    ASSERT_NE(pHolder, nullptr);
    EXPECT_NE(pHolder->Characteristics & IMAGE_SCN_MEM_SHARED, 0u);
    EXPECT_NE(pHolder->Characteristics & IMAGE_SCN_MEM_WRITE, 0u);

    const HWND hDesktop = ::GetDesktopWindow();
    SetSharedMainWindow(hDesktop);
    EXPECT_EQ(GetSharedMainWindow(), hDesktop);
    SetSharedMainWindow(nullptr);
}

namespace {

class CFirstInstanceWindow : public CWnd
{
public:
    int nAlreadyRunning = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ALREADY_RUNNING)
            ++nAlreadyRunning;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Lets the name go with the test: later tests start real instances.
class CTestInstanceApp : public CTavrolinApp
{
public:
    ~CTestInstanceApp() override
    {
        if (m_hInstanceMutex != nullptr)
            ::CloseHandle(m_hInstanceMutex);
    }
};

} // namespace

TEST(TavrolinApp, SecondStartTellsTheFirstFrameAndEndsAtOnce)
{
    const CString strLocale = _wsetlocale(LC_ALL, nullptr);
    HANDLE hFirst = ::CreateMutexW(nullptr, FALSE, BuildSingleInstanceMutexName());
    ASSERT_NE(hFirst, nullptr);
    CFirstInstanceWindow first;
    ASSERT_TRUE(first.CreateEx(0, AfxRegisterWndClass(0), L"Erste", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr));
    SetSharedMainWindow(first.GetSafeHwnd());
    {
        CTestInstanceApp second;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_EQ(second.m_pMainWnd, nullptr) << "nothing else was set up";
    }
    testpump::PumpUntil([&] { return first.nAlreadyRunning > 0; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(first.nAlreadyRunning, 1);

    SetSharedMainWindow(nullptr);
    first.DestroyWindow();
    ::CloseHandle(hFirst);
    _wsetlocale(LC_ALL, strLocale);
}

TEST(TavrolinApp, RefusedOleEndsTheStartWithMessage100)
{
    const CString strLocale = _wsetlocale(LC_ALL, nullptr);
    // This thread's COM is multithreaded before the start-up's OLE wants it.
    AfxOleTerm();
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (hr != S_OK)
    {
        if (SUCCEEDED(hr))
            ::CoUninitialize();
        GTEST_SKIP() << "COM was entered on this thread before";
    }
    std::wstring boxText;
    std::atomic<bool> bStop{false};
    const DWORD dwProcess = ::GetCurrentProcessId();
    std::thread answerer([&] {
        testpump::WaitUntil([&] {
            HWND hBox = ::FindWindowW(L"#32770", nullptr);
            DWORD dwOwner = 0;
            if (bStop || hBox == nullptr || !::GetWindowThreadProcessId(hBox, &dwOwner) || dwOwner != dwProcess)
                return bStop.load();
            wchar_t text[512] = {};
            ::GetDlgItemTextW(hBox, 0xFFFF, text, 512);
            if (text[0] == 0)
                return false;  // found before its text was set
            boxText = text;
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            return true;
        });
    });
    BOOL bStarted = TRUE;
    {
        CTestInstanceApp app;
        bStarted = app.InitInstance();
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
    bStop = true;
    answerer.join();
    ::CoUninitialize();
    _wsetlocale(LC_ALL, strLocale);
    EXPECT_FALSE(bStarted);
    CString strExpected;
    strExpected.LoadString(IDS_OLE_INIT_FAILED);
    EXPECT_EQ(boxText, std::wstring(strExpected.GetString()));
}
