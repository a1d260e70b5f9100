// Conversion between UTF-16 and the ANSI code page: the system's code page on
// Windows; natively Latin-1, where every unit above 0xFF becomes '?'.
#pragma once

#include <string>
#include <string_view>

std::string Utf16ToAnsi(std::u16string_view text);
std::u16string AnsiToUtf16(std::string_view text);
