// The ordered controls of one bar (or of a free-standing collection of the
// manager), the control factory and the row layout of toolbars.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

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
    CXTPControl* Add(XTPControlType controlType, int nId, const CString& strParameter = CString(), int nBefore = -1,
                     BOOL bTemporary = FALSE);
    CXTPControl* AddClone(CXTPControl* pClone, int nBefore = -1, BOOL bRecursive = FALSE);
    CXTPControl* AddMenuItem(CMenu* pMenu, int nIndex);
    void Remove(CXTPControl* pControl);
    void RemoveAt(int nIndex);
    void RemoveAll();

    int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
    CXTPControl* GetAt(int nIndex) const;
    CXTPControl* GetFirst() const { return GetAt(0); }
    CXTPControl* GetNextControl(CXTPControl* pControl) const;
    CXTPControl* FindControl(int nId) const;

    CXTPCommandBar* GetParent() const { return m_pParent; }
    void SetParent(CXTPCommandBar* pParent);
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }

protected:
    void RefreshIndexes();

    CXTPCommandBar* m_pParent;
    CArray<CXTPControl*, CXTPControl*> m_arrControls;
    CXTPCommandBars* m_pCommandBars;
    CXTPControls* m_pOriginalControls;
};
