// The effect of a drag and drop (DROPEFFECT_COPY, _MOVE, _LINK, _SCROLL).
#pragma once
#include <windows.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;
