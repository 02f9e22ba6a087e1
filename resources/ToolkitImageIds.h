// Numbers of the toolkit's own images (drawn by tools/make_test_images.py)
// and of the small tray menu that goes with them. Plain #defines only:
// resource scripts include this too.
#pragma once

// Bitmap strips of 16 x 16 images
#define IDB_TOOLKIT_ALPHA_STRIP     21001   // 10 images, 32 bits with alpha
#define IDB_TOOLKIT_GREEN_STRIP     21002   // 4 images, 24 bits on pure green
#define IDB_TOOLKIT_MAGENTA_STRIP   21003   // 4 images, 24 bits on magenta

// Toolbar resource (type 241) over the green strip: 200, separator, 201, 202, 203
#define IDR_TOOLKIT_GREEN_STRIP     21002
// Toolbar resource of two separators and no button, over the magenta strip
#define IDR_TOOLKIT_SEPARATORS_ONLY 21003

// Icons: 32-bit images at 16 and 32 pixels; plain 24-bit images at 16
#define IDI_TOOLKIT_APP             21010
#define IDI_TOOLKIT_PLAIN1          21011
#define IDI_TOOLKIT_PLAIN2          21012
#define IDI_TOOLKIT_PLAIN3          21013

// Tray menu: the menu's id is the id of the tray icon it belongs to
#define IDR_TOOLKIT_TRAY            21020
#define ID_TOOLKIT_TRAY_OPEN        21021
#define ID_TOOLKIT_TRAY_EXIT        21022
