// Menu texts placed without DrawText: the same pixels as DrawText gives, for
// short and long texts, both alignments, mnemonics and any row height; and
// menu items of the classic and the Office look drawn that way.
#include <gtest/gtest.h>
#include <initializer_list>
#include "commandbars/CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/commandbars/themes/XTPOfficeTheme.h"
#include "toolkit/commandbars/themes/XTPSingleLineText.h"
#include "toolkit/common/dc/XTPFontDC.h"

using XTPPaintThemes::CXTPDefaultTheme;
using XTPPaintThemes::CXTPOfficeTheme;

namespace {

const int kWidth = 220, kHeight = 40;
const COLORREF kBackground = RGB(255, 0, 255);

class CTextCanvas
{
public:
    CTextCanvas(CFont& font) : m_canvas(kWidth, kHeight, kBackground), m_font(m_canvas.DC(), &font)
    {
        m_canvas.DC()->SetBkMode(TRANSPARENT);
        m_canvas.DC()->SetTextColor(RGB(0, 0, 128));
    }
    CDC* DC() { return m_canvas.DC(); }
    testshot::Image Shot() { return testshot::CaptureDC(m_canvas.DC()->GetSafeHdc(), CRect(0, 0, kWidth, kHeight)); }

private:
    CTestCanvas m_canvas;
    CXTPFontDC m_font;
};

CFont* MakeFont(CFont& font, LONG nHeight, LONG nWeight)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    font.CreateFontIndirect(&lf);
    return &font;
}

int InkPixels(const testshot::Image& image)
{
    int n = 0;
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++)
            n += image.Pixel(x, y) != kBackground;
    return n;
}

} // namespace

TEST(SingleLineText, SamePixelsAsDrawTextForEveryRowHeightAndAlignment)
{
    struct Case
    {
        LPCWSTR text;
        UINT format;
        int right;
    } cases[] = {
        {L"Strg+N", DT_RIGHT, 150},
        {L"Eintrag 12", DT_END_ELLIPSIS, 150},
        {L"Eintrag 12", 0, 150},
        {L"Wg|", DT_RIGHT | DT_NOPREFIX, 150},
        {L"S&peichern", DT_NOPREFIX | DT_END_ELLIPSIS, 150},
        {L"S&peichern", DT_END_ELLIPSIS, 150},  // underlined mnemonic
        {L"Ein sehr langer Menüeintrag", DT_END_ELLIPSIS, 80},  // shortened with dots
        {L"Ein sehr langer Menüeintrag", DT_RIGHT, 80},  // clipped
    };
    CFont small, large;
    CFont* fonts[] = {MakeFont(small, -11, FW_NORMAL), MakeFont(large, -15, FW_BOLD)};
    int nCompared = 0;
    for (CFont* pFont : fonts) {
        for (const Case& c : cases) {
            for (int nRow = 8; nRow <= 25; nRow++) {
                for (int nMeasured = 0; nMeasured <= 1; nMeasured++) {
                    UINT nFormat = DT_SINGLELINE | DT_VCENTER | c.format;
                    CRect rc(20, 6, c.right, 6 + nRow);
                    CTextCanvas expected(*pFont), actual(*pFont);
                    CRect rcExpected = rc;
                    expected.DC()->DrawText(c.text, -1, &rcExpected, nFormat);
                    CSize szText(-1, -1);
                    if (nMeasured)
                        szText = actual.DC()->GetTextExtent(CString(c.text));
                    CXTPSingleLineText::Draw(actual.DC(), CString(c.text), rc, nFormat, szText);
                    testshot::Image imgExpected = expected.Shot(), imgActual = actual.Shot();
                    ASSERT_GT(InkPixels(imgExpected), 10) << "the case draws something";
                    EXPECT_TRUE(imgExpected.bgra == imgActual.bgra)
                        << "case " << (&c - cases) << " format " << std::hex << nFormat << std::dec
                        << " row height " << nRow << " measured " << nMeasured;
                    nCompared++;
                }
            }
        }
    }
    EXPECT_EQ(2 * 8 * 18 * 2, nCompared);
}

// Menu items of both looks drawn with their texts placed directly and, on a
// DC whose right-to-left reading flag (no matter for these texts) leaves
// every text to DrawText, the same items once more: the same picture. (The
// captions fit: that flag would move DrawText's dots to the front.)
TEST(SingleLineText, MenuItemsOfBothLooksLookAsWithDrawText)
{
    CXTPDefaultTheme classic;
    CXTPOfficeTheme office;
    CXTPPaintManager* themes[] = {&classic, &office};
    LPCWSTR names[] = {L"classic", L"office"};
    const int kRows = 3, kRow = 22, kItemWidth = 320;
    for (int t = 0; t < 2; t++) {
        CXTPPaintManager& theme = *themes[t];
        theme.RefreshMetrics();
        CXTPPopupBar popup;
        CXTPControl* pItems[kRows];
        LPCWSTR captions[kRows] = {L"Speichern &unter\tStrg+Umschalt+S", L"Drucken\tStrg+P", L"Beenden\tAlt+F4"};
        for (int i = 0; i < kRows; i++) {
            pItems[i] = popup.GetControls()->Add(new CXTPControlButton(), 100 + i);
            pItems[i]->SetCaption(captions[i]);
            pItems[i]->SetRect(CRect(0, kRow * i, kItemWidth, kRow * i + kRow));
        }
        pItems[1]->SetEnabled(FALSE);
        pItems[2]->SetSelected(TRUE);

        testshot::Image shots[2];
        for (int nViaDrawText = 0; nViaDrawText <= 1; nViaDrawText++) {
            CTestCanvas canvas(kItemWidth, kRows * kRow, kBackground);
            if (nViaDrawText)
                canvas.DC()->SetTextAlign(TA_RTLREADING);
            CXTPFontDC font(canvas.DC(), theme.GetRegularFont());
            for (CXTPControl* pItem : pItems)
                theme.DrawControl(canvas.DC(), pItem, TRUE);
            shots[nViaDrawText] =
                testshot::CaptureDC(canvas.DC()->GetSafeHdc(), CRect(0, 0, kItemWidth, kRows * kRow));
        }
        testshot::Save(shots[0], std::wstring(L"menu-item-texts-") + names[t] + L".png");
        EXPECT_GT(InkPixels(shots[0]), 300) << names[t];
        EXPECT_TRUE(shots[0].bgra == shots[1].bgra) << names[t];
        // Text colours by pixel: the disabled item's embossed shadow in the
        // classic look, the selected item's highlight text in both.
        auto countColour = [&](int nRowIndex, COLORREF clr) {
            int n = 0;
            for (int y = nRowIndex * kRow; y < (nRowIndex + 1) * kRow; y++)
                for (int x = 0; x < kItemWidth; x++)
                    n += shots[0].Pixel(x, y) == clr;
            return n;
        };
        if (t == 0) {
            EXPECT_GT(countColour(1, theme.GetColor(COLOR_3DHIGHLIGHT)), 10) << "the shadow of the disabled text";
            EXPECT_GT(countColour(2, theme.GetColor(COLOR_HIGHLIGHTTEXT)), 10) << "the selected item's text";
        }
    }
}
