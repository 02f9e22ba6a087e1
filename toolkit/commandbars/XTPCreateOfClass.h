// Bars of classes the application may replace: a class that makes no object
// of the wanted kind makes nothing, and leaves nothing behind.
#pragma once
#include "framework/core/CObject.h"

template <class T>
T* XTPCreateOfClass(CRuntimeClass* pClass)
{
    CObject* pObject = pClass ? pClass->CreateObject() : nullptr;
    T* pResult = dynamic_cast<T*>(pObject);
    if (pResult == nullptr)
        delete pObject;
    return pResult;
}
