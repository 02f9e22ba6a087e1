// The theme factory of themed push buttons: theme id 1 gives the Office XP
// look, 2 the Office 2003 look, any other the plain button theme.
#pragma once
#include "toolkit/controls/thememanager/XTThemeManagerStyleFactory.h"

class CXTButtonThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTButtonThemeFactory)

public:
    CXTThemeManagerStyle* CreateTheme(int nTheme) override;
};
