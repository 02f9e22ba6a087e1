// List boxes that a test frame gives its panes as their windows when they are
// first shown; owned here and deleted with it.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <vector>
#include "framework/controls/CListBox.h"

class CXTPDockingPane;

class CPaneListBoxes
{
public:
    CPaneListBoxes() = default;
    CPaneListBoxes(const CPaneListBoxes&) = delete;
    CPaneListBoxes& operator=(const CPaneListBoxes&) = delete;
    ~CPaneListBoxes();

    // A pane without a window gets a new list box, a child of `parent` with
    // id `nIdBase` + the pane's id, holding `lines`.
    void AttachTo(CXTPDockingPane* pane, CWnd* parent, DWORD dwStyle, int nIdBase,
                  std::initializer_list<LPCWSTR> lines);

    std::size_t size() const { return m_lists.size(); }

private:
    std::vector<CListBox*> m_lists;
};
