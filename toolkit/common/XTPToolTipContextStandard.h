// The system tooltip control, with the toolkit's rule for the window under
// a point.
#pragma once
#include "framework/CWnd.h"
#include "toolkit/common/XTPToolTipContext.h"

class CXTPToolTipContext::CStandardToolTip : public CWnd
{
    DECLARE_DYNAMIC(CStandardToolTip)

public:
    CStandardToolTip() = default;

    BOOL Create(CWnd* pParent, DWORD dwStyle);

protected:
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
