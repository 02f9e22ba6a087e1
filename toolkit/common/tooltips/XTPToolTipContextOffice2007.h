// A tip with a light grey gradient and a grey frame.
#pragma once
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

class CXTPToolTipContext::COffice2007ToolTip : public CXTPToolTipContextToolTip
{
    DECLARE_DYNAMIC(COffice2007ToolTip)

public:
    explicit COffice2007ToolTip(CXTPToolTipContext* pContext) : CXTPToolTipContextToolTip(pContext) {}

protected:
    void DrawBackground(CDC* pDC, CRect rc) override;
};
