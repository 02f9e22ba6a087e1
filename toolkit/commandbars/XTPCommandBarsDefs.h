// Numbers shared by bars, controls, their site and the paint manager.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "framework/windows/CControlBar.h"

class CXTPControl;

// Drop effects of drag and drop (DROPEFFECT_COPY, DROPEFFECT_MOVE, ...).
typedef DWORD DROPEFFECT;

enum XTPControlType
{
    xtpControlError = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,
    xtpControlButtonPopup = 3,
    xtpControlSplitButtonPopup = 4,
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8,
};

enum XTPButtonStyle
{
    xtpButtonAutomatic = 0,
    xtpButtonCaption = 1,
    xtpButtonIcon = 2,
    xtpButtonIconAndCaption = 3,
    xtpButtonIconAndCaptionBelow = 4,
};

enum XTPCommandBarType
{
    xtpBarTypeMenuBar = 0,
    xtpBarTypeNormal = 1,
    xtpBarTypePopup = 2,
};

enum XTPCommandBarPosition
{
    xtpBarTop = 0,
    xtpBarBottom = 1,
    xtpBarLeft = 2,
    xtpBarRight = 3,
    xtpBarFloating = 4,
    xtpBarPopup = 5,
    xtpBarListBox = 6,
    xtpBarNone = 7,
};
using XTPBarPosition = XTPCommandBarPosition;

// Why a control is hidden; it shows only while none is set.
enum XTPControlHideFlags
{
    xtpHideGeneric = 1,
    xtpHideWrap = 2,
    xtpHideDockingPosition = 4,
    xtpHideScroll = 8,
    xtpHideCustomize = 16,
    xtpHideExpand = 32,
    xtpHideDocTemplate = 64,
};

enum XTPControlFlags
{
    xtpFlagRightAlign = 1,
    xtpFlagSkipFocus = 2,
    xtpFlagManualUpdate = 8,
    xtpFlagNoMovable = 16,
    xtpFlagControlStretched = 32,
};

// Tracking modes of a bar.
enum XTPTrackingMode
{
    xtpTrackingNone = 0,
    xtpTrackingKeyboard = 1,
    xtpTrackingPopup = 2,
};

// Special glyph buttons the paint manager draws.
enum XTPSpecialControl
{
    xtpButtonExpandToolbar = 0,
    xtpButtonExpandMenu = 1,
    xtpButtonHideFloating = 2,
    xtpButtonCustomize = 3,
};

// Menu sounds.
enum XTPSoundMenuSound
{
    xtpSoundNone = 0,
    xtpSoundMenuCommand = 1,
    xtpSoundMenuPopup = 2,
};

const UINT WM_XTP_TOOLBAR_VISIBLE = 0x2855;
const UINT WM_XTP_CONTROL_SELECTED = 0x2856;
const UINT WM_XTP_CUSTOMIZE_SELCHANGED = 0x2857;
const UINT WM_XTP_MENUBAR_TRACKING = 0x2858;
const UINT WM_XTP_CONTROL_RBUTTONUP = 0x2859;
const UINT WM_XTP_TRACKING_KEYDOWN = 0x285A;
const UINT WM_XTP_POPUP_OPENING = 0x285B;
const UINT WM_XTP_TOOLBARS_CONTEXTMENU = 0x285C;
const UINT WM_XTP_POPUP_CLOSED = 0x285D;
const UINT WM_XTP_CREATE_CONTROL = 0x285E;
const UINT WM_XTP_CONTROL_CREATED = 0x285F;
const UINT WM_XTP_GETWINDOWICON = 0x2860;
const UINT WM_XTP_CREATE_COMMANDBAR = 0x2861;
const UINT WM_XTP_CONTROL_NOTIFY = 0x2862;
const UINT WM_XTP_TOOLBAR_RESET = 0x2864;
const UINT WM_XTP_TOOLBAR_ADDED = 0x2865;
const UINT WM_XTP_TOOLBAR_DELETING = 0x2866;

// Notification codes of WM_XTP_CONTROL_NOTIFY.
const UINT CBN_XTP_EXECUTE = 100;
const UINT XTP_FN_TEXTCHANGED = 0x300;

// The record sent with WM_XTP_CONTROL_NOTIFY.
struct NMXTPCONTROL
{
    NMHDR hdr;
    CXTPControl* pControl;
};

// Pending work of a bar, turned into one layout and one redraw at idle time.
const DWORD XTP_BAR_PENDING_LAYOUT = 1;
const DWORD XTP_BAR_PENDING_REDRAW = 2;

// Popup tracking flag: the caller waits for the chosen id.
const DWORD XTP_TRACK_RETURNCMD = 0x100;
// Popup tracking flag: other tracked bars stay open.
const DWORD XTP_TRACK_KEEPOTHERS = 1;

// Hide what does not fit instead of wrapping.
const DWORD LM_HIDEWRAP = 0x80;
// Wrap at every group start and size like a floating bar.
const DWORD LM_POPUP = 0x100;
// Bar style bit: large buttons with captions below their icons.
const DWORD XTP_CBRS_LARGE_BUTTONS = 0x200000;

class CMenu;
class CXTPCommandBar;

// Asked of the site (WM_XTP_CREATE_CONTROL, then WM_XTP_CONTROL_CREATED)
// for every control made from a menu item or a toolbar button.
struct XTPCreateControlRequest
{
    int nID;
    CXTPControl* pControl;
    BOOL bToolBar;
    int nIndex;
    CMenu* pMenu;
    CXTPCommandBar* pCommandBar;
    XTPControlType controlType;
    XTPButtonStyle buttonStyle;
    LPCWSTR lpszCaption;
};

// Asked of the site (WM_XTP_CREATE_COMMANDBAR) before a bar is made: the site
// may place a bar of its own in the first field.
struct XTPCreateCommandBarRequest
{
    CXTPCommandBar* pCommandBar;
    DWORD dwReserved1;
    DWORD dwReserved2;
    BOOL bPopup;
    BOOL bTearOff;
    LPCWSTR lpszTitle;
    UINT nID;
};
