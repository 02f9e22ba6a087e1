// The "Optionen" page of the customize sheet: personalized menus, large
// icons, tooltips and the menu animation. Each click takes effect at once.
#pragma once
#include "framework/controls/CComboBox.h"
#include "framework/dialogs/CPropertyPage.h"
#include "toolkit/customize/XTPCustomizeOptionsPageGroupLine.h"

class CXTPCommandBars;
class CXTPCustomizeSheet;

class CXTPCustomizeOptionsPage : public CPropertyPage
{
public:
    explicit CXTPCustomizeOptionsPage(CXTPCustomizeSheet* pSheet);

    int m_bAlwaysShowFullMenus;
    int m_bShowFullAfterDelay;
    int m_bLargeIcons;
    int m_bToolBarScreenTips;
    int m_bToolBarAccelTips;
    int m_nAnimationType;

    BOOL OnInitDialog() override;
    afx_msg void OnCheckFullMenus();
    afx_msg void OnCheckAfterDelay();
    afx_msg void OnCheckLargeIcons();
    afx_msg void OnCheckScreenTips();
    afx_msg void OnCheckShortcuts();
    afx_msg void OnAnimationChanged();
    afx_msg void OnResetData();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    CXTPCommandBars* GetCommandBars() const;
    void EnableDependents();

    CComboBox m_comboAnimation;
    CXTPCustomizeOptionsPageGroupLine m_wndPersonalized;
    CXTPCustomizeOptionsPageGroupLine m_wndOther;
    CXTPCustomizeSheet* m_pSheet;
};
