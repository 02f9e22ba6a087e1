// The system's colour dialog: starts at the given colour (CC_RGBINIT),
// shares sixteen custom colours across the program. m_cc is open to the
// caller for anything further before DoModal.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "framework/dialogs/CDialog.h"

class CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK with a chosen colour, else IDCANCEL.
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);

    // The custom colours every colour dialog of the program shares.
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORW m_cc;
};
