// What a stuck test program shows at the moment it is given up on: every
// top-level window of this process and what each of its threads holds
// (active window, focus, capture, a tracked menu). Read without sending a
// single message, so that a hung thread cannot hang the one that asks.
#pragma once
#include <windows.h>

#include <string>

namespace windowinventory {

// One line per top-level window of the process (top of the z-order first),
// then one per thread that owns any, each line starting with `prefix`.
// UTF-8 text.
std::string DescribeProcessWindows(DWORD processId, const std::string& prefix);

} // namespace windowinventory
