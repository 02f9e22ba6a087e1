// Asks for a toolbar's name: for a new toolbar (a free name proposed, a free
// id chosen on OK) or to rename one. Empty names and names another toolbar
// already has are refused.
#pragma once
#include "framework/dialogs/CDialog.h"
#include "framework/text/CString.h"

class CXTPCommandBars;
class CXTPToolBar;

// Ids of toolbars the user makes.
const UINT XTP_CUSTOM_BAR_FIRST = 0xE800;
const UINT XTP_CUSTOM_BAR_LAST = 0xE8FE;

class CXTPNewToolbarDlg : public CDialog
{
public:
    CXTPNewToolbarDlg(CWnd* pParent, CXTPCommandBars* pCommandBars, CXTPToolBar* pToolBar = nullptr);

    // Valid after OK for a new toolbar.
    UINT m_nNewID;
    CString m_strToolBar;

    // The smallest id from XTP_CUSTOM_BAR_FIRST that no toolbar of the
    // manager uses; 0 when all are taken.
    static UINT FindFreeBarID(const CXTPCommandBars* pCommandBars);
    // "Benutzerdefiniert n" with the smallest n no toolbar is titled with.
    static CString ProposeName(const CXTPCommandBars* pCommandBars);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    BOOL IsTitleTaken(const CString& strTitle) const;

    CXTPToolBar* m_pToolBar;
    CXTPCommandBars* m_pCommandBars;
};
