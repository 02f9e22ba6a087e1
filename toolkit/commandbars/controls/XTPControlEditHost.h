// Owns and drives the edit window that an edit box or a combo box hosts on
// its bar: creating, placing, showing and re-creating it, its text and edit
// hint, its character format, the focus it takes and hands back, the keys and
// mouse input it handles for the control, and the shell's auto-completion.
#pragma once
#include <windows.h>
#include <functional>
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CFont;
class CWnd;
class CXTPCommandBar;
class CXTPControl;
class CXTPEdit;
class CXTPControlComboBoxAutoCompleteWnd;

class CXTPControlEditHost
{
public:
    explicit CXTPControlEditHost(CXTPControl* pControl);
    virtual ~CXTPControlEditHost();
    CXTPControlEditHost(const CXTPControlEditHost&) = delete;
    CXTPControlEditHost& operator=(const CXTPControlEditHost&) = delete;

    // The control's edit window object; the control owns it.
    virtual CXTPEdit* GetEdit() const = 0;
    // Null while the window does not exist.
    HWND GetSafeHwnd() const;
    BOOL IsImeComposing() const;
    BOOL IsHintShown() const { return m_bHintShown; }
    CXTPControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoCompleteWnd; }

    // The next placement moves the window even over an unchanged rectangle.
    void RequestPlacement() { m_bPlacementPending = TRUE; }
    BOOL IsPlacementPending() const { return m_bPlacementPending; }
    // The next placement makes a new window.
    void RequestRecreate() { m_bRecreate = TRUE; }
    void CancelRecreate() { m_bRecreate = FALSE; }
    // Destroys a window that must be made anew (asked for, marked by its
    // style, or under another parent than the bar), or any when bDrop.
    void DropStaleWindow(BOOL bDrop);
    // Creates what is missing and puts the window at rcEdit with the bar's
    // font, the character format and the control's hide flags; FALSE when
    // the window cannot be created.
    BOOL Place(const CRect& rcEdit);
    // Gives the window the bars' font when it has another one: the font may
    // change while the window keeps its rectangle.
    void FollowBarFont();
    // Destroys the window and the shell's completion; the text stays cached.
    // The control calls it while it is whole: the window's last messages reach it.
    void Destroy();
    // A new bar takes the window over; without one the window goes.
    void OnParentChanging(CXTPCommandBar* pParent);

    // The text; never the hint. An empty text on an unfocused control shows the hint.
    CString GetText() const;
    void SetText(const CString& strText);
    // Puts text into the window without the control hearing of an edit.
    void SetWindowTextQuietly(const CString& strText);
    void ShowHint(BOOL bShow);
    void OnHintChanged();
    // Colour and back colour after the enabled state and the hint.
    void GetDefaultCharFormat(void* pCharFormat2) const;
    void ApplyCharFormat();

    void OnEnabled(BOOL bEnabled);
    // Any hide flag hides the window, none shows it; the bar lays out anew.
    void SetHideFlags(DWORD dwFlags);
    // On vertical bars the control hides itself.
    void OnCalcDynamicSize(DWORD dwMode);

    // Gives the window the focus, or gives it back to where it came from;
    // the control's handlers run when the window already has it or has none.
    void SetFocused(BOOL bFocused);
    // The first and the last part of the control's gaining the focus: the
    // hint goes; the bar tracks with the control selected, hovering is held,
    // the site hears nNotify, the shell's completion starts.
    void BeginFocus(CWnd* pOldWnd);
    void EnterBarFocus(UINT nNotify);
    // Losing it: hovering is free again, the site hears nNotify, an empty
    // text shows the hint, the shell's completion ends.
    void LeaveBarFocus(UINT nNotify);
    void RestartAutoComplete();

    // 1 when the edit window took the key (editing, navigation, the clipboard
    // letters with Ctrl), else 2: past the frame's accelerators either way.
    int OnEditKey(UINT nChar, LPARAM lParam);
    // TRUE when a click ends here: during a composition, or as the start of
    // customize mode's drag.
    BOOL OnClickHandled(CPoint pt);

    // The edit window's message through the host around the window's own
    // handling (windowProc).
    LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, const std::function<LRESULT()>& windowProc);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    // What the hosting control decides.
    // Creates the window object when the control has none yet.
    virtual CXTPEdit* EnsureEdit() = 0;
    virtual CString GetEditHint() const = 0;
    virtual DWORD GetEditStyle() const = 0;
    virtual DWORD GetShellAutoComplete() const = 0;
    virtual void GetControlCharFormat(void* pCharFormat2) = 0;
    virtual void OnFocusGained(CWnd* pOldWnd) = 0;
    virtual void OnFocusLost(CWnd* pNewWnd) = 0;
    virtual void OnTextEdited() = 0;

private:
    void CreateAutoCompleteWnd();
    void DeleteAutoCompleteWnd();
    // Before the window's own handling; TRUE: handled.
    BOOL OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    CFont* GetBarFont() const;
    BOOL IsBarFontGiven() const;
    void ApplyBarFont();
    // A mouse message's point, from the edit window's coordinates into the bar's.
    CPoint BarPointOf(LPARAM lParam) const;
    // After the edit window took the focus.
    void OnWindowFocused(HWND hOldWnd);
    // After the edit window heard of new system colours.
    void OnSysColorChanged();

    CXTPControl* m_pControl;
    // The text, cached while the window does not exist.
    CString m_strText;
    BOOL m_bHintShown = FALSE;
    // The host itself puts text or the hint into the window: no edit.
    BOOL m_bSettingText = FALSE;
    BOOL m_bPlacementPending = FALSE;
    BOOL m_bRecreate = FALSE;
    // The bars' font as the window last got it; a font made anew may reuse the handle.
    HFONT m_hFontGiven = nullptr;
    LOGFONTW m_lfGiven = {};
    // The font last set on the window by anyone.
    HFONT m_hFontSet = nullptr;
    // Where the focus goes back to when the edit window gives it up.
    HWND m_hwndFocusBefore = nullptr;
    CXTPControlComboBoxAutoCompleteWnd* m_pAutoCompleteWnd = nullptr;
};

// The host of one kind of control: asks the control what the host leaves to
// it, and keeps the edit window object in the control's own field.
template <class TControl>
class CXTPControlEditHostFor : public CXTPControlEditHost
{
public:
    explicit CXTPControlEditHostFor(TControl* pControl) : CXTPControlEditHost(pControl), m_pOwner(pControl) {}

    CXTPEdit* GetEdit() const override { return m_pOwner->m_pEdit; }

protected:
    CXTPEdit* EnsureEdit() override
    {
        if (!m_pOwner->m_pEdit)
            m_pOwner->m_pEdit = m_pOwner->CreateEditControl();
        return m_pOwner->m_pEdit;
    }
    CString GetEditHint() const override { return m_pOwner->GetEditHint(); }
    DWORD GetEditStyle() const override { return m_pOwner->GetEditStyle(); }
    DWORD GetShellAutoComplete() const override { return m_pOwner->GetShellAutoComplete(); }
    void GetControlCharFormat(void* pCharFormat2) override { m_pOwner->GetDefaultCharFormat(pCharFormat2); }
    void OnFocusGained(CWnd* pOldWnd) override { m_pOwner->OnSetFocus(pOldWnd); }
    void OnFocusLost(CWnd* pNewWnd) override { m_pOwner->OnKillFocus(pNewWnd); }
    void OnTextEdited() override { m_pOwner->OnEditChanged(); }

private:
    TControl* m_pOwner;
};
