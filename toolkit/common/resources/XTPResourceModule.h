// The module the toolkit's own resources come from (for another language);
// none by default, so that they come from the application.
#pragma once
#include <windows.h>

// The toolkit's resource module, or null.
HMODULE XTPGetResourceModule();
// The instance handle that goes with it, or null.
HINSTANCE XTPGetResourceInstance();
// A null module makes the application's resources the only ones again.
void XTPSetResourceModule(HMODULE hModule, HINSTANCE hInstance = nullptr);
