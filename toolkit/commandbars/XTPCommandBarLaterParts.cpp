// Bar behaviour that comes with later parts: persistence and copies. Until
// then these do nothing.
#include "toolkit/commandbars/XTPCommandBar.h"

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}

void CXTPCommandBar::Copy(CXTPCommandBar* /*pCommandBar*/, BOOL /*bRecursive*/)
{
}

void CXTPCommandBar::GenerateCommandBarList(DWORD& /*nID*/, CXTPCommandBarList* /*pCommandBarList*/,
                                            XTP_COMMANDBARS_PROPEXCHANGE_PARAM* /*pParam*/)
{
}

void CXTPCommandBar::RestoreCommandBarList(CXTPCommandBarList* /*pCommandBarList*/)
{
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL /*bRecursive*/)
{
    return nullptr;
}

