#include "framework/text/TextFormatter.h"
#include "framework/core/CMemoryException.h"
#include "framework/text/CString.h"

#include <cstdio>
#include <cstring>
#include <climits>
#include <cwchar>
#include <new>
#include <stdexcept>
#include <string>

namespace
{
// Widths and precisions come from stored formats too; beyond these a field
// is clamped, and a text longer than kMaxOutput is refused as out of memory
// before it is built.
const int kMaxField = 1 << 20;
const size_t kMaxOutput = size_t(1) << 24;

int ClampField(int value)
{
    return value > kMaxField ? kMaxField : value;
}

enum class ArgSize { Default, Short, Char, Long, LongLong, Pointer, LongDouble };

struct Spec
{
    bool left = false;
    bool plus = false;
    bool space = false;
    bool zero = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    ArgSize size = ArgSize::Default;
    // Explicit text width: 'h' narrow, 'l'/'w' wide, 0 as the conversion says.
    char textWidth = 0;
};

class Formatter
{
public:
    explicit Formatter(va_list args) { va_copy(m_args, args); }
    ~Formatter() { va_end(m_args); }

    std::wstring Run(LPCWSTR format);

private:
    const WCHAR* ParseSpec(const WCHAR* p, Spec& spec);
    void Pad(const Spec& spec, const std::wstring& body, const std::wstring& prefix = std::wstring(),
             bool zeroAllowed = false);
    void Integer(const Spec& spec, WCHAR conversion);
    void Floating(const Spec& spec, WCHAR conversion);
    void Text(const Spec& spec, bool wide);
    void Character(const Spec& spec, bool wide);
    void Pointer(const Spec& spec);
    void Reserve(size_t more) const;

    va_list m_args;
    std::wstring m_out;
};

std::wstring Widen(const char* text, int length)
{
    if (length <= 0)
        return std::wstring();
    int wideLength = MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength > 0 ? wideLength : 0), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, &wide[0], wideLength);
    return wide;
}

std::wstring Formatter::Run(LPCWSTR format)
{
    if (format == nullptr)
        return std::wstring();
    for (const WCHAR* p = format; *p != 0;) {
        if (*p != L'%') {
            const WCHAR* next = wcschr(p, L'%');
            size_t count = next != nullptr ? static_cast<size_t>(next - p) : wcslen(p);
            m_out.append(p, count);
            p += count;
            continue;
        }
        ++p;
        if (*p == L'%') {
            m_out += L'%';
            ++p;
            continue;
        }
        Spec spec;
        p = ParseSpec(p, spec);
        WCHAR conversion = *p;
        if (conversion == 0)
            break;
        ++p;
        switch (conversion) {
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o':
            Integer(spec, conversion);
            break;
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            Floating(spec, conversion);
            break;
        case L's':
            Text(spec, spec.textWidth != 'h');
            break;
        case L'S':
            Text(spec, spec.textWidth == 'l');
            break;
        case L'c':
            Character(spec, spec.textWidth != 'h');
            break;
        case L'C':
            Character(spec, spec.textWidth == 'l');
            break;
        case L'p':
            Pointer(spec);
            break;
        case L'n':
            // Writing through an argument pointer is refused; the argument
            // is consumed so that the following ones stay in place.
            (void)va_arg(m_args, void*);
            break;
        default:
            // An unknown conversion is written as it is.
            m_out += conversion;
            break;
        }
    }
    return m_out;
}

const WCHAR* Formatter::ParseSpec(const WCHAR* p, Spec& spec)
{
    for (;; ++p) {
        if (*p == L'-')
            spec.left = true;
        else if (*p == L'+')
            spec.plus = true;
        else if (*p == L' ')
            spec.space = true;
        else if (*p == L'0')
            spec.zero = true;
        else if (*p == L'#')
            spec.alternate = true;
        else
            break;
    }
    if (*p == L'*') {
        int width = va_arg(m_args, int);
        if (width < 0) {
            spec.left = true;
            // INT_MIN has no positive counterpart; the clamp takes it.
            width = width == INT_MIN ? INT_MAX : -width;
        }
        spec.width = ClampField(width);
        ++p;
    } else {
        while (*p >= L'0' && *p <= L'9') {
            if (spec.width < 100000000)
                spec.width = spec.width * 10 + (*p - L'0');
            ++p;
        }
        spec.width = ClampField(spec.width);
    }
    if (*p == L'.') {
        ++p;
        spec.precision = 0;
        if (*p == L'*') {
            spec.precision = va_arg(m_args, int);
            if (spec.precision < 0)
                spec.precision = -1;
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9') {
                if (spec.precision < 100000000)
                    spec.precision = spec.precision * 10 + (*p - L'0');
                ++p;
            }
        }
        spec.precision = ClampField(spec.precision);
    }
    if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
        spec.size = ArgSize::LongLong;
        p += 3;
    } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
        spec.size = ArgSize::Default;
        p += 3;
    } else if (p[0] == L'I') {
        spec.size = ArgSize::Pointer;
        p += 1;
    } else if (p[0] == L'l' && p[1] == L'l') {
        spec.size = ArgSize::LongLong;
        p += 2;
    } else if (p[0] == L'h' && p[1] == L'h') {
        spec.size = ArgSize::Char;
        spec.textWidth = 'h';
        p += 2;
    } else if (p[0] == L'h') {
        spec.size = ArgSize::Short;
        spec.textWidth = 'h';
        p += 1;
    } else if (p[0] == L'l' || p[0] == L'w') {
        spec.size = ArgSize::Long;
        spec.textWidth = 'l';
        p += 1;
    } else if (p[0] == L'L') {
        spec.size = ArgSize::LongDouble;
        p += 1;
    } else if (p[0] == L'z' || p[0] == L't' || p[0] == L'j') {
        spec.size = p[0] == L'j' ? ArgSize::LongLong : ArgSize::Pointer;
        p += 1;
    }
    return p;
}

void Formatter::Pad(const Spec& spec, const std::wstring& body, const std::wstring& prefix, bool zeroAllowed)
{
    size_t length = prefix.size() + body.size();
    size_t width = static_cast<size_t>(spec.width);
    size_t fill = width > length ? width - length : 0;
    Reserve(length + fill);
    if (spec.left) {
        m_out += prefix;
        m_out += body;
        m_out.append(fill, L' ');
    } else if (spec.zero && zeroAllowed) {
        m_out += prefix;
        m_out.append(fill, L'0');
        m_out += body;
    } else {
        m_out.append(fill, L' ');
        m_out += prefix;
        m_out += body;
    }
}

void Formatter::Reserve(size_t more) const
{
    if (more > kMaxOutput || m_out.size() > kMaxOutput - more)
        AfxThrowMemoryException();
}

void Formatter::Integer(const Spec& spec, WCHAR conversion)
{
    bool isSigned = conversion == L'd' || conversion == L'i';
    unsigned long long magnitude = 0;
    bool negative = false;
    if (isSigned) {
        long long value;
        switch (spec.size) {
        case ArgSize::LongLong:
            value = va_arg(m_args, long long);
            break;
        case ArgSize::Short:
            value = static_cast<short>(va_arg(m_args, int));
            break;
        case ArgSize::Char:
            value = static_cast<signed char>(va_arg(m_args, int));
            break;
        case ArgSize::Long:
            value = va_arg(m_args, long);
            break;
        case ArgSize::Pointer:
            value = va_arg(m_args, INT_PTR);
            break;
        default:
            value = va_arg(m_args, int);
            break;
        }
        negative = value < 0;
        magnitude = negative ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    } else {
        switch (spec.size) {
        case ArgSize::LongLong:
            magnitude = va_arg(m_args, unsigned long long);
            break;
        case ArgSize::Short:
            magnitude = static_cast<unsigned short>(va_arg(m_args, unsigned int));
            break;
        case ArgSize::Char:
            magnitude = static_cast<unsigned char>(va_arg(m_args, unsigned int));
            break;
        case ArgSize::Long:
            magnitude = va_arg(m_args, unsigned long);
            break;
        case ArgSize::Pointer:
            magnitude = va_arg(m_args, UINT_PTR);
            break;
        default:
            magnitude = va_arg(m_args, unsigned int);
            break;
        }
    }

    unsigned base = (conversion == L'x' || conversion == L'X') ? 16 : conversion == L'o' ? 8 : 10;
    const WCHAR* digitSet = conversion == L'X' ? L"0123456789ABCDEF" : L"0123456789abcdef";
    WCHAR digits[70];
    int count = 0;
    for (unsigned long long v = magnitude; v != 0; v /= base)
        digits[count++] = digitSet[v % base];
    std::wstring body;
    int minDigits = spec.precision >= 0 ? spec.precision : 1;
    if (count < minDigits)
        body.append(static_cast<size_t>(minDigits - count), L'0');
    for (int i = count - 1; i >= 0; --i)
        body += digits[i];
    if (spec.alternate && base == 8 && (body.empty() || body[0] != L'0'))
        body.insert(body.begin(), L'0');

    std::wstring prefix;
    if (negative)
        prefix = L"-";
    else if (isSigned && spec.plus)
        prefix = L"+";
    else if (isSigned && spec.space)
        prefix = L" ";
    if (spec.alternate && base == 16 && magnitude != 0)
        prefix += conversion == L'X' ? L"0X" : L"0x";
    Pad(spec, body, prefix, spec.precision < 0);
}

void Formatter::Floating(const Spec& spec, WCHAR conversion)
{
    double value = va_arg(m_args, double);
    // Built as a narrow format for the run-time library, which knows the
    // current locale's decimal point.
    char format[48];
    int n = 0;
    format[n++] = '%';
    if (spec.left)
        format[n++] = '-';
    if (spec.plus)
        format[n++] = '+';
    if (spec.space)
        format[n++] = ' ';
    if (spec.zero)
        format[n++] = '0';
    if (spec.alternate)
        format[n++] = '#';
    n += snprintf(format + n, sizeof format - static_cast<size_t>(n), "%d", spec.width);
    if (spec.precision >= 0)
        n += snprintf(format + n, sizeof format - static_cast<size_t>(n), ".%d", spec.precision);
    format[n++] = static_cast<char>(conversion);
    format[n] = 0;
    int length = _scprintf(format, value);
    if (length <= 0)
        return;
    Reserve(static_cast<size_t>(length));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    _snprintf(&text[0], text.size(), format, value);
    text.resize(static_cast<size_t>(length));
    for (char ch : text)
        m_out += static_cast<WCHAR>(static_cast<unsigned char>(ch));
}

void Formatter::Text(const Spec& spec, bool wide)
{
    std::wstring body;
    if (wide) {
        const WCHAR* text = va_arg(m_args, const WCHAR*);
        if (text == nullptr)
            text = L"(null)";
        size_t length = 0;
        size_t limit = spec.precision >= 0 ? static_cast<size_t>(spec.precision) : static_cast<size_t>(-1);
        while (length < limit && text[length] != 0)
            ++length;
        body.assign(text, length);
    } else {
        const char* text = va_arg(m_args, const char*);
        if (text == nullptr)
            text = "(null)";
        // The precision counts characters of the narrow text, as given.
        size_t length = 0;
        size_t limit = spec.precision >= 0 ? static_cast<size_t>(spec.precision) : static_cast<size_t>(-1);
        while (length < limit && text[length] != 0)
            ++length;
        body = Widen(text, static_cast<int>(length));
    }
    Pad(spec, body, std::wstring(), true);
}

void Formatter::Character(const Spec& spec, bool wide)
{
    int value = va_arg(m_args, int);
    std::wstring body;
    if (wide) {
        body.assign(1, static_cast<WCHAR>(value));
    } else {
        char narrow = static_cast<char>(value);
        body = Widen(&narrow, 1);
    }
    Pad(spec, body, std::wstring(), true);
}

void Formatter::Pointer(const Spec& spec)
{
    UINT_PTR value = reinterpret_cast<UINT_PTR>(va_arg(m_args, void*));
    std::wstring body;
    for (int shift = static_cast<int>(sizeof(value)) * 8 - 4; shift >= 0; shift -= 4)
        body += L"0123456789ABCDEF"[(value >> shift) & 15];
    Pad(spec, body);
}
}

void AfxFormatText(CString& result, LPCWSTR format, va_list args)
{
    std::wstring text;
    try {
        Formatter formatter(args);
        text = formatter.Run(format);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    } catch (const std::length_error&) {
        AfxThrowMemoryException();
    }
    result = CString(text.c_str(), static_cast<int>(text.size()));
}
