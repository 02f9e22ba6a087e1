#include "toolkit/controls/buttons/XTButtonThemeFactory.h"

#include "toolkit/controls/buttons/XTButtonThemeOffice2003.h"

IMPLEMENT_DYNCREATE(CXTButtonThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTButtonThemeFactory::CreateTheme(int nTheme)
{
    CXTThemeManagerStyle* pTheme = nullptr;
    switch (nTheme)
    {
    case 1:
        pTheme = new CXTButtonThemeOfficeXP(FALSE);
        break;
    case 2:
        pTheme = new CXTButtonThemeOffice2003(FALSE);
        break;
    default:
        pTheme = new CXTButtonTheme;
        break;
    }
    pTheme->m_nThemeID = nTheme;
    return pTheme;
}
