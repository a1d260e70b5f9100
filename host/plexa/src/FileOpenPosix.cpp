#include "host/plexa/src/FileOpen.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Utf8.h"

namespace {

constexpr int kNameAttempts = 100;

// Paths go to the system as UTF-8, bytes that were no UTF-8 as they were.
std::string Native(std::u16string_view path) { return Utf16ToPathBytes(path); }

std::u16string FolderOf(std::u16string_view path)
{
    const auto separator = path.find_last_of(u'/');
    return std::u16string(separator == std::u16string_view::npos ? u"" : path.substr(0, separator + 1));
}

} // namespace

std::FILE* OpenFileForReading(std::u16string_view path, int& error)
{
    std::FILE* file = std::fopen(Native(path).c_str(), "rb");
    if (!file)
        error = errno;
    return file;
}

int ReadAllBytes(std::u16string_view path, std::vector<unsigned char>& bytes)
{
    const bool standardInput = path == u"-";
    const int fd = standardInput ? STDIN_FILENO : ::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat status {};
    int error = ::fstat(fd, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
    unsigned char chunk[65536];
    while (error == 0) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count > 0)
            bytes.insert(bytes.end(), chunk, chunk + count);
        else if (count == 0)
            break;
        else if (errno != EINTR)
            error = errno;
    }
    if (!standardInput)
        ::close(fd);
    return error;
}

std::string ErrorText(int error) { return std::strerror(error); }

int AlreadyExistsError() { return EEXIST; }

int LastWriteError() { return errno ? errno : EIO; }

int OutOfMemoryError() { return ENOMEM; }

std::FILE* CreateFileBeside(std::u16string_view target, std::u16string& temporary, int& errorNumber)
{
    struct stat old {};
    const bool replacing = ::stat(Native(target).c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        errorNumber = EISDIR;
        return nullptr;
    }
    // A file its owner cannot write is not replaced, though its folder
    // would let a rename do it.
    if (replacing && ::access(Native(target).c_str(), W_OK) != 0) {
        errorNumber = errno;
        return nullptr;
    }
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
    std::random_device entropy;
    // A short name of its own, so that a target whose name is near the
    // file system's limit can still be written.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".plexa-%08x.tmp", static_cast<unsigned>(entropy()));
        temporary = FolderOf(target) + Utf8ToUtf16(name);
        const int fd = ::open(Native(temporary).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            errorNumber = errno;
            if (errorNumber == EEXIST)
                continue;
            return nullptr;
        }
        // The umask narrowed the mode; a replaced file keeps exactly its own.
        if (replacing)
            ::fchmod(fd, mode);
        if (std::FILE* file = ::fdopen(fd, "wb"))
            return file;
        errorNumber = errno;
        ::close(fd);
        ::unlink(Native(temporary).c_str());
        return nullptr;
    }
    return nullptr;
}

int SyncAndClose(std::FILE* file)
{
    int error = 0;
    if (std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0)
        error = errno;
    if (std::fclose(file) != 0 && error == 0)
        error = errno;
    return error;
}

int MoveFileInto(const std::u16string& from, const std::u16string& to, bool replace)
{
    const std::string source = Native(from);
    const std::string target = Native(to);
    if (replace)
        return ::rename(source.c_str(), target.c_str()) == 0 ? 0 : errno;
    // link refuses an existing target, where rename would replace it.
    if (::link(source.c_str(), target.c_str()) != 0)
        return errno;
    ::unlink(source.c_str());
    return 0;
}

bool PathExists(std::u16string_view path)
{
    struct stat status {};
    return ::lstat(Native(path).c_str(), &status) == 0;
}

void RemoveFile(const std::u16string& path) { ::unlink(Native(path).c_str()); }
