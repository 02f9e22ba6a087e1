// A bar shown as a popup menu of a control, or tracked on its own.
#pragma once
#include "toolkit/commandbars/XTPCommandBar.h"

class CXTPPopupBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPPopupBar)
public:
    CXTPPopupBar();
    ~CXTPPopupBar() override;

    CXTPCommandBar* GetParentCommandBar() const override { return m_pParentBar; }

    CXTPControl* GetControlPopup() const { return m_pControlPopup; }
    void SetControlPopup(CXTPControl* pControl) { m_pControlPopup = pControl; }
    void SetParentBar(CXTPCommandBar* pParent) { m_pParentBar = pParent; }
    // Two icon columns: the check mark in the first, the icon in the second.
    BOOL IsDoubleGripper() const { return m_bDoubleGripper; }
    void SetDoubleGripper(BOOL bDouble) { m_bDoubleGripper = bDouble; }
    BOOL IsExpanded() const { return m_bExpanded; }

protected:
    CXTPControl* m_pControlPopup;
    CXTPCommandBar* m_pParentBar;
    BOOL m_bDoubleGripper;
    BOOL m_bExpanded;
};
