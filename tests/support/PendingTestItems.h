// What the tests set that outlives the call setting it (thread timers,
// hooks), recorded until it is ended, so that the leftover check can name
// and end what a test left pending. Tests use ThreadTimer.h / ThreadHook.h.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace testpending {

enum class Kind { Timer, Hook, WinEventHook };

struct Item
{
    Kind kind;
    UINT_PTR handle;      // timer id, HHOOK or HWINEVENTHOOK
    DWORD thread;         // the thread that set it (both die with it)
    unsigned long serial; // order of setting: newer items have larger ones
    std::string what;     // for the report: what and where it was set
};

// Records an item and answers its serial; one of the same kind and handle on
// the thread is replaced (a killed timer's id is given out again).
unsigned long Add(Kind kind, UINT_PTR handle, std::string what);
// Forgets the item of this thread; whether it was recorded. With a serial,
// only that very item (the handle may since have been given to another).
bool Remove(Kind kind, UINT_PTR handle, unsigned long serial = 0);
// The serial the next item gets: items set from now on have it or more.
unsigned long NextSerial();
// The items of this thread set since `serial`, taken off the record; items
// of threads that are gone are forgotten on the way.
std::vector<Item> TakeSince(unsigned long serial);

// "tests/app/x/YTest.cpp:12" from the full path the compiler hands over.
std::string Where(const char* file, int line);

} // namespace testpending
