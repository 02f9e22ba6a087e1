#include "support/ProgramCopy.h"

#include <tlhelp32.h>

namespace {

const wchar_t* const Pictures[] = {L"about.jpg", L"logo.jpg"};

std::wstring BuildFolder()
{
    char build[MAX_PATH] = "";
    GetEnvironmentVariableA("TAVROLIN_BUILD_DIR", build, MAX_PATH);
    return build[0] != '\0' ? WindowsPathOf(std::string(build) + "/app/") : std::wstring();
}

} // namespace

CProgramCopy::CProgramCopy(const char* folderPrefix)
    : m_folder(folderPrefix)
{
    const std::wstring source = BuildFolder();
    // The path the program itself sees (GetModuleFileName): without "..".
    wchar_t exe[MAX_PATH] = L"";
    GetFullPathNameW(m_folder.File(L"Tavrolin.exe").c_str(), MAX_PATH, exe, nullptr);
    m_exe = exe;
    m_bValid = m_folder.IsValid() && !source.empty() &&
               CopyFileW((source + L"Tavrolin.exe").c_str(), m_exe.c_str(), FALSE) &&
               CopyFileW((source + L"GAMES.XML").c_str(), m_folder.File(L"GAMES.XML").c_str(), FALSE) &&
               CreateDirectoryW(m_folder.File(L"pics").c_str(), nullptr);
    for (const wchar_t* picture : Pictures)
        m_bValid = m_bValid && CopyFileW((source + L"pics\\" + picture).c_str(),
                                         (m_folder.File(L"pics\\") + picture).c_str(), FALSE);
}

CProgramCopy::~CProgramCopy()
{
    for (const PROCESS_INFORMATION& process : m_processes)
    {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
        {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 10000);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    for (const wchar_t* picture : Pictures)
        DeleteFileW((m_folder.File(L"pics\\") + picture).c_str());
    RemoveDirectoryW(m_folder.File(L"pics").c_str());
}

PROCESS_INFORMATION CProgramCopy::Start()
{
    std::wstring line = L"\"" + m_exe + L"\"";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(m_exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.Path().c_str(),
                       &startup, &process))
        m_processes.push_back(process);
    return process;
}

bool CProgramCopy::HasEnded(const PROCESS_INFORMATION& process, DWORD timeoutMs)
{
    return process.hProcess != nullptr && WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

int CProgramCopy::CountRunningPrograms()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    PROCESSENTRY32W entry = {sizeof entry};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        count += _wcsicmp(entry.szExeFile, L"Tavrolin.exe") == 0;
    CloseHandle(snapshot);
    return count;
}

std::wstring StringResource(UINT nId)
{
    wchar_t text[512] = L"";
    LoadStringW(GetModuleHandleW(nullptr), nId, text, 512);
    return text;
}
