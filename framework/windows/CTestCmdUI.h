// A command update that only records the state the handler chose: used to
// ask whether a command is enabled right now.
#pragma once
#include "framework/windows/CCmdUI.h"

class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR lpszText) override;
};
