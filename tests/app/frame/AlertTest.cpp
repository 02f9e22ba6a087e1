// Alert popups (stacking, links, the close button, dragging), the alert
// sound and the texts of an offer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameTestSupport.h"
#include "app/frame/AlertPopups.h"
#include "app/frame/AlertSound.h"
#include "app/frame/OfferTexts.h"
#include "app/frame/PopupItem.h"
#include "support/Screenshot.h"
#include "toolkit/common/XTPPopupControl.h"

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
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(StackPopupPosition(corner, size, test.open), CPoint(1000, test.expectedBottom));
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
