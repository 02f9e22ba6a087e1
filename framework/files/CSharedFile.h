// A memory file in global memory, so that its block can be handed to the
// clipboard or to OLE as an HGLOBAL.
#pragma once
#include "framework/files/CMemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)

public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Hands the block over (trimmed to the file's length; null when the
    // file is empty). The file is empty afterwards.
    HGLOBAL Detach();
    // Lays the file over a block of the caller's (the clipboard's, say):
    // its whole size is the file's content. The block stays the caller's;
    // Close leaves it alone. With bAllowGrow it may be reallocated in place.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    void Close() override;

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;
    void GrowFile(SIZE_T dwNewLen) override;

    UINT m_nAllocFlags;
    // The growth step asked for at construction; SetHandle may suspend it.
    UINT m_nDefaultGrowBytes;
    HGLOBAL m_hGlobalMemory;
};
