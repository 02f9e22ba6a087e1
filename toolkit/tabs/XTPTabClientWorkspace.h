// One tab strip of the tabbed MDI client: a tab per MDI child it holds,
// drawn and laid out in the part of the client the client gives it.
#pragma once
#include "toolkit/tabs/XTPTabAtomRegistration.h"
#include "toolkit/tabs/XTPTabManager.h"

class CXTPTabClientWnd;

class CXTPTabClientWorkspace : public CXTPTabManager
{
public:
    explicit CXTPTabClientWorkspace(CXTPTabClientWnd* pClient);

    // The tab showing an MDI child; null when this strip has none.
    CXTPTabManagerItem* FindItem(HWND hWndChild) const;
    CXTPTabManagerItem* AddChild(HWND hWndChild, int nIndex = -1);

    CXTPTabPaintManager* GetPaintManager() const override;
    void RedrawControl() override;
    void Reposition() override;
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;
    // A tab chosen by the user activates its child.
    void SelectItem(CXTPTabManagerItem* pItem) override;
    void OnNavigateButtonClick(int nId) override;

private:
    CXTPTabClientWnd* m_pClient;
    // The client's paint manager lays the client out again when its options change.
    CXTPTabAtomRegistration m_registration{this};
};
