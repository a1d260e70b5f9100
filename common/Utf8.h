// UTF-8 and UTF-16 conversion, shared by the host library (XML documents,
// file paths) and the module (color names in GIMP palettes).
#pragma once

#include <string>
#include <string_view>

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Malformed sequences (stray continuation bytes, overlong forms, surrogate
// code points, truncated sequences) become U+FFFD, one per bad byte.
std::u16string Utf8ToUtf16(std::string_view text);

// File names where the system's names are bytes: a byte that starts no
// valid UTF-8 character is kept as the lone surrogate U+DC00 + byte, and
// goes back to that byte, so any name the system gives can be opened again.
std::u16string PathBytesToUtf16(std::string_view bytes);
std::string Utf16ToPathBytes(std::u16string_view path);

// Converts text into buffer (size in units), cutting at a whole character
// and always terminating when size > 0; no allocation. Returns the units
// written without the terminator.
int Utf8ToUtf16Buffer(std::string_view text, char16_t* buffer, int size);

// Appends one code point (up to U+10FFFF) as one or two UTF-16 units.
void AppendUtf16(std::u16string& out, char32_t codePoint);
// Appends one code point (up to U+10FFFF) in UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);
// The text with each byte that starts no valid character replaced by
// U+FFFD, as Utf8ToUtf16 reads it: valid UTF-8, and valid text unchanged.
std::string ValidUtf8(std::string_view text);

// Converts text into buffer (size in bytes), cutting at a whole character so
// that the result is valid UTF-8 and always terminated when size > 0.
// Returns the bytes written without the terminator.
int Utf16ToUtf8Buffer(std::u16string_view text, char* buffer, int size);
