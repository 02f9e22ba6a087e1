// The edit box control (type 6): a hosted edit window over the control.
#pragma once
#include "toolkit/commandbars/XTPControl.h"

class CXTPControlEdit : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlEdit)
public:
    CXTPControlEdit();
    ~CXTPControlEdit() override;

    int GetWidth() const { return m_nWidth; }
    void SetWidth(int nWidth) override { m_nWidth = nWidth; }
    BOOL GetShowLabel() const { return m_bLabel; }
    void ShowLabel(BOOL bShow) { m_bLabel = bShow; }
    int GetLabelWidth() const { return m_nLabelWidth; }
    // A changed label width makes the next placement move the edit window.
    void SetLabelWidth(int nWidth);
    BOOL IsPlacementPending() const { return m_bDelayReposition; }

protected:
    int m_nWidth;
    BOOL m_bLabel;
    int m_nLabelWidth;
    BOOL m_bDelayReposition;
};
