// Team names to the numbers of their flags in the flag strip (bitmap 141):
// German and English spellings, compared ignoring case.
#pragma once
#include <windows.h>

// 1 to 32, or -1 for a name no team has (no icon).
int GetTeamFlagNumber(LPCTSTR name);
