// Root of the framework's class hierarchy: run-time class information and
// serialization.
#pragma once
#include "framework/core/CRuntimeClass.h"

class CObject
{
public:
    static CRuntimeClass classCObject;

    // Virtual operations in this order: run-time class, destructor, Serialize.
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};
