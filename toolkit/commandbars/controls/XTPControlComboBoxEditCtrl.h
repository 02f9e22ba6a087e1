// The edit part of a drop-down combo box control: forwards focus, text
// changes and mouse input to its control.
#pragma once
#include "toolkit/commandbars/controls/XTPEdit.h"

class CXTPControlComboBox;

// Posted to the edit part when the shell's suggestion list shows: the
// combo box's own list closes.
const UINT XTP_WM_SUGGEST_SHOWN = 0x2872;

class CXTPControlComboBoxEditCtrl : public CXTPEdit
{
public:
    explicit CXTPControlComboBoxEditCtrl(CXTPControlComboBox* pControl = nullptr) : m_pControl(pControl) {}

    CXTPControlComboBox* m_pControl;

    CXTPCommandBars* GetCommandBars() const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    // The wheel and the shell's suggestion list: TRUE when handled.
    BOOL OnComboMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
