// The start-up information: the sales phase text and a box that turns the
// dialog off for later starts.
#pragma once
#include "framework/dialogs/CDialog.h"

class CInfoDlg : public CDialog
{
public:
    explicit CInfoDlg(CWnd* pParentWnd = nullptr);

    BOOL m_bDontShowAgain;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
