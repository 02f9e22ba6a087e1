// What a tab paint manager knows of the strips it lays out: something it can
// ask to lay itself out again when one of its options changes.
#pragma once

class CXTPTabManagerAtom
{
public:
    virtual void RequestReposition() { Reposition(); }
    virtual ~CXTPTabManagerAtom() = default;
    virtual void Reposition() = 0;
};
