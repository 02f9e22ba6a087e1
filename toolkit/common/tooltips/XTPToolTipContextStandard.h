// The system tooltip control, with the toolkit's rule for the window under
// a point.
#pragma once
#include "framework/controls/CToolTipCtrl.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"

class CXTPToolTipContext::CStandardToolTip : public CToolTipCtrl
{
    DECLARE_DYNAMIC(CStandardToolTip)

public:
    CStandardToolTip() = default;

protected:
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
