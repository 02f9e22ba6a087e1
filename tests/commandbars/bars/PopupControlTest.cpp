// Popup controls on a menu-like bar with real input: titles only light up
// until a menu is open, then open in turn; a submenu opens beside its item.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/gdi/CClientDC.h"
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
        CClientDC dc(&m_bar);
        m_bar.GetControls()->CalcDynamicSize(&dc, 500, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
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
