#include "support/ProgramSettings.h"

#include "support/TestPump.h"

namespace programsettings {

const wchar_t ProgramKey[] = L"Software\\Brannoch\\Tavrolin";
const wchar_t SettingsKey[] = L"Software\\Brannoch\\Tavrolin\\Settings";

namespace {

const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void DeleteKeyTree(HKEY hParent, const std::wstring& name)
{
    HKEY hKey;
    if (RegOpenKeyExW(hParent, name.c_str(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
        return;
    wchar_t child[256];
    DWORD length = 256;
    while (RegEnumKeyExW(hKey, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
    {
        DeleteKeyTree(hKey, child);
        length = 256;
        HKEY hLeft;
        if (RegOpenKeyExW(hKey, child, 0, KEY_READ, &hLeft) == ERROR_SUCCESS)
        {
            RegCloseKey(hLeft);  // it could not go: no endless walk
            break;
        }
    }
    RegCloseKey(hKey);
    RegDeleteKeyW(hParent, name.c_str());
}

bool SetValue(LPCWSTR name, DWORD type, const void* data, DWORD size)
{
    HKEY hKey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool bSet = RegSetValueExW(hKey, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bSet;
}

} // namespace

void RemoveProgramKey()
{
    DeleteKeyTree(HKEY_CURRENT_USER, ProgramKey);
}

bool SetDword(LPCWSTR name, DWORD value)
{
    return SetValue(name, REG_DWORD, &value, sizeof value);
}

bool SetString(LPCWSTR name, const std::wstring& value)
{
    return SetValue(name, REG_SZ, value.c_str(), DWORD((value.size() + 1) * sizeof(wchar_t)));
}

bool SetBinary(LPCWSTR name, const std::string& bytes)
{
    return SetValue(name, REG_BINARY, bytes.data(), DWORD(bytes.size()));
}

std::string ReadBinary(LPCWSTR key, LPCWSTR name)
{
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "<missing>";
    std::string bytes(4096, '\0');
    DWORD size = DWORD(bytes.size());
    const LONG result = RegQueryValueExW(hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&bytes[0]), &size);
    RegCloseKey(hKey);
    if (result != ERROR_SUCCESS)
        return "<missing>";
    bytes.resize(size);
    return bytes;
}

std::wstring ReadRunValue()
{
    const std::string bytes = ReadBinary(RunKey, L"Tavrolin");
    if (bytes == "<missing>")
        return L"<missing>";
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

void DeleteRunValue()
{
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(hKey, L"Tavrolin");
    RegCloseKey(hKey);
}

} // namespace programsettings

namespace {

const wchar_t OpenCommandKey[] = L"Software\\Classes\\http\\shell\\open\\command";

} // namespace

CBrowserRecorder::CBrowserRecorder()
{
    const std::string script = m_folder.Unix("browser.sh");
    WriteFileBytes(m_folder.File("browser.sh"),
                   "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + m_folder.Unix("opened") + "\"\n");
    // The shell starts a Linux script it is given by path only when the script may be run.
    if (!m_folder.IsValid() ||
        !StartLinuxProgram("Z:\\bin\\sh -c \"chmod 755 " + script + " && echo ok > " + m_folder.Unix("ready") + "\"") ||
        WaitForFile(m_folder.File("ready"), testpump::kDeadline) != "ok\n")
        return;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, OpenCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                        nullptr) != ERROR_SUCCESS)
    {
        m_hKey = nullptr;
        return;
    }
    wchar_t previous[1024] = L"";
    DWORD size = sizeof previous - sizeof(wchar_t);
    m_bHadPrevious = RegQueryValueExW(m_hKey, nullptr, nullptr, nullptr, (BYTE*)previous, &size) == ERROR_SUCCESS;
    m_previous = previous;
    const std::wstring command = L"\"" + WindowsPathOf(script) + L"\" \"%1\"";
    RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, (const BYTE*)command.c_str(),
                   DWORD((command.size() + 1) * sizeof(wchar_t)));
}

CBrowserRecorder::~CBrowserRecorder()
{
    if (m_hKey == nullptr)
        return;
    if (m_bHadPrevious)
        RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, (const BYTE*)m_previous.c_str(),
                       DWORD((m_previous.size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(m_hKey, nullptr);
    RegCloseKey(m_hKey);
    DeleteFileW(m_folder.File("opened").c_str());
}

std::string CBrowserRecorder::Opened() const
{
    std::string content;
    ReadWholeFile(m_folder.File("opened"), content);
    return content;
}

void CBrowserRecorder::Clear() const
{
    DeleteFileW(m_folder.File("opened").c_str());
}
