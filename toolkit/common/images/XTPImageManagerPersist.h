// The toolkit's own clipboard formats.
#pragma once
#include <windows.h>

// Registered once per process under the name "Varnel ToolBar Image".
UINT XTPGetImageClipboardFormat();

// Registered once at start-up under the name "Alpha Bitmap Image": offered
// beside a CF_BITMAP, it says that the bitmap carries per-pixel alpha.
UINT XTPGetAlphaBitmapClipboardFormat();
