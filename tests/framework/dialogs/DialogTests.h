// Ids of the test dialog resource, and a builder for dialog templates in
// memory.
#pragma once

#define IDD_TEST_OPTIONS 0x7E00
#define IDC_TEST_NUMBER 0x7E01
#define IDC_TEST_NAME 0x7E02
#define IDC_TEST_CHECK 0x7E03
#define IDC_TEST_RADIO1 0x7E04
#define IDC_TEST_RADIO2 0x7E05
#define IDC_TEST_RADIO3 0x7E06
#define IDC_TEST_COMBO 0x7E07
#define IDC_TEST_SIGNED 0x7E08
#define IDD_TEST_PAGE1 0x7E10
#define IDD_TEST_PAGE2 0x7E11

#ifndef RC_INVOKED
#include <windows.h>

#include <string>
#include <vector>

namespace dialogtest
{
// A DLGTEMPLATE with plain controls of the system's classes.
class TemplateBuilder
{
public:
    TemplateBuilder(DWORD style, const wchar_t* title, short cx, short cy)
    {
        Put32(style | DS_SETFONT);
        Put32(0);
        Put16(0); // item count, set by Add
        Put16(0);
        Put16(0);
        Put16(cx);
        Put16(cy);
        Put16(0); // no menu
        Put16(0); // standard class
        PutText(title);
        Put16(8);
        PutText(L"MS Shell Dlg");
    }

    // atom: 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box.
    TemplateBuilder& Add(WORD atom, WORD id, DWORD style, const wchar_t* text, short x, short y, short cx, short cy)
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
        Put32(style | WS_CHILD | WS_VISIBLE);
        Put32(0);
        Put16(x);
        Put16(y);
        Put16(cx);
        Put16(cy);
        Put16(id);
        Put16(0xFFFF);
        Put16(atom);
        PutText(text);
        Put16(0);
        ++reinterpret_cast<WORD*>(m_bytes.data())[4];
        return *this;
    }

    LPCDLGTEMPLATE Get()
    {
        m_aligned.assign((m_bytes.size() + 3) / 4, 0);
        memcpy(m_aligned.data(), m_bytes.data(), m_bytes.size());
        return reinterpret_cast<LPCDLGTEMPLATE>(m_aligned.data());
    }

private:
    void Put16(int value)
    {
        m_bytes.push_back(static_cast<BYTE>(value & 0xFF));
        m_bytes.push_back(static_cast<BYTE>((value >> 8) & 0xFF));
    }
    void Put32(DWORD value)
    {
        Put16(static_cast<int>(value & 0xFFFF));
        Put16(static_cast<int>(value >> 16));
    }
    void PutText(const wchar_t* text)
    {
        for (; *text; ++text)
            Put16(*text);
        Put16(0);
    }

    std::vector<BYTE> m_bytes;
    std::vector<DWORD> m_aligned;
};
} // namespace dialogtest
#endif
