// The new-toolbar dialog: the proposed name, the id a new bar gets and the
// names it refuses, driven through the dialog and its message boxes.
#include "customize/customize/CustomizeTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/customize/XTPNewToolbarDlg.h"

using namespace custtest;

namespace {

using NewToolbarDlg = BarsTest;

TEST_F(NewToolbarDlg, FreeIdIsTheSmallestUnusedWhateverTheOrder)
{
    struct Case
    {
        std::vector<UINT> ids;
        UINT expected;
    };
    const Case cases[] = {
        {{}, 0xE800},
        {{0xE800, 0xE801}, 0xE802},
        // Made two, deleted the first: the hole is taken, never the live 0xE801.
        {{0xE801}, 0xE800},
        {{0xE801, 0xE800, 0xE803}, 0xE802},
    };
    for (const Case& c : cases) {
        CXTPCommandBars* pCase = new CXTPCommandBars();
        for (UINT nID : c.ids)
            AddBar(pCase, {L"x", nID});
        EXPECT_EQ(c.expected, CXTPNewToolbarDlg::FindFreeBarID(pCase)) << c.ids.size();
        pCase->InternalRelease();
    }
    for (UINT nID = XTP_CUSTOM_BAR_FIRST; nID <= XTP_CUSTOM_BAR_LAST; nID++)
        AddBar(pBars, {L"x", nID});
    EXPECT_EQ(0u, CXTPNewToolbarDlg::FindFreeBarID(pBars));
}

TEST_F(NewToolbarDlg, ProposesTheFirstFreeNumberAndChoosesTheIdOnOK)
{
    AddBar(pBars, {L"Benutzerdefiniert 1", 0xE800, FALSE});
    AddBar(pBars, {L"benutzerdefiniert 2", 0xE802, FALSE});
    AddBar(pBars, {L"Benutzerdefiniert 3", 0xE803, FALSE});
    CString strShown, strCaption;
    CDialogScript script(
        {Shot(L"customize_newtoolbar_new.png", ReadEdit(XTP_IDC_TOOLBAR_NAME, &strShown, &strCaption, IDOK))});
    CXTPNewToolbarDlg dlg(&site, pBars);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString(L"Benutzerdefiniert 2"), strShown);
    EXPECT_EQ(CString(L"Neue Symbolleiste"), strCaption);
    EXPECT_EQ(CString(L"Benutzerdefiniert 2"), dlg.m_strToolBar);
    EXPECT_EQ(0xE801u, dlg.m_nNewID);
}

TEST_F(NewToolbarDlg, RefusesEmptyAndTakenNamesAndStaysOpen)
{
    AddBar(pBars, {L"Standard", 0xE800});
    CString strEmpty, strTaken;
    CDialogScript script({TypeAndPress(XTP_IDC_TOOLBAR_NAME, L"", IDOK), Shot(L"customize_box_9331.png", ReadMessage(&strEmpty, IDOK)),
                          TypeAndPress(XTP_IDC_TOOLBAR_NAME, L"Standard", IDOK), Shot(L"customize_box_9333.png", ReadMessage(&strTaken, IDOK)),
                          TypeAndPress(XTP_IDC_TOOLBAR_NAME, L"STANDARD", IDOK)});
    CXTPNewToolbarDlg dlg(&site, pBars);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(CString(L"Der Symbolleistenname darf nicht leer sein. Bitte geben Sie einen Namen ein."), strEmpty);
    EXPECT_EQ(CString(L"Eine Symbolleiste mit dem Namen 'Standard' besteht bereits.  Bitte geben Sie einen anderen "
                      L"Namen ein."),
              strTaken);
    // Only letter case differs: a different name.
    EXPECT_EQ(CString(L"STANDARD"), dlg.m_strToolBar);
}

TEST_F(NewToolbarDlg, RenameShowsTheTitleAndAcceptsItsOwnName)
{
    AddBar(pBars, {L"Standard", 0xE800});
    CXTPToolBar* pBar = AddBar(pBars, {L"Meine Leiste", 0xE801, FALSE});
    CString strShown, strCaption;
    CDialogScript script(
        {Shot(L"customize_newtoolbar_rename.png", ReadEdit(XTP_IDC_TOOLBAR_NAME, &strShown, &strCaption, IDOK))});
    CXTPNewToolbarDlg dlg(&site, pBars, pBar);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString(L"Meine Leiste"), strShown);
    EXPECT_EQ(CString(L"Symbolleiste umbenennen"), strCaption);
}

TEST_F(NewToolbarDlg, EndsCancelledWhenEveryIdIsTaken)
{
    for (UINT nID = XTP_CUSTOM_BAR_FIRST; nID <= XTP_CUSTOM_BAR_LAST; nID++)
        AddBar(pBars, {L"x", nID});
    CString strLimit;
    CDialogScript script({Press(IDOK), ReadMessage(&strLimit, IDOK)});
    CXTPNewToolbarDlg dlg(&site, pBars);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString(L"Leider haben sie das Limit errreicht."), strLimit);
}

} // namespace
