// The program's registry values under HKEY_CURRENT_USER as another program
// reads and writes them: the settings key, the Run value and the shell's
// open command for web addresses.
#pragma once

#include <windows.h>

#include <string>

#include "support/SiteSimulation.h"

namespace programsettings {

extern const wchar_t ProgramKey[];   // Software\Brannoch\Tavrolin
extern const wchar_t SettingsKey[];  // ...\Settings

// Removes the program's key with all its subkeys.
void RemoveProgramKey();
bool SetDword(LPCWSTR name, DWORD value);
bool SetString(LPCWSTR name, const std::wstring& value);
bool SetBinary(LPCWSTR name, const std::string& bytes);
// The value's bytes, "<missing>" when it does not exist.
std::string ReadBinary(LPCWSTR key, LPCWSTR name);
// The Run value named "Tavrolin"; "<missing>" when it does not exist.
std::wstring ReadRunValue();
void DeleteRunValue();

} // namespace programsettings

// While it lives, the shell opens http addresses with a Linux script that
// appends each address it gets as a line to a file (the system's open
// command lives in HKEY_LOCAL_MACHINE); the earlier command comes back after.
class CBrowserRecorder
{
public:
    CBrowserRecorder();
    ~CBrowserRecorder();
    CBrowserRecorder(const CBrowserRecorder&) = delete;
    CBrowserRecorder& operator=(const CBrowserRecorder&) = delete;

    bool IsReady() const { return m_hKey != nullptr; }
    // The addresses opened so far, one a line.
    std::string Opened() const;
    void Clear() const;

private:
    CTestFolder m_folder{"browser"};
    HKEY m_hKey = nullptr;
    bool m_bHadPrevious = false;
    std::wstring m_previous;
};
