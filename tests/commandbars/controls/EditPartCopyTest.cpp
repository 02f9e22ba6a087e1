// Ctrl+C in the edit window of an edit box and of a drop-down combo box:
// the selection, and only it, goes to the clipboard, past the frame's
// accelerators; with the rich edit window and with the plain-edit fallback.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

class EditPartCopy : public testing::TestWithParam<BOOL>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        XTPResetRichEditLoader(GetParam() ? nullptr : NoRichEditLibrary);
        ASSERT_TRUE(CreateStage(CRect(100, 100, 500, 200), 400));
        TranslateClipboardAccelerators();
    }
    void TearDown() override
    {
        DestroyStage();
        XTPResetRichEditLoader(nullptr);
    }
    // Puts the control on the bar at the size the look measures.
    void Place(CXTPControl* pControl)
    {
        CClientDC dc(&m_bar);
        CSize size = pControl->GetSize(&dc);
        pControl->SetRect(CRect(4, 3, 4 + size.cx, 3 + size.cy));
    }
};

CXTPControl* AddEditBox(CXTPToolBar& bar, LPCWSTR lpszText)
{
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    bar.GetControls()->Add(pEdit, 800);
    pEdit->SetWidth(200);
    pEdit->SetEditText(lpszText);
    return pEdit;
}

CXTPControl* AddDropDownCombo(CXTPToolBar& bar, LPCWSTR lpszText)
{
    CXTPControlComboBox* pCombo = new CXTPControlComboBox();
    bar.GetControls()->Add(pCombo, 810);
    pCombo->SetWidth(200);
    pCombo->SetDropDown(TRUE);
    pCombo->AddString(L"Halle");
    pCombo->SetEditText(lpszText);
    return pCombo;
}

HWND EditWindowOf(CXTPControl* pControl)
{
    if (CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pControl))
        return pEdit->GetEditCtrl() ? pEdit->GetEditCtrl()->GetSafeHwnd() : nullptr;
    CXTPControlComboBox* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl);
    return pCombo && pCombo->GetEditCtrl() ? pCombo->GetEditCtrl()->GetSafeHwnd() : nullptr;
}

} // namespace

TEST_P(EditPartCopy, CtrlCPutsTheSelectionOnTheClipboard)
{
    struct Row
    {
        const char* name;
        CXTPControl* (*add)(CXTPToolBar& bar, LPCWSTR lpszText);
    } rows[] = {{"edit box", AddEditBox}, {"combo box", AddDropDownCombo}};
    for (const Row& row : rows) {
        SetClipboardText(L"vorher");
        CXTPControl* pControl = row.add(m_bar, L"Halle Saale");
        Place(pControl);
        HWND hEdit = EditWindowOf(pControl);
        ASSERT_TRUE(hEdit) << row.name;
        pControl->SetFocused(TRUE);
        ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == hEdit; })) << row.name;
        PumpUntilIdle();  // the focus selects the whole text first
        ::SendMessageW(hEdit, EM_SETSEL, 6, 11);
        m_site.received.clear();

        SendChord({VK_CONTROL, 'C'});
        EXPECT_TRUE(PumpUntil([&] { return ClipboardText() == L"Saale"; }))
            << row.name << ": " << static_cast<LPCTSTR>(ClipboardText());
        PumpUntilIdle();
        wchar_t szText[32] = {};
        ::GetWindowTextW(hEdit, szText, 32);
        EXPECT_STREQ(L"Halle Saale", szText) << row.name << ": copying leaves the text";
        EXPECT_FALSE(AnyAcceleratorCommand()) << row.name << ": the frame's accelerator never saw the key";

        pControl->SetFocused(FALSE);
        m_bar.EndTracking();
        m_bar.GetControls()->RemoveAll();
        PumpUntilIdle();
    }
}

INSTANTIATE_TEST_SUITE_P(Loaders, EditPartCopy, testing::Values(TRUE, FALSE),
                         [](const testing::TestParamInfo<BOOL>& info) {
                             return std::string(info.param ? "RichEdit" : "PlainEdit");
                         });
