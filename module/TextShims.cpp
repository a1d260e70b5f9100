#include "module/TextShims.h"

#include <cstdint>
#include <vector>

#include "common/PathNames.h"
#include "plexa/TextHelpers.h"
#include "plexa/Win32Text.h"
#include "module/ModuleState.h"

namespace {

constexpr int kAnsiBufferBytes = 260;
constexpr UINT_PTR kLargestNonText = 0xFFFF;

bool UsesWideForms() { return NtVersionLevel != 0; }

bool IsAcceptablePath(const char16_t* path)
{
    if (!path)
        return false;
    int length = 0;
    while (path[length] && length <= kMaxShimPath)
        ++length;
    return length <= kMaxShimPath;
}

} // namespace

BOOL AppendMenuAW(HMENU menu, UINT flags, UINT_PTR item, const char16_t* text)
{
    if (UsesWideForms())
        return AppendMenuW(menu, flags, item, AsWide(text));
    if (reinterpret_cast<std::uintptr_t>(text) <= kLargestNonText)
        return AppendMenuA(menu, flags, item, reinterpret_cast<const char*>(text));
    char ansi[kAnsiBufferBytes];
    WtoAex(text, ansi, kAnsiBufferBytes);
    return AppendMenuA(menu, flags, item, ansi);
}

DWORD GetFileAttributesAW(const char16_t* path)
{
    if (!IsAcceptablePath(path))
        return INVALID_FILE_ATTRIBUTES;
    if (UsesWideForms())
        return GetFileAttributesW(AsWide(path));
    char ansi[kAnsiBufferBytes];
    WtoAex(path, ansi, kAnsiBufferBytes);
    return GetFileAttributesA(ansi);
}

BOOL CreateDirectoryAW(const char16_t* path, SECURITY_ATTRIBUTES* security)
{
    if (!IsAcceptablePath(path))
        return FALSE;
    if (UsesWideForms())
        return CreateDirectoryW(AsWide(path), security);
    std::vector<char> ansi(static_cast<std::size_t>(QueryWtoABufSize(path)));
    WtoAex(path, ansi.data(), static_cast<int>(ansi.size()));
    return CreateDirectoryA(ansi.data(), security);
}

bool IsDirectoryPath(const char16_t* path)
{
    const DWORD attributes = GetFileAttributesAW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDirectoryPath(const char16_t* path)
{
    if (IsDirectoryPath(path))
        return true;
    if (CreateDirectoryAW(path, nullptr))
        return true;
    char16_t parent[kMaxShimPath + 1];
    if (!GetParentDir(path, parent, kMaxShimPath + 1) || !CreateDirectoryPath(parent))
        return false;
    return CreateDirectoryAW(path, nullptr) != FALSE;
}
