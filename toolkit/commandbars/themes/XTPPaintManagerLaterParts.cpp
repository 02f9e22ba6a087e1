// Drawing that belongs to parts of the command bars still to come: the
// status bar pane and the expanding animation of short popup menus. Each
// stays empty until its owner exists.
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

void CXTPPaintManager::AnimateExpanding(CXTPCommandBar* /*pCommandBar*/, CDC* /*pDestDC*/, CDC* /*pSrcDC*/,
                                        BOOL /*bExpandDown*/)
{
}
