// The Office XP button look with the gradients and colours of the
// system's visual-style scheme (blue, olive or silver).
#pragma once
#include "toolkit/controls/buttons/XTButtonThemeOfficeXP.h"

class CXTButtonThemeOffice2003 : public CXTButtonThemeOfficeXP
{
public:
    explicit CXTButtonThemeOffice2003(BOOL bBorderedFace = FALSE, CXTPWinThemeLibrary* pLibrary = nullptr);

    void RefreshMetrics() override;
    void DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt, CSize size,
                          CXTButton* pButton) override;
    void DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem) override;
};
