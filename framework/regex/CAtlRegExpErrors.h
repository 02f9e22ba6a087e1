// Results of compiling a pattern.
#pragma once

enum REParseError
{
    REPARSE_ERROR_OK = 0,
    REPARSE_ERROR_NO_PATTERN,           // no pattern text was given
    REPARSE_ERROR_UNBALANCED_BRACE,     // a { without its } or a } without its {
    REPARSE_ERROR_UNBALANCED_PAREN,     // a ( without its ) or a ) without its (
    REPARSE_ERROR_UNBALANCED_BRACKET,   // a [ without its ] or a ] without its [
    REPARSE_ERROR_NOTHING_TO_REPEAT,    // *, + or ? with no element before it
    REPARSE_ERROR_TRAILING_BACKSLASH,   // the pattern ends in a backslash
    REPARSE_ERROR_UNKNOWN_ABBREVIATION, // a backslash and a letter that names nothing
    REPARSE_ERROR_EMPTY_SET,            // [] or [^]
    REPARSE_ERROR_INVALID_RANGE,        // a range whose end lies before its start
    REPARSE_ERROR_OUTOFMEMORY,
    REPARSE_ERROR_TOO_DEEP              // groups nested deeper than CAtlRegExpCompiler::MAX_NESTING
};
