// The start-up information, the ticket explanations and the About box,
// driven while they run modally.
#include <windows.h>

#include <richedit.h>

#include "app/AppTestSupport.h"
#include "app/dialogs/AboutBoxDlg.h"
#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/InfoDlg.h"
#include "app/dialogs/InfoTicketDlg.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/PictureFileBytes.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

using namespace dlgtest;

namespace {

const UINT IDR_TEST_RTF_SHORT = 30150;  // "Kurz."
const UINT IDR_TEST_RTF_MISSING = 30151;

void Activate(HWND hDlg)
{
    ::SetForegroundWindow(hDlg);
    testpump::PumpUntil([hDlg] { return ::GetForegroundWindow() == hDlg; });
}

using InfoDialog = SettingsTest;

TEST_F(InfoDialog, TheBoxWithOkTurnsTheInformationOffEscapeKeepsItAndTheTextFits)
{
    struct Case
    {
        bool check;
        WORD key;
        int showInfo;
    };
    const Case cases[] = {{true, VK_RETURN, 0}, {false, VK_RETURN, 1}, {true, VK_ESCAPE, 1}};
    for (const Case& c : cases)
    {
        CSettingsStore::GetInstance().ShowInfo = 1;
        CString strText;
        std::vector<CString> tooLong;
        testshot::Image image;
        RECT rcText = {};
        CModalScript script({[&](HWND hDlg) {
            strText = ItemText(hDlg, IDC_INFO_TEXT);
            tooLong = TextsThatDoNotFit(hDlg);
            rcText = ItemRect(hDlg, IDC_INFO_TEXT);
            Activate(hDlg);
            testpump::PumpUntilIdle();
            testshot::Save(image = testshot::CaptureWindow(hDlg), L"app_startup_info.png");
            if (c.check)
                ClickCheck(hDlg, IDC_DONT_SHOW_AGAIN);
            testinput::SendKey(c.key);
        }});
        CInfoDlg dlg;
        EXPECT_EQ(c.key == VK_ESCAPE ? IDCANCEL : IDOK, dlg.DoModal());
        EXPECT_EQ(c.showInfo, CSettingsStore::GetInstance().ShowInfo) << c.check << c.key;
        EXPECT_EQ(-1, SavedDword(L"ShowInfo")) << "written with the next save of the settings";
        EXPECT_EQ(0, strText.Find(L"WM-Tickets\r\n\r\nDie fünfte Verkaufsphase\r\n1. Mai 2006 bis 9. Juli 2006"));
        EXPECT_TRUE(tooLong.empty());
        // Text at the top of its rectangle, its last line above the bottom.
        EXPECT_GT(apptest::CountPixels(image, {rcText.left, rcText.top, rcText.right, rcText.top + 20}, apptest::IsDark), 20);
        EXPECT_EQ(0, apptest::CountPixels(image, {rcText.left, rcText.bottom - 4, rcText.right, rcText.bottom}, apptest::IsDark));
    }
}

// ---- ticket explanations

struct TicketSight
{
    CRect text;
    RECT ok = {}, faq = {}, client = {}, window = {}, templateRich = {0, 0, 200, 96};
    bool richVisible = false, richBordered = true;
    CString words;
    std::vector<CString> tooLong;
    testshot::Image image;
};

TicketSight RunTicketInfo(UINT nId, LPCWSTR shot = nullptr, bool bPressFaq = false)
{
    CInfoTicketDlg dlg(nId);
    TicketSight sight;
    CModalScript script({Then(
        [&](HWND hDlg) {
            testpump::PumpUntilIdle();
            sight.text = dlg.GetTextRect();
            sight.ok = ItemRect(hDlg, IDOK);
            sight.faq = ItemRect(hDlg, IDC_FAQ);
            ::GetClientRect(hDlg, &sight.client);
            ::GetWindowRect(hDlg, &sight.window);
            ::MapDialogRect(hDlg, &sight.templateRich);
            HWND hRich = ::GetDlgItem(hDlg, IDC_RTF_TEXT);
            sight.richVisible = ::IsWindowVisible(hRich) != FALSE;
            sight.richBordered = (::GetWindowLongW(hRich, GWL_STYLE) & WS_BORDER) ||
                                 (::GetWindowLongW(hRich, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            sight.words = ItemText(hDlg, IDC_RTF_TEXT);
            sight.tooLong = TextsThatDoNotFit(hDlg);
            sight.image = testshot::CaptureWindow(hDlg);
            if (shot != nullptr)
                testshot::Save(sight.image, shot);
            if (bPressFaq)
                ::SendDlgItemMessageW(hDlg, IDC_FAQ, BM_CLICK, 0, 0);
        },
        IDOK)});
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1u, script.StepsRun());
    return sight;
}

TEST(TicketInfo, FitsTheTextNoWiderThanHalfTheScreenWithTheButtonsBelow)
{
    const int nHalf = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    struct Case
    {
        UINT id;
        LPCWSTR words;
        int minWidth, maxWidth;
        LPCWSTR shot;
    };
    const Case cases[] = {{IDR_RTF_SINGLE_TICKET, L"Was sind Einzel-Tickets?", nHalf / 2, nHalf + 2, L"app_ticket_info_150.png"},
                          {IDR_RTF_TST_TICKET, L"Was sind TST-Tickets?", nHalf / 2, nHalf + 2, L"app_ticket_info_151.png"},
                          {IDR_TEST_RTF_SHORT, L"Kurz.", 10, 80, nullptr},
                          {IDR_TEST_RTF_MISSING, L"", 0, 40, nullptr}};
    for (const Case& c : cases)
    {
        const TicketSight sight = RunTicketInfo(c.id, c.shot);
        EXPECT_EQ(CString(c.words), sight.words.Left(int(wcslen(c.words)))) << c.id;
        EXPECT_GE(sight.text.Width(), c.minWidth) << c.id;
        EXPECT_LE(sight.text.Width(), c.maxWidth) << c.id;
        EXPECT_EQ(CPoint(8, 4), sight.text.TopLeft()) << c.id;
        EXPECT_EQ(sight.text.right + 8, sight.client.right) << c.id;
        EXPECT_GE(sight.ok.top, sight.text.bottom) << c.id;
        EXPECT_EQ(sight.ok.top, sight.faq.top) << c.id;
        EXPECT_TRUE(sight.tooLong.empty()) << c.id;
        // Wine's rich edit formats nothing onto a context: it shows itself,
        // borderless, in the text's place; an empty text needs neither.
        EXPECT_EQ(c.words[0] != 0, sight.richVisible) << c.id;
        if (!sight.richVisible)
            continue;
        EXPECT_FALSE(sight.richBordered);
        EXPECT_GT(apptest::CountPixels(sight.image, sight.text, apptest::IsDark), 30) << c.id;
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), sight.image.Pixel(sight.text.right - 2, sight.text.bottom - 2));
    }
}

// A rich edit that works otherwise: formatting onto a context fills the
// target (converted back to pixels) with a colour of its own, or every
// width is answered with a sliver several screens high.
const COLORREF FORMATTED = RGB(255, 0, 255);
struct FakeRichEdit
{
    bool bSliver = false;
    int nResizeRequests = 0;
    std::vector<std::pair<WPARAM, const FORMATRANGE*>> formats;
    std::vector<FORMATRANGE> ranges;
    testpatch::CImportPatch* pPatch = nullptr;
} g_fake;

LRESULT WINAPI FakeSendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto original = reinterpret_cast<decltype(&::SendMessageW)>(g_fake.pPatch->GetOriginal());
    const FORMATRANGE* pRange = reinterpret_cast<const FORMATRANGE*>(lParam);
    if (message == EM_REQUESTRESIZE && g_fake.bSliver)
    {
        g_fake.nResizeRequests++;
        REQRESIZE request = {{hWnd, UINT_PTR(::GetDlgCtrlID(hWnd)), EN_REQUESTRESIZE}, {0, 0, 12, 2520}};
        return original(::GetParent(hWnd), WM_NOTIFY, request.nmhdr.idFrom, LPARAM(&request));
    }
    if (message != EM_FORMATRANGE || g_fake.bSliver)
        return original(hWnd, message, wParam, lParam);
    g_fake.ranges.push_back(pRange != nullptr ? *pRange : FORMATRANGE{});
    g_fake.formats.push_back({wParam, pRange});
    if (pRange == nullptr || !wParam)
        return pRange == nullptr ? 0 : 1;
    const int nDpiX = ::GetDeviceCaps(pRange->hdc, LOGPIXELSX), nDpiY = ::GetDeviceCaps(pRange->hdc, LOGPIXELSY);
    const RECT rc = {::MulDiv(pRange->rc.left, nDpiX, 1440), ::MulDiv(pRange->rc.top, nDpiY, 1440),
                     ::MulDiv(pRange->rc.right, nDpiX, 1440), ::MulDiv(pRange->rc.bottom, nDpiY, 1440)};
    HBRUSH hBrush = ::CreateSolidBrush(FORMATTED);
    ::FillRect(pRange->hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
    return 1;
}

TEST(TicketInfo, DrawsTheTextItselfWhereTheRichEditFormatsOntoAContext)
{
    g_fake = FakeRichEdit();
    testpatch::CImportPatch patch("user32.dll", "SendMessageW", reinterpret_cast<void*>(&FakeSendMessage));
    g_fake.pPatch = &patch;
    ASSERT_TRUE(patch.IsActive());
    const TicketSight sight = RunTicketInfo(IDR_RTF_SINGLE_TICKET, L"app_ticket_info_formatted.png");
    EXPECT_FALSE(sight.richVisible);
    const CRect& rc = sight.text;
    EXPECT_EQ(FORMATTED, sight.image.Pixel(rc.left + 1, rc.top + 1));
    EXPECT_EQ(FORMATTED, sight.image.Pixel(rc.right - 2, rc.bottom - 2));
    EXPECT_NE(FORMATTED, sight.image.Pixel(rc.left, rc.top)) << "one pixel inside the text's rectangle";
    EXPECT_NE(FORMATTED, sight.image.Pixel(rc.right - 1, rc.bottom - 1));
    // Each formatting of the whole text is followed by the one that frees the cache.
    ASSERT_GE(g_fake.formats.size(), 4u);
    for (size_t i = 0; i + 1 < g_fake.formats.size(); i += 2)
    {
        const FORMATRANGE& range = g_fake.ranges[i];
        EXPECT_NE(nullptr, g_fake.formats[i].second);
        EXPECT_EQ(nullptr, g_fake.formats[i + 1].second);
        EXPECT_TRUE(range.hdc == range.hdcTarget && range.chrg.cpMin == 0 && range.chrg.cpMax == -1);
        EXPECT_TRUE(::EqualRect(&range.rc, &range.rcPage));
    }
    EXPECT_EQ(1u, g_fake.formats.back().first + g_fake.formats[g_fake.formats.size() - 2].first) << "one drawn";
}

TEST(TicketInfo, AnswersThatIgnoreTheWidthEndTheFittingWithTheTemplatesLayout)
{
    g_fake = FakeRichEdit();
    g_fake.bSliver = true;
    testpatch::CImportPatch patch("user32.dll", "SendMessageW", reinterpret_cast<void*>(&FakeSendMessage));
    g_fake.pPatch = &patch;
    const TicketSight sight = RunTicketInfo(IDR_RTF_SINGLE_TICKET);
    EXPECT_LE(g_fake.nResizeRequests, 14) << "halving the screen's width";
    EXPECT_EQ(sight.templateRich.right - 16, sight.text.Width());
    EXPECT_EQ(sight.templateRich.bottom - 4, sight.text.Height());
    EXPECT_LE(sight.window.bottom - sight.window.top, ::GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_TRUE(sight.richVisible) << "the text is still shown";
}

TEST(TicketInfo, TheFaqButtonOpensTheQuestionsPageOnTheTicketSite)
{
    CCallRecorder recorder;
    ASSERT_TRUE(recorder.IsActive());
    RunTicketInfo(IDR_RTF_TST_TICKET, nullptr, true);
    ASSERT_EQ(1u, recorder.shellOpens.size());
    EXPECT_EQ(CString(L"open"), recorder.shellOpens[0].verb);
    EXPECT_EQ(CString(L"http://karten.weltturnier2006.test/06/de/tickets/faq.html"), recorder.shellOpens[0].text);
    EXPECT_EQ(UINT(SW_SHOW), recorder.shellOpens[0].flags);
}

// ---- About box

TEST(AboutBox, ShowsThePictureAtItsSizeOrKeepsTheTemplatesAndClosesOnAClick)
{
    const CString folder = CSettingsStore::GetProgramFolder() + L"pics";
    ::CreateDirectoryW(folder, nullptr);
    ASSERT_TRUE(::CopyFileW(apptest::AssetPath(L"pics/about.jpg"), folder + L"\\about.jpg", FALSE));
    for (bool bPicture : {true, false})
    {
        if (!bPicture)
            ::DeleteFileW(folder + L"\\about.jpg");
        RECT rcClient = {}, rcTemplate = {0, 0, 243, 195};
        testshot::Image image;
        CModalScript script({[&](HWND hDlg) {
            Activate(hDlg);
            testpump::PumpUntilIdle();
            ::GetClientRect(hDlg, &rcClient);
            ::MapDialogRect(hDlg, &rcTemplate);
            testshot::Save(image = testshot::CaptureWindow(hDlg), bPicture ? L"app_about.png" : L"app_about_empty.png");
            testinput::ClickOn(hDlg, testinput::ClientToScreenPoint(hDlg, rcClient.right - 3, rcClient.bottom - 3));
        }});
        CAboutBoxDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(bPicture ? 400 : rcTemplate.right, rcClient.right);
        EXPECT_EQ(bPicture ? 300 : rcTemplate.bottom, rcClient.bottom);
        // The picture's dark blue corner, or nothing drawn.
        EXPECT_EQ(bPicture, image.Pixel(1, 1) != ::GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(bPicture, apptest::IsBlueish(image.Pixel(1, 1)) || apptest::IsDark(image.Pixel(1, 1)));
    }
    ::RemoveDirectoryW(folder);
}

// A damaged picture file is no picture: the box keeps the template's size,
// shows nothing and still closes on a click.
TEST(AboutBox, ADamagedGifOrBitmapLeavesTheBoxEmpty)
{
    const CString folder = CSettingsStore::GetProgramFolder() + L"pics";
    ::CreateDirectoryW(folder, nullptr);
    const CString path = folder + L"\\about.jpg";
    for (const std::vector<BYTE>& bytes : {testpics::DamagedGifs()[2].bytes, testpics::DamagedBitmaps()[0].bytes})
    {
        ASSERT_FALSE(testpics::WritePictureFile(path, bytes).empty());
        RECT rcClient = {}, rcTemplate = {0, 0, 243, 195};
        CModalScript script({[&](HWND hDlg) {
            Activate(hDlg);
            testpump::PumpUntilIdle();
            ::GetClientRect(hDlg, &rcClient);
            ::MapDialogRect(hDlg, &rcTemplate);
            testinput::ClickOn(hDlg, testinput::ClientToScreenPoint(hDlg, 5, 5));
        }});
        CAboutBoxDlg dlg;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(script.TimedOut());
        EXPECT_FALSE(dlg.GetPicture().IsLoaded());
        EXPECT_EQ(rcTemplate.right, rcClient.right);
        EXPECT_EQ(rcTemplate.bottom, rcClient.bottom);
    }
    ::DeleteFileW(path);
    ::RemoveDirectoryW(folder);
}

} // namespace
