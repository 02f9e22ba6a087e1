// Replacing an object held by one reference.
#pragma once
#include <windows.h>

// Takes over the caller's reference to pNew and releases the one held
// before. Handing the object held already changes nothing (releasing it
// first would free it); FALSE then.
template <class TYPE>
BOOL XTPReplaceReference(TYPE*& pHeld, TYPE* pNew)
{
    if (pNew == pHeld)
        return FALSE;
    TYPE* pOld = pHeld;
    pHeld = pNew;
    if (pOld)
        pOld->InternalRelease();
    return TRUE;
}
