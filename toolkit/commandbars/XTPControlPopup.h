// A control that opens a popup bar (types 2, 3 and 4 share this class).
#pragma once
#include "toolkit/commandbars/XTPControl.h"

class CXTPControlPopup : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlPopup)
public:
    CXTPControlPopup();
    ~CXTPControlPopup() override;

    CXTPCommandBar* GetCommandBar() const override { return m_pCommandBar; }
    // Takes a reference to the bar; handing the bar it holds changes nothing.
    void SetCommandBar(CXTPCommandBar* pBar);
    BOOL GetPopup() const { return m_bPopup; }
    void SetPopupState(BOOL bPopup) { m_bPopup = bPopup; }

protected:
    BOOL m_bPopup;
    CXTPCommandBar* m_pCommandBar;
    DWORD m_dwReserved;
};
