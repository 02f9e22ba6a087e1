// The classic look's edit and combo box controls come with those controls'
// windows; until then they measure and draw nothing.
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"

using XTPPaintThemes::CXTPDefaultTheme;

CSize CXTPDefaultTheme::DrawControlComboBox(CDC* /*pDC*/, CXTPControlComboBox* /*pComboBox*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawControlEdit(CDC* /*pDC*/, CXTPControlEdit* /*pEdit*/, BOOL /*bDraw*/)
{
    return CSize(0, 0);
}
