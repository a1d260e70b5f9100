#include "host/plexa/src/FileOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Utf8.h"

// Paths go to the C library as UTF-8.
namespace {

constexpr int kNameAttempts = 100;

std::string Native(std::u16string_view path) { return Utf16ToUtf8(path); }

std::u16string FolderOf(std::u16string_view path)
{
    const auto separator = path.find_last_of(u'/');
    return std::u16string(separator == std::u16string_view::npos ? u"" : path.substr(0, separator + 1));
}

} // namespace

std::FILE* OpenFileForReading(std::u16string_view path) { return std::fopen(Native(path).c_str(), "rb"); }

std::FILE* CreateFileBeside(std::u16string_view target, std::u16string& temporary, int& errorNumber)
{
    struct stat old {};
    const bool replacing = ::stat(Native(target).c_str(), &old) == 0;
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
