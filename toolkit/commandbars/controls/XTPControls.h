// The ordered controls of one bar (or of a free-standing collection of the
// manager), the control factory and the row layout of toolbars.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CDC;
class CMenu;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPPropExchange;

class CXTPControls : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPControls)
public:
    CXTPControls();
    ~CXTPControls() override;

    virtual void DoPropExchange(CXTPPropExchange* pPX);

    // Takes over the caller's reference; before outside the list appends.
    CXTPControl* Add(CXTPControl* pControl, int nId = 0, const CString& strParameter = CString(), int nBefore = -1,
                     BOOL bTemporary = FALSE);
    // The control factory: the class that serves a control type (and, for
    // buttons, a list placeholder's id), added like a made control.
    CXTPControl* AddByType(XTPControlType controlType, int nId, const CString& strParameter = CString(),
                           int nBefore = -1, BOOL bTemporary = FALSE);
    CXTPControl* Add(XTPControlType controlType, int nId, const CString& strParameter = CString(), int nBefore = -1,
                     BOOL bTemporary = FALSE)
    {
        return AddByType(controlType, nId, strParameter, nBefore, bTemporary);
    }
    CXTPControl* AddClone(CXTPControl* pClone, int nBefore = -1, BOOL bRecursive = FALSE);
    CXTPControl* AddMenuItem(CMenu* pMenu, int nIndex);
    void Remove(CXTPControl* pControl);
    void RemoveAt(int nIndex);
    void RemoveAll();
    // Takes the control at nFrom out and puts it back before nTo.
    void MoveAt(int nFrom, int nTo);

    int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
    CXTPControl* GetAt(int nIndex) const;
    CXTPControl* GetFirst() const { return GetAt(0); }
    CXTPControl* GetNextControl(CXTPControl* pControl) const;
    CXTPControl* FindControl(int nId) const;

    // Keyboard navigation: the next index from nStart in steps of nStep
    // (+1 or -1), wrapping once; -1 when nothing qualifies.
    int GetNext(int nStart, int nStep, BOOL bSkipNoFocus = TRUE, BOOL bSkipTemporary = FALSE,
                BOOL bSkipCollapsed = TRUE) const;
    CXTPControl* FindControl(XTPControlType type, int nId, BOOL bVisible, BOOL bRecursive) const;
    CXTPControl* HitTest(CPoint point) const;
    int GetVisibleCount(BOOL bStrict = FALSE) const;
    // A free-standing collection of clones.
    CXTPControls* Duplicate(BOOL bRecursive = FALSE) const;
    void CreateInitialControls();
    CXTPControls* GetOriginalControls() const { return m_pOriginalControls; }
    // Takes a reference of its own; null drops the set.
    void SetOriginalControls(CXTPControls* pControls);
    // The same controls in the same order, temporary ones left aside.
    BOOL IsEqual(const CXTPControls* pOther) const;
    BOOL IsChanged() const;
    // The row layout (see CXTPControlsLayout); the bar's size.
    CSize CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder, int nMinimum = 0);

    CXTPCommandBar* GetParent() const { return m_pParent; }
    void SetParent(CXTPCommandBar* pParent);
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }

protected:
    // Renumbers the controls from the index on and tells the bar.
    void RefreshIndexes(int nFrom = 0);

    CXTPCommandBar* m_pParent;
    CArray<CXTPControl*, CXTPControl*> m_arrControls;
    CXTPCommandBars* m_pCommandBars;
    CXTPControls* m_pOriginalControls;
};
