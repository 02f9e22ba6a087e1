// A text on a bar (control type 8): never hot, skipped by keyboard focus,
// not movable in customization.
#pragma once
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlLabel : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlLabel)
public:
    CXTPControlLabel();
    ~CXTPControlLabel() override;

    int GetSelected() const override { return 0; }
    BOOL IsLabelStyle() const override { return TRUE; }
    BOOL IsCustomizeResizeAllow() const override { return FALSE; }
    // Reacts only to a press in customization: the drag of the label.
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
};
