// The options dialog: the search and start-up settings of the settings
// store, written back, with start with Windows and the polling spread, on OK.
#pragma once
#include "framework/controls/CButton.h"
#include "framework/controls/CSpinButtonCtrl.h"
#include "framework/dialogs/CDialog.h"
#include "toolkit/controls/browse/XTBrowseEdit.h"
#include "toolkit/controls/buttons/XTButton.h"

class COptionsDlg : public CDialog
{
public:
    explicit COptionsDlg(CWnd* pParentWnd = nullptr);

    UINT m_nInterval;
    BOOL m_bRunAtStartup;
    BOOL m_bAutoScan;
    BOOL m_bStartMinimized;
    BOOL m_bFindYellow;
    BOOL m_bBeep;
    BOOL m_bOpenWeb;
    BOOL m_bFindTST;
    BOOL m_bFindResale;
    CString m_strSound;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnBeepClicked();
    afx_msg void OnAutoScanClicked();
    afx_msg void OnPlaySound();
    DECLARE_MESSAGE_MAP()

private:
    void LoadFromStore();
    void StoreSettings() const;
    void EnableSoundControls();
    void EnableStartMinimized();

    CSpinButtonCtrl m_spinInterval;
    CButton m_btnStartMinimized;
    CXTBrowseEdit m_editSound;
    CXTButton m_btnPlay;
};
