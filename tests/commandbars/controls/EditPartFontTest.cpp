// The edit windows of edit and combo boxes take the bars' font whenever it
// changes, also when their rectangles stay as they are: after a layout,
// a repaint, a new paint manager or a settings change; with the rich edit
// window and with the plain-edit fallback.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include <richedit.h>
#include "framework/gdi/CClientDC.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

using testpump::PumpUntilIdle;

namespace {

// Two faces of one height whose texts differ much in width.
const LPCWSTR kNarrowFace = L"Liberation Serif";
const LPCWSTR kWideFace = L"Liberation Mono";
const LONG kHeight = -13;
const LPCWSTR kText = L"iiiillll";

LOGFONTW FontOf(LPCWSTR lpszFace)
{
    LOGFONTW lf = {};
    lf.lfHeight = kHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, lpszFace, LF_FACESIZE);
    return lf;
}

LOGFONTW WindowFont(HWND hWnd)
{
    LOGFONTW lf = {};
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
    if (!hFont || !::GetObjectW(hFont, sizeof(lf), &lf))
        lf.lfFaceName[0] = 0;
    return lf;
}

// The menu font of the system's metrics, given back when the test ends.
class CSystemMenuFont
{
public:
    CSystemMenuFont()
    {
        m_saved.cbSize = sizeof(m_saved);
        m_bSaved = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
    }
    ~CSystemMenuFont()
    {
        if (m_bSaved)
            ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
    }
    CSystemMenuFont(const CSystemMenuFont&) = delete;
    CSystemMenuFont& operator=(const CSystemMenuFont&) = delete;
    const LOGFONTW& Saved() const { return m_saved.lfMenuFont; }
    BOOL Set(const LOGFONTW& lf)
    {
        NONCLIENTMETRICSW ncm = m_saved;
        ncm.lfMenuFont = lf;
        return m_bSaved && ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    }

private:
    NONCLIENTMETRICSW m_saved = {};
    BOOL m_bSaved = FALSE;
};

class EditPartFont : public testing::TestWithParam<BOOL>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(XTPFontExists(kNarrowFace) && XTPFontExists(kWideFace)) << "the test's faces are missing";
        XTPResetRichEditLoader(GetParam() ? nullptr : NoRichEditLibrary);
        ASSERT_TRUE(CreateStage(CRect(100, 100, 600, 200), 500));
        UseNewPaintManager(kNarrowFace);
        m_pEdit = dynamic_cast<CXTPControlEdit*>(m_bar.GetControls()->Add(xtpControlEdit, 830));
        m_pCombo = new CXTPControlComboBox();
        m_bar.GetControls()->Add(m_pCombo, 831);
        m_pCombo->SetDropDown(TRUE);
        m_pEdit->SetWidth(150);
        m_pCombo->SetWidth(150);
        Place();
        ASSERT_TRUE(::IsWindow(EditWindow()) && ::IsWindow(ComboEditWindow()));
        m_pEdit->SetEditText(kText);
        m_pCombo->SetEditText(kText);
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
        LOGFONTW lf = FontOf(lpszFace);
        m_commandBars.GetPaintManager()->SetCommandBarsFontIndirect(&lf, FALSE);
    }
    // The controls one after another at the sizes the look measures, as a layout does.
    void Place()
    {
        CClientDC dc(&m_bar);
        int x = 4;
        for (int i = 0; i < m_bar.GetControlCount(); i++) {
            CXTPControl* pControl = m_bar.GetControl(i);
            CSize size = pControl->GetSize(&dc);
            pControl->SetRect(CRect(x, 3, x + size.cx, 3 + size.cy));
            x += size.cx + 6;
        }
    }
    HWND EditWindow() const { return m_pEdit->GetEditCtrl()->GetSafeHwnd(); }
    HWND ComboEditWindow() const { return m_pCombo->GetEditCtrl()->GetSafeHwnd(); }
    LOGFONTW BarsFont()
    {
        LOGFONTW lf = {};
        ::GetObjectW(m_commandBars.GetPaintManager()->GetRegularFont()->GetSafeHandle(), sizeof(lf), &lf);
        return lf;
    }
    // Both edit windows have the bars' font, which has the face.
    void ExpectBarsFont(LPCWSTR lpszFace, const char* pszAfter)
    {
        LOGFONTW lfBars = BarsFont();
        EXPECT_STREQ(lpszFace, lfBars.lfFaceName) << pszAfter;
        for (HWND hWnd : {EditWindow(), ComboEditWindow()}) {
            const char* pszBox = hWnd == EditWindow() ? ": edit box" : ": combo box";
            LOGFONTW lf = WindowFont(hWnd);
            EXPECT_STREQ(lfBars.lfFaceName, lf.lfFaceName) << pszAfter << pszBox;
            EXPECT_EQ(lfBars.lfHeight, lf.lfHeight) << pszAfter << pszBox;
            EXPECT_EQ(lfBars.lfWeight, lf.lfWeight) << pszAfter << pszBox;
            if (!GetParam())
                continue;
            // What the rich edit window draws with.
            CHARFORMAT2W cf = {};
            cf.cbSize = sizeof(cf);
            ::SendMessageW(hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
            EXPECT_STREQ(lfBars.lfFaceName, cf.szFaceName) << pszAfter << pszBox;
            EXPECT_EQ(lfBars.lfWeight >= FW_BOLD, (cf.dwEffects & CFE_BOLD) != 0) << pszAfter << pszBox;
        }
    }
    // The right end of the dark text in the edit window, saved as a picture.
    int TextRightEnd(HWND hWnd, LPCWSTR lpszShot)
    {
        ::RedrawWindow(m_site.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpUntilIdle();
        testshot::Image image = testshot::CaptureWindow(hWnd);
        EXPECT_FALSE(testshot::Save(image, lpszShot).empty());
        int nRight = -1;
        for (int y = 0; y < image.height; y++)
            for (int x = 0; x < image.width; x++) {
                COLORREF clr = image.Pixel(x, y);
                if (GetRValue(clr) < 100 && GetGValue(clr) < 100 && GetBValue(clr) < 100 && x > nRight)
                    nRight = x;
            }
        return nRight;
    }

    CXTPControlEdit* m_pEdit = nullptr;
    CXTPControlComboBox* m_pCombo = nullptr;
};

} // namespace

TEST_P(EditPartFont, AnotherFaceOfTheSameHeightReachesTheWindowsAtTheNextLayout)
{
    ExpectBarsFont(kNarrowFace, "placed");
    int nNarrowEnd = TextRightEnd(EditWindow(), GetParam() ? L"commandbars_edit_font_narrow_rich.png"
                                                             : L"commandbars_edit_font_narrow_plain.png");
    CRect rcEdit = m_pEdit->GetRect(), rcCombo = m_pCombo->GetRect();

    SetBarFont(kWideFace);
    Place();
    EXPECT_EQ(rcEdit, m_pEdit->GetRect()) << "the height stayed, and so did the rectangles";
    EXPECT_EQ(rcCombo, m_pCombo->GetRect());
    ExpectBarsFont(kWideFace, "a layout");
    int nWideEnd = TextRightEnd(EditWindow(), GetParam() ? L"commandbars_edit_font_wide_rich.png"
                                                           : L"commandbars_edit_font_wide_plain.png");
    EXPECT_GT(nNarrowEnd, 10) << "the text shows";
    EXPECT_GT(nWideEnd, nNarrowEnd + 15) << "the text is drawn in the wide face";
}

TEST_P(EditPartFont, ANewPaintManagerReachesTheWindowsWhenTheyPaint)
{
    // The old paint manager goes, and its fonts with it.
    UseNewPaintManager(kWideFace);
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ExpectBarsFont(kWideFace, "a repaint");

    SetBarFont(kNarrowFace);
    m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ExpectBarsFont(kNarrowFace, "a repaint after a font change");
}

TEST_P(EditPartFont, ASystemFontChangeReachesTheWindowsWithTheSettingChange)
{
    CSystemMenuFont menuFont;
    // The bars follow the system's menu font again.
    m_commandBars.GetPaintManager()->SetCommandBarsFontIndirect(nullptr, TRUE);
    m_commandBars.GetPaintManager()->UpdateFonts();
    Place();
    LOGFONTW lfBefore = BarsFont();
    LOGFONTW lfMenu = menuFont.Saved();
    lfMenu.lfWeight = FW_BOLD;
    ASSERT_TRUE(menuFont.Set(lfMenu));
    // As a frame hears it: its bars' metrics first, then every window within.
    m_commandBars.OnFrameMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, nullptr);
    m_site.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    ASSERT_EQ(FW_BOLD, BarsFont().lfWeight);
    EXPECT_EQ(lfBefore.lfHeight, BarsFont().lfHeight);
    ExpectBarsFont(lfBefore.lfFaceName, "a setting change");
}

INSTANTIATE_TEST_SUITE_P(EditWindows, EditPartFont, testing::Values(TRUE, FALSE),
                         [](const testing::TestParamInfo<BOOL>& info) {
                             return info.param ? "RichEdit" : "PlainEdit";
                         });
