// Enabling and disabling the buttons of the customize sheet's pages without
// leaving the sheet without the keyboard.
#pragma once
#include <windows.h>

class CWnd;

// Enables or disables a page's control. A control that holds the focus as
// it is disabled first hands it to pFocusTo (a control of the same page),
// or without one to the page's next control: a disabled focus window leaves
// no window with the keyboard, and the sheet would take no key until clicked.
void XTPEnableKeepingFocus(CWnd* pControl, BOOL bEnable, CWnd* pFocusTo);
