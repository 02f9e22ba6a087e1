#include "framework/text/CString.h"
#include "framework/text/CaseFolding.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/ModuleState.h"
#include "framework/text/TextFormatter.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <utility>

static_assert(sizeof(TCHAR) == sizeof(WCHAR), "the framework is built for wide text only");

// The characters follow this header in the same allocation.
struct CString::Data
{
    long refs;     // −1: the shared empty string, never freed or written
    int length;
    int capacity;  // characters, not counting the terminator

    WCHAR* Chars() { return reinterpret_cast<WCHAR*>(this + 1); }
};

LPWSTR CString::EmptyChars()
{
    // Constant-initialised, so usable by start-up code of any unit.
    static struct
    {
        Data header;
        WCHAR chars[2];
    } empty = {{-1, 0, 0}, {0, 0}};
    return empty.chars;
}

namespace
{
int LengthOf(LPCWSTR text)
{
    return text != nullptr ? static_cast<int>(wcslen(text)) : 0;
}

bool IsInCharSet(WCHAR ch, LPCWSTR charSet)
{
    return charSet != nullptr && ch != 0 && wcschr(charSet, ch) != nullptr;
}
}

CString::Data* CString::GetData() const
{
    return reinterpret_cast<Data*>(m_pszData) - 1;
}

CString::CString()
    : m_pszData(EmptyChars())
{
}

CString::CString(const CString& other)
    : m_pszData(other.m_pszData)
{
    Data* data = GetData();
    if (data->refs >= 0)
        InterlockedIncrement(&data->refs);
}

CString::CString(CString&& other) noexcept
    : m_pszData(other.m_pszData)
{
    other.m_pszData = EmptyChars();
}

CString::CString(LPCWSTR text)
    : m_pszData(EmptyChars())
{
    if (text != nullptr && IS_INTRESOURCE(text))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(text)));
    else
        Assign(text, LengthOf(text));
}

CString::CString(LPCWSTR text, int length)
    : m_pszData(EmptyChars())
{
    if (length < 0 || (text == nullptr && length > 0))
        AfxThrowInvalidArgException();
    Assign(text, length);
}

CString::CString(LPCSTR text)
    : m_pszData(EmptyChars())
{
    AssignNarrow(text, text != nullptr ? static_cast<int>(strlen(text)) : 0);
}

CString::CString(LPCSTR text, int length)
    : m_pszData(EmptyChars())
{
    if (length < 0 || (text == nullptr && length > 0))
        AfxThrowInvalidArgException();
    AssignNarrow(text, length);
}

CString::CString(WCHAR ch, int repeat)
    : m_pszData(EmptyChars())
{
    if (repeat > 0) {
        PrepareWrite(repeat, 0);
        wmemset(m_pszData, ch, static_cast<size_t>(repeat));
        SetLength(repeat);
    }
}

CString::~CString()
{
    Release();
}

void CString::Release()
{
    Data* data = GetData();
    if (data->refs >= 0 && InterlockedDecrement(&data->refs) == 0)
        HeapFree(GetProcessHeap(), 0, data);
    m_pszData = EmptyChars();
}

CString& CString::operator=(const CString& other)
{
    if (m_pszData != other.m_pszData) {
        Data* data = other.GetData();
        if (data->refs >= 0)
            InterlockedIncrement(&data->refs);
        Release();
        m_pszData = other.m_pszData;
    }
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        Release();
        m_pszData = other.m_pszData;
        other.m_pszData = EmptyChars();
    }
    return *this;
}

CString& CString::operator=(LPCWSTR text)
{
    Assign(text, LengthOf(text));
    return *this;
}

CString& CString::operator=(LPCSTR text)
{
    AssignNarrow(text, text != nullptr ? static_cast<int>(strlen(text)) : 0);
    return *this;
}

CString& CString::operator=(WCHAR ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::PrepareWrite(int capacity, int keep)
{
    Data* data = GetData();
    if (data->refs == 1 && capacity <= data->capacity)
        return;
    int newCapacity = capacity;
    if (data->refs == 1 && capacity > data->capacity) {
        // Grow by half again so that repeated appends stay linear.
        int grown = data->capacity + data->capacity / 2;
        if (grown > newCapacity)
            newCapacity = grown;
    }
    if (newCapacity < 0 || static_cast<size_t>(newCapacity) > (0x7FFFFFF0u - sizeof(Data)) / sizeof(WCHAR) - 1)
        AfxThrowMemoryException();
    Data* fresh = static_cast<Data*>(HeapAlloc(GetProcessHeap(), 0, sizeof(Data) + (static_cast<size_t>(newCapacity) + 1) * sizeof(WCHAR)));
    if (fresh == nullptr)
        AfxThrowMemoryException();
    fresh->refs = 1;
    fresh->capacity = newCapacity;
    if (keep > data->length)
        keep = data->length;
    if (keep > newCapacity)
        keep = newCapacity;
    wmemcpy(fresh->Chars(), m_pszData, static_cast<size_t>(keep));
    fresh->length = keep;
    fresh->Chars()[keep] = 0;
    Release();
    m_pszData = fresh->Chars();
}

void CString::SetLength(int length)
{
    Data* data = GetData();
    if (data->refs < 0)
        return;  // only the empty string is shared this way
    data->length = length;
    m_pszData[length] = 0;
}

void CString::Assign(LPCWSTR text, int length)
{
    if (length <= 0) {
        Release();
        return;
    }
    // The source may lie inside this string's own buffer.
    Data* data = GetData();
    if (text >= m_pszData && text <= m_pszData + data->length && data->refs == 1) {
        wmemmove(m_pszData, text, static_cast<size_t>(length));
        SetLength(length);
        return;
    }
    if (data->refs != 1 || length > data->capacity) {
        Release();
        PrepareWrite(length, 0);
    }
    wmemcpy(m_pszData, text, static_cast<size_t>(length));
    SetLength(length);
}

void CString::AssignNarrow(LPCSTR text, int length)
{
    if (text == nullptr || length <= 0) {
        Release();
        return;
    }
    int wideLength = MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, nullptr, 0);
    Release();
    if (wideLength <= 0)
        return;
    PrepareWrite(wideLength, 0);
    MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, m_pszData, wideLength);
    SetLength(wideLength);
}

int CString::GetLength() const
{
    return GetData()->length;
}

void CString::Empty()
{
    Release();
}

WCHAR CString::GetAt(int index) const
{
    if (index < 0 || index > GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[index];
}

void CString::SetAt(int index, WCHAR ch)
{
    int length = GetLength();
    if (index < 0 || index >= length)
        AfxThrowInvalidArgException();
    PrepareWrite(length, length);
    m_pszData[index] = ch;
}

void CString::Append(LPCWSTR text, int length)
{
    if (text == nullptr || length <= 0)
        return;
    int oldLength = GetLength();
    if (length > INT_MAX / 2 - oldLength)
        AfxThrowMemoryException();
    // Appending a piece of itself: the buffer may move, so note the offset.
    Data* data = GetData();
    if (text >= m_pszData && text <= m_pszData + data->length) {
        int offset = static_cast<int>(text - m_pszData);
        PrepareWrite(oldLength + length, oldLength);
        wmemmove(m_pszData + oldLength, m_pszData + offset, static_cast<size_t>(length));
    } else {
        PrepareWrite(oldLength + length, oldLength);
        wmemcpy(m_pszData + oldLength, text, static_cast<size_t>(length));
    }
    SetLength(oldLength + length);
}

void CString::Append(LPCWSTR text)
{
    Append(text, LengthOf(text));
}

void CString::AppendChar(WCHAR ch)
{
    Append(&ch, 1);
}

CString& CString::operator+=(const CString& text)
{
    if (IsEmpty())
        return *this = text;
    Append(text.m_pszData, text.GetLength());
    return *this;
}

CString& CString::operator+=(LPCWSTR text)
{
    Append(text);
    return *this;
}

CString& CString::operator+=(LPCSTR text)
{
    return *this += CString(text);
}

CString& CString::operator+=(WCHAR ch)
{
    AppendChar(ch);
    return *this;
}

CString operator+(const CString& left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, LPCWSTR right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(LPCWSTR left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, WCHAR right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(WCHAR left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

int CString::Compare(LPCWSTR text) const
{
    return wcscmp(m_pszData, text != nullptr ? text : L"");
}

int CString::CompareNoCase(LPCWSTR text) const
{
    return AfxCompareNoCase(m_pszData, text);
}

int CString::Collate(LPCWSTR text) const
{
    return wcscoll(m_pszData, text != nullptr ? text : L"");
}

int CString::CollateNoCase(LPCWSTR text) const
{
    return _wcsicoll(m_pszData, text != nullptr ? text : L"");
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    int length = GetLength();
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first > length)
        first = length;
    if (count > length - first)
        count = length - first;
    if (first == 0 && count == length)
        return *this;
    return CString(m_pszData + first, count);
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    int length = GetLength();
    if (count < 0)
        count = 0;
    if (count > length)
        count = length;
    return Mid(length - count, count);
}

CString CString::SpanIncluding(LPCWSTR charSet) const
{
    return Left(charSet != nullptr ? static_cast<int>(wcsspn(m_pszData, charSet)) : 0);
}

CString CString::SpanExcluding(LPCWSTR charSet) const
{
    return Left(charSet != nullptr ? static_cast<int>(wcscspn(m_pszData, charSet)) : GetLength());
}

int CString::Find(WCHAR ch, int start) const
{
    int length = GetLength();
    if (start < 0)
        start = 0;
    for (int i = start; i < length; ++i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::Find(LPCWSTR text, int start) const
{
    if (text == nullptr)
        return -1;
    int length = GetLength();
    if (start < 0)
        start = 0;
    if (start > length)
        return -1;
    const WCHAR* found = wcsstr(m_pszData + start, text);
    return found != nullptr ? static_cast<int>(found - m_pszData) : -1;
}

int CString::ReverseFind(WCHAR ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(LPCWSTR charSet) const
{
    if (charSet == nullptr)
        return -1;
    const WCHAR* found = wcspbrk(m_pszData, charSet);
    return found != nullptr ? static_cast<int>(found - m_pszData) : -1;
}

int CString::Replace(WCHAR oldChar, WCHAR newChar)
{
    int length = GetLength();
    int count = 0;
    for (int i = 0; i < length; ++i) {
        if (m_pszData[i] == oldChar) {
            if (count++ == 0)
                PrepareWrite(length, length);
            m_pszData[i] = newChar;
        }
    }
    return count;
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText)
{
    int oldLength = LengthOf(oldText);
    if (oldLength == 0)
        return 0;
    int newLength = LengthOf(newText);
    int count = 0;
    for (const WCHAR* p = wcsstr(m_pszData, oldText); p != nullptr; p = wcsstr(p + oldLength, oldText))
        ++count;
    if (count == 0)
        return 0;
    // Built apart from the current text, which newText may point into.
    CString result;
    result.Preallocate(GetLength() + count * (newLength - oldLength));
    const WCHAR* rest = m_pszData;
    for (const WCHAR* p = wcsstr(rest, oldText); p != nullptr; p = wcsstr(rest, oldText)) {
        result.Append(rest, static_cast<int>(p - rest));
        result.Append(newText, newLength);
        rest = p + oldLength;
    }
    result.Append(rest);
    *this = std::move(result);
    return count;
}

int CString::Remove(WCHAR ch)
{
    int length = GetLength();
    if (Find(ch) < 0)
        return 0;
    PrepareWrite(length, length);
    int kept = 0;
    for (int i = 0; i < length; ++i) {
        if (m_pszData[i] != ch)
            m_pszData[kept++] = m_pszData[i];
    }
    SetLength(kept);
    return length - kept;
}

int CString::Insert(int index, WCHAR ch)
{
    WCHAR text[2] = {ch, 0};
    return Insert(index, text);
}

int CString::Insert(int index, LPCWSTR text)
{
    int length = GetLength();
    if (index < 0)
        index = 0;
    if (index > length)
        index = length;
    int insertLength = LengthOf(text);
    if (insertLength == 0)
        return length;
    CString inserted(text, insertLength);  // text may point into this string
    PrepareWrite(length + insertLength, length);
    wmemmove(m_pszData + index + insertLength, m_pszData + index, static_cast<size_t>(length - index));
    wmemcpy(m_pszData + index, inserted.m_pszData, static_cast<size_t>(insertLength));
    SetLength(length + insertLength);
    return length + insertLength;
}

int CString::Delete(int index, int count)
{
    int length = GetLength();
    if (index < 0)
        index = 0;
    if (count <= 0 || index >= length)
        return length;
    if (count > length - index)
        count = length - index;
    PrepareWrite(length, length);
    wmemmove(m_pszData + index, m_pszData + index + count, static_cast<size_t>(length - index - count));
    SetLength(length - count);
    return length - count;
}

CString& CString::MakeLower()
{
    int length = GetLength();
    if (length > 0) {
        PrepareWrite(length, length);
        CharLowerBuffW(m_pszData, static_cast<DWORD>(length));
    }
    return *this;
}

CString& CString::MakeUpper()
{
    int length = GetLength();
    if (length > 0) {
        PrepareWrite(length, length);
        CharUpperBuffW(m_pszData, static_cast<DWORD>(length));
    }
    return *this;
}

CString& CString::MakeReverse()
{
    int length = GetLength();
    if (length > 1) {
        PrepareWrite(length, length);
        for (int i = 0, j = length - 1; i < j; ++i, --j) {
            WCHAR ch = m_pszData[i];
            m_pszData[i] = m_pszData[j];
            m_pszData[j] = ch;
        }
    }
    return *this;
}

namespace
{
const WCHAR kWhitespace[] = L" \t\r\n\v\f";
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(WCHAR ch)
{
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::Trim(LPCWSTR charSet)
{
    return TrimRight(charSet).TrimLeft(charSet);
}

CString& CString::TrimLeft()
{
    int length = GetLength();
    int skip = 0;
    while (skip < length && iswspace(m_pszData[skip]))
        ++skip;
    if (skip > 0)
        Delete(0, skip);
    return *this;
}

CString& CString::TrimLeft(WCHAR ch)
{
    WCHAR set[2] = {ch, 0};
    return TrimLeft(set);
}

CString& CString::TrimLeft(LPCWSTR charSet)
{
    int length = GetLength();
    int skip = 0;
    while (skip < length && IsInCharSet(m_pszData[skip], charSet))
        ++skip;
    if (skip > 0)
        Delete(0, skip);
    return *this;
}

CString& CString::TrimRight()
{
    int length = GetLength();
    int keep = length;
    while (keep > 0 && iswspace(m_pszData[keep - 1]))
        --keep;
    if (keep < length)
        Delete(keep, length - keep);
    return *this;
}

CString& CString::TrimRight(WCHAR ch)
{
    WCHAR set[2] = {ch, 0};
    return TrimRight(set);
}

CString& CString::TrimRight(LPCWSTR charSet)
{
    int length = GetLength();
    int keep = length;
    while (keep > 0 && IsInCharSet(m_pszData[keep - 1], charSet))
        --keep;
    if (keep < length)
        Delete(keep, length - keep);
    return *this;
}

CString CString::Tokenize(LPCWSTR delimiters, int& start) const
{
    int length = GetLength();
    if (start < 0 || start >= length) {
        start = -1;
        return CString();
    }
    if (delimiters == nullptr || *delimiters == 0) {
        // No delimiters: the rest is the last token.
        CString rest = Mid(start);
        start = length;
        return rest;
    }
    const WCHAR* place = m_pszData + start;
    int skipped = static_cast<int>(wcsspn(place, delimiters));
    if (start + skipped >= length) {
        start = -1;
        return CString();
    }
    int from = start + skipped;
    int tokenLength = static_cast<int>(wcscspn(m_pszData + from, delimiters));
    start = from + tokenLength + 1;
    return Mid(from, tokenLength);
}

void CString::FormatArgs(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatIdArgs(UINT formatId, ...)
{
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCWSTR format, va_list args)
{
    CString result;
    AfxFormatText(result, format, args);
    *this = std::move(result);
}

void CString::AppendFormatArgs(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::AppendFormatV(LPCWSTR format, va_list args)
{
    // Formatted apart: an argument may be this string's own text.
    CString appended;
    AfxFormatText(appended, format, args);
    *this += appended;
}

LPWSTR CString::GetBuffer(int minLength)
{
    int length = GetLength();
    if (minLength < length)
        minLength = length;
    PrepareWrite(minLength, length);
    return m_pszData;
}

LPWSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

LPWSTR CString::GetBufferSetLength(int length)
{
    if (length < 0)
        AfxThrowInvalidArgException();
    PrepareWrite(length, length);
    // A 0-length request on the empty string leaves nothing to write to.
    if (GetData()->refs >= 0)
        SetLength(length);
    return m_pszData;
}

void CString::ReleaseBuffer(int newLength)
{
    Data* data = GetData();
    if (data->refs < 0)
        return;
    if (newLength < 0) {
        // Never read past the buffer, even when the writer left no terminator.
        newLength = 0;
        while (newLength < data->capacity && m_pszData[newLength] != 0)
            ++newLength;
    }
    if (newLength > data->capacity)
        newLength = data->capacity;
    SetLength(newLength);
}

void CString::ReleaseBufferSetLength(int newLength)
{
    ReleaseBuffer(newLength < 0 ? 0 : newLength);
}

void CString::Preallocate(int length)
{
    int current = GetLength();
    if (length > current)
        PrepareWrite(length, current);
}

void CString::FreeExtra()
{
    Data* data = GetData();
    if (data->refs == 1 && data->capacity > data->length) {
        CString copy(m_pszData, data->length);
        *this = std::move(copy);
    }
}

BOOL CString::LoadString(UINT id)
{
    return LoadString(AfxGetResourceHandle(), id);
}

BOOL CString::LoadString(HINSTANCE instance, UINT id)
{
    // String resources come in blocks of 16 counted strings; read the
    // string in place so that its length is not limited by a buffer.
    HRSRC block = FindResourceW(instance, MAKEINTRESOURCEW((id >> 4) + 1), reinterpret_cast<LPCWSTR>(RT_STRING));
    if (block == nullptr)
        return FALSE;
    HGLOBAL loaded = LoadResource(instance, block);
    const WCHAR* p = loaded != nullptr ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (p == nullptr)
        return FALSE;
    const WCHAR* end = p + SizeofResource(instance, block) / sizeof(WCHAR);
    for (UINT i = 0; i < (id & 15); ++i) {
        if (p >= end)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return FALSE;
    Assign(p + 1, *p);
    return TRUE;
}

BSTR CString::AllocSysString() const
{
    BSTR result = SysAllocStringLen(m_pszData, static_cast<UINT>(GetLength()));
    if (result == nullptr)
        AfxThrowMemoryException();
    return result;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (pbstr == nullptr)
        AfxThrowInvalidArgException();
    if (!SysReAllocStringLen(pbstr, m_pszData, static_cast<UINT>(GetLength())))
        AfxThrowMemoryException();
    return *pbstr;
}

bool operator==(const CString& left, const CString& right)
{
    return left.GetLength() == right.GetLength() && left.Compare(right) == 0;
}
bool operator==(const CString& left, LPCWSTR right) { return left.Compare(right) == 0; }
bool operator==(LPCWSTR left, const CString& right) { return right.Compare(left) == 0; }
bool operator==(const CString& left, WCHAR right) { return left.GetLength() == 1 && left.GetAt(0) == right; }
bool operator!=(const CString& left, const CString& right) { return !(left == right); }
bool operator!=(const CString& left, LPCWSTR right) { return left.Compare(right) != 0; }
bool operator!=(LPCWSTR left, const CString& right) { return right.Compare(left) != 0; }
bool operator!=(const CString& left, WCHAR right) { return !(left == right); }
bool operator<(const CString& left, const CString& right) { return left.Compare(right) < 0; }
bool operator<(const CString& left, LPCWSTR right) { return left.Compare(right) < 0; }
bool operator<(LPCWSTR left, const CString& right) { return right.Compare(left) > 0; }
bool operator>(const CString& left, const CString& right) { return left.Compare(right) > 0; }
bool operator>(const CString& left, LPCWSTR right) { return left.Compare(right) > 0; }
bool operator>(LPCWSTR left, const CString& right) { return right.Compare(left) < 0; }
bool operator<=(const CString& left, const CString& right) { return left.Compare(right) <= 0; }
bool operator<=(const CString& left, LPCWSTR right) { return left.Compare(right) <= 0; }
bool operator<=(LPCWSTR left, const CString& right) { return right.Compare(left) >= 0; }
bool operator>=(const CString& left, const CString& right) { return left.Compare(right) >= 0; }
bool operator>=(const CString& left, LPCWSTR right) { return left.Compare(right) >= 0; }
bool operator>=(LPCWSTR left, const CString& right) { return right.Compare(left) <= 0; }
