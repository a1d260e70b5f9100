#include "host/plexa/src/FileStream.h"

#include <algorithm>

#include "host/plexa/src/FileOpen.h"
#include "plexa/jx_CORE.h"

FileStream::FileStream(std::FILE* openFile, std::u16string filePath) : file(openFile), path(std::move(filePath)) {}

FileStream::FileStream(std::FILE* openFile, std::u16string target, std::u16string temporaryPath, bool replaceTarget)
    : file(openFile), path(std::move(target)), temporary(std::move(temporaryPath)), replace(replaceTarget)
{
}

FileStream::~FileStream()
{
    if (file)
        std::fclose(file);
    if (!temporary.empty())
        RemoveFile(temporary);
}

void FileStream::Delete() { delete this; }

int FileStream::Seek(std::int32_t position, int origin)
{
    if (!file || (origin != 0 && origin != 1))
        return -1;
    return std::fseek(file, position, origin == 0 ? SEEK_SET : SEEK_CUR) == 0 ? 0 : -1;
}

std::int32_t FileStream::Tell() { return file ? static_cast<std::int32_t>(std::ftell(file)) : -1; }

long long FileStream::BytesLeft()
{
    if (!file)
        return -1;
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0)
        return -1;
    return end >= here ? end - here : -1;
}

int FileStream::Read(void* buffer, int count)
{
    if (!file || !buffer || count <= 0)
        return 0;
    return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(count), file));
}

int FileStream::Write(const void* buffer, int count)
{
    // A committed file is closed: nothing more goes in or out.
    if (!file || !buffer || count <= 0)
        return 0;
    const auto written = std::fwrite(buffer, 1, static_cast<std::size_t>(count), file);
    if (written < static_cast<std::size_t>(count) && writeError == 0)
        writeError = LastWriteError();
    return static_cast<int>(written);
}

bool FileStream::IsEOF()
{
    if (!file)
        return true;
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

int FileStream::Commit()
{
    if (temporary.empty())
        return 0;
    int error = SyncAndClose(file);
    file = nullptr;
    if (error == 0)
        error = writeError;
    if (error == 0)
        error = MoveFileInto(temporary, path, replace);
    if (error != 0)
        RemoveFile(temporary);
    temporary.clear();
    return error;
}

int FileStream::ReadByte()
{
    if (!file)
        return -1;
    const int c = std::getc(file);
    return c == EOF ? -1 : c;
}

FileStream* OpenFileStream(const char16_t* path, int mode, int& error)
{
    error = 0;
    if (!path || !*path)
        return nullptr;
    switch (mode) {
    case kStreamReadFile:
    case kStreamReadFileShared: {
        std::FILE* file = OpenFileForReading(path, error);
        return file ? new FileStream(file, path) : nullptr;
    }
    case kStreamCreateFile:
    case kStreamCreateNewFile: {
        const bool replace = mode == kStreamCreateFile;
        if (!replace && PathExists(path)) {
            error = AlreadyExistsError();
            return nullptr;
        }
        std::u16string temporary;
        std::FILE* file = CreateFileBeside(path, temporary, error);
        return file ? new FileStream(file, path, std::move(temporary), replace) : nullptr;
    }
    default:
        return nullptr;
    }
}
