// Whether the machine has a way to the network at all, without sending
// anything: a default route in the IP routing table.
#pragma once
#include <windows.h>

BOOL IsOnline();
