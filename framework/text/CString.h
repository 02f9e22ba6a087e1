// Reference-counted UTF-16 string. Copies share one buffer until one of
// them is written to (GetBuffer, SetAt, any changing operation).
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <cstdarg>
#include <cstddef>
#include <type_traits>

class CString;

// How an argument of a formatting call travels through the C argument list:
// arrays as pointers, string objects as their text, plain values as they are.
template <class T>
inline T AfxFormatArg(const T& value)
{
    static_assert(std::is_trivially_copyable_v<T>, "pass this value's text as a pointer");
    return value;
}
template <class T, size_t N>
inline const T* AfxFormatArg(const T (&array)[N])
{
    return array;
}
inline LPCWSTR AfxFormatArg(const CString& text);

class CString
{
public:
    CString();
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A pointer made with MAKEINTRESOURCE loads that string resource.
    CString(LPCWSTR text);
    CString(LPCWSTR text, int length);
    // Narrow text is converted with the thread's ANSI code page.
    CString(LPCSTR text);
    CString(LPCSTR text, int length);
    explicit CString(WCHAR ch, int repeat = 1);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCWSTR text);
    CString& operator=(LPCSTR text);
    CString& operator=(WCHAR ch);

    operator LPCWSTR() const { return m_pszData; }
    LPCWSTR GetString() const { return m_pszData; }

    int GetLength() const;
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();

    // Index 0 … length − 1 (GetAt also accepts length and answers 0);
    // others throw CInvalidArgException.
    WCHAR GetAt(int index) const;
    WCHAR operator[](int index) const { return GetAt(index); }
    void SetAt(int index, WCHAR ch);

    CString& operator+=(const CString& text);
    CString& operator+=(LPCWSTR text);
    CString& operator+=(LPCSTR text);
    CString& operator+=(WCHAR ch);
    void Append(LPCWSTR text, int length);
    void Append(LPCWSTR text);
    void AppendChar(WCHAR ch);

    friend CString operator+(const CString& left, const CString& right);
    friend CString operator+(const CString& left, LPCWSTR right);
    friend CString operator+(LPCWSTR left, const CString& right);
    friend CString operator+(const CString& left, WCHAR right);
    friend CString operator+(WCHAR left, const CString& right);

    // Ordinal comparison: < 0, 0 or > 0.
    int Compare(LPCWSTR text) const;
    // Ordinal comparison ignoring case (Unicode case mapping, any locale).
    int CompareNoCase(LPCWSTR text) const;
    // Comparison by the rules of the current locale.
    int Collate(LPCWSTR text) const;
    int CollateNoCase(LPCWSTR text) const;

    // Out-of-range positions and counts are clamped; the result may be empty.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCWSTR charSet) const;
    CString SpanExcluding(LPCWSTR charSet) const;

    // Positions or −1. A start beyond the end finds nothing; an empty
    // pattern is found at the start position.
    int Find(WCHAR ch, int start = 0) const;
    int Find(LPCWSTR text, int start = 0) const;
    int ReverseFind(WCHAR ch) const;
    int FindOneOf(LPCWSTR charSet) const;

    // Replacements return the number of places changed; an empty pattern
    // changes nothing.
    int Replace(WCHAR oldChar, WCHAR newChar);
    int Replace(LPCWSTR oldText, LPCWSTR newText);
    int Remove(WCHAR ch);
    // Insert and Delete return the new length.
    int Insert(int index, WCHAR ch);
    int Insert(int index, LPCWSTR text);
    int Delete(int index, int count = 1);

    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();

    CString& Trim();
    CString& Trim(WCHAR ch);
    CString& Trim(LPCWSTR charSet);
    CString& TrimLeft();
    CString& TrimLeft(WCHAR ch);
    CString& TrimLeft(LPCWSTR charSet);
    CString& TrimRight();
    CString& TrimRight(WCHAR ch);
    CString& TrimRight(LPCWSTR charSet);

    // The next token after position start, skipping leading delimiters;
    // start then points past the token's delimiter, or is −1 when no token
    // is left (the result is then empty).
    CString Tokenize(LPCWSTR delimiters, int& start) const;

    // printf rules on wide text: %s takes a wide string, %S a narrow one.
    // String objects may be passed as they are (they are handed on as text
    // pointers); other class types are refused at compile time.
    template <class... Args>
    void Format(LPCWSTR format, const Args&... args)
    {
        FormatArgs(format, AfxFormatArg(args)...);
    }
    template <class... Args>
    void Format(UINT formatId, const Args&... args)
    {
        FormatIdArgs(formatId, AfxFormatArg(args)...);
    }
    template <class... Args>
    void AppendFormat(LPCWSTR format, const Args&... args)
    {
        AppendFormatArgs(format, AfxFormatArg(args)...);
    }
    void FormatV(LPCWSTR format, va_list args);
    void AppendFormatV(LPCWSTR format, va_list args);

    // A writable buffer of at least minLength characters (plus terminator)
    // holding the current text; call ReleaseBuffer before any other use.
    LPWSTR GetBuffer(int minLength);
    LPWSTR GetBuffer();
    LPWSTR GetBufferSetLength(int length);
    // newLength −1: the text ends at the first 0 character.
    void ReleaseBuffer(int newLength = -1);
    void ReleaseBufferSetLength(int newLength);
    void Preallocate(int length);
    void FreeExtra();

    // From the framework's resource handle; FALSE (text unchanged) when the
    // string does not exist.
    BOOL LoadString(UINT id);
    BOOL LoadString(HINSTANCE instance, UINT id);

    // A new BSTR with the text; throws CMemoryException when it cannot be had.
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

private:
    void FormatArgs(LPCWSTR format, ...);
    void FormatIdArgs(UINT formatId, ...);
    void AppendFormatArgs(LPCWSTR format, ...);

    struct Data;
    static LPWSTR EmptyChars();
    Data* GetData() const;
    void Assign(LPCWSTR text, int length);
    void AssignNarrow(LPCSTR text, int length);
    // Makes the buffer private with room for capacity characters, keeping
    // the first keep characters of the text.
    void PrepareWrite(int capacity, int keep);
    void SetLength(int length);
    void Release();

    LPWSTR m_pszData;
};

bool operator==(const CString& left, const CString& right);
bool operator==(const CString& left, LPCWSTR right);
bool operator==(LPCWSTR left, const CString& right);
bool operator==(const CString& left, WCHAR right);
bool operator!=(const CString& left, const CString& right);
bool operator!=(const CString& left, LPCWSTR right);
bool operator!=(LPCWSTR left, const CString& right);
bool operator!=(const CString& left, WCHAR right);
bool operator<(const CString& left, const CString& right);
bool operator<(const CString& left, LPCWSTR right);
bool operator<(LPCWSTR left, const CString& right);
bool operator>(const CString& left, const CString& right);
bool operator>(const CString& left, LPCWSTR right);
bool operator>(LPCWSTR left, const CString& right);
bool operator<=(const CString& left, const CString& right);
bool operator<=(const CString& left, LPCWSTR right);
bool operator<=(LPCWSTR left, const CString& right);
bool operator>=(const CString& left, const CString& right);
bool operator>=(const CString& left, LPCWSTR right);
bool operator>=(LPCWSTR left, const CString& right);

inline LPCWSTR AfxFormatArg(const CString& text)
{
    return text.GetString();
}
