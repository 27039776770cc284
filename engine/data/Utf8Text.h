#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Where a text stops being UTF-8 (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF). Returns the offset of the first sequence that is
// not UTF-8, or the text's size when all of it is; *length receives how many
// of its bytes belong to the faulty sequence (at least 1).
std::size_t FirstInvalidUtf8(std::string_view text, std::size_t* length);

// Bytes as a user can read them in a message: "\xE9\x41".
std::string HexBytes(std::string_view bytes);

// Empty for UTF-8 text; otherwise the fault of a value as a message: the value
// (its first 60 bytes, the faulty ones written as \xE9), the faulty bytes and
// how to declare the encoding.
std::string NotUtf8Problem(std::string_view text);

// The hint of every message about text that is not UTF-8.
inline constexpr const char* kDeclareEncodingHint =
    "save the file as UTF-8, or declare its encoding (such as \"windows-1252\" or \"latin1\") as the \"encoding\" of "
    "the data package resource that names it";
