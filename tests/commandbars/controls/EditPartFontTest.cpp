// The edit windows of edit and combo boxes take the bars' font whenever it
// changes while their rectangles stay as they are; with the rich edit
// window and with the plain-edit fallback.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include <richedit.h>
#include <string>
#include <vector>
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

using testpump::PumpUntilIdle;

namespace {

// Two faces whose texts differ much in width at one height.
const LPCWSTR kNarrowFace = L"Liberation Serif";
const LPCWSTR kWideFace = L"Liberation Mono";

LOGFONTW FontOf(HFONT hFont)
{
    LOGFONTW lf = {};
    if (!hFont || !::GetObjectW(hFont, sizeof(lf), &lf))
        lf.lfFaceName[0] = 0;
    return lf;
}

class EditPartFont : public testing::TestWithParam<BOOL>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(XTPFontExists(kNarrowFace) && XTPFontExists(kWideFace)) << "the test's faces are missing";
        XTPResetRichEditLoader(GetParam() ? nullptr : NoRichEditLibrary);
        ASSERT_TRUE(CreateStage(CRect(100, 100, 600, 200), 500));
        UseNewPaintManager(kNarrowFace);
        m_bar.GetControls()->Add(xtpControlEdit, 830);
        CXTPControlComboBox* pCombo = new CXTPControlComboBox();
        m_bar.GetControls()->Add(pCombo, 831);
        pCombo->SetDropDown(TRUE);
        PlaceInRow(4);
        CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(m_bar.GetControl(0));
        ASSERT_TRUE(pEdit->GetEditCtrl() && pCombo->GetEditCtrl());
        m_windows = {pEdit->GetEditCtrl()->GetSafeHwnd(), pCombo->GetEditCtrl()->GetSafeHwnd()};
        pEdit->SetEditText(L"iiiillll");
    }
    void TearDown() override
    {
        DestroyStage();
        m_commandBars.SetPaintManager(nullptr);
        XTPResetRichEditLoader(nullptr);
    }
    // A paint manager of the bars' own, its font of the given face.
    void UseNewPaintManager(LPCWSTR lpszFace)
    {
        m_commandBars.SetPaintManager(CXTPPaintManager::CreateTheme(xtpThemeOffice2000));
        SetBarFont(lpszFace);
    }
    void SetBarFont(LPCWSTR lpszFace)
    {
        LOGFONTW lf = {};
        lf.lfHeight = -13;
        lf.lfWeight = FW_NORMAL;
        lstrcpynW(lf.lfFaceName, lpszFace, LF_FACESIZE);
        m_commandBars.GetPaintManager()->SetCommandBarsFontIndirect(&lf, FALSE);
    }
    // Both edit windows have the bars' font, in that face.
    void ExpectBarsFont(LPCWSTR lpszFace, const char* pszAfter)
    {
        LOGFONTW lfBars = FontOf(static_cast<HFONT>(m_commandBars.GetPaintManager()->GetRegularFont()->GetSafeHandle()));
        EXPECT_STREQ(lpszFace, lfBars.lfFaceName) << pszAfter;
        for (HWND hWnd : m_windows) {
            const char* pszBox = hWnd == m_windows[0] ? ": edit box" : ": combo box";
            LOGFONTW lf = FontOf(reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
            EXPECT_STREQ(lpszFace, lf.lfFaceName) << pszAfter << pszBox;
            EXPECT_EQ(lfBars.lfHeight, lf.lfHeight) << pszAfter << pszBox;
            if (GetParam()) {
                // What the rich edit window draws with.
                CHARFORMAT2W cf = {};
                cf.cbSize = sizeof(cf);
                ::SendMessageW(hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
                EXPECT_STREQ(lpszFace, cf.szFaceName) << pszAfter << pszBox;
            }
        }
    }
    // The right end of the dark text in the edit box, its picture saved.
    int TextRightEnd(LPCWSTR lpszFace)
    {
        ::RedrawWindow(m_bar.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpUntilIdle();
        testshot::Image image = testshot::CaptureWindow(m_windows[0]);
        std::wstring strName = std::wstring(L"commandbars_edit_font_") + (lpszFace == kWideFace ? L"wide" : L"narrow") +
                               (GetParam() ? L"_rich.png" : L"_plain.png");
        EXPECT_FALSE(testshot::Save(image, strName).empty());
        int nRight = -1;
        for (int y = 0; y < image.height; y++)
            for (int x = nRight + 1; x < image.width; x++)
                if (GetRValue(image.Pixel(x, y)) < 100 && GetGValue(image.Pixel(x, y)) < 100)
                    nRight = x;
        return nRight;
    }

    std::vector<HWND> m_windows;
};

} // namespace

TEST_P(EditPartFont, EveryChangeOfTheBarsFontReachesTheWindowsAtTheirRectangles)
{
    ExpectBarsFont(kNarrowFace, "placed");
    int nNarrowEnd = TextRightEnd(kNarrowFace);
    CRect rcEdit = m_bar.GetControl(0)->GetRect();

    SetBarFont(kWideFace);
    PlaceInRow(4);
    EXPECT_EQ(rcEdit, m_bar.GetControl(0)->GetRect()) << "the height stayed, and so did the rectangles";
    ExpectBarsFont(kWideFace, "a layout");
    EXPECT_GT(nNarrowEnd, 10) << "the text shows";
    EXPECT_GT(TextRightEnd(kWideFace), nNarrowEnd + 15) << "the text is drawn in the wide face";

    // A new look: the old paint manager goes, and its fonts with it.
    UseNewPaintManager(kNarrowFace);
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ExpectBarsFont(kNarrowFace, "a repaint");

    // As a frame hears new settings: its bars' metrics first, then every window within.
    SetBarFont(kWideFace);
    m_site.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    ExpectBarsFont(kWideFace, "a setting change");
}

INSTANTIATE_TEST_SUITE_P(EditWindows, EditPartFont, testing::Values(TRUE, FALSE),
                         [](const testing::TestParamInfo<BOOL>& info) {
                             return info.param ? "RichEdit" : "PlainEdit";
                         });
