// The base of every item a command bar shows: id, icons, texts, state and
// geometry, the answers bars, paint manager and customization ask of it,
// and the execution of its command.
#pragma once
#include <ole2.h>
#include <oleidl.h>
#include "framework/collections/CMap.h"
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/commandbars/accessibility/XTPAccessible.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CDC;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControls;
class CXTPImageManager;
class CXTPImageManagerIcon;
class CXTPPaintManager;
class CXTPPropExchange;

class CXTPControl : public CCmdTarget, public CXTPAccessible
{
    DECLARE_DYNCREATE(CXTPControl)
public:
    // Document-template resource id to a flag.
    class CDocTemplateMap : public CMap<UINT, UINT, int, int>
    {
    public:
        CDocTemplateMap() : CMap<UINT, UINT, int, int>(10) { InitHashTable(17, FALSE); }
        void Copy(const CDocTemplateMap& source);
        // A count, then id and flag pairs.
        void Serialize(CArchive& ar) override;
    };

    CXTPControl();
    ~CXTPControl() override;

    virtual CString GetCaption() const;
    virtual CString GetDescription() const { return m_strDescriptionText; }
    virtual CString GetTooltip(LPPOINT pPoint = nullptr, LPRECT lpRectTip = nullptr, int* nHit = nullptr) const;
    virtual void SetBeginGroup(BOOL bBeginGroup);
    virtual void SetEnabled(BOOL bEnabled);
    virtual int GetSelected() const { return m_bSelected; }
    virtual void SetFocused(BOOL /*bFocused*/) {}
    virtual BOOL IsFocused() const { return FALSE; }
    virtual void SetRect(CRect rcControl) { m_rcControl = rcControl; }
    virtual BOOL IsCaptionVisible() const;
    virtual BOOL Compare(CXTPControl* pOther);
    virtual CXTPCommandBar* GetCommandBar() const { return nullptr; }
    virtual BOOL IsLabelStyle() const { return FALSE; }
    virtual BOOL IsTransparent() const { return FALSE; }
    virtual void SetHideFlags(DWORD dwFlags) { m_dwHideFlags = dwFlags; }
    virtual void OnExecute();
    virtual CSize GetSize(CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void OnCalcDynamicSize(DWORD /*dwMode*/) {}
    virtual CXTPImageManagerIcon* GetImage(int nWidth = 16) const;
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual void OnMnemonicActivate() { OnExecute(); }
    virtual BOOL IsFocusable() const { return FALSE; }
    virtual int OnHookKeyDown(UINT /*nChar*/, LPARAM /*lParam*/) { return 0; }
    virtual int OnHookMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*pt*/) { return 0; }
    virtual void SetParent(CXTPCommandBar* pParent) { m_pParent = pParent; }
    virtual void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE);
    virtual BOOL OnSetPopup(BOOL /*bPopup*/) { return FALSE; }
    virtual void OnClick(BOOL /*bKeyboard*/ = FALSE, CPoint /*pt*/ = CPoint(0, 0)) {}
    virtual void OnLButtonUp(CPoint /*point*/) {}
    virtual void OnRButtonUp(CPoint /*point*/) {}
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint /*point*/) {}
    virtual void OnMouseHover();
    virtual BOOL SetSelected(int bSelected);
    virtual void CustomizeStartDrag(CPoint pt);
    virtual BOOL CustomizeStartResize(CPoint point);
    // In customize mode: the resize cursor over a resizable control's edges.
    BOOL SetCustomizeResizeCursor(CPoint point) const;
    virtual void OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point);
    virtual BOOL IsCustomizeDragOverAvail(CXTPCommandBar* /*pCommandBar*/, CPoint /*point*/, DROPEFFECT& /*dropEffect*/) { return TRUE; }
    virtual BOOL IsCustomizeResizeAllow() const { return FALSE; }
    virtual int GetCustomizeMinWidth() const { return 0; }
    virtual void SetWidth(int /*nWidth*/) {}
    virtual BOOL IsCustomizeMovable() const;
    virtual CXTPControl* Clone(BOOL bRecursive = FALSE);

    // Accessibility (the object answers for the control only, child id 0).
    CCmdTarget* GetCmdTarget() override { return this; }
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;

    // Plain fields.
    DWORD_PTR GetTag() const { return m_nTag; }
    void SetTag(DWORD_PTR nTag) { m_nTag = nTag; }
    int GetIndex() const { return m_nIndex; }
    int GetID() const { return m_nId; }
    void SetID(int nId);
    int GetIconId() const;
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nId) { m_nHelpId = nId; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
    BOOL GetWrap() const { return m_bWrap; }
    void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    BOOL GetEnabled() const { return m_bEnabled; }
    int GetChecked() const { return m_bChecked; }
    void SetChecked(int bChecked);
    int GetPressed() const { return m_bPressed; }
    void SetPressed(int bPressed) { m_bPressed = bPressed; }
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    CRect GetRect() const { return m_rcControl; }
    CRect GetRowRect() const { return m_rcRow; }
    void SetRowRect(CRect rcRow) { m_rcRow = rcRow; }
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    BOOL SetHideFlag(DWORD dwFlag, BOOL bSet);
    BOOL IsVisible() const { return m_dwHideFlags == 0; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    void SetCaption(const CString& strCaption);
    const CString& GetRawCaption() const { return m_strCaption; }
    const CString& GetCustomCaption() const { return m_strCustomCaption; }
    void SetCustomCaption(const CString& strCaption) { m_strCustomCaption = strCaption; }
    // The key shown beside a menu item: the explicit text, else the key the
    // accelerators gave when its menu opened, else the caption's own key.
    CString GetShortcutText() const;
    // The key its command answers to now: the explicit text, else what the
    // manager's current table says (whatever bar the control is on).
    CString GetCurrentShortcutText() const;
    void SetShortcutText(const CString& strText) { m_strShortcutText = strText; }
    // The text shown while no explicit one is set (a menu caption's tab part).
    CString GetShortcutTextAuto() const { return m_strShortcutTextAuto; }
    void SetShortcutTextAuto(const CString& strText) { m_strShortcutTextAuto = strText; }
    // The key the accelerator table gives the command (empty for none): shown
    // instead of the caption's own key while no explicit text is set.
    void SetAcceleratorText(const CString& strText);
    // The accelerators have no say: the caption's own key shows again.
    void ForgetAcceleratorText();
    void SetTooltip(const CString& strText) { m_strTooltipText = strText; }
    void SetDescription(const CString& strText) { m_strDescriptionText = strText; }
    void SetPrompt(const CString& strPrompt);
    CString GetParameter() const { return m_strParameter; }
    void SetParameter(const CString& strParameter) { m_strParameter = strParameter; }
    CXTPControls* GetControls() const { return m_pControls; }
    void SetControls(CXTPControls* pControls) { m_pControls = pControls; }
    XTPControlType GetType() const { return m_controlType; }
    // The popup class serves three types; the factory tells it which.
    void SetType(XTPControlType type) { m_controlType = type; }
    CXTPCommandBar* GetParent() const { return m_pParent; }
    BOOL GetRarelyUsed() const { return m_bRarelyUsed; }
    void SetRarelyUsed(BOOL bRarelyUsed);
    CString GetCategory() const { return m_strCategory; }
    void SetCategory(const CString& strCategory) { m_strCategory = strCategory; }
    BOOL IsDefaultItem() const { return m_bDefaultItem; }
    void SetDefaultItem(BOOL bDefaultItem);
    XTPButtonStyle GetStyle() const { return m_buttonCustomStyle != xtpButtonAutomatic ? m_buttonCustomStyle : m_buttonStyle; }
    void SetStyle(XTPButtonStyle style) { m_buttonStyle = style; }
    void SetCustomStyle(XTPButtonStyle style) { m_buttonCustomStyle = style; }
    BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
    CDocTemplateMap& GetDocTemplatesAssigned() { return m_mapDocTemplatesAssigned; }
    CDocTemplateMap& GetDocTemplatesExcluded() { return m_mapDocTemplatesExcluded; }

    // The chains through bar, collection and manager to the process-wide defaults.
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    CXTPCommandBars* GetCommandBars() const;

    void DelayLayoutParent();
    void RedrawParent(BOOL bAnimate = TRUE);
    BOOL IsCursorOver() const;
    LRESULT NotifySite(UINT nCode);
    BOOL IsCustomizeMode() const;

    DECLARE_INTERFACE_MAP()

protected:
    // The index of the control, kept by its collection.
    friend class CXTPControls;

    // Runs the loop of a mouse press on a toolbar button.
    void ClickToolBarButton(CRect rcActiveRect = CRect(0, 0, 0, 0));
    // Closes the open menus as a chosen command does.
    static void CloseMenus(CXTPCommandBar* pOutermost, CXTPCommandBars* pCommandBars);

    DWORD_PTR m_nTag;
    int m_nIndex;
    int m_nId;
    int m_nIconId;
    int m_nHelpId;
    int m_nCustomIconId;
    BOOL m_bWrap;
    BOOL m_bBeginGroup;
    BOOL m_bEnabled;
    int m_bChecked;
    int m_bSelected;
    int m_bPressed;
    BOOL m_bTemporary;
    CRect m_rcRow;
    CRect m_rcControl;
    DWORD m_dwHideFlags;
    DWORD m_dwFlags;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strShortcutTextAuto;
    CString m_strAcceleratorText;
    BOOL m_bAcceleratorText = FALSE;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strParameter;
    CXTPControls* m_pControls;
    XTPControlType m_controlType;
    CXTPCommandBar* m_pParent;
    BOOL m_bRarelyUsed;
    CString m_strCategory;
    BOOL m_bDefaultItem;
    CDocTemplateMap m_mapDocTemplatesAssigned;
    CDocTemplateMap m_mapDocTemplatesExcluded;
    XTPButtonStyle m_buttonStyle;
    XTPButtonStyle m_buttonCustomStyle;
    BOOL m_bCloseSubMenuOnClick;
};
