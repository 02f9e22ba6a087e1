#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"

IMPLEMENT_DYNCREATE(CXTPControlButton, CXTPControl)

CXTPControlButton::CXTPControlButton()
{
    m_controlType = xtpControlButton;
}

CXTPControlButton::~CXTPControlButton() = default;

void CXTPControlButton::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControl::Copy(pControl, bRecursive);
}

CXTPControl* CXTPControlButton::Clone(BOOL bRecursive)
{
    CXTPControlButton* pControl = new CXTPControlButton();
    pControl->Copy(this, bRecursive);
    return pControl;
}

void CXTPControlButton::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!m_bEnabled)
        return;
    if (IsCustomizeMode()) {
        if (m_pParent) {
            m_pParent->SetPopuped(-1);
            m_pParent->SetSelected(-1);
        }
        CustomizeStartDrag(pt);
        return;
    }
    if (bKeyboard) {
        OnExecute();
        return;
    }
    if (m_pParent && m_pParent->GetPosition() != xtpBarPopup)
        ClickToolBarButton();
}

void CXTPControlButton::OnLButtonUp(CPoint /*point*/)
{
    if (m_bEnabled && m_pParent && m_pParent->GetPosition() == xtpBarPopup)
        OnExecute();
}
