// The system tooltip control, with the toolkit's rule for the window under
// a point.
#pragma once
#include "framework/controls/CToolTipCtrl.h"
#include "framework/gdi/CPoint.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"

class CXTPToolTipContext::CStandardToolTip : public CToolTipCtrl
{
    DECLARE_DYNAMIC(CStandardToolTip)

public:
    CStandardToolTip() = default;

protected:
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayEvent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pPos);
    // WM_FLOATSTATUS from the frame that owns the tip.
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Quiet from the owner's loss of activation or input until the pointer
    // moves away from where it was then.
    BOOL m_bQuiet = FALSE;
    CPoint m_ptQuiet;
};
