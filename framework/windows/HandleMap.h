// The link from a system handle (window, DC, GDI object, menu, image list)
// to the framework object that wraps it, one map per thread and handle kind.
// Permanent entries belong to objects their owners created; temporary
// entries wrap foreign handles and are deleted at idle time.
#pragma once
#include <windows.h>
#include <unordered_map>

template <class TObject, class THandle>
class CHandleMap
{
public:
    CHandleMap() = default;
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }
    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it != m_temporary.end() ? it->second : nullptr;
    }
    void SetPermanent(THandle h, TObject* object) { m_permanent[h] = object; }
    void SetTemporary(THandle h, TObject* object) { m_temporary[h] = object; }
    void RemoveHandle(THandle h) { m_permanent.erase(h); }

    // The wrapper of h: the permanent one, else a temporary one made by
    // create(h) on first need.
    template <class TCreate>
    TObject* FromHandle(THandle h, TCreate create)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* object = LookupPermanent(h))
            return object;
        if (TObject* object = LookupTemporary(h))
            return object;
        TObject* object = create(h);
        m_temporary[h] = object;
        return object;
    }

    // Deletes the temporary wrappers; release(object) first detaches the
    // handle so that the wrapper's destructor leaves it alone.
    template <class TRelease>
    void DeleteTemp(TRelease release)
    {
        std::unordered_map<THandle, TObject*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary) {
            release(entry.second);
            delete entry.second;
        }
    }

private:
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
