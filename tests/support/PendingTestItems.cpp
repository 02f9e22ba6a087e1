#include "support/PendingTestItems.h"

#include <algorithm>
#include <mutex>

namespace testpending {

namespace {

struct Record
{
    std::mutex lock;
    std::vector<Item> items;
    unsigned long nextSerial = 1;
};

// Reached through a function so that a static object of a test program
// finds it made.
Record& TheRecord()
{
    static Record record;
    return record;
}

bool ThreadIsGone(DWORD thread)
{
    HANDLE hThread = ::OpenThread(SYNCHRONIZE, FALSE, thread);
    if (hThread == nullptr)
        return true;
    const bool bGone = ::WaitForSingleObject(hThread, 0) == WAIT_OBJECT_0;
    ::CloseHandle(hThread);
    return bGone;
}

} // namespace

unsigned long Add(Kind kind, UINT_PTR handle, std::string what)
{
    Record& record = TheRecord();
    std::lock_guard<std::mutex> guard(record.lock);
    const DWORD thread = ::GetCurrentThreadId();
    record.items.erase(std::remove_if(record.items.begin(), record.items.end(),
                                      [&](const Item& item) {
                                          return item.kind == kind && item.handle == handle && item.thread == thread;
                                      }),
                       record.items.end());
    record.items.push_back({kind, handle, thread, record.nextSerial, std::move(what)});
    return record.nextSerial++;
}

bool Remove(Kind kind, UINT_PTR handle, unsigned long serial)
{
    Record& record = TheRecord();
    std::lock_guard<std::mutex> guard(record.lock);
    const DWORD thread = ::GetCurrentThreadId();
    const auto found = std::find_if(record.items.begin(), record.items.end(), [&](const Item& item) {
        return item.kind == kind && item.handle == handle && item.thread == thread &&
               (serial == 0 || item.serial == serial);
    });
    if (found == record.items.end())
        return false;
    record.items.erase(found);
    return true;
}

unsigned long NextSerial()
{
    Record& record = TheRecord();
    std::lock_guard<std::mutex> guard(record.lock);
    return record.nextSerial;
}

std::vector<Item> TakeSince(unsigned long serial)
{
    Record& record = TheRecord();
    std::lock_guard<std::mutex> guard(record.lock);
    const DWORD thread = ::GetCurrentThreadId();
    std::vector<Item> taken, kept;
    for (Item& item : record.items)
    {
        if (item.thread == thread && item.serial >= serial)
            taken.push_back(std::move(item));
        else if (item.thread == thread || !ThreadIsGone(item.thread))
            kept.push_back(std::move(item));
    }
    record.items = std::move(kept);
    return taken;
}

std::string Where(const char* file, int line)
{
    std::string path = file != nullptr ? file : "?";
    std::replace(path.begin(), path.end(), '\\', '/');
    const size_t tests = path.rfind("/tests/");
    if (tests != std::string::npos)
        path.erase(0, tests + 1);
    return path + ":" + std::to_string(line);
}

} // namespace testpending
