// Replaces a system function for this program's own calls while the object
// lives: the entry of the function in the executable's import table points
// at the replacement. The product code linked into the test executable
// calls through that table, so a test can make a platform call fail.
#pragma once
#include <windows.h>

namespace testpatch {

class CImportPatch
{
public:
    // lpszModule: the DLL as the import table names it ("user32.dll",
    // any case); lpszFunction: the imported name.
    CImportPatch(const char* lpszModule, const char* lpszFunction, void* pReplacement);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    // Whether the entry was found and replaced.
    bool IsActive() const { return m_ppEntry != nullptr; }
    // The function the entry held before.
    void* GetOriginal() const { return m_pOriginal; }

private:
    void** m_ppEntry = nullptr;
    void* m_pOriginal = nullptr;
};

// While it lives, this program's GetMessageW fails (-1) at every call;
// after many calls the capture goes, so that a loop that ignores the
// failure still ends.
class CFailingGetMessage
{
public:
    CFailingGetMessage();
    bool IsActive() const { return m_patch.IsActive(); }
    // The calls since the patch was made.
    int Calls() const;

private:
    CImportPatch m_patch;
};

} // namespace testpatch
