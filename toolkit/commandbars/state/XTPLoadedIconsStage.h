// While a list of bars is read, the custom icons it carries wait in an image
// manager of their own; only a load read whole hands them on. A refused or
// broken load thus leaves the live icons as they were, whatever exchanger
// and caller read the list.
#pragma once
#include "framework/collections/CArray.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"

class CXTPImageManager;
class CXTPPropExchange;

class CXTPLoadedIconsStage
{
public:
    // Gives the exchanger a record when it carries none (one naming the
    // manager, as a record-less load behaves) and points the record's icon
    // place at this stage; the destructor puts both back and drops what
    // was not handed on.
    CXTPLoadedIconsStage(CXTPPropExchange* pPX, CXTPCommandBars* pCommandBars);
    ~CXTPLoadedIconsStage();
    CXTPLoadedIconsStage(const CXTPLoadedIconsStage&) = delete;
    CXTPLoadedIconsStage& operator=(const CXTPLoadedIconsStage&) = delete;

    // The whole list was read: its icons go to the stage of an enclosing
    // load when there is one, else to the manager's image manager.
    void HandOn();

private:
    CXTPPropExchange* m_pPX;
    DWORD_PTR m_dwOldData;
    XTP_COMMANDBARS_PROPEXCHANGE_PARAM m_ownParam;
    XTP_COMMANDBARS_PROPEXCHANGE_PARAM* m_pParam;
    CXTPImageManager* m_pOuterIcons;
    CArray<UINT, UINT> m_arrOuterIds;
    CXTPImageManager* m_pIcons;
    CXTPCommandBars* m_pCommandBars;
};
