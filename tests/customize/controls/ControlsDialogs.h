// Dialog templates of the standalone-control tests.
#pragma once

// Shaped like the program's options dialog: check boxes, an interval with
// its spin, the alert-sound browse edit and its play button.
#define IDD_CONTROLS_OPTIONS        32100
#define IDC_CONTROLS_INTERVAL       1006
#define IDC_CONTROLS_SPIN           1008
#define IDC_CONTROLS_AUTOSTART      1004
#define IDC_CONTROLS_AUTOSCAN       1005
#define IDC_CONTROLS_MINIMIZED      1007
#define IDC_CONTROLS_BEEP           1010
#define IDC_CONTROLS_SOUND          1012
#define IDC_CONTROLS_PLAY           1013
