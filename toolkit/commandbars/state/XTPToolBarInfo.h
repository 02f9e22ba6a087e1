// What the layout store keeps of one toolbar, and the records of all of
// them with the screen size they were stored at.
#pragma once
#include <vector>
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

class CXTPToolBar::CToolBarInfo
{
public:
    CToolBarInfo();

    // The bar's place as it is now: its window's corner (in its dock bar
    // when docked), visibility and what its dock context remembers.
    void FromBar(CXTPToolBar* pBar);
    // Docked places (the window's corner when docked, the most recent dock
    // rectangle) start inside the dock bar.
    void KeepInsideDockBar();
    // Section "<profile>-Bar<index>", emptied first.
    void SaveState(LPCTSTR lpszProfileName, int nIndex) const;
    // FALSE, the record left as it was, when no such section is stored.
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex);

    static const int kNotSet = -1;
    static const int kNoWidth = 32767;
    static const int kDialogBarSize = 200;

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    CPoint m_pointPos;
    int m_nMRUWidth;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    CPoint m_ptMRUFloatPos;
    CXTPToolBar* m_pBar;
    BOOL m_bDialogBar;
    CSize m_szDialogBarDockingClient;
    CSize m_szDialogBarFloatingClient;
};

class CXTPToolBarInfoList
{
public:
    // Takes the current screen size and the largest position on it.
    CXTPToolBarInfoList();

    // "<profile>-Bar<i>" for every record, then "<profile>-Summary".
    void SaveState(LPCTSTR lpszProfileName) const;
    // Reads the summary and at most nMaxRecords records; positions stored
    // on a screen of another size are scaled to this one and kept on it.
    void LoadState(LPCTSTR lpszProfileName, int nMaxRecords);
    // Scaling of the records read, with the stored screen size set.
    void ScaleRecords();
    // A record of the bar says it was hidden.
    BOOL IsStoredHidden(UINT nBarID) const;

    std::vector<CXTPToolBar::CToolBarInfo> m_arrInfo;
    CSize m_szScreen;
    CPoint m_ptMaxPos;
    CSize m_szStoredScreen;
    BOOL m_bScaling;

private:
    int ScaleX(int x) const;
    int ScaleY(int y) const;
    CPoint Clamp(CPoint pt) const;
};
