// Readable failure messages for framework values in test assertions.
#pragma once
#include <ostream>
#include "framework/text/CString.h"
#include "framework/text/CStringA.h"

inline void PrintTo(const CString& text, std::ostream* os)
{
    *os << '"' << static_cast<const char*>(CStringA(text)) << '"';
}
