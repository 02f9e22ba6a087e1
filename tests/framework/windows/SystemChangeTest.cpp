// System colour and setting changes: a top-level frame, dialog or property
// sheet passes them on to every descendant exactly once, native controls
// included, also where a descendant is itself a frame or a dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "framework/Framework.h"
#include "tests/framework/dialogs/DialogTests.h"

namespace {

// What each window heard: the count per message, and the setting's
// section name and flags of the last WM_SETTINGCHANGE.
struct Heard
{
    int colours = 0, settings = 0;
    std::wstring section;
    WPARAM flags = 0;
};
std::map<HWND, Heard> g_heard;

void Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE)
        ++g_heard[hWnd].colours;
    if (message == WM_SETTINGCHANGE) {
        Heard& heard = g_heard[hWnd];
        ++heard.settings;
        heard.flags = wParam;
        heard.section = lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"";
    }
}

template <class TBase>
class CHearing : public TBase
{
public:
    using TBase::TBase;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        Record(this->m_hWnd, message, wParam, lParam);
        return TBase::WindowProc(message, wParam, lParam);
    }
};

// A window of the system's kind, with no framework object.
LRESULT CALLBACK NativeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record(hWnd, message, wParam, lParam);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateNative(HWND hWndParent)
{
    static const ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = NativeProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SystemChangeNative";
        return ::RegisterClassW(&wc);
    }();
    return ::CreateWindowExW(0, MAKEINTATOM(atom), L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, hWndParent, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

class SystemChangeTest : public ::testing::Test
{
protected:
    void SetUp() override { g_heard.clear(); }
    void TearDown() override
    {
        // A frame's end may post WM_QUIT; later tests must not see it.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // Sends both changes to the top-level window, then expects each window
    // to have heard each once, with the setting's flags and section.
    void ExpectEachHearsOnce(HWND hWndTop, std::initializer_list<HWND> windows)
    {
        ::SendMessageW(hWndTop, WM_SYSCOLORCHANGE, 0, 0);
        ::SendMessageW(hWndTop, WM_SETTINGCHANGE, SPI_SETWORKAREA, reinterpret_cast<LPARAM>(L"Metrics"));
        int index = 0;
        for (HWND hWnd : windows) {
            const Heard& heard = g_heard[hWnd];
            EXPECT_EQ(heard.colours, 1) << "window " << index;
            EXPECT_EQ(heard.settings, 1) << "window " << index;
            EXPECT_EQ(heard.flags, static_cast<WPARAM>(SPI_SETWORKAREA)) << "window " << index;
            EXPECT_EQ(heard.section, L"Metrics") << "window " << index;
            ++index;
        }
    }

    CWinApp app{L"SystemChangeTestApp"};
};

} // namespace

TEST_F(SystemChangeTest, FrameTellsEveryDescendantOnceNestedFramesAndDialogsIncluded)
{
    CHearing<CFrameWnd>* frame = new CHearing<CFrameWnd>;
    ASSERT_TRUE(frame->Create(nullptr, L"Farben", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    CHearing<CWnd> child, grandChild;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 200, 100), frame, 1));
    ASSERT_TRUE(grandChild.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    const HWND hNative = CreateNative(grandChild.m_hWnd);
    // A frame and a dialog inside the frame: children, they pass nothing on.
    CHearing<CFrameWnd>* inner = new CHearing<CFrameWnd>;
    ASSERT_TRUE(inner->Create(nullptr, L"Innen", WS_CHILD | WS_VISIBLE, CRect(0, 100, 200, 200), frame));
    CHearing<CWnd> innerChild;
    ASSERT_TRUE(innerChild.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), inner, 3));
    dialogtest::TemplateBuilder page(WS_CHILD | WS_VISIBLE, L"", 100, 40);
    page.Add(0x80, 4, BS_PUSHBUTTON, L"Los", 4, 4, 40, 14);
    CHearing<CDialog> dialog;
    ASSERT_TRUE(dialog.CreateIndirect(page.Get(), frame));
    CHearing<CButton> button;
    ASSERT_TRUE(button.SubclassDlgItem(4, &dialog));

    ExpectEachHearsOnce(frame->m_hWnd, {frame->m_hWnd, child.m_hWnd, grandChild.m_hWnd, hNative, inner->m_hWnd,
                                        innerChild.m_hWnd, dialog.m_hWnd, button.m_hWnd});
    frame->DestroyWindow();
}

TEST_F(SystemChangeTest, DialogAndPropertySheetTellTheirControlsAndPagesOnce)
{
    dialogtest::TemplateBuilder form(WS_POPUP | WS_CAPTION, L"Farben", 160, 60);
    form.Add(0x80, 5, BS_PUSHBUTTON, L"Los", 4, 4, 40, 14).Add(0x81, 6, WS_BORDER, L"", 4, 24, 60, 12);
    CHearing<CDialog> dialog;
    ASSERT_TRUE(dialog.CreateIndirect(form.Get(), nullptr));
    CHearing<CButton> button;
    ASSERT_TRUE(button.SubclassDlgItem(5, &dialog));
    CHearing<CEdit> edit;
    ASSERT_TRUE(edit.SubclassDlgItem(6, &dialog));
    ExpectEachHearsOnce(dialog.m_hWnd, {dialog.m_hWnd, button.m_hWnd, edit.m_hWnd});
    dialog.DestroyWindow();

    g_heard.clear();
    CHearing<CPropertySheet> sheet(L"Blatt", nullptr, 0);
    CHearing<CPropertyPage> first(IDD_TEST_PAGE1), second(IDD_TEST_PAGE2);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | DS_MODALFRAME));
    CHearing<CEdit> number;
    ASSERT_TRUE(number.SubclassDlgItem(IDC_TEST_NUMBER, &first));
    ExpectEachHearsOnce(sheet.m_hWnd, {sheet.m_hWnd, first.m_hWnd, number.m_hWnd});
    sheet.DestroyWindow();
}

TEST_F(SystemChangeTest, PlainPopupTellsAFrameHiddenUnderItAndTheFrameTellsNoOneTwice)
{
    // As the tray icon hides a frame: a popup without message handlers of
    // its own becomes the parent of a frame that stays a popup.
    CHearing<CWnd> holder;
    ASSERT_TRUE(holder.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr));
    CHearing<CFrameWnd>* frame = new CHearing<CFrameWnd>;
    ASSERT_TRUE(frame->Create(nullptr, L"Versteckt", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CHearing<CWnd> child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), frame, 1));
    frame->SetParent(&holder);
    ASSERT_EQ(0u, frame->GetStyle() & WS_CHILD);

    ExpectEachHearsOnce(holder.m_hWnd, {holder.m_hWnd, frame->m_hWnd, child.m_hWnd});
    frame->SetParent(nullptr);
    frame->DestroyWindow();
    holder.DestroyWindow();
}
