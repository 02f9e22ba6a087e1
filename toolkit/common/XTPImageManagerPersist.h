// The clipboard format under which the icons of one command id travel.
#pragma once
#include <windows.h>

// Registered once per process under the name "Varnel ToolBar Image".
UINT XTPGetImageClipboardFormat();
