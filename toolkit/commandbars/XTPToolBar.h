// A toolbar: docked, floating or the menu bar's base.
#pragma once
#include "toolkit/commandbars/XTPCommandBar.h"

class CXTPToolBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPToolBar)
public:
    CXTPToolBar();
    ~CXTPToolBar() override;

    BOOL IsVisible() const override { return m_bVisible; }
    void SetVisible(BOOL bVisible) override { m_bVisible = bVisible; }
    BOOL IsTextBelowIcons() const;
};
