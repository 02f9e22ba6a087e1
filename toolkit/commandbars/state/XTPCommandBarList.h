// The bars being saved or loaded, in order, each held with one reference,
// and the parameters every nested exchange of a bar or control can reach.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"

class CXTPCommandBar;
class CXTPCommandBars;
class CXTPImageManager;
class CXTPPropExchange;

// Handed to the exchanger (its m_dwData) while bars are saved or loaded.
struct XTP_COMMANDBARS_PROPEXCHANGE_PARAM
{
    DWORD dwReserved0 = 0;
    // Saving: only customized bars; loading: always TRUE.
    BOOL bSaveOnlyCustomized = FALSE;
    // Loading: merge without asking the user.
    BOOL bLoadSilent = FALSE;
    // Controls carry their original sets.
    BOOL bSaveOriginalControls = TRUE;
    DWORD dwReserved4 = 0;
    DWORD dwReserved5 = 0;
    DWORD dwReserved6 = 1;
    DWORD dwReserved7 = 0;
    // Loaded bars are attached to this manager.
    CXTPCommandBars* pCommandBars = nullptr;
    // Loading: the custom icons read wait here (by id, in pLoadedIconIds)
    // until the whole list is read, so that a refused load leaves the live
    // image manager as it was.
    CXTPImageManager* pLoadedIcons = nullptr;
    CArray<UINT, UINT> arrLoadedIconIds;

    // The record an exchanger carries; null when it carries none.
    static XTP_COMMANDBARS_PROPEXCHANGE_PARAM* From(CXTPPropExchange* pPX);
};

// The first bar of the array with the id; id 0 names no bar.
template <class BAR>
BAR* XTPFindBarByID(const CArray<BAR*, BAR*>& arrBars, UINT nBarID)
{
    if (nBarID == 0)
        return nullptr;
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        if (arrBars[i]->GetBarID() == nBarID)
            return arrBars[i];
    return nullptr;
}

class CXTPCommandBarList
{
public:
    CXTPCommandBarList() = default;
    ~CXTPCommandBarList();
    CXTPCommandBarList(const CXTPCommandBarList&) = delete;
    CXTPCommandBarList& operator=(const CXTPCommandBarList&) = delete;

    int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
    CXTPCommandBar* GetAt(int nIndex) const;
    BOOL Lookup(CXTPCommandBar* pBar) const;
    // Takes a reference of its own; a bar already listed is not added again.
    void Add(CXTPCommandBar* pBar);
    // Takes over the caller's reference.
    void AddNew(CXTPCommandBar* pBar);
    // The first bar of the id (ids 0 name none).
    CXTPCommandBar* FindCommandBar(UINT nBarID) const;
    void RemoveAll();

    // Re-linking popup bars by id: each bar is walked once (FALSE when it
    // was already), and a bar may not become the popup of a bar it is
    // being walked from.
    BOOL MarkRelinked(CXTPCommandBar* pBar);
    void EnterRelink(CXTPCommandBar* pBar) { m_arrRelinkPath.Add(pBar); }
    void LeaveRelink() { m_arrRelinkPath.RemoveAt(m_arrRelinkPath.GetSize() - 1); }
    BOOL IsBeingRelinked(CXTPCommandBar* pBar) const;

private:
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrBars;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrRelinked;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrRelinkPath;
};

// Releases a child section of an exchanger when it goes out of scope.
class CXTPSectionHolder
{
public:
    explicit CXTPSectionHolder(CXTPPropExchange* pSection) : m_pSection(pSection) {}
    ~CXTPSectionHolder();
    CXTPSectionHolder(const CXTPSectionHolder&) = delete;
    CXTPSectionHolder& operator=(const CXTPSectionHolder&) = delete;
    CXTPPropExchange* operator->() const { return m_pSection; }
    CXTPPropExchange* Get() const { return m_pSection; }

private:
    CXTPPropExchange* m_pSection;
};
