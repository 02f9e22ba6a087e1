// A tip in the colours of the visual-style scheme in force.
#pragma once
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

class CXTPToolTipContext::CLunaToolTip : public CXTPToolTipContextToolTip
{
    DECLARE_DYNAMIC(CLunaToolTip)

public:
    explicit CLunaToolTip(CXTPToolTipContext* pContext) : CXTPToolTipContextToolTip(pContext) {}

protected:
    void DrawBackground(CDC* pDC, CRect rc) override;
};
