#include "framework/text/CStringA.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/text/CString.h"

#include <cstring>
#include <cwchar>

CStringA::CStringA(LPCSTR text)
{
    if (text != nullptr)
        m_text = text;
}

CStringA::CStringA(LPCSTR text, int length)
{
    if (length < 0 || (text == nullptr && length > 0))
        AfxThrowInvalidArgException();
    if (length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CStringA::CStringA(LPCWSTR text)
{
    if (text != nullptr)
        AssignWide(text, static_cast<int>(wcslen(text)));
}

CStringA::CStringA(LPCWSTR text, int length)
{
    if (length < 0 || (text == nullptr && length > 0))
        AfxThrowInvalidArgException();
    AssignWide(text, length);
}

CStringA::CStringA(const CString& text)
{
    AssignWide(text, text.GetLength());
}

CStringA& CStringA::operator+=(LPCSTR text)
{
    if (text != nullptr)
        m_text += text;
    return *this;
}

void CStringA::AssignWide(LPCWSTR text, int length)
{
    m_text.clear();
    if (length <= 0)
        return;
    int narrowLength = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (narrowLength <= 0)
        return;
    m_text.resize(static_cast<size_t>(narrowLength));
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, &m_text[0], narrowLength, nullptr, nullptr);
}
