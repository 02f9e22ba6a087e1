// Popup controls on a menu-like bar with real input: titles only light up
// until a menu is open, then open in turn; a submenu opens beside its item;
// split buttons open from their arrow and run from their command part.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

CXTPControlPopup* AddTitle(CXTPCommandBar* pBar, LPCWSTR lpszCaption, std::initializer_list<LPCWSTR> items)
{
    CXTPControlPopup* pTitle = new CXTPControlPopup();
    pBar->GetControls()->Add(pTitle, 0);
    pTitle->SetCaption(lpszCaption);
    pTitle->SetStyle(xtpButtonCaption);
    CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(nullptr);
    int nId = 100;
    for (LPCWSTR item : items)
        pMenu->GetControls()->Add(new CXTPControlButton(), nId++)->SetCaption(item);
    pTitle->SetCommandBar(pMenu);
    pMenu->InternalRelease();
    return pTitle;
}

class PopupControl : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 600, 400)));
        m_bar.SetBarPosition(xtpBarTop);
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 500, 24)));
        m_pFile = AddTitle(&m_bar, L"&Datei", {L"&Neu", L"Ö&ffnen...", L"&Speichern"});
        m_pEdit = AddTitle(&m_bar, L"&Bearbeiten", {L"&Rückgängig", L"&Kopieren"});
        // A submenu item in the first menu.
        CXTPCommandBar* pFileMenu = m_pFile->GetCommandBar();
        m_pSub = new CXTPControlPopup();
        pFileMenu->GetControls()->Add(m_pSub, 0);
        m_pSub->SetCaption(L"vordefinierte Auswahl");
        m_pSub->SetBeginGroup(TRUE);
        CXTPPopupBar* pSubMenu = CXTPPopupBar::CreatePopupBar(nullptr);
        pSubMenu->GetControls()->Add(new CXTPControlButton(), 200)->SetCaption(L"Alle Spiele");
        pSubMenu->GetControls()->Add(new CXTPControlButton(), 201)->SetCaption(L"Nur Heimspiele");
        m_pSub->SetCommandBar(pSubMenu);
        pSubMenu->InternalRelease();
        LayOutRow(m_bar, 500);
        SetForegroundWindow(m_site.GetSafeHwnd());
        PumpUntilIdle();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    POINT CentreOf(CXTPControl* pControl)
    {
        CRect rc = pControl->GetRect();
        pControl->GetParent()->ClientToScreen(&rc);
        return rc.CenterPoint();
    }

    CTestSite m_site;
    CTestBar m_bar;
    CXTPControlPopup* m_pFile = nullptr;
    CXTPControlPopup* m_pEdit = nullptr;
    CXTPControlPopup* m_pSub = nullptr;
};

} // namespace

TEST_F(PopupControl, TitlesOpenInTurnOnlyWhileAMenuIsOpen)
{
    m_bar.SetTrackingMode(xtpTrackingKeyboard, FALSE);
    m_bar.SetSelected(m_pEdit->GetIndex(), FALSE);
    PumpUntilIdle();
    EXPECT_EQ(-1, m_bar.GetPopupedIndex()) << "selecting without an open menu only highlights";
    m_bar.EndTracking();

    ClickAt(CentreOf(m_pFile));
    PumpUntil([&] { return m_bar.GetPopupedIndex() == m_pFile->GetIndex(); });
    ASSERT_EQ(m_pFile->GetIndex(), m_bar.GetPopupedIndex());
    CXTPCommandBar* pFileMenu = m_pFile->GetCommandBar();
    ASSERT_TRUE(pFileMenu->IsVisible());
    CRect rcTitle = m_pFile->GetRect(), rcMenu;
    m_bar.ClientToScreen(&rcTitle);
    pFileMenu->GetWindowRect(&rcMenu);
    EXPECT_EQ(rcTitle.bottom, rcMenu.top) << "the drop-down opens below its title";

    SendMouse(MOUSEEVENTF_MOVE, CentreOf(m_pEdit));
    PumpUntil([&] { return m_bar.GetPopupedIndex() == m_pEdit->GetIndex(); });
    PumpUntilIdle();
    EXPECT_EQ(m_pEdit->GetIndex(), m_bar.GetPopupedIndex()) << "with a menu open the next title opens";
    EXPECT_FALSE(pFileMenu->GetSafeHwnd()) << "and the first one closes";
    EXPECT_TRUE(m_pEdit->GetCommandBar()->IsVisible());

    // A click on the open title closes its menu.
    ClickAt(CentreOf(m_pEdit));
    PumpUntil([&] { return m_bar.GetPopupedIndex() == -1; });
    PumpUntilIdle();
    EXPECT_EQ(-1, m_bar.GetPopupedIndex());
    EXPECT_FALSE(m_pEdit->GetCommandBar()->GetSafeHwnd());
}

TEST_F(PopupControl, SubmenuOpensBesideItsItem)
{
    ClickAt(CentreOf(m_pFile));
    CXTPCommandBar* pFileMenu = m_pFile->GetCommandBar();
    PumpUntil([&] { return pFileMenu->IsVisible(); });
    ASSERT_TRUE(pFileMenu->IsVisible());
    SendMouse(MOUSEEVENTF_MOVE, CentreOf(m_pSub));
    CXTPCommandBar* pSubMenu = m_pSub->GetCommandBar();
    PumpUntil([&] { return pSubMenu->IsVisible(); });
    PumpUntilIdle();
    ASSERT_TRUE(pSubMenu->IsVisible()) << "resting on the item opens its submenu";
    CRect rcItem = m_pSub->GetRect(), rcSub;
    pFileMenu->ClientToScreen(&rcItem);
    pSubMenu->GetWindowRect(&rcSub);
    EXPECT_GE(rcSub.left, rcItem.right - 4) << "beside the item";
    EXPECT_LE(std::abs(rcSub.top - rcItem.top), 4);

    CRect rcShot(100, 100, 600, 400);
    HDC hScreen = GetDC(nullptr);
    testshot::Save(testshot::CaptureDC(hScreen, rcShot), L"commandbars_menu_dropdown.png");
    ReleaseDC(nullptr, hScreen);
}

// Split buttons clicked for real: on the bar and as a menu item, a click on
// the arrow part opens the popup and runs nothing; a click on the command
// part runs the command and opens nothing.
TEST_F(PopupControl, SplitButtonsOpenFromTheArrowAndRunFromTheCommandPart)
{
    const int ID_SPLIT_BAR = 300, ID_SPLIT_ITEM = 301;
    CXTPControlPopup* pBarSplit = AddTitle(&m_bar, L"&Suchen", {L"Nach Datum", L"Nach Ort"});
    pBarSplit->SetType(xtpControlSplitButtonPopup);
    pBarSplit->SetID(ID_SPLIT_BAR);
    LayOutRow(m_bar, 500);
    CXTPCommandBar* pFileMenu = m_pFile->GetCommandBar();
    CXTPControlPopup* pItemSplit = new CXTPControlPopup();
    pFileMenu->GetControls()->Add(pItemSplit, ID_SPLIT_ITEM);
    pItemSplit->SetCaption(L"&Drucken");
    pItemSplit->SetType(xtpControlSplitButtonPopup);
    pItemSplit->SetFlags(xtpFlagManualUpdate);  // the site handles no command: menus would disable it
    CXTPPopupBar* pPrintMenu = CXTPPopupBar::CreatePopupBar(nullptr);
    pPrintMenu->GetControls()->Add(new CXTPControlButton(), 210)->SetCaption(L"Vorschau");
    pItemSplit->SetCommandBar(pPrintMenu);
    pPrintMenu->InternalRelease();

    auto commands = [&] {
        std::vector<UINT> ids;
        for (const CSiteMessage& m : m_site.received)
            if (m.message == WM_COMMAND)
                ids.push_back(LOWORD(m.wParam));
        return ids;
    };
    // A point of the control: dx from its left edge, or from its right edge when negative.
    auto pointIn = [&](CXTPControl* pControl, int dx) {
        CRect rc = pControl->GetRect();
        pControl->GetParent()->ClientToScreen(&rc);
        return CPoint(dx >= 0 ? rc.left + dx : rc.right + dx, rc.CenterPoint().y);
    };
    struct Row
    {
        const char* what;
        CXTPControlPopup* pSplit;
        int dx;
        bool opens;
        UINT command;
    } rows[] = {
        {"bar, arrow", pBarSplit, -5, true, 0},
        {"bar, command part", pBarSplit, 6, false, ID_SPLIT_BAR},
        {"menu item, arrow", pItemSplit, -8, true, 0},
        {"menu item, command part", pItemSplit, 40, false, ID_SPLIT_ITEM},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        m_site.received.clear();
        if (row.pSplit == pItemSplit) {
            ClickAt(CentreOf(m_pFile));
            ASSERT_TRUE(PumpUntil([&] { return pFileMenu->IsVisible(); }));
            PumpUntilIdle();
        }
        CXTPCommandBar* pPopup = row.pSplit->GetCommandBar();
        // Timer messages wait behind queued input: a popup open at the release
        // was opened by the press, not by resting on the item.
        bool openAtRelease = false;
        testpump::ScopedMessageFilter watch([&](MSG& msg) {
            if (msg.message == WM_LBUTTONUP)
                openAtRelease = pPopup->GetSafeHwnd() && pPopup->IsVisible();
            return false;
        });
        ClickAt(pointIn(row.pSplit, row.dx));
        if (row.opens) {
            EXPECT_TRUE(PumpUntil([&] { return pPopup->IsVisible(); })) << "the arrow opens the popup";
            if (row.pSplit == pItemSplit) {
                EXPECT_TRUE(openAtRelease) << "by the press";
            }
            PumpUntilIdle();
            EXPECT_TRUE(row.pSplit->GetPopup());
            EXPECT_TRUE(commands().empty()) << "and runs nothing";
        } else {
            EXPECT_TRUE(PumpUntil([&] { return !commands().empty(); })) << "the command part runs the command";
            PumpUntilIdle();
            EXPECT_EQ(std::vector<UINT>{row.command}, commands());
            EXPECT_FALSE(pPopup->IsVisible()) << "and opens nothing";
        }
        XTPMouseManager()->EndAllTracking();
        PumpUntil([&] { return !pFileMenu->GetSafeHwnd() && !pPopup->GetSafeHwnd(); });
        PumpUntilIdle();
    }
}
