// Bar behaviour that comes with later parts: loading toolbars, customize
// drops, persistence, the idle update, copies. Until then these do nothing.
#include "toolkit/commandbars/XTPCommandBar.h"

BOOL CXTPCommandBar::LoadToolBar(UINT /*nIDResource*/, BOOL /*bLoadIcons*/)
{
    return FALSE;
}

void CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    OnCustomizeDragOver(pDataObject, point);
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
}

DROPEFFECT CXTPCommandBar::OnCustomizeDragOver(CXTPControl* /*pDataObject*/, CPoint /*point*/)
{
    return DROPEFFECT_NONE;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* /*pDataObject*/, DROPEFFECT& /*dropEffect*/, CPoint /*ptDrop*/,
                                     CPoint /*ptDrag*/)
{
}

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

