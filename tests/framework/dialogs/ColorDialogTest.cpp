// The colour dialog answers the colour chosen, starts at the given one and
// keeps the custom colours between dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Framework.h"

namespace
{
// Presses a button of the dialog as soon as it is up.
UINT g_button = IDOK;

UINT_PTR CALLBACK PressWhenUp(HWND hDlg, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG)
        ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(g_button, BN_CLICKED), 0);
    return 0;
}

INT_PTR RunPressing(CColorDialog& dlg, UINT button)
{
    g_button = button;
    dlg.m_cc.Flags |= CC_ENABLEHOOK;
    dlg.m_cc.lpfnHook = PressWhenUp;
    return dlg.DoModal();
}
} // namespace

TEST(ColorDialog, OkAnswersTheStartingColourAndCustomColoursAreShared)
{
    CColorDialog chosen(RGB(10, 120, 200));
    EXPECT_EQ(RunPressing(chosen, IDOK), IDOK);
    EXPECT_EQ(chosen.GetColor(), RGB(10, 120, 200));

    CColorDialog::GetSavedCustomColors()[3] = RGB(1, 2, 3);
    CColorDialog other;
    EXPECT_EQ(other.m_cc.lpCustColors[3], RGB(1, 2, 3));
    other.SetCurrentColor(RGB(9, 9, 9));
    EXPECT_EQ(RunPressing(other, IDCANCEL), IDCANCEL);

    // An oversized structure size is not passed on.
    CColorDialog oversized(RGB(5, 6, 7));
    oversized.m_cc.lStructSize = 4096;
    EXPECT_EQ(RunPressing(oversized, IDOK), IDOK);
    EXPECT_EQ(oversized.GetColor(), RGB(5, 6, 7));
}
