// Alert popups (stacking, links, the close button, dragging), the alert
// sound and the texts of an offer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/frame/AlertPopups.h"
#include "app/frame/AlertSound.h"
#include "app/frame/OfferTexts.h"
#include "app/frame/PopupItem.h"
#include "support/Screenshot.h"
#include "support/SiteSimulation.h"
#include "support/TestPump.h"
#include "toolkit/common/popup/XTPPopupControl.h"

using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

std::vector<CString> g_openedPages;
void RecordPage(const CString& strAddress)
{
    g_openedPages.push_back(strAddress);
}

// The frame's part: popup events go to the alerts, closed popups are
// deleted when the posted message arrives.
class CAlertOwner : public CWnd
{
public:
    CAlertPopups alerts;

    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"Alarme", WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_POPUP_EVENT)
            return alerts.OnPopupNotify(wParam, lParam);
        if (message == CAlertPopups::WM_ALERT_POPUP_CLOSED)
        {
            alerts.DeleteClosed();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class Alerts : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SetCursorPos(5, 5);
        g_openedPages.clear();
        CAlertPopups::s_pfnOpenPage = &RecordPage;
        ASSERT_TRUE(owner.CreateOwner());
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    }
    void TearDown() override
    {
        CAlertPopups::s_pfnOpenPage = &CAlertPopups::OpenPageInBrowser;
        owner.DestroyWindow();
    }

    CXTPPopupControl* Show(int n)
    {
        AlertTexts texts;
        texts.strTitle = L"Berlin: Deutschland - Ecuador";
        texts.strLine = FormatMatchOfferLine(n, FALSE, TRUE);
        texts.strAddress = ResaleDetailAddress(n);
        return owner.alerts.ShowAlertPopup(&owner, texts);
    }

    CAlertOwner owner;
    CRect work;
};

} // namespace

TEST(AlertStack, NewPopupsGoAboveEveryPopupTheyWouldCover)
{
    const CPoint corner(1000, 700);
    const CSize size(329, 74);
    const struct
    {
        const char* name;
        std::vector<CRect> open;
        int expectedBottom;
    } cases[] = {
        {"none open", {}, 700},
        {"one at the corner", {CRect(671, 626, 1000, 700)}, 626},
        {"two stacked", {CRect(671, 626, 1000, 700), CRect(671, 552, 1000, 626)}, 552},
        // The upper one is walked first: only a second walk finds that the
        // rectangle moved onto it.
        {"listed top first", {CRect(671, 552, 1000, 626), CRect(671, 626, 1000, 700)}, 552},
        {"a gap big enough stays used", {CRect(671, 400, 1000, 500)}, 700},
        {"touching edges do not meet", {CRect(1000, 626, 1329, 700)}, 700},
        {"a taller one further left", {CRect(500, 500, 700, 690)}, 500},
    };
    const CRect work(0, 0, 1000, 700);
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(StackPopupPosition(corner, size, test.open, work), CPoint(1000, test.expectedBottom));
    }
}

TEST(AlertStack, AFullColumnStartsANewOneToTheLeftAtTheWorkAreaBottom)
{
    const CSize size(329, 74);
    const CRect first(671, 626, 1000, 700), second(671, 552, 1000, 626);
    const CRect left(342, 626, 671, 700), leftUpper(342, 552, 671, 626);
    const struct
    {
        const char* name;
        CPoint corner;
        CRect work;
        std::vector<CRect> open;
        CPoint expected;
    } cases[] = {
        {"the second reaches the top exactly", {1000, 700}, {0, 552, 1000, 700}, {first}, {1000, 626}},
        {"one pixel less room: a new column", {1000, 700}, {0, 553, 1000, 700}, {first}, {671, 700}},
        {"a full column", {1000, 700}, {0, 552, 1000, 700}, {first, second}, {671, 700}},
        {"the new column stacks too", {1000, 700}, {0, 552, 1000, 700}, {first, second, left}, {671, 626}},
        {"then the next to the left", {1000, 700}, {0, 552, 1000, 700}, {first, second, left, leftUpper}, {342, 700}},
        // A dragged popup's place starts the first column; new ones start at
        // the bottom of the work area.
        {"from a remembered place", {1000, 640}, {0, 552, 1000, 700}, {CRect(671, 566, 1000, 640)}, {671, 700}},
        {"a column may reach the left edge exactly", {1000, 700}, {342, 552, 1000, 700}, {first, second}, {671, 700}},
        {"no column left: over the first", {1000, 700}, {343, 552, 1000, 700}, {first, second}, {1000, 700}},
        {"every column full", {1000, 700}, {342, 552, 1000, 700}, {first, second, left, leftUpper}, {1000, 700}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(StackPopupPosition(test.corner, size, test.open, test.work), test.expected);
    }
}

TEST_F(Alerts, ThreeOffersStackUpwardsFromTheWorkAreaCorner)
{
    for (int n = 1; n <= 3; ++n)
        ASSERT_NE(Show(n), nullptr);
    ASSERT_EQ(owner.alerts.GetOpenCount(), 3);
    for (int i = 0; i < 3; ++i)
    {
        CXTPPopupControl* pPopup = owner.alerts.GetOpenPopup(i);
        EXPECT_EQ(pPopup->GetPopupSize(), CSize(329, 74));
        EXPECT_EQ(pPopup->GetPopupPos(), CPoint(work.right, work.bottom - 74 * i));
        EXPECT_EQ(pPopup->GetItemCount(), 5);
    }
    CXTPPopupControl* pTop = owner.alerts.GetOpenPopup(2);
    const CRect rcFinal(work.right - 329, work.bottom - 3 * 74, work.right, work.bottom - 2 * 74);
    CRect rcTop;
    PumpUntil([&] {
        ::GetWindowRect(pTop->GetSafeHwnd(), &rcTop);
        return rcTop == rcFinal;
    });
    PumpUntilIdle();
    EXPECT_EQ(rcTop, rcFinal) << "the popup ends up in its place";

    HDC hScreen = ::GetDC(nullptr);
    const testshot::Image shot = testshot::CaptureDC(hScreen, CRect(work.right - 360, work.bottom - 250, work.right, work.bottom));
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_FALSE(testshot::Save(shot, L"app_alert_popups.png").empty());
    // Each popup (drawn at 200 of 255 over the black screen): its bold
    // title, its blue offer line, a light background right of the texts.
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        const int left = 360 - 329, top = 250 - 74 * (i + 1);
        EXPECT_GT(apptest::CountPixels(shot, CRect(left + 46, top + 16, left + 120, top + 29), apptest::IsDark), 20);
        EXPECT_GT(apptest::CountPixels(shot, CRect(left + 46, top + 42, left + 220, top + 56), apptest::IsBlueish), 20);
        EXPECT_EQ(apptest::CountPixels(shot, CRect(left + 46, top + 42, left + 220, top + 56), apptest::IsDark), 0)
            << "the offer line has a colour of its own";
        const COLORREF background = shot.Pixel(left + 290, top + 60);
        EXPECT_TRUE(GetRValue(background) > 140 && GetGValue(background) > 140 && GetBValue(background) > 140)
            << std::hex << background;
    }
}

namespace {

// A work area of the test's choosing, the screen's back at the end.
class CWorkAreaScope
{
public:
    explicit CWorkAreaScope(const CRect& rcWork)
    {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcSaved, 0);
        ::SystemParametersInfoW(SPI_SETWORKAREA, 0, const_cast<CRect*>(&rcWork), 0);
    }
    ~CWorkAreaScope() { ::SystemParametersInfoW(SPI_SETWORKAREA, 0, &m_rcSaved, 0); }

private:
    CRect m_rcSaved;
};

} // namespace

TEST_F(Alerts, TwentyPopupsInOneScanAreAllWithinASmallWorkArea)
{
    const CRect small(0, 50, 1280, 600);  // seven rows, three columns
    CWorkAreaScope scope(small);
    CRect now;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &now, 0);
    ASSERT_EQ(now, small);

    for (int n = 1; n <= 20; ++n)
        ASSERT_NE(Show(n), nullptr);
    ASSERT_EQ(owner.alerts.GetOpenCount(), 20);
    std::vector<CRect> placed;
    for (int i = 0; i < 20; ++i)
    {
        SCOPED_TRACE(i);
        CXTPPopupControl* pPopup = owner.alerts.GetOpenPopup(i);
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::IsWindowVisible(pPopup->GetSafeHwnd()) != FALSE; }));
        CRect rcWindow;
        ::GetWindowRect(pPopup->GetSafeHwnd(), &rcWindow);
        CRect rcInside;
        rcInside.IntersectRect(&rcWindow, &small);
        EXPECT_EQ(rcInside, rcWindow) << "wholly inside the work area";
        placed.push_back(rcWindow);
    }
    // Columns fill from the bottom right, each popup 74 above the one before.
    EXPECT_EQ(placed[0], CRect(951, 526, 1280, 600));
    EXPECT_EQ(placed[6], CRect(951, 82, 1280, 156));
    EXPECT_EQ(placed[7], CRect(622, 526, 951, 600));
    EXPECT_EQ(placed[19], CRect(293, 156, 622, 230));
    for (int i = 0; i < 20; ++i)
        for (int j = i + 1; j < 20; ++j)
        {
            CRect rcCommon;
            EXPECT_FALSE(rcCommon.IntersectRect(&placed[i], &placed[j])) << i << " meets " << j;
        }
}

TEST_F(Alerts, TitleOpensItsPageCloseButtonOpensNothingBothClose)
{
    CXTPPopupControl* pFirst = Show(7);
    CXTPPopupControl* pSecond = Show(8);
    ASSERT_TRUE(pFirst && pSecond);
    // Item 0 is the title link, item 4 the close button.
    EXPECT_EQ(pFirst->GetItem(0)->GetID(), CAlertPopups::IdTitle);
    EXPECT_EQ(pFirst->GetItem(4)->GetID(), CAlertPopups::IdClose);
    EXPECT_TRUE(pFirst->GetItem(4)->IsButton());
    EXPECT_FALSE(pFirst->GetItem(1)->IsHyperLink());

    pFirst->OnClick(pFirst->GetItem(0));
    PumpUntil([&] { return owner.alerts.GetOpenCount() == 1; });
    PumpUntilIdle();
    ASSERT_EQ(g_openedPages.size(), 1u);
    EXPECT_EQ(g_openedPages[0], ResaleDetailAddress(7));
    ASSERT_EQ(owner.alerts.GetOpenCount(), 1);
    EXPECT_EQ(owner.alerts.GetOpenPopup(0), pSecond);

    pSecond->OnClick(pSecond->GetItem(4));
    PumpUntil([&] { return owner.alerts.GetOpenCount() == 0; });
    PumpUntilIdle();
    EXPECT_EQ(g_openedPages.size(), 1u);
    EXPECT_EQ(owner.alerts.GetOpenCount(), 0);

    // A new popup takes the corner again; many clicks leave nothing behind.
    for (int n = 0; n < 50; ++n)
    {
        CXTPPopupControl* pPopup = Show(n);
        ASSERT_NE(pPopup, nullptr);
        EXPECT_EQ(pPopup->GetPopupPos(), CPoint(work.right, work.bottom));
        pPopup->OnClick(pPopup->GetItem(n % 2 == 0 ? 0 : 4));
        testpump::PumpPending();
    }
    EXPECT_EQ(owner.alerts.GetOpenCount(), 0);
    EXPECT_EQ(g_openedPages.size(), 26u);
}

TEST_F(Alerts, DraggedPopupMovesTheNextStack)
{
    CXTPPopupControl* pFirst = Show(1);
    ASSERT_NE(pFirst, nullptr);
    // What the popup's drag reports when the user lets it go.
    pFirst->SetPopupPos(CPoint(600, 500));
    ::SendMessageW(owner.GetSafeHwnd(), WM_XTP_POPUP_EVENT, XTP_PCN_POSCHANGED, (LPARAM)pFirst);
    EXPECT_EQ(owner.alerts.GetRememberedPosition(), CPoint(600, 500));
    CXTPPopupControl* pSecond = Show(2);
    EXPECT_EQ(pSecond->GetPopupPos(), CPoint(600, 426));
    // Events without data are ignored.
    EXPECT_TRUE(owner.alerts.OnPopupNotify(XTP_PCN_ITEMCLICK, 0));
}

namespace {
std::vector<std::wstring> played;
std::vector<UINT> beeps;
DWORD playFlags = 0;
BOOL WINAPI RecordPlay(LPCWSTR pszSound, HMODULE, DWORD fdwSound)
{
    played.push_back(pszSound);
    playFlags = fdwSound;
    return TRUE;
}
BOOL WINAPI RecordBeep(UINT uType)
{
    beeps.push_back(uType);
    return TRUE;
}
} // namespace

TEST(AlertSound, BeepOffSilentNoFileBeepsAFilePlaysAsynchronously)
{
    CAlertSound::s_pfnPlaySound = &RecordPlay;
    CAlertSound::s_pfnMessageBeep = &RecordBeep;
    CAlertSound::Play(FALSE, L"C:\\ding.wav");
    CAlertSound::Play(FALSE, L"");
    EXPECT_TRUE(played.empty() && beeps.empty());
    CAlertSound::Play(TRUE, L"");
    EXPECT_EQ(beeps, std::vector<UINT>{0xFFFFFFFF});
    CAlertSound::Play(TRUE, L"C:\\fehlt.wav");
    EXPECT_EQ(played, std::vector<std::wstring>{L"C:\\fehlt.wav"});
    EXPECT_EQ(playFlags, 0x20001u);
    EXPECT_EQ(beeps.size(), 1u) << "a missing file is not replaced by a beep";
    CAlertSound::s_pfnPlaySound = &::PlaySoundW;
    CAlertSound::s_pfnMessageBeep = &::MessageBeep;
}

TEST(OfferTexts, MissingWordsKeepTheirBlanksAddressesNameTheReservedHost)
{
    EXPECT_STREQ(FormatMatchOfferLine(3, FALSE, FALSE), L"Category: 3  ");
    EXPECT_EQ(ResaleDetailAddress(12).Find(L"http://karten.weltturnier2006.test/"), 0);
    EXPECT_NE(ResaleDetailAddress(12).Find(L"&key=12&target=1"), -1);
}

namespace {

// Runs this program's tests that the filter names in a process of their own
// with Wine's heap checks on; its output, empty when it did not end.
std::string RunWithHeapChecks(const CTestFolder& folder, const std::string& filter)
{
    char display[256] = "", prefix[MAX_PATH * 2] = "";
    ::GetEnvironmentVariableA("DISPLAY", display, sizeof display);
    ::GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    wchar_t exe[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::string exeUnix;
    for (const wchar_t* c = exe + 2; *c; ++c)  // Z:\x\y is /x/y
        exeUnix += *c == L'\\' ? '/' : char(*c);
    if (prefix[0] == '\0' || !StartLinuxProgram("Z:\\bin\\sh " + SourceFolderUnix() + "/tests/app/frame/HeapCheckRun.sh " +
                                                exeUnix + " " + folder.Unix("result") + " " + prefix + " " + display +
                                                " " + filter))
        return std::string();
    // Checking every allocation makes the run slow.
    if (WaitForFile(folder.File("result"), 120000).empty())
        return std::string();
    std::string log;
    ReadWholeFile(folder.File("result.log"), log);
    return log;
}

} // namespace

TEST(AlertHeap, FiftyPopupClicksLeaveWinesHeapChecksQuiet)
{
    CTestFolder folder("heap");
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    const std::string log = RunWithHeapChecks(folder, "Alerts.TitleOpensItsPageCloseButtonOpensNothingBothClose");
    ASSERT_NE(log.find("[  PASSED  ] 1 test"), std::string::npos) << log;
    for (size_t nAt = log.find(":heap:"); nAt != std::string::npos; nAt = log.find(":heap:", nAt + 1))
    {
        const size_t nStart = log.rfind('\n', nAt) + 1;  // npos + 1 is 0
        ADD_FAILURE() << log.substr(nStart, log.find('\n', nAt) - nStart);
    }
}
