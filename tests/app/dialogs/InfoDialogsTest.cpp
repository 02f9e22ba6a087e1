// The start-up information, the ticket explanations and the About box,
// driven while they run modally.
#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "app/dialogs/AboutBoxDlg.h"
#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/InfoDlg.h"
#include "app/dialogs/InfoTicketDlg.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

using namespace dlgtest;

namespace {

const UINT IDR_TEST_RTF_SHORT = 30150;
const UINT IDR_TEST_RTF_MISSING = 30151;

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

// Brings the dialog to the front so that real keys reach it.
void Activate(HWND hDlg)
{
    ::SetForegroundWindow(hDlg);
    testpump::PumpUntil([hDlg] { return ::GetForegroundWindow() == hDlg; });
}

using InfoDialog = SettingsTest;

TEST_F(InfoDialog, TheBoxWithOkTurnsTheInformationOffAndEscapeKeepsIt)
{
    struct Case
    {
        bool check;
        bool escape;
        int showInfo;
    };
    const Case cases[] = {{true, false, 0}, {false, false, 1}, {true, true, 1}, {false, true, 1}};
    for (const Case& c : cases)
    {
        CSettingsStore::GetInstance().ShowInfo = 1;
        CString strText, strCaption;
        CModalScript script({[&](HWND hDlg) {
            strText = ItemText(hDlg, IDC_INFO_TEXT);
            WCHAR szCaption[64] = L"";
            ::GetWindowTextW(hDlg, szCaption, 64);
            strCaption = szCaption;
            if (c.check)
                ClickCheck(hDlg, IDC_DONT_SHOW_AGAIN);
            Activate(hDlg);
            if (c.escape)
                testinput::SendKey(VK_ESCAPE);
            else
                testinput::SendKey(VK_RETURN);
        }});
        CInfoDlg dlg;
        EXPECT_EQ(c.escape ? IDCANCEL : IDOK, dlg.DoModal());
        EXPECT_EQ(c.showInfo, CSettingsStore::GetInstance().ShowInfo) << c.check << c.escape;
        EXPECT_EQ(LoadText(IDS_STARTUP_INFO), strText);
        EXPECT_EQ(CString(L"Tavrolin"), strCaption);
        EXPECT_FALSE(SettingsSaved()) << "written with the next save of the settings";
    }
}

TEST_F(InfoDialog, ShowsTheSalesPhaseTextThatFits)
{
    std::vector<CString> tooLong;
    testshot::Image image;
    RECT rcText = {};
    CModalScript script({Then(
        [&](HWND hDlg) {
            testpump::PumpUntilIdle();
            tooLong = TextsThatDoNotFit(hDlg);
            rcText = ItemRect(hDlg, IDC_INFO_TEXT);
            image = testshot::CaptureWindow(hDlg);
            testshot::Save(image, L"app_startup_info.png");
        },
        Press(IDCANCEL))});
    CInfoDlg dlg;
    dlg.DoModal();
    EXPECT_TRUE(tooLong.empty());
    EXPECT_TRUE(LoadText(IDS_STARTUP_INFO).Find(L"Die fünfte Verkaufsphase") > 0);
    // Text in the upper part of the text's rectangle, and its last line
    // above the rectangle's bottom.
    RECT rcTop = {rcText.left, rcText.top, rcText.right, rcText.top + 20};
    RECT rcBottom = {rcText.left, rcText.bottom - 4, rcText.right, rcText.bottom};
    EXPECT_GT(apptest::CountPixels(image, rcTop, apptest::IsDark), 20);
    EXPECT_EQ(0, apptest::CountPixels(image, rcBottom, apptest::IsDark)) << "the text ends inside";
}

// ---- ticket explanations

struct TicketLayout
{
    CRect text;
    RECT ok = {}, faq = {};
    RECT client = {};
    bool richVisible = false;
    bool richBordered = true;
    LONG textLength = 0;
    CString firstWords;
};

TicketLayout ReadLayout(HWND hDlg, const CInfoTicketDlg& dlg)
{
    TicketLayout layout;
    layout.text = dlg.GetTextRect();
    layout.ok = ItemRect(hDlg, IDOK);
    layout.faq = ItemRect(hDlg, IDC_FAQ);
    ::GetClientRect(hDlg, &layout.client);
    HWND hRich = ::GetDlgItem(hDlg, IDC_RTF_TEXT);
    layout.richVisible = ::IsWindowVisible(hRich) != FALSE;
    layout.richBordered = (::GetWindowLongW(hRich, GWL_STYLE) & WS_BORDER) != 0 ||
                          (::GetWindowLongW(hRich, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    GETTEXTLENGTHEX length = {GTL_DEFAULT, 1200};
    layout.textLength = LONG(::SendMessageW(hRich, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    layout.firstWords = ItemText(hDlg, IDC_RTF_TEXT).Left(24);
    return layout;
}

using TicketInfo = SettingsTest;

TEST_F(TicketInfo, FitsTheTextNoWiderThanHalfTheScreenAndLaysTheButtonsOutBelow)
{
    const int nHalfScreen = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    struct Case
    {
        UINT id;
        LPCWSTR firstWords;
        int minWidth, maxWidth;
        LPCWSTR shot;
    };
    const Case cases[] = {
        {IDR_RTF_SINGLE_TICKET, L"Was sind Einzel-Tickets?", nHalfScreen / 2, nHalfScreen + 2, L"app_ticket_info_150.png"},
        {IDR_RTF_TST_TICKET, L"Was sind TST-Tickets?", nHalfScreen / 2, nHalfScreen + 2, L"app_ticket_info_151.png"},
        {IDR_TEST_RTF_SHORT, L"Kurz.", 10, 80, nullptr},
        {IDR_TEST_RTF_MISSING, L"", 0, 40, nullptr},
    };
    for (const Case& c : cases)
    {
        CInfoTicketDlg dlg(c.id);
        TicketLayout layout;
        testshot::Image image;
        CModalScript script({Then(
            [&](HWND hDlg) {
                testpump::PumpUntilIdle();
                layout = ReadLayout(hDlg, dlg);
                image = testshot::CaptureWindow(hDlg);
                if (c.shot != nullptr)
                    testshot::Save(image, c.shot);
            },
            Press(IDOK))});
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(script.TimedOut());
        const CString strFirst = layout.firstWords.Left(int(wcslen(c.firstWords)));
        EXPECT_EQ(CString(c.firstWords), strFirst) << c.id;
        EXPECT_GE(layout.text.Width(), c.minWidth) << c.id;
        EXPECT_LE(layout.text.Width(), c.maxWidth) << c.id;
        // The text 8 pixels in from the left, the buttons below it, the
        // client 8 pixels wider than the text on the right.
        EXPECT_EQ(8, layout.text.left) << c.id;
        EXPECT_EQ(4, layout.text.top) << c.id;
        EXPECT_GE(layout.ok.top, layout.text.bottom) << c.id;
        EXPECT_EQ(layout.ok.top, layout.faq.top) << c.id;
        EXPECT_EQ(layout.text.right + 8, layout.client.right) << c.id;
        // Where the rich edit formats nothing onto a context, it shows
        // itself, borderless, in the text's place; an empty text needs neither.
        EXPECT_EQ(layout.textLength > 0, layout.richVisible) << c.id;
        if (layout.richVisible)
        {
            EXPECT_FALSE(layout.richBordered);
            const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            EXPECT_GT(apptest::CountPixels(image, layout.text, apptest::IsDark), 30) << c.id;
            EXPECT_EQ(face, image.Pixel(layout.text.right - 2, layout.text.bottom - 2)) << c.id;
        }
    }
}

// A rich edit whose formatting onto a context works: the answer of the
// formatting message is faked, and a display call fills its target
// rectangle (converted back to pixels) with a colour of its own.
const COLORREF FORMATTED = RGB(255, 0, 255);
struct FormatCall
{
    BOOL bDisplay;
    bool bFree;
    FORMATRANGE range;
};
std::vector<FormatCall> g_formatCalls;
testpatch::CImportPatch* g_pSendPatch = nullptr;

LRESULT WINAPI FormattingSendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != EM_FORMATRANGE)
        return reinterpret_cast<decltype(&::SendMessageW)>(g_pSendPatch->GetOriginal())(hWnd, message, wParam, lParam);
    const FORMATRANGE* pRange = reinterpret_cast<const FORMATRANGE*>(lParam);
    g_formatCalls.push_back({BOOL(wParam), pRange == nullptr, pRange != nullptr ? *pRange : FORMATRANGE{}});
    if (pRange == nullptr)
        return 0;
    if (wParam)
    {
        const int nDpiX = ::GetDeviceCaps(pRange->hdc, LOGPIXELSX), nDpiY = ::GetDeviceCaps(pRange->hdc, LOGPIXELSY);
        RECT rc = {::MulDiv(pRange->rc.left, nDpiX, 1440), ::MulDiv(pRange->rc.top, nDpiY, 1440),
                   ::MulDiv(pRange->rc.right, nDpiX, 1440), ::MulDiv(pRange->rc.bottom, nDpiY, 1440)};
        HBRUSH hBrush = ::CreateSolidBrush(FORMATTED);
        ::FillRect(pRange->hdc, &rc, hBrush);
        ::DeleteObject(hBrush);
    }
    return LRESULT(::GetWindowTextLengthW(hWnd));
}

TEST_F(TicketInfo, DrawsTheTextItselfWhereTheRichEditFormatsOntoAContext)
{
    g_formatCalls.clear();
    testpatch::CImportPatch patch("user32.dll", "SendMessageW", reinterpret_cast<void*>(&FormattingSendMessage));
    ASSERT_TRUE(patch.IsActive());
    g_pSendPatch = &patch;
    CInfoTicketDlg dlg(IDR_RTF_SINGLE_TICKET);
    TicketLayout layout;
    testshot::Image image;
    CModalScript script({Then(
        [&](HWND hDlg) {
            ::InvalidateRect(hDlg, nullptr, TRUE);
            testpump::PumpUntilIdle();
            layout = ReadLayout(hDlg, dlg);
            image = testshot::CaptureWindow(hDlg);
            testshot::Save(image, L"app_ticket_info_formatted.png");
        },
        Press(IDOK))});
    dlg.DoModal();
    g_pSendPatch = nullptr;
    EXPECT_FALSE(layout.richVisible);
    EXPECT_FALSE(dlg.ShowsRichEdit());
    const CRect& rc = layout.text;
    EXPECT_EQ(FORMATTED, image.Pixel(rc.left + 1, rc.top + 1));
    EXPECT_EQ(FORMATTED, image.Pixel(rc.right - 2, rc.bottom - 2));
    EXPECT_NE(FORMATTED, image.Pixel(rc.left, rc.top)) << "one pixel inside the text's rectangle";
    EXPECT_NE(FORMATTED, image.Pixel(rc.right - 1, rc.bottom - 1));

    // Every formatting is followed by the call that frees the cached data.
    bool bDisplayed = false;
    for (size_t i = 0; i < g_formatCalls.size(); i++)
    {
        const FormatCall& call = g_formatCalls[i];
        if (call.bFree)
            continue;
        bDisplayed |= call.bDisplay != FALSE;
        EXPECT_EQ(call.range.hdc, call.range.hdcTarget);
        EXPECT_EQ(0, call.range.chrg.cpMin);
        EXPECT_EQ(-1, call.range.chrg.cpMax);
        EXPECT_TRUE(::EqualRect(&call.range.rc, &call.range.rcPage));
        ASSERT_LT(i + 1, g_formatCalls.size());
        EXPECT_TRUE(g_formatCalls[i + 1].bFree);
    }
    EXPECT_TRUE(bDisplayed);
}

// A rich edit that answers every width with a sliver several screens high.
int g_nResizeRequests = 0;

LRESULT WINAPI SliverSendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto original = reinterpret_cast<decltype(&::SendMessageW)>(g_pSendPatch->GetOriginal());
    if (message != EM_REQUESTRESIZE)
        return original(hWnd, message, wParam, lParam);
    g_nResizeRequests++;
    REQRESIZE request = {};
    request.nmhdr.hwndFrom = hWnd;
    request.nmhdr.idFrom = UINT_PTR(::GetDlgCtrlID(hWnd));
    request.nmhdr.code = EN_REQUESTRESIZE;
    request.rc = {0, 0, 12, 2520};
    original(::GetParent(hWnd), WM_NOTIFY, request.nmhdr.idFrom, reinterpret_cast<LPARAM>(&request));
    return 0;
}

TEST_F(TicketInfo, AnswersThatIgnoreTheWidthEndTheFittingWithTheTemplatesLayout)
{
    g_nResizeRequests = 0;
    testpatch::CImportPatch patch("user32.dll", "SendMessageW", reinterpret_cast<void*>(&SliverSendMessage));
    ASSERT_TRUE(patch.IsActive());
    g_pSendPatch = &patch;
    CInfoTicketDlg dlg(IDR_RTF_SINGLE_TICKET);
    TicketLayout layout;
    RECT rcTemplate = {0, 0, 200, 96}, rcWindow = {};
    CModalScript script({Then(
        [&](HWND hDlg) {
            testpump::PumpUntilIdle();
            layout = ReadLayout(hDlg, dlg);
            ::MapDialogRect(hDlg, &rcTemplate);
            ::GetWindowRect(hDlg, &rcWindow);
        },
        Press(IDOK))});
    EXPECT_EQ(IDOK, dlg.DoModal());
    g_pSendPatch = nullptr;
    EXPECT_FALSE(script.TimedOut());
    EXPECT_LE(g_nResizeRequests, 14) << "halving the screen's width";
    EXPECT_EQ(rcTemplate.right - 16, layout.text.Width());
    EXPECT_EQ(rcTemplate.bottom - 4, layout.text.Height());
    EXPECT_LE(rcWindow.bottom - rcWindow.top, ::GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_TRUE(layout.richVisible) << "the text is still shown";
}

TEST_F(TicketInfo, TheFaqButtonOpensTheQuestionsPageOnTheTicketSite)
{
    CCallRecorder recorder;
    ASSERT_TRUE(recorder.IsActive());
    size_t nOpensWhileOpen = 0;
    CModalScript script({Then(
        [&](HWND hDlg) {
            ::SendMessageW(::GetDlgItem(hDlg, IDC_FAQ), BM_CLICK, 0, 0);
            nOpensWhileOpen = recorder.shellOpens.size();
        },
        Press(IDOK))});
    CInfoTicketDlg dlg(IDR_RTF_TST_TICKET);
    EXPECT_EQ(IDOK, dlg.DoModal()) << "the page opens beside the dialog";
    EXPECT_EQ(1u, nOpensWhileOpen);
    ASSERT_EQ(1u, recorder.shellOpens.size());
    EXPECT_EQ(CString(L"open"), recorder.shellOpens[0].verb);
    EXPECT_EQ(CString(L"http://karten.weltturnier2006.test/06/de/tickets/faq.html"), recorder.shellOpens[0].text);
    EXPECT_EQ(UINT(SW_SHOW), recorder.shellOpens[0].flags);
}

// ---- About box

// pics\about.jpg beside the program while it lives.
class CAboutPicture
{
public:
    CAboutPicture()
    {
        const CString folder = CSettingsStore::GetProgramFolder() + L"pics";
        ::CreateDirectoryW(folder, nullptr);
        m_path = folder + L"\\about.jpg";
        m_bCopied = ::CopyFileW(apptest::AssetPath(L"pics/about.jpg"), m_path, FALSE) != FALSE;
    }
    ~CAboutPicture()
    {
        ::DeleteFileW(m_path);
        ::RemoveDirectoryW(CSettingsStore::GetProgramFolder() + L"pics");
    }
    bool IsCopied() const { return m_bCopied; }

private:
    CString m_path;
    bool m_bCopied = false;
};

struct AboutSight
{
    RECT client = {};
    RECT templateSize = {0, 0, 243, 195};
    testshot::Image image;
};

// Runs the About box, looks at it and clicks into it with the real mouse.
INT_PTR RunAboutBox(CAboutBoxDlg& dlg, AboutSight& sight, LPCWSTR shot)
{
    CModalScript script({[&](HWND hDlg) {
        Activate(hDlg);
        testpump::PumpUntilIdle();
        ::GetClientRect(hDlg, &sight.client);
        ::MapDialogRect(hDlg, &sight.templateSize);
        sight.image = testshot::CaptureWindow(hDlg);
        testshot::Save(sight.image, shot);
        testinput::ClickAt(testinput::ClientToScreenPoint(hDlg, sight.client.right - 3, sight.client.bottom - 3));
    }});
    const INT_PTR nResult = dlg.DoModal();
    EXPECT_FALSE(script.TimedOut());
    return nResult;
}

TEST(AboutBox, ShowsThePictureAtItsSizeAndClosesOnAClick)
{
    CAboutPicture picture;
    ASSERT_TRUE(picture.IsCopied());
    CAboutBoxDlg dlg;
    AboutSight sight;
    EXPECT_EQ(IDOK, RunAboutBox(dlg, sight, L"app_about.png"));
    EXPECT_EQ(400, sight.client.right);
    EXPECT_EQ(300, sight.client.bottom);
    // The picture's dark blue top-left corner, drawn from the first pixel.
    EXPECT_TRUE(apptest::IsBlueish(sight.image.Pixel(0, 0)) || apptest::IsDark(sight.image.Pixel(0, 0)));
    EXPECT_NE(::GetSysColor(COLOR_BTNFACE), sight.image.Pixel(0, 0));
}

TEST(AboutBox, WithoutThePictureKeepsTheTemplatesSizeAndStillCloses)
{
    CAboutBoxDlg dlg;
    AboutSight sight;
    EXPECT_EQ(IDOK, RunAboutBox(dlg, sight, L"app_about_empty.png"));
    EXPECT_FALSE(dlg.GetPicture().IsLoaded());
    EXPECT_EQ(sight.templateSize.right, sight.client.right);
    EXPECT_EQ(sight.templateSize.bottom, sight.client.bottom);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), sight.image.Pixel(10, 10)) << "nothing drawn";
}

} // namespace
