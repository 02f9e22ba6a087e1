// One object per thread, made on first use and deleted when its thread ends,
// however the thread was started. Use it instead of a thread_local object
// with a destructor: this compiler keeps such objects in blocks that the
// thread-end cleanup may free before the destructors run, so a destructor
// writes into freed memory (the heap breaks later, somewhere else). The
// object here is a heap block of its own, found through a key of the
// run-time's thread library, which deletes it at thread end (the system's
// own per-fiber storage with a callback is missing on the oldest systems
// the program supports).
#pragma once
#include <pthread.h>

#include "framework/core/CMemoryException.h"

template <class T>
class CThreadStorage
{
public:
    CThreadStorage() : m_bKey(pthread_key_create(&m_key, &Delete) == 0) {}
    CThreadStorage(const CThreadStorage&) = delete;
    CThreadStorage& operator=(const CThreadStorage&) = delete;
    // No destructor: the key stays for the life of the process, so that
    // threads still running at exit keep their objects.

    T& Get()
    {
        if (!m_bKey)
            AfxThrowMemoryException();
        T* object = static_cast<T*>(pthread_getspecific(m_key));
        if (object == nullptr) {
            object = new T();
            if (pthread_setspecific(m_key, object) != 0) {
                delete object;
                AfxThrowMemoryException();
            }
        }
        return *object;
    }

private:
    static void Delete(void* object) { delete static_cast<T*>(object); }

    pthread_key_t m_key = 0;
    bool m_bKey;
};
