#include "toolkit/commandbars/controls/XTPControlLabel.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"

IMPLEMENT_DYNCREATE(CXTPControlLabel, CXTPControl)

CXTPControlLabel::CXTPControlLabel()
{
    m_controlType = xtpControlLabel;
    m_dwFlags = xtpFlagSkipFocus | xtpFlagNoMovable;
}

CXTPControlLabel::~CXTPControlLabel() = default;

void CXTPControlLabel::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (bKeyboard || !IsCustomizeMode() || !IsCustomizeMovable())
        return;
    if (m_pParent) {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
    }
    CustomizeStartDrag(pt);
}
