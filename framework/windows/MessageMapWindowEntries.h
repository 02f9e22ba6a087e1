// Message map entries for window messages, each calling the CWnd handler of
// the same name with the message's parameters unpacked.
#pragma once

#define AFX_PT(lp) CPoint((short)LOWORD(lp), (short)HIWORD(lp))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

#define ON_WM_CREATE() \
    AFX_MSG_ENTRY(WM_CREATE, call.result = (LRESULT)self->OnCreate((LPCREATESTRUCT)call.lParam); return TRUE;)
#define ON_WM_NCCREATE() \
    AFX_MSG_ENTRY(WM_NCCREATE, call.result = (LRESULT)self->OnNcCreate((LPCREATESTRUCT)call.lParam); return TRUE;)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, self->OnDestroy(); return TRUE;)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, self->OnNcDestroy(); return TRUE;)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, self->OnClose(); return TRUE;)
#define ON_WM_SIZE() \
    AFX_MSG_ENTRY(WM_SIZE, self->OnSize((UINT)call.wParam, (short)LOWORD(call.lParam), (short)HIWORD(call.lParam)); return TRUE;)
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, self->OnSizing((UINT)call.wParam, (LPRECT)call.lParam); call.result = TRUE; return TRUE;)
#define ON_WM_MOVE() \
    AFX_MSG_ENTRY(WM_MOVE, self->OnMove((short)LOWORD(call.lParam), (short)HIWORD(call.lParam)); return TRUE;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, self->OnPaint(); return TRUE;)
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, self->OnNcPaint(); return TRUE;)
#define ON_WM_ERASEBKGND() \
    AFX_MSG_ENTRY(WM_ERASEBKGND, call.result = self->OnEraseBkgnd(CDC::FromHandle((HDC)call.wParam)); return TRUE;)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, self->OnTimer((UINT_PTR)call.wParam); return TRUE;)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, self->OnShowWindow((BOOL)call.wParam, (UINT)call.lParam); return TRUE;)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, self->OnEnable((BOOL)call.wParam); return TRUE;)
#define ON_WM_ACTIVATE() \
    AFX_MSG_ENTRY(WM_ACTIVATE, self->OnActivate(LOWORD(call.wParam), AFX_WND(call.lParam), HIWORD(call.wParam)); return TRUE;)
#define ON_WM_ACTIVATEAPP() \
    AFX_MSG_ENTRY(WM_ACTIVATEAPP, self->OnActivateApp((BOOL)call.wParam, (DWORD)call.lParam); return TRUE;)
#define ON_WM_MOUSEACTIVATE() \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE, call.result = self->OnMouseActivate(AFX_WND(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam)); return TRUE;)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, self->OnSetFocus(AFX_WND(call.wParam)); return TRUE;)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, self->OnKillFocus(AFX_WND(call.wParam)); return TRUE;)
#define ON_WM_SETCURSOR() \
    AFX_MSG_ENTRY(WM_SETCURSOR, call.result = self->OnSetCursor(AFX_WND(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam)); return TRUE;)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, self->OnGetMinMaxInfo((MINMAXINFO*)call.lParam); return TRUE;)
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, self->OnWindowPosChanging((WINDOWPOS*)call.lParam); return TRUE;)
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged((WINDOWPOS*)call.lParam); return TRUE;)
#define ON_WM_STYLECHANGED() \
    AFX_MSG_ENTRY(WM_STYLECHANGED, self->OnStyleChanged((int)call.wParam, (LPSTYLESTRUCT)call.lParam); return TRUE;)
#define ON_WM_STYLECHANGING() \
    AFX_MSG_ENTRY(WM_STYLECHANGING, self->OnStyleChanging((int)call.wParam, (LPSTYLESTRUCT)call.lParam); return TRUE;)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, call.result = self->OnGetDlgCode(); return TRUE;)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, self->OnCancelMode(); return TRUE;)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, self->OnCaptureChanged(AFX_WND(call.lParam)); return TRUE;)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, self->OnSysColorChange(); return TRUE;)
#define ON_WM_SETTINGCHANGE() \
    AFX_MSG_ENTRY(WM_SETTINGCHANGE, self->OnSettingChange((UINT)call.wParam, (LPCTSTR)call.lParam); return TRUE;)
#define ON_WM_CONTEXTMENU() \
    AFX_MSG_ENTRY(WM_CONTEXTMENU, self->OnContextMenu(AFX_WND(call.wParam), AFX_PT(call.lParam)); return TRUE;)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, self->OnSysCommand((UINT)call.wParam, call.lParam); return TRUE;)
#define ON_WM_INITMENUPOPUP() \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP, self->OnInitMenuPopup(CMenu::FromHandle((HMENU)call.wParam), LOWORD(call.lParam), HIWORD(call.lParam)); return TRUE;)
#define ON_WM_MENUSELECT() \
    AFX_MSG_ENTRY(WM_MENUSELECT, self->OnMenuSelect(LOWORD(call.wParam), HIWORD(call.wParam), (HMENU)call.lParam); return TRUE;)
#define ON_WM_ENTERIDLE() AFX_MSG_ENTRY(WM_ENTERIDLE, self->OnEnterIdle((UINT)call.wParam, AFX_WND(call.lParam)); return TRUE;)
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELPINFO, call.result = self->OnHelpInfo((HELPINFO*)call.lParam); return TRUE;)
#define ON_WM_QUERYENDSESSION() AFX_MSG_ENTRY(WM_QUERYENDSESSION, call.result = self->OnQueryEndSession(); return TRUE;)
#define ON_WM_ENDSESSION() AFX_MSG_ENTRY(WM_ENDSESSION, self->OnEndSession((BOOL)call.wParam); return TRUE;)
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, self->OnParentNotify(LOWORD(call.wParam), call.lParam); return TRUE;)
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, self->OnDropFiles((HDROP)call.wParam); return TRUE;)

// Mouse in the client area: void OnXxx(UINT nFlags, CPoint point)
#define AFX_MOUSE_ENTRY(msg, fn) AFX_MSG_ENTRY(msg, self->fn((UINT)call.wParam, AFX_PT(call.lParam)); return TRUE;)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_MBUTTONDBLCLK, OnMButtonDblClk)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL() \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL, call.result = self->OnMouseWheel(LOWORD(call.wParam), (short)HIWORD(call.wParam), AFX_PT(call.lParam)); return TRUE;)
#define ON_WM_MOUSEHOVER() AFX_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, self->OnMouseLeave(); return TRUE;)
#define ON_WM_NCMOUSELEAVE() AFX_MSG_ENTRY(WM_NCMOUSELEAVE, self->OnNcMouseLeave(); return TRUE;)

// Mouse in the non-client area: void OnNcXxx(UINT nHitTest, CPoint point)
#define AFX_NCMOUSE_ENTRY(msg, fn) AFX_MSG_ENTRY(msg, self->fn((UINT)call.wParam, AFX_PT(call.lParam)); return TRUE;)
#define ON_WM_NCMOUSEMOVE() AFX_NCMOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_NCMOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_NCMOUSE_ENTRY(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_NCMOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)
// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, call.result = (LRESULT)self->OnNcHitTest(AFX_PT(call.lParam)); return TRUE;)
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS*)
#define ON_WM_NCCALCSIZE() \
    AFX_MSG_ENTRY(WM_NCCALCSIZE, self->OnNcCalcSize((BOOL)call.wParam, (NCCALCSIZE_PARAMS*)call.lParam); return TRUE;)
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, call.result = self->OnNcActivate((BOOL)call.wParam); return TRUE;)

// Keyboard: void OnXxx(UINT nChar, UINT nRepCnt, UINT nFlags)
#define AFX_KEY_ENTRY(msg, fn) \
    AFX_MSG_ENTRY(msg, self->fn((UINT)call.wParam, LOWORD(call.lParam), HIWORD(call.lParam)); return TRUE;)
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)

// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
#define ON_WM_HSCROLL() \
    AFX_MSG_ENTRY(WM_HSCROLL, self->OnHScroll(LOWORD(call.wParam), HIWORD(call.wParam), (CScrollBar*)AFX_WND(call.lParam)); return TRUE;)
#define ON_WM_VSCROLL() \
    AFX_MSG_ENTRY(WM_VSCROLL, self->OnVScroll(LOWORD(call.wParam), HIWORD(call.wParam), (CScrollBar*)AFX_WND(call.lParam)); return TRUE;)

// Owner-drawn children
#define ON_WM_DRAWITEM() \
    AFX_MSG_ENTRY(WM_DRAWITEM, self->OnDrawItem((int)call.wParam, (LPDRAWITEMSTRUCT)call.lParam); call.result = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM() \
    AFX_MSG_ENTRY(WM_MEASUREITEM, self->OnMeasureItem((int)call.wParam, (LPMEASUREITEMSTRUCT)call.lParam); call.result = TRUE; return TRUE;)
// HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor)
#define ON_WM_CTLCOLOR() \
    AFX_MSG_ENTRY(WM_CTLCOLOR, call.result = (LRESULT)self->OnCtlColor(CDC::FromHandle((HDC)call.wParam), AFX_WND(call.lParam), call.nCode); return TRUE;)

// The framework's messages
// LRESULT OnSizeParent(WPARAM, LPARAM)
#define ON_WM_SIZEPARENT() ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
// LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
#define ON_WM_IDLEUPDATECMDUI() ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
