// Watches a tab strip while a modal loop of its own runs (press tracking,
// tab drags, held navigate buttons): the loop dispatches messages, and one of
// them may delete the strip (its owner window closed, a workspace rebuilt).
// Guards nest; the strip's destructor tells every guard still on it.
#pragma once
#include <windows.h>

class CXTPTabManager;

class CXTPTabLoopGuard
{
public:
    explicit CXTPTabLoopGuard(CXTPTabManager* pManager);
    ~CXTPTabLoopGuard();
    CXTPTabLoopGuard(const CXTPTabLoopGuard&) = delete;
    CXTPTabLoopGuard& operator=(const CXTPTabLoopGuard&) = delete;

    // The strip is gone: the loop ends and touches nothing of it again.
    BOOL IsStripDeleted() const { return m_bStripDeleted; }

    // The strip's destructor, with the innermost guard on it.
    static void TellStripDeleted(CXTPTabLoopGuard* pInnermost);

private:
    CXTPTabManager* m_pManager;
    CXTPTabLoopGuard* m_pOuter;
    BOOL m_bStripDeleted = FALSE;
};
