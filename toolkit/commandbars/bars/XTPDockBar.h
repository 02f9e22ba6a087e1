// The strip along one side of the frame in which toolbars dock. It keeps its
// toolbars in rows (a null entry ends a row), lays the rows out when the
// frame recalculates its layout and squeezes, shifts and wraps bars that do
// not fit. The toolbars belong to the manager, not to the dock bar.
#pragma once
#include <vector>
#include "framework/collections/CArray.h"
#include "framework/gdi/CRect.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPCommandBars;
class CXTPToolBar;

// Bar flags the dock bar looks at.
const DWORD XTP_BARFLAG_HIDEWRAP = 32;          // may shrink when the row is too long
const DWORD XTP_BARFLAG_STRETCHED = 64;         // stands alone in its row, full length
const DWORD XTP_BARFLAG_STRETCHEDSHARED = 0x100000;  // fills the gap to its neighbours

// Style bits of a dock bar beyond its alignment.
const DWORD XTP_DOCKBAR_STYLEMASK = 0x40FFFF;
// Wide enough for any row: the stretched length before clipping.
const int XTP_DOCKBAR_STRETCH = 32767;

class CXTPDockBar : public CWnd
{
    DECLARE_DYNCREATE(CXTPDockBar)
public:
    // One bar of a row while the row is laid out (horizontal frame).
    struct DOCK_INFO
    {
        CXTPToolBar* pBar;
        CRect rcBar;
        CRect rcMRUPos;
        int nIndex;
        int nMinWidth;
        int nTotal;
        BOOL bMoved;
    };
    typedef std::vector<DOCK_INFO> CDockInfoArray;
    typedef std::vector<CXTPToolBar*> CToolBarArray;

    explicit CXTPDockBar(CXTPCommandBars* pCommandBars = nullptr);
    ~CXTPDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    XTPBarPosition GetPosition() const;
    BOOL IsHorizontal() const { return GetPosition() <= xtpBarBottom; }
    DWORD GetDockStyle() const { return m_dwStyle; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }

    // Docks at the rectangle's centre (screen coordinates), or as a new last
    // row without one.
    void DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect = nullptr);
    // A screen rectangle in the client area, left before right also on a
    // mirrored (right-to-left) frame, where mapping swaps the two.
    CRect ScreenToDock(CRect rc) const;
    // The bar's window rectangle in the client area: its docked place.
    CRect DockedRect(CWnd* pBar) const;
    BOOL RemoveCommandBar(CXTPToolBar* pBar, int nPosExclude = -1);
    int FindBar(CXTPToolBar* pBar, int nPosExclude = -1) const;
    // The visible bars of the row holding nPos, in their order along it.
    void GetRowBars(int nPos, CToolBarArray& arrRow) const;
    // Lays every row out; returns the dock bar's size. Bars move only when
    // a deferred-positions record is given.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* lpLayout);

    // The array as it is: bars and row ends (null).
    int GetEntryCount() const { return static_cast<int>(m_arrBars.GetSize()); }
    CXTPToolBar* GetEntry(int nIndex) const { return m_arrBars[nIndex]; }
    int GetRowCount() const;
    // Puts the bars (null: a row end) in front of the rows there are, in
    // that order; the bars must be on no dock bar.
    void PlaceEntries(const CToolBarArray& arrEntries);
    // The layout mode a toolbar gets in this dock bar.
    DWORD GetBarMode(CXTPToolBar* pBar) const;

protected:
    int InsertBar(CXTPToolBar* pBar, CPoint ptMid);
    int AdjustRow(const CToolBarArray& arrRow, int nOrigin, int nLength, BOOL bHorz, HDWP hDWP, int& nRemove);
    int AdjustRowWrap(CToolBarArray arrRow, int nOrigin, int nLength, BOOL bHorz, HDWP hDWP);
    void FixStretchedRows();
    CSize MeasureBar(CXTPToolBar* pBar, int nLength, DWORD dwMode, BOOL bHorz) const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CXTPCommandBars* m_pCommandBars;
    CArray<CXTPToolBar*, CXTPToolBar*> m_arrBars;
    DWORD m_dwStyle;
};
