// The test display's keyboard switched to another X layout for a test's
// time. Under Wine the keys, the characters they type and the layout's key
// names come from the X display's keymap, so a test of a German key switches
// the display (setxkbmap) and switches it back at its end.
#pragma once
#include <windows.h>
#include <string>

class CDisplayKeymap
{
public:
    // Switches to the X layout ("de") and waits until this process's
    // keyboard has a key that types chOfLayout (one the display's own layout
    // lacks).
    CDisplayKeymap(const char* lpszLayout, wchar_t chOfLayout);
    // Back to the display's layout, waiting until the key is gone again.
    ~CDisplayKeymap();
    CDisplayKeymap(const CDisplayKeymap&) = delete;
    CDisplayKeymap& operator=(const CDisplayKeymap&) = delete;

    bool IsActive() const { return m_bActive; }
    // The key typing chOfLayout (its virtual-key code); 0 without one.
    WORD Key() const;
    // The key that types the character when pressed alone; 0 for none.
    static WORD KeyTyping(wchar_t ch);

private:
    bool Switch(const std::string& layout, bool bPresent);

    std::string m_previous;
    wchar_t m_ch;
    bool m_bSwitched = false;
    bool m_bActive = false;
};
