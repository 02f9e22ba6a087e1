// The edit window of an edit box control: forwards focus, text changes and
// mouse input to its control.
#pragma once
#include "toolkit/commandbars/controls/XTPEdit.h"

class CXTPControlEdit;

class CXTPControlEditCtrl : public CXTPEdit
{
public:
    explicit CXTPControlEditCtrl(CXTPControlEdit* pControl = nullptr) : m_pControl(pControl) {}

    CXTPControlEdit* m_pControl;

    CXTPCommandBars* GetCommandBars() const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
