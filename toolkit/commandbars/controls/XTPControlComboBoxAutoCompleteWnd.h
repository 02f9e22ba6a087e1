// The shell's auto-completion on an edit part, and the watch over the
// shell's suggestion list while the edit part has the focus: clicks in the
// list do not close the bars, and the combo box's own list makes way.
#pragma once
#include "toolkit/commandbars/input/XTPHookManager.h"

class CXTPControlComboBoxAutoCompleteWnd : public CXTPHookManagerHookAble
{
public:
    CXTPControlComboBoxAutoCompleteWnd();
    ~CXTPControlComboBoxAutoCompleteWnd() override;
    CXTPControlComboBoxAutoCompleteWnd(const CXTPControlComboBoxAutoCompleteWnd&) = delete;
    CXTPControlComboBoxAutoCompleteWnd& operator=(const CXTPControlComboBoxAutoCompleteWnd&) = delete;

    // Turns the shell's completion on for the edit window and starts the
    // watch; FALSE when the shell offers no completion.
    BOOL SetupEditWindow(HWND hEdit, DWORD dwFlags);

    BOOL IsSuggestShown() const { return m_hWndSuggest != nullptr; }
    HWND GetSuggestWindow() const { return m_hWndSuggest; }
    // The suggestion list takes a key as a dialog message.
    void ForwardKey(UINT nChar, LPARAM lParam);
    void HideSuggest();

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // What the watch does with a window being shown or hidden.
    void OnWindowPosChanging(HWND hWnd, UINT nFlags);

private:
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);

    HWND m_hEdit;
    HWND m_hWndSuggest;
};
