// Narrow (ANSI code page) text, mainly to hand wide strings to narrow APIs.
// Conversions use the thread's ANSI code page; characters it lacks become
// the code page's default character.
#pragma once
#include <windows.h>
#include <string>

class CString;

class CStringA
{
public:
    CStringA() = default;
    CStringA(LPCSTR text);
    CStringA(LPCSTR text, int length);
    CStringA(LPCWSTR text);
    CStringA(LPCWSTR text, int length);
    CStringA(const CString& text);

    operator LPCSTR() const { return m_text.c_str(); }
    LPCSTR GetString() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    CStringA& operator+=(LPCSTR text);
    bool operator==(const CStringA& other) const { return m_text == other.m_text; }
    bool operator!=(const CStringA& other) const { return m_text != other.m_text; }

private:
    void AssignWide(LPCWSTR text, int length);

    std::string m_text;
};

inline LPCSTR AfxFormatArg(const CStringA& text)
{
    return text.GetString();
}
