#include "host/plexa/src/FileOpen.h"

#include <string>

#include "common/Utf8.h"

// Paths go to the C library as UTF-8.
std::FILE* OpenFile(std::u16string_view path, FileAccess access)
{
    const char* mode = access == FileAccess::Read ? "rb" : access == FileAccess::CreateOrReplace ? "wb" : "wbx";
    return std::fopen(Utf16ToUtf8(path).c_str(), mode);
}
