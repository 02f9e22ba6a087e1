#include "PaneListBoxes.h"
#include "toolkit/docking/XTPDockingPane.h"

CPaneListBoxes::~CPaneListBoxes()
{
    for (CListBox* list : m_lists)
        delete list;
}

void CPaneListBoxes::AttachTo(CXTPDockingPane* pane, CWnd* parent, DWORD dwStyle, int nIdBase,
                              std::initializer_list<LPCWSTR> lines)
{
    if (pane->IsAttached())
        return;
    CListBox* list = new CListBox;
    list->Create(dwStyle, CRect(0, 0, 10, 10), parent, nIdBase + pane->GetID());
    for (LPCWSTR line : lines)
        list->AddString(line);
    m_lists.push_back(list);
    pane->Attach(list);
}
