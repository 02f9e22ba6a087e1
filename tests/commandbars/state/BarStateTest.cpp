// The stored layout of a frame's command bars: the value names written,
// the rows of the dock bars, screen scaling, where customized controls go,
// the question asked when the program's bar changed, and stored data that
// cannot be read.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <algorithm>
#include <set>
#include <string>
#include "BarStateTestSupport.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/frame/XTPReBar.h"
#include "toolkit/commandbars/state/XTPToolBarInfo.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "support/ThreadHook.h"

namespace {

const wchar_t kProfile[] = L"CommandBars2";

class BarStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CStoredLayout::DeleteAll();
        app.SetRegistryKey(kRegistryVendor);
    }
    void TearDown() override
    {
        for (HWND hWnd : windows)
            if (::IsWindow(hWnd))
                ::DestroyWindow(hWnd);
        CStoredLayout::DeleteAll();
    }
    CStateFrame* Open(const CFrameBuild& build = CFrameBuild())
    {
        auto* pFrame = new CStateFrame(build);
        if (!pFrame->Open())
            return nullptr;
        windows.push_back(pFrame->GetSafeHwnd());
        return pFrame;
    }
    CStateFrame* Reopen(CFrameBuild build = CFrameBuild(), BOOL bSilent = FALSE)
    {
        build.loadProfile = kProfile;
        build.loadSilent = bSilent;
        return Open(build);
    }
    static void Close(CStateFrame* pFrame) { pFrame->DestroyWindow(); }
    // A customized tools bar (its second button removed), saved.
    std::vector<BYTE> SavedCustomizedBlob()
    {
        CStateFrame* pFrame = Open();
        pFrame->Bar(kToolsBar)->GetControls()->RemoveAt(1);
        pFrame->GetCommandBars()->SaveBarState(kProfile);
        Close(pFrame);
        return CStoredLayout::Binary(L"CommandBars2-Controls", L"Controls");
    }

    CStateApp app;
    std::vector<HWND> windows;
};

const std::vector<int> kToolsAsBuilt{201, 202, 203};
const std::vector<int> kToolsCustomized{201, 203};

} // namespace

TEST_F(BarStateTest, RecordsSummaryStatusBarAndControlsUseTheirValueNames)
{
    CStateFrame* pFrame = Open();
    CXTPToolBar* pView = pFrame->Bar(kViewBar);
    pView->SetVisible(FALSE);
    pView->ShowWindow(SW_HIDE);
    pFrame->Bar(kToolsBar)->SetWidth(120);
    pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);

    for (LPCWSTR name : {L"BarID", L"XPos", L"YPos", L"MRUWidth", L"MRUDockID", L"MRUDockLeftPos", L"MRUDockTopPos",
                         L"MRUDockRightPos", L"MRUDockBottomPos", L"MRUFloatXPos", L"MRUFloatYPos", L"DialogBar"})
        EXPECT_TRUE(CStoredLayout::Has(L"CommandBars2-Bar0", name)) << name;
    for (LPCWSTR name : {L"Visible", L"Floating", L"DialogBarDockingClientCx", L"DialogBarFloatingClientCy"})
        EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2-Bar0", name)) << name << " keeps its default";
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar0", L"BarID"), kToolsBar);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar0", L"MRUWidth"), 120u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar0", L"MRUDockID"), 59419u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar1", L"Visible"), 0u);
    EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2-Bar1", L"MRUWidth")) << "no width remembered";

    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Summary", L"Bars"), 2u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Summary", L"ScreenCX"),
              static_cast<DWORD>(::GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Summary", L"ScreenCY"),
              static_cast<DWORD>(::GetSystemMetrics(SM_CYSCREEN)));

    EXPECT_FALSE(CStoredLayout::Binary(L"CommandBars2-Controls", L"Controls").empty());
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Controls", L"LoadFromFile"), 0u);

    EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2", L"StatusBar")) << "a shown status bar";
    pFrame->ShowControlBar(&pFrame->m_statusBar, FALSE, FALSE);
    pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2", L"StatusBar"), 0u);
    pFrame->ShowControlBar(&pFrame->m_statusBar, TRUE, FALSE);
    pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);
    EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2", L"StatusBar")) << "shown again: the value goes";
}

TEST_F(BarStateTest, DialogBarRecordsCarryTheirClientSizes)
{
    struct Case
    {
        const char* what;
        BOOL dialogBar;
        BOOL sizesStored;
        CSize expectedDocked;
    } cases[] = {
        {"dialog bar", TRUE, TRUE, CSize(310, 90)},
        {"toolbar", FALSE, FALSE, CSize(200, 200)},
    };
    for (const Case& c : cases) {
        CStoredLayout::DeleteAll();
        CXTPToolBar::CToolBarInfo info;
        info.m_nBarID = 7;
        info.m_bDialogBar = c.dialogBar;
        info.m_szDialogBarDockingClient = CSize(310, 90);
        info.m_szDialogBarFloatingClient = CSize(250, 140);
        info.SaveState(kProfile, 3);
        EXPECT_EQ(CStoredLayout::Has(L"CommandBars2-Bar3", L"DialogBarDockingClientCx"), c.sizesStored) << c.what;
        EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar3", L"DialogBar"), static_cast<DWORD>(c.dialogBar))
            << c.what;
        CXTPToolBar::CToolBarInfo loaded;
        loaded.LoadState(kProfile, 3);
        EXPECT_EQ(loaded.m_nBarID, 7u) << c.what;
        EXPECT_EQ(loaded.m_szDialogBarDockingClient, c.expectedDocked) << c.what;
    }
}

TEST_F(BarStateTest, StoredDialogBarSizesReachTheBarUnlessNoWindowCouldHaveThem)
{
    struct Case
    {
        const char* what;
        DWORD dockedCx;
        DWORD floatingCy;
        CSize expectedDocked;
        CSize expectedFloating;
    } cases[] = {
        {"as stored", 310, 150, CSize(310, 90), CSize(240, 150)},
        {"negative width", static_cast<DWORD>(-5), 150, CSize(200, 200), CSize(240, 150)},
        {"zero height", 310, 0, CSize(310, 90), CSize(200, 200)},
        {"beyond any window", 310, 70000, CSize(310, 90), CSize(200, 200)},
    };
    for (const Case& c : cases) {
        CStoredLayout::DeleteAll();
        CFrameBuild build;
        build.dialogBar = TRUE;
        CStateFrame* pFrame = Open(build);
        pFrame->GetCommandBars()->SaveBarState(kProfile);
        Close(pFrame);
        const CString section = L"CommandBars2-Bar2";
        ASSERT_EQ(CStoredLayout::Number(section, L"BarID"), kDialogBar) << "the third bar's record";
        CStoredLayout::SetNumber(section, L"DialogBarDockingClientCx", c.dockedCx);
        CStoredLayout::SetNumber(section, L"DialogBarDockingClientCy", 90);
        CStoredLayout::SetNumber(section, L"DialogBarFloatingClientCx", 240);
        CStoredLayout::SetNumber(section, L"DialogBarFloatingClientCy", c.floatingCy);

        CStateFrame* pLoaded = Reopen(build);
        ASSERT_NE(pLoaded, nullptr);
        auto* pBar = dynamic_cast<CXTPDialogBar*>(pLoaded->Bar(kDialogBar));
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->GetDockingClientSize(), c.expectedDocked) << c.what;
        EXPECT_EQ(pBar->GetFloatingClientSize(), c.expectedFloating) << c.what;
        Close(pLoaded);
    }
}

TEST_F(BarStateTest, DockBarsWriteTheirRowsOnlyWithMoreThanOneEntry)
{
    CFrameBuild build;
    build.viewOnLeft = TRUE;
    CStateFrame* pFrame = Open(build);
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    for (LPCWSTR section : {L"CommandBars2-DockBar0", L"CommandBars2-DockBar2"}) {
        EXPECT_FALSE(CStoredLayout::Has(section, L"Bar#0")) << "one toolbar alone";
        EXPECT_FALSE(CStoredLayout::Has(section, L"Bars"));
    }
    Close(pFrame);

    pFrame = Open();
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    // Two rows: a row end between the bars.
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bars"), 3u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bar#0"), kToolsBar);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bar#1"), 0u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bar#2"), kViewBar);
    Close(pFrame);

    // Stored rows (view, a doubled row end, tools) come back as two rows;
    // saved again, the doubled row end is one.
    const DWORD stored[] = {kViewBar, 0, 0, kToolsBar};
    for (DWORD i = 0; i < 4; i++)
        CStoredLayout::SetNumber(L"CommandBars2-DockBar0", (L"Bar#" + std::to_wstring(i)).c_str(), stored[i]);
    CStoredLayout::SetNumber(L"CommandBars2-DockBar0", L"Bars", 4);
    pFrame = Reopen();
    CXTPDockBar* pTop = pFrame->GetCommandBars()->GetDockBar(xtpBarTop);
    std::vector<CXTPToolBar*> entries;
    for (int i = 0; i < pTop->GetEntryCount(); i++)
        entries.push_back(pTop->GetEntry(i));
    std::vector<CXTPToolBar*> expected{nullptr, pFrame->Bar(kViewBar), nullptr, pFrame->Bar(kToolsBar), nullptr};
    EXPECT_EQ(entries, expected);
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bars"), 3u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bar#1"), 0u);
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bar#2"), kToolsBar);
}

TEST_F(BarStateTest, DockBarRowsNamingABarTwiceOrTooManyEntriesStayBounded)
{
    CStoredLayout::SetNumber(L"CommandBars2-DockBar0", L"Bars", 0x7FFFFFFF);
    CStoredLayout::SetNumber(L"CommandBars2-DockBar0", L"Bar#0", kToolsBar);
    CStoredLayout::SetNumber(L"CommandBars2-DockBar0", L"Bar#1", kToolsBar);
    CStoredLayout::SetNumber(L"CommandBars2-DockBar0", L"Bar#2", kViewBar);
    CStateFrame* pFrame = Reopen();
    CXTPDockBar* pTop = pFrame->GetCommandBars()->GetDockBar(xtpBarTop);
    int nTools = 0;
    for (int i = 0; i < pTop->GetEntryCount(); i++)
        nTools += pTop->GetEntry(i) == pFrame->Bar(kToolsBar);
    EXPECT_EQ(nTools, 1);
    EXPECT_LE(pTop->GetEntryCount(), 5);
}

TEST_F(BarStateTest, PositionsStoredOnAnotherScreenAreScaledPerAxisAndClamped)
{
    struct Case
    {
        const char* what;
        CSize stored;
        CPoint pos, expectedPos;
        CPoint floatPos, expectedFloat;
        CRect dock, expectedDock;
    } cases[] = {
        {"half the size", CSize(1024, 768), CPoint(100, 50), CPoint(200, 100), CPoint(300, 200), CPoint(600, 400),
         CRect(10, 20, 110, 42), CRect(20, 40, 120, 62)},
        {"beyond the screen", CSize(1024, 768), CPoint(1020, 760), CPoint(2016, 1504), CPoint(-1, -1),
         CPoint(-2, -2), CRect(1020, 0, 1100, 22), CRect(2016, 0, 2096, 22)},
        {"no stored size", CSize(0, 0), CPoint(100, 50), CPoint(100, 50), CPoint(300, 200), CPoint(300, 200),
         CRect(10, 20, 110, 42), CRect(10, 20, 110, 42)},
        {"only a width", CSize(1024, 0), CPoint(100, 50), CPoint(200, 50), CPoint(300, 200), CPoint(600, 200),
         CRect(10, 20, 110, 42), CRect(20, 20, 120, 42)},
        {"not set stays not set", CSize(1024, 768), CPoint(-1, -1), CPoint(-1, -1), CPoint(0, 0), CPoint(0, 0),
         CRect(0, 0, 0, 0), CRect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        CStoredLayout::DeleteAll();
        CXTPToolBar::CToolBarInfo info;
        info.m_nBarID = kToolsBar;
        info.m_pointPos = c.pos;
        info.m_ptMRUFloatPos = c.floatPos;
        info.m_rectMRUDockPos = c.dock;
        info.SaveState(kProfile, 0);
        CStoredLayout::SetNumber(L"CommandBars2-Summary", L"Bars", 1);
        if (c.stored.cx)
            CStoredLayout::SetNumber(L"CommandBars2-Summary", L"ScreenCX", static_cast<DWORD>(c.stored.cx));
        if (c.stored.cy)
            CStoredLayout::SetNumber(L"CommandBars2-Summary", L"ScreenCY", static_cast<DWORD>(c.stored.cy));

        CXTPToolBarInfoList state;
        state.m_szScreen = CSize(2048, 1536);
        state.m_ptMaxPos = CPoint(2048 - 32, 1536 - 32);
        state.LoadState(kProfile, 16);
        ASSERT_EQ(state.m_arrInfo.size(), 1u) << c.what;
        EXPECT_TRUE(state.m_bScaling) << c.what;
        EXPECT_EQ(state.m_arrInfo[0].m_pointPos, c.expectedPos) << c.what;
        EXPECT_EQ(state.m_arrInfo[0].m_ptMRUFloatPos, c.expectedFloat) << c.what;
        EXPECT_EQ(state.m_arrInfo[0].m_rectMRUDockPos, c.expectedDock) << c.what;
    }
}

TEST_F(BarStateTest, AFrameLoadingALayoutOfHalfItsScreenDoublesTheFloatPosition)
{
    CStateFrame* pFrame = Open();
    pFrame->Bar(kToolsBar)->GetDockContext()->m_ptMRUFloatPos = CPoint(100, 60);
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    CStoredLayout::SetNumber(L"CommandBars2-Summary", L"ScreenCX", static_cast<DWORD>(cx / 2));
    CStoredLayout::SetNumber(L"CommandBars2-Summary", L"ScreenCY", static_cast<DWORD>(cy / 2));
    pFrame = Reopen();
    CPoint expected(::MulDiv(100, cx, cx / 2), ::MulDiv(60, cy, cy / 2));
    EXPECT_EQ(pFrame->Bar(kToolsBar)->GetDockContext()->m_ptMRUFloatPos, expected);
}

TEST_F(BarStateTest, ControlsUpTo16000BytesStayInTheRegistryLargerOnesGoToAHiddenFile)
{
    CStateFrame* pFrame = Open();
    CXTPControl* pFirst = pFrame->Bar(kToolsBar)->GetControl(0);
    CXTPControls* pView = pFrame->Bar(kViewBar)->GetControls();
    // The stored size of the controls with a caption of the length and
    // maybe one more control of another class on the other bar (strings
    // add even numbers of bytes; a class name seen first may add an odd one).
    const XTPControlType extras[] = {xtpControlError, xtpControlEdit, xtpControlComboBox, xtpControlLabel};
    auto measure = [&](int nLength, XTPControlType extra) {
        pFirst->SetCaption(CString(L'x', nLength));
        while (pView->GetCount() > 2)
            pView->RemoveAt(2);
        if (extra != xtpControlError)
            pView->Add(extra, 400);
        pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);
        if (CStoredLayout::Number(L"CommandBars2-Controls", L"LoadFromFile") == 1) {
            WIN32_FILE_ATTRIBUTE_DATA data = {};
            ::GetFileAttributesExW(CStoredLayout::ControlsFile(), GetFileExInfoStandard, &data);
            return static_cast<long>(data.nFileSizeLow);
        }
        return static_cast<long>(CStoredLayout::Binary(L"CommandBars2-Controls", L"Controls").size());
    };
    auto reach = [&](long nTarget) {
        for (XTPControlType extra : extras) {
            long nDelta = nTarget - measure(1000, extra);
            if (nDelta % 2 == 0 && measure(1000 + nDelta / 2, extra) == nTarget)
                return TRUE;
        }
        return FALSE;
    };

    ASSERT_TRUE(reach(16000));
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Controls", L"LoadFromFile"), 0u);
    EXPECT_EQ(CStoredLayout::Binary(L"CommandBars2-Controls", L"Controls").size(), 16000u);
    EXPECT_EQ(::GetFileAttributesW(CStoredLayout::ControlsFile()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(reach(16001));
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Controls", L"LoadFromFile"), 1u);
    DWORD dwAttributes = ::GetFileAttributesW(CStoredLayout::ControlsFile());
    ASSERT_NE(dwAttributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(dwAttributes & FILE_ATTRIBUTE_HIDDEN);
    WCHAR szPath[MAX_PATH] = {};
    DWORD size = sizeof(szPath);
    SHGetValueW(HKEY_CURRENT_USER, CStoredLayout::Key(L"CommandBars2-Controls"), L"Controls", nullptr, szPath, &size);
    EXPECT_EQ(CString(szPath), CStoredLayout::ControlsFile());
    CString strCaption = pFirst->GetCaption();
    Close(pFrame);

    // The program, changed meanwhile, finds both of its bars as stored.
    CStateFrame* pLoaded = Reopen();
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(pLoaded->Bar(kToolsBar)->GetControl(0)->GetCaption(), strCaption);
    EXPECT_EQ(app.prompts.size(), 0u);
}

TEST_F(BarStateTest, AChangedProgramBarAsksOncePerCustomizedBar)
{
    struct Case
    {
        const char* what;
        BOOL customized;
        BOOL programChanged;
        BOOL silent;
        int answer;
        size_t prompts;
        std::vector<int> ids;
        std::vector<int> originalIds;
    } cases[] = {
        {"kept as built", TRUE, TRUE, FALSE, IDYES, 1, {201, 202, 203, 204}, {201, 202, 203, 204}},
        {"user's bar kept", TRUE, TRUE, FALSE, IDNO, 1, {201, 203}, {201, 202, 203, 204}},
        {"silent", TRUE, TRUE, TRUE, IDNO, 0, {201, 202, 203, 204}, {201, 202, 203, 204}},
        {"never customized", FALSE, TRUE, FALSE, IDNO, 0, {201, 202, 203, 204}, {201, 202, 203, 204}},
        {"program unchanged", TRUE, FALSE, FALSE, IDNO, 0, {201, 203}, {201, 202, 203}},
    };
    for (const Case& c : cases) {
        CStoredLayout::DeleteAll();
        app.prompts.clear();
        app.types.clear();
        app.answer = c.answer;
        CStateFrame* pFrame = Open();
        if (c.customized)
            pFrame->Bar(kToolsBar)->GetControls()->RemoveAt(1);
        pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);
        Close(pFrame);

        CFrameBuild build;
        if (c.programChanged)
            build.toolsButtons.push_back(204);
        CStateFrame* pLoaded = Reopen(build, c.silent);
        ASSERT_NE(pLoaded, nullptr) << c.what;
        ASSERT_EQ(app.prompts.size(), c.prompts) << c.what;
        if (c.prompts) {
            EXPECT_NE(std::wstring(app.prompts[0]).find(L"Symbolleiste 'Werkzeuge' geändert"), std::wstring::npos)
                << c.what;
            EXPECT_EQ(app.types[0], static_cast<UINT>(MB_YESNO | MB_ICONQUESTION)) << c.what;
        }
        EXPECT_EQ(pLoaded->Ids(kToolsBar), c.ids) << c.what;
        EXPECT_EQ(pLoaded->OriginalIds(kToolsBar), c.originalIds) << c.what;
        Close(pLoaded);
    }
}

TEST_F(BarStateTest, ComboEntriesAddedAfterTheBarWasBuiltAreStoredAndStayStored)
{
    const std::vector<CString> kBuilt{L"Berlin", L"Bremen"};
    const std::vector<CString> kWithHistory{L"Berlin", L"Bremen", L"Hamburg"};
    CFrameBuild build;
    build.comboBox = TRUE;
    struct Case
    {
        const char* what;
        BOOL addEntry;
        BOOL resetBar;
        std::vector<CString> entries;
    } cases[] = {
        {"as built: nothing stored", FALSE, FALSE, kBuilt},
        {"an entry added", TRUE, FALSE, kWithHistory},
        {"added, then the bar reset", TRUE, TRUE, kBuilt},
    };
    for (const Case& c : cases) {
        CStoredLayout::DeleteAll();
        CStateFrame* pFrame = Open(build);
        ASSERT_NE(pFrame, nullptr);
        if (c.addEntry)
            dynamic_cast<CXTPControlComboBox*>(pFrame->Bar(kToolsBar)->GetControls()->FindControl(220))
                ->AddString(L"Hamburg");
        if (c.resetBar)
            pFrame->Bar(kToolsBar)->Reset(FALSE);
        pFrame->GetCommandBars()->SaveBarState(kProfile);
        Close(pFrame);
        // Two starts: the restored bar is stored again though nothing changed.
        for (int nStart = 0; nStart < 2; nStart++) {
            CStateFrame* pLoaded = Reopen(build);
            ASSERT_NE(pLoaded, nullptr) << c.what;
            EXPECT_EQ(c.entries, pLoaded->ComboEntries()) << c.what << ", start " << nStart;
            pLoaded->GetCommandBars()->SaveBarState(kProfile);
            Close(pLoaded);
        }
        EXPECT_EQ(app.prompts.size(), 0u) << c.what;
    }
}

TEST_F(BarStateTest, TwoChangedBarsAskTwice)
{
    app.answer = IDNO;
    CStateFrame* pFrame = Open();
    pFrame->Bar(kToolsBar)->GetControls()->RemoveAt(1);
    pFrame->Bar(kViewBar)->GetControls()->RemoveAt(0);
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);
    CFrameBuild build;
    build.toolsButtons.push_back(204);
    build.viewButtons.push_back(304);
    CStateFrame* pLoaded = Reopen(build);
    ASSERT_EQ(app.prompts.size(), 2u);
    EXPECT_NE(std::wstring(app.prompts[1]).find(L"'Ansicht'"), std::wstring::npos);
    EXPECT_EQ(pLoaded->Ids(kViewBar), std::vector<int>{302});
}

TEST_F(BarStateTest, StoredControlsThatCannotBeReadLoadNothingAndTheFrameOpens)
{
    std::vector<BYTE> blob = SavedCustomizedBlob();
    ASSERT_GT(blob.size(), 40u);
    auto renamed = [blob](const char* from, const char* to) {
        std::vector<BYTE> data = blob;
        std::string text(data.begin(), data.end());
        size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            std::copy(to, to + strlen(to), data.begin() + static_cast<std::ptrdiff_t>(at));
        return data;
    };
    std::vector<BYTE> garbage(blob.size());
    for (size_t i = 0; i < garbage.size(); i++)
        garbage[i] = static_cast<BYTE>(i * 37 + 11);
    struct Case
    {
        const char* what;
        std::vector<BYTE> data;
        std::vector<int> ids;
    } cases[] = {
        {"as saved", blob, kToolsCustomized},
        {"cut short", std::vector<BYTE>(blob.begin(), blob.begin() + static_cast<std::ptrdiff_t>(blob.size() / 2)),
         kToolsAsBuilt},
        {"cut at the last byte", std::vector<BYTE>(blob.begin(), blob.end() - 1), kToolsAsBuilt},
        {"garbage", garbage, kToolsAsBuilt},
        {"unknown control class", renamed("CXTPControlButton", "CXTPControlBxtton"), kToolsAsBuilt},
        {"unknown bar class", renamed("CXTPToolBar", "CXTPToolBaz"), kToolsAsBuilt},
        {"a class of another kind", renamed("CXTPControlButton", "CXTPControlsxxxxx"), kToolsAsBuilt},
    };
    for (const Case& c : cases) {
        CStoredLayout::SetBinary(L"CommandBars2-Controls", L"Controls", c.data);
        CStoredLayout::SetNumber(L"CommandBars2-Controls", L"LoadFromFile", 0);
        CStateFrame* pFrame = nullptr;
        EXPECT_NO_THROW(pFrame = Reopen()) << c.what;
        ASSERT_NE(pFrame, nullptr) << c.what;
        EXPECT_TRUE(::IsWindowVisible(pFrame->GetSafeHwnd())) << c.what;
        EXPECT_EQ(pFrame->Ids(kToolsBar), c.ids) << c.what;
        EXPECT_EQ(pFrame->Ids(kViewBar), (std::vector<int>{301, 302})) << c.what;
        EXPECT_EQ(pFrame->GetCommandBars()->GetCount(), 2) << c.what;
        Close(pFrame);
    }
}

TEST_F(BarStateTest, TheControlsFileLiesInTheUsersApplicationData)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    CString strFolder = CStoredLayout::ControlsFile();
    strFolder = strFolder.Left(strFolder.ReverseFind(L'\\'));
    struct Case
    {
        const char* what;
        LPCWSTR explicitName;
        LPCWSTR profile;
        CString expected;
    } cases[] = {
        {"the profile's name", L"", L"CommandBars2", strFolder + L"\\CommandBars2"},
        {"backslashes replaced", L"", L"Layouts\\Main", strFolder + L"\\Layouts_Main"},
        {"a name set by the program", L"C:\\bars.bin", L"CommandBars2", L"C:\\bars.bin"},
    };
    for (const Case& c : cases) {
        pCommandBars->m_strControlsFileName = c.explicitName;
        EXPECT_EQ(pCommandBars->GetControlsFileName(c.profile), c.expected) << c.what;
    }
    pCommandBars->InternalRelease();
}

TEST_F(BarStateTest, AControlsFileThatCannotBeWrittenIsLeftOutQuietly)
{
    CStateFrame* pFrame = Open();
    pFrame->GetCommandBars()->m_strControlsFileName = L"C:\\no-such-folder\\bars.bin";
    pFrame->Bar(kToolsBar)->GetControl(0)->SetCaption(CString(L'x', 20000));
    EXPECT_NO_THROW(pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE));
    EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2-Controls", L"LoadFromFile"));
    EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Summary", L"Bars"), 2u) << "the rest is saved";
}

TEST_F(BarStateTest, AControlsFileThatIsGoneIsSkipped)
{
    SavedCustomizedBlob();
    CStoredLayout::SetNumber(L"CommandBars2-Controls", L"LoadFromFile", 1);
    CStateFrame* pFrame = Reopen();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->Ids(kToolsBar), kToolsAsBuilt);
}

TEST_F(BarStateTest, PlaceVisibilityAndStatusBarComeBack)
{
    CStateFrame* pFrame = Open();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pCommandBars->DockCommandBar(pFrame->Bar(kViewBar), xtpBarLeft);
    pFrame->Bar(kToolsBar)->SetVisible(FALSE);
    pFrame->Bar(kToolsBar)->ShowWindow(SW_HIDE);
    pFrame->ShowControlBar(&pFrame->m_statusBar, FALSE, FALSE);
    pCommandBars->SaveBarState(kProfile);
    Close(pFrame);

    CStateFrame* pLoaded = Reopen();
    ASSERT_NE(pLoaded, nullptr);
    pLoaded->RecalcLayout();
    EXPECT_EQ(pLoaded->Bar(kViewBar)->GetDockBar(), pLoaded->GetCommandBars()->GetDockBar(xtpBarLeft));
    EXPECT_EQ(pLoaded->Bar(kViewBar)->GetPosition(), xtpBarLeft);
    EXPECT_FALSE(pLoaded->Bar(kToolsBar)->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(pLoaded->Bar(kToolsBar)->GetSafeHwnd()));
    EXPECT_FALSE(pLoaded->m_statusBar.IsWindowVisible());
}

TEST_F(BarStateTest, AUserBarComingBackGoesIntoTheFramesRebarWhenItHasOne)
{
    const UINT kUserBar = 400;
    CFrameBuild saving;
    saving.reBar = TRUE;
    CStateFrame* pFrame = Open(saving);
    CXTPToolBar* pUser = pFrame->GetCommandBars()->Add(L"Eigene", xtpBarTop);
    pUser->SetBarID(kUserBar);
    pUser->SetBuiltIn(FALSE);
    static const UINT buttons[] = {601, 602};
    pUser->AddButtons(buttons, 2);
    ASSERT_TRUE(pFrame->GetCommandBars()->AddToRebar(pUser));
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);

    for (BOOL bReBar : {FALSE, TRUE}) {
        CFrameBuild build;
        build.reBar = bReBar;
        CStateFrame* pLoaded = Reopen(build);
        ASSERT_NE(pLoaded, nullptr);
        CXTPToolBar* pBar = pLoaded->Bar(kUserBar);
        ASSERT_NE(pBar, nullptr) << "rebar " << bReBar;
        EXPECT_EQ((std::vector<int>{601, 602}), pLoaded->Ids(kUserBar));
        auto* pReBar = dynamic_cast<CXTPReBar*>(CWnd::FromHandlePermanent(::GetDlgItem(pLoaded->m_hWnd, 59396)));
        if (!bReBar) {
            EXPECT_EQ(pLoaded->GetCommandBars()->GetDockBar(xtpBarTop), pBar->GetDockBar()) << "docked at its side";
        } else {
            ASSERT_NE(pReBar, nullptr);
            EXPECT_EQ(nullptr, pBar->GetDockBar()) << "off its dock bar";
            int nBand = pReBar->FindBand(pBar);
            ASSERT_GE(nBand, 0);
            REBARBANDINFOW band = {};
            band.cbSize = REBARBANDINFOW_V6_SIZE;
            band.fMask = RBBIM_ID | RBBIM_STYLE;
            pReBar->SendMessage(RB_GETBANDINFOW, static_cast<WPARAM>(nBand), reinterpret_cast<LPARAM>(&band));
            EXPECT_EQ(kUserBar, band.wID);
            EXPECT_EQ(XTP_REBAR_BANDSTYLE, band.fStyle & XTP_REBAR_BANDSTYLE);
            EXPECT_NE(nullptr, pLoaded->Bar(kToolsBar)->GetDockBar()) << "the program's bars stay docked";
        }
        Close(pLoaded);
    }
}

TEST_F(BarStateTest, ABarShownAfterASaveWithItHiddenComesBackShown)
{
    CStateFrame* pFrame = Open();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pFrame->Bar(kToolsBar)->SetVisible(FALSE);
    pCommandBars->SaveBarState(kProfile);
    ASSERT_EQ(CStoredLayout::Number(L"CommandBars2-Bar0", L"Visible"), 0u);
    pFrame->Bar(kToolsBar)->SetVisible(TRUE);
    pCommandBars->SaveBarState(kProfile);
    EXPECT_FALSE(CStoredLayout::Has(L"CommandBars2-Bar0", L"Visible")) << "the old value stayed in the section";
    Close(pFrame);

    CStateFrame* pLoaded = Reopen();
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_TRUE(pLoaded->Bar(kToolsBar)->IsVisible());
    EXPECT_TRUE(::IsWindowVisible(pLoaded->Bar(kToolsBar)->GetSafeHwnd()));
}

TEST_F(BarStateTest, ARefusedLoadLeavesTheCustomIconsOut)
{
    const int kIconSize = 16;
    auto ownImages = [](CStateFrame* pFrame) {
        auto* pImages = new CXTPImageManager;
        pFrame->GetCommandBars()->SetImageManager(pImages);
        return pImages;
    };
    CStateFrame* pFrame = Open();
    CXTPImageManager* pImages = ownImages(pFrame);
    BYTE* pBits = nullptr;
    CXTPImageManagerIconHandle hIcon;
    hIcon.AttachBitmap(XTPCreateAlphaDIB(kIconSize, kIconSize, &pBits));
    ASSERT_NE(pBits, nullptr);
    memset(pBits, 0x80, kIconSize * kIconSize * 4);
    const UINT nIconId = pImages->AddIconWithNewSet(hIcon);
    ASSERT_GT(nIconId, 0u);
    pFrame->Bar(kToolsBar)->GetControl(1)->SetCustomIconId(static_cast<int>(nIconId));
    pFrame->GetCommandBars()->SaveBarState(kProfile, FALSE);
    Close(pFrame);
    const std::vector<BYTE> blob = CStoredLayout::Binary(L"CommandBars2-Controls", L"Controls");
    ASSERT_GT(blob.size(), 40u);

    struct Case
    {
        const char* what;
        std::vector<BYTE> data;
        bool iconLoaded;
    } cases[] = {
        {"as saved", blob, true},
        {"cut at the last byte", std::vector<BYTE>(blob.begin(), blob.end() - 1), false},
    };
    for (const Case& c : cases) {
        CStoredLayout::SetBinary(L"CommandBars2-Controls", L"Controls", c.data);
        CStateFrame* pLoaded = Open();
        CXTPImageManager* pLive = ownImages(pLoaded);
        pLoaded->GetCommandBars()->LoadBarState(kProfile);
        EXPECT_EQ(pLive->GetIconSet(nIconId) != nullptr, c.iconLoaded) << c.what;
        EXPECT_EQ(pLoaded->Bar(kToolsBar)->GetControl(1)->GetCustomIconId() > 0, c.iconLoaded) << c.what;
        Close(pLoaded);
    }
}

TEST_F(BarStateTest, RecordsEndAtTheFirstOneMissingWhateverTheSummarySays)
{
    CStateFrame* pFrame = Open();
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);
    CStoredLayout::SetNumber(L"CommandBars2-Summary", L"Bars", 1024);
    CXTPToolBarInfoList state;
    state.LoadState(kProfile, 1024);
    EXPECT_EQ(state.m_arrInfo.size(), 2u);

    SHDeleteKeyW(HKEY_CURRENT_USER, CStoredLayout::Key(L"CommandBars2-Bar0"));
    CXTPToolBarInfoList gap;
    gap.LoadState(kProfile, 1024);
    EXPECT_TRUE(gap.m_arrInfo.empty()) << "a record after a missing one is not read";
}

TEST_F(BarStateTest, AStoredPlaceBeforeTheDockBarsStartComesBackInsideIt)
{
    CStateFrame* pFrame = Open();
    pFrame->GetCommandBars()->DockCommandBar(pFrame->Bar(kViewBar), xtpBarRight);
    pFrame->RecalcLayout();
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);
    // As an older save left it: the gripper 100 pixels above the dock bar.
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"YPos", static_cast<DWORD>(-100));
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"MRUDockTopPos", static_cast<DWORD>(-100));
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"MRUDockBottomPos", static_cast<DWORD>(-40));

    CStateFrame* pLoaded = Reopen();
    ASSERT_NE(pLoaded, nullptr);
    pLoaded->RecalcLayout();
    CXTPDockBar* pRight = pLoaded->GetCommandBars()->GetDockBar(xtpBarRight);
    ASSERT_EQ(pLoaded->Bar(kViewBar)->GetDockBar(), pRight);
    CRect rcView, rcRight;
    pLoaded->Bar(kViewBar)->GetWindowRect(&rcView);
    pRight->GetWindowRect(&rcRight);
    EXPECT_EQ(rcView.top, rcRight.top);
    EXPECT_EQ(pLoaded->Bar(kViewBar)->GetDockContext()->m_rectMRUDockPos.top, 0);
}

TEST_F(BarStateTest, ABarBuiltFloatingAndDockedBesideOthersComesBackAsADockedChildThatFloatsAgain)
{
    const UINT kOwnBar = 410;
    static const UINT buttons[] = {601, 602};
    // The program builds it floating, at every start.
    auto build = [&](CStateFrame* pFrame) {
        CXTPToolBar* pBar = pFrame->GetCommandBars()->Add(L"Eigene", xtpBarFloating);
        pBar->SetBarID(kOwnBar);
        pBar->AddButtons(buttons, 2);
        return pBar;
    };
    CStateFrame* pFrame = Open();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    CXTPToolBar* pOwn = build(pFrame);
    CXTPDockBar* pTop = pCommandBars->GetDockBar(xtpBarTop);
    // The user drops it on the top dock bar, where the two toolbars are.
    ASSERT_TRUE(pCommandBars->DockCommandBar(pOwn, xtpBarTop));
    ASSERT_EQ(pOwn->GetDockBar(), pTop);
    pCommandBars->SaveBarState(kProfile);
    ASSERT_GT(CStoredLayout::Number(L"CommandBars2-DockBar0", L"Bars"), 1u);
    Close(pFrame);

    pFrame = Open();
    pCommandBars = pFrame->GetCommandBars();
    pOwn = build(pFrame);
    ASSERT_EQ(pOwn->GetStyle() & WS_POPUP, static_cast<DWORD>(WS_POPUP));
    pCommandBars->LoadBarState(kProfile);
    pFrame->RecalcLayout();
    pTop = pCommandBars->GetDockBar(xtpBarTop);
    EXPECT_EQ(pOwn->GetDockBar(), pTop);
    EXPECT_EQ(pOwn->GetPosition(), xtpBarTop);
    EXPECT_EQ(pOwn->GetStyle() & (WS_CHILD | WS_POPUP), static_cast<DWORD>(WS_CHILD)) << std::hex << pOwn->GetStyle();
    EXPECT_EQ(::GetParent(pOwn->GetSafeHwnd()), pTop->GetSafeHwnd());

    // Floated again, it is a window of its own that goes where it is put.
    ASSERT_TRUE(pOwn->SetPosition(xtpBarFloating));
    pOwn->SetWindowPos(nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcOwn;
    pOwn->GetWindowRect(&rcOwn);
    EXPECT_EQ(rcOwn.TopLeft(), CPoint(300, 300));
    EXPECT_EQ(::GetAncestor(pOwn->GetSafeHwnd(), GA_PARENT), ::GetDesktopWindow());
    EXPECT_EQ(pOwn->GetStyle() & (WS_CHILD | WS_POPUP), static_cast<DWORD>(WS_POPUP));
}

// Each docked bar's dock place is stored as where it stands, also for a bar
// the program docked without one. A floating bar stored without a dock place,
// as older layouts have it, docks back by a double click in a row of its own
// after the others, not over the first row's bar.
TEST_F(BarStateTest, DockPlacesAreStoredAndAFloatingBarWithoutOneDocksAfterTheRows)
{
    CStateFrame* pFrame = Open();
    pFrame->RecalcLayout();
    auto placeOf = [](CXTPToolBar* pBar) {
        CRect rc;
        pBar->GetWindowRect(&rc);
        pBar->GetDockBar()->ScreenToClient(&rc);
        return rc;
    };
    const CRect rcTools = placeOf(pFrame->Bar(kToolsBar)), rcView = placeOf(pFrame->Bar(kViewBar));
    ASSERT_GE(rcView.top, rcTools.bottom) << "the view bar has a row of its own";
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);
    auto storedDockPlace = [](LPCWSTR lpszSection) {
        return CRect(static_cast<int>(CStoredLayout::Number(lpszSection, L"MRUDockLeftPos")),
                     static_cast<int>(CStoredLayout::Number(lpszSection, L"MRUDockTopPos")),
                     static_cast<int>(CStoredLayout::Number(lpszSection, L"MRUDockRightPos")),
                     static_cast<int>(CStoredLayout::Number(lpszSection, L"MRUDockBottomPos")));
    };
    EXPECT_EQ(storedDockPlace(L"CommandBars2-Bar0"), rcTools);
    EXPECT_EQ(storedDockPlace(L"CommandBars2-Bar1"), rcView);

    // As an older run stored it: floating, with an empty dock place.
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"Floating", 1);
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"XPos", 300);
    CStoredLayout::SetNumber(L"CommandBars2-Bar1", L"YPos", 240);
    for (LPCWSTR name : {L"MRUDockLeftPos", L"MRUDockTopPos", L"MRUDockRightPos", L"MRUDockBottomPos"})
        CStoredLayout::SetNumber(L"CommandBars2-Bar1", name, 0);
    CStateFrame* pLoaded = Reopen();
    ASSERT_NE(pLoaded, nullptr);
    pLoaded->RecalcLayout();
    CXTPToolBar* pView = pLoaded->Bar(kViewBar);
    ASSERT_EQ(pView->GetPosition(), xtpBarFloating);
    // On its caption.
    pView->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(12, 9));
    pLoaded->RecalcLayout();
    ASSERT_EQ(pView->GetPosition(), xtpBarTop);
    EXPECT_EQ(placeOf(pLoaded->Bar(kToolsBar)), rcTools) << "the first row's bar stays as it was";
    EXPECT_EQ(placeOf(pView).top, rcView.top) << "in a row of its own below";
}

namespace {

// Windows that were visible pop-ups (not children) after handling a message.
std::set<HWND> g_shownPopups;

LRESULT CALLBACK NoteShownPopups(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        HWND hWnd = reinterpret_cast<CWPRETSTRUCT*>(lParam)->hwnd;
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)) == WS_VISIBLE)
            g_shownPopups.insert(hWnd);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

// Floating bars come back floating; one stored hidden, the program's or the
// user's own, never shows its window while the layout loads, not even for a
// moment.
TEST_F(BarStateTest, AFloatingBarStoredHiddenNeverShowsWhileTheLayoutLoads)
{
    const UINT kOwnBar = 420;
    CStateFrame* pFrame = Open();
    CXTPToolBar* pOwn = pFrame->GetCommandBars()->AddCustomBar(L"Eigene", kOwnBar);
    ASSERT_NE(pOwn, nullptr);
    pOwn->GetControls()->Add(xtpControlButton, 201);
    for (UINT nID : {kToolsBar, kViewBar, kOwnBar})
        ASSERT_TRUE(pFrame->Bar(nID)->SetPosition(xtpBarFloating));
    pFrame->Bar(kViewBar)->SetVisible(FALSE);
    pOwn->SetVisible(FALSE);
    pFrame->GetCommandBars()->SaveBarState(kProfile);
    Close(pFrame);

    g_shownPopups.clear();
    testhook::ThreadHook hook(WH_CALLWNDPROCRET, NoteShownPopups);
    CStateFrame* pLoaded = Reopen();
    hook.Remove();
    ASSERT_NE(pLoaded, nullptr);
    CXTPToolBar* pView = pLoaded->Bar(kViewBar);
    CXTPToolBar* pTools = pLoaded->Bar(kToolsBar);
    EXPECT_EQ(xtpBarFloating, pView->GetPosition());
    EXPECT_FALSE(pView->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(pView->GetSafeHwnd()));
    EXPECT_EQ(0u, g_shownPopups.count(pView->GetSafeHwnd())) << "the hidden bar showed while the layout loaded";
    pOwn = pLoaded->Bar(kOwnBar);
    ASSERT_NE(pOwn, nullptr) << "the user's bar is gone";
    EXPECT_EQ(xtpBarFloating, pOwn->GetPosition());
    EXPECT_FALSE(pOwn->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(pOwn->GetSafeHwnd()));
    EXPECT_EQ(0u, g_shownPopups.count(pOwn->GetSafeHwnd())) << "the user's hidden bar showed while loading";
    EXPECT_EQ(xtpBarFloating, pTools->GetPosition());
    EXPECT_EQ(1u, g_shownPopups.count(pTools->GetSafeHwnd())) << "the shown bar is seen shown";
}
