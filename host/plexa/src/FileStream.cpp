#include "host/plexa/src/FileStream.h"

#include <algorithm>

#include "host/plexa/src/FileOpen.h"
#include "plexa/jx_CORE.h"

FileStream::FileStream(std::FILE* openFile, std::u16string filePath) : file(openFile), path(std::move(filePath)) {}

FileStream::~FileStream() { std::fclose(file); }

void FileStream::Delete() { delete this; }

int FileStream::Seek(std::int32_t position, int origin)
{
    if (origin != 0 && origin != 1)
        return -1;
    return std::fseek(file, position, origin == 0 ? SEEK_SET : SEEK_CUR) == 0 ? 0 : -1;
}

std::int32_t FileStream::Tell() { return static_cast<std::int32_t>(std::ftell(file)); }

int FileStream::Read(void* buffer, int count)
{
    if (!buffer || count <= 0)
        return 0;
    return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(count), file));
}

int FileStream::Write(const void* buffer, int count)
{
    if (!buffer || count <= 0)
        return 0;
    return static_cast<int>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file));
}

bool FileStream::IsEOF()
{
    const int c = std::getc(file);
    if (c == EOF)
        return true;
    std::ungetc(c, file);
    return false;
}

int FileStream::GetFileName(char16_t* buffer, int size, int flags)
{
    std::u16string_view name = path;
    if (flags != 1) {
        const auto separator = name.find_last_of(u"\\/:");
        if (separator != std::u16string_view::npos)
            name.remove_prefix(separator + 1);
    }
    return CopyName(name, buffer, size);
}

int FileStream::ReadByte()
{
    const int c = std::getc(file);
    return c == EOF ? -1 : c;
}

FileStream* OpenFileStream(const char16_t* path, int mode)
{
    if (!path || !*path)
        return nullptr;
    FileAccess access;
    switch (mode) {
    case kStreamReadFile:
    case kStreamReadFileShared:
        access = FileAccess::Read;
        break;
    case kStreamCreateFile:
        access = FileAccess::CreateOrReplace;
        break;
    case kStreamCreateNewFile:
        access = FileAccess::CreateNew;
        break;
    default:
        return nullptr;
    }
    std::FILE* file = OpenFile(path, access);
    return file ? new FileStream(file, path) : nullptr;
}
