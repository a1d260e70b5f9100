#include "ExtensionType.h"

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool IsExtensionTypeName(const char* name)
{
    if (!name)
        return false;
    const char* expected = kExtensionTypeName;
    for (; *name && *expected; ++name, ++expected)
        if (LowerAscii(*name) != LowerAscii(*expected))
            return false;
    return *name == *expected;
}
