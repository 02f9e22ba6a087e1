// The edit box control driven by real input: hint, focus notifications, Esc,
// clipboard keys past the frame's accelerators, Tab from the tracking bar,
// vertical bars; with the rich edit window and with the plain-edit fallback.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include "support/Screenshot.h"
#include "support/ThreadTimer.h"
#include <richedit.h>
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "resources/FrameworkIds.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// What the edit's context menu offered, and the entry to click in it; the
// timer acts from inside the menu's own loop once the menu shows.
struct CMenuVisit
{
    UINT nChoose = 0;
    std::vector<UINT> enabled;
};
CMenuVisit* g_pMenuVisit = nullptr;

void CALLBACK ChooseFromOpenMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    const CXTPMouseManager::CTrackArray& tracked = XTPMouseManager()->GetTrackArray();
    for (INT_PTR i = 0; i < tracked.GetSize(); i++) {
        CXTPPopupBar* pPopup = dynamic_cast<CXTPPopupBar*>(tracked[i]);
        if (!pPopup || !pPopup->GetSafeHwnd() || !::IsWindowVisible(pPopup->GetSafeHwnd()))
            continue;
        testtimer::Kill(nTimer);
        for (int n = 0; n < pPopup->GetControlCount(); n++) {
            CXTPControl* pItem = pPopup->GetControl(n);
            if (pItem->GetEnabled())
                g_pMenuVisit->enabled.push_back(static_cast<UINT>(pItem->GetID()));
            if (static_cast<UINT>(pItem->GetID()) == g_pMenuVisit->nChoose) {
                CRect rc = pItem->GetRect();
                testinput::ClickAt(testinput::ClientToScreenPoint(pPopup->GetSafeHwnd(), rc.CenterPoint().x,
                                                                  rc.CenterPoint().y));
            }
        }
        if (!g_pMenuVisit->nChoose)
            testinput::SendKey(VK_ESCAPE);
        return;
    }
}

class EditBox : public testing::TestWithParam<BOOL>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        XTPResetRichEditLoader(GetParam() ? nullptr : NoRichEditLibrary);
        ASSERT_TRUE(CreateStage(CRect(100, 100, 500, 200), 400));
        m_pEdit = dynamic_cast<CXTPControlEdit*>(m_bar.GetControls()->Add(xtpControlEdit, 800));
        ASSERT_TRUE(m_pEdit);
        m_pEdit->SetEditHint(L"Suchbegriff");
        m_pEdit->SetRect(CRect(10, 2, 250, 26));
        ASSERT_TRUE(m_pEdit->GetEditCtrl() && m_pEdit->GetEditCtrl()->GetSafeHwnd());
        TranslateClipboardAccelerators();
    }
    void TearDown() override
    {
        DestroyStage();
        XTPResetRichEditLoader(nullptr);
    }
    HWND EditWindow() const { return m_pEdit->GetEditCtrl()->GetSafeHwnd(); }
    CString WindowText() const
    {
        CString strText;
        m_pEdit->GetEditCtrl()->GetWindowText(strText);
        return strText;
    }
    bool PumpUntilText(LPCWSTR lpszText)
    {
        return PumpUntil([&] { return m_pEdit->GetEditText() == lpszText; });
    }
    void ClickIntoEdit()
    {
        CRect rc;
        ::GetWindowRect(EditWindow(), &rc);
        ClickAt(rc.CenterPoint());
        PumpUntil([&] { return ::GetFocus() == EditWindow(); });
        PumpUntilIdle();
    }

    CXTPControlEdit* m_pEdit = nullptr;
};

} // namespace

TEST_P(EditBox, WindowClassFollowsTheLoader)
{
    wchar_t szClass[64] = {};
    ::GetClassNameW(EditWindow(), szClass, 64);
    EXPECT_STREQ(GetParam() ? L"RichEdit20W" : L"Edit", szClass);
    m_bar.RedrawWindow();
    PumpUntilIdle();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(m_site.GetSafeHwnd()),
                                GetParam() ? L"commandbars_edit_hint_rich.png" : L"commandbars_edit_hint_plain.png")
                     .empty());
}

TEST_P(EditBox, HintWhileEmptyAndUnfocusedNeverReturnedAsText)
{
    EXPECT_STREQ(L"Suchbegriff", WindowText());
    EXPECT_TRUE(m_pEdit->GetEditText().IsEmpty());

    ClickIntoEdit();
    ASSERT_EQ(EditWindow(), ::GetFocus());
    EXPECT_TRUE(WindowText().IsEmpty()) << "the hint goes with the focus";
    for (WORD vk : {'A', 'B'})
        SendKey(vk);
    PumpUntilText(L"ab");
    PumpUntilIdle();
    EXPECT_STREQ(L"ab", m_pEdit->GetEditText());
    EXPECT_EQ(std::vector<UINT>({0x100, 0x300, 0x300}), Notifications());

    m_pEdit->SetEditText(L"");
    m_pEdit->SetFocused(FALSE);
    PumpUntilIdle();
    EXPECT_STREQ(L"Suchbegriff", WindowText());
    EXPECT_EQ(0x200u, Notifications().back());
}

TEST_P(EditBox, EscapeRestoresTheTextAtFocus)
{
    m_pEdit->SetEditText(L"Berlin");
    ClickIntoEdit();
    SendKey(VK_END);
    for (WORD vk : {'X', 'Y'})
        SendKey(vk);
    PumpUntilText(L"Berlinxy");
    EXPECT_STREQ(L"Berlinxy", m_pEdit->GetEditText());
    SendKey(VK_ESCAPE);
    PumpUntilText(L"Berlin");
    PumpUntilIdle();
    EXPECT_STREQ(L"Berlin", m_pEdit->GetEditText());
    EXPECT_NE(EditWindow(), ::GetFocus());
    EXPECT_FALSE(m_pEdit->IsFocused());
}

TEST_P(EditBox, ClipboardKeysReachTheEditPastAccelerators)
{
    m_pEdit->SetEditText(L"Halle");
    ClickIntoEdit();
    SendChord({VK_CONTROL, 'X'});  // the whole text is selected on focus
    PumpUntilText(L"");
    EXPECT_TRUE(m_pEdit->GetEditText().IsEmpty());
    SendChord({VK_CONTROL, 'Z'});
    PumpUntilText(L"Halle");
    EXPECT_STREQ(L"Halle", m_pEdit->GetEditText()) << "the cut is undone";
    // Into an empty edit: Wine's rich edit in plain-text mode replaces its
    // whole text on a paste, wherever the caret is.
    m_pEdit->SetEditText(L"");
    SendChord({VK_CONTROL, 'V'});
    PumpUntilText(L"Halle");
    EXPECT_STREQ(L"Halle", m_pEdit->GetEditText()) << "the cut text is pasted";
    m_pEdit->SetEditText(L"Halle");
    SendKey(VK_END);
    SendKey(VK_BACK);
    PumpUntilText(L"Hall");
    PumpUntilIdle();
    EXPECT_STREQ(L"Hall", m_pEdit->GetEditText());
    EXPECT_FALSE(AnyAcceleratorCommand()) << "the frame's accelerators never saw the keys";
}

TEST_P(EditBox, HiddenOnVerticalBarsAndRebuiltWithItsText)
{
    m_pEdit->SetEditText(L"Hamburg");
    m_pEdit->OnCalcDynamicSize(LM_VERTDOCK);
    EXPECT_EQ(static_cast<DWORD>(xtpHideDockingPosition), m_pEdit->GetHideFlags());
    EXPECT_FALSE(::IsWindowVisible(EditWindow()));
    m_pEdit->OnCalcDynamicSize(LM_HORZDOCK);
    EXPECT_TRUE(::IsWindowVisible(EditWindow()));

    HWND hOld = EditWindow();
    m_pEdit->SetEditStyle(ES_NOHIDESEL);
    m_pEdit->SetRect(m_pEdit->GetRect());
    EXPECT_NE(hOld, EditWindow()) << "a style change makes a new window";
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_STREQ(L"Hamburg", m_pEdit->GetEditText()) << "the text survives the new window";
}

TEST_P(EditBox, TextAndHintTakeTheToolkitsColours)
{
    // Colours of the toolkit's own, far from any system scheme.
    const COLORREF kText = RGB(200, 0, 0), kGrey = RGB(0, 150, 0), kWindow = RGB(255, 255, 200);
    CXTPColorManager* pColors = XTPGetColorManager();
    struct CustomColours
    {
        CXTPColorManager* p;
        ~CustomColours()
        {
            for (int n : {COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_WINDOW})
                p->m_arrCustomColor[n] = COLORREF(-1);
        }
    } restore{pColors};
    pColors->m_arrCustomColor[COLOR_WINDOWTEXT] = kText;
    pColors->m_arrCustomColor[COLOR_GRAYTEXT] = kGrey;
    pColors->m_arrCustomColor[COLOR_WINDOW] = kWindow;

    CHARFORMAT2W cf = {};
    m_pEdit->GetDefaultCharFormat(&cf);
    EXPECT_EQ(kGrey, cf.crTextColor) << "the hint shows";
    EXPECT_EQ(kWindow, cf.crBackColor);
    auto countInEdit = [&](LPCWSTR lpszShot, COLORREF clr) {
        m_pEdit->GetEditCtrl()->RedrawWindow();
        PumpUntilIdle();
        testshot::Image image = testshot::CaptureWindow(EditWindow());
        EXPECT_FALSE(testshot::Save(image, lpszShot).empty());
        int n = 0;
        for (int y = 0; y < image.height; y++)
            for (int x = 0; x < image.width; x++)
                n += image.Pixel(x, y) == clr;
        return n;
    };
    m_pEdit->SetEditText(L"");
    LPCWSTR lpszHintShot =
        GetParam() ? L"commandbars_edit_colours_hint_rich.png" : L"commandbars_edit_colours_hint_plain.png";
    EXPECT_GT(countInEdit(lpszHintShot, kGrey), 10) << "the hint in the toolkit's grey";
    if (GetParam()) {
        m_pEdit->SetEditText(L"Hamburg");
        EXPECT_GT(countInEdit(L"commandbars_edit_colours_text_rich.png", kText), 10);
        cf = CHARFORMAT2W();
        cf.cbSize = sizeof(cf);
        ::SendMessageW(EditWindow(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        EXPECT_EQ(kText, cf.crTextColor);
    }
    m_pEdit->SetEnabled(FALSE);
    m_pEdit->GetDefaultCharFormat(&cf);
    EXPECT_EQ(kGrey, cf.crTextColor);
    EXPECT_EQ(pColors->GetColor(COLOR_3DFACE), cf.crBackColor);

    // The combo box's edit part the same.
    CXTPControlComboBox* pCombo = new CXTPControlComboBox();
    m_bar.GetControls()->Add(pCombo, 801);
    cf = CHARFORMAT2W();
    pCombo->GetDefaultCharFormat(&cf);
    EXPECT_EQ(kText, cf.crTextColor);
    EXPECT_EQ(kWindow, cf.crBackColor);
}

TEST_P(EditBox, TextTakesTheColoursOfASystemColourChange)
{
    const COLORREF kText = RGB(190, 0, 120), kWindow = RGB(210, 255, 210);
    const INT elements[] = {COLOR_WINDOWTEXT, COLOR_WINDOW};
    const COLORREF changed[] = {kText, kWindow};
    // Changed for real, told to every top-level window; back when it goes.
    struct ChangedColours
    {
        const INT* elements;
        COLORREF saved[2];
        BOOL bChanged;
        ChangedColours(const INT* pElements, const COLORREF* pChanged) : elements(pElements)
        {
            for (int i = 0; i < 2; i++)
                saved[i] = ::GetSysColor(elements[i]);
            bChanged = ::SetSysColors(2, elements, pChanged);
        }
        ~ChangedColours()
        {
            if (bChanged)
                ::SetSysColors(2, elements, saved);
        }
    };
    m_pEdit->SetEditText(L"Hamburg");
    CHARFORMAT2W cf = {};
    testshot::Image image;
    {
        ChangedColours colours(elements, changed);
        ASSERT_TRUE(colours.bChanged);
        PumpUntilIdle();
        cf.cbSize = sizeof(cf);
        ::SendMessageW(EditWindow(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        image = testshot::CaptureWindow(EditWindow());
    }
    EXPECT_FALSE(testshot::Save(image, GetParam() ? L"commandbars_edit_syscolour_rich.png"
                                                  : L"commandbars_edit_syscolour_plain.png")
                     .empty());
    int nText = 0;
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++)
            nText += image.Pixel(x, y) == kText;
    EXPECT_GT(nText, 10) << "the text in the new window text colour";
    if (GetParam()) {
        EXPECT_EQ(kText, cf.crTextColor);
        EXPECT_EQ(kWindow, cf.crBackColor);
    }
    PumpUntilIdle();
    cf = CHARFORMAT2W();
    cf.cbSize = sizeof(cf);
    ::SendMessageW(EditWindow(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    if (GetParam()) {
        EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), cf.crTextColor) << "and back with the colours before";
    }
}

TEST_P(EditBox, TheContextMenuOffersWhatTheSelectionAndClipboardAllowAndCarriesItOut)
{
    struct Row
    {
        LPCWSTR text;
        LPCWSTR clipboard;
        UINT choose;
        std::vector<UINT> enabled;
        LPCWSTR textAfter;
        LPCWSTR clipboardAfter;
    } rows[] = {
        // The focus selects the whole text.
        {L"Halle", nullptr, ID_EDIT_CUT, {ID_EDIT_CUT, ID_EDIT_COPY}, L"", L"Halle"},
        {L"", L"Leipzig", ID_EDIT_PASTE, {ID_EDIT_PASTE}, L"Leipzig", L"Leipzig"},
        {L"Halle", L"Leipzig", ID_EDIT_COPY, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}, L"Halle", L"Halle"},
    };
    for (const Row& row : rows) {
        SetClipboardText(row.clipboard);
        m_pEdit->SetEditText(row.text);
        ClickIntoEdit();

        CMenuVisit visit;
        visit.nChoose = row.choose;
        g_pMenuVisit = &visit;
        testtimer::ThreadTimer nTimer(10, ChooseFromOpenMenu);
        CRect rc;
        ::GetWindowRect(EditWindow(), &rc);
        ClickAt(rc.CenterPoint(), true);
        EXPECT_TRUE(PumpUntil([&] { return !visit.enabled.empty(); })) << "no menu for " << row.choose;
        nTimer.Kill();
        EXPECT_TRUE(PumpUntilText(row.textAfter)) << static_cast<LPCTSTR>(m_pEdit->GetEditText());
        PumpUntilIdle();
        g_pMenuVisit = nullptr;
        EXPECT_EQ(row.enabled, visit.enabled) << "choosing " << row.choose;
        EXPECT_STREQ(row.textAfter, m_pEdit->GetEditText());
        EXPECT_STREQ(row.clipboardAfter, ClipboardText());
        m_pEdit->SetFocused(FALSE);
        m_bar.EndTracking();
        PumpUntilIdle();
    }
}

// Tab on a tracking bar walks its controls; landing on the edit box hands
// its window the focus, so that typing goes there, and moving on takes it
// back. The bar keeps tracking throughout.
TEST_P(EditBox, TabOnTheTrackingBarHandsTheEditBoxTheFocus)
{
    m_bar.GetControls()->Add(xtpControlButton, 801, CString(), 0)->SetRect(CRect(255, 2, 280, 26));
    m_bar.GetControls()->Add(xtpControlButton, 802)->SetRect(CRect(285, 2, 310, 26));
    ASSERT_EQ(1, m_pEdit->GetIndex());
    m_bar.SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    PumpUntilIdle();
    ASSERT_EQ(0, m_bar.GetSelectedIndex());
    struct Row
    {
        std::initializer_list<WORD> chord;
        int selected;
        bool editFocused;
        const char* what;
    } rows[] = {
        {{VK_TAB}, 1, true, "Tab onto the edit box"},
        {{VK_TAB}, 2, false, "Tab on past it"},
        {{VK_SHIFT, VK_TAB}, 1, true, "Shift+Tab back onto it"},
        {{VK_SHIFT, VK_TAB}, 0, false, "Shift+Tab on before it"},
        {{VK_SHIFT, VK_TAB}, 2, false, "Shift+Tab wraps past it"},
        {{VK_TAB}, 0, false, "Tab wraps"},
        {{VK_TAB}, 1, true, "and onto it again"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SendChord(row.chord);
        PumpUntil([&] { return m_bar.GetSelectedIndex() == row.selected; });
        PumpUntilIdle();
        EXPECT_EQ(row.selected, m_bar.GetSelectedIndex());
        EXPECT_EQ(row.editFocused, !!m_pEdit->IsFocused());
        EXPECT_EQ(row.editFocused, ::GetFocus() == EditWindow());
        EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode());
    }
    SendKey('K');
    EXPECT_TRUE(PumpUntilText(L"k")) << "typing goes into the edit box";
    EXPECT_EQ(1, m_bar.GetSelectedIndex()) << "not to the bar's mnemonics";
    std::vector<UINT> focusChanges;
    for (UINT code : Notifications())
        if (code != 0x300)
            focusChanges.push_back(code);
    EXPECT_EQ(std::vector<UINT>({0x100, 0x200, 0x100, 0x200, 0x100}), focusChanges);
}

INSTANTIATE_TEST_SUITE_P(Loaders, EditBox, testing::Values(TRUE, FALSE),
                         [](const testing::TestParamInfo<BOOL>& info) {
                             return std::string(info.param ? "RichEdit" : "PlainEdit");
                         });
