// The theme number of the current command-bar look, for the foundation's
// controls that follow it (bordered controls). The command bars register
// the query; without them the classic look (0) is assumed.
#pragma once

typedef int (*XTPBarThemeQuery)();

// Registers the query (null removes it).
void XTPSetBarThemeQuery(XTPBarThemeQuery pfnQuery);
// The current command-bar theme number, 0 when nobody answers.
int XTPGetCurrentBarTheme();
