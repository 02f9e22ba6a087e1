// Base of objects that receive commands; here: a thread-safe reference
// count whose last release destroys the object.
#pragma once
#include "framework/CObject.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // New objects start with a count of 1, owned by their creator.
    DWORD InternalAddRef();
    // Calls OnFinalRelease when the count reaches 0.
    DWORD InternalRelease();
    DWORD ExternalAddRef();
    DWORD ExternalRelease();

    // Called once, when the last reference goes; deletes the object.
    virtual void OnFinalRelease();

    long m_dwRef = 1;
};
