#include "toolkit/common/resources/XTPResourceModule.h"

namespace {
HMODULE s_hResourceModule = nullptr;
HINSTANCE s_hResourceInstance = nullptr;
}

HMODULE XTPGetResourceModule()
{
    return s_hResourceModule;
}

HINSTANCE XTPGetResourceInstance()
{
    return s_hResourceInstance;
}

void XTPSetResourceModule(HMODULE hModule, HINSTANCE hInstance)
{
    s_hResourceModule = hModule;
    s_hResourceInstance = hModule ? hInstance : nullptr;
}
