// Manager services that come with the manager's own part: the short-menu
// command sets and closing popups. Until then nothing is hidden and closing
// popups ends every tracking bar of the thread.
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPMouseManager.h"

BOOL CXTPCommandBars::IsControlHidden(CXTPControl* /*pControl*/) const
{
    return FALSE;
}

void CXTPCommandBars::SetCommandUsed(UINT /*nId*/)
{
}

void CXTPCommandBars::ClosePopups() const
{
    GetMouseManager()->EndAllTracking();
}
