// The built Tavrolin.exe as a process of its own, as a user starts it: a
// fresh folder per start holding a copy of the program and its assets (the
// history database and "statistic.log" are written beside the program).
// Processes still running when the copy goes are ended.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/SiteSimulation.h"

class CProgramCopy
{
public:
    // Copies build/app/Tavrolin.exe, GAMES.XML and the pictures into a new
    // test folder named after the prefix.
    explicit CProgramCopy(const char* folderPrefix = "program");
    ~CProgramCopy();
    CProgramCopy(const CProgramCopy&) = delete;
    CProgramCopy& operator=(const CProgramCopy&) = delete;

    bool IsValid() const { return m_bValid; }
    const CTestFolder& Folder() const { return m_folder; }
    const std::wstring& ExePath() const { return m_exe; }
    std::wstring File(const wchar_t* name) const { return m_folder.File(name); }

    // The new process (null handle when it did not start), its working
    // folder the program folder.
    PROCESS_INFORMATION Start();
    // Waits for the process to end; true when it has.
    static bool HasEnded(const PROCESS_INFORMATION& process, DWORD timeoutMs);
    // Processes started from any copy of Tavrolin.exe still running in this prefix.
    static int CountRunningPrograms();

private:
    CTestFolder m_folder;
    std::wstring m_exe;
    bool m_bValid = false;
    std::vector<PROCESS_INFORMATION> m_processes;
};

// A text of the program's string table (linked into the test program too).
std::wstring StringResource(UINT nId);
