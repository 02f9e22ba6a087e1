// Base of objects kept in thread-local and process-local slots: the slot
// owns the object and deletes it through this virtual destructor.
#pragma once

class CNoTrackObject
{
public:
    CNoTrackObject() = default;
    virtual ~CNoTrackObject() = default;
    CNoTrackObject(const CNoTrackObject&) = delete;
    CNoTrackObject& operator=(const CNoTrackObject&) = delete;
};
