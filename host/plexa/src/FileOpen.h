// Opening a file by its UTF-16 path, the one step of file streams that
// differs between Windows and the native build.
#pragma once

#include <cstdio>
#include <string_view>

enum class FileAccess { Read, CreateOrReplace, CreateNew };

// Binary mode; null when the file cannot be opened (CreateNew: also when it exists).
std::FILE* OpenFile(std::u16string_view path, FileAccess access);
