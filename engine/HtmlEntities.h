// Decoding of HTML character references in page texts.
#pragma once
#include "framework/Framework.h"

// Replaces every "&name;", "&#123;" and "&#x7B;" in the text by its
// character. A reference that names no character stays as it was written.
void DecodeHtmlEntities(CString& strText);

// The character of one reference name (the text between "&" and ";"):
// "#" and decimal digits, "#x" and hexadecimal digits, or one of the named
// character references of HTML 4.01 (case-sensitive). 0 when it names none.
WCHAR DecodeHtmlEntity(LPCWSTR pszName);
